#include "tessel/skin/controls/TvxSkinPanel.h"

#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tests/skin/controls/SkinFixture.h"

using namespace tessel;

namespace {

class SkinPanelTest : public test::SkinFixture {
protected:
    // The active picture a record paints from.
    const TBitmap& PictureOf(const std::string& name)
    {
        auto* record
            = dynamic_cast<TvxDataSkinCustomControl*>(store->ControlList(store->GetControlIndex(name)));
        return *store->ActivePicture(record->pictureindex);
    }
    const TvxDataSkinPanelControl& Record(const std::string& name)
    {
        return *dynamic_cast<TvxDataSkinPanelControl*>(store->ControlList(store->GetControlIndex(name)));
    }
    // True when the window shows the piece of picture at (x, y); the piece is drawn
    // transparent, so pixels of its bottom-left colour may show anything.
    bool ShowsPiece(int x, int y, const TBitmap& picture, const TRect& piece)
    {
        uint32_t clear = picture.Surface().Pixel(piece.left, piece.bottom - 1) & 0xFFFFFF;
        for (int j = 0; j < piece.Height(); ++j)
            for (int i = 0; i < piece.Width(); ++i) {
                uint32_t p = picture.Surface().Pixel(piece.left + i, piece.top + j) & 0xFFFFFF;
                if (p != clear && Pixel(x + i, y + j) != p)
                    return false;
            }
        return true;
    }
    // Finds the piece of picture anywhere in the window's rectangle r.
    bool FindsPiece(const TRect& r, const TBitmap& picture, const TRect& piece)
    {
        for (int y = r.top; y + piece.Height() <= r.bottom; ++y)
            for (int x = r.left; x + piece.Width() <= r.right; ++x)
                if (ShowsPiece(x, y, picture, piece))
                    return true;
        return false;
    }
};

} // namespace

TEST_F(SkinPanelTest, ChildrenLieInTheRecordsClientOrInsideTheDefaultBorder)
{
    TForm& form = MakeForm();
    auto& panel = Add<TvxSkinPanel>(form, { 0, 0, 300, 150 });
    auto& child = Add<TvxSkinPanel>(panel, { 0, 0, 10, 10 });
    child.SetAlign(alClient);
    auto& textured = Add<TvxSkinPanel>(form, { 300, 0, 500, 100 });
    textured.SetSkinDataName("texturepanel");
    auto& on_texture = Add<TvxSkinPanel>(textured, { 0, 0, 10, 10 });
    on_texture.SetAlign(alClient);
    auto& unknown = Add<TvxSkinPanel>(form, { 0, 200, 200, 300 });
    unknown.SetSkinDataName("no such record");
    auto& on_unknown = Add<TvxSkinPanel>(unknown, { 0, 0, 10, 10 });
    on_unknown.SetAlign(alClient);
    ShowAndPaint();
    EXPECT_EQ(child.BoundsRect(), (TRect { 1, 1, 299, 149 })) << "no store: inside the one-pixel border";

    LoadSkin();
    for (TvxSkinPanel* p : { &panel, &textured, &unknown })
        p->SetSkinData(store);
    // The demo panel's client leaves two pixels on each side of its 59 x 52 look.
    EXPECT_EQ(child.BoundsRect(), (TRect { 2, 2, 298, 148 }));
    panel.SetBounds(0, 0, 400, 180);
    EXPECT_EQ(child.BoundsRect(), (TRect { 2, 2, 398, 178 }));
    // A record with a background picture gives its children the whole panel.
    EXPECT_EQ(on_texture.BoundsRect(), (TRect { 0, 0, 200, 100 }));

    // A name the skin does not have keeps the default layout.
    EXPECT_EQ(unknown.RecordIndex(), -1);
    EXPECT_EQ(on_unknown.BoundsRect(), (TRect { 1, 1, 199, 99 }));
    unknown.SetCaptionMode(true);
    EXPECT_EQ(on_unknown.BoundsRect(), (TRect { 1, 23, 199, 99 }));
    unknown.SetDefaultCaptionHeight(30);
    EXPECT_EQ(on_unknown.BoundsRect(), (TRect { 1, 31, 199, 99 }));
    unknown.SetBorderStyle(bvNone);
    EXPECT_EQ(on_unknown.BoundsRect(), (TRect { 0, 30, 200, 100 }));
}

TEST_F(SkinPanelTest, RollingUpFoldsToTheCaptionAndBackWithTheChildren)
{
    TForm& form = MakeForm();
    auto& panel = Add<TvxSkinPanel>(form, { 0, 0, 300, 150 });
    panel.SetSkinDataName("no such record");
    auto& child = Add<TvxSkinPanel>(panel, { 10, 30, 60, 80 });
    int changes = 0;
    panel.OnChangeRollUpState = [&](TComponent*) { ++changes; };

    // Out of roll-up mode the state cannot be set.
    panel.SetRollUpState(true);
    EXPECT_FALSE(panel.RollUpState());
    EXPECT_EQ(panel.Height(), 150);
    EXPECT_EQ(changes, 0);

    panel.SetCaptionMode(true);
    panel.SetRollUpMode(true);
    panel.SetRollUpState(true);
    EXPECT_TRUE(panel.RollUpState());
    EXPECT_EQ(panel.Height(), panel.DefaultCaptionHeight() + 1);
    EXPECT_EQ(panel.RealHeight(), 150);
    EXPECT_FALSE(child.Visible());
    EXPECT_EQ(changes, 1);
    panel.SetRollUpState(true);
    EXPECT_EQ(changes, 1) << "no change, no event";

    panel.SetRollUpState(false);
    EXPECT_EQ(panel.Height(), 150);
    EXPECT_EQ(panel.RealHeight(), -1);
    EXPECT_TRUE(child.Visible());
    EXPECT_EQ(child.BoundsRect(), (TRect { 10, 30, 60, 80 }));

    // Skinned, the panel folds to what its record leaves outside the client.
    LoadSkin();
    panel.SetSkinData(store);
    panel.SetSkinDataName("groupbox");
    panel.SetRollUpState(true);
    EXPECT_EQ(panel.Height(), 19) << "the 17-pixel top edge and the 2-pixel bottom edge";
    // A skin change while rolled up keeps the height to return to.
    store->SetCompressedStoredSkin(nullptr);
    store->SetCompressedStoredSkin(stored);
    EXPECT_EQ(panel.RealHeight(), 150);
    panel.SetRollUpState(false);
    EXPECT_EQ(panel.Height(), 150);
}

TEST_F(SkinPanelTest, ACaptionClickTogglesOnlyInsideTheCaption)
{
    TForm& form = MakeForm();
    auto& panel = Add<TvxSkinPanel>(form, { 20, 20, 320, 170 });
    panel.SetSkinDataName("no such record");
    panel.SetCaption("Options");
    panel.SetCaptionMode(true);
    panel.SetCheckedMode(true);
    panel.SetChecked(true);
    auto& first = Add<TvxSkinPanel>(panel, { 10, 30, 60, 80 });
    auto& second = Add<TvxSkinPanel>(panel, { 70, 30, 120, 80 });
    int checked_events = 0;
    panel.OnChecked = [&](TComponent*) { ++checked_events; };
    ShowAndPaint();

    wm.Input().Click(TMouseButton::Left, panel.ClientToScreen({ 100, 60 }));
    Pump();
    EXPECT_TRUE(panel.Checked()) << "a click below the caption bar";

    wm.Input().Click(TMouseButton::Left, panel.ClientToScreen({ 100, 10 }));
    Pump();
    EXPECT_FALSE(panel.Checked());
    EXPECT_EQ(checked_events, 1);
    EXPECT_FALSE(first.Enabled());
    EXPECT_FALSE(second.Enabled());

    panel.SetChecked(true);
    EXPECT_TRUE(first.Enabled());
    EXPECT_TRUE(second.Enabled());

    // Without automatic enabling the children keep their state.
    panel.SetAutoEnabledControls(false);
    panel.SetChecked(false);
    EXPECT_TRUE(first.Enabled());
}

TEST_F(SkinPanelTest, TheGroupBoxCaptionShowsTheSkinsCheckImages)
{
    TForm& form = MakeForm();
    LoadSkin();
    auto& panel = Add<TvxSkinPanel>(form, { 10, 10, 250, 130 });
    panel.SetSkinData(store);
    panel.SetSkinDataName("groupbox");
    panel.SetCaption("Sound");
    panel.SetCaptionMode(true);
    panel.SetCheckedMode(true);
    ShowAndPaint();
    const TvxDataSkinPanelControl& record = Record("groupbox");
    const TBitmap& atlas = PictureOf("groupbox");
    TRect caption { 10, 10, 250, 40 };
    EXPECT_TRUE(FindsPiece(caption, atlas, record.uncheckimagerect));
    EXPECT_FALSE(FindsPiece(caption, atlas, record.checkimagerect));

    panel.SetChecked(true);
    Pump();
    EXPECT_TRUE(FindsPiece(caption, atlas, record.checkimagerect));
    // The hit rectangle is the record's caption rectangle widened with the box
    // (240 wide against the look's 59).
    EXPECT_EQ(panel.CaptionHitRect(), (TRect { 4, 1, 54 + 181, 16 }));
    wm.Input().Click(TMouseButton::Left, panel.ClientToScreen({ 200, 60 }));
    Pump();
    EXPECT_TRUE(panel.Checked());
    wm.Input().Click(TMouseButton::Left, panel.ClientToScreen({ 200, 8 }));
    Pump();
    EXPECT_FALSE(panel.Checked());
}

TEST_F(SkinPanelTest, TransparentPanelsShowTheirParentWithinALine)
{
    TForm& form = MakeForm();
    form.SetColor(0x0000FF);
    LoadSkin();
    auto& panel = Add<TvxSkinPanel>(form, { 40, 40, 240, 140 });
    panel.SetSkinData(store);
    panel.SetTransparentMode(true);
    ShowAndPaint();
    EXPECT_EQ(Pixel(140, 90), 0xFF0000u) << "the form's red (0x0000FF is BGR)";
    // The line takes the colour of the look's bottom middle pixel.
    const TvxDataSkinPanelControl& record = Record("panel");
    const TBitmap& atlas = PictureOf("panel");
    uint32_t line = atlas.Surface().Pixel(
                        record.skinrect.left + record.skinrect.Width() / 2, record.skinrect.bottom - 1)
        & 0xFFFFFF;
    EXPECT_EQ(Pixel(40, 90), line);
    EXPECT_EQ(Pixel(239, 90), line);
    EXPECT_EQ(Pixel(140, 40), line);
    EXPECT_EQ(Pixel(140, 139), line);
    // Transparent children of a transparent panel show the form too.
    auto& inner = Add<TvxSkinPanel>(panel, { 20, 20, 80, 60 });
    inner.SetSkinData(store);
    inner.SetTransparentMode(true);
    inner.SetBorderStyle(bvNone);
    Pump();
    EXPECT_EQ(Pixel(40 + 50, 40 + 40), 0xFF0000u);
}

TEST_F(SkinPanelTest, ABackgroundPictureRepeatsFromThePanelsCorner)
{
    TForm& form = MakeForm();
    LoadSkin();
    auto& panel = Add<TvxSkinPanel>(form, { 30, 20, 230, 120 });
    panel.SetSkinData(store);
    panel.SetSkinDataName("texturepanel");
    ShowAndPaint();
    const TBitmap& texture = *store->ActivePicture(Record("texturepanel").bgpictureindex);
    int side = texture.Width();
    bool same = true;
    for (int y = 0; y < 100 && same; ++y)
        for (int x = 0; x < 200 && same; ++x)
            same = Pixel(30 + x, 20 + y) == (texture.Surface().Pixel(x % side, y % side) & 0xFFFFFF);
    EXPECT_TRUE(same);
}

TEST_F(SkinPanelTest, WithoutASkinTheBorderStyleDrawsTheEdge)
{
    TForm& form = MakeForm();
    auto& panel = Add<TvxSkinPanel>(form, { 10, 10, 110, 70 });
    ShowAndPaint();
    uint32_t shadow = Rgb(clBtnShadow), light = Rgb(clBtnHighlight), face = Rgb(clBtnFace);
    EXPECT_EQ(Pixel(10, 30), shadow);
    EXPECT_EQ(Pixel(109, 30), shadow);
    EXPECT_EQ(Pixel(50, 40), face);
    panel.SetBorderStyle(bvRaised);
    Pump();
    EXPECT_EQ(Pixel(10, 30), light);
    EXPECT_EQ(Pixel(109, 30), shadow);
    panel.SetBorderStyle(bvLowered);
    Pump();
    EXPECT_EQ(Pixel(10, 30), shadow);
    EXPECT_EQ(Pixel(109, 30), light);
    panel.SetBorderStyle(bvNone);
    Pump();
    EXPECT_EQ(Pixel(10, 30), face);
}
