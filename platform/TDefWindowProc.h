#pragma once

#include "tessel/platform/Messages.h"

namespace tessel {

class TWindowManager;

// What a window does with a message its own procedure passes on: the nonclient
// protocol (hit test, frame clicks that start the move and size loop or run a
// caption button's command), WM_SYSCOMMAND, activation, cursors and closing.
class TDefWindowProc {
public:
    explicit TDefWindowProc(TWindowManager& wm)
        : m_wm(wm)
    { }

    LRESULT Handle(HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam);

private:
    LRESULT HitTest(HWND hwnd, TPoint screen);
    LRESULT SetCursor(HWND hwnd, WPARAM wparam, LPARAM lparam);
    LRESULT SysCommand(HWND hwnd, WPARAM wparam, LPARAM lparam);
    LRESULT MouseActivate(HWND hwnd, WPARAM wparam, LPARAM lparam);

    TWindowManager& m_wm;
};

} // namespace tessel
