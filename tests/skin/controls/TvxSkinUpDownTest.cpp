#include "tessel/skin/controls/TvxSkinUpDown.h"

#include "tests/skin/controls/ButtonFixture.h"

#include <vector>

using namespace tessel;

namespace {

class SkinUpDownTest : public test::ButtonFixture {
protected:
    TvxSkinUpDown& UpDown(TRect bounds, bool skinned = true)
    {
        if (!form) {
            MakeForm({ 0, 0, 400, 300 });
            LoadSkin();
        }
        auto& u = Add<TvxSkinUpDown>(*form, bounds);
        if (skinned)
            u.SetSkinData(store);
        u.OnChange = [this, &u](TComponent*) { changes.push_back({ u.Position(), clock->NowMs() }); };
        u.OnUpButtonClick = [this](TComponent*) { ++up_clicks; };
        u.OnDownButtonClick = [this](TComponent*) { ++down_clicks; };
        ShowAndPaint();
        return u;
    }
    TPoint Centre(TvxSkinUpDown& u, TvxSkinUpDown::TButton b)
    {
        const TRect& r = u.ButtonRect(b);
        return u.ClientToScreen({ (r.left + r.right) / 2, (r.top + r.bottom) / 2 });
    }
    void Click(TvxSkinUpDown& u, TvxSkinUpDown::TButton b)
    {
        Pump(600);
        wm.Input().MouseMove(Centre(u, b));
        wm.Input().Click(TMouseButton::Left, Centre(u, b));
        Pump();
    }
    static uint32_t Rgb(const TBitmap& image, int x, int y) { return image.Pixel(x, y) & 0xFFFFFF; }
    static uint32_t Rgb(TColor color) { return ColorToArgb(color) & 0xFFFFFF; }

    struct TChange {
        int position;
        uint64_t at;
    };
    std::vector<TChange> changes;
    int up_clicks = 0, down_clicks = 0;
};

std::vector<int> Positions(const auto& changes)
{
    std::vector<int> out;
    for (const auto& c : changes)
        out.push_back(c.position);
    return out;
}

} // namespace

// The range holds: at Max a click on up tells the click but no change; a Max below
// Position moves it without a change; Increment 0 only tells the clicks and runs no
// timer; with Min above Max nothing is ever in range and nothing breaks.
TEST_F(SkinUpDownTest, ClicksStepWithinTheRange)
{
    TvxSkinUpDown& u = UpDown({ 10, 10, 50, 30 }, false);
    Click(u, TvxSkinUpDown::kUp);
    Click(u, TvxSkinUpDown::kUp);
    Click(u, TvxSkinUpDown::kDown);
    EXPECT_EQ(Positions(changes), (std::vector<int> { 1, 2, 1 }));
    EXPECT_EQ(up_clicks, 2);
    EXPECT_EQ(down_clicks, 1);

    u.SetPosition(100);
    changes.clear();
    Click(u, TvxSkinUpDown::kUp);
    EXPECT_EQ(up_clicks, 3);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(u.Position(), 100);
    u.SetMax(40);
    EXPECT_EQ(u.Position(), 40);
    EXPECT_TRUE(changes.empty()) << "the range moved Position, no change told";
    u.SetPosition(41);
    EXPECT_EQ(u.Position(), 40);

    u.SetIncrement(0);
    Pump(600);
    wm.Input().MouseMove(Centre(u, TvxSkinUpDown::kUp));
    wm.Input().MouseDown(TMouseButton::Left, Centre(u, TvxSkinUpDown::kUp));
    Pump();
    EXPECT_FALSE(u.RepeatRunning());
    Run(1000);
    wm.Input().MouseUp(TMouseButton::Left, Centre(u, TvxSkinUpDown::kUp));
    Pump();
    EXPECT_EQ(up_clicks, 4);
    EXPECT_TRUE(changes.empty());

    u.SetIncrement(1);
    u.SetMin(200);
    EXPECT_EQ(u.Position(), 200);
    Click(u, TvxSkinUpDown::kUp);
    Click(u, TvxSkinUpDown::kDown);
    EXPECT_EQ(u.Position(), 200);
    EXPECT_TRUE(changes.empty());
    u.SetIncrement(2'000'000'000);
    u.SetMin(-2'000'000'000);
    u.SetMax(2'000'000'000);
    u.SetPosition(1'999'999'999);
    Click(u, TvxSkinUpDown::kUp);
    EXPECT_EQ(u.Position(), 1'999'999'999) << "no overflow past Max";
}

// Held: a step at 600 ms, then every 100 ms, once more at the release. Off the held
// button the repeat pauses; back on it, it steps every 50 ms.
TEST_F(SkinUpDownTest, AHeldButtonRepeats)
{
    TvxSkinUpDown& u = UpDown({ 10, 10, 50, 30 }, false);
    const TPoint up = Centre(u, TvxSkinUpDown::kUp);
    wm.Input().MouseMove(up);
    Pump();
    const uint64_t start = clock->NowMs();
    wm.Input().MouseDown(TMouseButton::Left, up);
    Pump();
    Run(1005);
    wm.Input().MouseUp(TMouseButton::Left, up);
    Pump();
    std::vector<uint64_t> at;
    for (const auto& c : changes)
        at.push_back(c.at - start);
    ASSERT_EQ(at.size(), 6u);
    EXPECT_NEAR(static_cast<double>(at[0]), 600, 10);
    for (size_t i = 1; i < 5; ++i)
        EXPECT_NEAR(static_cast<double>(at[i] - at[i - 1]), 100, 10);
    EXPECT_NEAR(static_cast<double>(at[5]), 1005, 5) << "once more at the release";
    EXPECT_FALSE(u.RepeatRunning());

    changes.clear();
    Pump(600);
    wm.Input().MouseDown(TMouseButton::Left, up);
    Pump();
    Run(650);
    ASSERT_EQ(changes.size(), 1u);
    wm.Input().MouseMove(u.ClientToScreen({ 100, 100 }));
    Pump();
    EXPECT_FALSE(u.ButtonHot(TvxSkinUpDown::kUp));
    Run(300);
    EXPECT_EQ(changes.size(), 1u) << "paused off the button";
    const uint64_t back = clock->NowMs();
    wm.Input().MouseMove(up);
    Pump();
    Run(160);
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_NEAR(static_cast<double>(changes[1].at - back), 50, 6);
    EXPECT_NEAR(static_cast<double>(changes[3].at - changes[2].at), 50, 6);
    wm.Input().MouseUp(TMouseButton::Left, up);
    Pump();
    EXPECT_EQ(u.Held(), TvxSkinUpDown::kNone);
}

// The "hupdown" record: 30 x 16 with the up button on the right; hot and pressed
// looks only in the button's own place. Without UseSkinSize the control keeps its
// size, halves itself and draws each half from "resizebutton".
TEST_F(SkinUpDownTest, TheRecordsSizeAndLooks)
{
    TvxSkinUpDown& u = UpDown({ 10, 10, 50, 30 });
    EXPECT_EQ(u.Width(), 30);
    EXPECT_EQ(u.Height(), 16);
    EXPECT_EQ(u.ButtonRect(TvxSkinUpDown::kUp), (TRect { 15, 2, 29, 14 }));
    EXPECT_EQ(u.ButtonRect(TvxSkinUpDown::kDown), (TRect { 2, 2, 14, 14 }));
    const TBitmap normal = Image(u);
    wm.Input().MouseMove(Centre(u, TvxSkinUpDown::kUp));
    Pump();
    const TBitmap hot = Image(u);
    const TRect up = u.ButtonRect(TvxSkinUpDown::kUp), down = u.ButtonRect(TvxSkinUpDown::kDown);
    EXPECT_FALSE(Same(normal, hot, up));
    EXPECT_TRUE(Same(normal, hot, down));
    wm.Input().MouseDown(TMouseButton::Left, Centre(u, TvxSkinUpDown::kUp));
    Pump();
    const TBitmap pressed = Image(u);
    EXPECT_FALSE(Same(hot, pressed, up));
    wm.Input().MouseUp(TMouseButton::Left, Centre(u, TvxSkinUpDown::kUp));
    Pump();

    u.SetUseSkinSize(false);
    u.SetBounds(10, 10, 40, 20);
    Pump();
    EXPECT_EQ(u.Width(), 40);
    LoadParts(DemoParts([](std::string&) {}));
    EXPECT_EQ(u.BoundsRect(), (TRect { 10, 10, 50, 30 })) << "a skin change keeps its own size";
    EXPECT_EQ(u.ButtonRect(TvxSkinUpDown::kDown), (TRect { 0, 0, 20, 20 }));
    EXPECT_EQ(u.ButtonRect(TvxSkinUpDown::kUp), (TRect { 20, 0, 40, 20 }));
    u.SetOrientation(udVertical);
    EXPECT_EQ(u.ButtonRect(TvxSkinUpDown::kUp), (TRect { 0, 0, 40, 10 }));
    EXPECT_EQ(u.ButtonRect(TvxSkinUpDown::kDown), (TRect { 0, 10, 40, 20 }));
    wm.Input().MouseMove(u.ClientToScreen({ 100, 100 }));
    Pump();
    const TBitmap rest = Image(u);
    // Both halves show the same look with their own arrows: the corners match.
    EXPECT_EQ(Rgb(rest, 0, 0), Rgb(rest, 0, 10));
    EXPECT_EQ(Rgb(rest, 39, 9), Rgb(rest, 39, 19));
    wm.Input().MouseMove(Centre(u, TvxSkinUpDown::kDown));
    Pump();
    const TBitmap lit = Image(u);
    EXPECT_FALSE(Same(rest, lit, { 0, 10, 40, 20 }));
    EXPECT_TRUE(Same(rest, lit, { 0, 0, 40, 10 }));
}

// Without a skin: the built-in look's frames and fills.
TEST_F(SkinUpDownTest, TheBuiltInLook)
{
    TvxSkinUpDown& u = UpDown({ 10, 10, 50, 30 }, false);
    wm.Input().MouseMove(Centre(u, TvxSkinUpDown::kUp));
    Pump();
    TBitmap image = Image(u);
    EXPECT_EQ(Rgb(image, 21, 1), Rgb(0xD2BDB6));
    EXPECT_EQ(Rgb(image, 20, 0), Rgb(0x800000));
    EXPECT_EQ(Rgb(image, 1, 1), Rgb(clBtnFace));
    wm.Input().MouseDown(TMouseButton::Left, Centre(u, TvxSkinUpDown::kUp));
    Pump();
    image = Image(u);
    EXPECT_EQ(Rgb(image, 21, 1), Rgb(0xB59385));
    wm.Input().MouseUp(TMouseButton::Left, Centre(u, TvxSkinUpDown::kUp));
    Pump();
}
