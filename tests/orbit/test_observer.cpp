#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "OrbitModel.h"
#include "SampleElements.h"
#include "SGP_Math.h"
#include "SGP_Obs.h"
#include "SGP_Time.h"

namespace kelvora {
namespace {

constexpr double kRe = 6378.135;
constexpr double kE2 = 0.006694317778266721971;

TEST(Observer, SetupTakesEastOrWestLongitude) {
    struct Case {
        double lon, expectedDeg;
    };
    for (const Case c : {Case{350, 350}, Case{-10, 350}, Case{10, 10}, Case{180, 180}, Case{0, 0}, Case{-180, 180}}) {
        TObserverSite site;
        SetupObserver(site, 48.1, c.lon, 520.0);
        EXPECT_NEAR(site.Longitude, Radians(c.expectedDeg), 1e-12) << c.lon;
        EXPECT_DOUBLE_EQ(site.LongitudeDeg, c.lon);
        EXPECT_NEAR(site.Height, 0.52, 1e-12);
    }
    TObserverSite site;
    EXPECT_TRUE(SetupObserver(site, 1, 2, "1200"));
    EXPECT_DOUBLE_EQ(site.Height, 1.2);
    EXPECT_FALSE(SetupObserver(site, 1, 2, "12m"));
    EXPECT_DOUBLE_EQ(site.Height, 1.2);
}

// Refraction by Meeus, Astronomical Algorithms, eq. 16.4: R = 1.02' / tan(h + 10.3 / (h + 5.11))
// with h in degrees; at 0 deg R = 28.98' (0.483 deg), at 10 deg 5.41', at -0.3 deg 31.73'.
// Where the corrected elevation would stay below the horizon (and below -4 deg, near the
// formula's pole at -5.11 deg) the elevation is left geometric.
TEST(Observer, RefractionTable) {
    struct Case {
        double geometric, reported, tol;
    };
    for (const Case c :
         {Case{-0.3, 0.229, 0.005},  // lifted over the horizon
          Case{-2.0, -2.0, 1e-9}, Case{-30.0, -30.0, 1e-9}, Case{-5.0818, -5.0818, 1e-9},  // near the formula's pole
          Case{-5.11, -5.11, 1e-9}, Case{0.0, 0.483, 0.005}, Case{10.0, 10.089, 0.002}, Case{90.0, 90.0, 1e-4}}) {
        EXPECT_NEAR(Degrees(RefractedElevation(Radians(c.geometric))), c.reported, c.tol) << c.geometric;
    }
}

// A station and a satellite placed at local east/north/up offsets from it.
class LookAnglesTest : public ::testing::Test {
protected:
    static constexpr double kJd = 2460352.5;
    TObserverSite site;

    TVector4 Offset(double east, double north, double up) {
        const TObserverVectors obs = ObserverState(site, kJd);
        const double th = site.LocalSiderealTime;
        const double sl = std::sin(site.Latitude), cl = std::cos(site.Latitude);
        return {obs.Position.x - std::sin(th) * east - sl * std::cos(th) * north + cl * std::cos(th) * up,
                obs.Position.y + std::cos(th) * east - sl * std::sin(th) * north + cl * std::sin(th) * up,
                obs.Position.z + cl * north + sl * up, 0};
    }
};

TEST_F(LookAnglesTest, DirectionsTable) {
    SetupObserver(site, 48.1, 11.6, 500.0);
    struct Case {
        double e, n, u, az, el;
    };
    for (const Case c : {Case{0, 1000, 1000, 0, 45}, Case{1000, 0, 1000, 90, 45}, Case{0, -1000, 1000, 180, 45},
                         Case{-1000, 0, 1000, 270, 45}, Case{1000, 1000, 1000 * std::sqrt(2.0), 45, 45},
                         Case{-500, 866.0254, -1000, 330, -45}}) {
        const TLookSet look = LookAngles(site, Offset(c.e, c.n, c.u), TVector4{}, kJd);
        EXPECT_NEAR(Degrees(look.Azimuth), c.az, 1e-6) << c.e << "," << c.n;
        EXPECT_NEAR(Degrees(look.Elevation), c.el, 0.02) << c.e << "," << c.n;
        EXPECT_NEAR(look.Range, std::sqrt(c.e * c.e + c.n * c.n + c.u * c.u), 1e-6);
    }
    const TLookSet zenith = LookAngles(site, Offset(0, 0, 400), TVector4{}, kJd);
    EXPECT_NEAR(Degrees(zenith.Elevation), 90.0, 1e-4);
    EXPECT_TRUE(std::isfinite(zenith.Azimuth));
}

TEST_F(LookAnglesTest, RangeRateSign) {
    SetupObserver(site, 0.0, 200.0, 0.0);
    const TVector4 sat = Offset(300, 400, 1200);
    const TObserverVectors obs = ObserverState(site, kJd);
    const double r = std::sqrt(300.0 * 300 + 400.0 * 400 + 1200.0 * 1200);
    struct Case {
        double speed, rate;
    };
    for (const Case c : {Case{2.5, 2.5}, Case{-1.5, -1.5}, Case{0, 0}}) {
        const double k = c.speed / r;
        const TVector4 vel{obs.Velocity.x + k * (sat.x - obs.Position.x), obs.Velocity.y + k * (sat.y - obs.Position.y),
                           obs.Velocity.z + k * (sat.z - obs.Position.z), 0};
        EXPECT_NEAR(LookAngles(site, sat, vel, kJd).RangeRate, c.rate, 1e-9);
    }
}

TEST(Observer, MaAndOrbitNumberTable) {
    const TPhaseInputs phase{16000.0, 15.5, 100.0};
    struct Case {
        double revs, offset, ma, orbit;
    };
    for (const Case c :
         {Case{1.25, 0, 64, 101.25}, Case{-0.5, 0, -128, 99.5}, Case{1.25, 0.125, 64, 101.25}, Case{0, 0, 0, 100}}) {
        TObserverSite site;
        TTrackState track;
        const double dayCount = 16000.0 + c.revs / 15.5 + c.offset;
        LookFromModelOutput(site, track, {1.1, 0, 0, 0}, {0, 0.07, 0, 0}, 2460000.5, dayCount, c.offset, phase);
        EXPECT_NEAR(track.MA, c.ma, 1e-6) << c.revs;
        EXPECT_NEAR(track.OrbitNumber, c.orbit, 1e-9) << c.revs;
        EXPECT_NEAR(track.Position.w, 1.1 * kRe, 1e-9);
        EXPECT_NEAR(track.Velocity.y, 0.07 * kRe / 60.0, 1e-12);
    }
}

// ECI position of a geodetic point at jd.
TVector4 GeodeticToEci(double latDeg, double lonDeg, double h, double jd) {
    const double lat = Radians(latDeg);
    const double lon = Radians(lonDeg) + SiderealTimeOfJD(jd);
    const double n = kRe / std::sqrt(1.0 - kE2 * std::sin(lat) * std::sin(lat));
    return {(n + h) * std::cos(lat) * std::cos(lon), (n + h) * std::cos(lat) * std::sin(lon),
            (n * (1.0 - kE2) + h) * std::sin(lat), 0};
}

TEST(Observer, SubSatellitePointTable) {
    const double jd = 2460352.75;
    struct Case {
        double lat, lon, h, expectedLon;
    };
    for (const Case c : {Case{0, -10, 400, 350}, Case{51.6, 120, 420, 120}, Case{-89.9, 200, 800, 200},
                         Case{45, 0, 0, 0}, Case{-33, 359.5, 35786, 359.5}}) {
        TTrackState track;
        track.Position = GeodeticToEci(c.lat, c.lon, c.h, jd - 0.25);
        SubSatellitePoint(track, jd, 0.25);  // the clock offset is removed first
        EXPECT_NEAR(track.SubLatitude, c.lat, 1e-8) << c.lat;
        EXPECT_NEAR(std::fmod(track.SubLongitude + 360.0, 360.0), c.expectedLon, 1e-8);
        EXPECT_GE(track.SubLongitude, 0.0);
        EXPECT_LT(track.SubLongitude, 360.0);
        EXPECT_NEAR(track.Height, c.h, 1e-6) << c.lat;
        EXPECT_NEAR(track.GeocentricRadius, c.h + kRe, 1e-6);
    }
}

TEST(Observer, SubSatellitePointOverThePolesAndBadInput) {
    for (const double sign : {1.0, -1.0}) {
        TTrackState track;
        track.Position = {0, 0, sign * (6356.75 + 500.0), 0};
        SubSatellitePoint(track, 2460352.5, 0.0);
        EXPECT_NEAR(track.SubLatitude, sign * 90.0, 1e-9);
        EXPECT_NEAR(track.Height, 500.0, 0.01);
    }
    TTrackState track;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    track.Position = {nan, 1, 1, 0};
    SubSatellitePoint(track, 2460352.5, 0.0);  // must return
    EXPECT_TRUE(std::isnan(track.SubLatitude));
}

constexpr const char* kIss1 = testing::kIssLine1;
constexpr const char* kIss2 = testing::kIssLine2;

TEST(Observer, PropagateAndLookWithTheModel) {
    TOrbitModel model(2000);
    model.TwoLineRecord(1) = {kIss1, kIss2};
    model.ConvertTwoLine(1);
    model.SelectSatellite(1);  // as the tracking cycle does before each satellite
    TObserverSite site;
    SetupObserver(site, 48.1, 11.6, 500.0);
    TTrackState track;
    const double dayCount = EpochDayCount(24043.00684501) + 0.1;
    ASSERT_TRUE(PropagateAndLook(model, site, track, JulianDateOfDayCount(dayCount), dayCount));
    SubSatellitePoint(track, JulianDateOfDayCount(dayCount), 0.0);
    EXPECT_NEAR(track.Height, 415, 15);
    EXPECT_GE(track.Azimuth, 0.0);
    EXPECT_LT(track.Azimuth, 360.0);
    EXPECT_GT(track.Range, 0.0);
    // Epoch revolution 43897.5, reference perigee 0.0154 day after the epoch.
    EXPECT_NEAR(track.OrbitNumber, 43898.811, 0.002);
    EXPECT_NEAR(track.MA, 0.311 * 256, 0.5);

    // A set the model cannot propagate reads as far below the horizon.
    model.TwoLineRecord(2) = {kIss1, "2 25544  51.6406 220.6676 0001921 228.7563 273.9440  0.00000000438989"};
    model.ConvertTwoLine(2);
    model.SelectSatellite(2);
    EXPECT_FALSE(PropagateAndLook(model, site, track, JulianDateOfDayCount(dayCount), dayCount));
    EXPECT_EQ(track.Elevation, -90.0);
}

}  // namespace
}  // namespace kelvora
