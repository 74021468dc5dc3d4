// The composed map: day picture exactly inside the footprint, night outside, and
// the two crosses.
#include "MapDrawing.h"
#include "SGP_Math.h"
#include "WorldMap.h"
#include "map_test_pictures.h"

#include <gtest/gtest.h>
#include <cmath>

namespace kelvora {
namespace {

using test::FlatPictures;
using test::kFlatDay;
using test::kFlatNight;

struct FootprintCase {
    const char* name;
    TSizePreset preset;
    bool zoom2;
    double lat, lon, height;
};

class ComposeFootprintTest : public ::testing::TestWithParam<FootprintCase> {};

// The analytic footprint: points within the earth-central angle of the sub-point.
std::vector<std::vector<bool>> AnalyticFootprint(const TMapGeometry& g, const FootprintCase& c) {
    const double lambda0 = FootprintRadius(kFootprintEarthRadius + c.height);
    const double lat0 = c.lat * kTrackDegToRad, lon0 = c.lon * kTrackDegToRad;
    std::vector<std::vector<bool>> inside(g.H, std::vector<bool>(g.W));
    for (int y = 0; y < g.H; ++y) {
        const double lat = (90.0 - y / g.s) * kTrackDegToRad;
        for (int x = 0; x < g.W; ++x) {
            const double lon = (x / g.s - 180.0) * kTrackDegToRad;
            const double cosAngle =
                std::sin(lat) * std::sin(lat0) + std::cos(lat) * std::cos(lat0) * std::cos(lon - lon0);
            inside[y][x] = cosAngle >= std::cos(lambda0);
        }
    }
    return inside;
}

// A pixel on the boundary: some neighbour (wrapping across the side edges) differs.
bool OnSeam(const std::vector<std::vector<bool>>& inside, const TMapGeometry& g, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int ny = y + dy;
            if (ny < 0 || ny >= g.H) continue;
            if (inside[ny][(x + dx + g.W) % g.W] != inside[y][x]) return true;
        }
    }
    return false;
}

TEST_P(ComposeFootprintTest, DayMapCoversExactlyTheFootprint) {
    const FootprintCase c = GetParam();
    FlatPictures pictures;
    pictures.Write(c.preset, c.zoom2);
    TWorldMap map(pictures.Folder());
    map.SetStation(-60.0, c.lon + 180.0);  // far from the footprint
    ASSERT_EQ(map.LoadMapSet(c.preset, c.zoom2, TMapStyle::Political), "");
    map.ComposeMap({c.lat, c.lon, kFootprintEarthRadius + c.height, 10.0});

    const TMapGeometry& g = map.Geometry();
    const auto inside = AnalyticFootprint(g, c);
    const QPoint sat = MapPixel(g, map.SatellitePoint());
    const QRect crossArea(sat - QPoint(6, 6), QSize(13, 13));
    const QRect stationArea(map.StationPixel() - QPoint(2, 2), QSize(5, 5));
    int dayPixels = 0, offSeam = 0;
    for (int y = 0; y < g.H; ++y) {
        for (int x = 0; x < g.W; ++x) {
            if (crossArea.contains(x, y) || stationArea.contains(x, y)) continue;
            const QRgb pixel = map.Canvas().pixel(x, y);
            ASSERT_TRUE(pixel == kFlatDay.rgb() || pixel == kFlatNight.rgb()) << x << "," << y;
            const bool day = pixel == kFlatDay.rgb();
            dayPixels += day;
            if (day != inside[y][x] && !OnSeam(inside, g, x, y)) ++offSeam;
        }
    }
    EXPECT_GT(dayPixels, 100);
    EXPECT_EQ(offSeam, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Footprints, ComposeFootprintTest,
    ::testing::Values(FootprintCase{"Ordinary", TSizePreset::W640, false, 48.0, 11.0, 420.0},
                      FootprintCase{"OrdinaryZoom2", TSizePreset::W1024, true, 48.0, 11.0, 420.0},
                      FootprintCase{"Wraps", TSizePreset::W640, false, 20.0, 179.0, 420.0},
                      FootprintCase{"WrapsZoom2", TSizePreset::W800, true, 20.0, 179.0, 420.0},
                      FootprintCase{"NorthPole", TSizePreset::W640, false, 85.0, 30.0, 420.0},
                      FootprintCase{"NorthPoleZoom2", TSizePreset::W1024, true, 85.0, 30.0, 420.0},
                      FootprintCase{"SouthPoleHigh", TSizePreset::W800, false, -70.0, 250.0, 3000.0},
                      FootprintCase{"Geostationary", TSizePreset::W640, true, 0.0, 350.0, 35786.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeMap, WrappedFootprintIsBrightOnBothEdges) {
    FlatPictures pictures;
    pictures.Write(TSizePreset::W640, false);
    TWorldMap map(pictures.Folder());
    ASSERT_EQ(map.LoadMapSet(TSizePreset::W640, false, TMapStyle::Political), "");
    map.ComposeMap({0.0, 179.0, kFootprintEarthRadius + 420.0, -5.0});
    const int row = 150 + 10;  // below the cross
    EXPECT_EQ(map.Canvas().pixel(0, row), kFlatDay.rgb());
    EXPECT_EQ(map.Canvas().pixel(599, row), kFlatDay.rgb());
    EXPECT_EQ(map.Canvas().pixel(300, row), kFlatNight.rgb());
}

TEST(ComposeMap, PolarFootprintReachesTheTopEdgeAcrossTheWidth) {
    FlatPictures pictures;
    pictures.Write(TSizePreset::W640, false);
    TWorldMap map(pictures.Folder());
    ASSERT_EQ(map.LoadMapSet(TSizePreset::W640, false, TMapStyle::Political), "");
    map.ComposeMap({85.0, 30.0, kFootprintEarthRadius + 420.0, -5.0});
    for (int x = 0; x < 600; ++x) ASSERT_EQ(map.Canvas().pixel(x, 0), kFlatDay.rgb()) << x;
}

struct CrossCase {
    const char* name;
    QColor day;
    double elevation;
    bool zoom2;
    QColor station;
    QColor satellite;
    int stationArm;
};

class CrossTest : public ::testing::TestWithParam<CrossCase> {};

TEST_P(CrossTest, ColoursAndArms) {
    const CrossCase c = GetParam();
    FlatPictures pictures;
    pictures.Write(TSizePreset::W640, c.zoom2, c.day);
    TWorldMap map(pictures.Folder());
    map.SetStation(0.0, 0.0);
    ASSERT_EQ(map.LoadMapSet(TSizePreset::W640, c.zoom2, TMapStyle::Political), "");
    map.ComposeMap({30.0, 90.0, kFootprintEarthRadius + 420.0, c.elevation});
    const QImage& canvas = map.Canvas();
    const QPoint st = map.StationPixel();
    const QPoint sat = MapPixel(map.Geometry(), map.SatellitePoint());
    EXPECT_EQ(canvas.pixel(st + QPoint(c.stationArm, 0)), c.station.rgb());
    EXPECT_EQ(canvas.pixel(st - QPoint(0, c.stationArm)), c.station.rgb());
    EXPECT_NE(canvas.pixel(st + QPoint(c.stationArm + 1, 0)), c.station.rgb());
    EXPECT_EQ(canvas.pixel(sat + QPoint(6, 0)), c.satellite.rgb());
    EXPECT_EQ(canvas.pixel(sat - QPoint(0, 6)), c.satellite.rgb());
    EXPECT_NE(canvas.pixel(sat - QPoint(7, 0)), c.satellite.rgb());
}

INSTANTIATE_TEST_SUITE_P(
    Crosses, CrossTest,
    ::testing::Values(CrossCase{"BelowHorizon", kFlatDay, -3.0, false, kMapSilver, kMapWhite, 1},
                      CrossCase{"AboveHorizonZoom2", kFlatDay, 0.5, true, kMapWhite, kMapWhite, 2},
                      CrossCase{"HorizonIsBelow", kFlatDay, 0.0, false, kMapSilver, kMapWhite, 1},
                      CrossCase{"OnWhiteTurnsRed", QColor(255, 255, 255), -3.0, false, kMapSilver, kMapRed, 1},
                      CrossCase{"OnYellowTurnsRed", QColor(255, 255, 0), -3.0, true, kMapSilver, kMapRed, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvora
