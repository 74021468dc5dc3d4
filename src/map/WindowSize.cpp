#include "WindowSize.h"

namespace kelvora {

namespace {

struct TPresetRow {
    char Option;
    const char* Caption;
    double Factor;
    int CanvasW1;  // zoom 1; zoom 2 doubles both sides
    int CanvasH1;
};

constexpr TPresetRow kPresets[] = {
    {'-', "W1", 1.0, 600, 300},
    {'/', "W2", 1.25, 750, 375},
    {'+', "W3", 1.6, 960, 480},
};

const TPresetRow& Row(TSizePreset preset) { return kPresets[static_cast<int>(preset)]; }

}  // namespace

TSizePreset PresetOfOption(char windowSizeOption) {
    switch (windowSizeOption) {
        case '/':
            return TSizePreset::W800;
        case '+':
            return TSizePreset::W1024;
        default:
            return TSizePreset::W640;
    }
}

char OptionOfPreset(TSizePreset preset) { return Row(preset).Option; }

QString WinSizeCaption(TSizePreset preset) { return QString::fromLatin1(Row(preset).Caption); }

double MapScaleOf(TSizePreset preset) { return Row(preset).Factor; }

QSize CanvasSizeOf(TSizePreset preset, bool zoom2) {
    const int k = zoom2 ? 2 : 1;
    return {Row(preset).CanvasW1 * k, Row(preset).CanvasH1 * k};
}

bool IsLargeFontScale(int fontScale) { return fontScale > 16; }

int LayoutSizeOf(TSizePreset preset, int fontScale) {
    const bool large = IsLargeFontScale(fontScale);
    switch (preset) {
        case TSizePreset::W800:
            return large ? 2 : 3;
        case TSizePreset::W1024:
            return large ? 4 : 5;
        default:
            return 1;
    }
}

TSizePreset PresetOfLayout(int layoutSize) {
    if (layoutSize == 2 || layoutSize == 3) return TSizePreset::W800;
    if (layoutSize == 4 || layoutSize == 5) return TSizePreset::W1024;
    return TSizePreset::W640;
}

TSizePreset NextPreset(TSizePreset current, int fontScale) {
    switch (current) {
        case TSizePreset::W640:
            return TSizePreset::W800;
        case TSizePreset::W800:
            return TSizePreset::W1024;
        default:
            return IsLargeFontScale(fontScale) ? TSizePreset::W800 : TSizePreset::W640;
    }
}

TWindowLayout WindowLayoutOf(int layoutSize, bool atCreation) {
    if (layoutSize < 1 || layoutSize > 5) layoutSize = 1;
    struct TLayoutRow {
        int ClientW, ClientH, FrameW, FrameH;
    };
    static constexpr TLayoutRow kRows[] = {
        {612, 469, 602, 302}, {762, 568, 752, 377}, {762, 544, 752, 377}, {972, 673, 962, 482}, {972, 649, 962, 482},
    };
    const TLayoutRow& row = kRows[layoutSize - 1];
    const TSizePreset preset = PresetOfLayout(layoutSize);
    const QSize canvas = CanvasSizeOf(preset, false);

    TWindowLayout layout;
    layout.LayoutSize = layoutSize;
    layout.ClientArea = {row.ClientW, row.ClientH};
    layout.MapFrame = {row.FrameW, row.FrameH};
    int controlHeight = canvas.height();
    if (!atCreation) {
        // A later size change leaves these one pixel short, as the window always did.
        if (layoutSize == 3) layout.ClientArea.setWidth(row.ClientW - 1);
        if (layoutSize <= 2) controlHeight -= 1;
    }
    layout.MapControl = QRect(1, 1, canvas.width(), controlHeight);
    layout.MapAnchoredAllSides = layoutSize <= 3;
    return layout;
}

}  // namespace kelvora
