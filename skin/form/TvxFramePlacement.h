#pragma once

#include "tessel/platform/TRect.h"

#include <vector>

namespace tessel {

// Where the controller puts its form itself: maximised into the work area (or onto
// the whole monitor), and minimised to a slot along the bottom of the work area.
class TvxFramePlacement {
public:
    // The maximised bounds. A work area as large as its monitor that is the whole
    // screen (no task bar takes room) loses a pixel on every side, so that a bar that
    // shows at the screen's edge can still be reached.
    static TRect Maximized(const TRect& monitor, const TRect& work, const TRect& screen, bool full_screen);
    // The top-left of a minimised form of size: from the bottom-left of area, right
    // past every place taken, a row higher when a row is full; the bottom row's first
    // place when the area is full.
    static TPoint MinimizedSlot(const TRect& area, TPoint size, const std::vector<TPoint>& taken);
};

} // namespace tessel
