#include "tessel/skin/form/TvxFramePlacement.h"

#include <algorithm>

namespace tessel {

TRect TvxFramePlacement::Maximized(
    const TRect& monitor, const TRect& work, const TRect& screen, bool full_screen)
{
    // A work area with no room (a bar as tall as the screen) leaves the whole monitor.
    TRect target = full_screen || work.IsEmpty() ? monitor : work;
    bool bare = work.Width() == monitor.Width() && work.Height() == monitor.Height() && monitor == screen;
    if (bare)
        target = { target.left + 1, target.top + 1, target.right - 1, target.bottom - 1 };
    return target;
}

TPoint TvxFramePlacement::MinimizedSlot(const TRect& area, TPoint size, const std::vector<TPoint>& taken)
{
    const int w = std::max(size.x, 1), h = std::max(size.y, 1);
    TPoint at { area.left, area.bottom - h };
    auto is_taken = [&](TPoint p) { return std::find(taken.begin(), taken.end(), p) != taken.end(); };
    while (is_taken(at)) {
        at.x += w;
        if (at.x + w > area.right) {
            at.x = area.left;
            at.y -= h;
            if (at.y < area.top)
                return { area.left, area.bottom - h };
        }
    }
    return at;
}

} // namespace tessel
