#pragma once
// What the tracking cycle carries from tick to tick; one instance, owned by the
// application object. Which satellites are tracked and which is active is the
// selection's (the satellite part).

#include <array>
#include <vector>

namespace kelvora {

enum class TTimeMode { RealTime, Preview, MaStepping };

enum class TLetterColour { Silver, White };

constexpr int LetterCount = 12;  // letters A to L

// The elevation the cycle keeps for a satellite that cannot be computed: far below
// the horizon, so that neither its letter nor the automatic change takes it as up.
constexpr double NotComputableElevation = -90.0;

struct TTrackingState {
    TTimeMode TimeMode = TTimeMode::RealTime;
    int CurrentSet = 0;  // the set being computed, or the one the automatic change chose
    std::vector<double> LastElevation;  // per set number (index 0 unused)
    std::vector<double> NextAos;  // per set number, day count of the next rise
    bool WarmUp1 = false;
    bool WarmUp2 = false;
    int MapRedrawCounter = 0;
    int MapInterval = 0;
    bool ForceLetterColours = false;
    bool SatChanged = false;
    char AfterLos = '-';
    double ActivePreviousElevation = -96;  // elevation of the active satellite one cycle ago
    // The active satellite could be computed at the shown instant: the model gave a
    // position on or above the earth's surface. While false its look values, range
    // rate, sub-point and height mean nothing: the display shows it as not computable
    // and nothing may tune, point or publish from it.
    bool ActiveComputable = true;
    double MinElevation = 0;
    std::array<TLetterColour, LetterCount> LetterColour{};
    std::array<int, LetterCount> LetterRepaintMark{};

    // Toggles of the toggle panel.
    bool RotorOn = false;
    bool CatOn = false;
    bool AutoChange = false;
    bool MultiSat = false;
    bool SunOn = false;
    bool ArrowsOn = false;
    bool Zoom2 = false;

    void ResetWarmUp() { WarmUp1 = WarmUp2 = false; }
    // Sizes the per-set tables for a catalog of that many sets (set numbers 1..count).
    void SizeForCatalog(int setCount) {
        LastElevation.assign(static_cast<size_t>(setCount) + 1, -96.0);
        NextAos.assign(static_cast<size_t>(setCount) + 1, 0.0);
    }
};

}  // namespace kelvora
