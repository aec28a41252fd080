#include "tessel/skin/form/TvxSkinMDITabsBar.h"

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TForm.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/skin/controls/TvxSkinMenuSpeedButton.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"
#include "tests/skin/form/FormFixture.h"

#include <string>

using namespace tessel;

namespace {

class MDITabsBarTest : public test::FormFixture {
protected:
    // An MDI main form with a tabs bar of width x 21 at its top and count children.
    TvxSkinMDITabsBar& Bar(int width, int count)
    {
        MakeSkinnedMDIForm({ 0, 0, 700, 500 });
        bar = &form->Add<TvxSkinMDITabsBar>();
        bar->SetParent(form);
        bar->SetBounds(0, 0, width, 21);
        for (int i = 0; i < count; ++i) {
            TForm& child = NewForm({ 10 + 10 * i, 40 + 10 * i, 210 + 10 * i, 190 + 10 * i });
            child.SetCaption("Child " + std::to_string(i + 1));
            child.SetName("Child" + std::to_string(i + 1));
            child.SetFormStyle(fsMDIChild);
            child.OnClose = [](TComponent*, TCloseAction& action) { action = caHide; };
            child.Show();
            children.push_back(&child);
        }
        ShowAndPaint();
        return *bar;
    }
    TPoint At(int x, int y) const { return bar->ClientToScreen({ x, y }); }
    void Click(int x, int y)
    {
        Pump(600);
        wm.Input().MouseMove(At(x, y));
        wm.Input().Click(TMouseButton::Left, At(x, y));
        Pump();
    }
    std::vector<std::string> Order() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < bar->TabCount(); ++i)
            out.push_back(bar->Tab(i).child->Caption());
        return out;
    }

    TvxSkinMDITabsBar* bar = nullptr;
    std::vector<TForm*> children;
};

} // namespace

// Five children on a 315-pixel bar: 60 pixels each from x = 15, the last to 315.
// With MinTabWidth 80 three fit and two are hidden, listed by the right button.
TEST_F(MDITabsBarTest, TabsNarrowAndHideWhatDoesNotFit)
{
    Bar(315, 5);
    ASSERT_EQ(bar->TabCount(), 5);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bar->Tab(i).rect, (TRect { 15 + 60 * i, 0, 75 + 60 * i, 21 }));
    EXPECT_EQ(bar->Tab(4).rect, (TRect { 255, 0, 315, 21 }));
    EXPECT_EQ(bar->HiddenCount(), 0);
    EXPECT_FALSE(bar->HiddenButton().Visible());
    EXPECT_TRUE(bar->ListButton().Visible());

    bar->SetMinTabWidth(80);
    bar->LayOut();
    EXPECT_EQ(bar->HiddenCount(), 2);
    EXPECT_EQ(bar->Tab(2).rect, (TRect { 175, 0, 255, 21 }));
    EXPECT_FALSE(bar->Tab(3).shown);
    EXPECT_TRUE(bar->Tab(3).rect.IsEmpty());
    EXPECT_TRUE(bar->HiddenButton().Visible());
    // The hidden-tabs button lists the two; choosing one brings it forward.
    Pump();
    Click(308, 10);
    ASSERT_TRUE(veneer->SkinMenu().Visible());
    ASSERT_EQ(bar->HiddenMenu().Items().Count(), 2);
    EXPECT_EQ(bar->HiddenMenu().Items().Items(0)->Caption(), "Child 4");
    wm.Input().KeyDown(VK_DOWN);
    wm.Input().KeyUp(VK_DOWN);
    wm.Input().KeyDown(VK_RETURN);
    wm.Input().KeyUp(VK_RETURN);
    Pump();
    EXPECT_EQ(form->ActiveMDIChild(), children[4]);
    EXPECT_TRUE(bar->TabOf(children[4])->active);
}

// The left button's menu lists every child, the right button's the hidden ones;
// each item is named after its child and its menu.
TEST_F(MDITabsBarTest, MenuItemsAreNamedAfterTheirChildrenAndTheirMenu)
{
    Bar(315, 5);
    bar->SetMinTabWidth(80);
    bar->LayOut();
    Pump();
    Click(308, 10);
    ASSERT_TRUE(veneer->SkinMenu().Visible());
    std::vector<std::string> names;
    for (int i = 0; i < bar->HiddenMenu().Items().Count(); ++i)
        names.push_back(bar->HiddenMenu().Items().Items(i)->Name());
    EXPECT_EQ(
        names, (std::vector<std::string> { "Child4_VNRCHILDITEMBARHIDE", "Child5_VNRCHILDITEMBARHIDE" }));
    wm.Input().KeyDown(VK_ESCAPE);
    wm.Input().KeyUp(VK_ESCAPE);
    Pump();
    Click(7, 10);
    ASSERT_TRUE(veneer->SkinMenu().Visible());
    names.clear();
    for (int i = 0; i < bar->ListMenu().Items().Count(); ++i)
        names.push_back(bar->ListMenu().Items().Items(i)->Name());
    EXPECT_EQ(names,
        (std::vector<std::string> { "Child1_VNRCHILDITEMBAR", "Child2_VNRCHILDITEMBAR",
            "Child3_VNRCHILDITEMBAR", "Child4_VNRCHILDITEMBAR", "Child5_VNRCHILDITEMBAR" }));
}

// A press shows that child in front; a tab dragged past the centre of the next
// takes its place; a tab's close button closes its child and the tab goes.
TEST_F(MDITabsBarTest, PressDragAndClose)
{
    Bar(315, 3);
    EXPECT_EQ(form->ActiveMDIChild(), children[2]);
    Click(40, 10);
    EXPECT_EQ(form->ActiveMDIChild(), children[0]);
    EXPECT_TRUE(bar->Tab(0).active);
    EXPECT_FALSE(bar->Tab(2).active);

    // Tabs of 100 from x = 15: the first dragged 70 to the right passes the
    // centre of the second (165).
    Pump(600);
    wm.Input().MouseMove(At(40, 10));
    wm.Input().MouseDown(TMouseButton::Left, At(40, 10));
    Pump();
    wm.Input().MouseMove(At(80, 10));
    wm.Input().MouseMove(At(110, 10));
    Pump();
    wm.Input().MouseUp(TMouseButton::Left, At(110, 10));
    Pump();
    EXPECT_EQ(Order(), (std::vector<std::string> { "Child 2", "Child 1", "Child 3" }));
    // Not far enough: back where it was.
    Pump(600);
    wm.Input().MouseMove(At(40, 10));
    wm.Input().MouseDown(TMouseButton::Left, At(40, 10));
    wm.Input().MouseMove(At(60, 10));
    wm.Input().MouseUp(TMouseButton::Left, At(60, 10));
    Pump();
    EXPECT_EQ(Order(), (std::vector<std::string> { "Child 2", "Child 1", "Child 3" }));

    bar->SetShowCloseButtons(true);
    bar->LayOut();
    const TvxMDITab& third = bar->Tab(2);
    const TRect close = third.close.Offset(third.rect.left, third.rect.top);
    Click((close.left + close.right) / 2, (close.top + close.bottom) / 2);
    EXPECT_FALSE(children[2]->Visible());
    EXPECT_EQ(Order(), (std::vector<std::string> { "Child 2", "Child 1" }));
    // A renamed child renames its tab; a child shown again comes back at the end.
    children[1]->SetCaption("Renamed");
    children[2]->Show();
    Pump();
    EXPECT_EQ(Order(), (std::vector<std::string> { "Renamed", "Child 1", "Child 3" }));
}

// Two hundred children, tabs narrower than their close buttons: nothing breaks.
TEST_F(MDITabsBarTest, ManyChildrenOnANarrowBar)
{
    Bar(315, 200);
    bar->SetShowCloseButtons(true);
    ShowAndPaint();
    EXPECT_EQ(bar->TabCount(), 200);
    // Tabs of one pixel have no close buttons: a click selects, closes nothing.
    EXPECT_TRUE(bar->Tab(100).close.IsEmpty());
    Click(16, 10);
    Click(100, 10);
    EXPECT_EQ(form->ActiveMDIChild(), children[85]);
    EXPECT_EQ(bar->TabCount(), 200);
    bar->SetMinTabWidth(40);
    ShowAndPaint();
    EXPECT_EQ(bar->Width(), 315);
    EXPECT_EQ(bar->HiddenCount(), 200 - (315 - 30) / 40);
}

// A right press on a tab shows that child's system menu at the cursor, unless
// SupportChildMenus is off.
TEST_F(MDITabsBarTest, RightPressShowsTheChildsSystemMenu)
{
    Bar(315, 2);
    auto& child_veneer = children[0]->Add<TvxVeneer>();
    Pump();
    auto right_click = [this](int x, int y) {
        Pump(600);
        wm.Input().MouseMove(At(x, y));
        wm.Input().Click(TMouseButton::Right, At(x, y));
        Pump();
    };
    right_click(40, 10);
    ASSERT_TRUE(child_veneer.SkinMenu().Visible());
    EXPECT_EQ(child_veneer.SkinMenu().Level(0).Left(), At(40, 10).x);
    child_veneer.SkinMenu().CloseMenus();
    bar->SetSupportChildMenus(false);
    right_click(40, 10);
    EXPECT_FALSE(child_veneer.SkinMenu().Visible());
}
