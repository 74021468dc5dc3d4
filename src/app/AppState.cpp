#include "AppState.h"

#include <cmath>

namespace kelvora {

TLayout ComputeLayout(char storedOption, int screenWidth, double logicalDpiX) {
    TLayout layout;
    layout.FontScale = std::lround(logicalDpiX) == 120 ? 18 : 15;
    char option = storedOption;
    if (option == '-' && layout.FontScale > 15) option = '/';
    if (option == '+' && screenWidth < 1024) option = '/';
    if (option != '-' && screenWidth < 800) option = '-';
    if (option != '+' && option != '/') option = '-';
    layout.WindowSizeOption = option;
    const bool bigFont = layout.FontScale > 16;
    if (option == '+') {
        layout.LayoutSize = bigFont ? 4 : 5;
        layout.MapScale = 1.6;
    } else if (option == '/') {
        layout.LayoutSize = bigFont ? 2 : 3;
        layout.MapScale = 1.25;
    } else {
        layout.LayoutSize = 1;
        layout.MapScale = 1.0;
    }
    return layout;
}

TLayoutGeometry GeometryOfLayout(int layoutSize) {
    switch (layoutSize) {
        case 2: return {762, 568, 752, 377};
        case 3: return {762, 544, 752, 377};
        case 4: return {972, 673, 962, 482};
        case 5: return {972, 649, 962, 482};
        default: return {612, 469, 602, 302};
    }
}

}  // namespace kelvora
