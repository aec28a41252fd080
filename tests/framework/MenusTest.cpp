#include "HeadlessApplication.h"
#include "tessel/framework/TCustomControl.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TMenuTracker.h"
#include "tessel/framework/TPopupList.h"
#include "tessel/framework/TPopupMenu.h"

#include <string>
#include <vector>

namespace tessel::test {

namespace {

class MenusTest : public HeadlessApplication {
protected:
    void Key(uint32_t vk)
    {
        wm.Input().KeyDown(vk);
        wm.Input().KeyUp(vk);
        Pump();
    }
    // The screen centre of an item of an open level.
    TPoint ItemCentre(int level, int index)
    {
        TMenuWindow& w = TMenuTracker::Instance().Level(level);
        TRect r = w.ItemRect(index);
        return w.ClientToScreen({ (r.left + r.right) / 2, (r.top + r.bottom) / 2 });
    }
    TMenuTracker& tracker = TMenuTracker::Instance();
    std::vector<std::string> ran;
};

} // namespace

TEST_F(MenusTest, PopupNavigatedByKeysAndChosenByMouseRunsTheItemThroughTheDispatch)
{
    TForm& form = NewForm();
    form.Show();
    auto& menu = form.Add<TPopupMenu>();
    bool popped = false;
    menu.OnPopup = [&](TComponent*) { popped = true; };
    menu.Items().Add("&Open", [&](TComponent*) { ran.push_back("open"); });
    menu.Items().Add("-");
    TMenuItem& recent = menu.Items().Add("&Recent");
    recent.Add("first.swf", [&](TComponent*) { ran.push_back("first"); });
    recent.Add("second.swf", [&](TComponent*) { ran.push_back("second"); });
    menu.Items().Add("E&xit", [&](TComponent*) { ran.push_back("exit"); });

    // The command dispatch runs an item by its command number, as the menu windows send it.
    wm.SendMessage(TPopupList::Instance().Window(), WM_COMMAND, menu.Items().Items(0)->Command());
    EXPECT_EQ(ran, (std::vector<std::string> { "open" }));
    ran.clear();

    menu.Popup(150, 150);
    ASSERT_TRUE(tracker.Active());
    EXPECT_TRUE(popped);
    EXPECT_EQ(tracker.Level(0).BoundsRect().left, 150);
    EXPECT_EQ(tracker.Level(0).ItemCount(), 4);
    // Down skips the separator; Right opens the submenu with its first item selected.
    Key(VK_DOWN);
    EXPECT_EQ(tracker.Level(0).Selected(), 0);
    Key(VK_DOWN);
    EXPECT_EQ(tracker.Level(0).Selected(), 2);
    Key(VK_RIGHT);
    ASSERT_EQ(tracker.LevelCount(), 2);
    EXPECT_EQ(tracker.Level(1).Selected(), 0);
    Key(VK_DOWN);
    EXPECT_EQ(tracker.Level(1).Selected(), 1);
    // Left closes the submenu again; Up skips the separator and wraps past the top.
    Key(VK_LEFT);
    EXPECT_EQ(tracker.LevelCount(), 1);
    Key(VK_UP);
    EXPECT_EQ(tracker.Level(0).Selected(), 0);
    Key(VK_UP);
    EXPECT_EQ(tracker.Level(0).Selected(), 3);
    EXPECT_TRUE(ran.empty());
    // The menu windows never took the activation from the form.
    EXPECT_EQ(wm.GetActiveWindow(), form.Handle());

    // Hovering the submenu item opens its level after the delay; a click runs the entry.
    wm.Input().MouseMove(ItemCentre(0, 2));
    Pump(TMenuTracker::kSubmenuDelay);
    ASSERT_EQ(tracker.LevelCount(), 2);
    TPoint second = ItemCentre(1, 1);
    wm.Input().MouseMove(second);
    wm.Input().Click(TMouseButton::Left, second);
    Pump();
    EXPECT_EQ(ran, (std::vector<std::string> { "second" }));
    EXPECT_FALSE(tracker.Active());
    EXPECT_EQ(wm.Input().GetCapture(), 0u);
}

TEST_F(MenusTest, EnterAcceleratorsEscapeAndOutsideClicks)
{
    TForm& form = NewForm();
    form.Show();
    auto& menu = form.Add<TPopupMenu>();
    bool closed = false;
    menu.OnClose = [&](TComponent*) { closed = true; };
    menu.Items().Add("&Open", [&](TComponent*) { ran.push_back("open"); });
    TMenuItem& off = menu.Items().Add("&Disabled", [&](TComponent*) { ran.push_back("disabled"); });
    off.SetEnabled(false);
    menu.Items().Add("E&xit", [&](TComponent*) { ran.push_back("exit"); });

    menu.Popup(10, 10);
    wm.Input().Char('x');
    Pump();
    EXPECT_EQ(ran, (std::vector<std::string> { "exit" }));
    EXPECT_TRUE(closed);

    menu.Popup(10, 10);
    wm.Input().Char('d'); // disabled: nothing runs
    Pump();
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(ran, (std::vector<std::string> { "exit", "open" }));

    menu.Popup(10, 10);
    Key(VK_ESCAPE);
    EXPECT_FALSE(tracker.Active());

    // A click outside closes the menu and is not passed on.
    int form_clicks = 0;
    form.OnClick = [&](TComponent*) { ++form_clicks; };
    menu.Popup(10, 10);
    wm.Input().Click(TMouseButton::Left, { 300, 300 });
    Pump();
    EXPECT_FALSE(tracker.Active());
    EXPECT_EQ(form_clicks, 0);
    EXPECT_EQ(ran.size(), 2u);

    // Another window taking the mouse capture closes the menu.
    menu.Popup(10, 10);
    wm.Input().SetCapture(form.Handle());
    EXPECT_TRUE(tracker.Active());
    Pump();
    EXPECT_FALSE(tracker.Active());
    wm.Input().ReleaseCapture();
}

TEST_F(MenusTest, RightClickPopsTheControlsMenuUpAtTheCursor)
{
    TForm& form = NewForm({ 0, 0, 300, 200 });
    auto& panel = form.Add<TCustomControl>();
    panel.SetBoundsRect({ 10, 10, 100, 100 });
    panel.SetParent(&form);
    auto& menu = form.Add<TPopupMenu>();
    menu.Items().Add("Item");
    panel.SetPopupMenu(&menu);
    form.Show();
    wm.Input().Click(TMouseButton::Right, { 40, 50 });
    Pump();
    ASSERT_TRUE(tracker.Active());
    EXPECT_EQ(menu.PopupComponent(), &panel);
    EXPECT_EQ(menu.PopupPoint(), (TPoint { 40, 50 }));
    tracker.Close();
}

TEST_F(MenusTest, ShortcutsReachOnShortCutThenTheMainMenu)
{
    TForm& form = NewForm();
    auto& edit = form.Add<TCustomControl>();
    edit.SetParent(&form);
    edit.SetTabStop(true);
    auto& menu = form.Add<TMainMenu>();
    TMenuItem& file = menu.Items().Add("&File");
    TMenuItem& save = file.Add("&Save", [&](TComponent*) { ran.push_back("save"); });
    save.SetShortCut(ShortCut('S', ssCtrl));
    form.SetMenu(&menu);
    std::vector<std::string> seen;
    bool take_it = true;
    form.OnShortCut = [&](TWMKey& key, bool& handled) {
        seen.push_back(ShortCutToText(ShortCut(key.CharCode, KeyDataToShiftState(key.KeyData))));
        handled = take_it && key.CharCode == 'Q';
    };
    int edit_keys = 0;
    edit.OnKeyDown = [&](TComponent*, uint16_t&, TShiftState) { ++edit_keys; };
    form.Show();
    edit.SetFocus();
    ASSERT_TRUE(edit.Focused());

    auto ctrl = [&](uint32_t vk) {
        wm.Input().KeyDown(VK_CONTROL);
        wm.Input().KeyDown(vk);
        wm.Input().KeyUp(vk);
        wm.Input().KeyUp(VK_CONTROL);
        Pump();
    };
    ctrl('Q'); // handled by OnShortCut
    ctrl('S'); // not handled there: the menu item runs
    // The Ctrl presses are asked too; they name no shortcut.
    EXPECT_EQ(seen, (std::vector<std::string> { "", "Ctrl+Q", "", "Ctrl+S" }));
    EXPECT_EQ(ran, (std::vector<std::string> { "save" }));
    // Only the Ctrl presses themselves reached the control.
    EXPECT_EQ(edit_keys, 2);
    // A disabled item's shortcut does nothing.
    save.SetEnabled(false);
    ctrl('S');
    EXPECT_EQ(ran.size(), 1u);
}

TEST_F(MenusTest, RadioItemsAndCommandNumbers)
{
    auto& menu = Application().Add<TPopupMenu>();
    TMenuItem& a = menu.Items().Add("A");
    TMenuItem& b = menu.Items().Add("B");
    TMenuItem& c = menu.Items().Add("C");
    for (TMenuItem* item : { &a, &b, &c }) {
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    c.SetGroupIndex(2);
    c.SetChecked(true);
    a.SetChecked(true);
    b.SetChecked(true);
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_TRUE(c.Checked());
    EXPECT_NE(a.Command(), b.Command());
    EXPECT_EQ(menu.FindItem(b.Command()), &b);
    uint16_t gone = c.Command();
    menu.Items().Delete(2);
    EXPECT_FALSE(menu.DispatchCommand(gone));
    EXPECT_EQ(StripHotkey("Save &As && Close"), "Save As & Close");
    EXPECT_EQ(GetHotkey("Save &as"), 'A');
    EXPECT_EQ(TextToShortCut("Ctrl+Shift+F5"), ShortCut(VK_F5, ssCtrl | ssShift));
    EXPECT_EQ(ShortCutToText(ShortCut('S', ssCtrl | ssAlt)), "Ctrl+Alt+S");
}

} // namespace tessel::test
