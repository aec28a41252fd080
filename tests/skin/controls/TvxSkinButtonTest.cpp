#include "tessel/skin/controls/TvxSkinButton.h"

#include "tessel/framework/TCustomControl.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TTimer.h"
#include "tests/skin/controls/ButtonFixture.h"

using namespace tessel;

namespace {

class SkinButtonTest : public test::ButtonFixture {
protected:
    TvxSkinButton& Button(TRect bounds, bool skinned = true)
    {
        return AddButton<TvxSkinButton>(bounds, skinned);
    }
};

// A glyph strip of red, green, blue and yellow cells 8 wide, each with a white
// bottom-left pixel (a cell's transparent colour).
TBitmap Strip(int cells)
{
    const TColor colours[] = { 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF }; // red, green, blue, yellow
    TBitmap strip(8 * cells, 8);
    for (int i = 0; i < cells; ++i) {
        strip.Canvas().Brush().SetColor(colours[i]);
        strip.Canvas().FillRect({ 8 * i, 0, 8 * i + 8, 8 });
    }
    for (int i = 0; i < cells; ++i)
        strip.SetPixel(8 * i, 7, 0xFFFFFFFF);
    return strip;
}

} // namespace

// Press and release over the button click once; released away, no click; grouped
// buttons without AllowAllUp keep one down and click at the press; pressing a down
// one again does nothing; with AllowAllUp a second press lets it up.
TEST_F(SkinButtonTest, PressReleaseAndGroups)
{
    TvxSkinButton& b = Button({ 10, 10, 85, 35 });
    ShowAndPaint();
    Click(b);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(b.Down());
    Pump(600);
    Press(b);
    EXPECT_TRUE(b.Down());
    Release(b, 200, 200);
    EXPECT_EQ(clicks.size(), 1u) << "released outside";
    EXPECT_FALSE(b.Down());

    TvxSkinButton& one = Button({ 10, 50, 85, 75 });
    TvxSkinButton& two = Button({ 10, 90, 85, 115 });
    one.SetGroupIndex(1);
    two.SetGroupIndex(1);
    EXPECT_FALSE(one.CanFocused()) << "grouped buttons take no focus";
    Pump();
    clicks.clear();
    Click(one);
    EXPECT_TRUE(one.Down());
    Click(two);
    EXPECT_TRUE(two.Down());
    EXPECT_FALSE(one.Down()) << "the group let the first up";
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1].button, &two);
    Click(two);
    EXPECT_TRUE(two.Down()) << "pressing a down one again does nothing";
    EXPECT_EQ(clicks.size(), 2u);
    two.SetAllowAllUp(true);
    Click(two);
    EXPECT_FALSE(two.Down());
    EXPECT_EQ(clicks.size(), 3u);
}

// RepeatMode with RepeatInterval 100: the first click about 600 ms after the press,
// then one every 100 ms while held, and one more at the release over the button.
// An interval of 0 counts as 10 ms and stops with the release.
TEST_F(SkinButtonTest, HeldRepeatButtonsClickOnTheirTimer)
{
    TvxSkinButton& b = Button({ 10, 10, 85, 35 });
    b.SetRepeatMode(true);
    b.SetRepeatInterval(100);
    ShowAndPaint();
    uint64_t start = clock->NowMs();
    Press(b);
    Run(850);
    std::vector<uint64_t> at;
    for (const TClick& c : clicks)
        at.push_back(c.at - start);
    ASSERT_EQ(at.size(), 3u);
    EXPECT_NEAR(static_cast<double>(at[0]), 600, 5);
    EXPECT_NEAR(static_cast<double>(at[1] - at[0]), 100, 5);
    EXPECT_NEAR(static_cast<double>(at[2] - at[1]), 100, 5);
    Release(b);
    EXPECT_EQ(clicks.size(), 4u) << "once more at the release";
    Run(500);
    EXPECT_EQ(clicks.size(), 4u) << "no timer left running";

    clicks.clear();
    b.SetRepeatInterval(0);
    Pump(600);
    Press(b);
    Run(600);
    size_t held = clicks.size();
    EXPECT_GE(held, 5u);
    EXPECT_LE(held, 11u) << "no faster than every 10 ms";
    Release(b);
    Run(200);
    EXPECT_EQ(clicks.size(), held + 1);
}

// The glyph cell by state: one cell always the first; two, disabled, the second;
// three, pressed, the third; four, hot, the fourth. Cells and bad counts draw
// safely; an image list's image past its count is no image.
TEST_F(SkinButtonTest, GlyphCellsFollowTheState)
{
    TvxSkinButton& b = Button({ 10, 10, 85, 35 }, false);
    ShowAndPaint();
    b.SetNumGlyphs(1);
    EXPECT_EQ(b.GlyphCell(true, true), 1);
    b.SetEnabled(false);
    EXPECT_EQ(b.GlyphCell(false, false), 1);
    b.SetNumGlyphs(2);
    EXPECT_EQ(b.GlyphCell(false, false), 2);
    b.SetEnabled(true);
    b.SetNumGlyphs(3);
    EXPECT_EQ(b.GlyphCell(true, true), 3);
    EXPECT_EQ(b.GlyphCell(true, false), 1);
    b.SetNumGlyphs(4);
    EXPECT_EQ(b.GlyphCell(true, false), 4);
    EXPECT_EQ(b.GlyphCell(false, false), 1);

    // Hot, with four cells, the fourth (yellow) shows; at rest the first (red).
    b.SetGlyph(Strip(4));
    b.SetCaption("");
    auto has = [&](uint32_t rgb) {
        TBitmap image = Image(b);
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                if ((image.Pixel(x, y) & 0xFFFFFF) == rgb)
                    return true;
        return false;
    };
    EXPECT_TRUE(has(0xFF0000));
    EXPECT_FALSE(has(0xFFFF00));
    wm.Input().MouseMove(At(b, 5, 5));
    Pump();
    EXPECT_TRUE(b.Hot());
    EXPECT_TRUE(has(0xFFFF00)) << "the fourth cell while hot";

    // Bad input draws without a fault.
    b.SetNumGlyphs(0);
    EXPECT_EQ(b.NumGlyphs(), 1);
    b.SetNumGlyphs(9);
    EXPECT_EQ(b.NumGlyphs(), 4);
    b.SetGlyph(TBitmap(0, 8));
    Image(b);
    auto& list = form->Add<TImageList>();
    list.SetSize(8, 8);
    b.SetImageList(&list);
    b.SetImageIndex(5);
    Image(b);
    form->FreeComponent(&list);
    EXPECT_EQ(b.ImageList(), nullptr);
}

// Margin 0 with the glyph on the right puts it flush with the client's right edge.
TEST_F(SkinButtonTest, MarginZeroPutsTheGlyphAtTheEdge)
{
    TvxSkinButton& b = Button({ 10, 10, 110, 35 }, false);
    b.SetGlyph(Strip(1));
    b.SetLayout(blGlyphRight);
    b.SetMargin(0);
    ShowAndPaint();
    TBitmap image = Image(b);
    // The built-in look's client is inside its 1-pixel frame.
    EXPECT_EQ(image.Pixel(b.Width() - 2, b.Height() / 2) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(image.Pixel(b.Width() - 10, b.Height() / 2) & 0xFFFFFF, 0xFF0000u);
}

// Hover morphs from the normal look to the active one in five steps of 20 ms; the
// looks between differ from both ends; leaving morphs back.
TEST_F(SkinButtonTest, HoverMorphsTheLookInFiveSteps)
{
    TvxSkinButton& b = Button({ 10, 10, 85, 35 });
    store->SetEnableSkinEffects(true);
    b.SetCanFocused(false);
    ShowAndPaint();
    TBitmap normal = Image(b);
    wm.Input().MouseMove(At(b, 20, 10));
    Pump();
    Run(40);
    EXPECT_GT(b.MorphFactor(), 0.0);
    EXPECT_LT(b.MorphFactor(), 1.0);
    TBitmap between = Image(b);
    Run(100);
    EXPECT_DOUBLE_EQ(b.MorphFactor(), 1.0);
    TBitmap active = Image(b);
    EXPECT_FALSE(Same(between, normal));
    EXPECT_FALSE(Same(between, active));
    EXPECT_FALSE(Same(normal, active));
    wm.Input().MouseMove(At(b, 300, 200));
    Pump();
    Run(120);
    EXPECT_DOUBLE_EQ(b.MorphFactor(), 0.0);
    EXPECT_TRUE(Same(Image(b), normal));
    EXPECT_EQ(wm.TimerCount() > 0, false) << "no timer left at rest";
}

// The Default button shows its active look while an edit holds the focus, keeps it
// when the mouse leaves, and Enter clicks it; Escape clicks the Cancel button.
TEST_F(SkinButtonTest, DefaultAndCancelButtons)
{
    TvxSkinButton& ok = Button({ 10, 10, 85, 35 });
    TvxSkinButton& cancel = Button({ 100, 10, 175, 35 });
    auto& edit = Add<TCustomControl>(*form, { 10, 60, 200, 80 });
    edit.SetTabStop(true);
    ok.SetDefault(true);
    cancel.SetCancel(true);
    ShowAndPaint();
    TBitmap normal = Image(cancel);
    edit.SetFocus();
    Pump();
    EXPECT_TRUE(ok.Hot()) << "the default look while an edit has the focus";
    EXPECT_FALSE(cancel.Hot());
    wm.Input().MouseMove(At(ok, 5, 5));
    Pump();
    wm.Input().MouseMove(At(ok, 300, 200));
    Pump();
    EXPECT_TRUE(ok.Hot()) << "kept when the mouse leaves";
    wm.Input().KeyDown(VK_RETURN);
    wm.Input().KeyUp(VK_RETURN);
    Pump();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].button, &ok);
    wm.Input().KeyDown(VK_ESCAPE);
    wm.Input().KeyUp(VK_ESCAPE);
    Pump();
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1].button, &cancel);
    // Focus on the cancel button: it is the one Enter clicks now.
    cancel.SetFocus();
    Pump();
    EXPECT_FALSE(ok.DefaultActive());
    EXPECT_TRUE(cancel.DefaultActive());
    wm.Input().KeyDown(VK_RETURN);
    wm.Input().KeyUp(VK_RETURN);
    Pump();
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[2].button, &cancel);
}

// Without a record the built-in look: a hot button fills with 0xD2BDB6 inside a
// navy frame, a pressed one with 0xB59385, at rest the button face in a shadow frame.
TEST_F(SkinButtonTest, TheBuiltInLookWithoutARecord)
{
    TvxSkinButton& b = Button({ 10, 10, 85, 35 }, false);
    b.SetCaption("");
    ShowAndPaint();
    TBitmap rest = Image(b);
    EXPECT_EQ(rest.Pixel(0, 0) & 0xFFFFFF, ColorToArgb(clBtnShadow) & 0xFFFFFF);
    EXPECT_EQ(rest.Pixel(20, 10) & 0xFFFFFF, ColorToArgb(clBtnFace) & 0xFFFFFF);
    wm.Input().MouseMove(At(b, 5, 5));
    Pump();
    TBitmap hot = Image(b);
    EXPECT_EQ(hot.Pixel(0, 0) & 0xFFFFFF, ColorToArgb(0x800000) & 0xFFFFFF);
    EXPECT_EQ(hot.Pixel(20, 10) & 0xFFFFFF, ColorToArgb(0xD2BDB6) & 0xFFFFFF);
    wm.Input().MouseDown(TMouseButton::Left, At(b, 5, 5));
    Pump();
    EXPECT_EQ(Image(b).Pixel(20, 10) & 0xFFFFFF, ColorToArgb(0xB59385) & 0xFFFFFF);
    wm.Input().MouseUp(TMouseButton::Left, At(b, 5, 5));
    Pump();
}

// A record without active and down rectangles shows its normal rectangle in every
// look; the caption's colour still changes.
TEST_F(SkinButtonTest, ARecordWithoutActiveAndDownLooks)
{
    MakeForm({ 0, 0, 400, 300 });
    test::PackageParts parts = DemoParts([](std::string& ini) {
        SetKey(ini, "button", "activeskinrect", "0,0,0,0");
        SetKey(ini, "button", "downskinrect", "0,0,0,0");
        SetKey(ini, "button", "focusedskinrect", "0,0,0,0");
        SetKey(ini, "button", "morphing", "0");
        SetKey(ini, "button", "activefontcolor", "255");
    });
    LoadParts(parts);
    TvxSkinButton& b = Button({ 10, 10, 85, 35 });
    b.SetCaption("");
    b.SetCanFocused(false);
    ShowAndPaint();
    TBitmap normal = Image(b);
    wm.Input().MouseMove(At(b, 5, 5));
    Pump();
    EXPECT_TRUE(Same(Image(b), normal)) << "active shows skinrect";
    wm.Input().MouseDown(TMouseButton::Left, At(b, 5, 5));
    Pump();
    TBitmap down = Image(b);
    wm.Input().MouseUp(TMouseButton::Left, At(b, 5, 5));
    Pump();
    EXPECT_TRUE(Same(down, normal)) << "down shows skinrect";
    b.SetCaption("Go");
    TBitmap red = Image(b);
    EXPECT_TRUE(b.Hot());
    EXPECT_FALSE(Same(red, normal)) << "the caption shows";
    wm.Input().MouseMove(At(b, 300, 200));
    Pump();
    EXPECT_FALSE(Same(Image(b), red)) << "the active caption colour differs";
}

// UseSkinSize off: the button keeps its size, the record's mask is not its shape,
// and its caption sits in the grown client; on, the record's height comes back.
TEST_F(SkinButtonTest, UseSkinSizeOffKeepsTheButtonsSize)
{
    TvxSkinButton& b = Button({ 10, 10, 110, 35 });
    ShowAndPaint();
    EXPECT_EQ(b.Height(), 25);
    EXPECT_NE(wm.GetWindowRgn(b.Handle()), nullptr) << "the record's mask shapes it";
    b.SetUseSkinSize(false);
    b.SetBounds(10, 10, 100, 60);
    Pump();
    EXPECT_EQ(b.Height(), 60);
    EXPECT_EQ(wm.GetWindowRgn(b.Handle()), nullptr);
    TBitmap empty = Image(b);
    b.SetCaption("Tall");
    TBitmap with = Image(b);
    bool differs_low = false;
    for (int y = 25; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            differs_low = differs_low || (empty.Pixel(x, y) != with.Pixel(x, y));
    EXPECT_TRUE(differs_low) << "the caption is centred in the taller client";
    // A skin change keeps the size the program gave.
    LoadParts(DemoParts([](std::string&) {}));
    EXPECT_EQ(b.Height(), 60);
    b.SetUseSkinSize(true);
    Pump();
    EXPECT_EQ(b.Height(), 25);
}

// A modal form runs until a button with a modal result is clicked, with the other
// forms disabled meanwhile; closed, it ends with mrCancel; released while modal, it
// ends the same way and goes only after ShowModal has returned.
TEST_F(SkinButtonTest, ModalResultEndsAModalForm)
{
    Button({ 10, 10, 85, 35 });
    ShowAndPaint();
    TForm& dialog = NewForm({ 50, 50, 250, 150 });
    auto& ok = Add<TvxSkinButton>(dialog, { 10, 10, 85, 35 });
    ok.SetModalResult(mrOk);
    bool main_enabled = true;
    std::function<void()> step;
    auto timer = TTimer::Stopped(100, [&] { step(); });
    step = [&] {
        timer->SetEnabled(false);
        main_enabled = wm.IsWindowEnabled(form->Handle());
        wm.Input().Click(TMouseButton::Left, ok.ClientToScreen({ 10, 10 }));
    };
    timer->SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(main_enabled);
    EXPECT_TRUE(wm.IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(dialog.Visible());

    step = [&] {
        timer->SetEnabled(false);
        dialog.Close();
    };
    timer->SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);

    // A component of the dialog's that tells when it goes.
    struct TWatch : TComponent {
        TWatch(TComponent* owner, bool& freed)
            : TComponent(owner)
            , m_freed(freed)
        { }
        ~TWatch() override { m_freed = true; }
        bool& m_freed;
    };
    bool freed = false;
    dialog.Add<TWatch>(freed);
    step = [&] {
        timer->SetEnabled(false);
        dialog.Release();
        Pump();
        EXPECT_FALSE(freed) << "freed under its own loop";
    };
    timer->SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    Pump();
    EXPECT_TRUE(freed);
}
