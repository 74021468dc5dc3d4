// The pass rotation decision on made-up ground tracks: a satellite moving east
// at 4 degrees per minute that passes the station's meridian 247 s after AOS.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

#include "PassRotation.h"

namespace kelvora {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kCrossing = 16845.5;  // day count at the meridian
constexpr double kAos = kCrossing - 247 * kSecond;  // between two 60 s samples

enum class TSide { North, South };

// North: north of the station at the crossing, south of it 20 s later.
// South: south at the crossing, north 20 s earlier. A search that misses the
// crossing by 20 s or more decides the other way.
TSubPointAt Track(double stationLat, double stationLon, TSide side, int* calls = nullptr) {
    return [=](double dayCount) -> std::optional<TSubPoint> {
        if (calls) ++*calls;
        const double s = (dayCount - kCrossing) / kSecond;
        const double lat = side == TSide::North ? stationLat + 2 - 0.1 * s : stationLat - 2 - 0.1 * s;
        double lon = std::fmod(stationLon + 4.0 * s / 60.0 + 720.0, 360.0);  // east, 0..360
        return TSubPoint{lat, lon};
    };
}

struct TRotationCase {
    const char* what;
    char flip, extend450, endStop;
    double revsPerDay, aosAz, losAz;
    double stationLon;
    TSide side;
    bool passFlip, passExtend;
};

void PrintTo(const TRotationCase& c, std::ostream* os) { *os << c.what; }

class PassRotation : public ::testing::TestWithParam<TRotationCase> {};

TEST_P(PassRotation, DecidesTheFlagsOfTheSlot) {
    const TRotationCase c = GetParam();
    TRotorSettings settings;
    settings.FlipOption = c.flip;
    settings.Extend450Option = c.extend450;
    settings.EndStop = c.endStop;
    TRotorState state;
    SetPassRotation(state, 5, true, true);  // the last pass's flags never stay
    const TRotorStation station{50, c.stationLon};
    DecidePassRotation(settings, state, 5, c.revsPerDay, {kAos, c.aosAz, c.losAz}, station,
                       Track(station.Latitude, c.stationLon, c.side));
    EXPECT_EQ(PassFlipOf(state, 5), c.passFlip) << c.what;
    EXPECT_EQ(PassExtendOf(state, 5), c.passExtend) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PassRotation,
    ::testing::Values(
        TRotationCase{"N stop, north, LOS below 90", '+', '-', 'N', 15.5, 300, 60, 10, TSide::North, true, true},
        TRotationCase{"N stop, north, AOS below 90", '+', '-', 'N', 15.5, 60, 300, 10, TSide::North, true, true},
        TRotationCase{"N stop, north, no end below 90", '+', '-', 'N', 15.5, 300, 170, 10, TSide::North, true, false},
        TRotationCase{"N stop, south", '+', '-', 'N', 15.5, 300, 60, 10, TSide::South, false, false},
        TRotationCase{"S stop, south", '+', '-', 'S', 15.5, 120, 250, 10, TSide::South, true, false},
        TRotationCase{"S stop, north", '+', '-', 'S', 15.5, 120, 250, 10, TSide::North, false, false},
        TRotationCase{"one side, east", '+', '-', 'N', 15.5, 100, 150, 10, TSide::North, false, false},
        TRotationCase{"one side, west", '+', '-', 'N', 15.5, 200, 300, 10, TSide::North, false, false},
        TRotationCase{"no option on", '-', '-', 'N', 15.5, 300, 60, 10, TSide::North, false, false},
        TRotationCase{"450 option alone", '-', '+', 'N', 15.5, 300, 60, 10, TSide::North, true, true},
        TRotationCase{"slow satellite", '+', '-', 'N', 6.3, 300, 60, 10, TSide::North, false, false},
        TRotationCase{"6.4 revs per day", '+', '-', 'N', 6.4, 300, 60, 10, TSide::North, true, true},
        TRotationCase{"station at 350 east", '+', '-', 'N', 15.5, 300, 60, 350, TSide::North, true, true},
        TRotationCase{"station west, south", '+', '-', 'N', 15.5, 300, 60, 350, TSide::South, false, false},
        TRotationCase{"meridian near 180", '+', '-', 'N', 15.5, 300, 60, 179.5, TSide::North, true, true},
        TRotationCase{"near 180, south", '+', '-', 'N', 15.5, 300, 60, 179.5, TSide::South, false, false}));

TEST(PassRotation, NoSubPointAtAosDecidesNothing) {
    TRotorSettings settings;
    settings.FlipOption = '+';
    TRotorState state;
    SetPassRotation(state, 5, true, true);
    DecidePassRotation(settings, state, 5, 15.5, {kAos, 300, 60}, {50, 10},
                       [](double) { return std::optional<TSubPoint>(); });
    EXPECT_FALSE(PassFlipOf(state, 5));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    DecidePassRotation(settings, state, 5, 15.5, {kAos, 300, 60}, {50, 10}, [=](double) {
        return std::optional<TSubPoint>(TSubPoint{60, nan});
    });
    EXPECT_FALSE(PassFlipOf(state, 5));
}

TEST(PassRotation, AnErrorEndsTheSearchWhereItIs) {
    TRotorSettings settings;
    settings.FlipOption = '+';
    TRotorState state;
    // South of the station at the crossing but far north early in the pass; the
    // third sample fails, so the decision is made at the second one.
    int calls = 0;
    const TSubPointAt track = Track(50, 10, TSide::South);
    DecidePassRotation(settings, state, 5, 15.5, {kAos, 300, 60}, {50, 10},
                       [&](double dayCount) -> std::optional<TSubPoint> {
                           if (++calls > 2) return std::nullopt;
                           return track(dayCount);
                       });
    // Ended at AOS + 60 s, 187 s before the crossing: still north of the station.
    EXPECT_TRUE(PassFlipOf(state, 5));
}

TEST(PassRotation, AGroundTrackThatNeverMovesAwayEnds) {
    TRotorSettings settings;
    settings.FlipOption = '+';
    TRotorState state;
    int calls = 0;
    DecidePassRotation(settings, state, 5, 15.5, {kAos, 300, 60}, {50, 10}, [&](double) -> std::optional<TSubPoint> {
        ++calls;
        return TSubPoint{70, 100};
    });
    EXPECT_LT(calls, 10000);
    EXPECT_TRUE(PassFlipOf(state, 5));
}

}  // namespace
}  // namespace kelvora
