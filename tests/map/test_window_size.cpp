// The size presets and the window layouts they set.
#include "WindowSize.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

struct PresetCase {
    char option;
    int fontScale;
    int layout;
    const char* caption;
    double scale;
    int next;  // preset index after a lblWinSize click
};

class PresetTest : public ::testing::TestWithParam<PresetCase> {};

TEST_P(PresetTest, LayoutCaptionScaleAndNext) {
    const PresetCase c = GetParam();
    const TSizePreset preset = PresetOfOption(c.option);
    EXPECT_EQ(LayoutSizeOf(preset, c.fontScale), c.layout);
    EXPECT_EQ(PresetOfLayout(c.layout), preset);
    EXPECT_EQ(WinSizeCaption(preset), c.caption);
    EXPECT_EQ(MapScaleOf(preset), c.scale);
    EXPECT_EQ(static_cast<int>(NextPreset(preset, c.fontScale)), c.next);
    EXPECT_EQ(OptionOfPreset(preset), c.option);
}

INSTANTIATE_TEST_SUITE_P(Presets, PresetTest,
                         ::testing::Values(PresetCase{'-', 15, 1, "W1", 1.0, 1}, PresetCase{'/', 15, 3, "W2", 1.25, 2},
                                           PresetCase{'/', 18, 2, "W2", 1.25, 2},  // 120 dpi
                                           PresetCase{'+', 15, 5, "W3", 1.6, 0}, PresetCase{'+', 18, 4, "W3", 1.6, 1}));

struct LayoutCase {
    int layout;
    bool atCreation;
    QSize client, frame, control;
    bool allSides;
};

class WindowLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(WindowLayoutTest, Sizes) {
    const LayoutCase c = GetParam();
    const TWindowLayout layout = WindowLayoutOf(c.layout, c.atCreation);
    EXPECT_EQ(layout.ClientArea, c.client);
    EXPECT_EQ(layout.MapFrame, c.frame);
    EXPECT_EQ(layout.MapControl, QRect(QPoint(1, 1), c.control));
    EXPECT_EQ(layout.MapAnchoredAllSides, c.allSides);
}

INSTANTIATE_TEST_SUITE_P(Layouts, WindowLayoutTest,
                         ::testing::Values(LayoutCase{1, true, {612, 469}, {602, 302}, {600, 300}, true},
                                           LayoutCase{1, false, {612, 469}, {602, 302}, {600, 299}, true},
                                           LayoutCase{2, false, {762, 568}, {752, 377}, {750, 374}, true},
                                           LayoutCase{3, true, {762, 544}, {752, 377}, {750, 375}, true},
                                           LayoutCase{3, false, {761, 544}, {752, 377}, {750, 375}, true},
                                           LayoutCase{4, false, {972, 673}, {962, 482}, {960, 480}, false},
                                           LayoutCase{5, true, {972, 649}, {962, 482}, {960, 480}, false}));

TEST(CanvasSize, DoublesAtZoom2) {
    EXPECT_EQ(CanvasSizeOf(TSizePreset::W1024, true), QSize(1920, 960));
    EXPECT_EQ(CanvasSizeOf(TSizePreset::W800, false), QSize(750, 375));
}

}  // namespace
}  // namespace kelvora
