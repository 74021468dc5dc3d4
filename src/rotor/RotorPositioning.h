#pragma once
// Where the antenna rotor points and when it is told to move: interval and
// threshold following of the active satellite, park after the pass, and the
// output transform (offsets, corrections, over-the-top and 450-degree passes).
// Plain values in, a plain decision out; the server link formats it.

#include <array>
#include <functional>
#include <optional>

#include "RotorSettings.h"

namespace kelvora {

// Satellite slots are 1 .. kRotorSlots.
inline constexpr int kRotorSlots = 2000;

struct TRotorState {
    bool RotorOn = false;
    bool Parked = true;  // parked, or the first tracking move of a satellite still to come
    double TargetAzimuth = 0.0;
    double TargetElevation = 0.0;
    double LastMoveAzimuth = 0.0;  // threshold mode: the satellite at the last move
    double LastMoveElevation = 0.0;
    int AzimuthCorrection = 0;  // the operator's corrections, whole degrees
    int ElevationCorrection = 0;
    int StepCounter = 0;  // interval mode: cycles; threshold mode: 0 = first move to do
    double NextStepTime = 0.0;  // interval mode: day count of the next forced move
    bool ManualMove = false;
    bool TargetIsManual = false;  // manual, standard or park position: never rotated for a pass
    bool LabelYellow = false;  // lblRotor: a pass is being flown over the top / on the extension
    std::array<bool, kRotorSlots + 1> PassFlip{};
    std::array<bool, kRotorSlots + 1> PassExtend{};
};

bool PassFlipOf(const TRotorState& state, int slot);
bool PassExtendOf(const TRotorState& state, int slot);
void SetPassRotation(TRotorState& state, int slot, bool flip, bool extend);

// What goes to the rotor server: the position after the output transform.
struct TRotorCommand {
    double Azimuth = 0.0;
    double Elevation = 0.0;
    bool Flipped = false;  // over the top: azimuth turned by 180, elevation beyond 90
};
using TRotorDecision = std::optional<TRotorCommand>;

// The active satellite's look angles (degrees) at a day count; nullopt when it
// cannot be computed. The caller restores the cycle's own time afterwards.
struct TRotorLook {
    double Azimuth = 0.0;
    double Elevation = 0.0;
};
using TRotorLookAt = std::function<std::optional<TRotorLook>(double dayCount)>;

struct TRotorCycleInputs {
    double Now = 0.0;  // the cycle's day count
    int ActiveSlot = 0;
    double NextAos = 0.0;  // day count of the active satellite's next rise
    bool AfterLos = false;  // set by the tracking cycle after the satellite went below 0
    TRotorLookAt Look;
};

// One cycle of the tracking timer; at most one position is sent.
TRotorDecision RotorCycle(const TRotorSettings& settings, TRotorState& state, const TRotorCycleInputs& inputs);

// The output transform of the current target for the active satellite. Nothing in
// a second instance or for a target that is not a number; otherwise the position
// lies within the rotor's ranges.
TRotorDecision SendPosition(const TRotorSettings& settings, TRotorState& state, int activeSlot);

// Moves to the park position, never over the top.
TRotorDecision ParkNow(const TRotorSettings& settings, TRotorState& state);

// Sets a manual target (manual entry, standard direction): sent like the park
// position, without the pass rotation, also when corrections are added later.
TRotorDecision SendManualTarget(const TRotorSettings& settings, TRotorState& state, double azimuth, double elevation);

// lblRotor: toggles RotorOn; switching on restarts the steps. Returns RotorOn.
bool RotorOnOff(TRotorState& state);

// The operator chose another active satellite by its letter.
void ResetForSatellite(TRotorState& state);

// The azimuth brought into 0 .. range (range itself stays).
double WrapRotorAzimuth(double azimuth, double range);

}  // namespace kelvora
