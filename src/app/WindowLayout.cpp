#include "WindowLayout.h"

#include "WindowSize.h"

#include <cmath>

namespace kelvora {

TLayout ComputeLayout(char storedOption, int screenWidth, double logicalDpiX) {
    TLayout layout;
    layout.FontScale = std::lround(logicalDpiX) == 120 ? 18 : 15;
    char option = storedOption;
    if (option == '-' && layout.FontScale > 15) option = '/';
    if (option == '+' && screenWidth < 1024) option = '/';
    if (option != '-' && screenWidth < 800) option = '-';
    const TSizePreset preset = PresetOfOption(option);
    layout.WindowSizeOption = OptionOfPreset(preset);
    layout.LayoutSize = LayoutSizeOf(preset, layout.FontScale);
    layout.MapScale = MapScaleOf(preset);
    return layout;
}

}  // namespace kelvora
