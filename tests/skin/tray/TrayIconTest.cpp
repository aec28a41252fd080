#include "tessel/framework/TImageList.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"
#include "tessel/skin/tray/TvxTrayIcon.h"
#include "tests/skin/form/FormFixture.h"

using namespace tessel;

namespace {

class TrayIconTest : public test::FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        MakeSkinnedForm({ 100, 100, 700, 500 });
        icon = &form->Add<TvxTrayIcon>();
    }
    THeadlessNotificationArea& Tray() { return clock->Tray(); }
    void Mouse(uint32_t message)
    {
        Tray().Mouse(message, { 1200, 790 });
        Pump();
    }
    static TBitmap Picture(uint32_t colour)
    {
        TBitmap b(16, 16);
        b.Canvas().Brush().SetColor(static_cast<TColor>(colour));
        b.Canvas().FillRect({ 0, 0, 16, 16 });
        return b;
    }

    TvxTrayIcon* icon = nullptr;
};

} // namespace

// The icon shows with its picture and the hint cut to 127 characters; an image list's
// index is clamped to its last picture; cycling steps through the list and wraps.
TEST_F(TrayIconTest, TheIconCarriesItsPictureHintAndIndex)
{
    icon->SetIcon(Picture(0x0000FF));
    icon->SetHint(std::string(200, 'h'));
    icon->SetIconVisible(true);
    ASSERT_NE(Tray().Only(), nullptr);
    EXPECT_EQ(Tray().Only()->tip, std::string(127, 'h'));
    EXPECT_EQ(Tray().Only()->picture.Pixel(3, 3) & 0xFFFFFF, 0xFF0000u) << "BGR red";
    icon->SetShowHint(false);
    EXPECT_EQ(Tray().Only()->tip, "");

    auto& list = form->Add<TImageList>();
    list.SetSize(16, 16);
    const uint32_t colours[] = { 0x000010, 0x000020, 0x000030, 0x000040, 0x000050 };
    for (uint32_t c : colours)
        list.Add(Picture(c));
    icon->SetIconList(&list);
    icon->SetIconIndex(10);
    EXPECT_EQ(icon->IconIndex(), 4);
    EXPECT_EQ(Tray().Only()->picture.Pixel(0, 0) & 0xFFFFFF, 0x500000u);
    icon->SetIconIndex(-3);
    EXPECT_EQ(icon->IconIndex(), 0);

    std::vector<int> next;
    icon->OnCycle = [&](TComponent*, int index) { next.push_back(index); };
    icon->SetAnimateTimerInterval(100);
    icon->SetCycleIcons(true);
    Run(600);
    EXPECT_EQ(next, (std::vector<int> { 1, 2, 3, 4, 0, 1 }));
    icon->SetCycleIcons(false);
    form->FreeComponent(&list);
    EXPECT_EQ(icon->IconList(), nullptr);
    EXPECT_EQ(icon->IconIndex(), 0);
    Run(300);
    EXPECT_EQ(next.size(), 6u) << "no cycling without a list";
}

// A single click fires OnClick one double-click time after the press; a double click
// fires OnDblClick and no OnClick; a release after the time is up clicks at once.
TEST_F(TrayIconTest, ClicksWaitForTheDoubleClickTime)
{
    icon->SetIconVisible(true);
    std::vector<std::string> heard;
    icon->OnClick = [&](TComponent*) { heard.push_back("click"); };
    icon->OnDblClick = [&](TComponent*) { heard.push_back("double"); };
    icon->OnMouseDown = [&](TComponent*, TMouseButtonKind b, TShiftState, int x, int y) {
        heard.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    const uint32_t wait = wm.Backend().DoubleClickTime();
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Pump(wait - 10);
    EXPECT_EQ(heard, (std::vector<std::string> { "down 0 1200,790" })) << "not yet";
    Pump(20);
    EXPECT_EQ(heard.back(), "click");

    heard.clear();
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Pump(100);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);
    Pump(wait + 50);
    EXPECT_EQ(heard, (std::vector<std::string> { "down 0 1200,790", "double" }));

    heard.clear();
    Mouse(WM_LBUTTONDOWN);
    Pump(wait + 50);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(heard, (std::vector<std::string> { "down 0 1200,790", "click" })) << "a long press";

    heard.clear();
    icon->SetEnabled(false);
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Pump(wait + 50);
    EXPECT_TRUE(heard.empty()) << "disabled";
}

// A tray host that restarts gets the visible icon again; one that goes away takes the
// icon with it and every call fails soft; a hidden icon is not brought back.
TEST_F(TrayIconTest, TheIconReturnsWhenTheTrayHostRestarts)
{
    icon->SetIconVisible(true);
    icon->SetHint("collection");
    Tray().Stop();
    EXPECT_TRUE(Tray().Icons().empty());
    icon->SetHint("changed while gone");
    icon->SetIconVisible(true);
    EXPECT_TRUE(icon->IconVisible());
    Tray().Start();
    Pump();
    ASSERT_NE(Tray().Only(), nullptr) << "added again";
    EXPECT_EQ(Tray().Only()->tip, "changed while gone");
    icon->SetIconVisible(false);
    Tray().Start();
    Pump();
    EXPECT_TRUE(Tray().Icons().empty());
}

// The controller minimises the program to the tray: the main form hides and the icon
// shows; the icon's own menu (Restore, Close) and its double click bring it back and
// hide the icon again, unless AlwaysShowInTray.
TEST_F(TrayIconTest, TheFormMinimisesToTheTrayAndComesBack)
{
    std::vector<std::string> told;
    veneer->OnMinimizeToTray = [&](TComponent*) { told.push_back("to tray"); };
    veneer->OnRestoreFromTray = [&](TComponent*) { told.push_back("from tray"); };
    veneer->MinimizeToTray();
    EXPECT_TRUE(told.empty()) << "no icon: nothing";

    icon->SetIconVisible(true);
    veneer->SetTrayIcon(icon);
    EXPECT_FALSE(icon->IconVisible()) << "hidden until the form goes to the tray";
    ASSERT_NE(icon->PopupMenu(), nullptr);
    TMenuItem& items = icon->PopupMenu()->Items();
    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Items(0)->Caption(), "&Restore");
    EXPECT_EQ(items.Items(2)->Caption(), "&Close");
    EXPECT_EQ(ShortCutToText(items.Items(2)->ShortCut()), "Alt+F4");

    veneer->MinimizeToTray();
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(icon->IconVisible());
    EXPECT_NE(Tray().Only(), nullptr);
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(wm.IsWindowVisible(Hwnd()));
    EXPECT_FALSE(icon->IconVisible());
    EXPECT_TRUE(Tray().Icons().empty());

    // The minimise button goes to the tray with AlwaysMinimizeToTray; the menu's
    // Restore comes back.
    veneer->SetAlwaysMinimizeToTray(true);
    veneer->SetFrameState(TvxFrameState::Normal);
    wm.SendMessage(Hwnd(), wm.RegisterWindowMessage("TvxVeneerCommand"), cmminimize);
    Pump();
    EXPECT_FALSE(form->Visible());
    Mouse(WM_RBUTTONDOWN);
    Mouse(WM_RBUTTONUP);
    TvxSkinMenu& engine = veneer->SkinMenu();
    ASSERT_TRUE(engine.Visible()) << "the tray menu pops at the cursor";
    items.Items(0)->Click();
    engine.CloseMenus();
    Pump();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(told, (std::vector<std::string> { "to tray", "from tray", "to tray", "from tray" }));

    veneer->SetAlwaysShowInTray(true);
    EXPECT_TRUE(icon->IconVisible());
    veneer->MinimizeToTray();
    veneer->RestoreFromTray();
    EXPECT_TRUE(icon->IconVisible()) << "AlwaysShowInTray";
    form->FreeComponent(icon);
    EXPECT_EQ(veneer->TrayIcon(), nullptr);
    veneer->RestoreFromTray();
}

// An icon of a secondary form takes that form off the screen with the main one, and
// brings both back.
TEST_F(TrayIconTest, ASecondaryFormsIconHidesTheWholeProgram)
{
    TForm& second = Application().CreateForm<TForm>();
    second.SetBounds(200, 100, 400, 300);
    auto& v = second.Add<TvxVeneer>();
    v.SetSkinData(store);
    auto& tray = second.Add<TvxTrayIcon>();
    v.SetTrayIcon(&tray);
    second.Show();
    Pump();
    v.MinimizeToTray();
    Pump();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(second.Visible());
    EXPECT_FALSE(wm.IsWindowVisible(second.Handle()));
    ASSERT_NE(Tray().Only(), nullptr);
    Mouse(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(wm.IsWindowVisible(second.Handle()));
    EXPECT_TRUE(wm.IsWindowVisible(Hwnd()));
    EXPECT_TRUE(Tray().Icons().empty());
}

// Several icons share the application's minimise: freeing one leaves the others
// working; a controller freed before its icon takes back the double click it gave.
TEST_F(TrayIconTest, IconsAndControllersComeAndGoInAnyOrder)
{
    auto& second = form->Add<TvxTrayIcon>();
    form->FreeComponent(icon);
    icon = nullptr;
    second.SetMinimizeToTray(true);
    Application().Minimize();
    Pump();
    EXPECT_FALSE(form->Visible()) << "the remaining icon still hides the program";
    EXPECT_TRUE(second.IconVisible());
    second.ShowMainForm();
    Pump();
    EXPECT_TRUE(form->Visible());

    auto& other = Application().CreateForm<TForm>();
    auto& v = other.Add<TvxVeneer>();
    v.SetTrayIcon(&second);
    EXPECT_TRUE(second.OnDblClick != nullptr);
    other.FreeComponent(&v);
    EXPECT_TRUE(second.OnDblClick == nullptr) << "no call into a freed controller";
    EXPECT_EQ(second.PopupMenu(), nullptr) << "its menu went with it";
    Mouse(WM_LBUTTONDBLCLK);
}
