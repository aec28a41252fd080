#pragma once

#include "tessel/platform/Messages.h"

namespace tessel {

class TWindowManager;

// The move and size loop that the default window procedure starts on SC_MOVE and
// SC_SIZE. It takes the capture and then follows the raw mouse: each move proposes
// a rectangle through WM_MOVING or WM_SIZING (which may change it), and with full
// window dragging places the window there at once. Releasing the button ends the
// loop; Escape, WM_CANCELMODE or losing the capture puts the window back. The loop
// is driven by input events rather than running a nested message loop, so it works
// the same on an event-driven desktop and on the virtual clock.
class TSizeMoveLoop {
public:
    explicit TSizeMoveLoop(TWindowManager& wm)
        : m_wm(wm)
    { }

    // command is SC_MOVE or SC_SIZE + WMSZ_* (the low four bits of a WM_SYSCOMMAND).
    void Begin(HWND hwnd, WPARAM command, TPoint cursor);
    bool IsActive() const { return m_hwnd != 0; }
    HWND Window() const { return m_hwnd; }
    void Track(TPoint cursor);
    void End(TPoint cursor);
    void Cancel();
    // The captured window lost the capture to someone else.
    void CaptureLost(HWND hwnd);
    // The window is going away; the loop ends without messages.
    void Forget(HWND hwnd);

private:
    TRect Proposed(TPoint cursor) const;
    void Apply(TRect rect);
    void Finish();

    TWindowManager& m_wm;
    HWND m_hwnd = 0;
    WPARAM m_edge = 0; // 0 while moving
    TPoint m_start;
    TRect m_start_rect;
    TRect m_last;
    MINMAXINFO m_limits;
    bool m_finishing = false;
};

} // namespace tessel
