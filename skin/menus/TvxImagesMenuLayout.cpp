#include "tessel/skin/menus/TvxImagesMenuLayout.h"

#include "tessel/platform/Messages.h"

#include <algorithm>

namespace tessel {

TRect TvxImagesMenuLayout::Arrange(
    std::vector<TvxImagesMenuItem>& items, TPoint origin, TPoint image_size, int columns, int header_height)
{
    const int cw = image_size.x + 10, ch = image_size.y + 10;
    const int row_width = std::max(columns, 1) * cw;
    int x = origin.x, y = origin.y;
    bool row_started = false;
    auto end_row = [&] {
        if (row_started) {
            y += ch + 1;
            x = origin.x;
            row_started = false;
        }
    };
    for (TvxImagesMenuItem& item : items) {
        if (item.Header || item.Button) {
            end_row();
            int h = item.Header ? header_height : ch;
            item.CellRect = { origin.x, y, origin.x + row_width, y + h };
            y += h + 1;
            continue;
        }
        if (row_started && x + cw > origin.x + row_width) {
            y += ch + 1;
            x = origin.x;
        }
        item.CellRect = { x, y, x + cw, y + ch };
        x += cw;
        row_started = true;
    }
    int bottom = items.empty() ? origin.y : items.back().CellRect.bottom;
    return { origin.x, origin.y, origin.x + row_width, std::max(bottom, origin.y) };
}

int TvxImagesMenuLayout::Move(const std::vector<TvxImagesMenuItem>& items, int hot, uint16_t key)
{
    const int n = static_cast<int>(items.size());
    auto selectable = [&](int i) { return i >= 0 && i < n && !items[static_cast<size_t>(i)].Header; };
    auto first = [&] {
        for (int i = 0; i < n; ++i)
            if (selectable(i))
                return i;
        return -1;
    };
    auto last = [&] {
        for (int i = n - 1; i >= 0; --i)
            if (selectable(i))
                return i;
        return -1;
    };
    if (!selectable(hot))
        return key == VK_RIGHT || key == VK_DOWN ? first() : last();
    const TRect& at = items[static_cast<size_t>(hot)].CellRect;
    switch (key) {
    case VK_RIGHT:
        for (int step = 1; step <= n; ++step)
            if (int i = (hot + step) % n; selectable(i))
                return i;
        return hot;
    case VK_LEFT:
        for (int step = 1; step <= n; ++step)
            if (int i = (hot - step + n) % n; selectable(i))
                return i;
        return hot;
    case VK_DOWN:
        for (int i = hot + 1; i < n; ++i) {
            const TvxImagesMenuItem& item = items[static_cast<size_t>(i)];
            if (selectable(i) && item.CellRect.top > at.top && (item.Button || item.CellRect.left == at.left))
                return i;
        }
        return hot;
    case VK_UP:
        for (int i = hot - 1; i >= 0; --i) {
            const TvxImagesMenuItem& item = items[static_cast<size_t>(i)];
            if (selectable(i) && item.CellRect.top < at.top && (item.Button || item.CellRect.left == at.left))
                return i;
        }
        return hot;
    default:
        return hot;
    }
}

} // namespace tessel
