#include "PassRotation.h"

#include <cmath>

namespace kelvora {

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr double kMinRevsPerDay = 6.4;
// Each phase of the meridian search ends after a day of its steps at the latest,
// so a ground track that never moves away cannot hold the tick.
constexpr int kMaxSearchSteps = 1440;

double ToHalfCircle(double longitude) {
    double wrapped = std::fmod(longitude + 180.0, 360.0);
    if (wrapped < 0.0) wrapped += 360.0;
    return wrapped - 180.0;
}

bool Usable(const std::optional<TSubPoint>& point) {
    return point && std::isfinite(point->Latitude) && std::isfinite(point->Longitude);
}

// The search for the moment the satellite passes the station's meridian.
class TMeridianSearch {
public:
    TMeridianSearch(double stationLongitude, const TSubPointAt& subPointAt)
        : stationLongitude_(stationLongitude > 180.0 ? stationLongitude - 360.0 : stationLongitude),
          subPointAt_(subPointAt) {}

    // False when the satellite cannot be computed at the start.
    bool Start(double dayCount) {
        time_ = dayCount;
        return Sample(time_, distance_);
    }

    // Steps by seconds while the distance does not grow; stops on the first
    // sample where it grew (or where it could not be computed: the search then
    // ends where it is). False when the search has ended.
    bool Walk(double seconds) {
        for (int i = 0; i < kMaxSearchSteps; ++i) {
            const double next = time_ + seconds / kSecondsPerDay;
            double d = 0.0;
            if (!Sample(next, d)) return false;
            time_ = next;
            const bool grew = d > distance_;
            distance_ = d;
            if (grew) return true;
        }
        return true;
    }

    void StepBack(double seconds) {
        const double previous = time_ - seconds / kSecondsPerDay;
        double d = 0.0;
        if (Sample(previous, d)) time_ = previous;
    }

    const TSubPoint& Point() const { return point_; }

private:
    bool Sample(double dayCount, double& distance) {
        const std::optional<TSubPoint> point = subPointAt_(dayCount);
        if (!Usable(point)) return false;
        double d = std::fabs(stationLongitude_ - ToHalfCircle(point->Longitude));
        if (d > 180.0) d = 360.0 - d;
        distance = d;
        point_ = *point;
        return true;
    }

    double stationLongitude_;
    const TSubPointAt& subPointAt_;
    double time_ = 0.0;
    double distance_ = 0.0;
    TSubPoint point_;
};
}  // namespace

void DecidePassRotation(const TRotorSettings& settings, TRotorState& state, int slot, double revsPerDay,
                        const TPassGeometry& pass, const TRotorStation& station, const TSubPointAt& subPointAt) {
    SetPassRotation(state, slot, false, false);
    if (!settings.FlipOn() && !settings.Extend450On()) return;
    if (!(revsPerDay >= kMinRevsPerDay) || !subPointAt) return;
    const double a = pass.AosAzimuth;
    const double b = pass.LosAzimuth;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(pass.AosTime)) return;
    if ((a < 180.0 && b < 180.0) || (a > 180.0 && b > 180.0)) return;  // stays on one side

    TMeridianSearch search(station.Longitude, subPointAt);
    if (!search.Start(pass.AosTime)) return;
    if (search.Walk(60.0) && search.Walk(-15.0) && search.Walk(5.0)) search.StepBack(5.0);
    const TSubPoint& at = search.Point();  // where the search ended

    bool flip = false;
    bool extend = false;
    if (settings.EndStop == 'N' && at.Latitude > station.Latitude) {
        flip = true;
        extend = a < 90.0 || b < 90.0;
    } else if (settings.EndStop == 'S' && at.Latitude < station.Latitude) {
        flip = true;
    }
    SetPassRotation(state, slot, flip, extend);
}

}  // namespace kelvora
