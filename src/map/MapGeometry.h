#pragma once
// The equirectangular projection of the world map and the footprint outline.
// Longitude -180/180 is the left edge, 0 the centre, north is up.

#include "WindowSize.h"

#include <QPoint>
#include <QPointF>
#include <vector>

namespace kelvora {

// Radius of the spherical earth the footprint is drawn on, km.
inline constexpr double kFootprintEarthRadius = 6378.135;

struct TMapGeometry {
    int W = 600;  // canvas width, always 2 H
    int H = 300;
    double s = 1.666667;  // pixels per degree
    double G = 95.492964;  // pixels per radian
    bool Zoom2 = false;
};

TMapGeometry MapGeometryOf(TSizePreset preset, bool zoom2);

// Canvas position of latitude lat (degrees north) and longitude lon (degrees
// east in [0, 360)), in real pixels.
QPointF MapPoint(const TMapGeometry& g, double lat, double lon);

// The rounded map position, brought onto the canvas.
QPoint MapPixel(const TMapGeometry& g, QPointF point);

// The station's pixel from its configured latitude and east longitude (-180 to
// 360 degrees).
QPoint StationPixel(const TMapGeometry& g, double lat, double lon);

// Earth-central angle from the sub-point to the horizon circle of a point at
// geocentric radius r km, radians.
double FootprintRadius(double r);

// Boundary points of a footprint, one east and one west point per row, rows
// from north to south. Points are on the canvas (wrapped across the edges).
struct TFootprintOutline {
    std::vector<QPoint> East;
    std::vector<QPoint> West;
    bool CoversNorthPole = false;
    bool CoversSouthPole = false;
};

TFootprintOutline FootprintOutline(const TMapGeometry& g, double lat, double lon, double r);

}  // namespace kelvora
