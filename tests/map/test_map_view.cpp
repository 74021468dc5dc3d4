// The view copied into picKarte, the map set loading and the toggles around it.
#include "WorldMap.h"
#include "map_test_pictures.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using test::FlatPictures;

// Every canvas pixel tells where it came from: 11 bits column, 10 bits row.
void StampCanvas(QImage& canvas) {
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) canvas.setPixel(x, y, 0xFF000000u | (y << 11) | x);
}

QPoint Source(const QImage& view, int v, int row) {
    const QRgb p = view.pixel(v, row) & 0xFFFFFFu;
    return {int(p & 0x7FF), int(p >> 11)};
}

struct ViewCase {
    const char* name;
    bool zoom2;
    TMapCentre centre;
    QPoint satellite;
    QPoint probe;  // view pixel
    QPoint source;  // canvas pixel it shows
};

class ShowMapViewTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(ShowMapViewTest, ShowsTheRightPartOfTheCanvas) {
    const ViewCase c = GetParam();
    FlatPictures pictures;
    pictures.Write(TSizePreset::W640, c.zoom2);
    TWorldMap map(pictures.Folder());
    map.SetStation(0.0, -90.0);  // x 150 at zoom 1
    ASSERT_EQ(map.LoadMapSet(TSizePreset::W640, c.zoom2, TMapStyle::Political), "");
    StampCanvas(map.Canvas());
    map.SetSatellitePoint(c.satellite);
    map.ShowMapView(c.centre);
    ASSERT_EQ(map.View().size(), QSize(600, 300));
    EXPECT_EQ(Source(map.View(), c.probe.x(), c.probe.y()), c.source);
}

INSTANTIATE_TEST_SUITE_P(
    Views, ShowMapViewTest,
    ::testing::Values(
        ViewCase{"SatelliteInTheMiddle", false, TMapCentre::Satellite, {100, 40}, {300, 7}, {100, 7}},
        ViewCase{"SatelliteLeftEdgeComesFromTheRight", false, TMapCentre::Satellite, {100, 40}, {0, 7}, {400, 7}},
        ViewCase{"SatelliteRightHalf", false, TMapCentre::Satellite, {500, 40}, {300, 9}, {500, 9}},
        ViewCase{"SatelliteRightHalfWraps", false, TMapCentre::Satellite, {500, 40}, {499, 9}, {99, 9}},
        ViewCase{"Observer", false, TMapCentre::Observer, {500, 40}, {300, 0}, {150, 0}},
        ViewCase{"Greenwich", false, TMapCentre::Greenwich, {500, 40}, {123, 45}, {123, 45}},
        ViewCase{"Zoom2Centred", true, TMapCentre::Greenwich, {600, 300}, {300, 150}, {600, 300}},
        ViewCase{"Zoom2TopLeft", true, TMapCentre::Satellite, {10, 10}, {0, 0}, {910, 0}},
        ViewCase{"Zoom2TopLeftSatellite", true, TMapCentre::Satellite, {10, 10}, {300, 10}, {10, 10}},
        ViewCase{"Zoom2BottomRight", true, TMapCentre::Observer, {1190, 590}, {0, 0}, {890, 299}},
        ViewCase{"Zoom2BottomRightWraps", true, TMapCentre::Satellite, {1190, 590}, {310, 299}, {0, 598}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadMapSet, SizesFollowPresetAndZoom) {
    FlatPictures pictures;
    pictures.Write(TSizePreset::W800, false);
    pictures.Write(TSizePreset::W800, true);
    TWorldMap map(pictures.Folder());
    const QSize sizes[] = {{750, 375}, {1500, 750}, {750, 375}};
    const char* captions[] = {"Z1", "Z2", "Z1"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(map.LoadMapSet(TSizePreset::W800, i == 1, TMapStyle::Political), "");
        EXPECT_EQ(map.Canvas().size(), sizes[i]);
        EXPECT_EQ(map.DayPicture().size(), sizes[i]);
        EXPECT_EQ(map.View().size(), QSize(750, 375));
        EXPECT_EQ(map.ZoomCaption(), captions[i]);
    }
}

TEST(LoadMapSet, MissingPictureIsNamedAndTheMapStaysUsable) {
    FlatPictures pictures;
    pictures.Write(TSizePreset::W640, false);  // political only
    TWorldMap map(pictures.Folder());
    const QString error = map.LoadMapSet(TSizePreset::W640, false, TMapStyle::BlueMarble);
    EXPECT_TRUE(error.contains("Welt1l.bmp")) << error.toStdString();
    EXPECT_TRUE(error.contains("Welt1d.bmp")) << error.toStdString();
    EXPECT_EQ(map.Canvas().size(), QSize(600, 300));
    map.ComposeMap({10.0, 10.0, 6800.0, 1.0});
    map.ShowMapView(TMapCentre::Satellite);
    // Black pictures, but a whole view, centred on the satellite, with its cross drawn.
    ASSERT_EQ(map.View().size(), QSize(600, 300));
    const QPointF satellite = map.MapPoint(10.0, 10.0);
    EXPECT_EQ(map.SatellitePoint(), satellite);
    EXPECT_EQ(map.View().pixel(5, 5) & 0xFFFFFFu, 0u);
    bool crossShown = false;
    for (int dy = -5; dy <= 5; ++dy)
        for (int dx = -5; dx <= 5; ++dx)
            crossShown = crossShown || (map.View().pixel(300 + dx, int(satellite.y()) + dy) & 0xFFFFFFu) != 0;
    EXPECT_TRUE(crossShown);
}

TEST(LoadMapSet, StationPixelFollowsTheGeometry) {
    FlatPictures pictures;
    pictures.Write(TSizePreset::W1024, true);
    TWorldMap map(pictures.Folder());
    map.SetStation(48.0, 11.0);
    EXPECT_EQ(map.StationPixel(), QPoint(318, 70));
    ASSERT_EQ(map.LoadMapSet(TSizePreset::W1024, true, TMapStyle::Political), "");
    EXPECT_EQ(map.StationPixel(), QPoint(1019, 224));
}

TEST(MapCentre, FromTheStartSettings) {
    EXPECT_EQ(MapCentreOf('-', '+'), TMapCentre::Satellite);
    EXPECT_EQ(MapCentreOf('+', '+'), TMapCentre::Observer);
    EXPECT_EQ(MapCentreOf('+', '-'), TMapCentre::Greenwich);
}

}  // namespace
}  // namespace kelvora
