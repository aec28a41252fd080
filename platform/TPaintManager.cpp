#include "tessel/platform/TPaintManager.h"

#include "tessel/platform/TCompositor.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

HWND TPaintManager::FindPaintable(const std::vector<HWND>& windows) const
{
    for (HWND hwnd : windows) {
        const TWindow* w = m_wm.Find(hwnd);
        if (!w || !(w->style & WS_VISIBLE))
            continue;
        if (!w->update.IsEmpty() || w->frame_dirty)
            return hwnd;
        if (HWND child = FindPaintable(w->children))
            return child;
    }
    return 0;
}

bool TPaintManager::TakePaint(MSG& msg)
{
    HWND hwnd = FindPaintable(m_wm.TopLevelWindows());
    if (!hwnd)
        return false;
    msg = { hwnd, WM_PAINT, 0, 0, m_wm.Backend().NowMs() };
    return true;
}

void TPaintManager::InvalidateRect(HWND hwnd, const TRect* rect, bool erase)
{
    InvalidateRgn(hwnd, TRegion(rect ? *rect : m_wm.GetClientRect(hwnd)), erase);
}

void TPaintManager::InvalidateRgn(HWND hwnd, const TRegion& region, bool erase)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w)
        return;
    TRegion add;
    add.Combine(region, TRegion(m_wm.GetClientRect(hwnd)), RGN_AND);
    if (add.IsEmpty())
        return;
    w->update.Combine(w->update, add, RGN_OR);
    w->erase = w->erase || erase;
}

void TPaintManager::InvalidateFrame(HWND hwnd)
{
    if (TWindow* w = m_wm.Find(hwnd))
        w->frame_dirty = true;
}

bool TPaintManager::RedrawWindow(HWND hwnd, const TRect* rect, uint32_t flags)
{
    if (!m_wm.IsWindow(hwnd))
        return false;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(hwnd, rect, (flags & RDW_ERASE) != 0);
    if (flags & RDW_FRAME)
        InvalidateFrame(hwnd);
    if (flags & RDW_ALLCHILDREN)
        for (HWND child : m_wm.Children(hwnd))
            RedrawWindow(child, nullptr, flags & ~RDW_UPDATENOW);
    if (flags & RDW_UPDATENOW) {
        UpdateWindow(hwnd);
        if (flags & RDW_ALLCHILDREN)
            for (HWND child : m_wm.Children(hwnd))
                RedrawWindow(child, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return true;
}

void TPaintManager::ValidateRect(HWND hwnd, const TRect* rect)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w)
        return;
    if (!rect)
        w->update.Clear();
    else
        w->update.Combine(w->update, TRegion(*rect), RGN_DIFF);
}

TRegion TPaintManager::GetUpdateRgn(HWND hwnd) const
{
    const TWindow* w = m_wm.Find(hwnd);
    return w ? w->update : TRegion();
}

void TPaintManager::UpdateWindow(HWND hwnd)
{
    const TWindow* w = m_wm.Find(hwnd);
    if (w && (!w->update.IsEmpty() || w->frame_dirty) && m_wm.IsWindowVisible(hwnd))
        m_wm.DispatchMessage({ hwnd, WM_PAINT, 0, 0, m_wm.Backend().NowMs() });
}

TRegion TPaintManager::BeginPaint(HWND hwnd)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w)
        return {};
    TRegion update = std::move(w->update);
    w->update = TRegion();
    if (w->erase) {
        // The background goes first, through a context clipped to what is repainted.
        w->erase = false;
        auto dc = GetDC(hwnd, &update);
        if (dc)
            m_wm.SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()));
    }
    return update;
}

void TPaintManager::ResizeSurface(HWND hwnd)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w || !w->surface)
        return;
    int width = std::max(0, w->rect.Width()), height = std::max(0, w->rect.Height());
    if (width == w->surface->Width() && height == w->surface->Height())
        return;
    // What was drawn stays where it was until the window paints again.
    auto surface = std::make_unique<TSurface>(width, height, 0xFF000000);
    Raster::BitBlt(*surface, 0, 0, width, height, *w->surface, 0, 0);
    w->surface = std::move(surface);
}

const TSurface* TPaintManager::WindowSurface(HWND hwnd) const
{
    const TWindow* w = m_wm.Find(hwnd);
    return w ? w->surface.get() : nullptr;
}

std::unique_ptr<TDeviceContext> TPaintManager::MakeDC(HWND hwnd, bool client, const TRegion* clip)
{
    HWND root = m_wm.RootOf(hwnd);
    TWindow* top = m_wm.Find(root);
    if (!top)
        return nullptr;
    TRect rect = m_wm.GetWindowRect(hwnd), root_rect = m_wm.GetWindowRect(root);
    TPoint origin { rect.left - root_rect.left, rect.top - root_rect.top };
    if (client) {
        TRect c = m_wm.ClientInWindow(hwnd);
        origin = { origin.x + c.left, origin.y + c.top };
    }
    auto dc = std::make_unique<TDeviceContext>(*top->surface, origin,
        TCompositor::VisibleRegion(m_wm, hwnd, client), [this, root](const TRegion& drawn) {
            const TWindow* w = m_wm.Find(root);
            if (w && !drawn.IsEmpty())
                m_wm.Backend().Present(root, *w->surface, drawn);
        });
    if (clip)
        dc->IntersectClipRgn(*clip);
    return dc;
}

std::unique_ptr<TDeviceContext> TPaintManager::GetDC(HWND hwnd, const TRegion* clip)
{
    return MakeDC(hwnd, true, clip);
}

std::unique_ptr<TDeviceContext> TPaintManager::GetWindowDC(HWND hwnd, const TRegion* clip)
{
    return MakeDC(hwnd, false, clip);
}

bool TPaintManager::SetLayeredWindowAttributes(HWND hwnd, uint32_t, uint8_t alpha, uint32_t flags)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w || !(w->ex_style & WS_EX_LAYERED) || !m_wm.Backend().SupportsLayeredAlpha())
        return false;
    if (flags & LWA_ALPHA) {
        w->alpha = alpha;
        m_wm.Changed(hwnd);
    }
    return true;
}

uint8_t TPaintManager::LayeredAlpha(HWND hwnd) const
{
    const TWindow* w = m_wm.Find(hwnd);
    return w && (w->ex_style & WS_EX_LAYERED) ? w->alpha : 255;
}

TSurface TPaintManager::CaptureScreen(const TRect& rect)
{
    TSurface out(std::max(0, rect.Width()), std::max(0, rect.Height()), 0xFF000000);
    if (out.Empty() || m_wm.Backend().CaptureScreen(rect, out))
        return out;
    TRect screen_rect = m_wm.Backend().ScreenRect();
    TSurface screen(screen_rect.Width(), screen_rect.Height());
    TCompositor::ComposeScreen(m_wm, screen);
    Raster::BitBlt(out, 0, 0, out.Width(), out.Height(), screen, rect.left - screen_rect.left,
        rect.top - screen_rect.top);
    return out;
}

TSurface TPaintManager::CaptureWindow(HWND hwnd) const
{
    const TSurface* surface = WindowSurface(hwnd);
    if (!surface)
        return {};
    TSurface out(surface->Width(), surface->Height(), 0xFF000000);
    TRegion shape(surface->Bounds());
    if (const TRegion* region = m_wm.GetWindowRgn(hwnd))
        shape.Combine(shape, *region, RGN_AND);
    Raster::BitBlt(out, 0, 0, out.Width(), out.Height(), *surface, 0, 0, SRCCOPY, &shape);
    return out;
}

LRESULT TPaintManager::DispatchPaint(HWND hwnd)
{
    // The frame first (WM_NCPAINT, wParam 1: all of it), then the client area.
    TWindow* w = m_wm.Find(hwnd);
    if (w && w->frame_dirty) {
        w->frame_dirty = false;
        m_wm.SendMessage(hwnd, WM_NCPAINT, 1);
        w = m_wm.Find(hwnd);
    }
    if (!w || w->update.IsEmpty())
        return 0;
    LRESULT r = m_wm.SendMessage(hwnd, WM_PAINT);
    // A handler that did not paint must not be asked for ever.
    if ((w = m_wm.Find(hwnd))) {
        w->update.Clear();
        w->erase = false;
    }
    return r;
}

} // namespace tessel
