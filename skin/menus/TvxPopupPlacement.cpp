#include "tessel/skin/menus/TvxPopupPlacement.h"

#include <algorithm>

namespace tessel {

TPoint TvxPopupPlacement::Place() const
{
    const TRect& r = anchor;
    const TRect& wa = work_area;
    const int w = width, h = height;
    int mid = wa.top + wa.Height() / 2;
    bool shifted = false;
    int y = 0;
    if (scrollable && !limited) {
        y = wa.top;
    } else if (submenu) {
        if (r.top - items_top + h <= wa.bottom)
            y = r.top - items_top;
        else if (r.top < mid)
            y = wa.bottom - h;
        else
            y = std::max(wa.top, r.bottom - h + items_top);
    } else if (above) {
        if (r.top - h >= wa.top) {
            y = r.top - h;
        } else if (r.top >= mid) {
            y = wa.top;
            shifted = true;
        } else if (r.bottom + h <= wa.bottom) {
            y = r.bottom;
        } else {
            y = wa.bottom - h;
            shifted = true;
        }
    } else {
        if (r.bottom + h <= wa.bottom) {
            y = r.bottom;
        } else if (r.top < mid) {
            y = wa.bottom - h;
            shifted = true;
        } else if (r.top - h >= wa.top) {
            y = r.top - h;
        } else {
            y = wa.top;
            shifted = true;
        }
    }
    int x = r.left;
    if (submenu || (scrollable && !limited) || shifted) {
        x = r.right + w + 1 <= wa.right ? r.right + 1 : r.left - w - 1;
    } else if (x + w > wa.right) {
        x = wa.right - w;
    } else if (x < wa.left) {
        x = wa.left;
    }
    return { x, y };
}

} // namespace tessel
