#include "tessel/skin/controls/TvxSkinSpeedButton.h"

#include "tessel/skin/controls/TvxSkinMenuSpeedButton.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tests/skin/controls/ButtonFixture.h"

using namespace tessel;

namespace {

class SkinSpeedButtonTest : public test::ButtonFixture {
protected:
    TvxSkinSpeedButton& Speed(TRect bounds, bool skinned = true)
    {
        return AddButton<TvxSkinSpeedButton>(bounds, skinned);
    }
    void Key(uint16_t key)
    {
        wm.Input().KeyDown(key);
        wm.Input().KeyUp(key);
        Pump();
    }
};

} // namespace

// Flat at rest: the form's background with the caption on it, no button look;
// hovered, the active look; with the caption hidden, the background alone.
TEST_F(SkinSpeedButtonTest, AFlatButtonAtRestShowsOnlyItsCaption)
{
    TvxSkinSpeedButton& b = Speed({ 10, 10, 70, 35 });
    b.SetCaption("Flat");
    ShowAndPaint();
    EXPECT_EQ(b.Height(), 26) << "the tool button's strip keeps its height";
    const TBitmap plain = Image(b);
    b.SetFlat(true);
    const TBitmap flat = Image(b);
    // The form's face shows at the corners where the look has its frame.
    const TBitmap background = Shot({ 200, 200, 260, 226 });
    EXPECT_FALSE(Same(plain, flat, { 0, 0, 3, 3 }));
    EXPECT_TRUE(Same(flat, background, { 0, 0, 3, 3 }));
    wm.Input().MouseMove(At(b, 5, 5));
    Run(200);
    EXPECT_TRUE(b.Hot());
    const TBitmap hot = Image(b);
    EXPECT_FALSE(Same(hot, flat, { 0, 0, 3, 3 }));
    wm.Input().MouseMove(At(*form, 300, 250));
    Run(200);
    EXPECT_TRUE(Same(flat, Image(b)));
    b.SetShowCaption(false);
    EXPECT_TRUE(Same(background, Image(b), { 0, 0, 60, 26 })) << "no caption drawn";
}

// ShowCaption switches between the two widths when both are set.
TEST_F(SkinSpeedButtonTest, ShowCaptionSwitchesTheWidth)
{
    TvxSkinSpeedButton& b = Speed({ 10, 10, 70, 35 });
    b.SetWidthWithCaption(60);
    b.SetWidthWithoutCaption(25);
    b.SetShowCaption(false);
    EXPECT_EQ(b.Width(), 25);
    b.SetShowCaption(true);
    EXPECT_EQ(b.Width(), 60);
    b.SetWidthWithoutCaption(0);
    b.SetShowCaption(false);
    EXPECT_EQ(b.Width(), 60) << "with one width unset the button only repaints";
}

// Clicks come from the mouse (on release over it), never from the keyboard; the
// button never takes the focus; grouped ones keep one down; the accelerator clicks.
TEST_F(SkinSpeedButtonTest, MouseClicksNoFocusNoKeys)
{
    TvxSkinSpeedButton& b = Speed({ 10, 10, 70, 35 });
    b.SetCaption("&Go");
    ShowAndPaint();
    form->SetFocus();
    Pump();
    Click(b);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(form->ActiveControl(), nullptr);
    Key(VK_SPACE);
    Key(VK_RETURN);
    EXPECT_EQ(clicks.size(), 1u);
    Pump(600);
    Press(b);
    Release(b, 200, 200);
    EXPECT_EQ(clicks.size(), 1u) << "released outside";
    AltKey('G');
    EXPECT_EQ(clicks.size(), 2u);

    TvxSkinSpeedButton& one = Speed({ 10, 50, 40, 75 });
    TvxSkinSpeedButton& two = Speed({ 50, 50, 80, 75 });
    one.SetGroupIndex(1);
    two.SetGroupIndex(1);
    Click(one);
    Click(two);
    EXPECT_FALSE(one.Down());
    EXPECT_TRUE(two.Down());
}

// The drop-down speed button in the new style with its arrow part at the bottom
// and no record: a press in the bottom 15 pixels drops the menu, elsewhere clicks.
TEST_F(SkinSpeedButtonTest, AMenuSpeedButtonsTrackPartAtTheBottom)
{
    MakeSkinnedForm({ 0, 0, 400, 300 });
    auto& b = AddButton<TvxSkinMenuSpeedButton>({ 10, 10, 50, 50 }, false);
    auto& menu = form->Add<TvxSkinPopupMenu>();
    menu.Items().Add("One");
    b.SetSkinPopupMenu(&menu);
    b.SetNewStyle(true);
    b.SetTrackPosition(vxtpBottom);
    b.SetTrackButtonMode(true);
    ShowAndPaint();
    EXPECT_EQ(b.SkinDataName(), "resizetoolbutton");
    EXPECT_EQ(b.TrackPart(), (TRect { 0, 25, 40, 40 }));
    Click(b);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(veneer->SkinMenu().Visible());
    Pump(600);
    Press(b, 20, 35);
    EXPECT_TRUE(veneer->SkinMenu().Visible());
    EXPECT_TRUE(b.MenuOpen());
    Release(b, 20, 35);
    wm.Input().KeyDown(VK_ESCAPE);
    wm.Input().KeyUp(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(b.MenuOpen());
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(clicks.size(), 1u);
    // At the right, or in the old style, the arrow part is the right 15 pixels.
    b.SetTrackPosition(vxtpRight);
    EXPECT_EQ(b.TrackPart(), (TRect { 25, 0, 40, 40 }));
    b.SetTrackPosition(vxtpBottom);
    b.SetNewStyle(false);
    EXPECT_EQ(b.TrackPart(), (TRect { 25, 0, 40, 40 }));
}

// A button that narrows leaves the parent's background where it was.
TEST_F(SkinSpeedButtonTest, ANarrowedButtonLeavesTheBackground)
{
    auto& b = Speed({ 10, 10, 90, 36 });
    b.SetCaption("Caption");
    b.SetWidthWithCaption(80);
    b.SetWidthWithoutCaption(26);
    ShowAndPaint();
    const TRect f = wm.GetWindowRect(form->Handle());
    const TPoint o = b.ClientToScreen({ 0, 0 }), empty = form->ClientToScreen({ 200, 200 });
    const TRect place { o.x - f.left, o.y - f.top, o.x - f.left + 80, o.y - f.top + 26 };
    const TBitmap before = Shot(place);
    const TBitmap background
        = Shot({ empty.x - f.left, empty.y - f.top, empty.x - f.left + 80, empty.y - f.top + 26 });
    EXPECT_FALSE(Same(before, background, { 30, 0, 80, 26 }));
    b.SetShowCaption(false);
    Pump();
    EXPECT_TRUE(Same(Shot(place), background, { 26, 0, 80, 26 }));
}

// A flat drop-down speed button on a tool-button record shows at rest its caption
// and the record's flat marker on the form, and its face under the mouse.
TEST_F(SkinSpeedButtonTest, AFlatMenuSpeedButtonShowsTheFlatMarker)
{
    auto& b = AddButton<TvxSkinMenuSpeedButton>({ 10, 10, 80, 36 });
    auto& menu = form->Add<TvxSkinPopupMenu>();
    menu.Items().Add("One");
    b.SetSkinDataName("toolbutton");
    b.SetSkinPopupMenu(&menu);
    b.SetCaption("Drop");
    b.SetFlat(true);
    ShowAndPaint();
    const TRect arrow { b.Width() - 15, 0, b.Width(), b.Height() };
    const TBitmap background = Shot({ 200, 200, 200 + b.Width(), 200 + b.Height() });
    const TBitmap normal_marker = Image(b);
    EXPECT_TRUE(Same(normal_marker, background, { 0, 0, 3, 3 })) << "no face at rest";
    EXPECT_FALSE(Same(normal_marker, background, arrow)) << "the marker shows";
    // The flat marker is its own image: the down marker's here.
    LoadParts(DemoParts([](std::string& ini) {
        const size_t section = ini.find("[toolbutton]");
        const size_t key = ini.find("\nmenumarkerflatrect=", section);
        ini.replace(key + 1, ini.find('\n', key + 1) - key - 1, "menumarkerflatrect=510,142,517,146");
    }));
    const TBitmap flat_marker = Image(b);
    EXPECT_TRUE(Same(flat_marker, background, { 0, 0, 3, 3 }));
    EXPECT_FALSE(Same(flat_marker, normal_marker, arrow));
    wm.Input().MouseMove(At(b, 5, 5));
    Run(200);
    EXPECT_FALSE(Same(Image(b), background, { 0, 0, 3, 3 })) << "the face under the mouse";
}
