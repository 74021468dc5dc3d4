#pragma once
#include "AppState.h"
#include "Parts.h"

namespace kelvora {

// Reads "SatStart.SQF" and "SatStartISS.SQF" and applies every toggle in order.
void ReadStartSettings(TAppState& app, TParts parts);
// Applies start settings already in memory.
void ApplyStartSettings(TAppState& app, TParts parts);

// The label texts of the toggle panel for the state in memory.
struct TToggleTexts {
    QString Rotor, Cat, AutoChange, Multi, Zoom, Sun, Arrow, BlueM, WinSize;
};
TToggleTexts ToggleTexts(const TAppState& app);
QString WindowSizeText(char option);

}  // namespace kelvora
