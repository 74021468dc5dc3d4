#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "OrbitModel.h"
#include "SampleElements.h"
#include "SGP_Math.h"
#include "SGP_Time.h"
#include "Squint.h"

namespace kelvora {
namespace {

using Vec = std::array<double, 3>;

Vec UnitFromRaDec(double ra, double dec) {
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}
double DotV(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Attitude vector (longitude from perigee, latitude from the orbit plane) in
// equatorial coordinates, by plain rotations: Rz(node) * Rx(inc).
Vec AttitudeVector(double incDeg, double nodeDeg, double perigeeDeg, double lonDeg, double latDeg) {
    const double d = kTrackDegToRad;
    const double b = (perigeeDeg + lonDeg) * d, l = latDeg * d, i = incDeg * d, o = nodeDeg * d;
    const Vec p{std::cos(l) * std::cos(b), std::cos(l) * std::sin(b), std::sin(l)};
    const Vec q{p[0], p[1] * std::cos(i) - p[2] * std::sin(i), p[1] * std::sin(i) + p[2] * std::cos(i)};
    return {q[0] * std::cos(o) - q[1] * std::sin(o), q[0] * std::sin(o) + q[1] * std::cos(o), q[2]};
}

TEST(SquintTable, ReadsEntriesAndSkipsTheRest) {
    const std::string bytes =
        "; comment line\r\n"
        "ISS,v\r\n"
        "AO-10,13022024,180.5,-5.25\n"
        "AO-13,now     ,10,12.345678\r\n"
        "Sat\xc4"
        ",v\n"
        "no comma here\r\n"
        "SHORT,1302,1,2\r\n"
        "BAD,13022024,abc,1\r\n"
        "\r\n"
        "LAST,01012024, 3.5 , 4";
    const TSquintTable table = ReadSquintTable(bytes);
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[0].Name, "ISS");
    EXPECT_EQ(table[0].AttitudeText, "v");
    EXPECT_EQ(table[1].Name, "AO-10");
    EXPECT_EQ(table[1].AttitudeText, "13022024");
    EXPECT_DOUBLE_EQ(table[1].AttitudeLon, 180.5);
    EXPECT_DOUBLE_EQ(table[1].AttitudeLat, -5.25);
    EXPECT_EQ(table[2].AttitudeText, "now     ");
    EXPECT_DOUBLE_EQ(table[2].AttitudeLat, 12.345);  // at most six characters
    EXPECT_EQ(table[3].Name, "Sat\xc3\x84");  // Latin-1 A umlaut as UTF-8
    EXPECT_EQ(table[4].Name, "LAST");
    EXPECT_DOUBLE_EQ(table[4].AttitudeLon, 3.5);
    EXPECT_FALSE(ReadSquintFile("/nonexistent/Squint.SQF").has_value());
}

TEST(SquintTable, LookupMatchesTheExactName) {
    TOrbitModel model(2000);
    model.TwoLineRecord(1) = {testing::kIssLine1, testing::kIssLine2};
    model.ConvertTwoLine(1);
    const TSquintTable table = ReadSquintTable("ISS,v\r\nAO-10,12022024,0,0\r\n");
    struct Case {
        const char* name;
        const char* text;
    };
    for (const Case c : {Case{"ISS", "v"}, Case{"ISS (ZARYA)", "-"}, Case{"iss", "-"}, Case{"AO-10", "12022024"}}) {
        TSquintSlot slot;
        slot.AttitudeText = "stale";
        LookupSquintEntry(table, slot, model, 1, c.name, 16843.0);
        EXPECT_EQ(slot.AttitudeText, c.text) << c.name;
    }
}

TEST(SquintAxis, OppositeTheAttitudeVectorTable) {
    struct Case {
        double inc, node, perigee, lon, lat;
    };
    for (const Case c :
         {Case{51.6, 220.7, 228.8, 180, 0}, Case{27.5, 359.5, 243.3, 10, 20}, Case{98.0, 10, 90, 300, -40},
          Case{0.0, 40, 30, 120, 5}, Case{0.0, 40, 30, 0, 90}, Case{63.4, 300, 270, 90, -90}, Case{90.0, 0, 0, 0, 0}}) {
        TElementSet set;
        set.Epoch = 24043.5;  // 12 February 2024
        set.InclinationDeg = c.inc;
        set.RaanDeg = c.node;
        set.ArgPerigeeDeg = c.perigee;
        TSquintSlot squint;
        squint.AttitudeText = "12022024";
        squint.AttitudeLon = c.lon;
        squint.AttitudeLat = c.lat;
        ComputeAttitudeAxis(squint, set, 0.0);
        const Vec axis = UnitFromRaDec(squint.AxisRA, squint.AxisDec);
        const Vec att = AttitudeVector(c.inc, c.node, c.perigee, c.lon, c.lat);
        ASSERT_TRUE(std::isfinite(squint.AxisRA)) << c.inc << " " << c.lat;
        EXPECT_NEAR(DotV(axis, att), -1.0, 1e-9) << c.inc << " " << c.lon << " " << c.lat;
    }
}

TEST(SquintAxis, AttitudeDateMovesNodeAndPerigee) {
    TElementSet set;
    set.Epoch = 24043.5;
    set.InclinationDeg = 51.6;
    set.RaanDeg = 100;
    set.ArgPerigeeDeg = 50;
    set.NodeRate = -5.0;
    set.PerigeeRate = 3.7;
    struct Case {
        const char* text;
        double today, days;
    };
    for (const Case c : {Case{"04112023", 0, -100}, Case{"NOW     ", 16843.0 - 100 + 0.7, -100}, Case{"12022024", 0, 0},
                         Case{"22022024", 0, 10}}) {
        TSquintSlot squint;
        squint.AttitudeText = c.text;
        squint.AttitudeLon = 30;
        squint.AttitudeLat = 10;
        ComputeAttitudeAxis(squint, set, c.today);
        const Vec att = AttitudeVector(51.6, 100 - 5.0 * c.days, 50 + 3.7 * c.days, 30, 10);
        EXPECT_NEAR(DotV(UnitFromRaDec(squint.AxisRA, squint.AxisDec), att), -1.0, 1e-9) << c.text;
    }
}

// An earth-pointing satellite: the squint is the station's nadir angle seen from the
// satellite, sin(squint) = R cos(el) / r (law of sines in the triangle earth centre,
// station, satellite; R = 6378.135 km).
TEST(SquintValue, EarthPointingTable) {
    struct Case {
        double elevation, radius, squint, tol;
    };
    for (const Case c :
         {Case{90, 6778.135, 0.0, 0.01}, Case{0, 6778.135, std::asin(6378.135 / 6778.135) * kTrackRadToDeg, 0.01},
          Case{30, 42164, std::asin(std::cos(0.5236) * 6378.135 / 42164) * kTrackRadToDeg, 0.01},
          // No radius (R / r beyond 1): a finite value at the formula's limit,
          // the 90 deg of a satellite on the horizon.
          Case{0, 0.0, 90.0, 1.0}}) {
        TSquintSlot squint;
        squint.AttitudeText = "v";
        TObserverSite site;
        TTrackState track;
        track.Elevation = c.elevation;
        track.GeocentricRadius = c.radius;
        ComputeSquint(squint, site, track, 16843.5, 0.0);
        EXPECT_NEAR(track.Squint, c.squint, c.tol) << c.elevation << " " << c.radius;
    }
    TSquintSlot none;  // "-": the last value stays
    TObserverSite site;
    TTrackState track;
    track.Squint = 12.5;
    ComputeSquint(none, site, track, 16843.5, 0.0);
    EXPECT_EQ(track.Squint, 12.5);
}

// Axis placed along the station-to-satellite direction (squint 0), against it
// (about 180) and square to it (90).
TEST(SquintValue, AttitudeModeAgainstTheLineOfSight) {
    TObserverSite site;
    SetupObserver(site, 48.1, 11.6, 500.0);
    TTrackState track;
    track.LookSet.Azimuth = 1.0;
    track.LookSet.Elevation = 0.5;
    const double day = 16843.3;
    const double d = kTrackDegToRad;
    // Mean sidereal time by Meeus, Astronomical Algorithms, eq. 12.4; day count 16843 is
    // 2024-02-12 0h UTC, JD 2460352.5.
    const double jd = day - 16843.0 + 2460352.5, t = (jd - 2451545.0) / 36525.0;
    const double gmst =
        280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * t * t - t * t * t / 38710000.0;
    const double lst = std::fmod(gmst + 11.6, 360.0) * d;
    const double lat = 48.1 * d, az = 1.0, el = 0.5;
    // East-north-up to equatorial through the local sidereal angle.
    const double e = std::cos(el) * std::sin(az), n = std::cos(el) * std::cos(az), u = std::sin(el);
    const Vec los{-std::sin(lst) * e - std::sin(lat) * std::cos(lst) * n + std::cos(lat) * std::cos(lst) * u,
                  std::cos(lst) * e - std::sin(lat) * std::sin(lst) * n + std::cos(lat) * std::sin(lst) * u,
                  std::cos(lat) * n + std::sin(lat) * u};
    const double ra = std::atan2(los[1], los[0]), dec = std::asin(los[2]);
    struct Case {
        double ra, dec, squint, tol;
    };
    for (const Case c :
         {Case{ra, dec, 0.0, 0.7}, Case{ra + kTrackPi, -dec, 180.0, 0.7}, Case{ra, dec + kTrackPiHalf, 90.0, 0.01}}) {
        TSquintSlot squint;
        squint.AttitudeText = "12022024";
        squint.AxisRA = c.ra;
        squint.AxisDec = c.dec;
        ComputeSquint(squint, site, track, day, 0.0);
        EXPECT_NEAR(track.Squint, c.squint, c.tol) << c.squint;
    }
    SetupObserver(site, 90.0, 0.0, 0.0);  // a station on the pole must not break it
    TSquintSlot squint;
    squint.AttitudeText = "12022024";
    ComputeSquint(squint, site, track, day, 0.0);
    EXPECT_TRUE(std::isfinite(track.Squint));
}

}  // namespace
}  // namespace kelvora
