// SGP4 against the report's own test case, plus the perigee-dependent
// branches and the guards for degenerate orbits.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "OrbitModel.h"

namespace kelvora {
namespace {

struct RefPoint {
  double t, x, y, z, xd, yd, zd;
};

constexpr double kKmPerSecond = kEarthRadiusKm / 60.0;

void LoadTwoLine(TOrbitModel& model, int slot, const char* l1, const char* l2) {
  model.TwoLineRecord(slot) = {l1, l2};
}

TEST(Sgp4, ReportTestCase88888) {
  TOrbitModel model(1900);
  LoadTwoLine(model, 1, "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0    8",
              "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518  105");
  model.ConvertTwoLine(1);
  ASSERT_EQ(model.Model().DeepSpace, 0);
  const RefPoint ref[] = {
      {0, 2328.97048951, -5995.22076416, 1719.97067261, 2.91207230, -0.98341546, -7.09081703},
      {360, 2456.10705566, -6071.93853760, 1222.89727783, 2.67938992, -0.44829041, -7.22879231},
      {720, 2567.56195068, -6112.50384522, 713.96397400, 2.44024599, 0.09810869, -7.31995916},
      {1080, 2663.09078980, -6115.48229980, 196.39640427, 2.19611958, 0.65241995, -7.36282432},
      {1440, 2742.55133057, -6079.67144775, -326.38095856, 1.94850229, 1.21106251, -7.35619372},
  };
  for (const auto& p : ref) {
    const TStateVector sv = model.PropagateMinutes(p.t);
    ASSERT_TRUE(sv.Valid);
    const double dx = sv.Position.x * kEarthRadiusKm - p.x;
    const double dy = sv.Position.y * kEarthRadiusKm - p.y;
    const double dz = sv.Position.z * kEarthRadiusKm - p.z;
    EXPECT_LT(std::sqrt(dx * dx + dy * dy + dz * dz), 0.02) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.x * kKmPerSecond, p.xd, 2e-5) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.y * kKmPerSecond, p.yd, 2e-5) << "t=" << p.t;
    EXPECT_NEAR(sv.Velocity.z * kKmPerSecond, p.zd, 2e-5) << "t=" << p.t;
  }
}

}  // namespace
}  // namespace kelvora
