// Time scales, sidereal time and the numeric helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "CalendarTime.h"
#include "SGP_Math.h"
#include "SGP_Time.h"

namespace kelvora {
namespace {

struct NumericCase {
    const char* name;
    std::function<double()> value;
    double expected;
    double tolerance;
};

TEST(OrbitHelpers, NumericTable) {
    const NumericCase cases[] = {
        {"Modulus(-30,360)", [] { return Modulus(-30, 360); }, 330, 1e-12},
        {"Modulus(725,360)", [] { return Modulus(725, 360); }, 5, 1e-12},
        {"ReduceAngle(-0.1)", [] { return ReduceAngle(-0.1); }, kTwoPi - 0.1, 1e-12},
        {"QuadrantArcTan(-1,1)", [] { return QuadrantArcTan(-1, 1); }, -kPi / 4, 1e-12},
        {"QuadrantArcTan(0,-1)", [] { return QuadrantArcTan(0, -1); }, kPi, 1e-12},
        {"QuadrantArcTan(-1,0)", [] { return QuadrantArcTan(-1, 0); }, kThreePiHalf, 1e-12},
        {"QuadrantArcTan(1,0)", [] { return QuadrantArcTan(1, 0); }, kPiHalf, 1e-12},
        {"QuadrantArcTan(0,0)", [] { return QuadrantArcTan(0, 0); }, kThreePiHalf, 1e-12},
        {"ArcSin(1.0000001)", [] { return ArcSin(1.0000001); }, kPiHalf, 1e-15},
        {"ArcSin(-1)", [] { return ArcSin(-1); }, -kPiHalf, 1e-15},
        {"ArcSin(0.5)", [] { return ArcSin(0.5); }, kPi / 6, 1e-12},
        {"Sign(-0.0)", [] { return Sign(-0.0); }, 0, 0},
        {"Sign(-3)", [] { return Sign(-3); }, -1, 0},
        {"Power(8,1/3)", [] { return Power(8, 1.0 / 3.0); }, 2, 1e-12},
        {"JulianDateOfEpoch(22001.0)", [] { return JulianDateOfEpoch(22001.0, 2000); }, 2459580.5, 1e-9},
        {"JulianDateOfEpoch(99001.0) is 2099", [] { return JulianDateOfEpoch(99001.0, 2000); }, 2487704.5, 1e-9},
        {"JulianDateOfEpoch(80275.98708465) base 1900", [] { return JulianDateOfEpoch(80275.98708465, 1900); },
         2444514.48708465, 1e-7},
        // 280.46061837 deg: Meeus, Astronomical Algorithms, eq. 12.4 at J2000.0.
        {"SiderealTimeOfJD(2451545.0)", [] { return SiderealTimeOfJD(2451545.0); }, 4.8949612, 1e-6},
        {"DayCountOfDate(01011978)", [] { return DayCountOfDate("01011978"); }, 0, 0},
        {"DayCountOfDate(01012000)", [] { return DayCountOfDate("01012000"); }, 8035, 0},
        {"DayCountOfDate(29022024)", [] { return DayCountOfDate("29022024"); }, 16860, 0},
        {"EpochDayCount(22123.5)", [] { return EpochDayCount(22123.5); }, 16193.5, 1e-9},
        {"EpochDayCount(00001.0)", [] { return EpochDayCount(1.0); }, 8035, 1e-9},
        {"EpochDayCount(24060.0)", [] { return EpochDayCount(24060.0); }, 16860, 1e-9},
        {"RealField blanks", [] { return RealField("12345     ", 6, 5); }, 0, 0},
        {"RealField past end", [] { return RealField("123", 10, 5); }, 0, 0},
        {"RealField blank 51.6416", [] { return RealField("x 51.6416", 2, 8); }, 51.6416, 1e-12},
        {"RealField bad text", [] { return RealField("ab.cd", 1, 5); }, 0, 0},
        {"RealField inf", [] { return RealField("inf", 1, 3); }, 0, 0},
        {"IntField -4", [] { return IntField("-4", 1, 2); }, -4, 0},
        {"IntField +0", [] { return IntField("+0", 1, 2); }, 0, 0},
        {"IntField blank 12345", [] { return IntField(" 12345", 1, 6); }, 12345, 0},
        {"IntField -12345", [] { return IntField("-12345", 1, 6); }, -12345, 0},
        {"IntField garbage", [] { return IntField("12a", 1, 3); }, 0, 0},
        {"IntField overflow", [] { return IntField("99999999999", 1, 11); }, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.value(), c.expected, c.tolerance) << c.name;
    }
}

TEST(OrbitHelpers, TimeScalesAgree) {
    // 2022-05-03 12:00 as a shown time.
    const double shown = 44684.5;
    EXPECT_DOUBLE_EQ(DayCountOfShownTime(shown), EpochDayCount(22123.5));
    EXPECT_DOUBLE_EQ(JulianDateOfShownTime(shown), JulianDateOfEpoch(22123.5, 2000));
    EXPECT_DOUBLE_EQ(JulianDateOfDayCount(DayCountOfShownTime(shown)), JulianDateOfShownTime(shown));
    EXPECT_DOUBLE_EQ(ShownTimeOfJulianDate(JulianDateOfShownTime(shown)), shown);
    EXPECT_EQ(CenturyBaseOfYear(2099), 2000);
    EXPECT_EQ(CenturyBaseOfYear(1980), 1900);
    EXPECT_EQ(CenturyBaseOfYear(2100), 2100);
}

TEST(OrbitHelpers, SiderealAtEpochMatchesJulianForm) {
    const double epoch = 24043.56;
    const auto st = SiderealTimeAtEpoch(epoch, 2000);
    EXPECT_NEAR(st.angle, SiderealTimeOfJD(JulianDateOfEpoch(epoch, 2000)), 1e-8);
    EXPECT_NEAR(st.daysSince1950, JulianDateOfEpoch(epoch, 2000) - 2433281.5, 1e-8);
}

TEST(OrbitHelpers, TextHelpers) {
    struct TextCase {
        std::string actual;
        const char* expected;
    };
    const TextCase cases[] = {
        {EpochDateText(24060.3), "29022024"},
        {EpochDateText(23060.3), "01032023"},
        {EpochDateText(24001.0), "01012024"},
        {EpochDateText(23365.9), "31122023"},
        {EpochDateText(24366.5), "31122024"},
        {EpochDateText(5032.0), "01022005"},
        {TwoDigitText(7), "07"},
        {ThreeDigitText(5), "005"},
        {ThreeDigitText(123), "123"},
        {BlanksToZeros(" 1 2"), "0102"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
    // Day count and date text invert each other.
    EXPECT_DOUBLE_EQ(DayCountOfDate(EpochDateText(22123.5)), Int(EpochDayCount(22123.5)));
}

TEST(OrbitHelpers, PowerReportsBadBaseToSink) {
    std::ostringstream sink;
    EXPECT_EQ(Power(-2.0, 0.5, &sink), 0.0);
    EXPECT_EQ(Power(0.0, 2.0, &sink), 0.0);
    EXPECT_EQ(sink.str(), "Invalid argument in Function Power!\nInvalid argument in Function Power!\n");
    std::ostringstream quiet;
    EXPECT_NEAR(Power(2.0, 10.0, &quiet), 1024.0, 1e-9);
    EXPECT_TRUE(quiet.str().empty());
}

TEST(OrbitHelpers, MagnitudeAndDot) {
    TVector4 v{3, 4, 12, 0};
    Magnitude(v);
    EXPECT_DOUBLE_EQ(v.w, 13.0);
    const TVector4 u{1, -1, 2, 99};
    EXPECT_DOUBLE_EQ(Dot(v, u), 3 - 4 + 24);
}

// Any double splits without overflow: outside the calendar range it is held
// at the range's ends (the tool's "look --step 1e308" used to overflow).
TEST(OrbitHelpers, SplitShownTimeClampsToTheCalendar) {
    const double inf = std::numeric_limits<double>::infinity();
    const double max = std::numeric_limits<double>::max();
    const struct {
        double shown;
        TCalendarInstant expected;
    } cases[] = {
        {ShownTimeOf(2024, 2, 12, 12, 4, 0), {2024, 2, 12, 12, 4, 0, 0}},
        {ShownTimeOf(100, 1, 1, 0, 0, 0), {100, 1, 1, 0, 0, 0, 0}},
        {ShownTimeOf(9999, 12, 31, 23, 59, 59.999), {9999, 12, 31, 23, 59, 59, 999}},
        {ShownTimeOf(9999, 12, 31, 23, 59, 59.9999), {9999, 12, 31, 23, 59, 59, 999}},
        {ShownTimeOf(10000, 1, 1, 0, 0, 0), {9999, 12, 31, 23, 59, 59, 999}},
        {ShownTimeOf(99, 12, 31, 23, 0, 0), {100, 1, 1, 0, 0, 0, 0}},
        {1e308, {9999, 12, 31, 23, 59, 59, 999}},
        {max, {9999, 12, 31, 23, 59, 59, 999}},
        {inf, {9999, 12, 31, 23, 59, 59, 999}},
        {-max, {100, 1, 1, 0, 0, 0, 0}},
        {-inf, {100, 1, 1, 0, 0, 0, 0}},
        {std::numeric_limits<double>::quiet_NaN(), {1899, 12, 30, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const TCalendarInstant t = SplitShownTime(c.shown);
        const TCalendarInstant& e = c.expected;
        EXPECT_EQ(std::vector<int>({t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.Millisecond}),
                  std::vector<int>({e.Year, e.Month, e.Day, e.Hour, e.Minute, e.Second, e.Millisecond}))
            << c.shown;
    }
    EXPECT_TRUE(IsCalendarShownTime(kFirstShownTime));
    EXPECT_FALSE(IsCalendarShownTime(kEndShownTime));
    EXPECT_FALSE(IsCalendarShownTime(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace kelvora
