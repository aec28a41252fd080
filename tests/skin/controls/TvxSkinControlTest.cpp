// The skin control base: binding, sizes by composition mode, default and skinned
// looks, alpha over the parent, the store going away, centring on a tool bar and the
// skin notices.
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TSysColors.h"
#include "tessel/skin/controls/TvxSkinCustomControl.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/controls/TvxSkinStatusBar.h"
#include "tessel/skin/controls/TvxSkinToolBar.h"
#include "tests/skin/controls/SkinFixture.h"

using namespace tessel;

namespace {

using SkinControlTest = test::SkinFixture;

} // namespace

TEST_F(SkinControlTest, WithoutARecordTheDefaultLookOrNothing)
{
    TForm& form = MakeForm();
    form.SetColor(clRed);
    LoadSkin();
    auto& on = Add<TvxSkinCustomControl>(form, { 10, 10, 60, 40 });
    auto& off = Add<TvxSkinCustomControl>(form, { 100, 10, 150, 40 });
    for (auto* c : { &on, &off }) {
        c->SetSkinDataName("no such record");
        c->SetSkinData(store);
        EXPECT_EQ(c->RecordIndex(), -1);
    }
    off.SetDrawDefault(false);
    ShowAndPaint();
    EXPECT_EQ(Pixel(30, 20), Rgb(clBtnFace));
    // Nothing is drawn: neither the default look nor the form's colour, which skinned
    // windows never let through.
    EXPECT_NE(Pixel(120, 20), Rgb(clBtnFace));
    EXPECT_NE(Pixel(120, 20), Rgb(clRed));
    EXPECT_EQ(Pixel(5, 5), Rgb(clRed));
}

TEST_F(SkinControlTest, StripsAndFixedLooksKeepTheirSizes)
{
    TForm& form = MakeForm();
    LoadSkin();
    auto& hstrip = Add<TvxSkinCustomControl>(form, { 0, 0, 200, 50 });
    auto& vstrip = Add<TvxSkinCustomControl>(form, { 0, 60, 50, 260 });
    auto& fixed = Add<TvxSkinCustomControl>(form, { 300, 0, 400, 100 });
    auto& full = Add<TvxSkinCustomControl>(form, { 300, 200, 400, 300 });
    hstrip.SetSkinDataName("toolpanel");
    vstrip.SetSkinDataName("vgauge");
    fixed.SetSkinDataName("hupdown");
    full.SetSkinDataName("panel");
    for (auto* c : { &hstrip, &vstrip, &fixed, &full })
        c->SetSkinData(store);
    EXPECT_EQ(hstrip.BoundsRect(), (TRect { 0, 0, 200, 29 }));
    EXPECT_EQ(vstrip.BoundsRect(), (TRect { 0, 60, 18, 260 }));
    EXPECT_EQ(fixed.BoundsRect(), (TRect { 300, 0, 330, 16 }));
    EXPECT_EQ(full.BoundsRect(), (TRect { 300, 200, 400, 300 }));
    // Whatever is asked for later.
    hstrip.SetBounds(0, 0, 150, 80);
    fixed.SetBounds(300, 0, 10, 10);
    EXPECT_EQ(hstrip.Height(), 29);
    EXPECT_EQ(hstrip.Width(), 150);
    EXPECT_EQ(fixed.BoundsRect(), (TRect { 300, 0, 330, 16 }));

    // The pixels are the drawing kit's composition at the control's size.
    ShowAndPaint();
    EXPECT_TRUE(SamePixels(Shot(hstrip.BoundsRect()), Composed("toolpanel", 150, 29)));
    EXPECT_TRUE(SamePixels(Shot(vstrip.BoundsRect()), Composed("vgauge", 18, 200)));
    EXPECT_TRUE(SamePixels(Shot(fixed.BoundsRect()), Composed("hupdown", 30, 16)));
}

TEST_F(SkinControlTest, ANewNameShowsFromTheNextPaint)
{
    TForm& form = MakeForm();
    LoadSkin();
    auto& c = Add<TvxSkinCustomControl>(form, { 10, 10, 110, 60 });
    c.SetSkinDataName("panel");
    c.SetSkinData(store);
    ShowAndPaint();
    TBitmap before = Shot(c.BoundsRect());
    EXPECT_TRUE(SamePixels(before, Composed("panel", 100, 50)));
    c.SetSkinDataName("groupbox");
    Pump();
    EXPECT_TRUE(SamePixels(Shot(c.BoundsRect()), before)) << "setting the name alone repaints nothing";
    c.Invalidate();
    Pump();
    EXPECT_TRUE(SamePixels(Shot(c.BoundsRect()), Composed("groupbox", 100, 50)));
}

TEST_F(SkinControlTest, AlphaBlendMixesWithWhatLiesBeneath)
{
    TForm& form = MakeForm();
    form.SetColor(0x0000C0); // the parent's image: dark red
    LoadSkin();
    auto& c = Add<TvxSkinCustomControl>(form, { 20, 20, 120, 70 });
    c.SetSkinDataName("no such record");
    c.SetSkinData(store);
    c.SetAlphaBlend(true);
    c.SetAlphaBlendValue(255);
    ShowAndPaint();
    EXPECT_EQ(Pixel(50, 40), Rgb(clBtnFace)) << "255: the control alone";
    c.SetAlphaBlendValue(0);
    Pump();
    EXPECT_EQ(Pixel(50, 40), Rgb(0x0000C0)) << "0: the parent's image alone";
    c.SetAlphaBlendValue(128);
    Pump();
    // The parent is pure red (0xC0): each channel is 128/255 of the face and
    // 127/255 of the parent's.
    uint32_t face = Rgb(clBtnFace), mixed = Pixel(50, 40);
    int red = static_cast<int>(mixed >> 16), blue = static_cast<int>(mixed & 0xFF);
    EXPECT_NEAR(red, ((face >> 16) * 128 + 0xC0 * 127) / 255.0, 1);
    EXPECT_NEAR(blue, ((face & 0xFF) * 128) / 255.0, 1);
}

TEST_F(SkinControlTest, AStoreThatGoesLeavesTheDefaultLook)
{
    TForm& form = MakeForm();
    LoadSkin();
    auto& c = Add<TvxSkinCustomControl>(form, { 10, 10, 110, 60 });
    c.SetSkinDataName("panel");
    c.SetSkinData(store);
    ShowAndPaint();
    ASSERT_NE(c.RecordIndex(), -1);
    form.FreeComponent(store);
    store = nullptr;
    EXPECT_EQ(c.SkinData(), nullptr);
    c.Invalidate();
    Pump();
    EXPECT_EQ(c.RecordIndex(), -1);
    EXPECT_EQ(Pixel(60, 30), Rgb(clBtnFace));
}

TEST_F(SkinControlTest, OnAToolBarControlsStandCentredWhateverTheyAskFor)
{
    TForm& form = MakeForm();
    LoadSkin();
    auto& bar = Add<TvxSkinToolBar>(form, { 0, 0, 600, 25 });
    bar.SetAlign(alTop);
    bar.SetSkinData(store);
    auto& c = Add<TvxSkinCustomControl>(bar, { 10, 0, 40, 17 });
    c.SetSkinDataName("no such record");
    EXPECT_EQ(bar.Height(), 29);
    // The inner area is (2, 2, 598, 27): 2 + 25 / 2 - 17 / 2 = 6.
    EXPECT_EQ(c.Top(), 6);
    c.SetBounds(10, 20, 40, 9);
    EXPECT_EQ(c.Top(), 2 + 12 - 4);
    bar.SetAdjustControls(false);
    c.SetBounds(10, 20, 40, 9);
    EXPECT_EQ(c.Top(), 20);
}

TEST_F(SkinControlTest, ASkinChangeForgetsRecordsAndTakesTheNewOnes)
{
    TForm& form = MakeForm();
    LoadSkin();
    auto& bar = Add<TvxSkinToolBar>(form, { 0, 0, 600, 25 });
    bar.SetAlign(alTop);
    bar.SetSkinData(store);
    auto& panel = Add<TvxSkinPanel>(form, { 0, 100, 300, 250 });
    panel.SetSkinData(store);
    ShowAndPaint();
    EXPECT_EQ(bar.Height(), 29);
    int old_bar = bar.RecordIndex();

    // A second skin: its tool panel is 40 high and its records lie in another order,
    // so an index kept from the first skin would name the wrong record.
    test::PackageParts parts;
    parts.version = 2;
    parts.picture = test::Pattern(10, 10, 1);
    parts.active = { test::Pattern(64, 64, 7) };
    parts.ini = test::MinimalIni("[SKINCONTROLS]\r\ncount=2\r\n0=toolpanel:panel\r\n1=panel:panel\r\n")
        + "[toolpanel]\r\npictureindex=0\r\nskinrect=0,0,20,40\r\nlefttoppoint=2,2\r\nrighttoppoint=18,2\r\n"
          "clientrect=2,2,18,38\r\n[panel]\r\npictureindex=0\r\nskinrect=20,0,60,40\r\nlefttoppoint=3,3\r\n"
          "righttoppoint=37,3\r\nleftbottompoint=3,37\r\nrightbottompoint=37,37\r\nclientrect=4,4,36,36\r\n"
          "leftstretch=1\r\ntopstretch=1\r\nrightstretch=1\r\nbottomstretch=1\r\n";
    auto& second = form.Add<TvxCompressedStoredSkin>();
    test::StoreSkin(second, parts);
    store->SetCompressedStoredSkin(&second);
    Pump();
    EXPECT_EQ(bar.RecordIndex(), 0);
    EXPECT_NE(bar.RecordIndex(), old_bar);
    EXPECT_EQ(bar.Height(), 40) << "sized by the new skin";
    EXPECT_EQ(panel.RecordIndex(), 1);
    // Painted border-only: with stretched edges the same pixels as the whole
    // composition (a tiled client repeats from the client's corner either way).
    EXPECT_TRUE(SamePixels(Shot(panel.BoundsRect()), Composed("panel", 300, 150)));
    EXPECT_TRUE(SamePixels(Shot(bar.BoundsRect()), Composed("toolpanel", 600, 40)));
}

TEST_F(SkinControlTest, TheDemoPanelPaintedBorderOnlyEqualsItsComposition)
{
    // The player's web panels are this size; the demo panel's edges stretch, so
    // painting the border over a plain client gives the composition's pixels.
    TForm& form = MakeForm({ 0, 0, 1000, 300 });
    LoadSkin();
    auto& panel = Add<TvxSkinPanel>(form, { 0, 0, 956, 150 });
    panel.SetSkinData(store);
    ShowAndPaint();
    EXPECT_TRUE(SamePixels(Shot(panel.BoundsRect()), Composed("panel", 956, 150)));
}

TEST_F(SkinControlTest, DamagedRecordsDrawWithoutFaultAtAnySize)
{
    // Records that name a picture the skin lacks, rectangles outside or inverted,
    // corners past the look and a record of another family under a panel's name.
    test::PackageParts parts;
    parts.picture = test::Pattern(10, 10, 1);
    parts.active = { test::Pattern(40, 30, 3) };
    parts.ini = test::MinimalIni("[SKINCONTROLS]\r\ncount=4\r\n0=panel:panel\r\n1=toolpanel:panel\r\n"
                                 "2=statusbar:panel\r\n3=groupbox:label\r\n")
        + "[panel]\r\npictureindex=5\r\nmaskpictureindex=7\r\nskinrect=0,0,20,20\r\nclientrect=2,2,18,18\r\n"
          "bgpictureindex=9\r\n"
          "[toolpanel]\r\npictureindex=0\r\nskinrect=1000,1000,1040,1029\r\nlefttoppoint=2,2\r\n"
          "righttoppoint=38,2\r\nclientrect=2,2,38,27\r\n"
          "[statusbar]\r\npictureindex=0\r\nskinrect=30,25,-10,-5\r\nlefttoppoint=90,90\r\n"
          "rightbottompoint=-4,-4\r\nclientrect=50,50,-3,-3\r\ngripperrect=35,25,80,90\r\n"
          "[groupbox]\r\nfontheight=-20\r\n";
    TForm& form = MakeForm();
    test::StoreSkin(*stored, parts);
    LoadSkin();
    ASSERT_FALSE(store->Empty());
    auto& panel = Add<TvxSkinPanel>(form, { 0, 30, 300, 130 });
    auto& group = Add<TvxSkinPanel>(form, { 0, 140, 300, 240 });
    group.SetSkinDataName("groupbox");
    group.SetCaptionMode(true);
    group.SetCheckedMode(true);
    group.SetCaption("Group");
    auto& bar = Add<TvxSkinToolBar>(form, { 0, 0, 600, 25 });
    bar.SetAlign(alTop);
    bar.SetCanScroll(true);
    Add<TvxSkinCustomControl>(bar, { 0, 0, 900, 20 }).SetSkinDataName("toolpanel");
    auto& status = Add<TvxSkinStatusBar>(form, { 0, 0, 600, 21 });
    status.SetSizeGrip(true);
    for (TvxSkinPanel* p : std::initializer_list<TvxSkinPanel*> { &panel, &group, &bar, &status })
        p->SetSkinData(store);
    ShowAndPaint();
    EXPECT_NE(panel.RecordIndex(), -1);
    EXPECT_FALSE(panel.HasWindowShape()) << "no mask picture, no shape";
    EXPECT_NE(group.RecordIndex(), -1);
    for (auto [w, h] : { std::pair { 0, 0 }, { 1, 1 }, { -5, -5 }, { 3000, 2 } }) {
        panel.SetBounds(0, 30, w, h);
        group.SetBounds(0, 140, w, h);
        status.SetBounds(0, 0, w, h);
        Pump();
    }
    form.SetBounds(0, 0, 20, 20);
    Pump();
    form.SetBounds(0, 0, 800, 600);
    Pump();
    EXPECT_GE(panel.Width(), 0);
    EXPECT_GE(status.Height(), 0);
}
