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

// SGP4 test case 88888 of Spacetrack Report No. 3 (1980 epoch: century base 1900),
// positions and velocities from the report's table at 0 to 1440 minutes
// (single-precision print).
inline constexpr TReferencePoint kReport88888[] = {
    {0, 2328.97048951, -5995.22076416, 1719.97067261, 2.91207230, -0.98341546, -7.09081703},
    {360, 2456.10705566, -6071.93853760, 1222.89727783, 2.67938992, -0.44829041, -7.22879231},
    {720, 2567.56195068, -6112.50384522, 713.96397400, 2.44024599, 0.09810869, -7.31995916},
    {1080, 2663.09078980, -6115.48229980, 196.39640427, 2.19611958, 0.65241995, -7.36282432},
    {1440, 2742.55133057, -6079.67144775, -326.38095856, 1.94850229, 1.21106251, -7.35619372},
};

// Each row: the distance from the table's position (km) stays below positionKm, each
// velocity component (km/s) within velocityKmPerSecond.
inline void ExpectReferenceTable(TOrbitModel& model, std::span<const TReferencePoint> table, double positionKm,
                                 double velocityKmPerSecond) {
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
