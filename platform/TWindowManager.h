#pragma once

#include "platform/Messages.h"
#include "platform/TActivation.h"
#include "platform/TBackend.h"
#include "platform/TDeviceContext.h"
#include "platform/TInput.h"
#include "platform/TRegion.h"
#include "platform/TSizeMoveLoop.h"
#include "platform/TSurface.h"
#include "platform/TSystemMetrics.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

// A window procedure. Components replace a window's procedure and chain to the one
// they replaced, as window procedures are chained on the platform.
using WNDPROC = std::function<LRESULT(HWND, uint32_t, WPARAM, LPARAM)>;

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
    uint32_t RegisterWindowMessage(const std::string& name);

    // The default window procedure (TDefWindowProc).
    LRESULT DefWindowProc(HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam);

    uint32_t GetStyle(HWND hwnd) const;
    void SetStyle(HWND hwnd, uint32_t style);
    uint32_t GetExStyle(HWND hwnd) const;
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
    // Moves and sizes (rect in the parent's coordinates), with the platform's messages:
    // WM_WINDOWPOSCHANGING (which may change the rectangle), WM_NCCALCSIZE,
    // WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE.
    bool SetWindowPos(HWND hwnd, const TRect& rect, uint32_t flags);
    // The same with a z-order place (HWND_TOP, HWND_BOTTOM, HWND_TOPMOST,
    // HWND_NOTOPMOST or the window to go behind) unless flags hold SWP_NOZORDER.
    bool SetWindowPos(HWND hwnd, HWND insert_after, const TRect& rect, uint32_t flags);
    // Raises a window to the front of its siblings (below top-most windows
    // unless it is one).
    void BringToTop(HWND hwnd);
    // SW_* commands: show and hide (SW_SHOW and SW_SHOWNORMAL activate a top-level
    // window, SW_SHOWNA and SW_SHOWNOACTIVATE do not), minimize, maximize to the
    // work area and restore to the rectangle before.
    bool ShowWindow(HWND hwnd, int command);
    bool IsWindowVisible(HWND hwnd) const;
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

    bool SetTimer(HWND hwnd, uintptr_t id, uint32_t elapse_ms);
    bool KillTimer(HWND hwnd, uintptr_t id);

private:
    struct Window {
        HWND parent = 0;
        std::vector<HWND> children; // front to back
        WNDPROC proc;
        uint32_t style = 0, ex_style = 0, class_style = 0;
        std::string text;
        TRect rect; // parent's client coordinates, or screen coordinates
        TRect client; // within the window rectangle
        TRect restore; // the normal rectangle while minimized or maximized
        bool restore_maximized = false; // minimized from the maximized state
        std::unique_ptr<TRegion> region;
        std::unique_ptr<TSurface> surface; // top-level windows only
        uint8_t alpha = 255;
        bool frame_dirty = false;
        bool erase = false;
        TRegion update; // client coordinates
        bool destroying = false;
    };
    struct Timer {
        HWND hwnd;
        uintptr_t id;
        uint32_t elapse;
        uint64_t due;
    };

    TWindowManager();
    Window* Find(HWND hwnd);
    const Window* Find(HWND hwnd) const;
    void DestroyTree(HWND hwnd);
    void FinalDestroy(HWND hwnd);
    TRect CalcClient(HWND hwnd, const TRect& rect);
    HWND ChildFromPoint(HWND hwnd, TPoint screen) const;
    bool TakeTimer(MSG& msg);
    bool TakePaint(MSG& msg);
    HWND FindPaintable(const std::vector<HWND>& windows) const;
    std::vector<HWND>& Siblings(HWND hwnd);
    void Restack(HWND hwnd, HWND insert_after);
    void Maximize(HWND hwnd);
    void Minimize(HWND hwnd);
    void Restore(HWND hwnd);
    void Changed(HWND hwnd);
    void ResizeSurface(HWND hwnd);
    std::unique_ptr<TDeviceContext> MakeDC(HWND hwnd, bool client, const TRegion* clip);

    std::unique_ptr<TBackend> m_backend;
    std::map<HWND, Window> m_windows;
    std::vector<HWND> m_top_level;
    std::deque<MSG> m_queue;
    std::vector<Timer> m_timers;
    std::map<std::string, uint32_t> m_registered;
    TInput m_input { *this };
    TActivation m_activation { *this };
    TSizeMoveLoop m_size_move { *this };
    // Handles start above the numbers that name z-order places.
    HWND m_next = 16;
    bool m_quit = false;
    int m_quit_code = 0;
    std::string m_empty;
};

} // namespace tessel
