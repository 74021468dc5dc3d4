// Projection, station pixel and footprint outline.
#include "MapGeometry.h"
#include "SGP_Math.h"

#include <gtest/gtest.h>
#include <cmath>

namespace kelvora {
namespace {

struct MapPointCase {
    TSizePreset preset;
    bool zoom2;
    double lat, lon;
    double x, y;
};

class MapPointTest : public ::testing::TestWithParam<MapPointCase> {};

TEST_P(MapPointTest, ProjectsOntoTheCanvas) {
    const MapPointCase c = GetParam();
    const QPointF p = MapPoint(MapGeometryOf(c.preset, c.zoom2), c.lat, c.lon);
    EXPECT_NEAR(p.x(), c.x, 2e-3);
    EXPECT_NEAR(p.y(), c.y, 2e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, MapPointTest,
    ::testing::Values(MapPointCase{TSizePreset::W640, false, 0, 0, 300, 150},
                      MapPointCase{TSizePreset::W640, false, 0, 180, 0, 150},  // east 180: left edge
                      MapPointCase{TSizePreset::W640, false, 90, 90, 450, 0},
                      MapPointCase{TSizePreset::W640, false, -90, 270, 150, 300},
                      MapPointCase{TSizePreset::W640, false, 10, 179.4, 599, 133.333},
                      MapPointCase{TSizePreset::W640, false, 0, -90, 150, 150},  // the sun's longitudes
                      MapPointCase{TSizePreset::W1024, true, 0, 0, 960, 480},
                      MapPointCase{TSizePreset::W1024, true, 45, 180, 0, 240},
                      MapPointCase{TSizePreset::W800, false, -45, 90, 562.5, 281.25}));

struct StationCase {
    double lat, lon;
    int x, y;
};

class StationPixelTest : public ::testing::TestWithParam<StationCase> {};

TEST_P(StationPixelTest, RoundsOntoTheCanvas) {
    const StationCase c = GetParam();
    EXPECT_EQ(StationPixel(MapGeometryOf(TSizePreset::W640, false), c.lat, c.lon), QPoint(c.x, c.y));
}

INSTANTIATE_TEST_SUITE_P(Edges, StationPixelTest,
                         ::testing::Values(StationCase{48.0, 11.0, 318, 70}, StationCase{48.0, -10.0, 283, 70},
                                           StationCase{48.0, 350.0, 283, 70},  // 350 east is 10 west
                                           StationCase{0.0, -180.0, 0, 150},
                                           StationCase{0.0, 180.0, 0, 150},  // the date line is the left edge
                                           StationCase{90.0, 0.0, 300, 0}, StationCase{-90.0, 0.0, 300, 299}));

TEST(FootprintRadius, IsTheHorizonAngle) {
    EXPECT_NEAR(FootprintRadius(6378.135 + 420.0), std::acos(6378.135 / 6798.135), 1e-9);
    EXPECT_NEAR(FootprintRadius(1e8), kPiHalf, 1e-4);  // the sun: the day/night line is 90 degrees out
    EXPECT_EQ(FootprintRadius(6000.0), 0.0);  // below the surface: no footprint, no NaN
}

struct OutlineCase {
    double lat, lon, height;
    bool north, south;
};

class FootprintOutlineTest : public ::testing::TestWithParam<OutlineCase> {};

// Every outline point lies on the horizon circle to within about a pixel; rows run
// north to south.
TEST_P(FootprintOutlineTest, PointsLieOnTheHorizonCircle) {
    const OutlineCase c = GetParam();
    const TMapGeometry g = MapGeometryOf(TSizePreset::W1024, true);
    const double r = kFootprintEarthRadius + c.height;
    const TFootprintOutline outline = FootprintOutline(g, c.lat, c.lon, r);
    EXPECT_EQ(outline.CoversNorthPole, c.north);
    EXPECT_EQ(outline.CoversSouthPole, c.south);
    ASSERT_EQ(outline.East.size(), outline.West.size());
    ASSERT_GT(outline.East.size(), 10u);

    const double lambda0 = FootprintRadius(r);
    const double lat0 = c.lat * kTrackDegToRad, lon0 = c.lon * kTrackDegToRad;
    const double pixel = 1.0 / g.G;
    for (size_t i = 0; i < outline.East.size(); ++i) {
        if (i > 0) {
            EXPECT_GT(outline.East[i].y(), outline.East[i - 1].y());
        }
        for (const QPoint& p : {outline.East[i], outline.West[i]}) {
            ASSERT_TRUE(p.x() >= 0 && p.x() < g.W) << p.x();
            const double lat = kTrackPiHalf - p.y() / g.G;
            const double lon = p.x() / g.G - kTrackPi;
            const double cosAngle =
                std::sin(lat) * std::sin(lat0) + std::cos(lat) * std::cos(lat0) * std::cos(lon - lon0);
            // One pixel horizontally spans less angle the nearer the pole.
            EXPECT_NEAR(std::acos(std::clamp(cosAngle, -1.0, 1.0)), lambda0, 1.5 * pixel) << "row " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Footprints, FootprintOutlineTest,
                         ::testing::Values(OutlineCase{48.0, 11.0, 420.0, false, false},
                                           OutlineCase{20.0, 179.0, 420.0, false, false},
                                           OutlineCase{85.0, 30.0, 420.0, true, false},
                                           OutlineCase{-80.0, 200.0, 800.0, false, true},
                                           OutlineCase{10.0, 0.0, 1e8, true, false}));  // the sun's line

TEST(FootprintOutline, SubPointOnThePoleStaysFinite) {
    const TMapGeometry g = MapGeometryOf(TSizePreset::W640, false);
    const TFootprintOutline outline = FootprintOutline(g, 90.0, 0.0, kFootprintEarthRadius + 420.0);
    EXPECT_TRUE(outline.CoversNorthPole);
    for (const QPoint& p : outline.East) {
        EXPECT_TRUE(p.x() >= 0 && p.x() < g.W && p.y() >= 0 && p.y() < g.H);
    }
}

}  // namespace
}  // namespace kelvora
