#pragma once
// The map switches of the toggle panel: map set, other satellites, zoom, ground
// track, sun and direction arrows. A click changes the tracking state, calls the
// map work through hooks and gives the label's new text; every switch makes the
// next tick refresh the map.

#include "AppState.h"
#include "MapOverlays.h"

#include <functional>
#include <optional>
#include <string>

namespace kelvora {

// The labels of the main window's toggle panel, named after their components
// (lblRotor .. lblWinSize in panel order, then lblVorZur of the preview).
enum class TToggle { Rotor, Cat, Wechsel, Vfo, Cw, BlueM, Multi, Zoom, Spur, Sun, Arrow, WinSize, VorZur };
inline constexpr int ToggleCount = static_cast<int>(TToggle::VorZur) + 1;

// The ground-track mode a lblSpur caption stands for ("G-", "Gt", "G+").
TGroundTrackMode GroundTrackModeOf(const std::string& text);

struct TMapToggleHooks {
    std::function<void()> LoadMapSet;  // maps of the current style and zoom
    std::function<void()> DrawGroundTrack;  // one revolution, now
    std::function<void(bool on)> SetContinuousTrack;
    std::function<void()> ClearIllumination;  // lblIll empty and silver
};

// The click on that label showing currentText. Returns the label's new text, or
// nothing when the label is not one of the map switches.
std::optional<std::string> ClickMapToggle(TToggle toggle, const std::string& currentText, TAppState& app,
                                          const TMapToggleHooks& hooks);

// lblWinSize: the Options item (0 "640/480", 1 "800/600", 2 "1024/768") the next
// size asks for; the screen rule may still reduce it.
int NextWindowSizeItem(char windowSizeOption, int fontScale);

}  // namespace kelvora
