// The output transform: offsets, corrections, the azimuth range, over the top
// and the 450-degree extension.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

#include "RotorPositioning.h"

namespace kelvora {
namespace {

struct TTransformCase {
    const char* what;
    char flip, extend450;
    int azOffset, elOffset, azCorrection, elCorrection;
    double targetAz, targetEl;
    bool passFlip, passExtend;
    double azimuth, elevation;
    bool flipped;
};

void PrintTo(const TTransformCase& c, std::ostream* os) { *os << c.what; }

class RotorTransform : public ::testing::TestWithParam<TTransformCase> {};

TEST_P(RotorTransform, SendsTheTransformedTarget) {
    const TTransformCase c = GetParam();
    TRotorSettings settings;
    settings.FlipOption = c.flip;
    settings.Extend450Option = c.extend450;
    settings.AzimuthOffset = c.azOffset;
    settings.ElevationOffset = c.elOffset;
    TRotorState state;
    state.AzimuthCorrection = c.azCorrection;
    state.ElevationCorrection = c.elCorrection;
    state.TargetAzimuth = c.targetAz;
    state.TargetElevation = c.targetEl;
    SetPassRotation(state, 7, c.passFlip, c.passExtend);
    const TRotorDecision decision = SendPosition(settings, state, 7);
    ASSERT_TRUE(decision) << c.what;
    EXPECT_DOUBLE_EQ(decision->Azimuth, c.azimuth) << c.what;
    EXPECT_DOUBLE_EQ(decision->Elevation, c.elevation) << c.what;
    EXPECT_EQ(decision->Flipped, c.flipped) << c.what;
    EXPECT_EQ(state.LabelYellow, c.passFlip) << c.what;
}

// Worked by hand from the transform: el' = offset + target + correction (0 ..
// 90, or 180 with the flip option); az' = offset + target + correction wrapped
// into 0 .. 360 (450); over the top az' + 180 (- 360 above 360), el' = 180 - el'.
INSTANTIATE_TEST_SUITE_P(
    Cases, RotorTransform,
    ::testing::Values(
        TTransformCase{"offset past north", '-', '-', 10, 0, 0, 0, 355, 20, false, false, 5, 20, false},
        TTransformCase{"over the top", '+', '-', 0, 0, 0, 0, 30, 70, true, false, 210, 110, true},
        TTransformCase{"over the top past 360", '+', '-', 0, 0, 0, 0, 270, 10, true, false, 90, 170, true},
        TTransformCase{"over the top at 180", '+', '-', 0, 0, 0, 0, 180, 0, true, false, 360, 180, true},
        TTransformCase{"flip option, pass not flipped", '+', '-', 0, 0, 0, 0, 30, 70, false, false, 30, 70, false},
        TTransformCase{"offset before the flip", '+', '-', 0, 3, 0, 0, 30, 70, true, false, 210, 107, true},
        TTransformCase{"450: stop-side pass below 90", '-', '+', 0, 0, 0, 0, 30, 40, true, true, 390, 40, false},
        TTransformCase{"450: stop-side pass above 90", '-', '+', 0, 0, 0, 0, 120, 40, true, true, 120, 40, false},
        TTransformCase{"450: stop side without extension", '-', '+', 0, 0, 0, 0, 30, 40, true, false, 30, 40, false},
        TTransformCase{"450: offset stays above 360", '-', '+', 10, 0, 0, 0, 355, 20, false, false, 365, 20, false},
        TTransformCase{"correction far below 0", '-', '-', 0, 0, -400, 0, 10, 20, false, false, 330, 20, false},
        TTransformCase{"correction far above 360", '-', '-', 0, 0, 725, 0, 0, 20, false, false, 5, 20, false},
        TTransformCase{"360 stays 360", '-', '-', 0, 0, 0, 0, 360, 20, false, false, 360, 20, false},
        TTransformCase{"elevation below 0", '-', '-', 0, -5, 0, 0, 100, 2, false, false, 100, 0, false},
        TTransformCase{"elevation above 90", '-', '-', 0, 0, 0, 5, 100, 88, false, false, 100, 90, false},
        TTransformCase{"elevation above 180", '+', '-', 0, 0, 0, 10, 100, 175, false, false, 100, 180, false}));

TEST(RotorTransform, NonFiniteTargetIsNeverSent) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TRotorSettings settings;
    for (const auto& [az, el] :
         {std::pair{nan, 10.0}, std::pair{10.0, nan}, std::pair{inf, 10.0}, std::pair{10.0, -inf}}) {
        TRotorState state;
        state.TargetAzimuth = az;
        state.TargetElevation = el;
        EXPECT_FALSE(SendPosition(settings, state, 1));
    }
}

TEST(RotorTransform, HugeValuesStayWithinTheRanges) {
    TRotorSettings settings;
    TRotorState state;
    state.TargetAzimuth = 1e300;
    state.TargetElevation = -1e300;
    const TRotorDecision decision = SendPosition(settings, state, 1);
    ASSERT_TRUE(decision);
    EXPECT_GE(decision->Azimuth, 0.0);
    EXPECT_LE(decision->Azimuth, 360.0);
    EXPECT_EQ(decision->Elevation, 0.0);
}

TEST(RotorTransform, BadSlotsHaveNoPassRotation) {
    TRotorState state;
    SetPassRotation(state, 0, true, true);
    SetPassRotation(state, kRotorSlots + 1, true, true);
    SetPassRotation(state, -3, true, true);
    EXPECT_FALSE(PassFlipOf(state, 0));
    EXPECT_FALSE(PassFlipOf(state, kRotorSlots + 1));
    EXPECT_FALSE(PassExtendOf(state, -3));
    SetPassRotation(state, kRotorSlots, true, true);
    EXPECT_TRUE(PassFlipOf(state, kRotorSlots));
}

}  // namespace
}  // namespace kelvora
