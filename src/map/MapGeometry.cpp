#include "MapGeometry.h"

#include "SGP_Math.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

// Longitude east brought into [0, 360); the sun's longitude comes as (-180, 180].
double Norm360(double lon) {
    lon = std::fmod(lon, 360.0);
    return lon < 0.0 ? lon + 360.0 : lon;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

// The angles are taken exactly. Writing them as arctangents with the root kept
// above 0.001 (a guard against dividing by zero) would cap the horizon angle at
// 88.2 degrees, moving the sun's day/night line by 1.8 degrees, and flatten the
// first and last rows of every outline into a 3.6-degree bar.
double ArcCos(double u) { return std::acos(std::clamp(u, -1.0, 1.0)); }

}  // namespace

TMapGeometry MapGeometryOf(TSizePreset preset, bool zoom2) {
    const double factor = MapScaleOf(preset);
    const QSize size = CanvasSizeOf(preset, zoom2);
    TMapGeometry g;
    g.W = size.width();
    g.H = size.height();
    g.s = factor * (zoom2 ? 3.333333 : 1.666667);
    g.G = factor * (zoom2 ? 600.0 : 300.0) / kTrackPi;
    g.Zoom2 = zoom2;
    return g;
}

QPointF MapPoint(const TMapGeometry& g, double lat, double lon) {
    lon = Norm360(lon);
    double x = (lon >= 180.0 ? lon - 180.0 : lon + 180.0) * g.s;
    if (x >= g.W) x -= g.W;
    return {x, (90.0 - lat) * g.s};
}

QPoint MapPixel(const TMapGeometry& g, QPointF point) {
    int x = Round(point.x()) % g.W;
    if (x < 0) x += g.W;
    return {x, std::clamp(Round(point.y()), 0, g.H - 1)};
}

QPoint StationPixel(const TMapGeometry& g, double lat, double lon) {
    double column = lon + 180.0;
    if (column > 360.0) column -= 360.0;
    // A station on the date line (lon 180) would land one column past the
    // right edge; it belongs to the left edge, like every other point there.
    int x = Round(g.W / 360.0 * column) % g.W;
    if (x < 0) x += g.W;
    const int y = Round((90.0 - lat) * g.H / 180.0);
    return {x, std::clamp(y, 0, g.H - 1)};
}

double FootprintRadius(double r) {
    // arcsin(sqrt(r^2 - R^2) / r), the same angle as arccos(R / r).
    if (r <= kFootprintEarthRadius) return 0.0;
    return ArcCos(kFootprintEarthRadius / r);
}

TFootprintOutline FootprintOutline(const TMapGeometry& g, double lat, double lon, double r) {
    TFootprintOutline out;
    const double lambda0 = FootprintRadius(r);
    const double thetaC = kTrackPiHalf - lat * kTrackDegToRad;
    const double rowEnd = thetaC + lambda0;
    out.CoversNorthPole = lambda0 > thetaC;
    out.CoversSouthPole = rowEnd > kTrackPi;
    const double poleMargin = out.CoversNorthPole ? lambda0 - thetaC : 0.0;
    const double start = out.CoversNorthPole ? 0.000694444 : thetaC - lambda0;
    const double southLimit = 2.0 * kTrackPi - rowEnd;
    const double step = kTrackPi / 300.0;
    const double xc = MapPoint(g, lat, lon).x();
    const double cosL0 = std::cos(lambda0);
    const double cosC = std::cos(thetaC);
    const double sinC = std::sin(thetaC);

    out.East.reserve(310);
    out.West.reserve(310);
    for (int k = 0;; ++k) {
        const double t = start + k * step;
        if (t >= rowEnd || (out.CoversSouthPole && t > southLimit)) break;
        if (t < poleMargin) continue;  // the whole row lies inside
        // A sub-point on a pole makes the denominator vanish; keep it finite.
        const double den = std::max(sinC * std::sin(t), 1e-12);
        const double u = (cosL0 - cosC * std::cos(t)) / den;
        const double dx = ArcCos(u) * g.G;
        int xe = Round(xc + dx);
        int xw = Round(xc - dx);
        if (xe > g.W - 1) xe -= g.W;
        if (xw < 0) xw += g.W;
        const int y = Round(t * g.G);
        out.East.emplace_back(xe, y);
        out.West.emplace_back(xw, y);
    }
    return out;
}

}  // namespace kelvora
