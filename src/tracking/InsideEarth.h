#pragma once
// Elements far from their epoch can put a low satellite inside the earth; such a
// position is no satellite to show, tune or point at.

#include "SGP_Math.h"

namespace kelvora {

// True when an earth-centred position in km lies inside the WGS-72 ellipsoid
// (height below 0 km). A handful of multiplications, cheap enough for every tick.
inline bool InsideEarth(const TVector4& positionKm) {
    constexpr double kEquator2 = 6378.135 * 6378.135;
    constexpr double kPole2 = kEquator2 * (1.0 - 0.006694317778266721971);
    const double x = positionKm.x, y = positionKm.y, z = positionKm.z;
    return (x * x + y * y) / kEquator2 + z * z / kPole2 < 1.0;
}

}  // namespace kelvora
