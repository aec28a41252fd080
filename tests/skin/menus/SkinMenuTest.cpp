#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TRegion.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxPopupPlacement.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"
#include "tests/framework/HeadlessApplication.h"
#include "tests/support/TestSkins.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace tessel;

namespace {

// A control that counts the engine's notices.
class Listener : public TControl {
public:
    using TControl::TControl;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == SkinMenuClosedNotice)
            ++closed;
        else if (message.Msg == SkinMenuCommandNotice)
            ++commands;
        else
            TControl::Dispatch(message);
    }
    int closed = 0, commands = 0;
};

class SkinMenuTest : public test::HeadlessApplication {
protected:
    void SetUp() override
    {
        HeadlessApplication::SetUp();
        form = &NewForm({ 100, 100, 500, 400 });
        veneer = &form->Add<TvxVeneer>();
        engine = &veneer->SkinMenu();
        menu = &form->Add<TvxSkinPopupMenu>();
        form->Show();
        Pump();
    }
    TMenuItem& Add(TMenuItem& parent, const std::string& caption)
    {
        return parent.Add(caption, [this, caption](TComponent*) {
            // Every level has closed when an entry runs.
            ran.push_back(caption + (engine->Visible() || engine->LevelCount() ? " (open)" : ""));
        });
    }
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i)
            Add(menu->Items(), "Item " + std::to_string(i));
    }
    TvxSkinPopupWindow& Level(int i) { return engine->Level(i); }
    // The screen point in the middle of an item of a level.
    TPoint At(int level, int item)
    {
        TRect r = Level(level).Item(item).ItemRect();
        return { Level(level).Left() + r.left + r.Width() / 2, Level(level).Top() + r.top + r.Height() / 2 };
    }
    void Key(uint16_t key)
    {
        wm.Input().KeyDown(key);
        wm.Input().KeyUp(key);
        Pump();
    }

    TForm* form = nullptr;
    TvxVeneer* veneer = nullptr;
    TvxSkinMenu* engine = nullptr;
    TvxSkinPopupMenu* menu = nullptr;
    std::vector<std::string> ran;
};

} // namespace

// Without a skin, items of the default height: a window of five of eight items is
// 5 x 20 + 6 + 20 pixels high and scrolls; Up on the first item selects the last and
// scrolls the window to the end; Down from there comes back to the top.
TEST_F(SkinMenuTest, ALimitedWindowScrollsAndTheSelectionWrapsRound)
{
    Fill(8);
    veneer->SetMaxMenuItemsInWindow(5);
    menu->Popup(200, 150);
    ASSERT_EQ(engine->LevelCount(), 1);
    TvxSkinPopupWindow& w = Level(0);
    EXPECT_EQ(w.WindowSize().y, 126);
    EXPECT_TRUE(w.Scrollable());
    EXPECT_EQ(w.VisibleCount(), 5);
    EXPECT_EQ(w.Selected(), 0) << "the first item is selected as the window opens";
    EXPECT_FALSE(w.Item(5).InView());

    Key(VK_UP);
    EXPECT_EQ(w.Selected(), 7);
    EXPECT_EQ(w.FirstVisible(), 3);
    EXPECT_TRUE(w.Item(7).InView());
    EXPECT_FALSE(w.Item(2).InView());
    Key(VK_DOWN);
    EXPECT_EQ(w.Selected(), 0);
    EXPECT_EQ(w.FirstVisible(), 0);

    // Resting on the down marker scrolls an item per 100 ms, to the end.
    TRect items = w.ItemsRect();
    wm.Input().MouseMove({ w.Left() + items.left + 20, w.Top() + items.bottom - 4 });
    Pump();
    EXPECT_EQ(w.MarkerState(), TvxSkinPopupWindow::mkDown);
    Pump(100);
    EXPECT_EQ(w.FirstVisible(), 1);
    for (int i = 0; i < 10; ++i)
        Pump(100);
    EXPECT_EQ(w.FirstVisible(), 3);

    Key(VK_ESCAPE);
    EXPECT_FALSE(engine->Visible());
    EXPECT_EQ(ran, std::vector<std::string> {});
}

// A long menu: Page Down and Page Up move the selection by a window's worth without
// wrapping, End and Home go to the ends, a separator is passed over; the wheel moves the
// view three items a notch and brings a selection it leaves behind into view.
TEST_F(SkinMenuTest, LongMenusPageAndJumpAndTheWheelScrolls)
{
    Fill(30);
    menu->Items().Items(5)->SetCaption("-");
    veneer->SetMaxMenuItemsInWindow(5);
    menu->Popup(200, 150);
    TvxSkinPopupWindow& w = Level(0);
    ASSERT_EQ(w.VisibleCount(), 5);
    ASSERT_EQ(w.Selected(), 0);
    Key(VK_NEXT);
    EXPECT_EQ(w.Selected(), 4);
    EXPECT_TRUE(w.Item(4).InView());
    Key(VK_NEXT); // 8, past the separator at 5
    EXPECT_EQ(w.Selected(), 8);
    EXPECT_TRUE(w.Item(8).InView());
    Key(VK_END);
    EXPECT_EQ(w.Selected(), 29);
    EXPECT_TRUE(w.Item(29).InView());
    Key(VK_NEXT); // no further than the end, and no wrap
    EXPECT_EQ(w.Selected(), 29);
    Key(VK_PRIOR);
    EXPECT_EQ(w.Selected(), 25);
    EXPECT_TRUE(w.Item(25).InView());
    Key(VK_HOME);
    EXPECT_EQ(w.Selected(), 0);
    EXPECT_EQ(w.FirstVisible(), 0);
    Key(VK_PRIOR);
    EXPECT_EQ(w.Selected(), 0);

    // One notch down: three items on; the selection comes along.
    const TPoint over { w.Left() + 20, w.Top() + w.ItemsRect().top + 30 };
    wm.Input().MouseWheel(-WHEEL_DELTA, over);
    Pump();
    EXPECT_EQ(w.FirstVisible(), 3);
    EXPECT_TRUE(w.Item(w.Selected()).InView());
    wm.Input().MouseWheel(-10 * WHEEL_DELTA, over);
    Pump();
    EXPECT_EQ(w.FirstVisible(), 25) << "no further than the last five";
    wm.Input().MouseWheel(2 * WHEEL_DELTA, over);
    Pump();
    EXPECT_EQ(w.FirstVisible(), 19);
    EXPECT_TRUE(engine->Visible()) << "the wheel does not close the menu";
    Key(VK_RETURN);
    EXPECT_EQ(ran.size(), 1u);
}

// Placement against the work area.
TEST_F(SkinMenuTest, APopupStaysInsideTheWorkArea)
{
    TvxPopupPlacement p;
    p.work_area = { 0, 0, 1000, 700 };
    p.width = 150;
    p.height = 500;
    // From a button in the upper half whose popup would pass the bottom: flush with
    // the bottom, beside the button.
    p.anchor = { 100, 300, 180, 325 };
    EXPECT_EQ(p.Place(), (TPoint { 181, 200 }));
    // Room below: under the button, left-aligned; near the right edge, moved in.
    p.height = 200;
    EXPECT_EQ(p.Place(), (TPoint { 100, 325 }));
    p.anchor = { 900, 100, 980, 125 };
    EXPECT_EQ(p.Place(), (TPoint { 850, 125 }));
    // A submenu with no room to the right of its item opens to the left, one pixel off.
    p.submenu = true;
    p.items_top = 3;
    p.anchor = { 800, 200, 950, 220 };
    EXPECT_EQ(p.Place(), (TPoint { 800 - 150 - 1, 197 }));
    p.anchor = { 100, 200, 250, 220 };
    EXPECT_EQ(p.Place().x, 251);
    // Above, when there is room above.
    p.submenu = false;
    p.above = true;
    p.anchor = { 100, 400, 180, 425 };
    EXPECT_EQ(p.Place(), (TPoint { 100, 200 }));
}

// A submenu opens after 500 ms over its item, or at once on a click; choosing an
// entry closes every level before the entry runs, and the control that opened the
// menu hears of the close and of the command.
TEST_F(SkinMenuTest, SubmenusOpenOnHoverOrClickAndChoosingClosesFirst)
{
    Add(menu->Items(), "Plain");
    TMenuItem& more = menu->Items().Add("More");
    Add(more, "Deep one");
    Add(more, "Deep two");
    Listener& listener = form->Add<Listener>();
    menu->PopupUnder(&listener, { 150, 150, 230, 175 });
    ASSERT_TRUE(engine->Visible());
    wm.Input().MouseMove(At(0, 1));
    Pump(499);
    EXPECT_EQ(engine->LevelCount(), 1) << "not yet";
    Pump(1);
    ASSERT_EQ(engine->LevelCount(), 2);
    EXPECT_TRUE(Level(0).Item(1).Open());
    // Back on the plain item the submenu closes; a click on "More" opens it at once.
    wm.Input().MouseMove(At(0, 0));
    Pump();
    EXPECT_EQ(engine->LevelCount(), 1);
    wm.Input().MouseMove(At(0, 1));
    wm.Input().Click(TMouseButton::Left, At(0, 1));
    Pump();
    ASSERT_EQ(engine->LevelCount(), 2);
    EXPECT_EQ(Level(1).Left(), Level(0).Left() + Level(0).Item(1).ItemRect().right + 1);

    wm.Input().MouseMove(At(1, 1));
    wm.Input().Click(TMouseButton::Left, At(1, 1));
    Pump();
    EXPECT_EQ(ran, (std::vector<std::string> { "Deep two" }));
    EXPECT_FALSE(engine->Visible());
    EXPECT_EQ(listener.closed, 1);
    EXPECT_EQ(listener.commands, 1);
}

// Keys: an accelerator runs its entry, Right opens a submenu, Left and Escape close
// a level, a press elsewhere closes the menu.
TEST_F(SkinMenuTest, KeysAndOutsidePresses)
{
    Add(menu->Items(), "&Open");
    TMenuItem& more = menu->Items().Add("&More");
    Add(more, "&Deep");
    menu->Popup(200, 150);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    ASSERT_EQ(engine->LevelCount(), 2);
    EXPECT_EQ(Level(1).Selected(), 0);
    Key(VK_LEFT);
    EXPECT_EQ(engine->LevelCount(), 1);
    EXPECT_FALSE(Level(0).Item(1).Open());
    wm.Input().KeyDown('O');
    wm.Input().Char('o');
    wm.Input().KeyUp('O');
    Pump();
    EXPECT_EQ(ran, (std::vector<std::string> { "&Open" }));
    EXPECT_FALSE(engine->Visible());

    menu->Popup(200, 150);
    ASSERT_TRUE(engine->Visible());
    wm.Input().Click(TMouseButton::Left, { 450, 350 });
    Pump();
    EXPECT_FALSE(engine->Visible());
}

// A popup menu on a form without a skin controller shows nothing; popping a second
// menu closes the first, whose control hears it.
TEST_F(SkinMenuTest, WithoutAControllerNothingAndASecondMenuClosesTheFirst)
{
    TForm& bare = NewForm({ 600, 100, 800, 300 });
    auto& lonely = bare.Add<TvxSkinPopupMenu>();
    lonely.Items().Add("Nothing");
    int popped = 0;
    lonely.OnPopup = [&](TComponent*) { ++popped; };
    auto shown = [&] {
        int n = 0;
        for (HWND h : wm.TopLevelWindows())
            n += wm.IsWindowVisible(h);
        return n;
    };
    int before = shown();
    lonely.Popup(650, 150);
    Pump();
    EXPECT_EQ(popped, 1);
    EXPECT_EQ(shown(), before);

    Fill(3);
    auto& second = form->Add<TvxSkinPopupMenu>();
    second.Items().Add("Other");
    Listener& first_control = form->Add<Listener>();
    int first_closed = 0;
    menu->OnMenuClose = [&](TComponent*) { ++first_closed; };
    menu->PopupUnder(&first_control, { 150, 150, 200, 170 });
    second.Popup(300, 200);
    EXPECT_EQ(first_control.closed, 1);
    EXPECT_EQ(first_closed, 1);
    ASSERT_EQ(engine->LevelCount(), 1);
    EXPECT_EQ(Level(0).ItemCount(), 1);
    Key(VK_ESCAPE);
    EXPECT_EQ(first_closed, 1) << "the first menu's handler fires once";
}

// Bad input: a thousand items, a caption of 10,000 characters, lines, invalid
// UTF-8, images missing from the list: the menu shows, fits the work area and scrolls.
TEST_F(SkinMenuTest, HugeAndOddMenusStillShowAndScroll)
{
    Fill(1000);
    menu->Items().Items(3)->SetCaption(std::string(10000, 'W'));
    menu->Items().Items(4)->SetCaption("two\nlines\r\nand more");
    menu->Items().Items(5)->SetCaption("bad \xC3\x28 bytes \xFF");
    menu->Items().Items(6)->SetImageIndex(42);
    menu->Items().Items(7)->SetCaption("-");
    menu->Popup(10, 10);
    ASSERT_EQ(engine->LevelCount(), 1);
    TvxSkinPopupWindow& w = Level(0);
    TRect work = wm.Backend().WorkArea();
    EXPECT_LE(w.WindowSize().y, work.Height());
    EXPECT_TRUE(w.Scrollable());
    EXPECT_LE(w.BoundsRect().bottom, work.bottom);
    wm.UpdateWindow(w.Handle());
    Key(VK_UP);
    EXPECT_EQ(w.Selected(), 999);
    EXPECT_TRUE(w.Item(999).InView());
    wm.UpdateWindow(w.Handle());
    Key(VK_RETURN);
    EXPECT_EQ(ran, (std::vector<std::string> { "Item 999" }));
}

// With the demo skin the window is the POPUPWINDOW picture grown round its items and
// shaped by its mask; the items are drawn from "menuitem", the selected one in its
// active look.
TEST_F(SkinMenuTest, TheSkinnedWindowIsThePopupFrameShapedByItsMask)
{
    auto& store = form->Add<TvxSkinData>();
    auto& stored = form->Add<TvxCompressedStoredSkin>();
    test::LoadDemoSkin(stored);
    store.SetCompressedStoredSkin(&stored);
    veneer->SetSkinData(&store);
    Fill(3);
    menu->Popup(200, 150);
    ASSERT_EQ(engine->LevelCount(), 1);
    TvxSkinPopupWindow& w = Level(0);
    wm.UpdateWindow(w.Handle());
    const TvxPopupFrame& frame = w.Frame();
    ASSERT_TRUE(frame.Skinned());
    ASSERT_NE(frame.ItemRecord(), nullptr);
    // Three items of the record's 20 pixels inside the frame's 3 + 3.
    EXPECT_EQ(w.WindowSize().y, 3 * 20 + 6);
    EXPECT_EQ(w.Item(1).ItemRect(), (TRect { 3, 23, w.WindowSize().x - 3, 43 }));

    const TRegion* region = wm.GetWindowRgn(w.Handle());
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(region->Contains(0, 0)) << "the rounded corner is cut away";
    EXPECT_TRUE(region->Contains(0, 20));
    auto expected = frame.Region(w.WindowSize().x, w.WindowSize().y);
    for (int y = 0; y < w.WindowSize().y; ++y)
        for (int x = 0; x < w.WindowSize().x; ++x)
            ASSERT_EQ(region->Contains(x, y), expected->Contains(x, y)) << x << "," << y;

    TBitmap composed;
    frame.Compose(composed, w.WindowSize().x, w.WindowSize().y);
    const TSurface& pixels = *wm.WindowSurface(w.Handle());
    for (TPoint p : { TPoint { 0, 30 }, TPoint { 2, 2 }, TPoint { w.WindowSize().x - 1, 40 },
             TPoint { 20, w.WindowSize().y - 1 } })
        EXPECT_EQ(pixels.Pixel(p.x, p.y) & 0xFFFFFF, composed.Pixel(p.x, p.y) & 0xFFFFFF)
            << p.x << "," << p.y;
    // The selected first item shows the record's active look at its left end, the
    // others the normal look.
    const TvxDataSkinMenuItem& rec = *frame.ItemRecord();
    const TBitmap& art = *frame.ItemPicture();
    EXPECT_EQ(pixels.Pixel(3 + 1, 3 + 10) & 0xFFFFFF,
        art.Pixel(rec.activeskinrect.left + 1, rec.activeskinrect.top + 10) & 0xFFFFFF);
    EXPECT_EQ(pixels.Pixel(3 + 1, 23 + 10) & 0xFFFFFF,
        art.Pixel(rec.skinrect.left + 1, rec.skinrect.top + 10) & 0xFFFFFF);
}

// From the press to the popup on the virtual screen, for a 30-item menu on the demo
// skin: measured and reported (not asserted; the benchmark holds the speed).
TEST_F(SkinMenuTest, OpeningAThirtyItemMenuIsMeasured)
{
    auto& store = form->Add<TvxSkinData>();
    auto& stored = form->Add<TvxCompressedStoredSkin>();
    test::LoadDemoSkin(stored);
    store.SetCompressedStoredSkin(&stored);
    veneer->SetSkinData(&store);
    Fill(30);
    auto start = std::chrono::steady_clock::now();
    menu->Popup(200, 100);
    ASSERT_EQ(engine->LevelCount(), 1);
    wm.UpdateWindow(Level(0).Handle());
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("open_ms", std::to_string(ms));
    std::printf("a 30-item skinned menu opened and painted in %.2f ms\n", ms);
    EXPECT_TRUE(wm.IsWindowVisible(Level(0).Handle()));
}

// Translucent menus: with window alpha the window takes the alpha, fading in by 10
// every 5 ms on the clock; without it the screen under the window shows through.
TEST_F(SkinMenuTest, TranslucentMenusFadeOrMixTheScreenIn)
{
    Fill(3);
    menu->Popup(200, 150);
    ASSERT_EQ(engine->LevelCount(), 1);
    wm.UpdateWindow(Level(0).Handle());
    uint32_t plain = wm.WindowSurface(Level(0).Handle())->Pixel(40, 5) & 0xFFFFFF;
    Key(VK_ESCAPE);
    veneer->SetMenusAlphaBlend(true);
    veneer->SetMenusAlphaBlendValue(200);
    veneer->SetMenusAlphaBlendAnimation(true);
    uint64_t start = clock->NowMs();
    menu->Popup(200, 150);
    ASSERT_EQ(engine->LevelCount(), 1);
    EXPECT_EQ(wm.LayeredAlpha(Level(0).Handle()), 200);
    EXPECT_EQ(clock->NowMs() - start, 19u * 5) << "19 steps of 10 below 200, 5 ms apart";
    Key(VK_ESCAPE);

    clock->SetLayeredAlphaSupported(false);
    veneer->SetMenusAlphaBlendAnimation(false);
    menu->Popup(200, 150);
    ASSERT_EQ(engine->LevelCount(), 1);
    EXPECT_FALSE(wm.IsWindowVisible(Level(0).Handle())) << "the screen is taken first";
    Pump(100);
    TvxSkinPopupWindow& w = Level(0);
    ASSERT_TRUE(wm.IsWindowVisible(w.Handle()));
    wm.UpdateWindow(w.Handle());
    // The window's white mixed with what lay under it (the form's face).
    uint32_t shown = wm.WindowSurface(w.Handle())->Pixel(40, 5) & 0xFFFFFF;
    EXPECT_NE(shown, plain);
    EXPECT_EQ(wm.LayeredAlpha(w.Handle()), 255) << "no window alpha to be had";
}

// A POPUPWINDOW and "menuitem" whose pieces lie outside their pictures, and a caption
// written right to left: the menu still shows and reads nothing outside a bitmap.
TEST_F(SkinMenuTest, ABrokenPopupSkinStillShows)
{
    test::PackageParts parts;
    parts.picture = test::Pattern(40, 30, 3);
    parts.active = { test::Pattern(20, 20, 4) };
    parts.ini = test::MinimalIni(
        "[POPUPWINDOW]\r\nwindowpictureindex=0\r\nmaskpictureindex=0\r\nlefttoppoint=-5,90\r\n"
        "righttoppoint=300,-4\r\nleftbottompoint=7,700\r\nrightbottompoint=-9,-9\r\nitemsrect=-40,-40,400,"
        "400\r\n"
        "[SKINOBJECTS]\r\ncount=1\r\n0=menuitem:menuitem\r\n[menuitem]\r\nactivepictureindex=0\r\n"
        "skinrect=10,10,90,50\r\nactiveskinrect=-20,-20,5,5\r\ntextrect=-3,0,300,20\r\ndividerrect=0,0,0,"
        "0\r\n"
        "itemleftoffset=60\r\nitemrightoffset=70\r\ncheckimagerect=15,15,60,60\r\n");
    auto& store = form->Add<TvxSkinData>();
    auto& stored = form->Add<TvxCompressedStoredSkin>();
    test::StoreSkin(stored, parts);
    store.SetCompressedStoredSkin(&stored);
    veneer->SetSkinData(&store);
    Fill(5);
    menu->Items().Items(1)->SetCaption("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D");
    menu->Items().Items(2)->SetChecked(true);
    menu->Items().Items(3)->SetCaption("-");
    menu->Popup(200, 150);
    ASSERT_EQ(engine->LevelCount(), 1);
    wm.UpdateWindow(Level(0).Handle());
    Key(VK_DOWN);
    Key(VK_DOWN);
    wm.UpdateWindow(Level(0).Handle());
    Key(VK_RETURN);
    EXPECT_FALSE(engine->Visible());
    EXPECT_EQ(ran.size(), 1u);
}

// The built-in look leaves room for the widest caption beside its image column and
// the arrow's room: nothing is cut to "...", with or without a submenu or images.
TEST_F(SkinMenuTest, TheBuiltInLookFitsTheWidestCaption)
{
    Add(menu->Items(), "&0 %");
    Add(menu->Items(), "A rather longer caption");
    Add(Add(menu->Items(), "&100 %"), "Sub");
    menu->Popup(150, 150);
    ASSERT_EQ(engine->LevelCount(), 1);
    TvxSkinPopupWindow& window = Level(0);
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(veneer->DefMenuItemFont());
    for (int i = 0; i < window.ItemCount(); ++i) {
        const TRect item = window.Item(i).ItemRect();
        TRect measured { 0, 0, 0, 0 };
        scratch.Canvas().DrawText(window.Item(i).MenuItem().Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
        // The items draw the caption from 20 pixels in to 19 before the right end.
        EXPECT_GE(item.Width() - 20 - 19, measured.Width()) << window.Item(i).MenuItem().Caption();
    }
}
