#include "RotorPositioning.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {
constexpr double kSecondsPerDay = 86400.0;
// Interval mode moves before the rise only when it is this close (days).
constexpr double kAosLeadDays = 15.0 / 1440.0;
// The azimuth threshold by elevation stops growing here (cos 89 deg ~ 1/57).
constexpr double kThresholdElevationLimit = 89.0;
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

bool ValidSlot(int slot) { return slot >= 1 && slot <= kRotorSlots; }

bool Usable(const std::optional<TRotorLook>& look) {
    return look && std::isfinite(look->Azimuth) && std::isfinite(look->Elevation);
}

TRotorDecision Transform(const TRotorSettings& settings, TRotorState& state, bool passFlip, bool passExtend) {
    if (settings.SecondInstance) return std::nullopt;
    const double range = settings.AzimuthRange();
    double el = settings.ElevationOffset + state.TargetElevation + state.ElevationCorrection;
    double az = settings.AzimuthOffset + state.TargetAzimuth + state.AzimuthCorrection;
    if (!std::isfinite(el) || !std::isfinite(az)) return std::nullopt;
    el = std::clamp(el, 0.0, settings.ElevationRange());
    az = WrapRotorAzimuth(az, range);

    TRotorCommand command;
    if (passFlip) {
        if (settings.FlipOn()) {
            az += 180.0;
            if (az > 360.0) az -= 360.0;
            el = 180.0 - el;
            command.Flipped = true;
        } else if (settings.Extend450On() && passExtend && !state.ManualMove && az < 90.0) {
            // Without an over-the-top range the stop-side pass uses 360..450 instead.
            az += 360.0;
        }
        state.LabelYellow = true;
    }
    command.Azimuth = az;
    command.Elevation = el;
    return command;
}

// Park after the pass. True when the step ends here.
bool ParkCheck(const TRotorSettings& settings, TRotorState& state, double elevation, TRotorDecision& decision) {
    if (!settings.ParkOn() || state.Parked || !(elevation < settings.MinElevation)) return false;
    decision = ParkNow(settings, state);
    state.Parked = true;
    return true;
}

TRotorDecision IntervalStep(const TRotorSettings& settings, TRotorState& state, const TRotorCycleInputs& inputs,
                            const TRotorLook& lead) {
    TRotorDecision decision;
    if (ParkCheck(settings, state, lead.Elevation, decision)) return decision;
    if (lead.Elevation < settings.MinElevation) return std::nullopt;
    state.Parked = false;
    if (lead.Elevation < 0.0 && inputs.NextAos - inputs.Now > kAosLeadDays) return std::nullopt;
    state.TargetAzimuth = lead.Azimuth;
    state.TargetElevation = lead.Elevation;
    state.TargetIsManual = false;
    return SendPosition(settings, state, inputs.ActiveSlot);
}

double AzimuthThreshold(const TRotorSettings& settings, double elevation) {
    if (settings.AzimuthStepRule == "k") return settings.StepDegrees;
    const double limited = std::clamp(elevation, -kThresholdElevationLimit, kThresholdElevationLimit);
    return settings.StepDegrees / std::cos(limited * kDegToRad);
}

TRotorDecision ThresholdStep(const TRotorSettings& settings, TRotorState& state, const TRotorCycleInputs& inputs,
                             const TRotorLook& now) {
    TRotorDecision decision;
    if (ParkCheck(settings, state, now.Elevation, decision)) return decision;
    if (now.Elevation < settings.MinElevation || inputs.AfterLos) return std::nullopt;
    state.Parked = false;
    // After a park or a manual position the whole position is sent again, not
    // only the axis that passed its threshold.
    if (state.StepCounter <= 0 || state.TargetIsManual) {
        state.TargetAzimuth = now.Azimuth;
        state.TargetElevation = now.Elevation;
        state.TargetIsManual = false;
        state.LastMoveAzimuth = now.Azimuth;
        state.LastMoveElevation = now.Elevation;
        state.StepCounter = 1;
        return SendPosition(settings, state, inputs.ActiveSlot);
    }
    bool due = false;
    const double step = settings.StepDegrees;
    const double dEl = now.Elevation - state.LastMoveElevation;
    if (std::fabs(dEl) > step) {
        state.TargetElevation = now.Elevation + (dEl >= 0.0 ? 1.0 : -1.0) * step / 2.0;
        state.LastMoveElevation = now.Elevation;
        due = true;
    }
    const double dAz = now.Azimuth - state.LastMoveAzimuth;
    const double threshold = AzimuthThreshold(settings, now.Elevation);
    if (std::fabs(dAz) > threshold) {
        double sign = dAz >= 0.0 ? 1.0 : -1.0;
        if (dAz > 180.0 || dAz < -180.0) sign = -sign;  // crossed north
        state.TargetAzimuth = now.Azimuth + sign * threshold / 2.0;
        state.LastMoveAzimuth = now.Azimuth;
        due = true;
    }
    if (!due) return std::nullopt;
    return SendPosition(settings, state, inputs.ActiveSlot);
}
}  // namespace

bool PassFlipOf(const TRotorState& state, int slot) {
    return ValidSlot(slot) && state.PassFlip[static_cast<std::size_t>(slot)];
}

bool PassExtendOf(const TRotorState& state, int slot) {
    return ValidSlot(slot) && state.PassExtend[static_cast<std::size_t>(slot)];
}

void SetPassRotation(TRotorState& state, int slot, bool flip, bool extend) {
    if (!ValidSlot(slot)) return;
    state.PassFlip[static_cast<std::size_t>(slot)] = flip;
    state.PassExtend[static_cast<std::size_t>(slot)] = extend;
}

double WrapRotorAzimuth(double azimuth, double range) {
    if (azimuth >= 0.0 && azimuth <= range) return azimuth;
    double wrapped = std::fmod(azimuth, range);
    if (wrapped < 0.0) wrapped += range;
    return wrapped + 0.0;  // never -0
}

TRotorDecision SendPosition(const TRotorSettings& settings, TRotorState& state, int activeSlot) {
    if (state.TargetIsManual) return Transform(settings, state, false, false);
    return Transform(settings, state, PassFlipOf(state, activeSlot), PassExtendOf(state, activeSlot));
}

TRotorDecision SendManualTarget(const TRotorSettings& settings, TRotorState& state, double azimuth, double elevation) {
    state.TargetAzimuth = azimuth;
    state.TargetElevation = elevation;
    state.TargetIsManual = true;
    return Transform(settings, state, false, false);
}

TRotorDecision ParkNow(const TRotorSettings& settings, TRotorState& state) {
    return SendManualTarget(settings, state, settings.ParkAzimuth, settings.ParkElevation);
}

TRotorDecision RotorCycle(const TRotorSettings& settings, TRotorState& state, const TRotorCycleInputs& inputs) {
    if (settings.ThresholdMode()) {
        if (!state.RotorOn || !inputs.Look) return std::nullopt;
        const std::optional<TRotorLook> now = inputs.Look(inputs.Now);
        if (!Usable(now)) return std::nullopt;
        return ThresholdStep(settings, state, inputs, *now);
    }
    const double interval = settings.IntervalSeconds;
    if (inputs.Now > state.NextStepTime) {
        state.StepCounter = 0;
        state.NextStepTime = inputs.Now + interval / kSecondsPerDay;
    }
    ++state.StepCounter;
    TRotorDecision decision;
    if (state.StepCounter == 1 && state.RotorOn && inputs.Look) {
        const std::optional<TRotorLook> lead = inputs.Look(inputs.Now + interval / 2.0 / kSecondsPerDay);
        if (Usable(lead)) decision = IntervalStep(settings, state, inputs, *lead);
    }
    if (state.StepCounter > interval) state.StepCounter = 0;
    return decision;
}

bool RotorOnOff(TRotorState& state) {
    state.RotorOn = !state.RotorOn;
    if (state.RotorOn) state.StepCounter = 0;
    return state.RotorOn;
}

void ResetForSatellite(TRotorState& state) {
    state.StepCounter = 0;
    state.Parked = true;
    state.LabelYellow = false;
}

}  // namespace kelvora
