#include "tessel/skin/form/TvxVeneer.h"

#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TPopupMenu.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/controls/TvxSkinStatusBar.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/form/TvxClientFrameLook.h"
#include "tessel/skin/form/TvxFramePlacement.h"
#include "tessel/skin/form/TvxFrameShape.h"
#include "tessel/skin/form/TvxMainMenuEntry.h"
#include "tessel/skin/form/TvxSkinFrameLook.h"
#include "tessel/skin/form/objects/TvxSkinAnimateObject.h"
#include "tessel/skin/form/objects/TvxSkinBitLabelObject.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"
#include "tessel/skin/form/objects/TvxSkinFrameGaugeObject.h"
#include "tessel/skin/form/objects/TvxSkinFrameRegulatorObject.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"
#include "tessel/skin/form/objects/TvxSkinSwitchObject.h"
#include "tessel/skin/form/objects/TvxUserObject.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"
#include "tests/skin/form/FormFixture.h"

using namespace tessel;

namespace {

class VeneerTest : public test::FormFixture {
protected:
    // A 420 x 200 form on the demo skin's second look, the frame objects' one.
    void MakeObjectsForm()
    {
        MakeForm({ 0, 0, 420, 200 });
        test::LoadObjectsSkin(*stored);
        veneer = &form->Add<TvxVeneer>();
        veneer->SetSkinData(store);
        LoadSkin();
        ShowAndPaint();
    }
    // Whether the window shows rect of the picture at the object's place.
    bool Shows(const TvxActiveSkinObject& object, const TBitmap& picture, const TRect& rect) const
    {
        const TRect& at = object.ObjectRect();
        for (int y = 0; y < rect.Height(); ++y)
            for (int x = 0; x < rect.Width(); ++x)
                if (Pixel(at.left + x, at.top + y) != (picture.Pixel(rect.left + x, rect.top + y) & 0xFFFFFF))
                    return false;
        return true;
    }
    // The colours that appear inside a rectangle of the window.
    std::set<uint32_t> Colours(const TRect& r) const
    {
        std::set<uint32_t> seen;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                seen.insert(Pixel(x, y));
        return seen;
    }
};

} // namespace

// With the demo skin (frame picture 104 x 60, client 3,22,101,57) a 962 x 807 window
// has borders 3, 22, 3, 3; its frame shows the composed edges wherever no object
// lies, and its shape is the mask's.
TEST_F(VeneerTest, TheDemoFrameTakesItsBordersEdgesAndShapeFromTheSkin)
{
    TvxVeneer& v = MakeSkinnedForm({ 0, 0, 962, 807 });
    EXPECT_EQ(wm.ClientInWindow(Hwnd()), (TRect { 3, 22, 959, 804 }));
    EXPECT_EQ(v.Geometry().NewClient, (TRect { 3, 22, 959, 804 }));
    EXPECT_EQ(wm.SendMessage(Hwnd(), WM_NCACTIVATE, 0, 0), 1);
    ShowAndPaint();

    const TvxFrameGeometry& g = v.Geometry();
    TvxFrameEdges edges = TvxSkinFrameLook::ComposeEdges(*store, g, form->Active());
    const TRegion* region = wm.GetWindowRgn(Hwnd());
    ASSERT_NE(region, nullptr);
    auto shape = TvxFrameShape::Region(*store, g);
    for (int y = 0; y < 807; y += 3)
        for (int x = 0; x < 962; x += 7)
            ASSERT_EQ(region->Contains(x, y), shape->Contains(x, y)) << x << "," << y;
    auto under_object = [&](int x, int y) {
        for (TvxActiveSkinObject* object : v.Objects().All())
            if (object->Visible() && object->ObjectRect().Contains({ x, y }))
                return true;
        return false;
    };
    int compared = 0;
    auto check = [&](const TBitmap& image, int left, int top) {
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) {
                if (under_object(left + x, top + y) || !region->Contains(left + x, top + y))
                    continue;
                ASSERT_EQ(Pixel(left + x, top + y), image.Pixel(x, y) & 0xFFFFFF)
                    << left + x << "," << top + y;
                ++compared;
            }
    };
    check(edges.top, 0, 0);
    check(edges.left, 0, 22);
    check(edges.right, 959, 22);
    check(edges.bottom, 0, 804);
    EXPECT_GT(compared, 962 * 12);

    // The caption row: close, maximise, minimise, roll-up and tray from the caption's
    // right edge leftwards, 13 pixels each, 5 apart; the system-menu button at its left.
    EXPECT_EQ(Object("closebutton")->ObjectRect(), (TRect { 945, 5, 958, 18 }));
    EXPECT_EQ(Object("maxbutton")->ObjectRect(), (TRect { 927, 5, 940, 18 }));
    EXPECT_EQ(Object("sysmenubutton")->ObjectRect(), (TRect { 4, 5, 17, 18 }));
    EXPECT_EQ(Object("caption")->ObjectRect().left, 17);
}

TEST_F(VeneerTest, TheDemoFrameAnswersTheHitTestByItsPoints)
{
    MakeSkinnedForm({ 0, 0, 962, 807 });
    EXPECT_EQ(HitAt(1, 1), HTTOPLEFT);
    EXPECT_EQ(HitAt(500, 1), HTTOP);
    EXPECT_EQ(HitAt(961, 806), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(500, 10), HTCAPTION);
    EXPECT_EQ(HitAt(500, 400), HTCLIENT);
    EXPECT_EQ(HitAt(1, 400), HTLEFT);
    EXPECT_EQ(HitAt(960, 400), HTRIGHT);
    EXPECT_EQ(HitAt(500, 805), HTBOTTOM);
    // Over the close button (laid out at 945 ... 958) the controller handles the
    // mouse; while the button is hot the frame around it is the button's too.
    EXPECT_EQ(HitAt(950, 10), HTOBJECT);
    EXPECT_EQ(veneer->Objects().Hot()->IDName(), "closebutton");
    EXPECT_EQ(HitAt(961, 1), HTOBJECT);
    EXPECT_EQ(HitAt(500, 10), HTCAPTION);
    wm.Input().MouseMove(Screen(500, 400));
    Pump(60);
    EXPECT_EQ(veneer->Objects().Hot(), nullptr);
    EXPECT_EQ(HitAt(961, 1), HTTOPRIGHT);

    veneer->SetSizeable(false);
    EXPECT_EQ(HitAt(1, 1), HTOBJECT);
    EXPECT_EQ(HitAt(1, 400), HTOBJECT);
    EXPECT_EQ(HitAt(500, 10), HTCAPTION);
}

// The stored skin's caption has no active image: only its text, the form's title,
// in bold Arial 16 with a shadow one pixel right and down, in the active colours
// while the form is active and the inactive ones while it is not.
TEST_F(VeneerTest, TheCaptionDrawsTheTitleWithItsShadowInTheColoursOfTheState)
{
    MakeSkinnedForm({ 0, 0, 600, 300 });
    form->SetCaption("Tessel Games");
    Pump();
    auto& caption = *dynamic_cast<TvxSkinCaptionObject*>(Object("caption"));
    TRect area = caption.ObjectRect();
    ASSERT_TRUE(form->Active());
    std::set<uint32_t> active = Colours(area);
    EXPECT_TRUE(active.count(Rgb(4737096)));
    EXPECT_TRUE(active.count(Rgb(12632256)));
    EXPECT_FALSE(active.count(Rgb(8421504)));

    TForm& other = NewForm({ 700, 0, 900, 200 });
    other.Show();
    Pump();
    ASSERT_FALSE(form->Active());
    // The inactive frame, text included, is brightened by the skin's inactive effect.
    std::set<uint32_t> inactive = Colours(area);
    auto brightened = [](TColor color) {
        TBitmap pixel(1, 1);
        pixel.SetPixel(0, 0, ColorToArgb(color));
        TvxEffectBmp effect(pixel);
        effect.InactiveEffect(iebrightness);
        return effect.ToBitmap().Pixel(0, 0) & 0xFFFFFF;
    };
    EXPECT_FALSE(inactive.count(Rgb(4737096)));
    EXPECT_FALSE(inactive.count(brightened(4737096)));
    EXPECT_TRUE(inactive.count(brightened(8421504)));
    EXPECT_TRUE(inactive.count(brightened(14342874)));

    // Shown in bold: wider than the same text regular.
    TBitmap probe(300, 30);
    probe.Canvas().Font().SetName("Arial");
    probe.Canvas().Font().SetHeight(16);
    int regular = probe.Canvas().TextWidth("Tessel Games");
    probe.Canvas().Font().SetStyle(fsBold);
    EXPECT_GT(probe.Canvas().TextWidth("Tessel Games"), regular);
    int right = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) == brightened(8421504))
                right = std::max(right, x);
    EXPECT_GT(right - area.left, regular - 4);
}

// Entering the close button morphs it to its active image in five 25 ms steps;
// pressing shows the down image, and releasing over it closes the form.
TEST_F(VeneerTest, TheCloseButtonMorphsShowsItsPressAndCloses)
{
    MakeSkinnedForm({ 0, 0, 962, 807 });
    auto& close = *Object("closebutton");
    const TBitmap& picture = *store->ActivePicture(0);
    EXPECT_TRUE(Shows(close, picture, { 43, 3, 56, 16 })) << "normal image";
    wm.Input().MouseMove(Screen(950, 10));
    Pump();
    EXPECT_TRUE(close.Active());
    for (int step = 1; step <= 5; ++step) {
        Pump(25);
        EXPECT_NEAR(close.MorphFactor(), step * 0.2, 1e-9) << "step " << step;
        if (step < 5) {
            EXPECT_FALSE(Shows(close, picture, { 101, 3, 114, 16 }));
        }
    }
    EXPECT_TRUE(Shows(close, picture, { 101, 3, 114, 16 })) << "active image";

    wm.Input().MouseDown(TMouseButton::Left, Screen(950, 10));
    Pump();
    EXPECT_TRUE(Shows(close, picture, { 44, 41, 57, 54 })) << "down image";
    int closes = 0;
    form->OnClose = [&](TComponent*, TCloseAction&) { ++closes; };
    EXPECT_EQ(wm.Input().GetCapture(), Hwnd()) << "the button holds the mouse";
    wm.Input().MouseUp(TMouseButton::Left, Screen(950, 10));
    Pump();
    EXPECT_EQ(closes, 1) << "closed";
    EXPECT_EQ(wm.Input().GetCapture(), HWND {});
}

TEST_F(VeneerTest, AtRestNoTimerRuns)
{
    MakeSkinnedForm({ 0, 0, 600, 300 });
    size_t rest = wm.TimerCount();
    wm.Input().MouseMove(Screen(590, 10));
    Pump();
    wm.Input().MouseMove(Screen(10, 10));
    Run(100);
    EXPECT_GT(wm.TimerCount(), rest) << "the hover timer runs while the pointer is on the frame";
    wm.Input().MouseMove(Screen(300, 200));
    Run(300);
    EXPECT_EQ(wm.TimerCount(), rest);
    EXPECT_EQ(veneer->Objects().Hot(), nullptr);
}

// Without a skin, and with a skin whose client rectangle is empty, the built-in
// frame: 3-pixel borders under a 19-pixel caption, bevels and flat buttons.
TEST_F(VeneerTest, WithoutASkinFrameTheBuiltInFrame)
{
    MakeSkinnedForm({ 0, 0, 400, 300 }, false);
    EXPECT_EQ(wm.ClientInWindow(Hwnd()), (TRect { 3, 22, 397, 297 }));
    EXPECT_EQ(Pixel(0, 0), Rgb(cl3DLight));
    EXPECT_EQ(Pixel(399, 299), Rgb(cl3DDkShadow));
    EXPECT_EQ(Pixel(1, 1), Rgb(clBtnHighlight));
    ASSERT_EQ(veneer->Objects().All().size(), 6u);
    EXPECT_EQ(Object("closebutton")->ObjectRect(), (TRect { 380, 4, 397, 21 }));
    EXPECT_EQ(HitAt(200, 10), HTCAPTION);
    EXPECT_EQ(HitAt(1, 150), HTLEFT);
    EXPECT_EQ(HitAt(388, 10), HTOBJECT);

    LoadParts(DemoParts([](std::string& ini) { SetKey(ini, "FORMINFO", "clientrect", "0,0,0,0"); }));
    EXPECT_FALSE(store->Empty());
    EXPECT_EQ(wm.ClientInWindow(Hwnd()), (TRect { 3, 22, 397, 297 }));
    EXPECT_EQ(Pixel(0, 0), Rgb(cl3DLight));
}

// A run-time skin change: the demo skin's shaped window, then the same skin without
// a mask is the plain rectangle, and back.
TEST_F(VeneerTest, ASkinWithoutAMaskGivesThePlainRectangle)
{
    MakeSkinnedForm({ 0, 0, 500, 300 });
    ASSERT_NE(wm.GetWindowRgn(Hwnd()), nullptr);
    EXPECT_FALSE(wm.GetWindowRgn(Hwnd())->Contains(0, 0)) << "the demo mask cuts the corner";
    LoadParts(DemoParts([](std::string&) {}, false));
    const TRegion* region = wm.GetWindowRgn(Hwnd());
    ASSERT_NE(region, nullptr);
    EXPECT_EQ(region->Box(), (TRect { 0, 0, 500, 300 }));
    EXPECT_TRUE(region->Contains(0, 0));
    EXPECT_EQ(veneer->Objects().All().size(), 7u) << "objects made again from the new skin";
}

// Damaged skins: the window still shows, answers the hit test and closes.
TEST_F(VeneerTest, DamagedSkinsStillShowAndClose)
{
    const std::vector<std::function<void(std::string&)>> damages = {
        [](std::string& ini) { SetKey(ini, "FORMINFO", "hittestrightbottompoint", "5000,-40"); },
        [](std::string& ini) { SetKey(ini, "FORMINFO", "captionrect", "90,18,4,5"); },
        [](std::string& ini) { SetKey(ini, "FORMINFO", "clientrect", "3,22,400,300"); },
        [](std::string& ini) { SetKey(ini, "FORMINFO", "maskrectarea", "-50,-50,900,900"); },
        [](std::string& ini) { SetKey(ini, "closebutton", "skinrect", "-20,-20,3000,40"); },
        [](std::string& ini) { SetKey(ini, "caption", "skinrect", "200,200,100,100"); },
        [](std::string& ini) { SetKey(ini, "maxbutton", "activepictureindex", "40"); },
    };
    for (size_t i = 0; i < damages.size(); ++i) {
        MakeSkinnedForm({ 0, 0, 500, 300 });
        int closes = 0;
        form->OnClose = [&](TComponent*, TCloseAction&) { ++closes; };
        LoadParts(DemoParts(damages[i]));
        wm.RedrawWindow(Hwnd(), nullptr, RDW_FRAME | RDW_INVALIDATE);
        Pump();
        for (TPoint p : { TPoint { 1, 1 }, { 250, 8 }, { 490, 10 }, { 250, 150 }, { 499, 299 } }) {
            int hit = HitAt(p.x, p.y);
            EXPECT_TRUE(hit >= HTCLIENT && hit <= HTOBJECT) << "damage " << i;
            wm.Input().MouseMove(Screen(p.x, p.y));
            Pump(60);
        }
        EXPECT_TRUE(wm.IsWindowVisible(Hwnd())) << "damage " << i;
        form->Close();
        Pump();
        EXPECT_EQ(closes, 1) << "damage " << i;
    }
}

// A live resize step lays the frame out for the proposed size at once: the close
// button follows the right edge and the shape covers the new size.
TEST_F(VeneerTest, ALiveResizeStepLaysTheFrameForTheProposedSize)
{
    MakeSkinnedForm({ 0, 0, 962, 807 });
    wm.SendMessage(Hwnd(), WM_ENTERSIZEMOVE);
    TRect proposed { 0, 0, 700, 500 };
    wm.SendMessage(Hwnd(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(veneer->Geometry().NewClient, (TRect { 3, 22, 697, 497 }));
    EXPECT_EQ(Object("closebutton")->ObjectRect(), (TRect { 683, 5, 696, 18 }));
    ASSERT_NE(wm.GetWindowRgn(Hwnd()), nullptr);
    EXPECT_EQ(wm.GetWindowRgn(Hwnd())->Box().right, 700);
    wm.SendMessage(Hwnd(), WM_EXITSIZEMOVE);
}

// Switching the store's SkinnableForm gives the form the desktop's frame (here none:
// the whole window is client, no shape) and back, a maximised form staying maximised.
TEST_F(VeneerTest, SkinnableFormSwitchesTheFrameWhileMaximised)
{
    MakeSkinnedForm({ 0, 0, 600, 400 });
    veneer->SetFrameState(TvxFrameState::Maximized);
    Pump();
    TRect maximized = wm.GetWindowRect(Hwnd());
    EXPECT_FALSE(wm.IsZoomed(Hwnd())) << "the controller sizes the window itself";
    store->SetSkinnableForm(false);
    Pump();
    EXPECT_FALSE(veneer->Skinnable());
    EXPECT_TRUE(wm.IsZoomed(Hwnd())) << "the window system maximises its own frame";
    TRect work = wm.GetWindowRect(Hwnd());
    EXPECT_EQ(wm.ClientInWindow(Hwnd()), (TRect { 0, 0, work.Width(), work.Height() }));
    EXPECT_EQ(wm.GetWindowRgn(Hwnd()), nullptr);
    EXPECT_TRUE(veneer->Objects().Empty());
    EXPECT_EQ(HitAt(5, 5), HTCLIENT) << "the form's own answer";

    store->SetSkinnableForm(true);
    Pump();
    EXPECT_TRUE(veneer->Skinnable());
    EXPECT_FALSE(wm.IsZoomed(Hwnd()));
    EXPECT_EQ(veneer->FrameState(), TvxFrameState::Maximized);
    EXPECT_EQ(wm.GetWindowRect(Hwnd()), maximized);
    EXPECT_EQ(wm.ClientInWindow(Hwnd()), (TRect { 3, 22, maximized.Width() - 3, maximized.Height() - 3 }));
    EXPECT_FALSE(veneer->Objects().Empty());
    veneer->SetFrameState(TvxFrameState::Normal);
    EXPECT_EQ(wm.GetWindowRect(Hwnd()), (TRect { 0, 0, 600, 400 })) << "restored to where it was";
}

// Without a non-client area the whole window is client and the frame is its
// background: the frame picture composed to the window's size with the objects and
// the grip drawn into it; the borders still size the window and the objects still
// take the mouse.
TEST_F(VeneerTest, InClientModeTheFrameIsTheClientAreasBackground)
{
    MakeForm({ 0, 0, 400, 300 });
    veneer = &form->Add<TvxVeneer>();
    veneer->SetSupportNCArea(false);
    veneer->SetSkinData(store);
    LoadSkin();
    ShowAndPaint();
    EXPECT_EQ(wm.ClientInWindow(Hwnd()), (TRect { 0, 0, 400, 300 }));
    ASSERT_NE(wm.GetWindowRgn(Hwnd()), nullptr) << "shaped by the mask as well";
    TBitmap composed = TvxClientFrameLook::Compose(*store, 400, 300);
    const TRect grip = veneer->Geometry().SizeGripRect;
    EXPECT_FALSE(grip.IsEmpty());
    int compared = 0;
    for (int y = 0; y < 300; y += 2)
        for (int x = 0; x < 400; x += 3) {
            bool under = grip.Contains({ x, y }) || !wm.GetWindowRgn(Hwnd())->Contains(x, y);
            for (TvxActiveSkinObject* object : veneer->Objects().Shown())
                under = under || object->ObjectRect().Contains({ x, y });
            if (under)
                continue;
            ASSERT_EQ(Pixel(x, y), composed.Pixel(x, y) & 0xFFFFFF) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 15000);
    EXPECT_NE(Pixel(grip.left + grip.Width() / 2, grip.top + grip.Height() / 2),
        composed.Pixel(grip.left + grip.Width() / 2, grip.top + grip.Height() / 2) & 0xFFFFFF)
        << "the grip is drawn";

    EXPECT_EQ(HitAt(1, 1), HTTOPLEFT);
    EXPECT_EQ(HitAt(200, 150), HTCLIENT);
    EXPECT_EQ(HitAt(grip.left + 1, grip.top + 1), HTBOTTOMRIGHT);

    // The close button where its skin rectangle maps, taking a click through the
    // client messages.
    auto& close = *Object("closebutton");
    TRect at = close.ObjectRect();
    int closes = 0;
    form->OnClose = [&](TComponent*, TCloseAction&) { ++closes; };
    wm.Input().MouseMove(Screen(at.left + 5, at.top + 5));
    Run(60);
    EXPECT_EQ(veneer->Objects().Hot(), &close) << "found by the hover timer";
    wm.Input().Click(TMouseButton::Left, Screen(at.left + 5, at.top + 5));
    Pump();
    EXPECT_EQ(closes, 1);
}

// The demo skin's second form look carries one object of each kind in its bottom
// band, where they stay at the window's bottom-left as it grows; they draw there.
TEST_F(VeneerTest, TheObjectsLookCarriesOneObjectOfEachKind)
{
    MakeObjectsForm();
    std::vector<std::string> kinds;
    for (TvxActiveSkinObject* object : veneer->Objects().All())
        kinds.push_back(object->IDName());
    EXPECT_EQ(kinds,
        (std::vector<std::string> { "closebutton", "sysmenubutton", "caption", "meter", "knob", "power",
            "spinner", "counter", "custom" }));
    EXPECT_NE(dynamic_cast<TvxSkinFrameGaugeObject*>(Object("meter")), nullptr);
    EXPECT_NE(dynamic_cast<TvxSkinFrameRegulatorObject*>(Object("knob")), nullptr);
    EXPECT_NE(dynamic_cast<TvxSkinSwitchObject*>(Object("power")), nullptr);
    EXPECT_NE(dynamic_cast<TvxSkinAnimateObject*>(Object("spinner")), nullptr);
    EXPECT_NE(dynamic_cast<TvxSkinBitLabelObject*>(Object("counter")), nullptr);
    EXPECT_NE(dynamic_cast<TvxUserObject*>(Object("custom")), nullptr);
    // 80 pixels taller than the 120-pixel picture: the band's objects move down by 80.
    EXPECT_EQ(Object("meter")->ObjectRect(), (TRect { 12, 168, 36, 192 }));
    int painted = 0;
    veneer->OnPaintEvent = [&](const std::string& name, TCanvas&, const TRect& r) {
        EXPECT_EQ(name, "custom");
        // Drawn into the frame's bottom image, which starts under the client (at 160).
        EXPECT_EQ(r, (TRect { 192, 8, 228, 32 }));
        ++painted;
    };
    wm.RedrawWindow(Hwnd(), nullptr, RDW_FRAME | RDW_INVALIDATE);
    Pump();
    EXPECT_EQ(painted, 1);

    // With skin effects the caption plays its sweep when the form's activation
    // changes, on the controller's animation timer, which stops after the last frame.
    auto& caption = *dynamic_cast<TvxSkinCaptionObject*>(Object("caption"));
    store->SetEnableSkinEffects(true);
    wm.SendMessage(Hwnd(), WM_NCACTIVATE, 1, 0);
    EXPECT_EQ(caption.Animation().CurrentFrame(), 1);
    Run(200);
    EXPECT_EQ(caption.Animation().CurrentFrame(), 3) << "a frame every 100 ms";
    Run(600);
    EXPECT_EQ(caption.Animation().CurrentFrame(), 5);
    EXPECT_EQ(wm.TimerCount(), 0u) << "the pointer is away: every timer has stopped";
}

// In client mode a skinned control that names an area of the skin stands in that
// area, grown with the window; it follows a resize, and a control freed meanwhile is
// simply forgotten.
TEST_F(VeneerTest, InClientModeControlsStandInTheSkinsAreas)
{
    MakeForm({ 0, 0, 400, 300 });
    auto& panel = Add<TvxSkinPanel>(*form, { 0, 0, 50, 50 });
    panel.SetAlign(alClient);
    panel.SetAreaName("display");
    auto& stray = Add<TvxSkinPanel>(*form, { 0, 0, 20, 20 });
    stray.SetAreaName("no such area");
    veneer = &form->Add<TvxVeneer>();
    veneer->SetSupportNCArea(false);
    veneer->SetSkinData(store);
    ShowAndPaint();
    LoadParts(DemoParts(
        [](std::string& ini) { ini += "\r\n[SKINAREAS]\r\ncount=1\r\n0=display:5,20,101,57\r\n"; }));
    EXPECT_EQ(veneer->AnchoredCount(), 1u);
    EXPECT_EQ(panel.Align(), alNone);
    // The area spans the corner points: it grows with the window (296 wider, 240 taller).
    EXPECT_EQ(panel.BoundsRect(), (TRect { 5, 20, 397, 297 }));
    EXPECT_EQ(stray.BoundsRect(), (TRect { 0, 0, 20, 20 }));
    form->SetBounds(0, 0, 500, 350);
    Pump();
    EXPECT_EQ(panel.BoundsRect(), (TRect { 5, 20, 497, 347 }));
    form->FreeComponent(&panel);
    EXPECT_EQ(veneer->AnchoredCount(), 0u);
    form->SetBounds(0, 0, 450, 320);
    Pump();
}

// With ShowIcon the system-menu button shows the form's icon at the small-icon size,
// its see-through pixels leaving the frame; without a form icon the program's, and
// without that the window system's default. The built-in frame shows it at x = 3.
TEST_F(VeneerTest, ShowIconPutsTheFormsIconInTheSystemMenuButton)
{
    MakeSkinnedForm({ 0, 0, 400, 300 });
    TBitmap pattern = test::Pattern(16, 16, 7);
    TBitmap icon(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            icon.Surface().SetPixel(x, y, x < 2 && y < 2 ? 0 : 0xFF000000 | pattern.Pixel(x / 2, y / 2));
    form->SetIcon(icon);
    veneer->SetShowIcon(true);
    ShowAndPaint();
    TRect r = Object("sysmenubutton")->ObjectRect();
    EXPECT_EQ(r, (TRect { 4, 3, 20, 19 })) << "16 x 16, centred on the caption";
    auto shows = [&](const TBitmap& image, TRect at, bool skip_corner) {
        for (int y = 0; y < at.Height(); ++y)
            for (int x = 0; x < at.Width(); ++x)
                if (!(skip_corner && x == 0 && y == 0)
                    && Pixel(at.left + x, at.top + y) != (image.Pixel(x, y) & 0xFFFFFF))
                    return false;
        return true;
    };
    EXPECT_TRUE(shows(pattern, r, true));
    TvxFrameEdges edges = TvxSkinFrameLook::ComposeEdges(*store, veneer->Geometry(), form->Active());
    EXPECT_EQ(Pixel(r.left, r.top), edges.top.Pixel(r.left, r.top) & 0xFFFFFF) << "the frame under the icon";

    form->SetIcon(TBitmap());
    TBitmap program = test::Pattern(16, 16, 9);
    Application().SetIcon(program);
    ShowAndPaint();
    EXPECT_TRUE(shows(program, r, false));
    Application().SetIcon(TBitmap());
    ShowAndPaint();
    EXPECT_EQ(Pixel(r.left + 8, r.top + 3), 0x2A5DB0u) << "the default icon's title bar";
    EXPECT_EQ(Pixel(r.left + 8, r.top + 12), 0xF4F4F4u) << "and its body";

    form->SetIcon(icon);
    LoadParts(DemoParts([](std::string& ini) { SetKey(ini, "FORMINFO", "clientrect", "0,0,0,0"); }));
    ShowAndPaint();
    EXPECT_EQ(Object("sysmenubutton")->ObjectRect(), (TRect { 3, 4, 19, 20 }));
    EXPECT_TRUE(shows(pattern, { 3, 4, 19, 20 }, true));
}

// Rolled up in client mode the frame is the roll-up picture, its ends kept and its
// middle repeated to the window's width; the size grip shows only in the normal frame
// state.
TEST_F(VeneerTest, RolledUpTheClientFrameIsTheRollUpPictureAcrossTheWidth)
{
    MakeSkinnedForm({ 0, 0, 400, 300 });
    test::PackageParts parts = DemoParts([](std::string& ini) {
        SetKey(ini, "FORMINFO", "rollupleftpoint", "10,0");
        SetKey(ini, "FORMINFO", "rolluprightpoint", "30,0");
    });
    parts.rollup = test::Pattern(40, 10, 5);
    LoadParts(parts);
    ASSERT_FALSE(store->RollUpPicture().Empty());

    TvxFrameScene scene;
    scene.data = store;
    scene.geometry = TvxFrameGeometry::Compute(*store, 300, 200);
    scene.rolled_up = true;
    TSurface window(300, 200, 0xFF123456);
    TDeviceContext dc(window);
    TvxClientFrameLook look;
    look.Paint(dc, scene);
    const TBitmap& rollup = store->RollUpPicture();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 300; ++x) {
            int from = x < 10 ? x : x >= 290 ? x - 260 : 10 + (x - 10) % 20;
            ASSERT_EQ(window.Pixel(x, y) & 0xFFFFFF, rollup.Pixel(from, y) & 0xFFFFFF) << x << "," << y;
        }
    EXPECT_EQ(window.Pixel(150, 100), 0xFF123456u) << "nothing below the rolled-up frame";

    scene.rolled_up = false;
    scene.normal_state = false;
    TRect grip = scene.geometry.SizeGripRect;
    ASSERT_FALSE(grip.IsEmpty());
    look.Paint(dc, scene);
    TBitmap composed = TvxClientFrameLook::Compose(*store, 300, 200);
    TPoint mid { grip.left + grip.Width() / 2, grip.top + grip.Height() / 2 };
    EXPECT_EQ(window.Pixel(mid.x, mid.y) & 0xFFFFFF, composed.Pixel(mid.x, mid.y) & 0xFFFFFF)
        << "no grip while maximised";
    scene.normal_state = true;
    look.Paint(dc, scene);
    EXPECT_NE(window.Pixel(mid.x, mid.y) & 0xFFFFFF, composed.Pixel(mid.x, mid.y) & 0xFFFFFF);
}

// The controller's own states: maximised into the work area (a pixel in from a bare
// screen's edges) and back; a secondary form minimised to the bottom-left of the work
// area at its caption's height, a second one beside it; rolled up to the caption and
// down again; the caption's double click; the events.
TEST_F(VeneerTest, TheControllerMaximisesMinimisesAndRollsUpItself)
{
    EXPECT_EQ(
        TvxFramePlacement::Maximized({ 0, 0, 1280, 800 }, { 0, 0, 1280, 800 }, { 0, 0, 1280, 800 }, false),
        (TRect { 1, 1, 1279, 799 }));
    EXPECT_EQ(
        TvxFramePlacement::Maximized({ 0, 0, 1280, 800 }, { 0, 30, 1280, 800 }, { 0, 0, 1280, 800 }, false),
        (TRect { 0, 30, 1280, 800 }));
    EXPECT_EQ(
        TvxFramePlacement::Maximized({ 0, 0, 1280, 800 }, { 0, 30, 1280, 800 }, { 0, 0, 1280, 800 }, true),
        (TRect { 0, 0, 1280, 800 }));
    EXPECT_EQ(TvxFramePlacement::MinimizedSlot({ 0, 0, 500, 300 }, { 170, 25 }, { { 0, 275 }, { 170, 275 } }),
        (TPoint { 0, 250 }))
        << "a row full at two: the next row up";
    EXPECT_EQ(TvxFramePlacement::MinimizedSlot({ 0, 0, 500, 30 }, { 170, 25 }, { { 0, 5 }, { 170, 5 } }),
        (TPoint { 0, 5 }))
        << "no room left: the first place";

    MakeForm({ 0, 0, 100, 100 }); // the main form
    form->Show();
    TForm& second = Application().CreateForm<TForm>();
    second.SetBounds(200, 100, 600, 400);
    auto& v = second.Add<TvxVeneer>();
    v.SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp);
    v.SetSkinData(store);
    LoadSkin();
    second.Show();
    Pump();
    std::vector<std::string> told;
    v.OnMaximize = [&](TComponent*) { told.push_back("maximize"); };
    v.OnMinimize = [&](TComponent*) { told.push_back("minimize"); };
    v.OnRestore = [&](TComponent*) { told.push_back("restore"); };
    v.OnChangeRollUpState = [&](TComponent*) { told.push_back("rollup"); };
    TRect work = wm.Backend().WorkArea();
    TRect screen = wm.Backend().ScreenRect();
    TRect expected = TvxFramePlacement::Maximized(screen, work, screen, false);

    v.SetFrameState(TvxFrameState::Maximized);
    EXPECT_EQ(second.BoundsRect(), expected);
    v.SetFrameState(TvxFrameState::Normal);
    EXPECT_EQ(second.BoundsRect(), (TRect { 200, 100, 800, 500 }));
    // The caption's double click maximises, and again restores.
    TPoint caption { 200 + 300, 100 + 10 };
    wm.Input().MouseMove(caption);
    wm.Input().Click(TMouseButton::Left, caption);
    wm.Input().Click(TMouseButton::Left, caption);
    Pump();
    EXPECT_EQ(v.FrameState(), TvxFrameState::Maximized);
    wm.SendMessage(
        second.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MakeLParam(expected.left + 300, expected.top + 10));
    EXPECT_EQ(v.FrameState(), TvxFrameState::Normal);

    v.SetFrameState(TvxFrameState::Minimized);
    TPoint least = v.MinimumSize();
    EXPECT_EQ(least, (TPoint { 170, 25 }));
    EXPECT_EQ(second.BoundsRect(), (TRect { work.left, work.bottom - 25, work.left + 170, work.bottom }));
    TForm& third = Application().CreateForm<TForm>();
    third.SetBounds(300, 150, 400, 300);
    auto& v3 = third.Add<TvxVeneer>();
    v3.SetSkinData(store);
    third.Show();
    Pump();
    v3.SetFrameState(TvxFrameState::Minimized);
    EXPECT_EQ(third.BoundsRect().left, work.left + 170) << "beside the first";
    EXPECT_EQ(third.BoundsRect().top, work.bottom - 25);
    v.SetFrameState(TvxFrameState::Normal);
    EXPECT_EQ(second.BoundsRect(), (TRect { 200, 100, 800, 500 }));

    v.RollUp(true);
    EXPECT_TRUE(v.RolledUp());
    EXPECT_EQ(second.Height(), 25);
    v.RollUp(false);
    EXPECT_EQ(second.Height(), 400);
    EXPECT_EQ(told,
        (std::vector<std::string> {
            "maximize", "restore", "maximize", "restore", "minimize", "restore", "rollup", "rollup" }));
    // Without the roll-up icon, nothing rolls.
    v.SetBorderIcons(biSystemMenu);
    v.RollUp(true);
    EXPECT_FALSE(v.RolledUp());
}

// The system menu: the controller's own for the form's state, or the user's with the
// frame's entries on top and Close at the end; a right click on the caption and
// Alt+Space open it through the popup engine, and its entries change the state.
TEST_F(VeneerTest, TheSystemMenuFollowsTheStateAndRunsItsEntries)
{
    MakeSkinnedForm({ 100, 100, 700, 500 });
    auto captions = [](TMenu& menu) {
        std::vector<std::string> out;
        for (int i = 0; i < menu.Items().Count(); ++i)
            out.push_back(menu.Items().Items(i)->Caption());
        return out;
    };
    TMenu& own = veneer->BuildSystemMenu();
    EXPECT_EQ(
        captions(own), (std::vector<std::string> { "Mi&nimize", "Ma&ximize", "Ro&llUp", "-", "&Close" }));
    EXPECT_EQ(ShortCutToText(own.Items().Items(4)->ShortCut()), "Alt+F4");

    // A right click on the caption; Maximize from the menu.
    TPoint caption = Screen(300, 10);
    wm.Input().MouseMove(caption);
    wm.Input().Click(TMouseButton::Right, caption);
    Pump();
    TvxSkinMenu& engine = veneer->SkinMenu();
    ASSERT_TRUE(engine.Visible());
    EXPECT_EQ(engine.Level(0).Left(), caption.x) << "at the cursor";
    wm.Input().KeyDown(VK_DOWN);
    wm.Input().KeyUp(VK_DOWN);
    wm.Input().KeyDown(VK_RETURN);
    wm.Input().KeyUp(VK_RETURN);
    Pump();
    EXPECT_EQ(veneer->FrameState(), TvxFrameState::Maximized);
    EXPECT_EQ(captions(veneer->BuildSystemMenu()),
        (std::vector<std::string> { "Mi&nimize", "&Restore", "Ro&llUp", "-", "&Close" }));

    // The user's menu keeps its own entries between the frame's, built anew each time.
    auto& user = form->Add<TPopupMenu>();
    user.Items().Add("About");
    veneer->SetSystemMenu(&user);
    veneer->BuildSystemMenu();
    EXPECT_EQ(captions(veneer->BuildSystemMenu()),
        (std::vector<std::string> { "Mi&nimize", "&Restore", "Ro&llUp", "About", "&Close" }));
    veneer->SetUseDefaultSysMenu(false);
    EXPECT_EQ(captions(veneer->BuildSystemMenu()), captions(user)) << "used as it stands";
    veneer->SetSystemMenu(nullptr);

    // Alt+Space opens it at the system-menu button; Restore brings the form back.
    form->SetFocus();
    wm.Input().KeyDown(VK_MENU);
    wm.Input().KeyDown(VK_SPACE);
    wm.Input().KeyUp(VK_SPACE);
    wm.Input().KeyUp(VK_MENU);
    Pump();
    ASSERT_TRUE(engine.Visible());
    TRect button = Object("sysmenubutton")->ObjectRect();
    EXPECT_EQ(engine.Level(0).Top(), form->Top() + button.bottom);
    wm.Input().KeyDown(VK_DOWN);
    wm.Input().KeyUp(VK_DOWN);
    wm.Input().KeyDown(VK_RETURN);
    wm.Input().KeyUp(VK_RETURN);
    Pump();
    EXPECT_EQ(veneer->FrameState(), TvxFrameState::Normal);
    EXPECT_EQ(form->BoundsRect(), (TRect { 100, 100, 700, 500 }));
}

// PositionInMonitor centres the form as it first shows (on the work area or the whole
// monitor); a status bar's size grip hides while the form is maximised.
TEST_F(VeneerTest, FirstShowCentresAndMaximisingHidesTheGrip)
{
    MakeForm({ 10, 20, 410, 320 });
    veneer = &form->Add<TvxVeneer>();
    veneer->SetPositionInMonitor(vxpDesktopCenter);
    veneer->SetSkinData(store);
    auto& bar = form->Add<TvxSkinStatusBar>();
    bar.SetParent(form);
    bar.SetSizeGrip(true);
    veneer->SetStatusBar(&bar);
    LoadSkin();
    ShowAndPaint();
    TRect work = wm.Backend().WorkArea();
    int left = work.left + work.Width() / 2 - 200, top = work.top + work.Height() / 2 - 150;
    EXPECT_EQ(form->BoundsRect(), (TRect { left, top, left + 400, top + 300 }));
    form->SetBounds(30, 40, 400, 300);
    wm.ShowWindow(Hwnd(), SW_HIDE);
    wm.ShowWindow(Hwnd(), SW_SHOW);
    EXPECT_EQ(form->Left(), 30) << "only the first show";

    EXPECT_TRUE(bar.GripInEffect());
    veneer->SetFrameState(TvxFrameState::Maximized);
    EXPECT_FALSE(bar.GripInEffect());
    veneer->SetFrameState(TvxFrameState::Normal);
    EXPECT_TRUE(bar.GripInEffect());
    form->FreeComponent(&bar);
    veneer->SetFrameState(TvxFrameState::Maximized);
    EXPECT_EQ(veneer->StatusBar(), nullptr);
}

// The objects look has a menu row under its caption: the controller's main menu
// shows there as entries from its "mainmenuitem" record, side by side from the
// row's left, and a press opens an entry's menu below it.
TEST_F(VeneerTest, TheObjectsLookShowsTheMainMenuInItsMenuRow)
{
    MakeObjectsForm();
    auto& menu = form->Add<TMainMenu>();
    menu.Items().Add("&Gauge").Add("Full");
    menu.Items().Add("&Window").Add("Close");
    veneer->SetMainMenu(&menu);
    Pump();
    std::vector<TvxActiveSkinObject*> entries;
    for (TvxActiveSkinObject* object : veneer->Objects().All())
        if (dynamic_cast<TvxMainMenuEntry*>(object))
            entries.push_back(object);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(veneer->Geometry().MainMenuRect, (TRect { 3, 22, 417, 42 }));
    EXPECT_EQ(entries[0]->ObjectRect().left, 3);
    EXPECT_EQ(entries[0]->ObjectRect().top, 22);
    EXPECT_EQ(entries[0]->ObjectRect().Height(), 20);
    EXPECT_EQ(entries[1]->ObjectRect().left, entries[0]->ObjectRect().right);
    const TRect r = entries[1]->ObjectRect();
    wm.Input().MouseMove(Screen(r.left + 5, r.top + 5));
    Run(60);
    wm.Input().Click(TMouseButton::Left, Screen(r.left + 5, r.top + 5));
    Run(30);
    ASSERT_TRUE(veneer->SkinMenu().Visible());
    EXPECT_EQ(veneer->SkinMenu().Root(), menu.Items().Items(1));
    EXPECT_EQ(veneer->SkinMenu().Level(0).Top(), Screen(0, 42).y) << "below the entry";
    // The menu's freeing takes its entries with it.
    veneer->SkinMenu().CloseMenus();
    form->FreeComponent(&menu);
    Pump();
    for (TvxActiveSkinObject* object : veneer->Objects().All())
        EXPECT_EQ(dynamic_cast<TvxMainMenuEntry*>(object), nullptr);
}
