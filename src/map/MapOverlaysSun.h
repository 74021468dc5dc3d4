#pragma once
// The sun on the map: the day/night boundary (the horizon circle of a point
// very far above the sub-solar point) in yellow and an "S" on the sub-solar
// point.

#include <QPointF>

namespace kelvora {

struct TOverlayContext;
struct TSunState;

// Geocentric radius, km, whose footprint is the day/night boundary.
inline constexpr double kSunOverlayRadius = 100000000.0;

// The sub-solar point on the map (the sun state's longitude is (-180, 180]).
QPointF SubSolarMapPoint(const TOverlayContext& context, const TSunState& sun);

// Draws the boundary and the "S" from the last sun computation. Reads only
// the sun state and the map; the track state is not touched.
void DrawSunOverlay(TOverlayContext& context, const TSunState& sun);

}  // namespace kelvora
