#pragma once

#include "tessel/platform/Messages.h"

#include <vector>

namespace tessel {

class TWindowManager;

// Where windows are and how they show: moving and sizing with the platform's
// messages, the z-order (top-most windows in front of the rest), showing and
// hiding with activation, and the minimized, maximized and normal states.
class TWindowPlacement {
public:
    explicit TWindowPlacement(TWindowManager& wm)
        : m_wm(wm)
    { }

    // Moves and sizes (rect in the parent's coordinates), with the platform's messages:
    // WM_WINDOWPOSCHANGING (which may change the rectangle), WM_NCCALCSIZE,
    // WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE.
    bool SetWindowPos(HWND hwnd, const TRect& rect, uint32_t flags);
    // The same with a z-order place (HWND_TOP, HWND_BOTTOM, HWND_TOPMOST,
    // HWND_NOTOPMOST or the window to go behind) unless flags hold SWP_NOZORDER.
    bool SetWindowPos(HWND hwnd, HWND insert_after, const TRect& rect, uint32_t flags);
    // Places a window among its siblings.
    void Restack(HWND hwnd, HWND insert_after);
    // A child window left rect (its parent's coordinates): the parent and the
    // siblings there draw again, since children share their top-level window's
    // picture.
    void Uncover(HWND hwnd, const TRect& rect);
    void BringToTop(HWND hwnd);
    // SW_* commands: show and hide (SW_SHOW and SW_SHOWNORMAL activate a top-level
    // window, SW_SHOWNA and SW_SHOWNOACTIVATE do not), minimize, maximize to the
    // work area and restore to the rectangle before.
    bool ShowWindow(HWND hwnd, int command);
    // Asks WM_NCCALCSIZE for the client area of a proposed window rectangle; the
    // answer is in window coordinates.
    TRect CalcClient(HWND hwnd, const TRect& rect);

private:
    std::vector<HWND>& Siblings(HWND hwnd);
    void Maximize(HWND hwnd);
    void Minimize(HWND hwnd);
    void Restore(HWND hwnd);

    TWindowManager& m_wm;
};

} // namespace tessel
