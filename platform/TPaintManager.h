#pragma once

#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TMessage.h"
#include "tessel/platform/TRegion.h"
#include "tessel/platform/TSurface.h"

#include <memory>
#include <vector>

namespace tessel {

class TWindowManager;
struct MSG;

// Painting: update regions and the WM_NCPAINT, WM_ERASEBKGND and WM_PAINT they
// bring, the surfaces of top-level windows, device contexts on them, layered
// alpha, and captures of the screen and of windows.
class TPaintManager {
public:
    explicit TPaintManager(TWindowManager& wm)
        : m_wm(wm)
    { }

    // Adds to the update region (client coordinates); erase asks BeginPaint to send
    // WM_ERASEBKGND first.
    void InvalidateRect(HWND hwnd, const TRect* rect, bool erase = true);
    void InvalidateRgn(HWND hwnd, const TRegion& region, bool erase = true);
    // Marks the frame for WM_NCPAINT, which comes before the next WM_PAINT. Showing,
    // sizing, SWP_FRAMECHANGED and a new window region mark it too.
    void InvalidateFrame(HWND hwnd);
    // RDW_INVALIDATE, RDW_ERASE, RDW_FRAME, RDW_ALLCHILDREN, RDW_UPDATENOW.
    bool RedrawWindow(HWND hwnd, const TRect* rect, uint32_t flags);
    void ValidateRect(HWND hwnd, const TRect* rect);
    // The update region in client coordinates.
    TRegion GetUpdateRgn(HWND hwnd) const;
    // Sends WM_NCPAINT and WM_PAINT at once when they are due.
    void UpdateWindow(HWND hwnd);
    // What a WM_PAINT handler paints: the update region, which is then validated.
    // WM_ERASEBKGND comes first when the invalidation asked for it; its wParam is
    // the TDeviceContext* to erase on.
    TRegion BeginPaint(HWND hwnd);

    // A context for drawing on the client area or the whole window, clipped to what
    // of it is visible (and to clip, in the context's coordinates, when given).
    // What was drawn is presented when the context goes.
    std::unique_ptr<TDeviceContext> GetDC(HWND hwnd, const TRegion* clip = nullptr);
    std::unique_ptr<TDeviceContext> GetWindowDC(HWND hwnd, const TRegion* clip = nullptr);
    // The surface a top-level window draws into; none for other windows.
    const TSurface* WindowSurface(HWND hwnd) const;

    // Whole-window alpha for WS_EX_LAYERED windows (flags LWA_ALPHA). False when the
    // window is not layered or the backend cannot show it, and nothing changes.
    bool SetLayeredWindowAttributes(HWND hwnd, uint32_t key, uint8_t alpha, uint32_t flags);
    // 255 unless alpha has been set.
    uint8_t LayeredAlpha(HWND hwnd) const;

    // What the screen shows inside rect, as the backend reads it or, when it cannot,
    // as this window manager composes its windows.
    TSurface CaptureScreen(const TRect& rect);
    // One top-level window's pixels, black outside its region.
    TSurface CaptureWindow(HWND hwnd) const;

    // The next window with a paint due, front to back, as a WM_PAINT message.
    bool TakePaint(MSG& msg);
    // Sends the due WM_NCPAINT, then WM_PAINT; the update region is empty after.
    LRESULT DispatchPaint(HWND hwnd);
    // Gives a top-level window's surface its window's size, keeping what it can.
    void ResizeSurface(HWND hwnd);

private:
    HWND FindPaintable(const std::vector<HWND>& windows) const;
    std::unique_ptr<TDeviceContext> MakeDC(HWND hwnd, bool client, const TRegion* clip);

    TWindowManager& m_wm;
};

} // namespace tessel
