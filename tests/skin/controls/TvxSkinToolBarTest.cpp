#include "tessel/skin/controls/TvxSkinToolBar.h"

#include "tests/skin/controls/SkinFixture.h"

using namespace tessel;

namespace {

class SkinToolBarTest : public test::SkinFixture {
protected:
    // A tool bar across the top of a form of the given width, holding count buttons
    // 60 wide, side by side from x = 0.
    TvxSkinToolBar& BarWithButtons(int form_width, int count, bool skinned = true)
    {
        TForm& form = MakeForm({ 0, 0, form_width, 200 });
        if (skinned)
            LoadSkin();
        auto& bar = Add<TvxSkinToolBar>(form, { 0, 0, form_width, 25 });
        bar.SetAlign(alTop);
        if (skinned)
            bar.SetSkinData(store);
        for (int i = 0; i < count; ++i) {
            auto& button = Add<TvxSkinCustomControl>(bar, { i * 60, 0, i * 60 + 60, 21 });
            button.SetSkinDataName("toolbutton");
            if (skinned)
                button.SetSkinData(store);
            buttons.push_back(&button);
        }
        ShowAndPaint();
        return bar;
    }
    // The screen point at x of the bar's whole window (its non-client area included).
    TPoint OnBar(TvxSkinToolBar& bar, int x)
    {
        TRect window = wm.GetWindowRect(bar.Handle());
        return { window.left + x, window.top + bar.Height() / 2 };
    }
    static LPARAM Param(TPoint p) { return MakeLParam(p.x, p.y); }
    std::vector<TControl*> buttons;
};

} // namespace

TEST_F(SkinToolBarTest, ScrollButtonsShowOnlyWhileTheButtonsDoNotFit)
{
    TvxSkinToolBar& bar = BarWithButtons(200, 6);
    EXPECT_EQ(bar.Height(), 29) << "the tool panel look is 29 high";
    EXPECT_FALSE(bar.Scroller().ButtonsShown()) << "CanScroll is off";
    EXPECT_EQ(bar.ClientWidth(), 200);

    bar.SetCanScroll(true);
    Pump();
    EXPECT_TRUE(bar.Scroller().ButtonsShown());
    EXPECT_EQ(bar.ClientWidth(), 200 - 2 * TvxToolBarScroller::kButtonWidth);
    EXPECT_EQ(
        wm.SendMessage(bar.Handle(), WM_NCHITTEST, 0, Param(OnBar(bar, 5))), TvxToolBarScroller::kLeftHit);
    EXPECT_EQ(
        wm.SendMessage(bar.Handle(), WM_NCHITTEST, 0, Param(OnBar(bar, 195))), TvxToolBarScroller::kRightHit);

    // A wider form makes room: the buttons go.
    form->SetBounds(0, 0, 400, 200);
    Pump();
    EXPECT_FALSE(bar.Scroller().ButtonsShown());
    EXPECT_EQ(bar.ClientWidth(), 400);
    EXPECT_EQ(buttons[0]->Left(), 0);

    bar.SetCanScroll(false);
    form->SetBounds(0, 0, 200, 200);
    Pump();
    EXPECT_FALSE(bar.Scroller().ButtonsShown());
    EXPECT_EQ(bar.ClientWidth(), 200);
}

TEST_F(SkinToolBarTest, AClickScrollsByTheOffsetAndStopsAtTheLastButton)
{
    TvxSkinToolBar& bar = BarWithButtons(200, 6);
    bar.SetCanScroll(true);
    bar.SetScrollOffset(50);
    Pump();
    ASSERT_TRUE(bar.Scroller().ButtonsShown());
    int first = buttons[0]->Left();

    wm.Input().Click(TMouseButton::Left, OnBar(bar, 195));
    Pump();
    EXPECT_EQ(buttons[0]->Left(), first - 50);
    EXPECT_EQ(bar.Scroller().Position(), 50);

    // More clicks end with the last button's right edge at the client's right edge.
    for (int i = 0; i < 10; ++i) {
        wm.Input().Click(TMouseButton::Left, OnBar(bar, 195));
        Pump();
    }
    EXPECT_EQ(buttons[5]->Left() + buttons[5]->Width(), bar.ClientWidth());

    // Back to the start, and no further.
    for (int i = 0; i < 10; ++i) {
        wm.Input().Click(TMouseButton::Left, OnBar(bar, 5));
        Pump();
    }
    EXPECT_EQ(buttons[0]->Left(), first);
    EXPECT_EQ(bar.Scroller().Position(), 0);

    // Ignored values keep the last good ones.
    bar.SetScrollOffset(-5);
    EXPECT_EQ(bar.ScrollOffset(), 50);
    bar.SetScrollTimerInterval(0);
    bar.SetScrollTimerInterval(-10);
    EXPECT_EQ(bar.ScrollTimerInterval(), 50);
}

TEST_F(SkinToolBarTest, HoldingAButtonScrollsOnTheTimer)
{
    TvxSkinToolBar& bar = BarWithButtons(200, 6);
    bar.SetCanScroll(true);
    bar.SetScrollOffset(10);
    bar.SetScrollTimerInterval(100);
    Pump();
    int first = buttons[0]->Left();
    wm.Input().MouseMove(OnBar(bar, 195));
    wm.Input().MouseDown(TMouseButton::Left, OnBar(bar, 195));
    Pump();
    EXPECT_EQ(bar.Scroller().TimerDirection(), TvxToolBarScroller::kToEnd);
    Pump(100);
    Pump(100);
    Pump(100);
    EXPECT_EQ(buttons[0]->Left(), first - 30);
    wm.Input().MouseUp(TMouseButton::Left, OnBar(bar, 195));
    Pump();
    EXPECT_EQ(bar.Scroller().TimerDirection(), TvxToolBarScroller::kNone);
    EXPECT_EQ(buttons[0]->Left(), first - 40) << "the release steps once more";
    Pump(500);
    EXPECT_EQ(buttons[0]->Left(), first - 40);

    // With HotScroll, resting on a button scrolls; leaving it stops.
    bar.SetHotScroll(true);
    wm.Input().MouseMove(OnBar(bar, 100));
    Pump();
    wm.Input().MouseMove(OnBar(bar, 5));
    Pump();
    EXPECT_TRUE(bar.Scroller().LeftHot());
    Pump(100);
    Pump(100);
    EXPECT_EQ(buttons[0]->Left(), first - 20);
    wm.Input().MouseMove(OnBar(bar, 100));
    Pump();
    Pump(300);
    EXPECT_EQ(buttons[0]->Left(), first - 20);
    EXPECT_FALSE(bar.Scroller().LeftHot());
}

TEST_F(SkinToolBarTest, ShowCaptionsSwitchesBetweenTheTwoWidthsOnlyWhenBothAreSet)
{
    TForm& form = MakeForm({ 0, 0, 600, 200 });
    auto& bar = Add<TvxSkinToolBar>(form, { 0, 0, 300, 25 });
    bar.SetWidthWithCaptions(400);
    bar.SetShowCaptions(true);
    EXPECT_EQ(bar.Width(), 300) << "one width alone changes nothing";
    bar.SetShowCaptions(false);
    bar.SetWidthWithoutCaptions(150);
    bar.SetShowCaptions(true);
    EXPECT_EQ(bar.Width(), 400);
    bar.SetShowCaptions(false);
    EXPECT_EQ(bar.Width(), 150);
}

TEST_F(SkinToolBarTest, TheStripAndItsButtonsComeFromTheSkin)
{
    TvxSkinToolBar& bar = BarWithButtons(600, 2);
    // Two buttons on the strip: the bar's pixels outside the buttons are the tool
    // panel's composition at the bar's size.
    TBitmap strip = Composed("toolpanel", 600, 29);
    TBitmap shot = Shot(bar.BoundsRect());
    int differing = 0;
    for (int y = 0; y < 29; ++y)
        for (int x = 130; x < 600; ++x)
            differing += (shot.Surface().Pixel(x, y) ^ strip.Surface().Pixel(x, y)) & 0xFFFFFF ? 1 : 0;
    EXPECT_EQ(differing, 0);
    // The buttons stand centred: the inner area is 25 high from y = 2.
    EXPECT_EQ(buttons[0]->Top(), 2 + 25 / 2 - buttons[0]->Height() / 2);
    EXPECT_TRUE(SamePixels(Shot({ 0, buttons[0]->Top(), 60, buttons[0]->Top() + buttons[0]->Height() }),
        Composed("toolbutton", 60, buttons[0]->Height())));
}
TEST_F(SkinToolBarTest, ScrollButtonsCoverTheBarWhateverOrderItWasMadeIn)
{
    // As a program builds its form: controls first, then the skin, then the window.
    TForm& form = MakeForm({ 0, 0, 200, 200 });
    auto& bar = Add<TvxSkinToolBar>(form, { 0, 0, 200, 25 });
    bar.SetAlign(alTop);
    bar.SetCanScroll(true);
    bar.SetSkinData(store);
    for (int i = 0; i < 6; ++i)
        Add<TvxSkinCustomControl>(bar, { i * 60, 0, i * 60 + 60, 21 }).SetSkinData(store);
    LoadSkin();
    ShowAndPaint();
    ASSERT_EQ(bar.Height(), 29);
    ASSERT_TRUE(bar.Scroller().ButtonsShown());
    // The skin's resize-button look, composed to 12 x 29, on both ends.
    auto* record
        = dynamic_cast<TvxDataSkinCustomControl*>(store->ControlList(store->GetControlIndex("resizebutton")));
    ASSERT_NE(record, nullptr);
    TvxElementGeometry g = TvxElementGeometry::FromRecord(*record);
    int w = 12, h = 29;
    TBitmap look(w, h);
    TvxComposition::ComposeElementImage(g, ComputeTargetGeometry(vxcmFull, g, w, h), look,
        *store->ActivePicture(record->pictureindex), 12, 29, true);
    for (int y = 0; y < 29; ++y) {
        EXPECT_EQ(Pixel(0, y), look.Surface().Pixel(0, y) & 0xFFFFFF) << y;
        EXPECT_EQ(Pixel(199, y), look.Surface().Pixel(11, y) & 0xFFFFFF) << y;
    }
}

// The scroll buttons lie in the bar's frame: the pointer there is over the bar, and
// moving on into a button on the bar leaves the bar for the button.
TEST_F(SkinToolBarTest, ThePointerOverAScrollButtonIsOverTheBar)
{
    TvxSkinToolBar& bar = BarWithButtons(200, 6);
    bar.SetCanScroll(true);
    Pump();
    ASSERT_TRUE(bar.Scroller().ButtonsShown());
    std::vector<std::string> events;
    bar.OnMouseEnter = [&](TComponent*) { events.push_back("enter bar"); };
    bar.OnMouseLeave = [&](TComponent*) { events.push_back("leave bar"); };
    buttons[0]->OnMouseEnter = [&](TComponent*) { events.push_back("enter button"); };
    buttons[0]->OnMouseLeave = [&](TComponent*) { events.push_back("leave button"); };

    wm.Input().MouseMove(OnBar(bar, 5));
    Pump();
    EXPECT_TRUE(bar.MouseInControl());
    wm.Input().MouseMove(buttons[0]->ClientToScreen({ 10, 10 }));
    Pump();
    EXPECT_FALSE(bar.MouseInControl());
    EXPECT_TRUE(buttons[0]->MouseInControl());
    EXPECT_EQ(events, (std::vector<std::string> { "enter bar", "leave bar", "enter button" }));
}
