#include "MapOverlaysArrow.h"
#include "test_overlays_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kelvora {
namespace {

using test::OverlayFixture;
using test::PixelsOf;

constexpr double kPi = 3.1415928;

struct ArrowCase {
    const char* what;
    QPointF now, later;
    double angle;
    int originDy;  // origin row relative to the satellite
    int headDx;  // sign of P2 - O, columns
    int headDy;  // sign of P2 - O, rows (down positive)
};

class ArrowShapeTest : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowShapeTest, PointsWhereTheSatelliteGoes) {
    const ArrowCase& c = GetParam();
    const TArrowShape shape = ArrowShape(c.now, c.later, 960);
    EXPECT_NEAR(shape.Angle, c.angle, 2e-3);
    EXPECT_EQ(shape.Origin, QPoint(std::lround(c.now.x()), std::lround(c.now.y()) + c.originDy));
    const QPoint head = shape.P2 - shape.Origin;
    EXPECT_EQ((head.x() > 0) - (head.x() < 0), c.headDx);
    EXPECT_EQ((head.y() > 0) - (head.y() < 0), c.headDy);
    // The head's tip is 30 pixels out, its base 20; the barbs lie either side.
    EXPECT_NEAR(std::hypot(head.x(), head.y()), 30.0, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Directions, ArrowShapeTest,
                         ::testing::Values(ArrowCase{"due north", {100, 200}, {100, 197}, kPi / 2, -10, 0, -1},
                                           ArrowCase{"due south", {100, 200}, {100, 203}, 3 * kPi / 2, 25, 0, 1},
                                           ArrowCase{"due east", {100, 200}, {102, 200}, 0.0, 25, 1, 0},
                                           ArrowCase{"due west", {100, 200}, {98, 200}, kPi, 25, -1, 0},
                                           ArrowCase{"north-east", {100, 200}, {102, 198}, kPi / 4, -10, 1, -1},
                                           ArrowCase{"south-east", {100, 200}, {102, 202}, 7 * kPi / 4, 25, 1, 1},
                                           // Crossing the right edge eastwards, and the left edge westwards.
                                           ArrowCase{"east over the edge", {959.4, 200}, {0.6, 200}, 0.0, 25, 1, 0},
                                           ArrowCase{"west over the edge", {0.6, 200}, {959.4, 200}, kPi, 25, -1, 0}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             for (char& ch : name)
                                 if (ch == ' ' || ch == '-') ch = '_';
                             return name;
                         });

class DirectionArrowTest : public OverlayFixture, public ::testing::Test {};

// The ISS an hour after the start of the day, at a moment it is heading north.
TEST_F(DirectionArrowTest, NorthboundSatelliteArrowPointsUpAboveIt) {
    const int iss = test::SlotOf(names, "ISS (ZARYA)");
    ASSERT_GT(iss, 0);
    UseMap(TSizePreset::W1024, false);
    double cursor = test::kFeb12;
    double previousLat = 0.0;
    for (int i = 0; i < 200; ++i, cursor += 1.0 / 1440) {  // find an ascending, low-latitude moment
        Context(iss, cursor);
        if (i > 0 && track.SubLatitude > previousLat && std::abs(track.SubLatitude) < 20) break;
        previousLat = track.SubLatitude;
    }
    TOverlayContext context = Context(iss, cursor);
    const TTrackState before = track;
    const QPointF point = map.SatellitePoint();
    DrawDirectionArrow(context, point);

    const std::vector<QPoint> white = PixelsOf(map.Canvas(), Qt::white);
    ASSERT_FALSE(white.empty());
    for (const QPoint& p : white) EXPECT_LT(p.y(), point.y()) << p.x() << "," << p.y();
    // Drawn from 10 rows above the satellite upwards.
    EXPECT_TRUE(std::any_of(white.begin(), white.end(), [&](const QPoint& p) {
        return p == QPoint(std::lround(point.x()), std::lround(point.y()) - 10);
    }));

    EXPECT_EQ(track.Azimuth, before.Azimuth);
    EXPECT_EQ(track.Elevation, before.Elevation);
    EXPECT_EQ(track.Range, before.Range);
    EXPECT_EQ(track.SubLatitude, before.SubLatitude);
}

// Marker colour rule: on white or yellow ground the arrow turns red.
struct GroundCase {
    QColor ground;
    QColor arrow;
};

class ArrowColourTest : public ::testing::TestWithParam<GroundCase> {};

TEST_P(ArrowColourTest, RedOnWhiteOrYellowGround) {
    QImage canvas(200, 200, QImage::Format_RGB32);
    canvas.fill(GetParam().ground);
    const TArrowShape shape = ArrowShape({100, 100}, {100, 97}, 200);
    DrawArrowShape(canvas, shape);
    EXPECT_EQ(canvas.pixelColor(shape.P2), GetParam().arrow);
}

INSTANTIATE_TEST_SUITE_P(Grounds, ArrowColourTest,
                         ::testing::Values(GroundCase{QColor(255, 255, 255), QColor(255, 0, 0)},
                                           GroundCase{QColor(255, 255, 0), QColor(255, 0, 0)},
                                           GroundCase{QColor(254, 255, 255), QColor(255, 255, 255)},
                                           GroundCase{QColor(255, 255, 1), QColor(255, 255, 255)},
                                           GroundCase{QColor(0, 0, 0), QColor(255, 255, 255)},
                                           GroundCase{QColor(192, 192, 192), QColor(255, 255, 255)}));

}  // namespace
}  // namespace kelvora
