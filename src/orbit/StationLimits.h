#pragma once

// The values a station can have. The start-up refuses a station file outside these
// ranges and the command-line tool refuses such a --station, so that nothing is ever
// computed (and shown as if real) for a place that cannot exist.

#include <cmath>

namespace kelvora {

constexpr double kMaxStationLatitude = 90.0;  // degrees, north positive
constexpr double kMinStationLongitude = -180.0;  // degrees east; above 180 means value - 360
constexpr double kMaxStationLongitude = 360.0;
constexpr double kMinStationHeightMetres = -500.0;  // the Dead Sea shore is about -430 m
constexpr double kMaxStationHeightMetres = 10000.0;
constexpr double kMaxZoneHours = 14.0;  // local clock minus UTC, either way

inline bool InRange(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

inline bool IsStationLatitude(double degrees) { return InRange(degrees, -kMaxStationLatitude, kMaxStationLatitude); }
inline bool IsStationLongitude(double degrees) { return InRange(degrees, kMinStationLongitude, kMaxStationLongitude); }
inline bool IsStationHeight(double metres) { return InRange(metres, kMinStationHeightMetres, kMaxStationHeightMetres); }
inline bool IsZoneHours(double hours) { return InRange(hours, -kMaxZoneHours, kMaxZoneHours); }

}  // namespace kelvora
