#include "MapOverlaysLabel.h"
#include "MapOverlaysOthers.h"
#include "test_overlays_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora {
namespace {

using test::OverlayFixture;
using test::PixelsOf;

struct LeftCase {
    int x, width, canvasWidth, left;
};

class CentredLeftTest : public ::testing::TestWithParam<LeftCase> {};

TEST_P(CentredLeftTest, StaysOnTheCanvas) {
    const LeftCase& c = GetParam();
    EXPECT_EQ(CentredLeft(c.x, c.width, c.canvasWidth), c.left);
}

INSTANTIATE_TEST_SUITE_P(Cases, CentredLeftTest,
                         ::testing::Values(LeftCase{300, 80, 600, 260},  // centred
                                           LeftCase{590, 80, 600, 519},  // ends at column W - 1
                                           LeftCase{10, 80, 600, 0},  // left edge
                                           LeftCase{300, 700, 600, 0}));  // wider than the map

TEST(OtherSatelliteLabel, SetTimeWhileUpRiseTimeWhileDown) {
    TPassInfo pass;
    pass.AosText = "12:04";
    pass.LosText = "12:15";
    EXPECT_EQ(OtherSatelliteLabel(0, "AO-7", 0.0, pass), "A:AO-7 L:12:15 ");
    EXPECT_EQ(OtherSatelliteLabel(11, "AO-7", -0.1, pass), "L:AO-7 A:12:04 ");
}

class OtherSatellitesTest : public OverlayFixture, public ::testing::Test {
protected:
    int iss = 0, so50 = 0, ao7 = 0;
    std::vector<TPassInfo> passes;

    void SetUp() override {
        iss = test::SlotOf(names, "ISS (ZARYA)");
        so50 = test::SlotOf(names, "SAUDISAT 1C (SO-50)");
        ao7 = test::SlotOf(names, "OSCAR 7 (AO-7)");
        ASSERT_GT(iss * so50 * ao7, 0);
        passes.resize(names.size() + 1);
        UseMap(TSizePreset::W1024, false);
    }

    TOtherSatellites Others(bool markAo7) {
        TOtherSatellites others;
        others.Satellites = {{iss, "ISS", true}, {so50, "SO-50", true}, {ao7, "AO-7", markAo7}};
        others.Passes = &passes;
        others.LayoutSize = 5;
        return others;
    }
};

TEST_F(OtherSatellitesTest, DrawsMarkedOthersWithPassesAndRestoresTheActive) {
    TOverlayContext context = Context(iss, test::kFeb12);
    const TTrackState before = track;
    int rotationCalls = 0;
    TOtherSatellites others = Others(false);
    others.DecidePassRotation = [&](int slot) { rotationCalls += slot == so50; };
    DrawOtherSatellites(context, others);

    // SO-50 was predicted, AO-7 (not marked) and the ISS (active) were not.
    EXPECT_NE(passes[so50].PassTimeText, "");
    EXPECT_EQ(passes[ao7].PassTimeText, "");
    EXPECT_EQ(passes[iss].PassTimeText, "");
    EXPECT_EQ(rotationCalls, 1);
    // Footprint outline and label are white on the black map.
    EXPECT_GT(PixelsOf(map.Canvas(), Qt::white).size(), 200u);
    EXPECT_EQ(model.Model().RevsPerDay, model.Slot(iss).RevsPerDay);
    EXPECT_EQ(track.Elevation, before.Elevation);
    EXPECT_EQ(track.Range, before.Range);
    EXPECT_EQ(track.SubLatitude, before.SubLatitude);
}

TEST_F(OtherSatellitesTest, OtherSatelliteBelowTheGroundIsNotDrawn) {
    // The ISS elements dated three years back: the model puts it about 128 km
    // below the ground on the cursor's day.
    TTwoLineRecord& record = model.TwoLineRecord(iss);
    record.Line1.replace(18, 5, "21043");
    model.ConvertTwoLine(static_cast<int>(names.size()));
    TOverlayContext context = Context(so50, test::kFeb12);
    const QImage before = map.Canvas().copy();
    TOtherSatellites others = Others(false);
    others.Satellites = {{iss, "ISS", true}};
    DrawOtherSatellites(context, others);
    EXPECT_EQ(map.Canvas(), before);
    EXPECT_EQ(passes[iss].PassTimeText, "");
}

TEST(SatelliteLabel, NearTheRightEdgeEndsAtColumnWMinusOne) {
    QImage canvas(960, 480, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    const QRect box = DrawSatelliteLabel(canvas, {955, 100}, "B:SO-50 A:12:04 ");
    EXPECT_EQ(box.left() + box.width(), 959);
    EXPECT_EQ(box.top(), 100);
    const std::vector<QPoint> ink = PixelsOf(canvas, Qt::white);
    ASSERT_FALSE(ink.empty());
    for (const QPoint& p : ink) {
        EXPECT_GE(p.x(), box.left());
        EXPECT_LT(p.x(), 959);
        EXPECT_GE(p.y(), 100);
    }
}

TEST(SatelliteLabel, RedOnAWhiteSatellitePixel) {
    QImage canvas(600, 300, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    canvas.setPixelColor(300, 150, Qt::white);
    DrawSatelliteLabel(canvas, {300, 150}, "A:ISS L:12:15 ");
    EXPECT_FALSE(PixelsOf(canvas, QColor(255, 0, 0)).empty());
    EXPECT_EQ(PixelsOf(canvas, Qt::white).size(), 1u);
}

}  // namespace
}  // namespace kelvora
