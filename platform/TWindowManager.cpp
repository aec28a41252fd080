#include "tessel/platform/TWindowManager.h"

#include "tessel/platform/TCompositor.h"
#include "tessel/platform/TDefWindowProc.h"
#include "tessel/platform/TSystemMetrics.h"
#include "tessel/platform/headless/THeadlessBackend.h"

#include <algorithm>

namespace tessel {

namespace {

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

TWindow* TWindowManager::Find(HWND hwnd)
{
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

const TWindow* TWindowManager::Find(HWND hwnd) const
{
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

HWND TWindowManager::CreateWindowEx(const TWindowParams& params)
{
    if (params.parent && !IsWindow(params.parent))
        return 0;
    HWND hwnd = m_next++;
    TWindow& w = m_windows[hwnd];
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
    m_placement.Restack(hwnd, HWND_TOP);
    if (!SendMessage(hwnd, WM_NCCREATE)) {
        DestroyWindow(hwnd);
        return 0;
    }
    Find(hwnd)->client = m_placement.CalcClient(hwnd, params.rect);
    if (SendMessage(hwnd, WM_CREATE) == -1) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (params.style & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

bool TWindowManager::DestroyWindow(HWND hwnd)
{
    TWindow* w = Find(hwnd);
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
    TWindow* w = Find(hwnd);
    if (!w)
        return;
    w->destroying = true;
    SendMessage(hwnd, WM_DESTROY);
    if (TWindow* still = Find(hwnd))
        for (HWND child : std::vector<HWND>(still->children))
            DestroyTree(child);
}

void TWindowManager::FinalDestroy(HWND hwnd)
{
    TWindow* w = Find(hwnd);
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
        if (TWindow* parent = Find(w->parent))
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
    const TWindow* w = Find(hwnd);
    while (w && w->parent) {
        hwnd = w->parent;
        w = Find(hwnd);
    }
    return w ? hwnd : 0;
}

bool TWindowManager::IsChildOf(HWND hwnd, HWND ancestor) const
{
    for (const TWindow* w = Find(hwnd); w && w->parent; w = Find(w->parent))
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
    const TWindow* w = Find(hwnd);
    return w ? w->parent : 0;
}

std::vector<HWND> TWindowManager::Children(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    return w ? w->children : std::vector<HWND> {};
}

WNDPROC TWindowManager::SetWindowProc(HWND hwnd, WNDPROC proc)
{
    TWindow* w = Find(hwnd);
    if (!w || !proc)
        return {};
    std::swap(w->proc, proc);
    return proc;
}

WNDPROC TWindowManager::GetWindowProc(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    return w ? w->proc : WNDPROC {};
}

LRESULT TWindowManager::SendMessage(HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam)
{
    TWindow* w = Find(hwnd);
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
    return m_input.Take(msg) || m_paint.TakePaint(msg) || TakeTimer(msg);
}

LRESULT TWindowManager::DispatchMessage(const MSG& msg)
{
    if (msg.message == WM_PAINT)
        return m_paint.DispatchPaint(msg.hwnd);
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
        if (!WaitMessage())
            return m_quit_code;
    }
}

bool TWindowManager::HasPending() const
{
    return m_quit || !m_queue.empty() || m_input.Pending();
}

bool TWindowManager::WaitMessage()
{
    if (HasPending())
        return true;
    if (m_timers.empty() && !m_backend->HasLiveInput())
        return false;
    m_backend->WaitUntil(NextTimerDue());
    return true;
}

uint64_t TWindowManager::NextTimerDue() const
{
    uint64_t next = UINT64_MAX;
    for (const Timer& t : m_timers)
        next = std::min(next, t.due);
    return next;
}

bool TWindowManager::HasNativeFrame(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    if (!w || w->parent || !m_backend->NativeFrames() || !w->default_frame)
        return false;
    return (w->style & WS_CAPTION) == WS_CAPTION || (w->style & WS_THICKFRAME);
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
    const TWindow* w = Find(hwnd);
    return w ? w->style : 0;
}

void TWindowManager::SetStyle(HWND hwnd, uint32_t style)
{
    if (TWindow* w = Find(hwnd))
        w->style = (style & ~WS_VISIBLE) | (w->style & WS_VISIBLE);
}

uint32_t TWindowManager::GetExStyle(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    return w ? w->ex_style : 0;
}

void TWindowManager::SetExStyle(HWND hwnd, uint32_t ex_style)
{
    if (TWindow* w = Find(hwnd); w && w->ex_style != ex_style) {
        w->ex_style = ex_style;
        Changed(hwnd);
    }
}

uint32_t TWindowManager::GetClassStyle(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    return w ? w->class_style : 0;
}

const std::string& TWindowManager::GetText(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    return w ? w->text : m_empty;
}

void TWindowManager::SetText(HWND hwnd, std::string text)
{
    if (TWindow* w = Find(hwnd)) {
        w->text = std::move(text);
        Changed(hwnd);
    }
}

TRect TWindowManager::GetWindowRect(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    if (!w)
        return {};
    if (!w->parent)
        return w->rect;
    TPoint origin = ClientToScreen(w->parent, { 0, 0 });
    return w->rect.Offset(origin.x, origin.y);
}

TRect TWindowManager::GetClientRect(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    return w ? TRect { 0, 0, w->client.Width(), w->client.Height() } : TRect {};
}

TRect TWindowManager::ClientInWindow(HWND hwnd) const
{
    const TWindow* w = Find(hwnd);
    return w ? w->client : TRect {};
}

TPoint TWindowManager::ClientToScreen(HWND hwnd, TPoint p) const
{
    const TWindow* w = Find(hwnd);
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

void TWindowManager::Changed(HWND hwnd)
{
    if (IsWindow(hwnd) && !GetParent(hwnd))
        m_backend->WindowChanged(hwnd);
    if (!m_native_views.Empty())
        m_native_views.Update();
}

bool TWindowManager::IsWindowVisible(HWND hwnd) const
{
    for (const TWindow* w = Find(hwnd); w; w = Find(w->parent)) {
        if (!(w->style & WS_VISIBLE))
            return false;
        if (!w->parent)
            return true;
    }
    return false;
}

bool TWindowManager::EnableWindow(HWND hwnd, bool enable)
{
    TWindow* w = Find(hwnd);
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
    const TWindow* w = Find(hwnd);
    return w && !(w->style & WS_DISABLED);
}

void TWindowManager::SetWindowRgn(HWND hwnd, std::unique_ptr<TRegion> region)
{
    if (TWindow* w = Find(hwnd)) {
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
    const TWindow* w = Find(hwnd);
    return w ? w->region.get() : nullptr;
}

HWND TWindowManager::ChildFromPoint(HWND hwnd, TPoint screen) const
{
    const TWindow* w = Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE))
        return 0;
    TRect window = GetWindowRect(hwnd);
    if (!window.Contains(screen))
        return 0;
    if (w->region && !w->region->Contains(screen.x - window.left, screen.y - window.top))
        return 0;
    // Children show only inside their parent's client area, so only there can they
    // be hit; a point on the frame belongs to the parent.
    TPoint origin = ClientToScreen(hwnd, { 0, 0 });
    TRect client = GetClientRect(hwnd);
    if (client.Offset(origin.x, origin.y).Contains(screen))
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

bool TWindowManager::SetTimer(HWND hwnd, uintptr_t id, uint32_t elapse_ms)
{
    if (!IsWindow(hwnd))
        return false;
    elapse_ms = std::max<uint32_t>(elapse_ms, 1);
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
