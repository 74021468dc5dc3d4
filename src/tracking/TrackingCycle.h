#pragma once
// The heartbeat: one tick of the main timer turns the clock into the time scales and
// computes every selected satellite; the costly work is done for the active one only.

#include "TimeScales.h"
#include "Parts.h"
#include "TrackingState.h"

#include <vector>

namespace kelvora {

class TrackingCycle {
public:
    TrackingCycle(TTrackingState& state, TTimeScales& time, TParts parts) : state_(state), time_(time), parts_(parts) {}

    // Starting a tracking run; returns true when the main timer is to run.
    bool StartTracking(int catalogSetCount);

    // One main-timer tick at the given local computer time (days since 1899-12-30):
    // time scales, warm-up flags, then the cycle. Returns the texts to draw.
    TDateTimeTexts Tick(double localComputerTime);

    // The cycle proper for the time scales already set.
    void Run();

    // Priority change: the first candidate above the horizon wins; failing that, one
    // above the minimum elevation that rises within 15 minutes. The choice is left
    // in CurrentSet, SatChanged tells whether it differs from the active set.
    void AutomaticSatelliteChange(const std::vector<int>& candidates);

private:
    void ComputeSatellite(int letter, int set);
    void ActiveSatelliteWork(double elevation);

    TTrackingState& state_;
    TTimeScales& time_;
    TParts parts_;
    // The map was recomposed in this cycle: its arrow, overlays and view follow. Kept
    // apart from MapRedrawCounter, which an interval of 0 or less resets at once.
    bool mapRedrawnThisCycle_ = false;
    int activeSet_ = 0;  // the active satellite of this cycle, asked of the satellite part
};

}  // namespace kelvora
