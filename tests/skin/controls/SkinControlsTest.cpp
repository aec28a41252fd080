#include "tessel/skin/controls/TvxSkinMenuButton.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/controls/TvxSkinToolBar.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"
#include "tests/framework/HeadlessApplication.h"
#include "tests/support/TestSkins.h"

using namespace tessel;

namespace {

class SkinControlsTest : public test::HeadlessApplication {
protected:
    TPoint Centre(TControl& c) { return c.ClientToScreen({ c.Width() / 2, c.Height() / 2 }); }
};

} // namespace

TEST_F(SkinControlsTest, AMenuButtonStaysDownWhileItsMenuIsOpen)
{
    TForm& form = NewForm({ 100, 100, 500, 400 });
    auto& bar = form.Add<TvxSkinToolBar>();
    bar.SetParent(&form);
    bar.SetAlign(alTop);
    auto& button = form.Add<TvxSkinMenuButton>();
    button.SetParent(&bar);
    button.SetBounds(3, 0, 75, 21);
    button.SetCaption("Games");
    // The menu pops up through the form's skin controller.
    TvxSkinMenu& engine = form.Add<TvxVeneer>().SkinMenu();
    auto& menu = form.Add<TvxSkinPopupMenu>();
    std::vector<std::string> ran;
    menu.Items().Add("One", [&](TComponent*) { ran.push_back("one"); });
    menu.Items().Add("Two", [&](TComponent*) { ran.push_back("two"); });
    button.SetSkinPopupMenu(&menu);
    int shown = 0, hidden = 0;
    button.OnShowTrackMenu = [&](TComponent*) { ++shown; };
    button.OnHideTrackMenu = [&](TComponent*) { ++hidden; };
    bool clicked = false;
    button.OnClick = [&](TComponent*) { clicked = true; };
    form.Show();
    Pump();
    // The tool bar keeps the button centred: (25 - 21) / 2.
    EXPECT_EQ(bar.Height(), 25);
    EXPECT_EQ(button.Top(), 2);

    wm.Input().Click(TMouseButton::Left, Centre(button));
    Pump();
    ASSERT_TRUE(engine.Visible());
    EXPECT_TRUE(button.Down());
    EXPECT_TRUE(button.MenuOpen());
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(clicked) << "a press that drops the menu is no click";
    // Under the button, left-aligned.
    TPoint under = button.ClientToScreen({ 0, button.Height() });
    EXPECT_EQ(engine.Level(0).BoundsRect().left, under.x);
    EXPECT_EQ(engine.Level(0).BoundsRect().top, under.y);
    EXPECT_EQ(engine.PopupControl(), &button);

    // Choosing an entry closes the menu, releases the button and runs the entry (the
    // first entry is selected as the menu opens).
    wm.Input().KeyDown(VK_DOWN);
    wm.Input().KeyUp(VK_DOWN);
    wm.Input().KeyDown(VK_RETURN);
    wm.Input().KeyUp(VK_RETURN);
    Pump();
    EXPECT_FALSE(engine.Visible());
    EXPECT_FALSE(button.Down());
    EXPECT_FALSE(button.MenuOpen());
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(ran, (std::vector<std::string> { "two" }));
    EXPECT_EQ(engine.PopupControl(), nullptr);

    // In track mode only the right 15 pixels drop the menu; the rest clicks.
    button.SetTrackButtonMode(true);
    EXPECT_FALSE(button.InMenuPart(button.Width() - 16, 5));
    EXPECT_TRUE(button.InMenuPart(button.Width() - 15, 5));
    wm.Input().Click(TMouseButton::Left, button.ClientToScreen({ 10, 10 }));
    Pump();
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(engine.Visible());

    // A freed menu is forgotten; the button then only clicks.
    form.FreeComponent(&menu);
    EXPECT_EQ(button.SkinPopupMenu(), nullptr);
    EXPECT_FALSE(button.InMenuPart(button.Width() - 5, 5));
}

TEST_F(SkinControlsTest, PanelsLayTheirChildrenInsideTheirBorder)
{
    TForm& form = NewForm({ 0, 0, 400, 300 });
    auto& panel = form.Add<TvxSkinPanel>();
    panel.SetParent(&form);
    panel.SetBounds(0, 0, 200, 100);
    auto& child = form.Add<TvxSkinPanel>();
    child.SetParent(&panel);
    child.SetAlign(alClient);
    EXPECT_EQ(panel.SkinDataName(), "panel");
    EXPECT_EQ(child.BoundsRect(), (TRect { 1, 1, 199, 99 }));
    panel.SetCaptionMode(true);
    EXPECT_EQ(child.BoundsRect(), (TRect { 1, 23, 199, 99 }));
    panel.SetBorderStyle(bvNone);
    EXPECT_EQ(child.BoundsRect(), (TRect { 0, 22, 200, 100 }));

    // Bound to a loaded skin, the panel finds its record by name; a freed store is
    // forgotten.
    auto& stored = form.Add<TvxCompressedStoredSkin>();
    test::LoadDemoSkin(stored);
    auto& data = form.Add<TvxSkinData>();
    data.SetCompressedStoredSkin(&stored);
    ASSERT_FALSE(data.Empty());
    panel.SetSkinData(&data);
    EXPECT_EQ(panel.RecordIndex(), data.GetControlIndex("panel"));
    EXPECT_NE(panel.RecordIndex(), -1);
    form.FreeComponent(&data);
    EXPECT_EQ(panel.SkinData(), nullptr);
    EXPECT_EQ(panel.RecordIndex(), -1);
}
