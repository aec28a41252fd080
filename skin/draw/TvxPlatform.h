#pragma once

#include "platform/TMessage.h"
#include "platform/TRect.h"

#include <cstdint>

namespace tessel {

class TBitmap;

enum class TvxWorkArea { kWorkArea, kWholeMonitor };

// The few platform questions the skin engine asks, in one place.
class TvxPlatform {
public:
    // Copies the screen at (x, y), the bitmap's size, into the bitmap.
    static void ScreenToBitmap(int x, int y, TBitmap& bitmap);
    // Whole-window alpha through layered windows; does nothing where they are missing.
    static void SetWindowAlpha(HWND window, uint8_t alpha);
    // The version tests of the platform this engine was written for: this system
    // counts as a version above 5, with layered windows wherever the desktop can show them.
    static bool LayeredWindowsVersion() { return true; }
    static bool XpOrLaterVersion() { return true; }
    static bool VistaOrLaterVersion() { return true; }
    // The work area (or the whole area) of the monitor a window is on; the primary
    // monitor's without a window.
    static TRect WorkArea(HWND window, TvxWorkArea which);
};

// Rectangle helpers with the platform's point tests.
inline int RectWidth(const TRect& r)
{
    return r.right - r.left;
}
inline int RectHeight(const TRect& r)
{
    return r.bottom - r.top;
}
inline bool IsNullRect(const TRect& r)
{
    return RectWidth(r) <= 0 || RectHeight(r) <= 0;
}
// Inclusive on all four sides.
inline bool PointInRect(TPoint p, const TRect& r)
{
    return p.x >= r.left && p.y >= r.top && p.x <= r.right && p.y <= r.bottom;
}
// Both corners pass PtInRect (right and bottom exclusive).
inline bool RectInRect(const TRect& inner, const TRect& outer)
{
    auto pt_in = [&](int x, int y) {
        return x >= outer.left && y >= outer.top && x < outer.right && y < outer.bottom;
    };
    return pt_in(inner.left, inner.top) && pt_in(inner.right, inner.bottom);
}

} // namespace tessel
