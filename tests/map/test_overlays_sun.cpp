#include "MapOverlaysLabel.h"
#include "MapOverlaysSun.h"
#include "SonneU.h"
#include "test_overlays_support.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using test::PixelsOf;

class SunOverlayTest : public test::OverlayFixture, public ::testing::Test {};

// Mean position of the pixels within radius of centre.
QPointF CentroidNear(const std::vector<QPoint>& pixels, QPointF centre, double radius) {
    QPointF sum;
    int n = 0;
    for (const QPoint& p : pixels) {
        if (std::hypot(p.x() - centre.x(), p.y() - centre.y()) > radius) continue;
        sum += QPointF(p);
        ++n;
    }
    return n ? sum / n : QPointF(-1, -1);
}

TEST_F(SunOverlayTest, SMarksTheSubSolarPointAndBoundaryIsNinetyDegreesAway) {
    UseMap(TSizePreset::W1024, false);  // 960 x 480, 2.67 pixels per degree
    TSunState sun;
    ComputeSun(sun, 45366.5);  // 2024-03-15 12:00 UTC
    TOverlayContext context = Context(test::SlotOf(names, "ISS (ZARYA)"), test::kFeb12);
    const TTrackState before = track;
    DrawSunOverlay(context, sun);

    const QPointF subSolar = map.MapPoint(sun.SubSolarLat, sun.SubSolarLon);
    // Noon at Greenwich a few days before the equinox: near the map's centre.
    EXPECT_NEAR(subSolar.x(), 480, 8);
    EXPECT_NEAR(subSolar.y(), 240 + 2.4 * 2.67, 2);
    const std::vector<QPoint> yellow = PixelsOf(map.Canvas(), QColor(255, 255, 0));
    const QPointF mark = CentroidNear(yellow, subSolar, 15);
    EXPECT_NEAR(mark.x(), subSolar.x(), 2.0);
    EXPECT_NEAR(mark.y(), subSolar.y(), 3.0);
    // The boundary is the footprint of a "satellite" 1e8 km away, acos(R / 1e8 km)
    // = 89.996 deg from the sub-solar point, uncapped: with the sun 2.4 deg south it
    // crosses the equator 89.996 deg (240 pixels) east and west of it. A radius capped
    // at 88.2 deg would cross 5 pixels nearer.
    const int equator = 240;
    for (double dx : {-240.0, 240.0}) {
        const int column = std::lround(subSolar.x() + dx);
        bool found = false;
        for (int x = column - 2; x <= column + 2; ++x)
            found = found || map.Canvas().pixelColor(x, equator) == QColor(255, 255, 0);
        EXPECT_TRUE(found) << dx;
    }
    EXPECT_EQ(track.SubLatitude, before.SubLatitude);
    EXPECT_EQ(track.Elevation, before.Elevation);
}

TEST_F(SunOverlayTest, WesternSubSolarLongitudeAndRedOnWhite) {
    UseMap(TSizePreset::W640, false);  // 600 x 300
    TSunState sun;
    sun.SubSolarLat = 20.0;
    sun.SubSolarLon = -90.0;
    map.Canvas().fill(Qt::white);
    TOverlayContext context = Context(1, test::kFeb12);
    DrawSunOverlay(context, sun);
    const QPointF subSolar(150.0, 70.0 * 1.666667);
    const QPointF mark = CentroidNear(PixelsOf(map.Canvas(), QColor(255, 0, 0)), subSolar, 15);
    EXPECT_NEAR(mark.x(), subSolar.x(), 2.0);
    EXPECT_NEAR(mark.y(), subSolar.y(), 3.0);
}

}  // namespace
}  // namespace kelvora

namespace kelvora {
namespace {

QImage CanvasAt(int dotsPerInch) {
    QImage canvas(120, 60, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    canvas.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    canvas.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    return canvas;
}

// The ink's bounding box of text drawn on a white canvas of that dpi.
QRect InkOf(const QFont& font, const QString& text, int dotsPerInch) {
    QImage canvas = CanvasAt(dotsPerInch);
    DrawMapText(canvas, QPoint(4, 4), text, font, Qt::black);
    QRect ink;
    for (const QPoint& p : test::PixelsOf(canvas, Qt::black)) ink |= QRect(p, QSize(1, 1));
    return ink;
}

// The generated Blue-Marble pictures carry 72 dpi, the political ones 100 dpi.
TEST(MapText, SizeDoesNotDependOnThePicturesDpi) {
    const struct {
        const char* what;
        QFont font;
        QString text;
    } cases[] = {{"sun mark", SunMarkFont(), "S"}, {"label", LabelFont(), "AO-7"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect political = InkOf(c.font, c.text, 100);
        ASSERT_FALSE(political.isEmpty());
        EXPECT_EQ(InkOf(c.font, c.text, 72), political);
        EXPECT_EQ(MapTextSize(CanvasAt(72), c.text, c.font), MapTextSize(CanvasAt(100), c.text, c.font));
    }
}

}  // namespace
}  // namespace kelvora
