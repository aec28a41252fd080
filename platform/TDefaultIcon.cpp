#include "tessel/platform/TDefaultIcon.h"

#include <algorithm>

namespace tessel {

TSurface TDefaultIcon::Application(int size)
{
    size = std::max(size, 8);
    TSurface icon(size, size, 0);
    constexpr uint32_t kOutline = 0xFF202830, kBar = 0xFF2A5DB0, kBody = 0xFFF4F4F4, kButton = 0xFFE0E8F8;
    int inset = size / 16, right = size - 1 - inset, bottom = size - 1 - inset;
    int bar = inset + std::max(size / 4, 2);
    for (int y = inset + 1; y <= bottom; ++y)
        for (int x = inset; x <= right; ++x) {
            bool edge = x == inset || x == right || y == inset + 1 || y == bottom;
            icon.SetPixel(x, y, edge ? kOutline : (y <= bar ? kBar : kBody));
        }
    // A close box at the bar's right end.
    int box = std::max((bar - inset) / 2, 1);
    for (int y = inset + 3; y < inset + 3 + box && y < bar; ++y)
        for (int x = right - 2 - box; x < right - 2; ++x)
            icon.SetPixel(x, y, kButton);
    return icon;
}

} // namespace tessel
