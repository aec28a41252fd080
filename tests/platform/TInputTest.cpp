#include "tessel/platform/TWindowManager.h"
#include "tests/platform/HeadlessWindows.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// A window with a skinned-looking frame: 4-pixel borders, a 24-pixel caption band,
// an 8 x 8 sizing grip at the bottom right. WM_MOVING snaps the left edge to the
// screen's when it comes within 10 pixels; WM_SIZING keeps the width at most 300.
class Framed : public test::HeadlessWindows {
protected:
    HWND Create(TRect rect, uint32_t class_style = 0)
    {
        TWindowParams p;
        p.style = WS_VISIBLE | WS_MAXIMIZEBOX;
        p.class_style = class_style;
        p.rect = rect;
        p.proc = [this](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
            log.push_back(M("f", m));
            if (m == WM_NCCALCSIZE) {
                auto* r = reinterpret_cast<TRect*>(l);
                *r = { r->left + 4, r->top + 24, r->right - 4, r->bottom - 4 };
                return 0;
            }
            if (m == WM_NCHITTEST) {
                TPoint pt = PointFromParam(l);
                TRect wr = wm.GetWindowRect(h);
                if (pt.x >= wr.right - 8 && pt.y >= wr.bottom - 8 && pt.x < wr.right && pt.y < wr.bottom)
                    return HTBOTTOMRIGHT;
                if (pt.y >= wr.top && pt.y < wr.top + 24 && pt.x >= wr.left && pt.x < wr.right)
                    return HTCAPTION;
                return wm.DefWindowProc(h, m, w, l);
            }
            if (m == WM_MOVING) {
                auto* r = reinterpret_cast<TRect*>(l);
                if (r->left < 10) {
                    r->right -= r->left;
                    r->left = 0;
                }
                return 1;
            }
            if (m == WM_SIZING) {
                auto* r = reinterpret_cast<TRect*>(l);
                r->right = std::min(r->right, r->left + 300);
                return 1;
            }
            if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_MOUSEMOVE || m == WM_NCLBUTTONDOWN)
                last = { m, w, l };
            return wm.DefWindowProc(h, m, w, l);
        };
        return wm.CreateWindowEx(p);
    }

    void Drag(TPoint from, TPoint to, int steps)
    {
        wm.Input().MouseMove(from);
        wm.Input().MouseDown(TMouseButton::Left, from);
        for (int i = 1; i <= steps; ++i)
            wm.Input().MouseMove(
                { from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps });
        wm.Input().MouseUp(TMouseButton::Left, to);
        wm.ProcessMessages();
    }

    struct Last {
        uint32_t msg = 0;
        WPARAM wparam = 0;
        LPARAM lparam = 0;
    } last;
};

using HostWindows = test::HeadlessWindows;

} // namespace

TEST_F(Framed, DraggingTheCaptionMovesTheWindowInThePlatformsOrder)
{
    HWND h = Create({ 100, 100, 300, 250 });
    wm.ProcessMessages();
    log.clear();
    Drag({ 150, 110 }, { 170, 130 }, 2);
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 120, 120, 320, 270 }));
    EXPECT_EQ(Only({ WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGING,
                  WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_CAPTURECHANGED, WM_EXITSIZEMOVE }),
        (std::vector<std::string> { M("f", WM_NCLBUTTONDOWN), M("f", WM_SYSCOMMAND), M("f", WM_ENTERSIZEMOVE),
            M("f", WM_MOVING), M("f", WM_WINDOWPOSCHANGING), M("f", WM_WINDOWPOSCHANGED), M("f", WM_MOVE),
            M("f", WM_MOVING), M("f", WM_WINDOWPOSCHANGING), M("f", WM_WINDOWPOSCHANGED), M("f", WM_MOVE),
            M("f", WM_MOVING), M("f", WM_CAPTURECHANGED), M("f", WM_EXITSIZEMOVE) }));
    EXPECT_EQ(wm.Input().GetCapture(), 0u);
    EXPECT_FALSE(wm.SizeMoveLoop().IsActive());

    // WM_MOVING changes where the window goes: the left edge snaps to the screen's.
    Drag({ 150, 130 }, { 35, 130 }, 3);
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 0, 120, 200, 270 }));

    // Escape puts the window back where the drag began.
    wm.Input().MouseMove({ 50, 130 });
    wm.Input().MouseDown(TMouseButton::Left, { 50, 130 });
    wm.Input().MouseMove({ 250, 330 });
    wm.ProcessMessages();
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 200, 320, 400, 470 }));
    wm.Input().KeyDown(VK_ESCAPE);
    wm.Input().MouseUp(TMouseButton::Left, { 250, 330 });
    wm.ProcessMessages();
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 0, 120, 200, 270 }));
    EXPECT_EQ(Only({ WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE }).back(), M("f", WM_EXITSIZEMOVE));
}

TEST_F(Framed, DraggingTheGripSizesWithinTheLimits)
{
    HWND h = Create({ 100, 100, 300, 250 });
    wm.ProcessMessages();
    log.clear();
    Drag({ 297, 247 }, { 337, 267 }, 1);
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 100, 100, 340, 270 }));
    EXPECT_EQ(wm.GetClientRect(h), (TRect { 0, 0, 232, 142 }));
    EXPECT_EQ(Only({ WM_SYSCOMMAND, WM_GETMINMAXINFO, WM_ENTERSIZEMOVE, WM_SIZING, WM_WINDOWPOSCHANGING,
                  WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE, WM_EXITSIZEMOVE }),
        (std::vector<std::string> { M("f", WM_SYSCOMMAND), M("f", WM_GETMINMAXINFO), M("f", WM_ENTERSIZEMOVE),
            M("f", WM_SIZING), M("f", WM_WINDOWPOSCHANGING), M("f", WM_GETMINMAXINFO), M("f", WM_NCCALCSIZE),
            M("f", WM_WINDOWPOSCHANGED), M("f", WM_SIZE), M("f", WM_SIZING), M("f", WM_EXITSIZEMOVE) }));
    // WM_SIZING caps the width; the minimum track size stops the window from vanishing.
    Drag({ 337, 267 }, { 537, 267 }, 2);
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 100, 100, 400, 270 }));
    Drag({ 397, 267 }, { 0, 0 }, 1);
    EXPECT_EQ(wm.GetWindowRect(h),
        (TRect {
            100, 100, 100 + wm.GetSystemMetrics(SM_CXMINTRACK), 100 + wm.GetSystemMetrics(SM_CYMINTRACK) }));
}

TEST_F(Framed, MouseMessagesFollowTheHitTestAndTheCapture)
{
    HWND h = Create({ 100, 100, 300, 250 });
    Logged("c", { 10, 10, 50, 50 }, h);
    wm.ProcessMessages();
    wm.Input().Click(TMouseButton::Left, { 150, 110 });
    wm.ProcessMessages();
    EXPECT_EQ(last.msg, WM_NCLBUTTONDOWN);
    EXPECT_EQ(last.wparam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(PointFromParam(last.lparam), (TPoint { 150, 110 }));

    clock->Advance(1000);
    wm.Input().Click(TMouseButton::Left, { 164, 184 });
    wm.ProcessMessages();
    EXPECT_EQ(last.msg, WM_LBUTTONDOWN);
    EXPECT_EQ(last.wparam, MK_LBUTTON);
    EXPECT_EQ(PointFromParam(last.lparam), (TPoint { 60, 60 }));
    // The child window is hit before its parent.
    log.clear();
    wm.Input().Click(TMouseButton::Left, { 124, 144 });
    wm.ProcessMessages();
    EXPECT_EQ(Only({ WM_LBUTTONDOWN, WM_LBUTTONUP }),
        (std::vector<std::string> { M("c", WM_LBUTTONDOWN), M("c", WM_LBUTTONUP) }));

    // With the capture every move goes to the capturing window in its client
    // coordinates, even far outside it, and no hit test is asked; the child the
    // mouse was over hears that it left.
    wm.Input().SetCapture(h);
    log.clear();
    wm.Input().MouseMove({ 10, 20 });
    wm.ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string> { M("c", WM_MOUSELEAVE), M("f", WM_MOUSEMOVE) }));
    EXPECT_EQ(PointFromParam(last.lparam), (TPoint { -94, -104 }));
    wm.Input().ReleaseCapture();
    EXPECT_EQ(log.back(), M("f", WM_CAPTURECHANGED));
    // Without it a point outside every window reaches none.
    log.clear();
    wm.Input().MouseMove({ 1000, 700 });
    wm.ProcessMessages();
    EXPECT_EQ(Only({ WM_MOUSEMOVE, WM_NCMOUSEMOVE }), std::vector<std::string> {});
}

TEST_F(Framed, DoubleClicksNeedTheClassStyleTimeAndDistance)
{
    HWND plain = Create({ 0, 0, 100, 100 });
    HWND doubles = Create({ 200, 0, 300, 100 }, CS_DBLCLKS);
    wm.ProcessMessages();
    auto click = [&](TPoint p) {
        wm.Input().Click(TMouseButton::Left, p);
        wm.ProcessMessages();
        return last.msg;
    };
    EXPECT_EQ(click({ 250, 50 }), static_cast<uint32_t>(WM_LBUTTONDOWN));
    clock->Advance(500);
    EXPECT_EQ(click({ 252, 48 }), static_cast<uint32_t>(WM_LBUTTONDBLCLK));
    // A third click starts over.
    EXPECT_EQ(click({ 252, 48 }), static_cast<uint32_t>(WM_LBUTTONDOWN));
    clock->Advance(501);
    EXPECT_EQ(click({ 252, 48 }), static_cast<uint32_t>(WM_LBUTTONDOWN));
    EXPECT_EQ(click({ 255, 48 }), static_cast<uint32_t>(WM_LBUTTONDOWN)); // 3 pixels off
    EXPECT_EQ(click({ 255, 48 }), static_cast<uint32_t>(WM_LBUTTONDBLCLK));
    // A window without CS_DBLCLKS sees two presses.
    EXPECT_EQ(click({ 50, 50 }), static_cast<uint32_t>(WM_LBUTTONDOWN));
    EXPECT_EQ(click({ 50, 50 }), static_cast<uint32_t>(WM_LBUTTONDOWN));
    // Frame double clicks always come; on the caption they maximize and restore.
    log.clear();
    click({ 50, 10 });
    click({ 50, 10 });
    EXPECT_EQ(Only({ WM_NCLBUTTONDBLCLK }), std::vector<std::string> { M("f", WM_NCLBUTTONDBLCLK) });
    EXPECT_TRUE(wm.IsZoomed(plain));
    EXPECT_EQ(wm.GetWindowRect(plain), clock->WorkArea());
    (void)doubles;
}

TEST_F(Framed, SystemCommandsMinimizeMaximizeRestoreAndClose)
{
    HWND h = Create({ 100, 100, 300, 250 });
    std::vector<WPARAM> sizes;
    WNDPROC saved = wm.GetWindowProc(h);
    wm.SetWindowProc(h, [&](HWND hwnd, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_SIZE)
            sizes.push_back(w);
        if (m == WM_GETMINMAXINFO) // leave room for a dock on the left
            reinterpret_cast<MINMAXINFO*>(l)->ptMaxPosition.x = 40;
        return saved(hwnd, m, w, l);
    });
    wm.SendMessage(h, WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 40, 0, 1320, 770 }));
    wm.SendMessage(h, WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(wm.IsIconic(h));
    EXPECT_EQ(wm.WindowFromPoint({ 500, 300 }), 0u);
    EXPECT_EQ(wm.GetActiveWindow(), 0u);
    // Restoring a window minimized from maximized brings it back maximized, then normal.
    wm.SendMessage(h, WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_TRUE(wm.IsZoomed(h));
    wm.SendMessage(h, WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 100, 100, 300, 250 }));
    EXPECT_EQ(sizes, (std::vector<WPARAM> { SIZE_MAXIMIZED, SIZE_MINIMIZED, SIZE_MAXIMIZED, SIZE_RESTORED }));
    // Alt+F4 closes through SC_CLOSE and WM_CLOSE.
    wm.SetActiveWindow(h);
    wm.Input().KeyDown(VK_MENU);
    wm.Input().KeyDown(VK_F4);
    wm.ProcessMessages();
    EXPECT_FALSE(wm.IsWindow(h));
}

TEST_F(HostWindows, ClicksActivateButPopupsDoNot)
{
    HWND a = Logged("a", { 0, 0, 100, 100 });
    HWND b = Logged("b", { 200, 0, 300, 100 });
    EXPECT_EQ(wm.GetActiveWindow(), b);
    EXPECT_EQ(wm.TopLevelWindows().front(), b);
    log.clear();
    wm.Input().Click(TMouseButton::Left, { 50, 50 });
    wm.ProcessMessages();
    EXPECT_EQ(wm.GetActiveWindow(), a);
    EXPECT_EQ(wm.GetFocus(), a);
    EXPECT_EQ(wm.TopLevelWindows().front(), a);
    EXPECT_EQ(
        Only({ WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONDOWN }),
        (std::vector<std::string> { M("a", WM_MOUSEACTIVATE), M("b", WM_NCACTIVATE), M("b", WM_ACTIVATE),
            M("b", WM_KILLFOCUS), M("a", WM_NCACTIVATE), M("a", WM_ACTIVATE), M("a", WM_SETFOCUS),
            M("a", WM_LBUTTONDOWN) }));

    // A menu-like popup: shown without activation, answers MA_NOACTIVATE, stays top-most.
    TWindowParams p;
    p.style = WS_POPUP;
    p.ex_style = WS_EX_TOOLWINDOW;
    p.class_style = CS_SAVEBITS | CS_DROPSHADOW;
    p.rect = { 40, 40, 140, 140 };
    int presses = 0;
    p.proc = [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_MOUSEACTIVATE)
            return MA_NOACTIVATE;
        if (m == WM_LBUTTONDOWN)
            ++presses;
        return wm.DefWindowProc(h, m, w, l);
    };
    HWND popup = wm.CreateWindowEx(p);
    wm.SetWindowPos(popup, HWND_TOPMOST, { 40, 40, 140, 140 }, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    EXPECT_EQ(wm.GetActiveWindow(), a);
    EXPECT_EQ(wm.TopLevelWindows().front(), popup);
    wm.Input().Click(TMouseButton::Left, { 60, 60 });
    wm.ProcessMessages();
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(wm.GetActiveWindow(), a);
    EXPECT_EQ(wm.GetFocus(), a);
    // Activating another window does not put it over the top-most popup.
    wm.SetActiveWindow(b);
    EXPECT_EQ(wm.TopLevelWindows().front(), popup);
    EXPECT_EQ(wm.TopLevelWindows()[1], b);
    // A window that cannot be activated is passed over when the active one goes.
    HWND tool = Logged("t", { 0, 0, 10, 10 }, 0, 0, WS_EX_NOACTIVATE);
    wm.ShowWindow(tool, SW_SHOWNA);
    wm.DestroyWindow(b);
    EXPECT_EQ(wm.GetActiveWindow(), a);
    wm.DestroyWindow(popup);
}

TEST_F(HostWindows, KeysGoToTheFocusAndAltMakesThemSystemKeys)
{
    HWND top = Logged("t", { 0, 0, 100, 100 });
    HWND edit = Logged("e", { 10, 10, 50, 30 }, top);
    wm.SetFocus(edit);
    log.clear();
    wm.Input().KeyDown('A');
    wm.Input().Char('a');
    wm.Input().KeyUp('A');
    wm.Input().KeyDown(VK_MENU);
    wm.Input().KeyDown('G');
    wm.Input().Char('g');
    wm.Input().KeyUp('G');
    wm.Input().KeyUp(VK_MENU);
    wm.Input().MouseWheel(-WHEEL_DELTA, { 20, 20 });
    wm.ProcessMessages();
    EXPECT_EQ(Only({ WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_MOUSEWHEEL,
                  WM_SYSCOMMAND }),
        (std::vector<std::string> { M("e", WM_KEYDOWN), M("e", WM_CHAR), M("e", WM_KEYUP),
            M("e", WM_SYSKEYDOWN), M("e", WM_SYSKEYDOWN), M("e", WM_SYSCHAR), M("t", WM_SYSCOMMAND),
            M("e", WM_SYSKEYUP), M("e", WM_SYSKEYUP), M("e", WM_MOUSEWHEEL), M("t", WM_MOUSEWHEEL) }));
}

TEST_F(HostWindows, LeavingAndCursorsAndDisabledWindows)
{
    HWND a = Logged("a", { 0, 0, 100, 100 });
    HWND b = Logged("b", { 100, 0, 200, 100 }, 0, WS_VISIBLE | WS_THICKFRAME);
    wm.ProcessMessages();
    log.clear();
    wm.Input().MouseMove({ 50, 50 });
    wm.Input().MouseMove({ 150, 50 });
    wm.ProcessMessages();
    EXPECT_EQ(Only({ WM_MOUSEMOVE, WM_MOUSELEAVE }),
        (std::vector<std::string> { M("a", WM_MOUSEMOVE), M("a", WM_MOUSELEAVE), M("b", WM_MOUSEMOVE) }));

    // A window that says its edge is a sizing border gets the sizing cursor there.
    wm.SetWindowProc(b, [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_NCHITTEST)
            return PointFromParam(l).x >= 195 ? HTRIGHT : HTCLIENT;
        return wm.DefWindowProc(h, m, w, l);
    });
    wm.Input().MouseMove({ 197, 50 });
    wm.ProcessMessages();
    EXPECT_EQ(clock->CursorShape(), IDC_SIZEWE);
    wm.Input().MouseMove({ 150, 50 });
    wm.ProcessMessages();
    EXPECT_EQ(clock->CursorShape(), IDC_ARROW);

    // A disabled window gets no clicks and is not activated by them.
    wm.EnableWindow(a, false);
    log.clear();
    wm.Input().Click(TMouseButton::Left, { 50, 50 });
    wm.ProcessMessages();
    EXPECT_EQ(Only({ WM_LBUTTONDOWN, WM_MOUSEACTIVATE }), std::vector<std::string> {});
    EXPECT_EQ(wm.GetActiveWindow(), b);
}

TEST_F(HostWindows, PressesInChildWindowsAreToldToTheirAncestors)
{
    HWND top = Logged("t", { 100, 100, 300, 300 });
    HWND panel = Logged("p", { 10, 10, 150, 150 }, top);
    Logged("b", { 20, 20, 60, 40 }, panel);
    Logged("q", { 80, 80, 120, 120 }, panel, WS_VISIBLE, WS_EX_NOPARENTNOTIFY);
    wm.ProcessMessages();
    std::vector<std::pair<WPARAM, TPoint>> told;
    WNDPROC saved = wm.GetWindowProc(top);
    wm.SetWindowProc(top, [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_PARENTNOTIFY)
            told.push_back({ w, PointFromParam(l) });
        return TWindowManager::CallWindowProc(saved, h, m, w, l);
    });
    log.clear();
    wm.Input().Click(TMouseButton::Right, { 135, 135 });
    wm.ProcessMessages();
    EXPECT_EQ(Only({ WM_PARENTNOTIFY, WM_RBUTTONDOWN }),
        (std::vector<std::string> {
            M("p", WM_PARENTNOTIFY), M("t", WM_PARENTNOTIFY), M("b", WM_RBUTTONDOWN) }));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, WM_RBUTTONDOWN);
    EXPECT_EQ(told[0].second, (TPoint { 35, 35 }));
    log.clear();
    wm.Input().Click(TMouseButton::Left, { 200, 200 });
    wm.ProcessMessages();
    EXPECT_EQ(Only({ WM_PARENTNOTIFY }), std::vector<std::string> {});
    wm.DestroyWindow(top); // before the procedure's captured locals go
}
