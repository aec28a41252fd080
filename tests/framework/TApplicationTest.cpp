#include "HeadlessApplication.h"
#include "tessel/framework/TCustomControl.h"
#include "tessel/framework/THintWindow.h"
#include "tessel/framework/TScreen.h"
#include "tessel/framework/TTimer.h"

namespace tessel::test {

namespace {

class ApplicationTest : public HeadlessApplication { };

} // namespace

TEST_F(ApplicationTest, HintAppearsAfterThePauseAndGoesOnLeaveOrClick)
{
    TForm& form = NewForm({ 100, 100, 400, 300 });
    auto& button = form.Add<TCustomControl>();
    button.SetBoundsRect({ 10, 10, 90, 40 });
    button.SetParent(&form);
    button.SetHint("Plays the game|Longer text for a status bar");
    button.SetShowHint(true);
    form.Show();
    std::string shown;
    Application().OnShowHint = [&](std::string& hint, bool&, THintInfo& info) {
        shown = hint;
        EXPECT_EQ(info.HintControl, &button);
    };

    wm.Input().MouseMove({ 130, 125 });
    Pump(Application().HintPause() - 1);
    EXPECT_FALSE(Application().HintShowing());
    Pump(1);
    ASSERT_TRUE(Application().HintShowing());
    EXPECT_EQ(shown, "Plays the game");
    THintWindow* hint = Application().HintWindow();
    TRect r = hint->BoundsRect();
    EXPECT_EQ(r.left, 130);
    EXPECT_EQ(r.top, 125 + 20);
    EXPECT_GT(r.Width(), hint->Canvas().TextWidth("Plays the game"));
    // It is in front and took no activation.
    EXPECT_EQ(wm.GetActiveWindow(), form.Handle());
    EXPECT_EQ(wm.TopLevelWindows().front(), hint->Handle());

    // A click hides it; it does not come back while the mouse stays.
    wm.Input().Click(TMouseButton::Left, { 130, 125 });
    Pump(Application().HintPause() * 2);
    EXPECT_FALSE(Application().HintShowing());

    // Leaving and coming back shows it again; it hides by itself after the hide pause.
    wm.Input().MouseMove({ 300, 250 });
    wm.Input().MouseMove({ 131, 125 });
    Pump(Application().HintPause());
    EXPECT_TRUE(Application().HintShowing());
    Pump(Application().HintHidePause());
    EXPECT_FALSE(Application().HintShowing());

    // A replaced hint window class is used from then on; CanShow false shows nothing.
    class Quiet : public THintWindow {
    public:
        using THintWindow::THintWindow;
    };
    bool made = false;
    Application().SetHintWindowClass([&](TComponent* owner) {
        made = true;
        return std::make_unique<Quiet>(owner);
    });
    wm.Input().MouseMove({ 300, 250 });
    wm.Input().MouseMove({ 132, 125 });
    Pump(Application().HintPause());
    EXPECT_TRUE(made);
    EXPECT_NE(dynamic_cast<Quiet*>(Application().HintWindow()), nullptr);
    Application().OnShowHint = [](std::string&, bool& can_show, THintInfo&) { can_show = false; };
    wm.Input().MouseMove({ 300, 250 });
    wm.Input().MouseMove({ 133, 125 });
    Pump(Application().HintPause());
    EXPECT_FALSE(Application().HintShowing());
}

TEST_F(ApplicationTest, TimerRunsOnTheClockWhileEnabled)
{
    auto& timer = Application().Add<TTimer>();
    int ticks = 0;
    timer.SetInterval(100);
    timer.SetOnTimer([&](TComponent*) { ++ticks; });
    Pump(99);
    EXPECT_EQ(ticks, 0);
    Pump(1);
    EXPECT_EQ(ticks, 1);
    Pump(100);
    Pump(100);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(false);
    Pump(500);
    EXPECT_EQ(ticks, 3);
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheRun)
{
    TForm& main = NewForm();
    TForm& other = Application().CreateForm<TForm>();
    std::vector<std::string> closes;
    main.OnClose = [&](TComponent*, TCloseAction& action) {
        closes.push_back("main");
        EXPECT_EQ(action, caHide);
    };
    other.OnClose = [&](TComponent*, TCloseAction& action) {
        closes.push_back("other");
        action = caFree;
    };
    main.Show();
    other.Show();
    EXPECT_EQ(Screen().ActiveForm(), &other);
    EXPECT_EQ(Screen().Forms(0), &other);
    // Alt+F4 closes the active form, which frees itself after the messages waiting.
    wm.Input().KeyDown(VK_MENU);
    wm.Input().KeyDown(VK_F4);
    wm.Input().KeyUp(VK_F4);
    wm.Input().KeyUp(VK_MENU);
    int forms = Screen().FormCount();
    Pump();
    EXPECT_EQ(Screen().FormCount(), forms - 1);
    EXPECT_EQ(Screen().ActiveForm(), &main);
    wm.PostMessage(main.Handle(), WM_CLOSE);
    EXPECT_EQ(Application().Run(), 0);
    EXPECT_TRUE(Application().Terminated());
    EXPECT_EQ(closes, (std::vector<std::string> { "other", "main" }));
}

TEST_F(ApplicationTest, MessageHooksJoinAndLeaveInOrder)
{
    TForm& form = NewForm();
    form.Show();
    Pump();
    std::vector<std::string> seen;
    bool eat = false;
    auto first = Application().AddMessageHook([&](MSG& msg, bool&) {
        if (msg.message == WM_USER + 7)
            seen.push_back("first");
    });
    auto second = Application().AddMessageHook([&](MSG& msg, bool& handled) {
        if (msg.message == WM_USER + 7) {
            seen.push_back("second");
            handled = eat;
        }
    });
    Application().OnMessage = [&](MSG& msg, bool&) {
        if (msg.message == WM_USER + 7)
            seen.push_back("event");
    };
    wm.PostMessage(form.Handle(), WM_USER + 7);
    Pump();
    EXPECT_EQ(seen, (std::vector<std::string> { "second", "first", "event" }));
    // A hook that handles a message ends its round.
    seen.clear();
    eat = true;
    wm.PostMessage(form.Handle(), WM_USER + 7);
    Pump();
    EXPECT_EQ(seen, (std::vector<std::string> { "second" }));
    // One that leaves is left out; the other stays.
    Application().RemoveMessageHook(second);
    seen.clear();
    wm.PostMessage(form.Handle(), WM_USER + 7);
    Pump();
    EXPECT_EQ(seen, (std::vector<std::string> { "first", "event" }));
    Application().RemoveMessageHook(first);
}

} // namespace tessel::test
