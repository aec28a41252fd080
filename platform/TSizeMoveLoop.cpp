#include "tessel/platform/TSizeMoveLoop.h"

#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

void TSizeMoveLoop::Begin(HWND hwnd, WPARAM command, TPoint cursor)
{
    if (IsActive() || !m_wm.IsWindow(hwnd) || m_wm.IsIconic(hwnd))
        return;
    m_hwnd = hwnd;
    m_edge = (command & 0xFFF0) == SC_SIZE ? (command & 0x000F) : 0;
    m_start = cursor;
    m_start_rect = m_wm.GetWindowRect(hwnd);
    if (HWND parent = m_wm.GetParent(hwnd)) {
        TPoint origin = m_wm.ClientToScreen(parent, { 0, 0 });
        m_start_rect = { m_start_rect.left - origin.x, m_start_rect.top - origin.y,
            m_start_rect.right - origin.x, m_start_rect.bottom - origin.y };
    }
    m_last = m_start_rect;
    m_limits = m_wm.GetMinMaxInfo(hwnd);
    m_wm.SendMessage(hwnd, WM_ENTERSIZEMOVE);
    if (m_hwnd)
        m_wm.Input().SetCapture(hwnd);
}

TRect TSizeMoveLoop::Proposed(TPoint cursor) const
{
    int dx = cursor.x - m_start.x, dy = cursor.y - m_start.y;
    TRect r = m_start_rect;
    if (m_edge == 0)
        return { r.left + dx, r.top + dy, r.right + dx, r.bottom + dy };
    bool left = m_edge == WMSZ_LEFT || m_edge == WMSZ_TOPLEFT || m_edge == WMSZ_BOTTOMLEFT;
    bool right = m_edge == WMSZ_RIGHT || m_edge == WMSZ_TOPRIGHT || m_edge == WMSZ_BOTTOMRIGHT;
    bool top = m_edge == WMSZ_TOP || m_edge == WMSZ_TOPLEFT || m_edge == WMSZ_TOPRIGHT;
    bool bottom = m_edge == WMSZ_BOTTOM || m_edge == WMSZ_BOTTOMLEFT || m_edge == WMSZ_BOTTOMRIGHT;
    const TPoint& min = m_limits.ptMinTrackSize;
    // A maximum below the minimum (a window's own answer) gives way to it.
    const TPoint max { std::max(m_limits.ptMaxTrackSize.x, min.x),
        std::max(m_limits.ptMaxTrackSize.y, min.y) };
    // The dragged edge follows the cursor within the track sizes; the other stays.
    if (left)
        r.left = std::clamp(r.left + dx, r.right - max.x, r.right - min.x);
    if (right)
        r.right = std::clamp(r.right + dx, r.left + min.x, r.left + max.x);
    if (top)
        r.top = std::clamp(r.top + dy, r.bottom - max.y, r.bottom - min.y);
    if (bottom)
        r.bottom = std::clamp(r.bottom + dy, r.top + min.y, r.top + max.y);
    return r;
}

void TSizeMoveLoop::Apply(TRect rect)
{
    m_wm.SendMessage(m_hwnd, m_edge ? WM_SIZING : WM_MOVING, m_edge, reinterpret_cast<LPARAM>(&rect));
    if (!IsActive() || rect == m_last)
        return;
    m_last = rect;
    if (m_wm.Backend().DragFullWindows())
        m_wm.SetWindowPos(m_hwnd, rect, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSizeMoveLoop::Track(TPoint cursor)
{
    if (IsActive())
        Apply(Proposed(cursor));
}

void TSizeMoveLoop::End(TPoint cursor)
{
    if (!IsActive())
        return;
    Track(cursor);
    if (!IsActive())
        return;
    // Without full-window dragging the window moves once, at the end.
    if (!m_wm.Backend().DragFullWindows())
        m_wm.SetWindowPos(m_hwnd, m_last, SWP_NOZORDER | SWP_NOACTIVATE);
    Finish();
}

void TSizeMoveLoop::Cancel()
{
    if (!IsActive())
        return;
    if (m_last != m_start_rect)
        m_wm.SetWindowPos(m_hwnd, m_start_rect, SWP_NOZORDER | SWP_NOACTIVATE);
    Finish();
}

void TSizeMoveLoop::CaptureLost(HWND hwnd)
{
    if (hwnd == m_hwnd && !m_finishing)
        Cancel();
}

void TSizeMoveLoop::Forget(HWND hwnd)
{
    if (hwnd == m_hwnd)
        m_hwnd = 0;
}

void TSizeMoveLoop::Finish()
{
    HWND hwnd = m_hwnd;
    m_finishing = true;
    if (m_wm.Input().GetCapture() == hwnd)
        m_wm.Input().ReleaseCapture();
    m_finishing = false;
    m_hwnd = 0;
    m_wm.SendMessage(hwnd, WM_EXITSIZEMOVE);
}

} // namespace tessel
