#pragma once
// The three size presets of the main window and the layout each one sets: map
// scale, canvas sizes, the map frame, the picKarte control and the client area.
// Plain values; the main window applies them.

#include <QRect>
#include <QSize>
#include <QString>

namespace kelvora {

// Options items 0, 1, 2 of " Program window  ".
enum class TSizePreset { W640 = 0, W800 = 1, W1024 = 2 };

// '-' W1, '/' W2, '+' W3 (the stored WindowSizeOption); anything else is W1.
TSizePreset PresetOfOption(char windowSizeOption);
char OptionOfPreset(TSizePreset preset);
QString WinSizeCaption(TSizePreset preset);  // "W1", "W2", "W3"
double MapScaleOf(TSizePreset preset);  // 1.0, 1.25, 1.6
// Canvas size of the preset's map pictures at zoom 1 or 2.
QSize CanvasSizeOf(TSizePreset preset, bool zoom2);

// A screen of 120 dpi reports FontScale 18; anything above 16 counts as such.
bool IsLargeFontScale(int fontScale);
int LayoutSizeOf(TSizePreset preset, int fontScale);  // 1 to 5
TSizePreset PresetOfLayout(int layoutSize);

// The next preset for a click on lblWinSize: 640/480 -> 800/600 -> 1024/768 ->
// 640/480, where 120-dpi screens go from 1024/768 to 800/600.
TSizePreset NextPreset(TSizePreset current, int fontScale);

struct TWindowLayout {
    int LayoutSize = 1;
    QSize ClientArea;  // window size less the frame allowances
    QSize MapFrame;  // BevAusgabe
    QRect MapControl;  // picKarte, relative to the map frame
    bool MapAnchoredAllSides = true;  // else top-left only
};

// atCreation: the layout the main window gets when it is created; a later preset
// change gives a client area one pixel narrower in layout 3 and a map control one
// row lower in layouts 1 and 2.
TWindowLayout WindowLayoutOf(int layoutSize, bool atCreation);

}  // namespace kelvora
