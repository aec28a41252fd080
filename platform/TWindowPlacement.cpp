#include "tessel/platform/TWindowPlacement.h"

#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

namespace { } // namespace

TRect TWindowPlacement::CalcClient(HWND hwnd, const TRect& rect)
{
    // WM_NCCALCSIZE gets the proposed window rectangle and answers with the client's.
    TRect proposed = rect;
    if (TWindow* w = m_wm.Find(hwnd))
        w->default_frame = false;
    m_wm.SendMessage(hwnd, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&proposed));
    if (!m_wm.IsWindow(hwnd))
        return {};
    proposed.right = std::max(proposed.right, proposed.left);
    proposed.bottom = std::max(proposed.bottom, proposed.top);
    return proposed.Offset(-rect.left, -rect.top);
}

bool TWindowPlacement::SetWindowPos(HWND hwnd, const TRect& rect, uint32_t flags)
{
    return SetWindowPos(hwnd, HWND_TOP, rect, flags | SWP_NOZORDER);
}

std::vector<HWND>& TWindowPlacement::Siblings(HWND hwnd)
{
    TWindow* w = m_wm.Find(hwnd);
    if (w && w->parent)
        if (TWindow* parent = m_wm.Find(w->parent))
            return parent->children;
    return m_wm.m_top_level;
}

void TWindowPlacement::Restack(HWND hwnd, HWND insert_after)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w)
        return;
    if (!w->parent && insert_after == HWND_TOPMOST)
        w->ex_style |= WS_EX_TOPMOST;
    if (!w->parent && insert_after == HWND_NOTOPMOST)
        w->ex_style &= ~WS_EX_TOPMOST;
    std::vector<HWND>& list = Siblings(hwnd);
    std::erase(list, hwnd);
    auto topmost = [&](HWND h) { return !w->parent && (m_wm.GetExStyle(h) & WS_EX_TOPMOST); };
    bool mine = topmost(hwnd);
    // Top-most windows stay in front of the others; a window is placed first (or
    // last) within its own band.
    auto band_begin = list.begin(), band_end = list.end();
    if (mine)
        band_end = std::find_if(list.begin(), list.end(), [&](HWND h) { return !topmost(h); });
    else
        band_begin = std::find_if(list.begin(), list.end(), [&](HWND h) { return !topmost(h); });
    auto at = band_begin;
    if (insert_after == HWND_BOTTOM) {
        at = band_end;
    } else if (insert_after != HWND_TOP && insert_after != HWND_TOPMOST && insert_after != HWND_NOTOPMOST) {
        auto behind = std::find(band_begin, band_end, insert_after);
        at = behind == band_end ? band_begin : behind + 1;
    }
    list.insert(at, hwnd);
    if (!w->parent) {
        m_wm.Changed(hwnd);
        return;
    }
    // Siblings share their top-level window's surface: the parent shows what the
    // window uncovered, and the window (frame and children) paints what it now covers.
    m_wm.InvalidateRect(w->parent, nullptr);
    m_wm.RedrawWindow(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TWindowPlacement::Uncover(HWND hwnd, const TRect& rect)
{
    HWND parent = m_wm.GetParent(hwnd);
    if (!parent)
        return;
    m_wm.InvalidateRect(parent, &rect, true);
    for (HWND sibling : m_wm.Children(parent)) {
        const TWindow* s = m_wm.Find(sibling);
        if (sibling != hwnd && s && m_wm.IsWindowVisible(sibling) && !s->rect.Intersect(rect).IsEmpty())
            m_wm.RedrawWindow(sibling, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

void TWindowPlacement::BringToTop(HWND hwnd)
{
    Restack(hwnd, HWND_TOP);
}

bool TWindowPlacement::SetWindowPos(HWND hwnd, HWND insert_after, const TRect& rect, uint32_t flags)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w)
        return false;
    TRect target = rect;
    if (flags & SWP_NOMOVE)
        target = target.Offset(w->rect.left - target.left, w->rect.top - target.top);
    if (flags & SWP_NOSIZE) {
        target.right = target.left + w->rect.Width();
        target.bottom = target.top + w->rect.Height();
    }
    m_wm.SendMessage(hwnd, WM_WINDOWPOSCHANGING, flags, reinterpret_cast<LPARAM>(&target));
    if (!(w = m_wm.Find(hwnd)))
        return false;
    TRect before = w->rect, client_before = w->client;
    w->rect = target;
    TRect client = CalcClient(hwnd, target);
    if (!(w = m_wm.Find(hwnd)))
        return false;
    w->client = client;
    m_wm.Paint().ResizeSurface(hwnd);
    m_wm.SendMessage(hwnd, WM_WINDOWPOSCHANGED, flags, reinterpret_cast<LPARAM>(&target));
    bool moved = before.left != target.left || before.top != target.top;
    bool sized = client.Width() != client_before.Width() || client.Height() != client_before.Height();
    if (moved)
        m_wm.SendMessage(hwnd, WM_MOVE, 0,
            static_cast<LPARAM>(
                (static_cast<uint16_t>(target.top) << 16) | static_cast<uint16_t>(target.left)));
    if (!(flags & SWP_NOZORDER))
        Restack(hwnd, insert_after);
    if (moved || sized)
        m_wm.Changed(hwnd);
    if (before != target && !(flags & SWP_NOREDRAW) && m_wm.IsWindowVisible(hwnd))
        if (m_wm.GetParent(hwnd)) {
            // Children draw into their top-level window's picture: what the child
            // covered shows the parent (and the siblings there) again, and the child
            // draws itself anew where it now lies.
            Uncover(hwnd, before);
            m_wm.Paint().RedrawWindow(
                hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    if ((sized || (flags & SWP_FRAMECHANGED)) && m_wm.IsWindow(hwnd)) {
        WPARAM kind = m_wm.IsIconic(hwnd) ? SIZE_MINIMIZED
            : m_wm.IsZoomed(hwnd)         ? SIZE_MAXIMIZED
                                          : SIZE_RESTORED;
        m_wm.SendMessage(hwnd, WM_SIZE, kind,
            static_cast<LPARAM>(
                (static_cast<uint32_t>(client.Height()) << 16) | static_cast<uint16_t>(client.Width())));
        if (!(flags & SWP_NOREDRAW)) {
            m_wm.InvalidateFrame(hwnd);
            m_wm.InvalidateRect(hwnd, nullptr);
        }
    }
    if (!(flags & SWP_NOACTIVATE) && !(flags & SWP_NOZORDER) && !m_wm.GetParent(hwnd)
        && m_wm.IsWindowVisible(hwnd))
        m_wm.SetActiveWindow(hwnd);
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(hwnd, SW_HIDE);
    return true;
}

bool TWindowPlacement::ShowWindow(HWND hwnd, int command)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w)
        return false;
    bool was = (w->style & WS_VISIBLE) != 0;
    bool show = command != SW_HIDE;
    if (was != show) {
        m_wm.SendMessage(hwnd, WM_SHOWWINDOW, show ? 1 : 0);
        if (!(w = m_wm.Find(hwnd)))
            return was;
        if (show) {
            w->style |= WS_VISIBLE;
            w->frame_dirty = true;
            m_wm.InvalidateRect(hwnd, nullptr);
        } else {
            w->style &= ~WS_VISIBLE;
            m_wm.m_activation.Leave(hwnd, false);
            if (w->parent) {
                m_wm.InvalidateRect(w->parent, nullptr);
                Uncover(hwnd, w->rect);
            }
        }
        m_wm.Changed(hwnd);
    }
    switch (command) {
    case SW_SHOWMAXIMIZED:
        Maximize(hwnd);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        Minimize(hwnd);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        Restore(hwnd);
        break;
    default:
        break;
    }
    bool activates = command == SW_SHOW || command == SW_SHOWNORMAL || command == SW_SHOWMAXIMIZED
        || command == SW_RESTORE;
    if (activates && m_wm.IsWindow(hwnd) && !m_wm.GetParent(hwnd) && !m_wm.IsIconic(hwnd))
        m_wm.SetActiveWindow(hwnd);
    return was;
}

void TWindowPlacement::Maximize(HWND hwnd)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w || (w->style & WS_MAXIMIZE))
        return;
    if (!(w->style & WS_MINIMIZE))
        w->restore = w->rect;
    w->style = (w->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
    MINMAXINFO info = m_wm.GetMinMaxInfo(hwnd);
    TRect rect { info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
        info.ptMaxPosition.y + info.ptMaxSize.y };
    SetWindowPos(hwnd, rect, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWindowPlacement::Minimize(HWND hwnd)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w || (w->style & WS_MINIMIZE))
        return;
    w->restore_maximized = (w->style & WS_MAXIMIZE) != 0;
    if (!w->restore_maximized)
        w->restore = w->rect;
    w->style = (w->style & ~WS_MAXIMIZE) | WS_MINIMIZE;
    // A minimized window keeps its rectangle but is not on the screen.
    SetWindowPos(hwnd, w->rect, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_wm.m_activation.Leave(hwnd, false);
    m_wm.Changed(hwnd);
}

void TWindowPlacement::Restore(HWND hwnd)
{
    TWindow* w = m_wm.Find(hwnd);
    if (!w || !(w->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        return;
    if ((w->style & WS_MINIMIZE) && w->restore_maximized) {
        w->style &= ~WS_MINIMIZE;
        w->style |= WS_MAXIMIZE;
        w->restore_maximized = false;
        SetWindowPos(hwnd, w->rect, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowPos(hwnd, w->restore, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace tessel
