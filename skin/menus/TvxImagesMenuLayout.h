#pragma once

#include "tessel/platform/TRect.h"
#include "tessel/skin/menus/TvxImagesMenuItem.h"

#include <vector>

namespace tessel {

// The grid of an images menu: image cells in rows of a number of columns, header and
// button rows across the whole width, and the keys that move among them.
class TvxImagesMenuLayout {
public:
    // Places every item's cell from origin; returns the items' area (row width wide).
    static TRect Arrange(std::vector<TvxImagesMenuItem>& items, TPoint origin, TPoint image_size, int columns,
        int header_height);
    // The item a key moves to from hot (-1 for none): VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN.
    static int Move(const std::vector<TvxImagesMenuItem>& items, int hot, uint16_t key);
};

} // namespace tessel
