#pragma once

#include "tessel/platform/Messages.h"

namespace tessel {

class TWindowManager;

// The active top-level window and the keyboard focus, with the platform's
// messages: the window losing activation hears WM_NCACTIVATE (FALSE) and
// WM_ACTIVATE (WA_INACTIVE), the window gaining it is raised and hears
// WM_NCACTIVATE (TRUE) and WM_ACTIVATE; focus moves with WM_KILLFOCUS then
// WM_SETFOCUS.
class TActivation {
public:
    explicit TActivation(TWindowManager& wm)
        : m_wm(wm)
    { }

    HWND Active() const { return m_active; }
    HWND Focus() const { return m_focus; }
    // hwnd is a top-level window or 0; how is WA_ACTIVE or WA_CLICKACTIVE.
    void SetActive(HWND hwnd, WPARAM how = WA_ACTIVE);
    // Returns the window that had the focus. Focusing a window of an inactive
    // top-level window activates that one first.
    HWND SetFocus(HWND hwnd);
    // A window is hidden or going away: the focus leaves it and, when it was
    // active, the next window that can be is activated.
    void Leave(HWND hwnd, bool destroying);
    void Clear();

private:
    HWND NextCandidate(HWND leaving) const;

    TWindowManager& m_wm;
    HWND m_active = 0;
    HWND m_focus = 0;
};

} // namespace tessel
