#include "TrackingCycle.h"

#include <cmath>

namespace kelvora {

bool TrackingCycle::StartTracking(int catalogSetCount) {
    state_.SizeForCatalog(catalogSetCount);
    state_.ActivePreviousElevation = -1;
    parts_.Rotor.DeriveRotorInterval();
    state_.CurrentSet = parts_.Satellite.ActiveSet();
    parts_.Radio.ActiveSatelliteChanged(TSatelliteChange::NewTrackingRun);
    parts_.Rotor.ActiveSatelliteChanged(TSatelliteChange::NewTrackingRun);
    state_.AfterLos = '-';
    state_.ResetWarmUp();
    parts_.Radio.ClearCatHoldState();
    parts_.Satellite.EnableLetters();
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
    const std::vector<int> sets = parts_.Satellite.SelectedSets();
    activeSet_ = parts_.Satellite.ActiveSet();
    const int count = static_cast<int>(std::min<size_t>(sets.size(), LetterCount));
    for (int k = 0; k < count; ++k) ComputeSatellite(k, sets[static_cast<size_t>(k)]);
    for (int k = count; k < LetterCount; ++k) {
        state_.LetterColour[static_cast<size_t>(k)] = TLetterColour::Silver;
        state_.LetterRepaintMark[static_cast<size_t>(k)] = 0;
    }

    if (mapRedrawnThisCycle_) {
        if (state_.SunOn) parts_.Map.DrawSunOverlay();
        parts_.Map.DrawOtherSatellites();
    }
    for (int k = 0; k < LetterCount; ++k)
        if (state_.LetterRepaintMark[static_cast<size_t>(k)] == 0)
            parts_.Satellite.PaintLetter(k, state_.LetterColour[static_cast<size_t>(k)]);
    state_.ForceLetterColours = false;

    parts_.Rotor.RotorCycle();

    if (state_.AutoChange) {
        state_.CurrentSet = activeSet_;
        const std::vector<int>& candidates = parts_.Satellite.AutoCandidates();
        if (!candidates.empty()) AutomaticSatelliteChange(candidates);
        // Adopted once per change: the flag is otherwise cleared only while there are
        // candidates, and an emptied list would adopt (and redraw the map) every tick.
        if (state_.SatChanged) {
            parts_.Satellite.AdoptNewActiveSatellite(state_.CurrentSet);
            state_.SatChanged = false;
        }
    }
}

void TrackingCycle::AutomaticSatelliteChange(const std::vector<int>& candidates) {
    state_.SatChanged = false;
    const int active = activeSet_;
    auto elevationOf = [this](int set) {
        return set > 0 && static_cast<size_t>(set) < state_.LastElevation.size()
                   ? state_.LastElevation[static_cast<size_t>(set)]
                   : -96.0;
    };
    auto choose = [this](int set) {
        state_.CurrentSet = set;
        state_.SatChanged = true;
        state_.ResetWarmUp();
        parts_.Output.Beep();
    };
    for (int set : candidates) {
        if (elevationOf(set) <= 0) continue;
        if (set != active) choose(set);
        return;
    }
    const double soon = time_.DayCount + 1.0 / 96.0;
    for (int set : candidates) {
        if (elevationOf(set) <= state_.MinElevation) continue;
        if (set == active) return;
        const double nextAos =
            static_cast<size_t>(set) < state_.NextAos.size() ? state_.NextAos[static_cast<size_t>(set)] : 0.0;
        if (nextAos < soon) {
            choose(set);
            return;
        }
    }
}

void TrackingCycle::ComputeSatellite(int letter, int set) {
    const auto k = static_cast<size_t>(letter);
    state_.CurrentSet = set;
    parts_.Satellite.SelectSatellite(set);
    const bool known = set > 0 && static_cast<size_t>(set) < state_.LastElevation.size();
    const int before = known && state_.LastElevation[static_cast<size_t>(set)] > 0 ? 1 : -1;
    state_.LetterColour[k] = TLetterColour::Silver;
    int now = -1;
    double elevation = parts_.Satellite.PropagateAndLook(time_.JulianDate, time_.DayCount);
    const bool computable = parts_.Satellite.Computable();
    if (!computable) elevation = NotComputableElevation;
    if (elevation > 0) {
        state_.LetterColour[k] = TLetterColour::White;
        now = 1;
    }
    // 0 exactly when the satellite rose or set in this cycle.
    state_.LetterRepaintMark[k] = state_.ForceLetterColours ? 0 : before + now;
    if (known) state_.LastElevation[static_cast<size_t>(set)] = elevation;
    if (set == activeSet_) {
        state_.ActiveComputable = computable;
        ActiveSatelliteWork(elevation);
    }
}

void TrackingCycle::ActiveSatelliteWork(double elevation) {
    if (state_.ActivePreviousElevation > 0 && elevation < 0) state_.AfterLos = '+';
    if (state_.ActivePreviousElevation < state_.MinElevation) state_.AfterLos = '-';
    state_.ActivePreviousElevation = elevation;

    parts_.Satellite.SubSatellitePoint();
    state_.MapRedrawCounter += 1;
    mapRedrawnThisCycle_ = state_.MapRedrawCounter == 1;
    if (mapRedrawnThisCycle_) {
        parts_.Map.MapPointAndComposeMap();
        if (state_.SunOn) parts_.Map.ComputeSunNow();
    }
    if (state_.SunOn) parts_.Output.ShowIllumination();
    if (state_.MapRedrawCounter > state_.MapInterval) state_.MapRedrawCounter = 0;

    // A satellite that cannot be computed has no range rate to tune or publish.
    if (state_.ActiveComputable) parts_.Radio.UpdateDoppler();
    parts_.Satellite.ComputeSquint();
    parts_.Output.ShowDataLine();
    if (mapRedrawnThisCycle_ && state_.ArrowsOn) parts_.Map.DrawDirectionArrow();

    if (!parts_.Radio.HasFrequencyEntry()) return;
    if (!state_.WarmUp2 || !state_.ActiveComputable) {
        parts_.Output.BlankDopplerText();
        return;
    }
    parts_.Radio.BuildDopplerText();
    parts_.Output.SetDataServerItem();
    if (std::fabs(parts_.Satellite.RangeRate()) > 0.001) parts_.Radio.DrawDopplerText();
    if (parts_.Radio.DownlinkShift() != 0.0 && state_.CatOn) parts_.Radio.CycleUpdate();
}

}  // namespace kelvora
