#include "TrackingCycle.h"

#include <cmath>

namespace kelvora {

bool TrackingCycle::StartTracking(int catalogSetCount) {
    state_.SizeForCatalog(catalogSetCount);
    state_.ActivePreviousElevation = -1;
    hooks_.DeriveRotorInterval();
    state_.CurrentSet = state_.ActiveSet;
    hooks_.SatelliteChanged();
    state_.AfterLos = '-';
    state_.ResetWarmUp();
    hooks_.ClearCatHoldState();
    hooks_.EnableLetters();
    return state_.TimeMode == TTimeMode::RealTime;
}

TDateTimeTexts TrackingCycle::Tick(double localComputerTime) {
    time_.SetShownTime(localComputerTime - time_.ClockCorrection);
    const TDateTimeTexts texts = FormatShownTime(time_.ShownTime, time_.TimeScaleLetter);
    if (state_.WarmUp1) state_.WarmUp2 = true;
    state_.WarmUp1 = true;
    Run();
    return texts;
}

void TrackingCycle::Run() {
    mapRedrawnThisCycle_ = false;
    const int count = static_cast<int>(std::min<size_t>(state_.SelectedSets.size(), LetterCount));
    for (int k = 0; k < count; ++k) ComputeSatellite(k, state_.SelectedSets[static_cast<size_t>(k)]);
    for (int k = count; k < LetterCount; ++k) {
        state_.LetterColour[static_cast<size_t>(k)] = TLetterColour::Silver;
        state_.LetterRepaintMark[static_cast<size_t>(k)] = 0;
    }

    if (mapRedrawnThisCycle_) {
        if (state_.SunOn) hooks_.DrawSunOverlay();
        hooks_.DrawOtherSatellites();
    }
    for (int k = 0; k < LetterCount; ++k)
        if (state_.LetterRepaintMark[static_cast<size_t>(k)] == 0)
            hooks_.PaintLetter(k, state_.LetterColour[static_cast<size_t>(k)]);
    state_.ForceLetterColours = false;

    hooks_.RotorCycle();

    if (state_.AutoChange) {
        state_.CurrentSet = state_.ActiveSet;
        if (!state_.AutoCandidates.empty()) AutomaticSatelliteChange();
        if (state_.SatChanged) hooks_.AdoptNewActiveSatellite();
    }
}

void TrackingCycle::AutomaticSatelliteChange() {
    state_.SatChanged = false;
    const int active = state_.ActiveSet;
    auto elevationOf = [this](int set) {
        return set > 0 && static_cast<size_t>(set) < state_.LastElevation.size()
                   ? state_.LastElevation[static_cast<size_t>(set)] : -96.0;
    };
    auto choose = [this](int set) {
        state_.CurrentSet = set;
        state_.SatChanged = true;
        state_.ResetWarmUp();
        hooks_.Beep();
    };
    for (int set : state_.AutoCandidates) {
        if (elevationOf(set) <= 0) continue;
        if (set != active) choose(set);
        return;
    }
    const double soon = time_.DayCount + 1.0 / 96.0;
    for (int set : state_.AutoCandidates) {
        if (elevationOf(set) <= state_.MinElevation) continue;
        if (set == active) return;
        const double nextAos = static_cast<size_t>(set) < state_.NextAos.size() ? state_.NextAos[static_cast<size_t>(set)] : 0.0;
        if (nextAos < soon) {
            choose(set);
            return;
        }
    }
}

void TrackingCycle::ComputeSatellite(int letter, int set) {
    const auto k = static_cast<size_t>(letter);
    state_.CurrentSet = set;
    hooks_.SelectSatellite(set);
    const bool known = set > 0 && static_cast<size_t>(set) < state_.LastElevation.size();
    const int before = known && state_.LastElevation[static_cast<size_t>(set)] > 0 ? 1 : -1;
    state_.LetterColour[k] = TLetterColour::Silver;
    int now = -1;
    double elevation = hooks_.PropagateAndLook(time_.JulianDate, time_.DayCount);
    const bool computable = hooks_.Computable();
    if (!computable) elevation = NotComputableElevation;
    if (elevation > 0) {
        state_.LetterColour[k] = TLetterColour::White;
        now = 1;
    }
    // 0 exactly when the satellite rose or set in this cycle.
    state_.LetterRepaintMark[k] = state_.ForceLetterColours ? 0 : before + now;
    if (known) state_.LastElevation[static_cast<size_t>(set)] = elevation;
    if (set == state_.ActiveSet) {
        state_.ActiveComputable = computable;
        ActiveSatelliteWork(elevation);
    }
}

void TrackingCycle::ActiveSatelliteWork(double elevation) {
    if (state_.ActivePreviousElevation > 0 && elevation < 0) state_.AfterLos = '+';
    if (state_.ActivePreviousElevation < state_.MinElevation) state_.AfterLos = '-';
    state_.ActivePreviousElevation = elevation;

    hooks_.SubSatellitePoint();
    state_.MapRedrawCounter += 1;
    mapRedrawnThisCycle_ = state_.MapRedrawCounter == 1;
    if (mapRedrawnThisCycle_) {
        hooks_.MapPointAndComposeMap();
        if (state_.SunOn) hooks_.ComputeSunNow();
    }
    if (state_.SunOn) hooks_.ShowIllumination();
    if (state_.MapRedrawCounter > state_.MapInterval) state_.MapRedrawCounter = 0;

    // A satellite that cannot be computed has no range rate to tune or publish.
    if (state_.ActiveComputable) hooks_.UpdateDoppler();
    hooks_.ComputeSquint();
    hooks_.ShowDataLine();
    if (mapRedrawnThisCycle_ && state_.ArrowsOn) hooks_.DrawDirectionArrow();

    if (!hooks_.HasFrequencyEntry()) return;
    if (!state_.WarmUp2 || !state_.ActiveComputable) {
        hooks_.BlankDopplerText();
        return;
    }
    hooks_.BuildDopplerText();
    hooks_.SetDataServerItem();
    if (std::fabs(hooks_.RangeRate()) > 0.001) hooks_.DrawDopplerText();
    if (hooks_.DownlinkShift() != 0.0 && state_.CatOn) hooks_.CycleUpdate();
}

}  // namespace kelvora
