#include "FootprintRegion.h"

#include "SGP_Math.h"

#include <cmath>

namespace kelvora {

namespace {

// Columns [from, to] (may reach beyond the canvas on either side) as spans on it.
void AddWrapped(std::vector<TRowSpan>& spans, const TMapGeometry& g, int row, int from, int to) {
    if (to - from + 1 >= g.W) {
        spans.push_back({row, 0, g.W - 1});
        return;
    }
    const int length = to - from;
    from %= g.W;
    if (from < 0) from += g.W;
    to = from + length;
    if (to < g.W) {
        spans.push_back({row, from, to});
    } else {
        spans.push_back({row, 0, to - g.W});
        spans.push_back({row, from, g.W - 1});
    }
}

}  // namespace

std::vector<TRowSpan> FootprintRegion(const TMapGeometry& g, double lat, double lon, double r) {
    std::vector<TRowSpan> spans;
    const double lambda0 = FootprintRadius(r);
    if (lambda0 <= 0.0) return spans;
    const double thetaC = kTrackPiHalf - lat * kTrackDegToRad;
    const double cosL0 = std::cos(lambda0);
    const double cosC = std::cos(thetaC);
    const double sinC = std::sin(thetaC);
    const double xc = MapPoint(g, lat, lon).x();

    spans.reserve(2 * g.H);
    for (int y = 0; y < g.H; ++y) {
        const double t = y / g.G;
        if (std::abs(t - thetaC) > lambda0) continue;  // outside the footprint's band of rows
        // Inside when cos c = cos(thetaC) cos t + sin(thetaC) sin t cos(dLon) >= cos(lambda0).
        const double a = sinC * std::sin(t);
        const double b = cosL0 - cosC * std::cos(t);
        if (a < 1e-12) {
            if (b <= 0.0) spans.push_back({y, 0, g.W - 1});
            continue;
        }
        const double u = b / a;
        if (u > 1.0) continue;
        if (u <= -1.0) {
            spans.push_back({y, 0, g.W - 1});
            continue;
        }
        const double half = std::acos(u) * g.G;
        const int from = static_cast<int>(std::ceil(xc - half));
        const int to = static_cast<int>(std::floor(xc + half));
        if (from <= to) AddWrapped(spans, g, y, from, to);
    }
    return spans;
}

}  // namespace kelvora
