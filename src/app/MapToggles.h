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

// The ground-track mode a lblSpur caption stands for ("G-", "Gt", "G+").
TGroundTrackMode GroundTrackModeOf(const std::string& text);

struct TMapToggleHooks {
    std::function<void()> LoadMapSet;              // maps of the current style and zoom
    std::function<void()> DrawGroundTrack;         // one revolution, now
    std::function<void(bool on)> SetContinuousTrack;
    std::function<void()> ClearIllumination;       // lblIll empty and silver
};

// The click on the label of that name showing currentText. Returns the label's new
// text, or nothing when the label is not one of the map switches.
std::optional<std::string> ClickMapToggle(const std::string& labelName, const std::string& currentText,
                                          TAppState& app, const TMapToggleHooks& hooks);

// lblWinSize: the Options item (0 "640/480", 1 "800/600", 2 "1024/768") the next
// size asks for; the screen rule may still reduce it.
int NextWindowSizeItem(char windowSizeOption, int fontScale);

}  // namespace kelvora
