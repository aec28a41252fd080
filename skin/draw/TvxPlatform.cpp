#include "tessel/skin/draw/TvxPlatform.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TWindowManager.h"

namespace tessel {

void TvxPlatform::ScreenToBitmap(int x, int y, TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    TSurface shot
        = TWindowManager::Instance().CaptureScreen({ x, y, x + bitmap.Width(), y + bitmap.Height() });
    for (int row = 0; row < bitmap.Height() && row < shot.Height(); ++row)
        for (int col = 0; col < bitmap.Width() && col < shot.Width(); ++col)
            bitmap.SetPixel(col, row, shot.Pixel(col, row));
}

bool TvxPlatform::LayeredAlpha()
{
    return TWindowManager::Instance().Backend().SupportsLayeredAlpha();
}

void TvxPlatform::SetWindowAlpha(HWND window, uint8_t alpha)
{
    TWindowManager& wm = TWindowManager::Instance();
    uint32_t ex = wm.GetExStyle(window);
    if (!(ex & WS_EX_LAYERED))
        wm.SetExStyle(window, ex | WS_EX_LAYERED);
    wm.SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

void TvxPlatform::ClearWindowAlpha(HWND window)
{
    TWindowManager& wm = TWindowManager::Instance();
    wm.SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
    uint32_t ex = wm.GetExStyle(window);
    if (ex & WS_EX_LAYERED)
        wm.SetExStyle(window, ex & ~WS_EX_LAYERED);
}

void TvxPlatform::FadeIn(HWND window, int first, int step, uint8_t target, int pause_ms)
{
    TWindowManager& wm = TWindowManager::Instance();
    TBackend& backend = wm.Backend();
    for (int alpha = first; alpha < target && step > 0; alpha += step) {
        if (!wm.IsWindow(window))
            return;
        SetWindowAlpha(window, static_cast<uint8_t>(alpha));
        wm.UpdateWindow(window);
        // Input may end a wait early; the step still waits its whole pause.
        uint64_t due = backend.NowMs() + static_cast<uint64_t>(pause_ms);
        while (backend.NowMs() < due)
            backend.WaitUntil(due);
    }
    if (wm.IsWindow(window))
        SetWindowAlpha(window, target);
}

TRect TvxPlatform::WorkArea(HWND window, TvxWorkArea which)
{
    TWindowManager& wm = TWindowManager::Instance();
    if (window && wm.IsWindow(window)) {
        MONITORINFO info;
        if (wm.GetMonitorInfo(wm.MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), info))
            return which == TvxWorkArea::kWorkArea ? info.rcWork : info.rcMonitor;
    }
    if (which == TvxWorkArea::kWholeMonitor)
        return wm.Backend().ScreenRect();
    TRect work;
    wm.SystemParametersInfo(SPI_GETWORKAREA, &work);
    return work;
}

} // namespace tessel
