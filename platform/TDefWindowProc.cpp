#include "tessel/platform/TDefWindowProc.h"

#include "tessel/platform/TWindowManager.h"

namespace tessel {

namespace {

int SizingCursor(LRESULT hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM:
        return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return IDC_SIZENESW;
    default:
        return IDC_ARROW;
    }
}

} // namespace

LRESULT TDefWindowProc::HitTest(HWND hwnd, TPoint p)
{
    TRect window = m_wm.GetWindowRect(hwnd);
    if (!window.Contains(p))
        return HTNOWHERE;
    TRect client = m_wm.ClientInWindow(hwnd);
    client = { client.left + window.left, client.top + window.top, client.right + window.left,
        client.bottom + window.top };
    return client.Contains(p) ? HTCLIENT : HTBORDER;
}

LRESULT TDefWindowProc::SetCursor(HWND hwnd, WPARAM wparam, LPARAM lparam)
{
    // The parent decides first; a parent that sets the cursor ends it.
    if (HWND parent = m_wm.GetParent(hwnd))
        if (m_wm.SendMessage(parent, WM_SETCURSOR, wparam, lparam))
            return 1;
    auto hit = static_cast<int16_t>(LoWord(static_cast<uintptr_t>(lparam)));
    if (hit == HTERROR) {
        m_wm.Input().SetCursor(IDC_ARROW);
        return 0;
    }
    m_wm.Input().SetCursor(SizingCursor(hit));
    return hit == HTCLIENT ? 0 : 1;
}

LRESULT TDefWindowProc::MouseActivate(HWND hwnd, WPARAM wparam, LPARAM lparam)
{
    if (HWND parent = m_wm.GetParent(hwnd))
        if (LRESULT answer = m_wm.SendMessage(parent, WM_MOUSEACTIVATE, wparam, lparam))
            return answer;
    if (m_wm.GetExStyle(m_wm.RootOf(hwnd)) & WS_EX_NOACTIVATE)
        return MA_NOACTIVATE;
    return MA_ACTIVATE;
}

LRESULT TDefWindowProc::SysCommand(HWND hwnd, WPARAM wparam, LPARAM)
{
    switch (wparam & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE:
        // The loop follows the mouse; it starts only while a button holds it.
        if (m_wm.Input().IsKeyDown(VK_LBUTTON))
            m_wm.SizeMoveLoop().Begin(hwnd, wparam, m_wm.Input().CursorPos());
        return 0;
    case SC_MINIMIZE:
        m_wm.ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        m_wm.ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        return 0;
    case SC_RESTORE:
        m_wm.ShowWindow(hwnd, SW_RESTORE);
        return 0;
    case SC_CLOSE:
        m_wm.SendMessage(hwnd, WM_CLOSE);
        return 0;
    default:
        // SC_KEYMENU: there is no platform menu to open.
        return 0;
    }
}

LRESULT TDefWindowProc::Handle(HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_NCCREATE:
        return 1;
    case WM_NCCALCSIZE:
        // The default frame has no width of its own: the client is the whole window,
        // and a desktop backend may draw its own frame around it.
        if (TWindow* w = m_wm.Find(hwnd))
            w->default_frame = true;
        return 0;
    case WM_CLOSE:
        m_wm.DestroyWindow(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGING:
        // A top-level window is no larger than its largest track size, as the
        // platform keeps it: a size asked for beyond the screen never reaches a
        // surface.
        if (!m_wm.GetParent(hwnd))
            if (auto* rect = reinterpret_cast<TRect*>(lparam)) {
                MINMAXINFO info = m_wm.GetMinMaxInfo(hwnd);
                rect->right = rect->left + std::min(rect->Width(), static_cast<int>(info.ptMaxTrackSize.x));
                rect->bottom = rect->top + std::min(rect->Height(), static_cast<int>(info.ptMaxTrackSize.y));
            }
        return 0;
    case WM_PAINT:
        m_wm.ValidateRect(hwnd, nullptr);
        return 0;
    case WM_NCHITTEST:
        return HitTest(hwnd, PointFromParam(lparam));
    case WM_NCACTIVATE:
        return 1;
    case WM_ACTIVATE:
        if (LoWord(wparam) != WA_INACTIVE && !HiWord(wparam)) {
            HWND focus = m_wm.GetFocus();
            if (focus != hwnd && !m_wm.IsChildOf(focus, hwnd))
                m_wm.SetFocus(hwnd);
        }
        return 0;
    case WM_MOUSEACTIVATE:
        return MouseActivate(hwnd, wparam, lparam);
    case WM_SETCURSOR:
        return SetCursor(hwnd, wparam, lparam);
    case WM_NCLBUTTONDOWN:
        if (wparam == HTCAPTION)
            m_wm.SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lparam);
        else if (wparam >= HTLEFT && wparam <= HTBOTTOMRIGHT)
            m_wm.SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE + (wparam - HTLEFT + WMSZ_LEFT), lparam);
        return 0;
    case WM_NCLBUTTONUP:
        if (wparam == HTCLOSE)
            m_wm.SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lparam);
        else if (wparam == HTMINBUTTON)
            m_wm.SendMessage(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, lparam);
        else if (wparam == HTMAXBUTTON)
            m_wm.SendMessage(hwnd, WM_SYSCOMMAND, m_wm.IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lparam);
        return 0;
    case WM_NCLBUTTONDBLCLK:
        if (wparam == HTCAPTION && (m_wm.GetStyle(hwnd) & WS_MAXIMIZEBOX))
            m_wm.SendMessage(hwnd, WM_SYSCOMMAND, m_wm.IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lparam);
        return 0;
    case WM_SYSCOMMAND:
        return SysCommand(hwnd, wparam, lparam);
    case WM_SYSKEYDOWN:
        if (wparam == VK_F4 && (lparam & (1 << 29)))
            m_wm.SendMessage(m_wm.RootOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        // F10 enters (or leaves) the window's menu mode.
        else if (wparam == VK_F10 && !m_wm.Input().IsKeyDown(VK_SHIFT))
            m_wm.SendMessage(m_wm.RootOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
        return 0;
    case WM_SYSKEYUP:
        // So does Alt tapped alone.
        if (wparam == VK_MENU && m_wm.Input().AltTapped())
            m_wm.SendMessage(m_wm.RootOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
        return 0;
    case WM_SYSCHAR:
        m_wm.SendMessage(m_wm.RootOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wparam));
        return 0;
    case WM_MOUSEWHEEL:
        // A child that does not scroll passes the wheel to its parent.
        if (HWND parent = m_wm.GetParent(hwnd))
            return m_wm.SendMessage(parent, msg, wparam, lparam);
        return 0;
    case WM_CANCELMODE:
        if (m_wm.SizeMoveLoop().Window() == hwnd)
            m_wm.SizeMoveLoop().Cancel();
        if (m_wm.Input().GetCapture() == hwnd)
            m_wm.Input().ReleaseCapture();
        return 0;
    default:
        return 0;
    }
}

} // namespace tessel
