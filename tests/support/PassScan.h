#pragma once
// Rise and set instants found by looking once a second: slow, but it shares
// nothing with the pass search whose answers it checks.

#include <vector>

#include "OrbitModel.h"
#include "SGP_Obs.h"
#include "SGP_Time.h"

namespace kelvora::testing {

struct TCrossings {
    std::vector<double> rises, sets;  // day counts of the first second at or above / below 0 deg
};

// The elevation of the set in `slot` at a day count, as the tracking cycle shows it.
inline double ElevationOfSlot(TOrbitModel& model, int slot, TObserverSite& site, double dayCount, TTrackState& track) {
    model.SelectSatellite(slot);
    PropagateAndLook(model, site, track, JulianDateOfDayCount(dayCount), dayCount);
    return track.Elevation;
}

// Every horizon crossing of the set in `slot` between two day counts, one second apart.
inline TCrossings ScanCrossings(TOrbitModel& model, int slot, TObserverSite& site, double from, double to) {
    constexpr double kSecond = 1.0 / 86400.0;
    TTrackState track;
    TCrossings scan;
    double previous = ElevationOfSlot(model, slot, site, from, track);
    for (long k = 1; from + static_cast<double>(k) * kSecond < to; ++k) {
        const double t = from + static_cast<double>(k) * kSecond;
        const double e = ElevationOfSlot(model, slot, site, t, track);
        if (previous < 0.0 && e >= 0.0) scan.rises.push_back(t);
        if (previous >= 0.0 && e < 0.0) scan.sets.push_back(t);
        previous = e;
    }
    return scan;
}

}  // namespace kelvora::testing
