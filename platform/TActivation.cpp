#include "tessel/platform/TActivation.h"

#include "tessel/platform/TWindowManager.h"

namespace tessel {

void TActivation::SetActive(HWND hwnd, WPARAM how)
{
    if (hwnd && (!m_wm.IsWindow(hwnd) || m_wm.GetParent(hwnd)))
        return;
    HWND old = m_active;
    if (hwnd == old) {
        if (hwnd)
            m_wm.BringToTop(hwnd);
        return;
    }
    m_active = hwnd;
    if (old && m_wm.IsWindow(old)) {
        m_wm.SendMessage(old, WM_NCACTIVATE, 0, 0);
        m_wm.SendMessage(old, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(hwnd));
        if (m_focus && m_wm.RootOf(m_focus) == old)
            SetFocus(0);
    }
    if (!hwnd || m_active != hwnd || !m_wm.IsWindow(hwnd))
        return;
    m_wm.BringToTop(hwnd);
    m_wm.SendMessage(hwnd, WM_NCACTIVATE, 1, 0);
    WPARAM minimized = m_wm.IsIconic(hwnd) ? (1u << 16) : 0;
    m_wm.SendMessage(hwnd, WM_ACTIVATE, how | minimized, static_cast<LPARAM>(old));
}

HWND TActivation::SetFocus(HWND hwnd)
{
    HWND old = m_focus;
    if (hwnd && !m_wm.IsWindow(hwnd))
        return old;
    if (hwnd && m_wm.RootOf(hwnd) != m_active) {
        SetActive(m_wm.RootOf(hwnd));
        if (!m_wm.IsWindow(hwnd))
            return old;
        old = m_focus;
    }
    if (hwnd == m_focus)
        return old;
    m_focus = hwnd;
    if (old && m_wm.IsWindow(old))
        m_wm.SendMessage(old, WM_KILLFOCUS, hwnd);
    if (hwnd && m_focus == hwnd)
        m_wm.SendMessage(hwnd, WM_SETFOCUS, old);
    return old;
}

HWND TActivation::NextCandidate(HWND leaving) const
{
    for (HWND top : m_wm.TopLevelWindows()) {
        if (top == leaving || !m_wm.IsWindowVisible(top) || m_wm.IsIconic(top) || !m_wm.IsWindowEnabled(top))
            continue;
        if (m_wm.GetExStyle(top) & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW))
            continue;
        return top;
    }
    return 0;
}

void TActivation::Leave(HWND hwnd, bool destroying)
{
    if (m_focus && (m_focus == hwnd || m_wm.IsChildOf(m_focus, hwnd))) {
        if (destroying)
            m_focus = 0;
        else
            SetFocus(0);
    }
    if (hwnd != m_active)
        return;
    HWND next = NextCandidate(hwnd);
    if (destroying)
        m_active = 0;
    SetActive(next);
}

void TActivation::Clear()
{
    m_active = 0;
    m_focus = 0;
}

} // namespace tessel
