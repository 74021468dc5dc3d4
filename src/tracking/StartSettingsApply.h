#pragma once
#include "AppState.h"
#include "Parts.h"

namespace kelvora {

// Reads "SatStart.SQF" and "SatStartISS.SQF" and applies every toggle in order.
void ReadStartSettings(TAppState& app, TParts parts);
// When the main window is made: its position, "DivOptions.SQF" and the start
// settings; the stored copy of the rotor-server option then stands until the
// start-up reads "SatStart.SQF" again. A bad file throws ConfigError.
void ReadWindowStartSettings(TAppState& app, TParts parts);
// Applies start settings already in memory.
void ApplyStartSettings(TAppState& app, TParts parts);

// The label texts of the toggle panel for the state in memory.
struct TToggleTexts {
    QString Rotor, Cat, AutoChange, Multi, Zoom, Sun, Arrow, BlueM, WinSize;
};
TToggleTexts ToggleTexts(const TAppState& app);
QString WindowSizeText(char option);

}  // namespace kelvora
