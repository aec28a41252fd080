#include "tessel/skin/form/TvxSkinMainMenuBar.h"

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/skin/controls/TvxBuiltInLook.h"
#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/form/TvxMainMenuEntry.h"
#include "tessel/skin/form/TvxMainMenuItemLook.h"
#include "tessel/skin/form/TvxSkinMainMenuBarButton.h"
#include "tessel/skin/form/TvxSkinMainMenuBarItem.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"
#include "tests/skin/form/FormFixture.h"

#include <string>

using namespace tessel;

namespace {

class MainMenuBarTest : public test::FormFixture {
protected:
    // A skinned form with a menu bar at its top showing a main menu of File, Edit,
    // View, Settings and a disabled Help, each with two entries.
    TvxSkinMainMenuBar& MakeBar(int form_width, bool skinned = true, bool named = true)
    {
        MakeSkinnedForm({ 0, 0, form_width, 300 }, skinned);
        menu = &form->Add<TMainMenu>();
        for (const char* caption : { "&File", "&Edit", "&View", "&Settings", "&Help" }) {
            TMenuItem& top = menu->Items().Add(caption);
            for (const char* sub : { "One", "Two" })
                top.Add(std::string(caption + 1) + " " + sub,
                    [this, caption](TComponent*) { ran.push_back(caption); });
        }
        menu->Items().Items(4)->SetEnabled(false);
        bar = &form->Add<TvxSkinMainMenuBar>();
        bar->SetParent(form);
        bar->SetSkinData(store);
        if (named)
            bar->SetVeneer(veneer);
        bar->SetMainMenu(menu);
        ShowAndPaint();
        return *bar;
    }
    TPoint Centre(const TRect& r) const
    {
        return bar->ClientToScreen({ (r.left + r.right) / 2, (r.top + r.bottom) / 2 });
    }
    TPoint ItemAt(int index) const { return Centre(bar->Item(index).ObjectRect()); }
    void Move(TPoint p)
    {
        wm.Input().MouseMove(p);
        Run(60);
    }
    void Click(TPoint p)
    {
        Move(p);
        wm.Input().Click(TMouseButton::Left, p);
        Run(30);
    }
    // The item whose menu the engine shows, or null.
    const TMenuItem* Open() const
    {
        return veneer->SkinMenu().Visible() ? veneer->SkinMenu().Root() : nullptr;
    }
    int Lit() const
    {
        for (int i = 0; i < bar->ItemCount(); ++i)
            if (bar->Item(i).Active())
                return i;
        return -1;
    }

    TMainMenu* menu = nullptr;
    TvxSkinMainMenuBar* bar = nullptr;
    std::vector<std::string> ran;
};

} // namespace

// Entries that do not fit are hidden and cannot be reached until the bar widens; the
// "more" mark lists them.
TEST_F(MainMenuBarTest, EntriesPastTheEndAreHiddenUntilTheBarWidens)
{
    MakeBar(170);
    ASSERT_EQ(bar->ItemCount(), 5);
    EXPECT_NE(bar->Record(), nullptr);
    EXPECT_NE(bar->RecordPicture(), nullptr);
    EXPECT_EQ(bar->Align(), alTop);
    EXPECT_EQ(bar->Height(), 22);
    int shown = 0;
    for (int i = 0; i < bar->ItemCount(); ++i)
        shown += bar->Item(i).Shown();
    ASSERT_GT(shown, 0);
    ASSERT_LT(shown, 5) << "the bar is too narrow for every entry";
    EXPECT_TRUE(bar->ItemsHidden());
    EXPECT_FALSE(bar->MoreRect().IsEmpty());
    // Entries lie side by side from the items area's left, the shown ones inside it.
    const TRect area = bar->ItemsArea();
    EXPECT_EQ(bar->Item(0).ObjectRect().left, area.left);
    for (int i = 1; i < bar->ItemCount(); ++i)
        EXPECT_EQ(bar->Item(i).ObjectRect().left, bar->Item(i - 1).ObjectRect().right);
    for (int i = 0; i < bar->ItemCount(); ++i)
        EXPECT_EQ(bar->Item(i).Shown(), bar->Item(i).ObjectRect().right <= bar->MoreRect().left) << i;

    // A click where a hidden entry would be opens nothing.
    const int hidden = shown;
    const TRect where = bar->Item(hidden).ObjectRect();
    if (where.left + 2 < bar->Width())
        Click(bar->ClientToScreen({ where.left + 2, where.top + 5 }));
    EXPECT_EQ(Open(), nullptr);
    // Nor does the keyboard reach it: Right from the last shown entry wraps round.
    Keys({ VK_MENU });
    ASSERT_TRUE(veneer->MainMenuMode());
    EXPECT_EQ(Lit(), 0);
    for (int i = 0; i < shown; ++i)
        Keys({ VK_RIGHT });
    EXPECT_EQ(Lit(), 0);
    Keys({ VK_ESCAPE });
    EXPECT_FALSE(veneer->MainMenuMode());
    EXPECT_EQ(Lit(), -1);

    // The more mark's menu lists the top-level items from the first hidden one.
    Click(Centre(bar->MoreRect()));
    ASSERT_TRUE(veneer->SkinMenu().Visible());
    EXPECT_EQ(veneer->SkinMenu().Level(0).ItemCount(), 5 - hidden);
    Keys({ VK_ESCAPE });

    // Wide enough, every entry shows (and the hidden ones open).
    form->SetWidth(700);
    Pump();
    for (int i = 0; i < bar->ItemCount(); ++i)
        EXPECT_TRUE(bar->Item(i).Shown()) << i;
    EXPECT_TRUE(bar->MoreRect().IsEmpty());
    const int enabled = std::min(hidden, 3); // Help is disabled
    Click(ItemAt(enabled));
    EXPECT_EQ(Open(), &bar->Item(enabled).MenuItem());
}

// With one entry's menu open, moving the mouse to the next entry opens its menu
// without a click; a press on the open entry closes its menu.
TEST_F(MainMenuBarTest, OpenMenuFollowsTheMouseAlongTheBar)
{
    MakeBar(600);
    Click(ItemAt(0));
    ASSERT_EQ(Open(), &bar->Item(0).MenuItem());
    EXPECT_TRUE(bar->Item(0).Down());
    EXPECT_TRUE(veneer->MainMenuMode());
    EXPECT_TRUE(veneer->SkinnedMenuOpen());
    Move(ItemAt(1));
    EXPECT_EQ(Open(), &bar->Item(1).MenuItem());
    EXPECT_FALSE(bar->Item(0).Down());
    EXPECT_TRUE(bar->Item(1).Down());
    Move(ItemAt(2));
    EXPECT_EQ(Open(), &bar->Item(2).MenuItem());
    // Off the entries the open one stays.
    Move(bar->ClientToScreen({ bar->Width() - 10, 10 }));
    EXPECT_EQ(Open(), &bar->Item(2).MenuItem());
    // A press on the open entry closes its menu and does not open it again.
    Click(ItemAt(2));
    EXPECT_EQ(Open(), nullptr);
    EXPECT_FALSE(bar->Item(2).Down());
    EXPECT_FALSE(veneer->SkinnedMenuOpen());
    EXPECT_FALSE(veneer->MainMenuMode());
    // The disabled entry neither lights nor opens.
    Click(ItemAt(4));
    EXPECT_EQ(Open(), nullptr);
    EXPECT_FALSE(bar->Item(4).Active());
    // Choosing an entry's command runs it and ends the menu.
    Click(ItemAt(1));
    Keys({ VK_DOWN });
    Keys({ VK_RETURN });
    Pump();
    EXPECT_EQ(ran, (std::vector<std::string> { "&Edit" }));
    EXPECT_EQ(Open(), nullptr);
    EXPECT_FALSE(veneer->MainMenuMode());
    EXPECT_FALSE(bar->Item(1).Down());
}

// Alt+letter opens that entry's menu; Alt+F4 (whose key code is also 's') never
// opens Settings, and with a menu open it closes the menu and goes to the window.
TEST_F(MainMenuBarTest, AltLetterOpensAndAltF4IsTheWindows)
{
    MakeBar(600);
    int closes = 0;
    form->OnClose = [&closes](TComponent*, TCloseAction& action) {
        ++closes;
        action = caNone;
    };
    Keys({ VK_MENU, 'E' });
    EXPECT_EQ(Open(), &bar->Item(1).MenuItem());
    EXPECT_TRUE(bar->Item(1).Down());
    // The letter's character is not the open menu's.
    wm.Input().Char('e');
    Run(20);
    EXPECT_EQ(Open(), &bar->Item(1).MenuItem());
    EXPECT_TRUE(ran.empty());
    Keys({ VK_ESCAPE });
    EXPECT_EQ(Open(), nullptr);
    EXPECT_FALSE(veneer->MainMenuMode());

    Keys({ VK_MENU, VK_F4 });
    EXPECT_EQ(Open(), nullptr) << "Alt+F4 is not Alt+S";
    EXPECT_EQ(closes, 1);
    Keys({ VK_MENU, 'S' });
    EXPECT_EQ(Open(), &bar->Item(3).MenuItem());
    Keys({ VK_MENU, VK_F4 });
    EXPECT_EQ(Open(), nullptr);
    EXPECT_EQ(closes, 2) << "with a menu open Alt+F4 still reaches the window";
    // A disabled entry's letter does nothing.
    Keys({ VK_MENU, 'H' });
    EXPECT_EQ(Open(), nullptr);
}

// A bar whose controller the program never named finds it among the form's
// components, and the controller finds the bar: the keyboard reaches it.
TEST_F(MainMenuBarTest, TheKeyboardFindsABarWithoutANamedController)
{
    MakeBar(600, true, false);
    EXPECT_EQ(bar->Veneer(), veneer);
    EXPECT_EQ(veneer->MainMenuBar(), bar);
    Keys({ VK_MENU, 'E' });
    EXPECT_EQ(Open(), &bar->Item(1).MenuItem());
    Keys({ VK_ESCAPE });
    Keys({ VK_MENU });
    EXPECT_TRUE(veneer->MainMenuMode());
    EXPECT_EQ(Lit(), 0);
    Keys({ VK_ESCAPE });
    // A bar that goes is forgotten.
    form->FreeComponent(bar);
    bar = nullptr;
    EXPECT_EQ(veneer->MainMenuBar(), nullptr);
}

// Alt alone enters the menu mode on the first entry; Left from it goes to the last
// enabled entry (Help is disabled), round the ends; Down opens the lit entry, and
// Left and Right then move the open menu.
TEST_F(MainMenuBarTest, ArrowsMoveOverEntriesRoundTheEnds)
{
    MakeBar(600);
    int entered = 0, left = 0;
    veneer->OnMainMenuEnter = [&entered](TComponent*) { ++entered; };
    veneer->OnMainMenuExit = [&left](TComponent*) { ++left; };
    Keys({ VK_MENU });
    EXPECT_TRUE(veneer->MainMenuMode());
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(Lit(), 0);
    Keys({ VK_LEFT });
    EXPECT_EQ(Lit(), 3) << "the last enabled entry";
    Keys({ VK_RIGHT });
    EXPECT_EQ(Lit(), 0);
    // Keys in the menu mode are the menu's, not the form's.
    Keys({ 'Q' });
    EXPECT_TRUE(veneer->MainMenuMode());
    Keys({ VK_DOWN });
    EXPECT_EQ(Open(), &bar->Item(0).MenuItem());
    Keys({ VK_LEFT });
    EXPECT_EQ(Open(), &bar->Item(3).MenuItem());
    Keys({ VK_RIGHT });
    EXPECT_EQ(Open(), &bar->Item(0).MenuItem());
    EXPECT_EQ(entered, 1);
    Keys({ VK_ESCAPE });
    EXPECT_EQ(Open(), nullptr);
    EXPECT_FALSE(veneer->MainMenuMode());
    EXPECT_EQ(left, 1);
    // Alt again toggles the mode on and off; a form without entries has none.
    Keys({ VK_MENU });
    EXPECT_TRUE(veneer->MainMenuMode());
    Keys({ VK_MENU });
    EXPECT_FALSE(veneer->MainMenuMode());
    bar->SetMainMenu(nullptr);
    Keys({ VK_MENU });
    EXPECT_FALSE(veneer->MainMenuMode()) << "no entry to light";
}

// The built-in look: the bar in the button face, a lit entry in the hover fill with
// the navy frame, an open one in the down fill.
TEST_F(MainMenuBarTest, BuiltInLookLightsEntries)
{
    MakeBar(600, false);
    ASSERT_FALSE(bar->Item(0).Skinned());
    const TRect r = bar->Item(0).ObjectRect();
    // Window pixels: the bar lies in the form's client area.
    const TPoint client = wm.ClientToScreen(form->Handle(), { 0, 0 });
    const TRect window = wm.GetWindowRect(form->Handle());
    auto at = [&](int dx, int dy) {
        return Pixel(client.x - window.left + bar->Left() + r.left + dx,
            client.y - window.top + bar->Top() + r.top + dy);
    };
    EXPECT_EQ(at(3, 3), Rgb(clBtnFace));
    Move(ItemAt(0));
    Pump();
    EXPECT_EQ(at(0, 0), Rgb(TvxBuiltInLook::kFrame));
    EXPECT_EQ(at(2, 2), Rgb(TvxBuiltInLook::kHotFill));
    Click(ItemAt(0));
    Pump();
    EXPECT_EQ(at(2, 2), Rgb(TvxBuiltInLook::kDownFill));
}

// A maximised MDI child's menu merges with the main one by group, and its buttons
// stand on the bar: the system menu at the left, close, restore and minimise from
// the right; close closes the child.
TEST_F(MainMenuBarTest, MaximisedChildMergesItsMenuAndShowsItsButtons)
{
    MakeBar(600);
    menu->Items().Items(1)->SetGroupIndex(1);
    menu->Items().Items(2)->SetGroupIndex(2);
    menu->Items().Items(3)->SetGroupIndex(3);
    menu->Items().Items(4)->SetGroupIndex(9);
    TForm& child = NewForm({ 0, 0, 200, 150 });
    auto& child_menu = child.Add<TMainMenu>();
    child_menu.Items().Add("&Tools").SetGroupIndex(2);
    child_menu.Items().Add("&Window").SetGroupIndex(5);
    child.SetMenu(&child_menu);
    int closed = 0;
    child.OnClose = [&closed](TComponent*, TCloseAction& action) {
        ++closed;
        action = caHide;
    };
    bar->ShowMDIButtons(&child);
    std::vector<std::string> captions;
    for (int i = 0; i < bar->ItemCount(); ++i)
        captions.push_back(bar->Item(i).MenuItem().Caption());
    EXPECT_EQ(
        captions, (std::vector<std::string> { "&File", "&Edit", "&Tools", "&Settings", "&Window", "&Help" }));
    ASSERT_EQ(bar->ButtonCount(), 4);
    const TRect area = bar->ItemsArea();
    EXPECT_EQ(bar->Button(0).Command(), vxmbSystemMenu);
    EXPECT_EQ(bar->Button(0).ObjectRect().left, area.left);
    EXPECT_EQ(bar->Item(0).ObjectRect().left, bar->Button(0).ObjectRect().right + 2);
    EXPECT_EQ(bar->Button(1).Command(), vxmbClose);
    EXPECT_EQ(bar->Button(1).ObjectRect().right, area.right);
    EXPECT_EQ(bar->Button(2).ObjectRect().right, bar->Button(1).ObjectRect().left - 2);
    EXPECT_EQ(bar->Button(3).ObjectRect().right, bar->Button(2).ObjectRect().left - 2);
    EXPECT_TRUE(bar->Button(0).Skinned()) << "the demo skin's menu-bar buttons";
    Click(Centre(bar->Button(1).ObjectRect()));
    EXPECT_EQ(closed, 1);
    // The buttons follow the child's border icons.
    child.SetBorderIcons(biSystemMenu);
    bar->LayOut();
    EXPECT_FALSE(bar->Button(2).Visible());
    EXPECT_FALSE(bar->Button(3).Visible());
    // No child maximised: the main menu alone, no buttons.
    bar->HideMDIButtons();
    EXPECT_EQ(bar->ItemCount(), 5);
    EXPECT_EQ(bar->ButtonCount(), 0);
    // A child freed while it is shown maximised leaves the bar as without one.
    bar->ShowMDIButtons(&child);
    child.FreeComponent(&child_menu);
    Pump();
    EXPECT_EQ(bar->ItemCount(), 5);
    child.Release();
    Pump();
    EXPECT_EQ(bar->MaximizedChild(), nullptr);
    EXPECT_EQ(bar->ButtonCount(), 0);
}

// Five hundred entries on a narrow bar: laid out, most hidden, the keys go round the
// shown ones without hanging, and the more mark lists the rest; menu items freed
// under the bar leave it consistent.
TEST_F(MainMenuBarTest, FiveHundredEntries)
{
    MakeBar(400);
    for (int i = 0; i < 495; ++i)
        menu->Items().Add("Item " + std::to_string(i)).Add("Sub");
    bar->SetMainMenu(menu);
    Pump();
    ASSERT_EQ(bar->ItemCount(), 500);
    int shown = 0;
    for (int i = 0; i < bar->ItemCount(); ++i)
        shown += bar->Item(i).Shown();
    EXPECT_GT(shown, 2);
    EXPECT_LT(shown, 20);
    Keys({ VK_MENU });
    for (int i = 0; i < 30; ++i)
        Keys({ VK_LEFT });
    EXPECT_GE(Lit(), 0);
    EXPECT_TRUE(bar->Item(Lit()).Shown());
    Keys({ VK_ESCAPE });
    Click(Centre(bar->MoreRect()));
    ASSERT_TRUE(veneer->SkinMenu().Visible());
    EXPECT_EQ(veneer->SkinMenu().Level(0).ItemCount(), 500 - shown);
    Keys({ VK_ESCAPE });
    // Items freed under the bar: the entries follow.
    menu->Items().Delete(0);
    Pump();
    EXPECT_EQ(bar->ItemCount(), 499);
    EXPECT_EQ(bar->Item(0).MenuItem().Caption(), "&Edit");
}

// The frame's own main-menu entries: laid out in the skin's main-menu rectangle from
// the "mainmenuitem" record, hidden past its end until the form widens, and opened
// by the mouse and by Alt+letter like the bar's.
TEST_F(MainMenuBarTest, FrameEntriesFitTheMainMenuRectangle)
{
    MakeForm({ 0, 0, 200, 300 });
    auto parts = DemoParts([](std::string& ini) {
        SetKey(ini, "FORMINFO", "clientrect", "3,42,101,57");
        SetKey(ini, "FORMINFO", "lefttoppoint", "10,45");
        SetKey(ini, "FORMINFO", "righttoppoint", "94,45");
        SetKey(ini, "FORMINFO", "mainmenurect", "3,22,101,42");
        SetKey(ini, "SKINOBJECTS", "count", "14");
        const size_t objects = ini.find("12=menubarminbutton:mainmenubarbutton");
        ini.insert(ini.find('\n', objects) + 1, "13=mainmenuitem:mainmenuitem\n");
        const size_t start = ini.find("[mainmenubaritem]");
        const size_t end = ini.find("\n[", start + 1);
        std::string section = ini.substr(start, end - start);
        section.replace(0, std::string("[mainmenubaritem]").size(), "[mainmenuitem]");
        ini.insert(end + 1, section + "\n");
    });
    veneer = &form->Add<TvxVeneer>();
    veneer->SetSkinData(store);
    LoadParts(parts);
    ShowAndPaint();
    menu = &form->Add<TMainMenu>();
    for (const char* caption : { "&File", "&Edit", "&View", "&Settings", "&Window", "&Help" })
        menu->Items().Add(caption).Add("Sub", [this, caption](TComponent*) { ran.push_back(caption); });
    veneer->SetMainMenu(menu);
    Pump();
    const TRect area = veneer->Geometry().MainMenuRect;
    ASSERT_FALSE(area.IsEmpty());
    auto frame_entries = [this] {
        std::vector<TvxMainMenuEntry*> out;
        for (TvxActiveSkinObject* o : veneer->Objects().All())
            if (auto* e = dynamic_cast<TvxMainMenuEntry*>(o))
                out.push_back(e);
        return out;
    };
    ASSERT_EQ(frame_entries().size(), 6u);
    int shown = 0;
    for (TvxMainMenuEntry* e : frame_entries())
        shown += e->Reachable();
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, 6);
    auto* first = dynamic_cast<TvxActiveSkinObject*>(frame_entries()[0]);
    EXPECT_EQ(first->ObjectRect().left, area.left);
    EXPECT_EQ(first->ObjectRect().top, area.top);
    EXPECT_EQ(first->ObjectRect().Height(), 20);
    // A press on an entry opens its menu below it; the mouse moving on opens the next.
    const TRect r = first->ObjectRect();
    wm.Input().MouseMove(Screen(r.left + 5, r.top + 5));
    Run(60);
    wm.Input().Click(TMouseButton::Left, Screen(r.left + 5, r.top + 5));
    Run(30);
    ASSERT_TRUE(veneer->SkinMenu().Visible());
    EXPECT_EQ(veneer->SkinMenu().Root(), &frame_entries()[0]->MenuItem());
    const TRect r2 = dynamic_cast<TvxActiveSkinObject*>(frame_entries()[1])->ObjectRect();
    wm.Input().MouseMove(Screen(r2.left + 5, r2.top + 5));
    Run(60);
    EXPECT_EQ(veneer->SkinMenu().Root(), &frame_entries()[1]->MenuItem());
    Keys({ VK_ESCAPE });
    EXPECT_FALSE(veneer->SkinMenu().Visible());
    // Alt+letter of a hidden entry does nothing; widened, the form shows it.
    Keys({ VK_MENU, 'H' });
    EXPECT_FALSE(veneer->SkinMenu().Visible());
    form->SetWidth(800);
    Pump();
    for (TvxMainMenuEntry* e : frame_entries())
        EXPECT_TRUE(e->Reachable());
    Keys({ VK_MENU, 'H' });
    ASSERT_TRUE(veneer->SkinMenu().Visible());
    EXPECT_EQ(veneer->SkinMenu().Root(), &frame_entries()[5]->MenuItem());
    Keys({ VK_RETURN });
    Pump();
    EXPECT_EQ(ran, (std::vector<std::string> { "&Help" }));
}

// A skin change (with a menu open) makes the entries again from the new skin's
// records; they keep working.
TEST_F(MainMenuBarTest, SkinChangeRemakesEntries)
{
    MakeBar(600);
    Click(ItemAt(0));
    ASSERT_EQ(Open(), &bar->Item(0).MenuItem());
    LoadParts(DemoParts([](std::string& ini) { SetKey(ini, "mainmenubaritem", "itemleftoffset", "6"); }));
    Pump();
    EXPECT_EQ(Open(), nullptr);
    ASSERT_EQ(bar->ItemCount(), 5);
    EXPECT_TRUE(bar->Item(0).Skinned());
    EXPECT_EQ(bar->Height(), 22);
    Click(ItemAt(1));
    EXPECT_EQ(Open(), &bar->Item(1).MenuItem());
}

// An MDI child maximised through its controller fills the MDI form's free client
// area and puts its buttons on the form's menu bar; the bar's restore button brings
// it back, and a maximised child follows the form's size.
TEST_F(MainMenuBarTest, MaximisedMDIChildFillsTheClientAreaAndLendsItsButtons)
{
    MakeSkinnedMDIForm({ 0, 0, 700, 500 });
    menu = &form->Add<TMainMenu>();
    menu->Items().Add("&File").Add("Quit");
    bar = &form->Add<TvxSkinMainMenuBar>();
    bar->SetParent(form);
    bar->SetSkinData(store);
    bar->SetVeneer(veneer);
    bar->SetMainMenu(menu);
    TForm& child = NewForm({ 20, 20, 260, 200 });
    child.SetFormStyle(fsMDIChild);
    auto& child_store = child.Add<TvxSkinData>();
    auto& child_skin = child.Add<TvxCompressedStoredSkin>();
    test::LoadDemoSkin(child_skin);
    child_store.SetCompressedStoredSkin(&child_skin);
    auto& child_veneer = child.Add<TvxVeneer>();
    child_veneer.SetSkinData(&child_store);
    child.Show();
    Pump();
    ASSERT_TRUE(form->ClientHandle());
    const TRect area = wm.GetClientRect(form->ClientHandle());

    child_veneer.SetFrameState(TvxFrameState::Maximized);
    Pump();
    EXPECT_EQ(child.BoundsRect(), (TRect { 0, 0, area.Width(), area.Height() }));
    EXPECT_EQ(bar->MaximizedChild(), &child);
    ASSERT_EQ(bar->ButtonCount(), 4);

    form->SetBounds(0, 0, 800, 560);
    Pump();
    const TRect wider = wm.GetClientRect(form->ClientHandle());
    EXPECT_GT(wider.Width(), area.Width());
    EXPECT_EQ(child.BoundsRect(), (TRect { 0, 0, wider.Width(), wider.Height() }));

    // The restore button (the second from the right).
    TvxSkinMainMenuBarButton* restore = nullptr;
    for (int i = 0; i < bar->ButtonCount(); ++i)
        if (bar->Button(i).Command() == vxmbMaximize)
            restore = &bar->Button(i);
    ASSERT_NE(restore, nullptr);
    Click(Centre(restore->ObjectRect()));
    EXPECT_EQ(child_veneer.FrameState(), TvxFrameState::Normal);
    EXPECT_EQ(child.BoundsRect(), (TRect { 20, 20, 260, 200 }));
    EXPECT_EQ(bar->MaximizedChild(), nullptr);
    EXPECT_EQ(bar->ButtonCount(), 0);

    // A maximised child that is freed leaves the bar without its buttons.
    child_veneer.SetFrameState(TvxFrameState::Maximized);
    Pump();
    ASSERT_EQ(bar->ButtonCount(), 4);
    child.Release();
    Pump();
    EXPECT_EQ(bar->ButtonCount(), 0);
    EXPECT_EQ(bar->ItemCount(), 1);
}

// An entry record with an animation strip plays its frames forward under the mouse,
// one every animateinterval, and ends on the active look; it plays back on leaving.
TEST_F(MainMenuBarTest, EntryAnimationPlaysItsFrames)
{
    MakeBar(600);
    // Three frames of 40 x 20 along the entry pieces: normal, active and down looks.
    LoadParts(DemoParts([](std::string& ini) {
        SetKey(ini, "mainmenubaritem", "morphing", "0");
        const size_t at = ini.find("[mainmenubaritem]");
        ini.insert(ini.find('\n', at) + 1, "animateskinrect=0,122,120,142\nframecount=3\n");
        SetKey(ini, "mainmenubaritem", "animateinterval", "50");
    }));
    Pump();
    ASSERT_TRUE(bar->Item(0).Skinned());
    const auto& record = *bar->Item(0).Record();
    ASSERT_EQ(record.framecount, 3);
    const TRect r = bar->Item(0).ObjectRect();
    const TPoint client = wm.ClientToScreen(form->Handle(), { 0, 0 });
    const TRect window = wm.GetWindowRect(form->Handle());
    const TRect on_window
        = r.Offset(client.x - window.left + bar->Left(), client.y - window.top + bar->Top());
    const TBitmap* picture = store->ActivePicture(record.activepictureindex);
    auto look = [&](const TRect& source) {
        return TvxMainMenuItemLook::Image(record, *picture, source, r.Width(), r.Height(),
            bar->Item(0).MenuItem().Caption(), TvxMainMenuItemLook::sActive);
    };
    const TBitmap down_frame = look({ 80, 122, 120, 142 });
    const TBitmap active = look(record.activeskinrect);
    wm.Input().MouseMove(ItemAt(0));
    bool saw_down_frame = false;
    for (int t = 0; t < 400; t += 5) {
        Pump(5);
        saw_down_frame = saw_down_frame || SamePixels(Shot(on_window), down_frame);
    }
    EXPECT_TRUE(saw_down_frame) << "the third frame showed";
    EXPECT_TRUE(SamePixels(Shot(on_window), active)) << "it ends on the active look";
    // Leaving plays it back to the normal look.
    Move(bar->ClientToScreen({ bar->Width() - 5, 5 }));
    Run(400);
    EXPECT_FALSE(bar->Item(0).Active());
    EXPECT_FALSE(SamePixels(Shot(on_window), active));
}
