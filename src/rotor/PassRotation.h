#pragma once
// Whether the next pass of a satellite is flown over the top (or on the
// 360..450 extension) because it would otherwise cross the rotor's end stop.

#include <functional>
#include <optional>

#include "RotorPositioning.h"
#include "RotorSettings.h"

namespace kelvora {

// The pass as the prediction found it.
struct TPassGeometry {
    double AosTime = 0.0;  // day count
    double AosAzimuth = 0.0;  // degrees
    double LosAzimuth = 0.0;
};

// The station in degrees, longitude east (values above 180 are taken as value - 360).
struct TRotorStation {
    double Latitude = 0.0;
    double Longitude = 0.0;
};

// The satellite's sub-satellite point (degrees, longitude east in any range) at a
// day count; nullopt when it cannot be computed. The caller restores the cycle's
// time, satellite and Julian date afterwards.
struct TSubPoint {
    double Latitude = 0.0;
    double Longitude = 0.0;
};
using TSubPointAt = std::function<std::optional<TSubPoint>(double dayCount)>;

// Decides PassFlip and PassExtend of the slot. Only for satellites of at least
// 6.4 revolutions per day and with the flip or the 450-degree option on; the
// flags are cleared first in every case.
void DecidePassRotation(const TRotorSettings& settings, TRotorState& state, int slot, double revsPerDay,
                        const TPassGeometry& pass, const TRotorStation& station, const TSubPointAt& subPointAt);

}  // namespace kelvora
