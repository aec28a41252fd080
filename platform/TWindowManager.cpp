#include "platform/TWindowManager.h"

#include "platform/TCompositor.h"
#include "platform/TDefWindowProc.h"
#include "platform/TSystemMetrics.h"
#include "platform/headless/THeadlessBackend.h"

#include <algorithm>

namespace tessel {

namespace {

TRect Offset(TRect r, int dx, int dy)
{
    return { r.left + dx, r.top + dy, r.right + dx, r.bottom + dy };
}

bool Inside(const TRect& r, TPoint p)
{
    return p.x >= r.left && p.y >= r.top && p.x < r.right && p.y < r.bottom;
}

// The first number the platform gives registered messages.
constexpr uint32_t kFirstRegisteredMessage = 0xC000;

} // namespace

TWindowManager::TWindowManager()
    : m_backend(std::make_unique<THeadlessBackend>())
{ }

TWindowManager& TWindowManager::Instance()
{
    static TWindowManager manager;
    return manager;
}

void TWindowManager::SetBackend(std::unique_ptr<TBackend> backend)
{
    m_backend = std::move(backend);
    m_queue.clear();
    m_timers.clear();
    m_input.Clear();
    m_activation.Clear();
    m_quit = false;
}

TWindowManager::Window* TWindowManager::Find(HWND hwnd)
{
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

const TWindowManager::Window* TWindowManager::Find(HWND hwnd) const
{
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

HWND TWindowManager::CreateWindowEx(const TWindowParams& params)
{
    if (params.parent && !IsWindow(params.parent))
        return 0;
    HWND hwnd = m_next++;
    Window& w = m_windows[hwnd];
    w.parent = params.parent;
    w.proc = params.proc ? params.proc : [this](HWND h, uint32_t m, WPARAM wp, LPARAM lp) {
        return DefWindowProc(h, m, wp, lp);
    };
    w.style = params.style & ~WS_VISIBLE;
    w.ex_style = params.ex_style;
    w.class_style = params.class_style;
    w.text = params.text;
    w.rect = params.rect;
    w.client = { 0, 0, params.rect.Width(), params.rect.Height() };
    if (!params.parent)
        w.surface = std::make_unique<TSurface>(
            std::max(0, params.rect.Width()), std::max(0, params.rect.Height()), 0xFF000000);
    if (params.parent)
        Find(params.parent)->children.insert(Find(params.parent)->children.begin(), hwnd);
    else
        m_top_level.insert(m_top_level.begin(), hwnd);
    Restack(hwnd, HWND_TOP);
    if (!SendMessage(hwnd, WM_NCCREATE)) {
        DestroyWindow(hwnd);
        return 0;
    }
    Find(hwnd)->client = CalcClient(hwnd, params.rect);
    if (SendMessage(hwnd, WM_CREATE) == -1) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (params.style & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

TRect TWindowManager::CalcClient(HWND hwnd, const TRect& rect)
{
    // WM_NCCALCSIZE gets the proposed window rectangle and answers with the client's.
    TRect proposed = rect;
    SendMessage(hwnd, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&proposed));
    if (!IsWindow(hwnd))
        return {};
    proposed.right = std::max(proposed.right, proposed.left);
    proposed.bottom = std::max(proposed.bottom, proposed.top);
    return Offset(proposed, -rect.left, -rect.top);
}

bool TWindowManager::DestroyWindow(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || w->destroying)
        return false;
    ShowWindow(hwnd, SW_HIDE);
    m_size_move.Forget(hwnd);
    m_activation.Leave(hwnd, true);
    // WM_DESTROY goes to a window before its children, WM_NCDESTROY after them.
    DestroyTree(hwnd);
    FinalDestroy(hwnd);
    return true;
}

void TWindowManager::DestroyTree(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w)
        return;
    w->destroying = true;
    SendMessage(hwnd, WM_DESTROY);
    if (Window* still = Find(hwnd))
        for (HWND child : std::vector<HWND>(still->children))
            DestroyTree(child);
}

void TWindowManager::FinalDestroy(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w)
        return;
    for (HWND child : std::vector<HWND>(w->children))
        FinalDestroy(child);
    SendMessage(hwnd, WM_NCDESTROY);
    m_input.Forget(hwnd);
    m_size_move.Forget(hwnd);
    w = Find(hwnd);
    if (!w->parent)
        m_backend->WindowDestroyed(hwnd);
    if (w->parent) {
        if (Window* parent = Find(w->parent))
            std::erase(parent->children, hwnd);
    } else {
        std::erase(m_top_level, hwnd);
    }
    std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
    std::erase_if(m_queue, [&](const MSG& m) { return m.hwnd == hwnd; });
    m_windows.erase(hwnd);
}

HWND TWindowManager::RootOf(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    while (w && w->parent) {
        hwnd = w->parent;
        w = Find(hwnd);
    }
    return w ? hwnd : 0;
}

bool TWindowManager::IsChildOf(HWND hwnd, HWND ancestor) const
{
    for (const Window* w = Find(hwnd); w && w->parent; w = Find(w->parent))
        if (w->parent == ancestor)
            return true;
    return false;
}

int TWindowManager::GetSystemMetrics(int index)
{
    return TSystemMetrics::Get(*m_backend, index);
}

bool TWindowManager::SystemParametersInfo(uint32_t action, void* param)
{
    return TSystemMetrics::ParametersInfo(*m_backend, action, param);
}

HMONITOR TWindowManager::MonitorFromWindow(HWND hwnd, uint32_t flags)
{
    return TSystemMetrics::MonitorFromRect(*m_backend, GetWindowRect(hwnd), flags);
}

bool TWindowManager::GetMonitorInfo(HMONITOR monitor, MONITORINFO& info)
{
    return TSystemMetrics::GetMonitorInfo(*m_backend, monitor, info);
}

MINMAXINFO TWindowManager::GetMinMaxInfo(HWND hwnd)
{
    MINMAXINFO info;
    TRect work = m_backend->WorkArea();
    info.ptMaxSize = { work.Width(), work.Height() };
    info.ptMaxPosition = { work.left, work.top };
    info.ptMinTrackSize = { GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK) };
    info.ptMaxTrackSize = { GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK) };
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

HWND TWindowManager::GetParent(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->parent : 0;
}

std::vector<HWND> TWindowManager::Children(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->children : std::vector<HWND> {};
}

WNDPROC TWindowManager::SetWindowProc(HWND hwnd, WNDPROC proc)
{
    Window* w = Find(hwnd);
    if (!w || !proc)
        return {};
    std::swap(w->proc, proc);
    return proc;
}

WNDPROC TWindowManager::GetWindowProc(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->proc : WNDPROC {};
}

LRESULT TWindowManager::SendMessage(HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam)
{
    Window* w = Find(hwnd);
    if (!w)
        return 0;
    // A copy: the procedure may replace itself while it runs.
    WNDPROC proc = w->proc;
    return proc(hwnd, msg, wparam, lparam);
}

bool TWindowManager::PostMessage(HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam)
{
    if (hwnd && !IsWindow(hwnd))
        return false;
    m_queue.push_back({ hwnd, msg, wparam, lparam, m_backend->NowMs() });
    return true;
}

void TWindowManager::PostQuitMessage(int code)
{
    m_quit = true;
    m_quit_code = code;
}

bool TWindowManager::TakeTimer(MSG& msg)
{
    uint64_t now = m_backend->NowMs();
    Timer* due = nullptr;
    for (Timer& t : m_timers)
        if (t.due <= now && (!due || t.due < due->due))
            due = &t;
    if (!due)
        return false;
    msg = { due->hwnd, WM_TIMER, due->id, 0, now };
    // A timer that fell behind fires once and starts its next period from now.
    due->due = now + due->elapse;
    return true;
}

HWND TWindowManager::FindPaintable(const std::vector<HWND>& windows) const
{
    for (HWND hwnd : windows) {
        const Window* w = Find(hwnd);
        if (!w || !(w->style & WS_VISIBLE))
            continue;
        if (!w->update.IsEmpty() || w->frame_dirty)
            return hwnd;
        if (HWND child = FindPaintable(w->children))
            return child;
    }
    return 0;
}

bool TWindowManager::TakePaint(MSG& msg)
{
    HWND hwnd = FindPaintable(m_top_level);
    if (!hwnd)
        return false;
    msg = { hwnd, WM_PAINT, 0, 0, m_backend->NowMs() };
    return true;
}

bool TWindowManager::PeekMessage(MSG& msg)
{
    if (m_quit) {
        msg = { 0, WM_QUIT, static_cast<WPARAM>(m_quit_code), 0, m_backend->NowMs() };
        m_quit = false;
        return true;
    }
    if (!m_queue.empty()) {
        msg = m_queue.front();
        m_queue.pop_front();
        return true;
    }
    return m_input.Take(msg) || TakePaint(msg) || TakeTimer(msg);
}

LRESULT TWindowManager::DispatchMessage(const MSG& msg)
{
    if (msg.message == WM_PAINT) {
        // The frame first (WM_NCPAINT, wParam 1: all of it), then the client area.
        Window* w = Find(msg.hwnd);
        if (w && w->frame_dirty) {
            w->frame_dirty = false;
            SendMessage(msg.hwnd, WM_NCPAINT, 1);
            w = Find(msg.hwnd);
        }
        if (!w || w->update.IsEmpty())
            return 0;
        LRESULT r = SendMessage(msg.hwnd, WM_PAINT);
        // A handler that did not paint must not be asked for ever.
        if ((w = Find(msg.hwnd))) {
            w->update.Clear();
            w->erase = false;
        }
        return r;
    }
    return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

int TWindowManager::ProcessMessages()
{
    int count = 0;
    MSG msg;
    while (PeekMessage(msg)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        DispatchMessage(msg);
        ++count;
    }
    return count;
}

int TWindowManager::Run()
{
    MSG msg;
    for (;;) {
        while (PeekMessage(msg)) {
            if (msg.message == WM_QUIT)
                return static_cast<int>(msg.wParam);
            DispatchMessage(msg);
        }
        if (m_timers.empty())
            return m_quit_code;
        uint64_t next = m_timers.front().due;
        for (const Timer& t : m_timers)
            next = std::min(next, t.due);
        m_backend->WaitUntil(next);
    }
}

uint32_t TWindowManager::RegisterWindowMessage(const std::string& name)
{
    auto it = m_registered.find(name);
    if (it != m_registered.end())
        return it->second;
    uint32_t number = kFirstRegisteredMessage + static_cast<uint32_t>(m_registered.size());
    m_registered[name] = number;
    return number;
}

LRESULT TWindowManager::DefWindowProc(HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam)
{
    return TDefWindowProc(*this).Handle(hwnd, msg, wparam, lparam);
}

uint32_t TWindowManager::GetStyle(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->style : 0;
}

void TWindowManager::SetStyle(HWND hwnd, uint32_t style)
{
    if (Window* w = Find(hwnd))
        w->style = (style & ~WS_VISIBLE) | (w->style & WS_VISIBLE);
}

uint32_t TWindowManager::GetExStyle(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->ex_style : 0;
}

uint32_t TWindowManager::GetClassStyle(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->class_style : 0;
}

const std::string& TWindowManager::GetText(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->text : m_empty;
}

void TWindowManager::SetText(HWND hwnd, std::string text)
{
    if (Window* w = Find(hwnd))
        w->text = std::move(text);
}

TRect TWindowManager::GetWindowRect(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    if (!w)
        return {};
    if (!w->parent)
        return w->rect;
    TPoint origin = ClientToScreen(w->parent, { 0, 0 });
    return Offset(w->rect, origin.x, origin.y);
}

TRect TWindowManager::GetClientRect(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? TRect { 0, 0, w->client.Width(), w->client.Height() } : TRect {};
}

TRect TWindowManager::ClientInWindow(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->client : TRect {};
}

TPoint TWindowManager::ClientToScreen(HWND hwnd, TPoint p) const
{
    const Window* w = Find(hwnd);
    if (!w)
        return p;
    TRect window = GetWindowRect(hwnd);
    return { p.x + window.left + w->client.left, p.y + window.top + w->client.top };
}

TPoint TWindowManager::ScreenToClient(HWND hwnd, TPoint p) const
{
    TPoint origin = ClientToScreen(hwnd, { 0, 0 });
    return { p.x - origin.x, p.y - origin.y };
}

bool TWindowManager::SetWindowPos(HWND hwnd, const TRect& rect, uint32_t flags)
{
    return SetWindowPos(hwnd, HWND_TOP, rect, flags | SWP_NOZORDER);
}

std::vector<HWND>& TWindowManager::Siblings(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (w && w->parent)
        if (Window* parent = Find(w->parent))
            return parent->children;
    return m_top_level;
}

void TWindowManager::Restack(HWND hwnd, HWND insert_after)
{
    Window* w = Find(hwnd);
    if (!w)
        return;
    if (!w->parent && insert_after == HWND_TOPMOST)
        w->ex_style |= WS_EX_TOPMOST;
    if (!w->parent && insert_after == HWND_NOTOPMOST)
        w->ex_style &= ~WS_EX_TOPMOST;
    std::vector<HWND>& list = Siblings(hwnd);
    std::erase(list, hwnd);
    auto topmost = [&](HWND h) { return !w->parent && (GetExStyle(h) & WS_EX_TOPMOST); };
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
    if (!w->parent)
        Changed(hwnd);
    else
        InvalidateRect(w->parent, nullptr);
}

void TWindowManager::BringToTop(HWND hwnd)
{
    Restack(hwnd, HWND_TOP);
}

void TWindowManager::Changed(HWND hwnd)
{
    if (IsWindow(hwnd) && !GetParent(hwnd))
        m_backend->WindowChanged(hwnd);
}

bool TWindowManager::SetWindowPos(HWND hwnd, HWND insert_after, const TRect& rect, uint32_t flags)
{
    Window* w = Find(hwnd);
    if (!w)
        return false;
    TRect target = rect;
    if (flags & SWP_NOMOVE)
        target = Offset(target, w->rect.left - target.left, w->rect.top - target.top);
    if (flags & SWP_NOSIZE) {
        target.right = target.left + w->rect.Width();
        target.bottom = target.top + w->rect.Height();
    }
    SendMessage(hwnd, WM_WINDOWPOSCHANGING, flags, reinterpret_cast<LPARAM>(&target));
    if (!(w = Find(hwnd)))
        return false;
    TRect before = w->rect, client_before = w->client;
    w->rect = target;
    TRect client = CalcClient(hwnd, target);
    if (!(w = Find(hwnd)))
        return false;
    w->client = client;
    ResizeSurface(hwnd);
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, flags, reinterpret_cast<LPARAM>(&target));
    bool moved = before.left != target.left || before.top != target.top;
    bool sized = client.Width() != client_before.Width() || client.Height() != client_before.Height();
    if (moved)
        SendMessage(hwnd, WM_MOVE, 0,
            static_cast<LPARAM>(
                (static_cast<uint16_t>(target.top) << 16) | static_cast<uint16_t>(target.left)));
    if (!(flags & SWP_NOZORDER))
        Restack(hwnd, insert_after);
    if (moved || sized)
        Changed(hwnd);
    if ((sized || (flags & SWP_FRAMECHANGED)) && IsWindow(hwnd)) {
        WPARAM kind = IsIconic(hwnd) ? SIZE_MINIMIZED : IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        SendMessage(hwnd, WM_SIZE, kind,
            static_cast<LPARAM>(
                (static_cast<uint32_t>(client.Height()) << 16) | static_cast<uint16_t>(client.Width())));
        if (!(flags & SWP_NOREDRAW)) {
            InvalidateFrame(hwnd);
            InvalidateRect(hwnd, nullptr);
        }
    }
    if (!(flags & SWP_NOACTIVATE) && !(flags & SWP_NOZORDER) && !GetParent(hwnd) && IsWindowVisible(hwnd))
        SetActiveWindow(hwnd);
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(hwnd, SW_HIDE);
    return true;
}

bool TWindowManager::ShowWindow(HWND hwnd, int command)
{
    Window* w = Find(hwnd);
    if (!w)
        return false;
    bool was = (w->style & WS_VISIBLE) != 0;
    bool show = command != SW_HIDE;
    if (was != show) {
        SendMessage(hwnd, WM_SHOWWINDOW, show ? 1 : 0);
        if (!(w = Find(hwnd)))
            return was;
        if (show) {
            w->style |= WS_VISIBLE;
            w->frame_dirty = true;
            InvalidateRect(hwnd, nullptr);
        } else {
            w->style &= ~WS_VISIBLE;
            m_activation.Leave(hwnd, false);
            if (w->parent)
                InvalidateRect(w->parent, nullptr);
        }
        Changed(hwnd);
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
    if (activates && IsWindow(hwnd) && !GetParent(hwnd) && !IsIconic(hwnd))
        SetActiveWindow(hwnd);
    return was;
}

void TWindowManager::Maximize(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || (w->style & WS_MAXIMIZE))
        return;
    if (!(w->style & WS_MINIMIZE))
        w->restore = w->rect;
    w->style = (w->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
    MINMAXINFO info = GetMinMaxInfo(hwnd);
    TRect rect { info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
        info.ptMaxPosition.y + info.ptMaxSize.y };
    SetWindowPos(hwnd, rect, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWindowManager::Minimize(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || (w->style & WS_MINIMIZE))
        return;
    w->restore_maximized = (w->style & WS_MAXIMIZE) != 0;
    if (!w->restore_maximized)
        w->restore = w->rect;
    w->style = (w->style & ~WS_MAXIMIZE) | WS_MINIMIZE;
    // A minimized window keeps its rectangle but is not on the screen.
    SetWindowPos(hwnd, w->rect, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_activation.Leave(hwnd, false);
    Changed(hwnd);
}

void TWindowManager::Restore(HWND hwnd)
{
    Window* w = Find(hwnd);
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

bool TWindowManager::IsWindowVisible(HWND hwnd) const
{
    for (const Window* w = Find(hwnd); w; w = Find(w->parent)) {
        if (!(w->style & WS_VISIBLE))
            return false;
        if (!w->parent)
            return true;
    }
    return false;
}

bool TWindowManager::EnableWindow(HWND hwnd, bool enable)
{
    Window* w = Find(hwnd);
    if (!w)
        return false;
    bool was_disabled = (w->style & WS_DISABLED) != 0;
    if (was_disabled == !enable)
        return was_disabled;
    w->style = enable ? (w->style & ~WS_DISABLED) : (w->style | WS_DISABLED);
    SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0);
    return was_disabled;
}

bool TWindowManager::IsWindowEnabled(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w && !(w->style & WS_DISABLED);
}

void TWindowManager::SetWindowRgn(HWND hwnd, std::unique_ptr<TRegion> region)
{
    if (Window* w = Find(hwnd)) {
        w->region = std::move(region);
        w->frame_dirty = true;
        InvalidateRect(hwnd, nullptr);
        if (w->parent)
            InvalidateRect(w->parent, nullptr);
        Changed(hwnd);
    }
}

const TRegion* TWindowManager::GetWindowRgn(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->region.get() : nullptr;
}

HWND TWindowManager::ChildFromPoint(HWND hwnd, TPoint screen) const
{
    const Window* w = Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE))
        return 0;
    TRect window = GetWindowRect(hwnd);
    if (!Inside(window, screen))
        return 0;
    if (w->region && !w->region->Contains(screen.x - window.left, screen.y - window.top))
        return 0;
    for (HWND child : w->children)
        if (HWND hit = ChildFromPoint(child, screen))
            return hit;
    return hwnd;
}

HWND TWindowManager::WindowFromPoint(TPoint screen) const
{
    for (HWND top : m_top_level)
        if (HWND hit = ChildFromPoint(top, screen))
            return hit;
    return 0;
}

void TWindowManager::InvalidateRect(HWND hwnd, const TRect* rect, bool erase)
{
    InvalidateRgn(hwnd, TRegion(rect ? *rect : GetClientRect(hwnd)), erase);
}

void TWindowManager::InvalidateRgn(HWND hwnd, const TRegion& region, bool erase)
{
    Window* w = Find(hwnd);
    if (!w)
        return;
    TRegion add;
    add.Combine(region, TRegion(GetClientRect(hwnd)), RGN_AND);
    if (add.IsEmpty())
        return;
    w->update.Combine(w->update, add, RGN_OR);
    w->erase = w->erase || erase;
}

void TWindowManager::InvalidateFrame(HWND hwnd)
{
    if (Window* w = Find(hwnd))
        w->frame_dirty = true;
}

bool TWindowManager::RedrawWindow(HWND hwnd, const TRect* rect, uint32_t flags)
{
    if (!IsWindow(hwnd))
        return false;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(hwnd, rect, (flags & RDW_ERASE) != 0);
    if (flags & RDW_FRAME)
        InvalidateFrame(hwnd);
    if (flags & RDW_ALLCHILDREN)
        for (HWND child : Children(hwnd))
            RedrawWindow(child, nullptr, flags & ~RDW_UPDATENOW);
    if (flags & RDW_UPDATENOW) {
        UpdateWindow(hwnd);
        if (flags & RDW_ALLCHILDREN)
            for (HWND child : Children(hwnd))
                RedrawWindow(child, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return true;
}

void TWindowManager::ValidateRect(HWND hwnd, const TRect* rect)
{
    Window* w = Find(hwnd);
    if (!w)
        return;
    if (!rect)
        w->update.Clear();
    else
        w->update.Combine(w->update, TRegion(*rect), RGN_DIFF);
}

TRegion TWindowManager::GetUpdateRgn(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->update : TRegion();
}

void TWindowManager::UpdateWindow(HWND hwnd)
{
    const Window* w = Find(hwnd);
    if (w && (!w->update.IsEmpty() || w->frame_dirty) && IsWindowVisible(hwnd))
        DispatchMessage({ hwnd, WM_PAINT, 0, 0, m_backend->NowMs() });
}

TRegion TWindowManager::BeginPaint(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w)
        return {};
    TRegion update = std::move(w->update);
    w->update = TRegion();
    if (w->erase) {
        // The background goes first, through a context clipped to what is repainted.
        w->erase = false;
        auto dc = GetDC(hwnd, &update);
        if (dc)
            SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()));
    }
    return update;
}

void TWindowManager::ResizeSurface(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || !w->surface)
        return;
    int width = std::max(0, w->rect.Width()), height = std::max(0, w->rect.Height());
    if (width == w->surface->Width() && height == w->surface->Height())
        return;
    // What was drawn stays where it was until the window paints again.
    auto surface = std::make_unique<TSurface>(width, height, 0xFF000000);
    Raster::BitBlt(*surface, 0, 0, width, height, *w->surface, 0, 0);
    w->surface = std::move(surface);
}

const TSurface* TWindowManager::WindowSurface(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w ? w->surface.get() : nullptr;
}

std::unique_ptr<TDeviceContext> TWindowManager::MakeDC(HWND hwnd, bool client, const TRegion* clip)
{
    HWND root = RootOf(hwnd);
    Window* top = Find(root);
    if (!top)
        return nullptr;
    TRect rect = GetWindowRect(hwnd), root_rect = GetWindowRect(root);
    TPoint origin { rect.left - root_rect.left, rect.top - root_rect.top };
    if (client) {
        TRect c = ClientInWindow(hwnd);
        origin = { origin.x + c.left, origin.y + c.top };
    }
    auto dc = std::make_unique<TDeviceContext>(*top->surface, origin,
        TCompositor::VisibleRegion(*this, hwnd, client), [this, root](const TRegion& drawn) {
            const Window* w = Find(root);
            if (w && !drawn.IsEmpty())
                m_backend->Present(root, *w->surface, drawn);
        });
    if (clip)
        dc->IntersectClipRgn(*clip);
    return dc;
}

std::unique_ptr<TDeviceContext> TWindowManager::GetDC(HWND hwnd, const TRegion* clip)
{
    return MakeDC(hwnd, true, clip);
}

std::unique_ptr<TDeviceContext> TWindowManager::GetWindowDC(HWND hwnd, const TRegion* clip)
{
    return MakeDC(hwnd, false, clip);
}

bool TWindowManager::SetLayeredWindowAttributes(HWND hwnd, uint32_t, uint8_t alpha, uint32_t flags)
{
    Window* w = Find(hwnd);
    if (!w || !(w->ex_style & WS_EX_LAYERED) || !m_backend->SupportsLayeredAlpha())
        return false;
    if (flags & LWA_ALPHA) {
        w->alpha = alpha;
        Changed(hwnd);
    }
    return true;
}

uint8_t TWindowManager::LayeredAlpha(HWND hwnd) const
{
    const Window* w = Find(hwnd);
    return w && (w->ex_style & WS_EX_LAYERED) ? w->alpha : 255;
}

TSurface TWindowManager::CaptureScreen(const TRect& rect)
{
    TSurface out(std::max(0, rect.Width()), std::max(0, rect.Height()), 0xFF000000);
    if (out.Empty() || m_backend->CaptureScreen(rect, out))
        return out;
    TRect screen_rect = m_backend->ScreenRect();
    TSurface screen(screen_rect.Width(), screen_rect.Height());
    TCompositor::ComposeScreen(*this, screen);
    Raster::BitBlt(out, 0, 0, out.Width(), out.Height(), screen, rect.left - screen_rect.left,
        rect.top - screen_rect.top);
    return out;
}

TSurface TWindowManager::CaptureWindow(HWND hwnd) const
{
    const TSurface* surface = WindowSurface(hwnd);
    if (!surface)
        return {};
    TSurface out(surface->Width(), surface->Height(), 0xFF000000);
    TRegion shape(surface->Bounds());
    if (const TRegion* region = GetWindowRgn(hwnd))
        shape.Combine(shape, *region, RGN_AND);
    Raster::BitBlt(out, 0, 0, out.Width(), out.Height(), *surface, 0, 0, SRCCOPY, &shape);
    return out;
}

bool TWindowManager::SetTimer(HWND hwnd, uintptr_t id, uint32_t elapse_ms)
{
    if (!IsWindow(hwnd))
        return false;
    uint64_t due = m_backend->NowMs() + elapse_ms;
    for (Timer& t : m_timers)
        if (t.hwnd == hwnd && t.id == id) {
            t.elapse = elapse_ms;
            t.due = due;
            return true;
        }
    m_timers.push_back({ hwnd, id, elapse_ms, due });
    return true;
}

bool TWindowManager::KillTimer(HWND hwnd, uintptr_t id)
{
    return std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

} // namespace tessel
