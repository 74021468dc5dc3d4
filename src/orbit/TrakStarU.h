#pragma once

// Pass prediction: from the cycle's cursor, step the propagator forward and
// watch the sign of the elevation to find the next rise (AOS) and set (LOS).
//
// Coarse steps of 5 minutes (15 for orbits above 3 earth radii), each
// detected crossing shrinks the step by 0.2, and the third detection ends a
// search: a found AOS or LOS time is the last sample before the crossing, at
// 12-second resolution (36 s for high orbits). The "hh:nn" texts show that
// time plus 30 seconds, i.e. rounded to the minute.
//
// The AOS search gives up one day after the cursor (AOS text "-----", LOS
// text empty). The LOS search is bounded the same way: it gives up one day
// after it starts (for a satellite already up at the cursor: at the AOS
// search's horizon). A satellite that does not set within that day - a
// geostationary one above the horizon - gets LosFound = false, LOS text
// "-----", LOS time and azimuth of the search's last sample, and a last event
// time 30 s after it, so that the tracking cycle predicts again a day later.

#include <functional>
#include <string>

#include "SGP_Obs.h"

namespace kelvora {

class TOrbitModel;

struct TPassInfo {
    int Below = 0;  // prediction made while below the horizon
    int Above = 0;  // ... while at or above it
    double AosTime = 0.0;  // day count
    double AosAzimuth = 0.0;
    double NextAos = 0.0;  // AosTime + 30 s
    double LosTime = 0.0;  // day count
    double LosAzimuth = 0.0;
    double LastEventTime = 0.0;
    bool LosFound = false;
    std::string AosText;
    std::string LosText;
    std::string PassTimeText;
};

// Called at the end of every prediction with the slot; the rotor's pass
// decision plugs in here.
using TPassRotationHook = std::function<void(int slot)>;

inline constexpr double kPassDisplayOffset = 0.5 / 1440.0;  // 30 s, in days

// " " for the narrow layouts 1 and 2, two blanks for 3 to 5.
std::string PassTimeSeparator(int layoutSize);

// Predicts the next pass of slot from cursor (a day count). The caller has
// just propagated that satellite to the cursor, so track holds its elevation
// and azimuth there. Does nothing when the satellite's side of the horizon
// is the one the last prediction was made on (the flags). Afterwards track
// describes the last search sample; the model's working satellite is slot.
void PredictPass(TOrbitModel& model, TObserverSite& site, TTrackState& track, int slot, TPassInfo& pass, double cursor,
                 int layoutSize = 1, const TPassRotationHook& decidePassRotation = {});

}  // namespace kelvora
