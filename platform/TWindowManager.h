#pragma once

#include "platform/Messages.h"
#include "platform/TBackend.h"
#include "platform/TRegion.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

using HWND = uint32_t;
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

    WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc);
    WNDPROC GetWindowProc(HWND hwnd) const;
    LRESULT SendMessage(HWND hwnd, uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);
    bool PostMessage(HWND hwnd, uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);
    void PostQuitMessage(int code);
    // Takes the next message: posted ones first, then a due timer, then a paint.
    // False when none is waiting.
    bool PeekMessage(MSG& msg);
    LRESULT DispatchMessage(const MSG& msg);
    // Dispatches every waiting message; returns the number dispatched. Stops at WM_QUIT.
    int ProcessMessages();
    // Runs the loop until WM_QUIT, waiting on the backend for timers; returns the exit code.
    // With no message waiting and no timer left nothing can happen any more, so it returns.
    int Run();
    uint32_t RegisterWindowMessage(const std::string& name);

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
    bool ShowWindow(HWND hwnd, int command);
    bool IsWindowVisible(HWND hwnd) const;
    bool EnableWindow(HWND hwnd, bool enable);
    bool IsWindowEnabled(HWND hwnd) const;

    // The window owns the region (window coordinates); none is the whole rectangle.
    void SetWindowRgn(HWND hwnd, std::unique_ptr<TRegion> region);
    const TRegion* GetWindowRgn(HWND hwnd) const;
    // The visible window under a screen point, front to back, children before parents,
    // counting only points inside a window's region.
    HWND WindowFromPoint(TPoint screen) const;

    void InvalidateRect(HWND hwnd, const TRect* rect);
    void InvalidateRgn(HWND hwnd, const TRegion& region);
    void ValidateRect(HWND hwnd, const TRect* rect);
    // The update region in client coordinates.
    TRegion GetUpdateRgn(HWND hwnd) const;
    // Sends WM_PAINT at once when the update region is not empty.
    void UpdateWindow(HWND hwnd);
    // What a WM_PAINT handler paints: the update region, which is then validated.
    TRegion BeginPaint(HWND hwnd);

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
        std::unique_ptr<TRegion> region;
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

    std::unique_ptr<TBackend> m_backend;
    std::map<HWND, Window> m_windows;
    std::vector<HWND> m_top_level;
    std::deque<MSG> m_queue;
    std::vector<Timer> m_timers;
    std::map<std::string, uint32_t> m_registered;
    HWND m_next = 1;
    bool m_quit = false;
    int m_quit_code = 0;
    std::string m_empty;
};

} // namespace tessel
