#pragma once

#include "tessel/platform/Messages.h"
#include "tessel/platform/TActivation.h"
#include "tessel/platform/TBackend.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TInput.h"
#include "tessel/platform/TNativeViews.h"
#include "tessel/platform/TPaintManager.h"
#include "tessel/platform/TRegion.h"
#include "tessel/platform/TSizeMoveLoop.h"
#include "tessel/platform/TSurface.h"
#include "tessel/platform/TSystemMetrics.h"
#include "tessel/platform/TWindow.h"
#include "tessel/platform/TWindowPlacement.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

struct MSG {
    HWND hwnd = 0;
    uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint64_t time = 0;
};

// What a window is created with.
struct TWindowParams {
    uint32_t ex_style = 0;
    uint32_t class_style = 0;
    uint32_t style = 0;
    std::string text;
    TRect rect; // in the parent's client coordinates, or on the screen for top-level windows
    HWND parent = 0;
    WNDPROC proc;
};

// The window system's core: the windows, their procedures, the message queue,
// timers and painting. One per program; the backend gives it time and the screen.
class TWindowManager {
public:
    static TWindowManager& Instance();
    // Tells the backend that a top-level window changed (shown, moved, reshaped ...).
    void Changed(HWND hwnd);
    // The state of a window, for the window system's own classes; null for none.
    TWindow* Find(HWND hwnd);
    const TWindow* Find(HWND hwnd) const;
    // Replaces the backend; every window must be destroyed first.
    void SetBackend(std::unique_ptr<TBackend> backend);
    TBackend& Backend() { return *m_backend; }

    HWND CreateWindowEx(const TWindowParams& params);
    bool DestroyWindow(HWND hwnd);
    bool IsWindow(HWND hwnd) const { return m_windows.count(hwnd) != 0; }
    HWND GetParent(HWND hwnd) const;
    // Children front to back.
    std::vector<HWND> Children(HWND hwnd) const;
    // Top-level windows front to back.
    const std::vector<HWND>& TopLevelWindows() const { return m_top_level; }
    // The top-level window a window belongs to (itself when it is one).
    HWND RootOf(HWND hwnd) const;
    // Whether hwnd lies (at any depth) inside ancestor.
    bool IsChildOf(HWND hwnd, HWND ancestor) const;

    TInput& Input() { return m_input; }
    // Native widgets placed over host windows (TNativeViews).
    TNativeViews& NativeViews() { return m_native_views; }
    TSizeMoveLoop& SizeMoveLoop() { return m_size_move; }
    HWND GetActiveWindow() const { return m_activation.Active(); }
    void SetActiveWindow(HWND hwnd, WPARAM how = WA_ACTIVE) { m_activation.SetActive(hwnd, how); }
    HWND GetFocus() const { return m_activation.Focus(); }
    HWND SetFocus(HWND hwnd) { return m_activation.SetFocus(hwnd); }
    int GetSystemMetrics(int index);
    bool SystemParametersInfo(uint32_t action, void* param);
    // The monitor a window lies most on (TSystemMetrics' handles and flags).
    HMONITOR MonitorFromWindow(HWND hwnd, uint32_t flags);
    bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info);
    // What WM_GETMINMAXINFO answers, starting from the platform's defaults.
    MINMAXINFO GetMinMaxInfo(HWND hwnd);

    WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc);
    WNDPROC GetWindowProc(HWND hwnd) const;
    // Runs a saved window procedure, as a replacing procedure chains to it.
    static LRESULT CallWindowProc(const WNDPROC& proc, HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam)
    {
        return proc ? proc(hwnd, msg, wparam, lparam) : 0;
    }
    LRESULT SendMessage(HWND hwnd, uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);
    bool PostMessage(HWND hwnd, uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);
    void PostQuitMessage(int code);
    // Takes the next message: posted ones first, then input, then a paint, then a due timer.
    // False when none is waiting.
    bool PeekMessage(MSG& msg);
    LRESULT DispatchMessage(const MSG& msg);
    // Dispatches every waiting message; returns the number dispatched. Stops at WM_QUIT.
    int ProcessMessages();
    // Runs the loop until WM_QUIT, waiting on the backend for timers; returns the exit code.
    // With no message waiting and no timer left nothing can happen any more, so it returns.
    int Run();
    // Waits until a message can be waiting: a timer is due or input arrives. False
    // when nothing can ever come (no timer, and a backend without live input).
    bool WaitMessage();
    // Whether a message waits to be taken without waiting: a posted one, the quit,
    // or input. A backend's wait ends as soon as this holds, whatever made it so.
    bool HasPending() const;
    uint32_t RegisterWindowMessage(const std::string& name);

    // The default window procedure (TDefWindowProc).
    LRESULT DefWindowProc(HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam);

    uint32_t GetStyle(HWND hwnd) const;
    void SetStyle(HWND hwnd, uint32_t style);
    uint32_t GetExStyle(HWND hwnd) const;
    void SetExStyle(HWND hwnd, uint32_t ex_style);
    uint32_t GetClassStyle(HWND hwnd) const;
    const std::string& GetText(HWND hwnd) const;
    void SetText(HWND hwnd, std::string text);

    // The window rectangle in screen coordinates.
    TRect GetWindowRect(HWND hwnd) const;
    // The client area, (0, 0, width, height).
    TRect GetClientRect(HWND hwnd) const;
    // The client area's place within the window rectangle, as WM_NCCALCSIZE decided.
    TRect ClientInWindow(HWND hwnd) const;
    TPoint ClientToScreen(HWND hwnd, TPoint p) const;
    TPoint ScreenToClient(HWND hwnd, TPoint p) const;
    // Placement, z-order and show states (TWindowPlacement).
    bool SetWindowPos(HWND hwnd, const TRect& rect, uint32_t flags)
    {
        return m_placement.SetWindowPos(hwnd, rect, flags);
    }
    bool SetWindowPos(HWND hwnd, HWND insert_after, const TRect& rect, uint32_t flags)
    {
        return m_placement.SetWindowPos(hwnd, insert_after, rect, flags);
    }
    void BringToTop(HWND hwnd) { m_placement.BringToTop(hwnd); }
    bool ShowWindow(HWND hwnd, int command) { return m_placement.ShowWindow(hwnd, command); }
    bool IsWindowVisible(HWND hwnd) const;
    // Whether a desktop backend frames this window itself: a top-level window with a
    // caption or sizing border whose last WM_NCCALCSIZE went to the default procedure
    // (so its whole rectangle is client) on a backend that has native frames.
    bool HasNativeFrame(HWND hwnd) const;
    bool IsIconic(HWND hwnd) const { return GetStyle(hwnd) & WS_MINIMIZE; }
    bool IsZoomed(HWND hwnd) const { return GetStyle(hwnd) & WS_MAXIMIZE; }
    bool EnableWindow(HWND hwnd, bool enable);
    bool IsWindowEnabled(HWND hwnd) const;

    // The window owns the region (window coordinates); none is the whole rectangle.
    void SetWindowRgn(HWND hwnd, std::unique_ptr<TRegion> region);
    const TRegion* GetWindowRgn(HWND hwnd) const;
    // The visible window under a screen point, front to back, children before parents,
    // counting only points inside a window's region.
    HWND WindowFromPoint(TPoint screen) const;

    // Painting, surfaces, device contexts and captures (TPaintManager).
    TPaintManager& Paint() { return m_paint; }
    void InvalidateRect(HWND hwnd, const TRect* rect, bool erase = true)
    {
        m_paint.InvalidateRect(hwnd, rect, erase);
    }
    void InvalidateRgn(HWND hwnd, const TRegion& region, bool erase = true)
    {
        m_paint.InvalidateRgn(hwnd, region, erase);
    }
    void ValidateRect(HWND hwnd, const TRect* rect) { m_paint.ValidateRect(hwnd, rect); }
    void InvalidateFrame(HWND hwnd) { m_paint.InvalidateFrame(hwnd); }
    bool RedrawWindow(HWND hwnd, const TRect* rect, uint32_t flags)
    {
        return m_paint.RedrawWindow(hwnd, rect, flags);
    }
    TRegion GetUpdateRgn(HWND hwnd) const { return m_paint.GetUpdateRgn(hwnd); }
    void UpdateWindow(HWND hwnd) { m_paint.UpdateWindow(hwnd); }
    TRegion BeginPaint(HWND hwnd) { return m_paint.BeginPaint(hwnd); }
    std::unique_ptr<TDeviceContext> GetDC(HWND hwnd, const TRegion* clip = nullptr)
    {
        return m_paint.GetDC(hwnd, clip);
    }
    std::unique_ptr<TDeviceContext> GetWindowDC(HWND hwnd, const TRegion* clip = nullptr)
    {
        return m_paint.GetWindowDC(hwnd, clip);
    }
    const TSurface* WindowSurface(HWND hwnd) const { return m_paint.WindowSurface(hwnd); }
    bool SetLayeredWindowAttributes(HWND hwnd, uint32_t key, uint8_t alpha, uint32_t flags)
    {
        return m_paint.SetLayeredWindowAttributes(hwnd, key, alpha, flags);
    }
    uint8_t LayeredAlpha(HWND hwnd) const { return m_paint.LayeredAlpha(hwnd); }
    TSurface CaptureScreen(const TRect& rect) { return m_paint.CaptureScreen(rect); }
    TSurface CaptureWindow(HWND hwnd) const { return m_paint.CaptureWindow(hwnd); }

    // A period of 0 is taken as 1 ms: a timer always due would keep the loop from
    // ever running dry.
    bool SetTimer(HWND hwnd, uintptr_t id, uint32_t elapse_ms);
    bool KillTimer(HWND hwnd, uintptr_t id);
    // How many timers run: a program at rest runs none of its own.
    size_t TimerCount() const { return m_timers.size(); }
    // When the next timer falls due, on the backend's clock; UINT64_MAX with none.
    uint64_t NextTimerDue() const;

private:
    struct Timer {
        HWND hwnd;
        uintptr_t id;
        uint32_t elapse;
        uint64_t due;
    };

    TWindowManager();
    void DestroyTree(HWND hwnd);
    void FinalDestroy(HWND hwnd);
    HWND ChildFromPoint(HWND hwnd, TPoint screen) const;
    bool TakeTimer(MSG& msg);

    std::unique_ptr<TBackend> m_backend;
    std::map<HWND, TWindow> m_windows;
    std::vector<HWND> m_top_level;
    std::deque<MSG> m_queue;
    std::vector<Timer> m_timers;
    std::map<std::string, uint32_t> m_registered;
    TInput m_input { *this };
    TActivation m_activation { *this };
    TSizeMoveLoop m_size_move { *this };
    TPaintManager m_paint { *this };
    TWindowPlacement m_placement { *this };
    TNativeViews m_native_views { *this };

    friend class TWindowPlacement;
    // Handles start above the numbers that name z-order places.
    HWND m_next = 16;
    bool m_quit = false;
    int m_quit_code = 0;
    std::string m_empty;
};

// The window system of the process.
inline TWindowManager& Wm()
{
    return TWindowManager::Instance();
}

} // namespace tessel
