#pragma once

#include "tessel/platform/TMessage.h"
#include "tessel/platform/TRect.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>

namespace tessel {

class TWindowManager;
struct MSG;

enum class TMouseButton { Left, Right, Middle };

// Mouse and keyboard input. Backends (and tests) feed raw events in; the message
// loop turns each into a window message when it reaches it, with the hit test,
// WM_SETCURSOR, click activation, capture and double clicks done as on the
// platform, so injected input goes exactly the way real input does.
class TInput {
public:
    explicit TInput(TWindowManager& wm)
        : m_wm(wm)
    { }

    // Raw events, in screen coordinates; they wait in the input queue.
    void MouseMove(TPoint screen);
    void MouseDown(TMouseButton button, TPoint screen);
    void MouseUp(TMouseButton button, TPoint screen);
    // delta in WHEEL_DELTA units per notch, positive away from the user.
    void MouseWheel(int delta, TPoint screen);
    void KeyDown(uint32_t vk);
    void KeyUp(uint32_t vk);
    // A character typed, as a Unicode code point.
    void Char(uint32_t code_point);
    // A whole click: press and release at one point.
    void Click(TMouseButton button, TPoint screen);

    // Turns the next raw event into a message; false when none is left. Events that
    // produce no message (a move during a size loop, a click eaten by activation)
    // are consumed on the way.
    bool Take(MSG& msg);
    bool Pending() const { return !m_events.empty(); }

    TPoint CursorPos() const { return m_cursor; }
    // Moves the cursor at once, with no message, as SetCursorPos does.
    void SetCursorPos(TPoint screen) { m_cursor = screen; }
    HWND GetCapture() const { return m_capture; }
    // Returns the window that had the capture.
    HWND SetCapture(HWND hwnd);
    bool ReleaseCapture();
    // The cursor shape, IDC_*; returns the previous one.
    int SetCursor(int cursor);
    int GetCursor() const { return m_cursor_shape; }
    // Whether a key or mouse button (VK_LBUTTON style numbers 1, 2, 4 for the
    // buttons) is down, as GetKeyState's high bit tells.
    bool IsKeyDown(uint32_t vk) const { return vk < m_keys.size() && m_keys[vk]; }
    // Keys typed while an embedded view (a page, a movie) has the focus go to the
    // view, unless the program's filter takes them first (a player's own keys).
    struct TViewKey {
        uint32_t vk = 0;
        bool ctrl = false, shift = false, alt = false;
    };
    void SetViewKeyFilter(std::function<bool(const TViewKey&)> filter)
    {
        m_view_key_filter = std::move(filter);
    }
    // A key pressed in a view: when the filter takes it, it comes to the program as
    // its own key (with its modifiers, pressed and let go) and true is returned.
    bool OfferViewKey(const TViewKey& key);
    // The Alt key was just let go with nothing pressed while it was down: a tap that
    // enters a window's menu mode.
    bool AltTapped() const { return m_alt_tapped; }
    // MK_* flags of the buttons and modifier keys that are down.
    WPARAM MouseKeyFlags() const;

    // A window is going away: capture and hover forget it.
    void Forget(HWND hwnd);
    void Clear();

private:
    enum class Kind { Move, Down, Up, Wheel, KeyDown, KeyUp, Char };
    struct Event {
        Kind kind;
        TPoint pos;
        TMouseButton button = TMouseButton::Left;
        int value = 0;
        uint64_t time = 0;
    };
    struct LastClick {
        HWND hwnd = 0;
        TMouseButton button = TMouseButton::Left;
        TPoint pos;
        uint64_t time = 0;
        bool valid = false;
    };

    void Push(Event event);
    bool MouseMessage(const Event& event, MSG& msg);
    bool KeyMessage(const Event& event, MSG& msg);
    void TrackHover(HWND hwnd, bool client);
    bool IsDoubleClick(HWND hwnd, const Event& event);

    TWindowManager& m_wm;
    std::deque<Event> m_events;
    TPoint m_cursor;
    HWND m_capture = 0;
    int m_cursor_shape = 0;
    std::array<bool, 256> m_keys {};
    std::function<bool(const TViewKey&)> m_view_key_filter;
    bool m_alt_alone = false;
    bool m_alt_tapped = false;
    LastClick m_last_click;
    HWND m_hover = 0;
    bool m_hover_client = false;
};

} // namespace tessel
