#include "tessel/skin/controls/TvxSkinStatusBar.h"

#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tests/skin/controls/SkinFixture.h"

using namespace tessel;

namespace {

class SkinStatusBarTest : public test::SkinFixture {
protected:
    LRESULT HitTest(TvxSkinStatusBar& bar, TPoint client)
    {
        TPoint p = bar.ClientToScreen(client);
        return wm.SendMessage(bar.Handle(), WM_NCHITTEST, 0, MakeLParam(p.x, p.y));
    }
};

} // namespace

TEST_F(SkinStatusBarTest, TheGripTakesItsSquareFromTheChildrenAndAnswersAsTheCorner)
{
    TForm& form = MakeForm({ 0, 0, 400, 300 });
    auto& bar = Add<TvxSkinStatusBar>(form, { 0, 0, 400, 21 });
    auto& child = Add<TvxSkinPanel>(bar, { 0, 0, 10, 10 });
    child.SetAlign(alClient);
    ShowAndPaint();
    EXPECT_EQ(bar.BoundsRect(), (TRect { 0, 279, 400, 300 })) << "at the bottom, 21 high";
    EXPECT_FALSE(bar.SizeGrip());
    EXPECT_EQ(child.BoundsRect(), (TRect { 0, 0, 400, 21 }));
    EXPECT_EQ(HitTest(bar, { 395, 15 }), HTCLIENT);

    bar.SetSizeGrip(true);
    Pump();
    // Without a skin the grip is a square as high as the bar.
    EXPECT_EQ(child.BoundsRect(), (TRect { 0, 0, 379, 21 }));
    EXPECT_EQ(bar.GripRect(), (TRect { 381, 0, 400, 19 }));
    EXPECT_EQ(HitTest(bar, { 395, 15 }), HTBOTTOMRIGHT);
    EXPECT_EQ(HitTest(bar, { 200, 15 }), HTCLIENT);
    // Its diagonal lines: the first dark one from (384, 19) up to the right edge.
    EXPECT_EQ(Pixel(385, 279 + 18), Rgb(clBtnShadow));
    EXPECT_EQ(Pixel(386, 279 + 18), Rgb(clBtnHighlight));

    // A maximised form hides the grip.
    bar.ShowGrip(false);
    Pump();
    EXPECT_EQ(child.BoundsRect(), (TRect { 0, 0, 400, 21 }));
    EXPECT_EQ(HitTest(bar, { 395, 15 }), HTCLIENT);
    EXPECT_EQ(Pixel(385, 279 + 18), Rgb(clBtnFace));
    bar.ShowGrip(true);

    // Skinned, the grip is the record's gripper image in the bottom-right corner.
    LoadSkin();
    bar.SetSkinData(store);
    Pump();
    auto* record = dynamic_cast<TvxDataSkinPanelControl*>(store->ControlList(bar.RecordIndex()));
    ASSERT_NE(record, nullptr);
    const TRect& piece = record->gripperrect;
    ASSERT_FALSE(piece.IsEmpty());
    EXPECT_EQ(bar.Height(), record->skinrect.Height()) << "a strip keeps its look's height";
    TRect grip = bar.GripRect();
    EXPECT_EQ(grip.Width(), piece.Width());
    EXPECT_EQ(grip.Height(), piece.Height());
    const TBitmap& atlas = *store->ActivePicture(record->pictureindex);
    int top = bar.Top();
    bool same = true;
    for (int y = 0; y < piece.Height(); ++y)
        for (int x = 0; x < piece.Width(); ++x)
            same = same
                && Pixel(grip.left + x, top + grip.top + y)
                    == (atlas.Surface().Pixel(piece.left + x, piece.top + y) & 0xFFFFFF);
    EXPECT_TRUE(same);
    // The record's client is (2, 3) to 2 pixels from the right edge; the grip comes
    // off its right and sits on its bottom.
    EXPECT_EQ(child.BoundsRect(), (TRect { 2, 3, 400 - 2 - piece.Width(), 22 }));
    EXPECT_EQ(grip, (TRect { 398 - piece.Width(), 22 - piece.Height(), 398, 22 }));
}

TEST_F(SkinStatusBarTest, AStoreGoesToDirectChildrenOnly)
{
    TForm& form = MakeForm();
    LoadSkin();
    auto& bar = Add<TvxSkinStatusBar>(form, { 0, 0, 600, 21 });
    auto& direct = Add<TvxSkinPanel>(bar, { 0, 0, 100, 20 });
    auto& deeper = Add<TvxSkinPanel>(direct, { 0, 0, 50, 10 });
    bar.SetSkinData(store);
    EXPECT_EQ(direct.SkinData(), store);
    EXPECT_EQ(deeper.SkinData(), nullptr);
}

TEST_F(SkinStatusBarTest, DraggingTheGripSizesTheForm)
{
    TForm& form = MakeForm({ 100, 100, 500, 400 });
    LoadSkin();
    auto& bar = Add<TvxSkinStatusBar>(form, { 0, 0, 400, 21 });
    bar.SetSkinData(store);
    bar.SetSizeGrip(true);
    ShowAndPaint();
    TRect grip = bar.GripRect();
    TPoint start = bar.ClientToScreen({ grip.left + grip.Width() / 2, grip.top + grip.Height() / 2 });
    TRect before = wm.GetWindowRect(form.Handle());
    TRect bar_before = bar.BoundsRect();
    wm.Input().MouseMove(start);
    wm.Input().MouseDown(TMouseButton::Left, start);
    Pump();
    wm.Input().MouseMove({ start.x + 60, start.y + 40 });
    Pump();
    wm.Input().MouseUp(TMouseButton::Left, { start.x + 60, start.y + 40 });
    Pump();
    TRect after = wm.GetWindowRect(form.Handle());
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.Width(), before.Width() + 60);
    EXPECT_EQ(after.Height(), before.Height() + 40);
    // The bar follows the form's bottom edge at its own height.
    EXPECT_EQ(bar.Height(), bar_before.Height());
    EXPECT_EQ(bar.Top(), bar_before.top + 40);
}
