// The arithmetic of the main window's place (player/shell/window/window_place asks the screens
// and moves the window): whether the place kept from the last run still shows, and the restored
// place of a window that opens maximized.
#pragma once

#include <optional>
#include <vector>

#include "player/model/control_places.h"
#include "player/model/settings.h"

// The kept place (x, y, width, height of kept), when it is a number a desktop can reach, at
// least smallestWidth x smallestHeight, and keeps that much of itself, its top edge included,
// in one of the work areas.
std::optional<PixelRect> KeptWindowPlace(const WindowMemory& kept, int smallestWidth,
                                         int smallestHeight,
                                         const std::vector<PixelRect>& workAreas);

// Three quarters of the work area's size (rounded to the nearest pixel) in its middle.
PixelRect RestoredWindowPlace(const PixelRect& workArea);
