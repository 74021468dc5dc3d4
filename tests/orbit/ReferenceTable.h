#pragma once
// Runs a model against a published table of positions and velocities.

#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "OrbitModel.h"

namespace kelvora::testing {

// The model works in earth radii and radii per minute; the tables are in km and km/s.
inline constexpr double kKmPerSecond = kEarthRadiusKm / 60.0;

struct TReferencePoint {
  double t, x, y, z, xd, yd, zd;
};

// Each row: the distance from the table's position (km) stays below positionKm, each
// velocity component (km/s) within velocityKmPerSecond.
inline void ExpectReferenceTable(TOrbitModel& model, std::span<const TReferencePoint> table,
                                 double positionKm, double velocityKmPerSecond) {
  for (const auto& p : table) {
    const TStateVector sv = model.PropagateMinutes(p.t);
    ASSERT_TRUE(sv.Valid) << "t=" << p.t;
    const double dx = sv.Position.x * kEarthRadiusKm - p.x;
    const double dy = sv.Position.y * kEarthRadiusKm - p.y;
    const double dz = sv.Position.z * kEarthRadiusKm - p.z;
    EXPECT_LT(std::sqrt(dx * dx + dy * dy + dz * dz), positionKm) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.x * kKmPerSecond, p.xd, velocityKmPerSecond) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.y * kKmPerSecond, p.yd, velocityKmPerSecond) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.z * kKmPerSecond, p.zd, velocityKmPerSecond) << "t=" << p.t;
  }
}

}  // namespace kelvora::testing
