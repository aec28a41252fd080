#include "tessel/framework/TTestDesktop.h"

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TForm.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/Messages.h"
#include "tessel/platform/TMessage.h"
#include "tessel/platform/TWindowManager.h"

#include <gtest/gtest.h>
#include <vector>

namespace tessel::test {

namespace {

// The messages of these kinds that the application's loop takes, in order.
void Record(std::vector<uint32_t> kinds, std::vector<MSG>& into)
{
    Application().OnMessage = [kinds, &into](MSG& msg, bool&) {
        for (uint32_t kind : kinds)
            if (msg.message == kind)
                into.push_back(msg);
    };
}

TForm& ShownForm(TColor color = clRed)
{
    TForm& form = Application().CreateForm<TForm>();
    form.SetBoundsRect({ 100, 100, 400, 300 });
    form.SetColor(color);
    form.Show();
    return form;
}

} // namespace

TEST(TTestDesktop, AdvanceFiresEveryTimerAtEachOfItsMoments)
{
    TTestDesktop desktop;
    TForm& form = ShownForm();
    desktop.Process();
    std::vector<uint64_t> fast, slow;
    auto& ten = form.Add<TTimer>();
    ten.SetInterval(10);
    ten.SetOnTimer([&](TComponent*) { fast.push_back(desktop.Now()); });
    auto& thirty = form.Add<TTimer>();
    thirty.SetInterval(30);
    thirty.SetOnTimer([&](TComponent*) { slow.push_back(desktop.Now()); });
    const uint64_t start = desktop.Now();

    desktop.Advance(95);
    ASSERT_EQ(fast.size(), 9u) << "a 10 ms timer over 95 ms";
    for (size_t i = 0; i < fast.size(); ++i)
        EXPECT_EQ(fast[i], start + 10 * (i + 1));
    EXPECT_EQ(slow, (std::vector<uint64_t> { start + 30, start + 60, start + 90 }));
    EXPECT_EQ(desktop.Now(), start + 95);

    // A timer started by another on the way fires on the way too. A new handler
    // starts the 30 ms period anew, at 95: it fires at 125 and starts the 7 ms one.
    std::vector<uint64_t> late;
    auto& once = form.Add<TTimer>();
    once.SetEnabled(false);
    once.SetInterval(7);
    once.SetOnTimer([&](TComponent*) {
        late.push_back(desktop.Now());
        once.SetEnabled(false);
    });
    thirty.SetOnTimer([&](TComponent*) { once.SetEnabled(true); });
    desktop.Advance(40);
    EXPECT_EQ(late, (std::vector<uint64_t> { start + 132 }));

    // Once the application has ended, time still moves and nothing hangs.
    Application().Terminate();
    desktop.Advance(1000);
    EXPECT_EQ(desktop.Now(), start + 1135);
}

TEST(TTestDesktop, KeysAreTypedAsAPersonTypesThem)
{
    TTestDesktop desktop;
    ShownForm();
    desktop.Process();
    std::vector<MSG> seen;
    Record({ WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR }, seen);

    desktop.Type('F', ssAlt);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].message, WM_SYSKEYDOWN);
    EXPECT_EQ(seen[0].wParam, VK_MENU);
    EXPECT_EQ(seen[1].message, WM_SYSKEYDOWN);
    EXPECT_EQ(seen[1].wParam, WPARAM('F'));
    EXPECT_EQ(seen[2].message, WM_SYSCHAR) << "Alt+letter is a menu's accelerator";
    EXPECT_EQ(seen[2].wParam, WPARAM('f'));
    EXPECT_EQ(seen[3].wParam, WPARAM('F'));
    EXPECT_EQ(seen[4].wParam, VK_MENU);

    seen.clear();
    desktop.Type('Q', ssShift);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[2].message, WM_CHAR);
    EXPECT_EQ(seen[2].wParam, WPARAM('Q'));

    seen.clear();
    desktop.Type('S', ssCtrl);
    desktop.Type(VK_LEFT);
    for (const MSG& msg : seen)
        EXPECT_NE(msg.message, WM_CHAR) << "Ctrl+S and an arrow type no character";
    EXPECT_EQ(seen.size(), 6u);

    seen.clear();
    desktop.Type(VK_RETURN);
    desktop.TypeText("é€");
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[1].wParam, WPARAM('\r'));
    EXPECT_EQ(seen[3].wParam, WPARAM(0xE9));
    EXPECT_EQ(seen[4].wParam, WPARAM(0x20AC));
}

TEST(TTestDesktop, TheMouseClicksDragsAndTheScreenShowsTheForm)
{
    TTestDesktop desktop({ 0, 0, 640, 480 }, { 0, 0, 640, 450 });
    TForm& form = ShownForm(clBlue);
    desktop.Process();
    TPoint inside = form.ClientToScreen({ 20, 20 });
    EXPECT_EQ(desktop.Pixel(inside), clBlue);
    EXPECT_NE(desktop.Pixel({ 600, 440 }), clBlue);

    std::vector<MSG> seen;
    Record({ WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEWHEEL }, seen);
    desktop.Drag(inside, { inside.x + 40, inside.y + 20 }, 4);
    ASSERT_GE(seen.size(), 6u);
    EXPECT_EQ(seen.front().message, WM_MOUSEMOVE);
    EXPECT_EQ(seen[1].message, WM_LBUTTONDOWN);
    EXPECT_EQ(seen.back().message, WM_LBUTTONUP);
    EXPECT_EQ(Wm().Input().CursorPos(), (TPoint { inside.x + 40, inside.y + 20 }));

    seen.clear();
    desktop.Advance(1000);
    desktop.DoubleClick(inside);
    bool doubled = false;
    for (const MSG& msg : seen)
        doubled |= msg.message == WM_LBUTTONDBLCLK;
    EXPECT_TRUE(doubled);

    seen.clear();
    desktop.Wheel(-2, inside);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().message, WM_MOUSEWHEEL);
    EXPECT_EQ(static_cast<int16_t>(seen.back().wParam >> 16), -2 * WHEEL_DELTA);
}

TEST(TTestDesktop, ItsEndTakesTheApplicationsForms)
{
    {
        TTestDesktop desktop;
        ShownForm();
        desktop.Process();
        EXPECT_FALSE(Wm().TopLevelWindows().empty());
    }
    EXPECT_EQ(Application().MainForm(), nullptr);
    EXPECT_TRUE(Wm().TopLevelWindows().empty());
}

} // namespace tessel::test
