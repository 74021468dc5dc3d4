#include "TrakStarU.h"

#include <cmath>

#include "CalendarTime.h"
#include "OrbitModel.h"
#include "SGP_Time.h"

namespace kelvora {

namespace {
constexpr double kCoarseStep = 5.0 / 1440.0;
constexpr double kHighOrbitStep = 15.0 / 1440.0;
constexpr double kHighOrbitRadii = 3.0;
constexpr double kStepShrink = 0.2;
constexpr int kDetectionsToFinish = 3;

// One search sample: propagate to cursor and return the elevation.
struct TSampler {
    TOrbitModel& model;
    TObserverSite& site;
    TTrackState& track;

    double At(double cursor) {
        PropagateAndLook(model, site, track, JulianDateOfDayCount(cursor), cursor);
        return track.Elevation;
    }
};

bool IsCrossing(double e, double p) { return (e < 0.0 && p > 0.0) || (e > 0.0 && p < 0.0); }

// Steps the sampler from cursor until the elevation changes sign for the third
// time, shrinking the step at each detection; false when bound is passed first.
// On success cursor is the last sample before the crossing and azimuth is the
// one of the sample after it. The rise search compares the following samples
// with the side before the crossing; the set search with the last sample.
// Also false when a step no longer moves the cursor (a cursor so far out that
// the step is below its precision) or the cursor is not a finite number: the
// same sample would come back for ever.
bool SearchCrossing(TSampler& s, double& cursor, double step, double bound, bool compareWithSideBefore,
                    double& azimuth) {
    double p = s.track.Elevation;
    int detections = 0;
    for (;;) {
        const double kept = cursor;
        cursor += step;
        if (!std::isfinite(cursor) || !(cursor > kept)) {
            cursor = kept;
            return false;
        }
        const double e = s.At(cursor);
        if (!IsCrossing(e, p)) {
            p = e;
            if (cursor > bound) return false;
            continue;
        }
        cursor = kept;
        step *= kStepShrink;
        if (++detections >= kDetectionsToFinish) {
            azimuth = s.track.Azimuth;
            return true;
        }
        if (compareWithSideBefore) p = e >= 0.0 ? -1.0 : 1.0;
    }
}

// AOS search. Returns false when no rise lies within the horizon; otherwise
// cursor is the last sample before the rise.
bool SearchAos(TSampler& s, TPassInfo& pass, double& cursor, double step, double horizon) {
    if (!SearchCrossing(s, cursor, step, horizon, true, pass.AosAzimuth)) return false;
    pass.AosTime = cursor;
    return true;
}

// LOS search from cursor; false when the satellite does not set before bound.
bool SearchLos(TSampler& s, TPassInfo& pass, double& cursor, double step, double bound) {
    if (!SearchCrossing(s, cursor, step, bound, false, pass.LosAzimuth)) return false;
    pass.LosTime = cursor;
    return true;
}

// Step 2 of a prediction: false when this side of the horizon was done already.
bool TakeVisibilityFlag(TPassInfo& pass, double e) {
    if (e < 0.0) {
        if (pass.Below) return false;
        pass.Below = 1;
        pass.Above = 0;
    } else if (e >= 0.0) {
        if (pass.Above) return false;
        pass.Above = 1;
        pass.Below = 0;
    }
    return true;
}
}  // namespace

std::string PassTimeSeparator(int layoutSize) { return layoutSize >= 3 ? "  " : " "; }

void PredictPass(TOrbitModel& model, TObserverSite& site, TTrackState& track, int slot, TPassInfo& pass, double cursor,
                 int layoutSize, const TPassRotationHook& decidePassRotation) {
    const double start = track.Elevation;
    if (!TOrbitModel::IsValidSlot(slot) || !TakeVisibilityFlag(pass, start)) return;
    model.SelectSatellite(slot);

    const double horizon = cursor + 1.0;
    const double step = model.Slot(slot).SemiMajorAxis > kHighOrbitRadii ? kHighOrbitStep : kCoarseStep;
    TSampler sampler{model, site, track};

    bool rose = true;
    if (start > 0.0) {
        pass.AosAzimuth = track.Azimuth;
        pass.AosTime = cursor;
        pass.AosText = "*****";
    } else if (SearchAos(sampler, pass, cursor, step, horizon)) {
        cursor += kPassDisplayOffset;
        pass.NextAos = cursor;
        pass.LastEventTime = cursor;
        pass.AosText = HourMinuteText(cursor);
    } else {
        pass.AosText = "-----";
        pass.LosText.clear();
        pass.LosFound = false;
        rose = false;
    }

    if (rose) {
        const double bound = cursor + 1.0;
        pass.LosFound = SearchLos(sampler, pass, cursor, step, bound);
        if (pass.LosFound) {
            cursor += kPassDisplayOffset;
            pass.LosText = HourMinuteText(cursor);
        } else {
            pass.LosAzimuth = track.Azimuth;
            pass.LosTime = cursor;
            cursor += kPassDisplayOffset;
            pass.LosText = "-----";
        }
        pass.LastEventTime = cursor;
    }
    // Also when no rise was found, so that "-----" replaces the previous pass.
    pass.PassTimeText = pass.AosText + PassTimeSeparator(layoutSize) + pass.LosText;
    if (decidePassRotation) decidePassRotation(slot);
}

}  // namespace kelvora
