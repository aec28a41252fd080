#pragma once

#include "tessel/platform/TRect.h"

namespace tessel {

// Where a popup menu window goes: below (or above) its anchor, or beside it for a
// submenu, kept inside the work area; a window that cannot stay by its anchor is
// moved beside it instead.
struct TvxPopupPlacement {
    TRect anchor;
    TRect work_area;
    int width = 0, height = 0;
    bool submenu = false;
    bool above = false;
    bool scrollable = false;
    bool limited = false;
    // The top of the items rectangle: a submenu's first item lines up with its parent item.
    int items_top = 0;

    // The window's top-left on the screen.
    TPoint Place() const;
};

} // namespace tessel
