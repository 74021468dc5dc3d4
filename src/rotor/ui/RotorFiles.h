#pragma once
// The rotor files in the data folder: read at the start-up steps (a missing file or
// a number that does not read stops the step with a ConfigError) and the two park
// files the "Park" button rewrites.

#include "RotorSettings.h"

#include <QString>

namespace kelvora {

// "Flip.SQF", "Park.SQF", "ParkPos.SQF".
void LoadRotorFiles(const QString& dataFolder, TRotorSettings& settings);
// "WiRotOpt.SQF" and "StandPos.SQF".
void LoadRotorOptions(const QString& dataFolder, TRotorSettings& settings);
void LoadWiRotOpt(const QString& dataFolder, TRotorSettings& settings);

// "Park.SQF" and "ParkPos.SQF" together: both new or both as they were. Returns
// false with the reason.
bool StoreParkFiles(const QString& dataFolder, const TRotorSettings& settings, QString* error = nullptr);

}  // namespace kelvora
