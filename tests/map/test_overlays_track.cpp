#include "MapOverlaysTrack.h"
#include "test_overlays_support.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using test::OverlayFixture;

struct StartCase {
    bool arrows, zoom2;
    double minutes;
};

class TrackStartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(TrackStartTest, FirstDotLeavesRoomForCrossAndArrow) {
    const StartCase& c = GetParam();
    EXPECT_EQ(TrackStartMinutes(c.arrows, c.zoom2), c.minutes);
    EXPECT_DOUBLE_EQ(TrackOffsets(c.minutes, 15.5).front(), c.minutes / 1440.0);
}

INSTANTIATE_TEST_SUITE_P(Modes, TrackStartTest,
                         ::testing::Values(StartCase{false, false, 2}, StartCase{false, true, 2},
                                           StartCase{true, false, 7}, StartCase{true, true, 4}));

TEST(TrackOffsets, OneRevolutionPerDayGives719DotsTwoMinutesApart) {
    const std::vector<double> offsets = TrackOffsets(2.0, 1.0);
    ASSERT_EQ(offsets.size(), 719u);
    EXPECT_DOUBLE_EQ(offsets.front() * 1440, 2.0);
    EXPECT_NEAR(offsets.back() * 1440, 1438.0, 1e-9);
    EXPECT_TRUE(TrackOffsets(2.0, 0.0).empty());
    EXPECT_TRUE(TrackOffsets(2.0, -1.0).empty());
}

TEST(TrackDot, UpperLeftTwoByTwoWhiteRestBlackClippedAtTheEdge) {
    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(QColor(100, 100, 100));
    CopyTrackDot(canvas, {4, 4});
    for (int y = 4; y < 7; ++y)
        for (int x = 4; x < 7; ++x)
            EXPECT_EQ(canvas.pixelColor(x, y), x < 6 && y < 6 ? QColor(Qt::white) : QColor(Qt::black));
    EXPECT_EQ(canvas.pixelColor(3, 4), QColor(100, 100, 100));
    CopyTrackDot(canvas, {9, 9});  // mostly off the canvas
    EXPECT_EQ(canvas.pixelColor(9, 9), QColor(Qt::white));
}

class GroundTrackTest : public OverlayFixture, public ::testing::Test {};

// QO-100's elements with the mean motion set to exactly 1 revolution per day.
TEST_F(GroundTrackTest, OneRevPerDaySatelliteDraws719Dots) {
    model.TwoLineRecord(1) = {"1 43700U 18090A   24042.85148031  .00000138  00000+0  00000+0 0  9994",
                              "2 43700   0.0167 109.8976 0001088 207.1551 156.6172  1.00000000 19090"};
    model.ConvertTwoLine(1);
    UseMap(TSizePreset::W640, false);
    TOverlayContext context = Context(1, test::kFeb12);
    EXPECT_EQ(DrawGroundTrack(context), 719);
}

TEST_F(GroundTrackTest, LeavesActiveSatelliteTrackStateAndMapPointAlone) {
    const int iss = test::SlotOf(names, "ISS (ZARYA)");
    const int other = test::SlotOf(names, "SAUDISAT 1C (SO-50)");
    UseMap(TSizePreset::W1024, true);
    TOverlayContext context = Context(iss, test::kFeb12 + 0.3);
    context.ArrowsOn = true;
    const TTrackState before = track;
    const QPointF point = map.SatellitePoint();
    model.SelectSatellite(other);  // the track must select the active satellite itself

    const int dots = DrawGroundTrack(context);
    // One ISS revolution is about 93 minutes: 4, 6, ... minutes ahead.
    EXPECT_EQ(dots, static_cast<int>((1440.0 / model.Slot(iss).RevsPerDay - 4.0) / 2.0) + 1);
    EXPECT_EQ(model.Model().RevsPerDay, model.Slot(iss).RevsPerDay);
    EXPECT_EQ(track.SubLongitude, before.SubLongitude);
    EXPECT_EQ(track.Elevation, before.Elevation);
    EXPECT_EQ(map.SatellitePoint(), point);
    EXPECT_EQ(mapCounter, 1);
    EXPECT_FALSE(test::PixelsOf(map.Canvas(), Qt::white).empty());
}

}  // namespace
}  // namespace kelvora
