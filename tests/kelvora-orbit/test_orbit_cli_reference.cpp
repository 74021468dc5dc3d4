// `look` and `passes` against values worked out without the program's
// look-angle and pass code: look angles from the report's own positions and
// velocities, rise and set times from a one-second elevation scan.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "CliOutput.h"
#include "OrbitCli.h"
#include "OrbitModel.h"
#include "PassScan.h"
#include "ReferenceTable.h"
#include "SGP_Obs.h"
#include "SampleElements.h"

namespace kelvora {
namespace {

using testing::Cells;
using testing::Lines;

constexpr double kPi = 3.14159265358979323846;
double Rad(double deg) { return deg * kPi / 180.0; }
double Deg(double rad) { return rad * 180.0 / kPi; }

std::string RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunOrbitCli(args, out, err, 2000, {});
    EXPECT_EQ(code, 0) << err.str();
    return out.str();
}

// The difference of two angles in degrees, within -180..180.
double AngleDiff(double a, double b) { return std::remainder(a - b, 360.0); }

struct TStation {
    double latDeg, eastLonDeg, heightKm;
};

struct TLook {
    double azimuth, elevation, rangeKm, rangeRateKmS, subLat, subLon, heightKm;
};

// Look angles and sub-point of a TEME state at a Julian date, worked out the
// textbook way: GMST by Meeus, Astronomical Algorithms, eq. 12.4; the station
// and the sub-point on the WGS-72 ellipsoid (a = 6378.135 km, f = 1/298.26,
// the earth model of the report's sets) turning at 7.2921158553e-5 rad/s;
// azimuth from north through east; refraction above the horizon by Meeus
// eq. 16.4, R = 1.02' / tan(h + 10.3 / (h + 5.11)).
TLook LookOf(const testing::TReferencePoint& p, double jd, const TStation& st) {
    constexpr double a = 6378.135, f = 1.0 / 298.26, e2 = f * (2.0 - f), omega = 7.2921158553e-5;
    const double t = (jd - 2451545.0) / 36525.0;
    const double gmst =
        280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * t * t - t * t * t / 38710000.0;
    const double theta = Rad(std::fmod(gmst + st.eastLonDeg, 360.0));
    const double phi = Rad(st.latDeg);
    const double n = a / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
    const double ox = (n + st.heightKm) * std::cos(phi) * std::cos(theta);
    const double oy = (n + st.heightKm) * std::cos(phi) * std::sin(theta);
    const double oz = (n * (1.0 - e2) + st.heightKm) * std::sin(phi);
    const double rx = p.x - ox, ry = p.y - oy, rz = p.z - oz;
    const double range = std::sqrt(rx * rx + ry * ry + rz * rz);
    // The station moves with the earth: v = omega x r.
    const double rangeRate = (rx * (p.xd + omega * oy) + ry * (p.yd - omega * ox) + rz * p.zd) / range;
    const double south =
        std::sin(phi) * std::cos(theta) * rx + std::sin(phi) * std::sin(theta) * ry - std::cos(phi) * rz;
    const double east = -std::sin(theta) * rx + std::cos(theta) * ry;
    const double up = std::cos(phi) * std::cos(theta) * rx + std::cos(phi) * std::sin(theta) * ry + std::sin(phi) * rz;
    double elevation = Deg(std::asin(up / range));
    if (elevation >= 0.0) elevation += 1.02 / std::tan(Rad(elevation + 10.3 / (elevation + 5.11))) / 60.0;

    const double r = std::hypot(p.x, p.y);
    double lat = std::atan2(p.z, r), nLat = a;
    for (int i = 0; i < 20; ++i) {
        nLat = a / std::sqrt(1.0 - e2 * std::sin(lat) * std::sin(lat));
        lat = std::atan2(p.z + nLat * e2 * std::sin(lat), r);
    }
    return {std::fmod(Deg(std::atan2(east, -south)) + 360.0, 360.0),
            elevation,
            range,
            rangeRate,
            Deg(lat),
            Deg(std::atan2(p.y, p.x)) - gmst,
            r / std::cos(lat) - nLat};
}

// The report's test case seen from two stations, once a quarter day from the
// epoch (1980-10-01 23:41:24.11376 UTC, day 275.98708465): each station has the
// satellite high in the sky at one row and below the horizon at the others.
TEST(OrbitCliReference, LookAnglesOfTheReportTable) {
    const std::string l1 = "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0    87";
    const std::string l2 = "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518  1058";
    constexpr double kEpochJd = 2444239.5 + 274.98708465;  // 1980-01-01 0h is JD 2444239.5
    for (const TStation st : {TStation{10.0, 195.0, 0.25}, TStation{0.0, 20.0, 1.0}}) {
        const std::string station = std::to_string(st.latDeg) + "," + std::to_string(st.eastLonDeg) + "," +
                                    std::to_string(st.heightKm * 1000.0);
        const auto lines =
            Lines(RunTool({"look", "--tle1", l1, "--tle2", l2, "--century-base", "1900", "--station", station, "--utc",
                           "1980-10-01T23:41:24.11376", "--step", "21600", "--count", "5"}));
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[2].substr(0, 24), "1980-10-02T05:41:24.114,");
        int above = 0;
        for (size_t i = 0; i < 5; ++i) {
            const testing::TReferencePoint& p = testing::kReport88888[i];
            const TLook want = LookOf(p, kEpochJd + p.t / 1440.0, st);
            ASSERT_FALSE(want.elevation > -4.0 && want.elevation < 0.0);  // no refraction question
            above += want.elevation > 0.0;
            const auto cells = Cells(lines[i + 1].substr(24));
            ASSERT_EQ(cells.size(), 9u) << lines[i + 1];
            SCOPED_TRACE(station + " at minute " + std::to_string(p.t));
            EXPECT_NEAR(AngleDiff(cells[0], want.azimuth), 0.0, 0.01);
            EXPECT_NEAR(cells[1], want.elevation, 0.01);
            EXPECT_NEAR(cells[2], want.rangeKm, 0.05);
            EXPECT_NEAR(cells[3], want.rangeRateKmS, 2e-4);
            EXPECT_NEAR(cells[4], want.subLat, 0.001);
            EXPECT_NEAR(AngleDiff(cells[5], want.subLon), 0.0, 0.001);
            EXPECT_NEAR(cells[6], want.heightKm, 0.05);
        }
        EXPECT_EQ(above, 1);
    }
}

// Rise and set of three ISS passes over Munich against a one-second scan of
// the elevation: the tool gives the last 12-second step before each crossing.
TEST(OrbitCliReference, PassesAgreeWithAOneSecondScan) {
    constexpr double kFeb12 = 16843.0;  // 2024-02-12 00:00 UTC as a day count
    constexpr double kSecond = 1.0 / 86400.0;
    const auto lines = Lines(RunTool({"passes", "--tle1", testing::kIssLine1, "--tle2", testing::kIssLine2, "--station",
                                      "48.1,11.6,500", "--utc", "2024-02-12T00:00:00", "--count", "3"}));
    ASSERT_EQ(lines.size(), 4u);
    // "2024-02-DDTHH:MM:SS.mmm" as a day count.
    const auto dayCount = [&](const std::string& text) {
        int y = 0, mo = 0, d = 0, h = 0, mi = 0;
        double s = 0.0;
        EXPECT_EQ(std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%lf", &y, &mo, &d, &h, &mi, &s), 6) << text;
        EXPECT_EQ(y * 100 + mo, 202402) << text;
        return kFeb12 + (d - 12) + (h * 3600 + mi * 60 + s) * kSecond;
    };
    struct TRow {
        double aos, aosAzimuth, los, losAzimuth;
    };
    std::vector<TRow> rows;
    for (size_t i = 1; i < lines.size(); ++i) {  // aos_utc,aos_azimuth,los_utc,los_azimuth
        std::vector<std::string> f;
        std::istringstream in(lines[i]);
        for (std::string cell; std::getline(in, cell, ',');) f.push_back(cell);
        ASSERT_EQ(f.size(), 4u) << lines[i];
        rows.push_back({dayCount(f[0]), std::stod(f[1]), dayCount(f[2]), std::stod(f[3])});
    }

    TOrbitModel model(2000);
    model.TwoLineRecord(1) = {testing::kIssLine1, testing::kIssLine2};
    model.ConvertTwoLine(1);
    TObserverSite site;
    SetupObserver(site, 48.1, 11.6, 500.0);
    const testing::TCrossings scan = testing::ScanCrossings(model, 1, site, kFeb12, rows.back().los + 600 * kSecond);
    ASSERT_EQ(scan.rises.size(), rows.size());
    ASSERT_EQ(scan.sets.size(), rows.size());
    TTrackState track;
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(lines[i + 1]);
        EXPECT_LE(rows[i].aos, scan.rises[i] + 0.001 * kSecond);
        EXPECT_GE(rows[i].aos, scan.rises[i] - 13 * kSecond);
        EXPECT_LE(rows[i].los, scan.sets[i] + 0.001 * kSecond);
        EXPECT_GE(rows[i].los, scan.sets[i] - 13 * kSecond);
        // Within 12 s of the horizon the azimuth moves by well under 2 deg.
        testing::ElevationOfSlot(model, 1, site, scan.rises[i], track);
        EXPECT_NEAR(AngleDiff(rows[i].aosAzimuth, track.Azimuth), 0.0, 2.0);
        testing::ElevationOfSlot(model, 1, site, scan.sets[i], track);
        EXPECT_NEAR(AngleDiff(rows[i].losAzimuth, track.Azimuth), 0.0, 2.0);
    }
}

}  // namespace
}  // namespace kelvora
