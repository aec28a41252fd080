#pragma once

#include "tessel/platform/TMessage.h"
#include "tessel/platform/TRect.h"

#include <cstdint>

namespace tessel {

class TBitmap;

enum class TvxWorkArea { kWorkArea, kWholeMonitor };

// The few platform questions the skin engine asks, in one place.
class TvxPlatform {
public:
    // Copies the screen at (x, y), the bitmap's size, into the bitmap.
    static void ScreenToBitmap(int x, int y, TBitmap& bitmap);
    // The desktop shows whole-window alpha (a compositor runs).
    static bool LayeredAlpha();
    // Whole-window alpha through layered windows; does nothing where they are missing.
    static void SetWindowAlpha(HWND window, uint8_t alpha);
    // Takes the whole-window alpha away again (the window shows opaque).
    static void ClearWindowAlpha(HWND window);
    // Raises the window's alpha from first in steps of step to target, painting each
    // step and waiting pause_ms between steps; a busy loop on the GUI thread.
    static void FadeIn(HWND window, int first, int step, uint8_t target, int pause_ms);
    // The version tests of the platform this engine was written for: this system
    // counts as a version above 5, with layered windows wherever the desktop can show them.
    static bool LayeredWindowsVersion() { return true; }
    static bool XpOrLaterVersion() { return true; }
    static bool VistaOrLaterVersion() { return true; }
    // The work area (or the whole area) of the monitor a window is on; the primary
    // monitor's without a window.
    static TRect WorkArea(HWND window, TvxWorkArea which);
};

// The engine's point test that counts the right and bottom edges in (the platform's
// own test, TRect::Contains, leaves them out).
inline bool PointInRect(TPoint p, const TRect& r)
{
    return p.x >= r.left && p.y >= r.top && p.x <= r.right && p.y <= r.bottom;
}

} // namespace tessel
