#include "tessel/platform/TWindowManager.h"

#include "tests/platform/HeadlessWindows.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tessel;

using Windows = test::HeadlessWindows;

TEST_F(Windows, CreationAndDestructionInThePlatformsOrder)
{
    HWND parent = Logged("p", { 0, 0, 100, 100 });
    HWND child = Logged("c", { 10, 10, 20, 20 }, parent);
    EXPECT_EQ(wm.GetParent(child), parent);
    EXPECT_EQ(log[0], M("p", WM_NCCREATE));
    EXPECT_EQ(log[1], M("p", WM_NCCALCSIZE));
    EXPECT_EQ(log[2], M("p", WM_CREATE));
    EXPECT_EQ(log[3], M("p", WM_SHOWWINDOW));
    log.clear();
    wm.DestroyWindow(parent);
    EXPECT_EQ(log,
        (std::vector<std::string> { M("p", WM_SHOWWINDOW), M("p", WM_KILLFOCUS), M("p", WM_NCACTIVATE),
            M("p", WM_ACTIVATE), M("p", WM_DESTROY), M("c", WM_DESTROY), M("c", WM_NCDESTROY),
            M("p", WM_NCDESTROY) }));
    EXPECT_FALSE(wm.IsWindow(child));
    EXPECT_FALSE(wm.IsWindow(parent));
}

TEST_F(Windows, AReplacedProcedureChainsAndCanBeRestored)
{
    HWND h = Logged("w", { 0, 0, 10, 10 });
    log.clear();
    WNDPROC saved;
    saved = wm.SetWindowProc(h, [&](HWND hwnd, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER + 1)
            return 42;
        return saved(hwnd, m, w, l);
    });
    EXPECT_EQ(wm.SendMessage(h, WM_USER + 1), 42);
    EXPECT_TRUE(log.empty());
    wm.SendMessage(h, WM_USER + 2);
    EXPECT_EQ(log, std::vector<std::string> { M("w", WM_USER + 2) });
    wm.SetWindowProc(h, saved);
    EXPECT_EQ(wm.SendMessage(h, WM_USER + 1), 0);
    EXPECT_EQ(log.back(), M("w", WM_USER + 1));
    EXPECT_EQ(wm.RegisterWindowMessage("TesselPing"), wm.RegisterWindowMessage("TesselPing"));
    EXPECT_GE(wm.RegisterWindowMessage("TesselPing"), 0xC000u);
}

TEST_F(Windows, PostedMessagesThenPaintThenTimers)
{
    HWND h = Logged("w", { 0, 0, 10, 10 });
    wm.ProcessMessages(); // the first paint
    log.clear();
    wm.SetTimer(h, 7, 50);
    wm.InvalidateRect(h, nullptr);
    wm.PostMessage(h, WM_USER + 1);
    wm.PostMessage(h, WM_USER + 2);
    wm.ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string> { M("w", WM_USER + 1), M("w", WM_USER + 2), M("w", WM_PAINT) }));
    log.clear();
    clock->Advance(49);
    EXPECT_EQ(wm.ProcessMessages(), 0);
    clock->Advance(1);
    wm.InvalidateRect(h, nullptr);
    EXPECT_EQ(wm.ProcessMessages(), 2);
    EXPECT_EQ(log, (std::vector<std::string> { M("w", WM_PAINT), M("w", WM_TIMER) }));
    // A timer that fell far behind fires once.
    log.clear();
    clock->Advance(500);
    EXPECT_EQ(wm.ProcessMessages(), 1);
    EXPECT_TRUE(wm.KillTimer(h, 7));
    EXPECT_FALSE(wm.KillTimer(h, 7));
    clock->Advance(500);
    EXPECT_EQ(wm.ProcessMessages(), 0);
}

TEST_F(Windows, RunWaitsOnTheVirtualClockForTimers)
{
    int ticks = 0;
    TWindowParams p;
    p.rect = { 0, 0, 10, 10 };
    p.proc = [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_TIMER && ++ticks == 3)
            wm.PostQuitMessage(5);
        return wm.DefWindowProc(h, m, w, l);
    };
    HWND h = wm.CreateWindowEx(p);
    wm.SetTimer(h, 1, 25);
    EXPECT_EQ(wm.Run(), 5);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(clock->NowMs(), 75u);
    wm.DestroyWindow(h); // before the procedure's captured locals go
}

TEST_F(Windows, ATimerOfNoPeriodRunsEveryMillisecondAndTheLoopRunsDry)
{
    int ticks = 0;
    TWindowParams p;
    p.rect = { 0, 0, 10, 10 };
    p.proc = [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        ticks += m == WM_TIMER;
        return wm.DefWindowProc(h, m, w, l);
    };
    HWND h = wm.CreateWindowEx(p);
    wm.SetTimer(h, 1, 0);
    EXPECT_EQ(wm.NextTimerDue(), clock->NowMs() + 1);
    wm.ProcessMessages();
    EXPECT_EQ(ticks, 0) << "not due before a millisecond has gone";
    clock->Advance(1);
    wm.ProcessMessages();
    EXPECT_EQ(ticks, 1) << "due once, and the loop ends";
    wm.KillTimer(h, 1);
    EXPECT_EQ(wm.NextTimerDue(), UINT64_MAX);
    wm.DestroyWindow(h);
}

TEST_F(Windows, MovingAndSizingAskTheWindow)
{
    TWindowParams p;
    p.rect = { 100, 100, 300, 200 };
    std::vector<uint32_t> seen;
    p.proc = [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        seen.push_back(m);
        if (m == WM_NCCALCSIZE) {
            auto* r = reinterpret_cast<TRect*>(l);
            *r = { r->left + 3, r->top + 22, r->right - 3, r->bottom - 3 };
            return 0;
        }
        if (m == WM_WINDOWPOSCHANGING) {
            auto* r = reinterpret_cast<TRect*>(l);
            r->right = std::min(r->right, r->left + 250); // the window keeps itself narrow
            return 0;
        }
        return wm.DefWindowProc(h, m, w, l);
    };
    HWND h = wm.CreateWindowEx(p);
    EXPECT_EQ(wm.GetClientRect(h), (TRect { 0, 0, 194, 75 }));
    EXPECT_EQ(wm.ClientToScreen(h, { 0, 0 }), (TPoint { 103, 122 }));
    seen.clear();
    wm.SetWindowPos(h, { 50, 60, 450, 360 }, SWP_NOZORDER);
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 50, 60, 300, 360 }));
    EXPECT_EQ(wm.GetClientRect(h), (TRect { 0, 0, 244, 275 }));
    EXPECT_EQ(seen,
        (std::vector<uint32_t> {
            WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE }));
    seen.clear();
    wm.SetWindowPos(h, { 0, 0, 999, 999 }, SWP_NOSIZE | SWP_NOMOVE);
    EXPECT_EQ(wm.GetWindowRect(h), (TRect { 50, 60, 300, 360 }));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_SIZE), 0);
    wm.DestroyWindow(h);
}

TEST_F(Windows, ATopLevelWindowIsNoLargerThanItsLargestTrackSize)
{
    TWindowParams p;
    p.rect = { 10, 10, 100000, 2147483647 };
    HWND h = wm.CreateWindowEx(p);
    wm.SetWindowPos(h, { 10, 10, 100000, 2147483647 }, SWP_NOZORDER);
    TRect r = wm.GetWindowRect(h);
    EXPECT_EQ(r.Width(), wm.GetSystemMetrics(SM_CXMAXTRACK));
    EXPECT_EQ(r.Height(), wm.GetSystemMetrics(SM_CYMAXTRACK));
    wm.ShowWindow(h, SW_SHOW);
    wm.ProcessMessages();
    EXPECT_EQ(wm.WindowSurface(h)->Width(), r.Width());
    wm.DestroyWindow(h);
}

TEST_F(Windows, AShapedWindowIsHitOnlyInsideItsRegion)
{
    HWND back = Logged("back", { 0, 0, 100, 100 });
    HWND front = Logged("front", { 10, 10, 60, 60 });
    HWND child = Logged("child", { 5, 5, 15, 15 }, front);
    EXPECT_EQ(wm.WindowFromPoint({ 20, 20 }), child);
    EXPECT_EQ(wm.WindowFromPoint({ 30, 30 }), front);
    EXPECT_EQ(wm.WindowFromPoint({ 80, 80 }), back);
    // A region that cuts the front window's top-left corner away lets the back one be hit.
    wm.SetWindowRgn(front, std::make_unique<TRegion>(TRect { 20, 20, 50, 50 }));
    EXPECT_EQ(wm.WindowFromPoint({ 20, 20 }), back);
    EXPECT_EQ(wm.WindowFromPoint({ 35, 35 }), front);
    wm.ShowWindow(front, SW_HIDE);
    EXPECT_EQ(wm.WindowFromPoint({ 35, 35 }), back);
    EXPECT_FALSE(wm.IsWindowVisible(child));
    EXPECT_EQ(wm.SendMessage(back, WM_NCHITTEST, 0, (5 << 16) | 5), HTCLIENT);
    EXPECT_EQ(wm.SendMessage(back, WM_NCHITTEST, 0, (500 << 16) | 5), HTNOWHERE);
}

TEST_F(Windows, AChildIsHitOnlyInsideItsParentsClientArea)
{
    // A parent with a 10-pixel frame on each side and a child reaching onto it.
    TWindowParams p;
    p.rect = { 0, 0, 100, 50 };
    p.proc = [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_NCCALCSIZE) {
            auto* r = reinterpret_cast<TRect*>(l);
            *r = { r->left + 10, r->top, r->right - 10, r->bottom };
            return 0;
        }
        return wm.DefWindowProc(h, m, w, l);
    };
    HWND parent = wm.CreateWindowEx(p);
    HWND child = Logged("child", { 60, 0, 100, 50 }, parent);
    wm.ShowWindow(parent, SW_SHOW);
    EXPECT_EQ(wm.WindowFromPoint({ 75, 20 }), child);
    EXPECT_EQ(wm.WindowFromPoint({ 95, 20 }), parent) << "the frame is the parent's";
    wm.DestroyWindow(parent);
}

TEST_F(Windows, PaintingFollowsTheUpdateRegion)
{
    TRegion painted;
    TWindowParams p;
    p.style = WS_VISIBLE;
    p.rect = { 0, 0, 40, 30 };
    p.proc = [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_PAINT) {
            painted = wm.BeginPaint(h);
            return 0;
        }
        return wm.DefWindowProc(h, m, w, l);
    };
    HWND h = wm.CreateWindowEx(p);
    wm.ProcessMessages();
    EXPECT_EQ(painted.Box(), (TRect { 0, 0, 40, 30 }));
    TRect a { 1, 1, 5, 5 }, b { 30, 20, 60, 60 };
    wm.InvalidateRect(h, &a);
    wm.InvalidateRect(h, &b);
    wm.UpdateWindow(h);
    EXPECT_EQ(painted.Rects(), (std::vector<TRect> { { 1, 1, 5, 5 }, { 30, 20, 40, 30 } }));
    EXPECT_TRUE(wm.GetUpdateRgn(h).IsEmpty());
    EXPECT_EQ(wm.ProcessMessages(), 0);
    wm.DestroyWindow(h);
}

TEST_F(Windows, AMovedChildShowsAtItsNewPlaceAndItsParentWhereItWas)
{
    // Each window fills what it paints with its own colour.
    HWND parent = Painted({ 0, 0, 100, 50 }, 0xFFFF0000);
    HWND child = Painted({ 10, 10, 30, 30 }, 0xFF0000FF, parent);
    wm.ProcessMessages();
    const TSurface& screen = *wm.WindowSurface(parent);
    ASSERT_EQ(screen.Pixel(15, 15), 0xFF0000FFu);

    wm.SetWindowPos(child, { 60, 10, 80, 30 }, SWP_NOZORDER | SWP_NOSIZE);
    wm.ProcessMessages();
    EXPECT_EQ(screen.Pixel(15, 15), 0xFFFF0000u) << "the parent where the child was";
    EXPECT_EQ(screen.Pixel(65, 15), 0xFF0000FFu) << "the child where it went";
    // A child made smaller gives the rest back to its parent.
    wm.SetWindowPos(child, { 60, 10, 65, 15 }, SWP_NOZORDER);
    wm.ProcessMessages();
    EXPECT_EQ(screen.Pixel(70, 20), 0xFFFF0000u);
    wm.DestroyWindow(parent);
}

// A child window hidden, destroyed or moved off a sibling it covered: the sibling
// under it shows again, not the old picture.
TEST_F(Windows, ASiblingUncoveredByAChildShowsAgain)
{
    HWND parent = Painted({ 0, 0, 100, 60 }, 0xFFFF0000);
    HWND below = Painted({ 10, 10, 50, 50 }, 0xFF00FF00, parent);
    HWND above = Painted({ 30, 20, 70, 40 }, 0xFF0000FF, parent);
    wm.ProcessMessages();
    const TSurface& screen = *wm.WindowSurface(parent);
    ASSERT_EQ(screen.Pixel(40, 30), 0xFF0000FFu);

    wm.ShowWindow(above, SW_HIDE);
    wm.ProcessMessages();
    EXPECT_EQ(screen.Pixel(40, 30), 0xFF00FF00u) << "hidden: the sibling under it";
    EXPECT_EQ(screen.Pixel(60, 30), 0xFFFF0000u) << "hidden: the parent beside it";
    wm.ShowWindow(above, SW_SHOW);
    wm.ProcessMessages();
    ASSERT_EQ(screen.Pixel(40, 30), 0xFF0000FFu);
    wm.SetWindowPos(above, { 60, 20, 100, 40 }, SWP_NOZORDER | SWP_NOSIZE);
    wm.ProcessMessages();
    EXPECT_EQ(screen.Pixel(40, 30), 0xFF00FF00u) << "moved away";
    wm.SetWindowPos(above, { 30, 20, 70, 40 }, SWP_NOZORDER | SWP_NOSIZE);
    wm.ProcessMessages();
    ASSERT_EQ(screen.Pixel(40, 30), 0xFF0000FFu);
    wm.DestroyWindow(above);
    wm.ProcessMessages();
    EXPECT_EQ(screen.Pixel(40, 30), 0xFF00FF00u) << "destroyed";
    wm.DestroyWindow(below);
    wm.DestroyWindow(parent);
}

TEST_F(Windows, MetricsWorkAreasAndMonitors)
{
    EXPECT_EQ(wm.GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(wm.GetSystemMetrics(SM_CMONITORS), 1);
    TRect work;
    ASSERT_TRUE(wm.SystemParametersInfo(SPI_GETWORKAREA, &work));
    EXPECT_EQ(work, (TRect { 0, 0, 1280, 770 }));
    int full_drag = 0;
    ASSERT_TRUE(wm.SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, &full_drag));
    EXPECT_EQ(full_drag, 1);
    EXPECT_FALSE(wm.SystemParametersInfo(12345, &full_drag));

    // Two monitors side by side: a window belongs to the one it covers most, and a
    // window off every monitor to the nearest (or none, or the primary, as asked).
    clock->SetMonitors({ { { 0, 0, 1280, 800 }, { 0, 0, 1280, 770 } },
        { { 1280, 0, 3200, 1080 }, { 1280, 30, 3200, 1080 } } });
    EXPECT_EQ(wm.GetSystemMetrics(SM_CMONITORS), 2);
    HWND h = Logged("w", { 1200, 100, 1400, 200 });
    HMONITOR m = wm.MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info;
    ASSERT_TRUE(wm.GetMonitorInfo(m, info));
    EXPECT_EQ(info.rcWork, (TRect { 1280, 30, 3200, 1080 }));
    EXPECT_EQ(info.dwFlags, 0u);
    wm.SetWindowPos(h, { 4000, 2000, 4100, 2100 }, 0);
    EXPECT_EQ(wm.MonitorFromWindow(h, MONITOR_DEFAULTTONULL), 0u);
    EXPECT_EQ(wm.MonitorFromWindow(h, MONITOR_DEFAULTTOPRIMARY), 1u);
    EXPECT_EQ(wm.MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), 2u);
    EXPECT_FALSE(wm.GetMonitorInfo(3, info));
}

TEST_F(Windows, TheFrameIsPaintedFirstAndTheBackgroundInsideBeginPaint)
{
    std::vector<uint32_t> seen;
    TRect erased;
    TWindowParams p;
    p.style = WS_VISIBLE;
    p.rect = { 0, 0, 50, 40 };
    p.proc = [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_NCPAINT || m == WM_ERASEBKGND || m == WM_PAINT)
            seen.push_back(m);
        if (m == WM_ERASEBKGND) {
            erased = reinterpret_cast<TDeviceContext*>(w)->ClipBox();
            return 1;
        }
        if (m == WM_PAINT) {
            wm.BeginPaint(h);
            return 0;
        }
        return wm.DefWindowProc(h, m, w, l);
    };
    HWND h = wm.CreateWindowEx(p);
    wm.ProcessMessages();
    EXPECT_EQ(seen, (std::vector<uint32_t> { WM_NCPAINT, WM_PAINT, WM_ERASEBKGND }));
    EXPECT_EQ(erased, (TRect { 0, 0, 50, 40 }));
    seen.clear();
    TRect part { 5, 5, 10, 10 };
    wm.InvalidateRect(h, &part, false);
    wm.ProcessMessages();
    EXPECT_EQ(seen, std::vector<uint32_t> { WM_PAINT });
    seen.clear();
    wm.InvalidateRect(h, &part);
    wm.ProcessMessages();
    EXPECT_EQ(erased, part);
    seen.clear();
    wm.RedrawWindow(h, nullptr, RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(seen, std::vector<uint32_t> { WM_NCPAINT });
    seen.clear();
    wm.SetWindowRgn(h, std::make_unique<TRegion>(TRect { 0, 0, 20, 20 }));
    wm.ProcessMessages();
    EXPECT_EQ(seen, (std::vector<uint32_t> { WM_NCPAINT, WM_PAINT, WM_ERASEBKGND }));
    wm.DestroyWindow(h);
}

TEST(TSurface, SidesStayWithinTheLimit)
{
    TSurface surface;
    EXPECT_TRUE(surface.SetSize(100000, 3));
    EXPECT_EQ(surface.Width(), TSurface::kMaxSide);
    EXPECT_EQ(surface.Height(), 3);
    EXPECT_TRUE(surface.SetSize(-4, 10));
    EXPECT_TRUE(surface.Empty());
}

TEST(TSurface, ASizedSurfaceHoldsOnlyItsFillColour)
{
    // Zero, four equal bytes and any other colour take different ways to the pixels;
    // a surface sized again holds nothing of what it held before.
    for (uint32_t fill : { 0u, 0xFFFFFFFFu, 0x7F7F7F7Fu, 0xFF102030u }) {
        TSurface surface(5, 3, 0xFFABCDEF);
        surface.SetSize(7, 4, fill);
        bool all = true;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 7; ++x)
                all = all && surface.Pixel(x, y) == fill;
        EXPECT_TRUE(all) << std::hex << fill;
    }
}
