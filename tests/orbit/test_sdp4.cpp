// SDP4 against the report's test case, the resonance windows and the
// integrator's restart rules.
#include <gtest/gtest.h>

#include <cmath>

#include "OrbitModel.h"

namespace kelvora {
namespace {

constexpr double kKmPerSecond = kEarthRadiusKm / 60.0;

struct RefPoint {
  double t, x, y, z, xd, yd, zd;
};

TEST(Sdp4, ReportTestCase11801) {
  TOrbitModel model(1900);
  model.TwoLineRecord(1) = {"1 11801U          80230.29629788  .01431103  00000-0  14311-1",
                            "2 11801  46.7916 230.4354 7318036  47.4722  10.4117  2.28537848"};
  model.ConvertTwoLine(1);
  ASSERT_EQ(model.Model().DeepSpace, 1);
  const RefPoint ref[] = {
      {0, 7473.37066650, 428.95261765, 5828.74786377, 5.10715413, 6.44468284, -0.18613096},
      {360, -3305.22537232, 32410.86328125, -24697.17675781, -1.30113538, -1.15131518, -0.28333528},
      {720, 14271.28759766, 24110.46411133, -4725.76837158, -0.32050445, 2.67984074, -2.08405289},
      {1080, -9990.05883789, 22717.35522461, -23616.89062501, -1.01667246, -2.29026759, 0.72892364},
      {1440, 9787.86975097, 33753.34667969, -15030.81176758, -1.09425066, 0.92358845, -1.52230928},
  };
  for (const auto& p : ref) {
    const TStateVector sv = model.PropagateMinutes(p.t);
    ASSERT_TRUE(sv.Valid);
    const double dx = sv.Position.x * kEarthRadiusKm - p.x;
    const double dy = sv.Position.y * kEarthRadiusKm - p.y;
    const double dz = sv.Position.z * kEarthRadiusKm - p.z;
    EXPECT_LT(std::sqrt(dx * dx + dy * dy + dz * dz), 0.05) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.x * kKmPerSecond, p.xd, 1e-5) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.y * kKmPerSecond, p.yd, 1e-5) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.z * kKmPerSecond, p.zd, 1e-5) << "t=" << p.t;
  }
}

}  // namespace
}  // namespace kelvora
