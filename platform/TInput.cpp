#include "tessel/platform/TInput.h"

#include "tessel/platform/TWindowManager.h"

#include <cstdlib>

namespace tessel {

namespace {

// Each button's key code (for the key state) and its down message; up and
// double click follow the down message.
struct ButtonCodes {
    uint32_t key;
    uint32_t down;
};

ButtonCodes Codes(TMouseButton button)
{
    static constexpr ButtonCodes kCodes[]
        = { { VK_LBUTTON, WM_LBUTTONDOWN }, { VK_RBUTTON, WM_RBUTTONDOWN }, { VK_MBUTTON, WM_MBUTTONDOWN } };
    return kCodes[static_cast<int>(button)];
}

// The nonclient message of a client mouse message.
uint32_t NonClient(uint32_t client_msg)
{
    return client_msg - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
}

} // namespace

void TInput::Push(Event event)
{
    event.time = m_wm.Backend().NowMs();
    m_events.push_back(event);
}

void TInput::MouseMove(TPoint screen)
{
    Push({ Kind::Move, screen });
}
void TInput::MouseDown(TMouseButton button, TPoint screen)
{
    Push({ Kind::Down, screen, button });
}
void TInput::MouseUp(TMouseButton button, TPoint screen)
{
    Push({ Kind::Up, screen, button });
}
void TInput::MouseWheel(int delta, TPoint screen)
{
    Push({ Kind::Wheel, screen, TMouseButton::Left, delta });
}
void TInput::KeyDown(uint32_t vk)
{
    Push({ Kind::KeyDown, m_cursor, TMouseButton::Left, static_cast<int>(vk) });
}
void TInput::KeyUp(uint32_t vk)
{
    Push({ Kind::KeyUp, m_cursor, TMouseButton::Left, static_cast<int>(vk) });
}
void TInput::Char(uint32_t code_point)
{
    Push({ Kind::Char, m_cursor, TMouseButton::Left, static_cast<int>(code_point) });
}

void TInput::Click(TMouseButton button, TPoint screen)
{
    MouseMove(screen);
    MouseDown(button, screen);
    MouseUp(button, screen);
}

WPARAM TInput::MouseKeyFlags() const
{
    WPARAM flags = 0;
    if (IsKeyDown(VK_LBUTTON))
        flags |= MK_LBUTTON;
    if (IsKeyDown(VK_RBUTTON))
        flags |= MK_RBUTTON;
    if (IsKeyDown(VK_MBUTTON))
        flags |= MK_MBUTTON;
    if (IsKeyDown(VK_SHIFT))
        flags |= MK_SHIFT;
    if (IsKeyDown(VK_CONTROL))
        flags |= MK_CONTROL;
    return flags;
}

HWND TInput::SetCapture(HWND hwnd)
{
    HWND old = m_capture;
    if (old == hwnd || !m_wm.IsWindow(hwnd))
        return old;
    m_capture = hwnd;
    m_wm.Backend().CaptureChanged(hwnd);
    if (old) {
        m_wm.SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(hwnd));
        m_wm.SizeMoveLoop().CaptureLost(old);
    }
    return old;
}

bool TInput::ReleaseCapture()
{
    HWND old = m_capture;
    if (!old)
        return true;
    m_capture = 0;
    m_wm.Backend().CaptureChanged(0);
    m_wm.SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    m_wm.SizeMoveLoop().CaptureLost(old);
    return true;
}

int TInput::SetCursor(int cursor)
{
    int old = m_cursor_shape;
    if (cursor != old) {
        m_cursor_shape = cursor;
        m_wm.Backend().SetCursorShape(cursor);
    }
    return old;
}

void TInput::Forget(HWND hwnd)
{
    if (m_capture == hwnd) {
        m_capture = 0;
        m_wm.Backend().CaptureChanged(0);
    }
    if (m_hover == hwnd)
        m_hover = 0;
    if (m_last_click.hwnd == hwnd)
        m_last_click.valid = false;
}

void TInput::Clear()
{
    m_events.clear();
    m_capture = 0;
    m_hover = 0;
    m_keys.fill(false);
    m_last_click = {};
}

void TInput::TrackHover(HWND hwnd, bool client)
{
    // The window the mouse leaves, or whose frame or client area it leaves, hears of it.
    if (m_hover && (m_hover != hwnd || m_hover_client != client))
        m_wm.SendMessage(m_hover, m_hover_client ? WM_MOUSELEAVE : WM_NCMOUSELEAVE);
    m_hover = hwnd;
    m_hover_client = client;
}

bool TInput::IsDoubleClick(HWND hwnd, const Event& event)
{
    const LastClick& last = m_last_click;
    bool within = last.valid && last.hwnd == hwnd && last.button == event.button
        && event.time - last.time <= m_wm.Backend().DoubleClickTime()
        && std::abs(event.pos.x - last.pos.x) * 2 <= m_wm.GetSystemMetrics(SM_CXDOUBLECLK)
        && std::abs(event.pos.y - last.pos.y) * 2 <= m_wm.GetSystemMetrics(SM_CYDOUBLECLK);
    if (within) {
        m_last_click.valid = false;
        return true;
    }
    m_last_click = { hwnd, event.button, event.pos, event.time, true };
    return false;
}

bool TInput::MouseMessage(const Event& event, MSG& msg)
{
    HWND target = m_capture ? m_capture : m_wm.WindowFromPoint(event.pos);
    if (!target) {
        TrackHover(0, false);
        return false;
    }
    uint32_t client_msg = WM_MOUSEMOVE;
    if (event.kind == Kind::Down)
        client_msg = Codes(event.button).down;
    else if (event.kind == Kind::Up)
        client_msg = Codes(event.button).down + 1;

    LRESULT hit = HTCLIENT;
    if (!m_capture) {
        hit = m_wm.SendMessage(target, WM_NCHITTEST, 0, MakePointParam(event.pos));
        if (!m_wm.IsWindow(target))
            return false;
        // A disabled window gets nothing but the cursor it shows.
        if (!m_wm.IsWindowEnabled(target) || !m_wm.IsWindowEnabled(m_wm.RootOf(target)))
            hit = HTERROR;
        m_wm.SendMessage(target, WM_SETCURSOR, target, MakeLParam(static_cast<int>(hit), client_msg));
        if (!m_wm.IsWindow(target) || hit == HTERROR || hit == HTNOWHERE || hit == HTTRANSPARENT)
            return false;
    }
    bool client = hit == HTCLIENT;
    TrackHover(target, client);

    if (event.kind == Kind::Down) {
        HWND root = m_wm.RootOf(target);
        if (root != m_wm.GetActiveWindow()) {
            LRESULT answer = m_wm.SendMessage(
                target, WM_MOUSEACTIVATE, root, MakeLParam(static_cast<int>(hit), client_msg));
            if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT)
                m_wm.SetActiveWindow(root, WA_CLICKACTIVE);
            if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT || !m_wm.IsWindow(target))
                return false;
        }
        // Each ancestor of a child window hears of a press in it, up to a window
        // that asks not to tell its parent.
        if (client)
            for (HWND w = target; m_wm.GetParent(w) && !(m_wm.GetExStyle(w) & WS_EX_NOPARENTNOTIFY);) {
                HWND parent = m_wm.GetParent(w);
                m_wm.SendMessage(parent, WM_PARENTNOTIFY, client_msg,
                    MakePointParam(m_wm.ScreenToClient(parent, event.pos)));
                w = parent;
            }
        if (!m_wm.IsWindow(target))
            return false;
        // Client double clicks need the class to ask for them; frame ones always come.
        bool wants_double = !client || (m_wm.GetClassStyle(target) & CS_DBLCLKS);
        if (IsDoubleClick(target, event) && wants_double)
            client_msg += 2;
    }

    msg.hwnd = target;
    msg.time = event.time;
    if (client) {
        msg.message = client_msg;
        msg.wParam = MouseKeyFlags();
        msg.lParam = MakePointParam(m_wm.ScreenToClient(target, event.pos));
    } else {
        msg.message = NonClient(client_msg);
        msg.wParam = static_cast<WPARAM>(hit);
        msg.lParam = MakePointParam(event.pos);
    }
    return true;
}

bool TInput::OfferViewKey(const TViewKey& key)
{
    if (!m_view_key_filter || !m_view_key_filter(key))
        return false;
    // The view had the modifiers: they are pressed here for the chord only.
    std::vector<uint32_t> chord;
    if (key.ctrl)
        chord.push_back(VK_CONTROL);
    if (key.shift)
        chord.push_back(VK_SHIFT);
    if (key.alt)
        chord.push_back(VK_MENU);
    chord.push_back(key.vk);
    for (uint32_t vk : chord)
        KeyDown(vk);
    for (auto it = chord.rbegin(); it != chord.rend(); ++it)
        KeyUp(*it);
    return true;
}

bool TInput::KeyMessage(const Event& event, MSG& msg)
{
    // Keys go to the focus; with no focus the active window gets them as system keys.
    HWND focus = m_wm.GetFocus();
    HWND target = focus ? focus : m_wm.GetActiveWindow();
    if (!target)
        return false;
    bool alt = IsKeyDown(VK_MENU);
    bool system = !focus || alt || event.value == static_cast<int>(VK_F10)
        || event.value == static_cast<int>(VK_MENU);
    msg.hwnd = target;
    msg.time = event.time;
    msg.wParam = static_cast<WPARAM>(event.value);
    LPARAM context = alt ? (1 << 29) : 0;
    switch (event.kind) {
    case Kind::KeyDown:
        msg.message = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
        msg.lParam = 1 | context;
        break;
    case Kind::KeyUp:
        msg.message = system ? WM_SYSKEYUP : WM_KEYUP;
        msg.lParam = 1 | context | (1 << 30) | (LPARAM(1) << 31);
        break;
    default:
        msg.message = alt ? WM_SYSCHAR : WM_CHAR;
        msg.lParam = 1 | context;
        break;
    }
    return true;
}

bool TInput::Take(MSG& msg)
{
    while (!m_events.empty()) {
        Event event = m_events.front();
        m_events.pop_front();
        TSizeMoveLoop& loop = m_wm.SizeMoveLoop();
        switch (event.kind) {
        case Kind::Move:
            m_cursor = event.pos;
            if (loop.IsActive()) {
                loop.Track(event.pos);
                continue;
            }
            break;
        case Kind::Down:
        case Kind::Up:
            m_cursor = event.pos;
            m_keys[Codes(event.button).key] = event.kind == Kind::Down;
            m_alt_alone = false;
            if (loop.IsActive()) {
                if (event.kind == Kind::Up)
                    loop.End(event.pos);
                continue;
            }
            break;
        case Kind::Wheel: {
            HWND target = m_wm.GetFocus() ? m_wm.GetFocus() : m_wm.GetActiveWindow();
            if (!target || loop.IsActive())
                continue;
            msg = { target, WM_MOUSEWHEEL,
                static_cast<WPARAM>(MakeLParam(static_cast<int>(MouseKeyFlags()), event.value)),
                MakePointParam(event.pos), event.time };
            return true;
        }
        case Kind::KeyDown:
        case Kind::KeyUp:
            if (event.kind == Kind::KeyDown) {
                m_alt_alone = event.value == static_cast<int>(VK_MENU) && (m_alt_alone || !m_keys[VK_MENU]);
                m_alt_tapped = false;
            } else {
                m_alt_tapped = event.value == static_cast<int>(VK_MENU) && m_alt_alone;
                m_alt_alone = false;
            }
            if (static_cast<uint32_t>(event.value) < m_keys.size())
                m_keys[static_cast<size_t>(event.value)] = event.kind == Kind::KeyDown;
            if (loop.IsActive()) {
                if (event.kind == Kind::KeyDown && event.value == static_cast<int>(VK_ESCAPE))
                    loop.Cancel();
                continue;
            }
            if (KeyMessage(event, msg))
                return true;
            continue;
        case Kind::Char:
            if (!loop.IsActive() && KeyMessage(event, msg))
                return true;
            continue;
        }
        if (MouseMessage(event, msg))
            return true;
    }
    return false;
}

} // namespace tessel
