#include "tessel/skin/controls/TvxSkinMenuButton.h"

#include "tessel/framework/TImageList.h"
#include "tessel/skin/menus/TvxSkinImagesMenu.h"
#include "tessel/skin/menus/TvxSkinImagesMenuPopupWindow.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"
#include "tests/skin/controls/ButtonFixture.h"

using namespace tessel;

namespace {

class SkinMenuButtonTest : public test::ButtonFixture {
protected:
    // A menu button on a form whose skin controller pops the menus up; a popup
    // menu of two entries, and its events counted.
    TvxSkinMenuButton& MenuButton(TRect bounds, bool skinned = true, bool with_menu = true)
    {
        if (!form)
            MakeSkinnedForm({ 0, 0, 400, 300 });
        auto& b = AddButton<TvxSkinMenuButton>(bounds, skinned);
        b.SetCaption("&Games");
        if (with_menu) {
            menu = &form->Add<TvxSkinPopupMenu>();
            menu->Items().Add("One", [this](TComponent*) { ran.push_back("one"); });
            menu->Items().Add("Two", [this](TComponent*) { ran.push_back("two"); });
            b.SetSkinPopupMenu(menu);
        }
        b.OnShowTrackMenu = [this](TComponent*) { ++shown; };
        b.OnHideTrackMenu = [this](TComponent*) { ++hidden; };
        ShowAndPaint();
        return b;
    }
    TvxSkinMenu& Engine() { return veneer->SkinMenu(); }
    void Key(uint16_t key)
    {
        wm.Input().KeyDown(key);
        wm.Input().KeyUp(key);
        Pump();
    }
    void Hover(TControl& c, int x = 10, int y = 10)
    {
        wm.Input().MouseMove(At(c, x, y));
        Run(200);
    }
    uint32_t Rgb(const TBitmap& image, int x, int y) { return image.Pixel(x, y) & 0xFFFFFF; }
    // A track-mode button under the record of that name, seen hot, pressed on its
    // body (a click) and open from a press in its track part, which starts at split.
    void ExpectActiveBodyAndDownTrackPart(TvxSkinMenuButton& b, const std::string& name, int split)
    {
        b.SetSkinDataName(name);
        b.ChangeSkinData();
        b.SetTrackButtonMode(true);
        EXPECT_EQ(b.TrackPart(), (TRect { split, 0, b.Width(), b.Height() }));
        Hover(b);
        const TBitmap hot = Image(b);
        Pump(600);
        Press(b);
        const TBitmap pressed = Image(b);
        Release(b);
        Pump(600);
        Press(b, b.Width() - 5, 10);
        ASSERT_TRUE(b.MenuOpen());
        const TBitmap open = Image(b);
        const TRect body { 0, 0, split, b.Height() }, track { split, 0, b.Width(), b.Height() };
        EXPECT_TRUE(Same(open, hot, body));
        EXPECT_TRUE(Same(open, pressed, track));
        EXPECT_FALSE(Same(hot, pressed, track));
        Key(VK_ESCAPE);
    }
    static uint32_t Rgb(TColor color) { return ColorToArgb(color) & 0xFFFFFF; }

    TvxSkinPopupMenu* menu = nullptr;
    std::vector<std::string> ran;
    int shown = 0, hidden = 0;
};

} // namespace

// Without a menu the button is a plain button: the press clicks at the release,
// Space and Enter click once each.
TEST_F(SkinMenuButtonTest, WithoutMenusItIsAPlainButton)
{
    TvxSkinMenuButton& b = MenuButton({ 10, 10, 85, 35 }, true, false);
    Click(b);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(b.Down());
    EXPECT_FALSE(b.MenuOpen());
    EXPECT_TRUE(b.Focused());
    Key(VK_SPACE);
    EXPECT_EQ(clicks.size(), 2u);
    Key(VK_RETURN);
    EXPECT_EQ(clicks.size(), 3u) << "one Enter, one click";
    EXPECT_EQ(shown, 0);
}

// A press anywhere drops the menu and is no click; the button keeps its down look
// while the mouse goes into the menu; closing (Escape, or choosing an entry)
// releases it once, and it morphs back to its normal look.
TEST_F(SkinMenuButtonTest, APressDropsTheMenuAndHoldsTheButtonDown)
{
    TvxSkinMenuButton& b = MenuButton({ 10, 10, 85, 35 });
    const TBitmap normal = Image(b);
    Press(b);
    ASSERT_TRUE(Engine().Visible());
    EXPECT_TRUE(b.Down());
    EXPECT_TRUE(b.MenuOpen());
    EXPECT_EQ(shown, 1);
    const TBitmap down = Image(b);
    EXPECT_FALSE(Same(normal, down));
    Release(b);
    EXPECT_TRUE(clicks.empty());
    // Into the menu: the button is no longer hot, and still down.
    TRect first = Engine().Level(0).BoundsRect();
    wm.Input().MouseMove({ first.left + 20, first.top + 12 });
    Run(100);
    EXPECT_FALSE(b.Hot());
    EXPECT_TRUE(Same(down, Image(b)));

    Key(VK_ESCAPE);
    EXPECT_FALSE(Engine().Visible());
    EXPECT_FALSE(b.Down());
    EXPECT_FALSE(b.MenuOpen());
    EXPECT_EQ(hidden, 1);
    Run(200);
    EXPECT_TRUE(Same(normal, Image(b)));

    Pump(600);
    Press(b);
    Release(b);
    ASSERT_TRUE(Engine().Visible());
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(ran, (std::vector<std::string> { "two" }));
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(hidden, 2) << "once per close";
    EXPECT_FALSE(b.Down());
    EXPECT_TRUE(clicks.empty());
}

// Track mode: without a record the right 15 pixels drop the menu and the rest
// clicks; the open look fills the body hot and the arrow part down.
TEST_F(SkinMenuButtonTest, TrackModeWithTheBuiltInLook)
{
    TvxSkinMenuButton& b = MenuButton({ 10, 10, 85, 35 }, false);
    b.SetTrackButtonMode(true);
    EXPECT_EQ(b.TrackPart(), (TRect { 60, 0, 75, 25 }));
    Click(b);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(Engine().Visible());
    Pump(600);
    Press(b, 70, 10);
    ASSERT_TRUE(Engine().Visible());
    EXPECT_EQ(clicks.size(), 1u);
    TBitmap open = Image(b);
    EXPECT_EQ(Rgb(open, 3, 3), Rgb(0xD2BDB6));
    EXPECT_EQ(Rgb(open, 72, 3), Rgb(0xB59385));
    EXPECT_EQ(Rgb(open, 0, 3), Rgb(0x800000));
    Key(VK_ESCAPE);
    EXPECT_EQ(hidden, 1);
    // Turned off, a press anywhere drops the menu.
    b.SetTrackButtonMode(false);
    Pump(600);
    Press(b, 10, 10);
    EXPECT_TRUE(Engine().Visible());
    Key(VK_ESCAPE);
    EXPECT_EQ(clicks.size(), 1u);
}

// A menu-button record's track part follows the button's right end; an empty one
// is never hit. While the menu is open the button shows its active look with the
// track part from the down look.
TEST_F(SkinMenuButtonTest, TrackModeWithARecordsTrackPart)
{
    TvxSkinMenuButton& b = MenuButton({ 10, 10, 85, 35 });
    ExpectActiveBodyAndDownTrackPart(b, "toolmenutrackbutton", 61);
    EXPECT_EQ(b.Height(), 26) << "a strip keeps its height";
    EXPECT_EQ(clicks.size(), 1u);

    b.SetSkinDataName("toolmenubutton");
    b.ChangeSkinData();
    EXPECT_TRUE(b.TrackPart().IsEmpty());
    Pump(600);
    Press(b, 70, 10);
    Release(b, 70, 10);
    EXPECT_FALSE(Engine().Visible());
    EXPECT_EQ(clicks.size(), 2u);
}

// A tool-button record builds the body and the arrow part apart: open, the body
// is active and the arrow part down.
TEST_F(SkinMenuButtonTest, AToolButtonRecordsBodyAndArrowPart)
{
    TvxSkinMenuButton& b = MenuButton({ 10, 10, 85, 35 });
    ExpectActiveBodyAndDownTrackPart(b, "toolbutton", b.Width() - 15);
    EXPECT_EQ(hidden, 1);
}

// Both menus: the show event twice, the button released once when they close.
TEST_F(SkinMenuButtonTest, BothMenusShowTwiceAndReleaseOnce)
{
    TvxSkinMenuButton& b = MenuButton({ 10, 10, 85, 35 });
    auto& images = form->Add<TImageList>();
    images.SetSize(16, 16);
    images.Add(TBitmap(16, 16));
    auto& picker = form->Add<TvxSkinImagesMenu>();
    picker.SetImages(&images);
    picker.ImagesItems().resize(1);
    picker.ImagesItems()[0].ImageIndex = 0;
    b.SetSkinImagesMenu(&picker);
    Press(b);
    Release(b);
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(b.MenuOpen());
    wm.Input().Click(TMouseButton::Left, At(*form, 390, 290));
    Pump();
    wm.Input().Click(TMouseButton::Left, At(*form, 390, 290));
    Pump();
    EXPECT_EQ(picker.Window(), nullptr);
    EXPECT_FALSE(Engine().Visible());
    EXPECT_FALSE(b.MenuOpen());
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(hidden, 1);

    // Only the images menu: its choice goes on the button with UseImagesMenuImage.
    b.SetSkinPopupMenu(nullptr);
    b.SetUseImagesMenuImage(true);
    const TBitmap plain = Image(b);
    Pump(600);
    Press(b);
    Release(b);
    ASSERT_NE(picker.Window(), nullptr);
    EXPECT_EQ(shown, 3);
    picker.SetItemIndex(0);
    picker.Close(true);
    Pump();
    EXPECT_FALSE(b.MenuOpen());
    EXPECT_EQ(hidden, 2);
    EXPECT_FALSE(Same(plain, Image(b))) << "the chosen image shows";
}

// A menu freed while it is open releases the button; the button then clicks.
TEST_F(SkinMenuButtonTest, AMenuFreedWhileOpenReleasesTheButton)
{
    TvxSkinMenuButton& b = MenuButton({ 10, 10, 85, 35 });
    Press(b);
    ASSERT_TRUE(b.MenuOpen());
    form->FreeComponent(menu);
    Pump();
    EXPECT_EQ(b.SkinPopupMenu(), nullptr);
    EXPECT_FALSE(b.MenuOpen());
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(hidden, 1);
    Release(b);
    Run(300);
    Click(b);
    EXPECT_EQ(clicks.size(), 1u);
}

// Keys: Space drops the menu, Enter clicks once; the caption's accelerator drops
// it, and in track mode clicks.
TEST_F(SkinMenuButtonTest, KeysAndTheAccelerator)
{
    TvxSkinMenuButton& b = MenuButton({ 10, 10, 85, 35 });
    b.SetFocus();
    Pump();
    Key(VK_SPACE);
    EXPECT_TRUE(b.MenuOpen());
    EXPECT_TRUE(Engine().Visible());
    Key(VK_ESCAPE);
    EXPECT_FALSE(b.MenuOpen());
    Key(VK_RETURN);
    EXPECT_EQ(clicks.size(), 1u);

    form->SetActiveControl(nullptr);
    Pump();
    AltKey('G');
    EXPECT_TRUE(b.Focused());
    EXPECT_TRUE(b.MenuOpen());
    Key(VK_ESCAPE);
    b.SetTrackButtonMode(true);
    AltKey('G');
    EXPECT_FALSE(b.MenuOpen());
    EXPECT_EQ(clicks.size(), 2u);
}
