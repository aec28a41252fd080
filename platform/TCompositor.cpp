#include "tessel/platform/TCompositor.h"

#include "tessel/platform/Raster.h"
#include "tessel/platform/TSurface.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

namespace {

// The part of a window that covers its parent: its rectangle, cut by its region;
// in the coordinates of the window rectangle of root.
TRegion Footprint(const TWindowManager& wm, HWND hwnd, TPoint root_origin)
{
    TRect rect = wm.GetWindowRect(hwnd);
    TRegion shape(TRect { 0, 0, rect.Width(), rect.Height() });
    if (const TRegion* region = wm.GetWindowRgn(hwnd))
        shape.Combine(shape, *region, RGN_AND);
    shape.Offset(rect.left - root_origin.x, rect.top - root_origin.y);
    return shape;
}

TRegion ClientArea(const TWindowManager& wm, HWND hwnd, TPoint root_origin)
{
    TRect rect = wm.GetWindowRect(hwnd);
    TRect client = wm.ClientInWindow(hwnd);
    int dx = rect.left - root_origin.x, dy = rect.top - root_origin.y;
    return TRegion(TRect { client.left + dx, client.top + dy, client.right + dx, client.bottom + dy });
}

// Cuts out the visible ones of windows, children of parent, as far as they show
// inside the parent's client area.
void SubtractVisible(const TWindowManager& wm, HWND parent, const std::vector<HWND>& windows,
    TPoint root_origin, TRegion& region)
{
    TRegion client = ClientArea(wm, parent, root_origin);
    for (HWND w : windows)
        if (wm.GetStyle(w) & WS_VISIBLE) {
            TRegion shown = Footprint(wm, w, root_origin);
            shown.Combine(shown, client, RGN_AND);
            region.Combine(region, shown, RGN_DIFF);
        }
}

} // namespace

TRegion TCompositor::VisibleRegion(const TWindowManager& wm, HWND hwnd, bool client)
{
    HWND root = wm.RootOf(hwnd);
    if (!root || !wm.IsWindowVisible(hwnd) || wm.IsIconic(root))
        return {};
    TRect root_rect = wm.GetWindowRect(root);
    TPoint origin { root_rect.left, root_rect.top };
    TRegion region = Footprint(wm, hwnd, origin);
    if (client)
        region.Combine(region, ClientArea(wm, hwnd, origin), RGN_AND);
    // Children are cut out of their parent's drawing.
    SubtractVisible(wm, hwnd, wm.Children(hwnd), origin, region);
    for (HWND w = hwnd; w != root; w = wm.GetParent(w)) {
        HWND parent = wm.GetParent(w);
        std::vector<HWND> siblings = wm.Children(parent);
        auto self = std::find(siblings.begin(), siblings.end(), w);
        SubtractVisible(wm, parent, std::vector<HWND>(siblings.begin(), self), origin, region);
        region.Combine(region, ClientArea(wm, parent, origin), RGN_AND);
        region.Combine(region, Footprint(wm, parent, origin), RGN_AND);
    }
    return region;
}

void TCompositor::Blend(TSurface& dst, int x, int y, const TSurface& src, const TRegion& clip, uint8_t alpha)
{
    TRegion area(TRect { x, y, x + src.Width(), y + src.Height() });
    area.Combine(area, clip, RGN_AND);
    area.Combine(area, TRegion(dst.Bounds()), RGN_AND);
    const uint32_t a = alpha, na = 255 - alpha;
    for (const TRect& r : area.Rects())
        for (int row = r.top; row < r.bottom; ++row) {
            uint32_t* out = dst.ScanLine(row) + r.left;
            const uint32_t* in = src.ScanLine(row - y) + (r.left - x);
            const int n = r.Width();
            // Red and blue travel together in one word, green alone: 8 bits of
            // headroom each, and the same rounding as the reference's per channel.
            for (int i = 0; i < n; ++i) {
                uint32_t s = in[i], d = out[i];
                uint32_t rb = (s & 0xFF00FF) * a + (d & 0xFF00FF) * na + 0x800080;
                rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
                uint32_t g = (s & 0xFF00) * a + (d & 0xFF00) * na + 0x8000;
                g = ((g + ((g >> 8) & 0xFF00)) >> 8) & 0xFF00;
                out[i] = 0xFF000000 | rb | g;
            }
        }
}

void TCompositor::BlendReference(
    TSurface& dst, int x, int y, const TSurface& src, const TRegion& clip, uint8_t alpha)
{
    for (int row = 0; row < src.Height(); ++row)
        for (int col = 0; col < src.Width(); ++col) {
            int dx = x + col, dy = y + row;
            if (dx < 0 || dy < 0 || dx >= dst.Width() || dy >= dst.Height() || !clip.Contains(dx, dy))
                continue;
            uint32_t s = src.Pixel(col, row), d = dst.Pixel(dx, dy), out = 0xFF000000;
            for (int shift = 0; shift < 24; shift += 8) {
                uint32_t v = ((s >> shift) & 0xFF) * alpha + ((d >> shift) & 0xFF) * (255 - alpha);
                // Rounded division by 255.
                out |= ((v + 128 + ((v + 128) >> 8)) >> 8) << shift;
            }
            dst.SetPixel(dx, dy, out);
        }
}

void TCompositor::ComposeWindow(const TWindowManager& wm, HWND top, TSurface& dst, int x, int y)
{
    const TSurface* surface = wm.WindowSurface(top);
    if (!surface)
        return;
    TRegion shape(surface->Bounds());
    if (const TRegion* region = wm.GetWindowRgn(top))
        shape.Combine(shape, *region, RGN_AND);
    shape.Offset(x, y);
    uint8_t alpha = wm.LayeredAlpha(top);
    if (alpha == 255)
        Raster::BitBlt(dst, x, y, surface->Width(), surface->Height(), *surface, 0, 0, SRCCOPY, &shape);
    else
        Blend(dst, x, y, *surface, shape, alpha);
}

void TCompositor::ComposeScreen(const TWindowManager& wm, TSurface& screen)
{
    Raster::FillRect(screen, screen.Bounds(), kDesktopColor);
    TRect screen_rect = const_cast<TWindowManager&>(wm).Backend().ScreenRect();
    const std::vector<HWND>& tops = wm.TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        if (!wm.IsWindowVisible(*it) || wm.IsIconic(*it))
            continue;
        TRect rect = wm.GetWindowRect(*it);
        ComposeWindow(wm, *it, screen, rect.left - screen_rect.left, rect.top - screen_rect.top);
    }
}

} // namespace tessel
