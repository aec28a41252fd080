#include "HeadlessApplication.h"
#include "tessel/framework/TCustomControl.h"
#include "tessel/framework/TGraphicControl.h"

namespace tessel::test {

namespace {

class AlignTest : public HeadlessApplication { };

TControl& Panel(TForm& form, TAlign align, TRect bounds)
{
    auto& panel = form.Add<TCustomControl>();
    panel.SetBoundsRect(bounds);
    panel.SetParent(&form);
    panel.SetAlign(align);
    return panel;
}

} // namespace

// The main window's layout: a tool bar and a panel on top, a panel at the bottom,
// the movie panel taking what is left, through growing and shrinking the form.
TEST_F(AlignTest, TopBottomAndClientPanelsFollowTheFormThroughResizing)
{
    TForm& form = NewForm({ 0, 0, 956, 782 });
    TControl& tool_bar = Panel(form, alTop, { 0, 0, 956, 25 });
    TControl& bottom = Panel(form, alBottom, { 0, 632, 956, 782 });
    TControl& top = Panel(form, alTop, { 0, 25, 956, 81 });
    TControl& middle = Panel(form, alClient, { 0, 81, 956, 632 });
    form.Show();

    EXPECT_EQ(tool_bar.BoundsRect(), (TRect { 0, 0, 956, 25 }));
    EXPECT_EQ(top.BoundsRect(), (TRect { 0, 25, 956, 81 }));
    EXPECT_EQ(bottom.BoundsRect(), (TRect { 0, 632, 956, 782 }));
    EXPECT_EQ(middle.BoundsRect(), (TRect { 0, 81, 956, 632 }));

    for (TRect size : { TRect { 0, 0, 1200, 900 }, TRect { 0, 0, 400, 300 }, TRect { 0, 0, 300, 200 } }) {
        form.SetBoundsRect(size);
        int w = form.ClientWidth(), h = form.ClientHeight();
        EXPECT_EQ(tool_bar.BoundsRect(), (TRect { 0, 0, w, 25 }));
        EXPECT_EQ(top.BoundsRect(), (TRect { 0, 25, w, 81 }));
        EXPECT_EQ(bottom.BoundsRect(), (TRect { 0, h - 150, w, h }));
        EXPECT_EQ(middle.BoundsRect(), (TRect { 0, 81, w, std::max(81, h - 150) }));
        // The windows follow the controls.
        EXPECT_EQ(wm.GetClientRect(static_cast<TWinControl&>(middle).Handle()).Width(), w);
    }

    // A taller top panel takes height from the middle one only.
    form.SetBoundsRect({ 0, 0, 956, 782 });
    top.SetHeight(100);
    EXPECT_EQ(top.BoundsRect(), (TRect { 0, 25, 956, 125 }));
    EXPECT_EQ(middle.BoundsRect(), (TRect { 0, 125, 956, 632 }));
    // Hiding the tool bar moves the top panel up.
    tool_bar.Hide();
    EXPECT_EQ(top.BoundsRect(), (TRect { 0, 0, 956, 100 }));
    EXPECT_EQ(middle.BoundsRect(), (TRect { 0, 100, 956, 632 }));
}

TEST_F(AlignTest, OrderAmongEqualsAndLeftRightAndAdjustedClientRect)
{
    class Framed : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        void AdjustClientRect(TRect& r) const override
        {
            r = { r.left + 2, r.top + 3, r.right - 2, r.bottom - 3 };
        }
    };
    TForm& form = NewForm({ 0, 0, 300, 200 });
    auto& frame = form.Add<Framed>();
    frame.SetParent(&form);
    frame.SetAlign(alClient);
    auto& left = form.Add<TCustomControl>();
    left.SetBoundsRect({ 0, 0, 40, 10 });
    left.SetParent(&frame);
    left.SetAlign(alLeft);
    auto& right = form.Add<TCustomControl>();
    right.SetBoundsRect({ 0, 0, 30, 10 });
    right.SetParent(&frame);
    right.SetAlign(alRight);
    auto& a = form.Add<TCustomControl>();
    a.SetBoundsRect({ 0, 50, 10, 60 });
    a.SetParent(&frame);
    auto& b = form.Add<TCustomControl>();
    b.SetBoundsRect({ 0, 20, 10, 40 });
    b.SetParent(&frame);
    // b lies above a, so b goes first when both become top-aligned.
    b.SetAlign(alTop);
    a.SetAlign(alTop);
    form.Show();
    EXPECT_EQ(b.BoundsRect(), (TRect { 2, 3, 298, 23 }));
    EXPECT_EQ(a.BoundsRect(), (TRect { 2, 23, 298, 33 }));
    EXPECT_EQ(left.BoundsRect(), (TRect { 2, 33, 42, 197 }));
    EXPECT_EQ(right.BoundsRect(), (TRect { 268, 33, 298, 197 }));
}

TEST_F(AlignTest, AnchorsKeepTheirDistancesWhenTheParentResizes)
{
    TForm& form = NewForm({ 0, 0, 400, 300 });
    form.Show();
    auto& button = form.Add<TCustomControl>();
    button.SetBoundsRect({ 300, 250, 380, 280 });
    button.SetParent(&form);
    button.SetAnchors(akRight | akBottom);
    auto& edit = form.Add<TCustomControl>();
    edit.SetBoundsRect({ 10, 10, 390, 30 });
    edit.SetParent(&form);
    edit.SetAnchors(akLeft | akTop | akRight);
    form.SetBoundsRect({ 0, 0, 500, 350 });
    EXPECT_EQ(button.BoundsRect(), (TRect { 400, 300, 480, 330 }));
    EXPECT_EQ(edit.BoundsRect(), (TRect { 10, 10, 490, 30 }));
}

TEST_F(AlignTest, ControlThatKeepsItsHeightGivesTheRestBack)
{
    class FixedHeight : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        void SetBounds(int l, int t, int w, int) override { TCustomControl::SetBounds(l, t, w, 25); }
    };
    TForm& form = NewForm({ 0, 0, 200, 200 });
    auto& strip = form.Add<FixedHeight>();
    strip.SetParent(&form);
    auto& rest = form.Add<TCustomControl>();
    rest.SetParent(&form);
    strip.SetAlign(alClient);
    EXPECT_EQ(strip.Height(), 25);
    strip.SetAlign(alTop);
    rest.SetAlign(alClient);
    EXPECT_EQ(rest.BoundsRect(), (TRect { 0, 25, 200, 200 }));
}

} // namespace tessel::test
