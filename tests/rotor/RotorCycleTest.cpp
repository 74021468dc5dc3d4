// Interval and threshold following, park after the pass, the minimum elevation
// and the second instance, driven with fixed look angles.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

#include "RotorPositioning.h"
#include "RotorTestSupport.h"

namespace kelvora {
namespace {

using rotortest::Inputs;
using rotortest::kDay0;
using rotortest::kSecond;
using rotortest::TFixedLook;

TRotorSettings IntervalSettings(double seconds) {
    TRotorSettings settings;
    settings.RotorMode = 'i';
    settings.IntervalSeconds = seconds;
    return settings;
}

TRotorSettings ThresholdSettings(double step, const char* rule) {
    TRotorSettings settings;
    settings.RotorMode = 'w';
    settings.StepDegrees = step;
    settings.AzimuthStepRule = rule;
    return settings;
}

TRotorState On() {
    TRotorState state;
    state.RotorOn = true;
    return state;
}

// Interval 10 s: the position sent is the one 5 s ahead, and the moves follow
// every 10 to 11 cycles of one second (the counter and the clock both restart it).
TEST(RotorInterval, MovesOncePerIntervalAimedHalfAnIntervalAhead) {
    const TRotorSettings settings = IntervalSettings(10);
    TRotorState state = On();
    TFixedLook look{{100, 30}, {}};
    std::vector<int> moves;
    for (int cycle = 0; cycle < 100; ++cycle) {
        const double now = kDay0 + cycle * kSecond;
        const std::size_t askedBefore = look.Asked.size();
        const TRotorDecision decision = RotorCycle(settings, state, Inputs(now, look.Fn()));
        if (look.Asked.size() > askedBefore) {
            EXPECT_NEAR((look.Asked.back() - now) / kSecond, 5.0, 1e-3) << "cycle " << cycle;
        }
        if (decision) moves.push_back(cycle);
    }
    ASSERT_GE(moves.size(), 9u);
    EXPECT_EQ(moves.front(), 0);
    for (std::size_t i = 1; i < moves.size(); ++i) {
        const int gap = moves[i] - moves[i - 1];
        EXPECT_TRUE(gap == 10 || gap == 11) << "gap " << gap << " before cycle " << moves[i];
    }
    EXPECT_EQ(look.Asked.size(), moves.size());  // the satellite is computed only for a move
}

TEST(RotorInterval, SwitchedOffComputesNothingAndSwitchingOnMovesInTheNextCycle) {
    const TRotorSettings settings = IntervalSettings(10);
    TRotorState state;
    TFixedLook look{{100, 30}, {}};
    EXPECT_FALSE(RotorCycle(settings, state, Inputs(kDay0, look.Fn())));
    EXPECT_FALSE(RotorCycle(settings, state, Inputs(kDay0 + 3 * kSecond, look.Fn())));
    EXPECT_TRUE(look.Asked.empty());
    EXPECT_TRUE(RotorOnOff(state));
    EXPECT_TRUE(RotorCycle(settings, state, Inputs(kDay0 + 4 * kSecond, look.Fn())));
}

// Below the horizon the interval mode moves only when the rise is at most
// 15 minutes away, and never below the minimum elevation.
struct TBeforeAosCase {
    double elevation;
    double minutesToAos;
    bool moves;
};

class RotorIntervalBeforeAos : public ::testing::TestWithParam<TBeforeAosCase> {};

TEST_P(RotorIntervalBeforeAos, FollowsOnlyWhenTheRiseIsNear) {
    const TBeforeAosCase c = GetParam();
    TRotorSettings settings = IntervalSettings(10);
    settings.MinElevation = -5;
    TRotorState state = On();
    TFixedLook look{{250, c.elevation}, {}};
    TRotorCycleInputs inputs = Inputs(kDay0, look.Fn());
    inputs.NextAos = kDay0 + c.minutesToAos / 1440.0;
    const TRotorDecision decision = RotorCycle(settings, state, inputs);
    EXPECT_EQ(decision.has_value(), c.moves);
    if (decision) {
        EXPECT_DOUBLE_EQ(decision->Azimuth, 250);
        EXPECT_DOUBLE_EQ(decision->Elevation, std::max(c.elevation, 0.0));  // never below 0
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RotorIntervalBeforeAos,
                         ::testing::Values(TBeforeAosCase{-3, 10, true},  // first move before AOS
                                           TBeforeAosCase{-3, 20, false},  // rise too far away
                                           TBeforeAosCase{-6, 10, false},  // below MinElevation
                                           TBeforeAosCase{12, 20, true},  // up: AOS is not asked
                                           TBeforeAosCase{-3, -1, true}));  // NextAos already past

// Two threshold cycles: the first move at (az0, el0), then the satellite at (az1, el1).
struct TThresholdCase {
    const char* rule;
    double az0, el0, az1, el1;
    bool moves;
    double azimuth, elevation;  // sent in the second cycle
};

void PrintTo(const TThresholdCase& c, std::ostream* os) {
    *os << c.rule << " " << c.az0 << "/" << c.el0 << " -> " << c.az1 << "/" << c.el1;
}

class RotorThreshold : public ::testing::TestWithParam<TThresholdCase> {};

TEST_P(RotorThreshold, SecondCycleFollowsTheThresholdRule) {
    const TThresholdCase c = GetParam();
    TRotorSettings settings = ThresholdSettings(5, c.rule);
    settings.MinElevation = -90;
    TRotorState state = On();
    TFixedLook first{{c.az0, c.el0}, {}};
    ASSERT_TRUE(RotorCycle(settings, state, Inputs(kDay0, first.Fn())));
    TFixedLook second{{c.az1, c.el1}, {}};
    const TRotorDecision decision = RotorCycle(settings, state, Inputs(kDay0 + kSecond, second.Fn()));
    ASSERT_EQ(decision.has_value(), c.moves);
    if (!decision) return;
    EXPECT_NEAR(decision->Azimuth, c.azimuth, 1e-6);
    EXPECT_NEAR(decision->Elevation, c.elevation, 1e-6);
}

// Step 5 degrees. Azimuth threshold 5 with "k", else 5 / cos(min(el, 89)):
// 10 at elevation 60, 286.4934 near the zenith (cos 89 deg = 0.0174524).
INSTANTIATE_TEST_SUITE_P(
    Cases, RotorThreshold,
    ::testing::Values(TThresholdCase{"k", 358, 30, 2, 30, true, 4.5, 30},  // crossed north: +1, 2 + 2.5
                      TThresholdCase{"k", 2, 30, 358, 30, true, 355.5, 30},  // crossed north the other way
                      TThresholdCase{"k", 100, 30, 104, 30, false, 0, 0},  // within the threshold
                      TThresholdCase{"k", 100, 30, 106, 30, true, 108.5, 30},  // half a step ahead
                      TThresholdCase{"k", 100, 30, 94, 30, true, 91.5, 30},  // moving west
                      TThresholdCase{"k", 100, 20, 100, 26, true, 100, 28.5},  // elevation rising
                      TThresholdCase{"k", 100, 20, 100, 14, true, 100, 11.5},  // elevation falling
                      TThresholdCase{"k", 100, 20, 107, 27, true, 109.5, 29.5},  // both axes at once
                      TThresholdCase{"el", 100, 60, 109, 60, false, 0, 0},  // threshold 10 at el 60
                      TThresholdCase{"el", 100, 60, 111, 60, true, 116, 60},
                      TThresholdCase{"el", 10, 89.5, 200, 89.5, false, 0, 0},  // capped at 89: no pole
                      TThresholdCase{"el", 10, 90, 300, 90, true, 300 - 286.4934425 / 2, 90},
                      TThresholdCase{"el", 10, -89.5, 300, -89.5, true, 300 - 286.4934425 / 2, 0}));

TEST(RotorThreshold, NothingBelowMinElevationOrAfterLos) {
    TRotorSettings settings = ThresholdSettings(5, "k");
    settings.MinElevation = -5;
    TRotorState state = On();
    TFixedLook low{{100, -6}, {}};
    EXPECT_FALSE(RotorCycle(settings, state, Inputs(kDay0, low.Fn())));
    // Between MinElevation and 0 after LOS the rotor stops following ...
    TFixedLook setting{{100, -3}, {}};
    TRotorCycleInputs afterLos = Inputs(kDay0, setting.Fn());
    afterLos.AfterLos = true;
    EXPECT_FALSE(RotorCycle(settings, state, afterLos));
    // ... but before AOS it makes its first move there.
    const TRotorDecision first = RotorCycle(settings, state, Inputs(kDay0, setting.Fn()));
    ASSERT_TRUE(first);
    EXPECT_DOUBLE_EQ(first->Azimuth, 100);
    EXPECT_DOUBLE_EQ(first->Elevation, 0);
}

TEST(RotorThreshold, SwitchedOffDoesNotComputeTheSatellite) {
    const TRotorSettings settings = ThresholdSettings(5, "k");
    TRotorState state;
    TFixedLook look{{100, 30}, {}};
    EXPECT_FALSE(RotorCycle(settings, state, Inputs(kDay0, look.Fn())));
    EXPECT_TRUE(look.Asked.empty());
}

// Park after the pass: with the park option the first cycle below MinElevation
// sends the park position (never over the top), later cycles send nothing.
struct TParkCase {
    char mode;
    char parkOption;
};

class RotorPark : public ::testing::TestWithParam<TParkCase> {};

TEST_P(RotorPark, ParksOnceWhenTheSatelliteHasSet) {
    const TParkCase c = GetParam();
    TRotorSettings settings = c.mode == 'w' ? ThresholdSettings(5, "k") : IntervalSettings(4);
    settings.FlipOption = '+';
    settings.ParkOption = c.parkOption;
    settings.ParkAzimuth = 180;
    settings.ParkElevation = 10;
    TRotorState state = On();
    SetPassRotation(state, 1, true, false);
    double now = kDay0;
    auto cycle = [&](double az, double el) {
        TFixedLook look{{az, el}, {}};
        now += 10 * kSecond;  // a new interval every time
        return RotorCycle(settings, state, Inputs(now, look.Fn()));
    };
    const TRotorDecision tracking = cycle(20, 40);
    ASSERT_TRUE(tracking);
    EXPECT_TRUE(tracking->Flipped);
    EXPECT_DOUBLE_EQ(tracking->Azimuth, 200);
    EXPECT_FALSE(state.Parked);
    const TRotorDecision park = cycle(25, -1);
    EXPECT_EQ(park.has_value(), c.parkOption == '+');
    if (park) {
        EXPECT_DOUBLE_EQ(park->Azimuth, 180);
        EXPECT_DOUBLE_EQ(park->Elevation, 10);
        EXPECT_FALSE(park->Flipped);
    }
    EXPECT_FALSE(cycle(26, -2));
}

INSTANTIATE_TEST_SUITE_P(Cases, RotorPark,
                         ::testing::Values(TParkCase{'w', '+'}, TParkCase{'w', '-'}, TParkCase{'i', '+'},
                                           TParkCase{'i', '-'}));

TEST(RotorPark, NextPassInThresholdModeStartsWithTheWholePosition) {
    TRotorSettings settings = ThresholdSettings(5, "k");
    settings.ParkOption = '+';
    settings.ParkAzimuth = 0;
    settings.ParkElevation = 90;
    TRotorState state = On();
    TFixedLook pass1{{100, 20}, {}};
    ASSERT_TRUE(RotorCycle(settings, state, Inputs(kDay0, pass1.Fn())));
    TFixedLook set{{100, -1}, {}};
    ASSERT_TRUE(RotorCycle(settings, state, Inputs(kDay0, set.Fn())));
    // Elevation within the step of the last move: it must not stay at the park's 90.
    TFixedLook pass2{{250, 18}, {}};
    const TRotorDecision next = RotorCycle(settings, state, Inputs(kDay0, pass2.Fn()));
    ASSERT_TRUE(next);
    EXPECT_DOUBLE_EQ(next->Azimuth, 250);
    EXPECT_DOUBLE_EQ(next->Elevation, 18);
}

TEST(RotorCycle, ResetForSatelliteMakesAFirstMoveWithoutParking) {
    TRotorSettings settings = ThresholdSettings(5, "k");
    settings.ParkOption = '+';
    TRotorState state = On();
    TFixedLook up{{100, 20}, {}};
    ASSERT_TRUE(RotorCycle(settings, state, Inputs(kDay0, up.Fn())));
    ResetForSatellite(state);
    TFixedLook other{{300, -10}, {}};  // the new satellite is below: no park
    EXPECT_FALSE(RotorCycle(settings, state, Inputs(kDay0, other.Fn())));
    TFixedLook near{{102, 21}, {}};  // within the step, yet a whole first move
    EXPECT_TRUE(RotorCycle(settings, state, Inputs(kDay0, near.Fn())));
}

TEST(RotorCycle, UnusableLookAnglesSendNothingAndChangeNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const char mode : {'w', 'i'}) {
        TRotorSettings settings = mode == 'w' ? ThresholdSettings(5, "k") : IntervalSettings(10);
        settings.ParkOption = '+';
        TRotorState state = On();
        state.Parked = false;
        TFixedLook bad{{nan, -30}, {}};
        EXPECT_FALSE(RotorCycle(settings, state, Inputs(kDay0, bad.Fn()))) << mode;
        EXPECT_FALSE(state.Parked) << mode;
        TRotorCycleInputs missing = Inputs(kDay0 + 20 * kSecond, [](double) { return std::optional<TRotorLook>(); });
        EXPECT_FALSE(RotorCycle(settings, state, missing)) << mode;
    }
}

TEST(RotorCycle, SecondInstanceSendsNothing) {
    for (const char mode : {'w', 'i'}) {
        TRotorSettings settings = mode == 'w' ? ThresholdSettings(5, "k") : IntervalSettings(10);
        settings.SecondInstance = true;
        settings.ParkOption = '+';
        TRotorState state = On();
        TFixedLook up{{100, 20}, {}};
        EXPECT_FALSE(RotorCycle(settings, state, Inputs(kDay0, up.Fn()))) << mode;
        TFixedLook set{{100, -3}, {}};
        EXPECT_FALSE(RotorCycle(settings, state, Inputs(kDay0 + 20 * kSecond, set.Fn()))) << mode;
        EXPECT_FALSE(ParkNow(settings, state)) << mode;
    }
}

}  // namespace
}  // namespace kelvora
