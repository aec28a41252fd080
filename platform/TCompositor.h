#pragma once

#include "tessel/platform/TMessage.h"
#include "tessel/platform/TRegion.h"

namespace tessel {

class TSurface;
class TWindowManager;

// Where windows show. A top-level window owns one surface the size of its window
// rectangle; its child windows draw into it, each inside its visible region: its
// own rectangle and region, within every ancestor's client area and region,
// less the visible children in it and the siblings in front of it and of each
// ancestor. The screen is the top-level surfaces put down back to front, each
// through its window region, layered windows blended by their alpha.
class TCompositor {
public:
    // The part of a window (its client area when client is set) that can be seen,
    // in its top-level window's coordinates. Empty for a hidden or minimized window.
    static TRegion VisibleRegion(const TWindowManager& wm, HWND hwnd, bool client);
    // Puts every visible top-level window onto screen (whose (0, 0) is the screen
    // rectangle's top-left) over the desktop colour.
    static void ComposeScreen(const TWindowManager& wm, TSurface& screen);
    // Puts one top-level window onto dst with its window rectangle's top-left at
    // (x, y), through its region, blended by its layered alpha.
    static void ComposeWindow(const TWindowManager& wm, HWND top, TSurface& dst, int x, int y);
    // Copies src onto dst through clip, mixing alpha / 255 of src with the rest of dst.
    static void Blend(TSurface& dst, int x, int y, const TSurface& src, const TRegion& clip, uint8_t alpha);
    // The same as a plain loop, which Blend is tested against.
    static void BlendReference(
        TSurface& dst, int x, int y, const TSurface& src, const TRegion& clip, uint8_t alpha);

    // The colour of the screen where no window is.
    static constexpr uint32_t kDesktopColor = 0xFF3A6EA5;
};

} // namespace tessel
