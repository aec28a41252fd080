#pragma once

#include "tessel/platform/TMessage.h"
#include "tessel/platform/TNotificationArea.h"
#include "tessel/platform/TRect.h"
#include "tessel/platform/TWebView.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tessel {

class TRegion;
class TSurface;

// One monitor: its whole rectangle and its work area, in screen coordinates.
struct TMonitor {
    TRect rect;
    TRect work;
};

// What the window system needs from the machine it runs on: time, the screen, a way
// to wait, and real windows to mirror its top-level windows onto. The headless
// backend answers from a virtual screen and clock; the desktop backend from the real
// ones. Nothing above the window system sees which.
class TBackend {
public:
    virtual ~TBackend() = default;

    // Milliseconds since some fixed start; never goes back.
    virtual uint64_t NowMs() = 0;
    virtual TRect ScreenRect() = 0;
    virtual TRect WorkArea() = 0;
    // Monitors, the primary one first.
    virtual std::vector<TMonitor> Monitors() { return { { ScreenRect(), WorkArea() } }; }
    // Waits until the given time or until input arrives, whichever is first.
    virtual void WaitUntil(uint64_t ms) = 0;

    // A top-level window was shown, hidden, moved, sized, reshaped or restacked; the
    // backend reads its state from the window manager.
    virtual void WindowChanged(HWND) { }
    virtual void WindowDestroyed(HWND) { }
    // Pixels of a top-level window's surface changed inside dirty (window coordinates).
    virtual void Present(HWND, const TSurface&, const TRegion&) { }
    virtual void SetCursorShape(int) { }
    // Whether whole-window alpha can be shown (a compositing desktop).
    virtual bool SupportsLayeredAlpha() { return true; }
    // Reads what the screen shows; false when the backend cannot, and the window
    // manager composes its own windows instead.
    virtual bool CaptureScreen(const TRect&, TSurface&) { return false; }
    // The desktop settings the move and size loop and double clicks follow.
    virtual bool DragFullWindows() { return true; }
    virtual uint32_t DoubleClickTime() { return 500; }
    // Whether input can arrive by itself (a real desktop), so an idle loop waits for it.
    virtual bool HasLiveInput() { return false; }
    // Whether the desktop frames top-level windows that leave their frame to it.
    virtual bool NativeFrames() { return false; }
    // Shows a native widget (the backend's own handle) over rect of a top-level
    // window (window coordinates), or hides it.
    virtual void PlaceNativeView(void*, HWND, const TRect&, bool) { }
    virtual void RemoveNativeView(void*) { }
    // The window system holds the mouse for capture (0: no longer). A desktop keeps
    // the real pointer for the program meanwhile, so a click anywhere, on a native
    // view too, reaches the window system (which closes an open menu, say).
    virtual void CaptureChanged(HWND) { }
    // What to do when the desktop goes away under the program (its display closes):
    // the handler runs, then the process ends with exit code 1. Nothing of the
    // window system may be used by then.
    virtual void SetDisplayLost(std::function<void()>) { }
    // Sets up the embedded web views; only the first call counts.
    virtual void ConfigureWeb(const TWebConfig&) { }
    // A new embedded web view, or null when the backend has none. Views of one
    // process share their page process where the desktop allows. A desktop may make
    // the real view later (after the first window is on the screen); until then the
    // view keeps what it is told.
    virtual std::unique_ptr<TWebView> CreateWebView(TWebViewKind) { return nullptr; }
    // The desktop's notification area, or null when the backend has none.
    virtual TNotificationArea* NotificationArea() { return nullptr; }
};

} // namespace tessel
