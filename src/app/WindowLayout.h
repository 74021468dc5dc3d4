#pragma once
// The main window's layout from the stored window size and the screen.

#include "AppState.h"

namespace kelvora {

// Layout from the stored window size and the screen: the option is reduced to what
// the screen allows, then gives the layout size and map scale.
TLayout ComputeLayout(char storedOption, int screenWidth, double logicalDpiX);

}  // namespace kelvora
