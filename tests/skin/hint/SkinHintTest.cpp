#include "tessel/framework/THintWindow.h"
#include "tessel/platform/TRegion.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxDataSkinHintWindow.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/hint/TvxSkinHint.h"
#include "tessel/skin/hint/TvxSkinHintWindow.h"
#include "tests/framework/HeadlessApplication.h"
#include "tests/support/TestSkins.h"

#include <string>

using namespace tessel;

namespace {

class SkinHintTest : public test::HeadlessApplication {
protected:
    void SetUp() override
    {
        HeadlessApplication::SetUp();
        form = &NewForm({ 100, 100, 500, 400 });
        hint = &form->Add<TvxSkinHint>();
        form->Show();
        Pump();
    }
    void LoadDemo()
    {
        auto& store = form->Add<TvxSkinData>();
        auto& stored = form->Add<TvxCompressedStoredSkin>();
        test::LoadDemoSkin(stored);
        store.SetCompressedStoredSkin(&stored);
        hint->SetSkinData(&store);
    }
    // Shows a cursor hint and lets its pause pass.
    TvxSkinHintWindow& Show(const std::string& text)
    {
        hint->ShowCursorHint(text);
        Pump(Application().HintPause());
        return hint->Window();
    }
    uint32_t Pixel(HWND h, int x, int y) { return wm.WindowSurface(h)->Pixel(x, y) & 0xFFFFFF; }

    TForm* form = nullptr;
    TvxSkinHint* hint = nullptr;
};

} // namespace

// A separator breaks the text into lines; without a skin the built-in box: the info
// colour inside a shadow-coloured frame. The hint hides after the hide pause.
TEST_F(SkinHintTest, LinesAndTheBuiltInBox)
{
    TvxSkinHintWindow& one = Show("one line");
    ASSERT_TRUE(wm.IsWindowVisible(one.Handle()));
    int single = one.Height();
    hint->HideHint();
    TvxSkinHintWindow& two = Show("first@second");
    EXPECT_EQ(two.ShownText(), "first\nsecond");
    EXPECT_GT(two.Height(), single + single / 2);
    EXPECT_FALSE(two.Frame().Skinned());
    wm.UpdateWindow(two.Handle());
    EXPECT_EQ(Pixel(two.Handle(), 0, 0), ColorToArgb(clBtnShadow) & 0xFFFFFF);
    EXPECT_EQ(Pixel(two.Handle(), two.Width() - 2, 1), ColorToArgb(clInfoBk) & 0xFFFFFF);
    // Below the cursor by the cursor's height.
    TPoint cursor = wm.Input().CursorPos();
    EXPECT_EQ(two.Top(), cursor.y + wm.GetSystemMetrics(SM_CYCURSOR));
    Pump(Application().HintHidePause());
    EXPECT_FALSE(wm.IsWindowVisible(two.Handle()));
}

// Near the bottom-right corner the hint goes above and left of its point.
TEST_F(SkinHintTest, NearTheCornerTheHintFlips)
{
    TRect screen { 0, 0, 800, 600 };
    EXPECT_EQ(TvxHintFrame::Place({ 790, 590 }, 0, { 60, 20 }, screen), (TRect { 728, 568, 788, 588 }));
    EXPECT_EQ(TvxHintFrame::Place({ 100, 100 }, 32, { 60, 20 }, screen), (TRect { 100, 132, 160, 152 }));
    // Hanging below the cursor, the hint goes above the cursor point, not over it.
    EXPECT_EQ(TvxHintFrame::Place({ 790, 590 }, 32, { 60, 20 }, screen), (TRect { 728, 568, 788, 588 }));
    TRect s = wm.Backend().ScreenRect();
    wm.Input().MouseMove({ s.right - 3, s.bottom - 3 });
    TvxSkinHintWindow& w = Show("at the corner");
    EXPECT_EQ(w.BoundsRect().right, s.right - 3 - 2);
    EXPECT_EQ(w.BoundsRect().bottom, s.bottom - 3 - 2);
}

// With the demo skin the hint is the HINTWINDOW picture grown round the text and
// shaped by its mask.
TEST_F(SkinHintTest, TheSkinnedHintIsTheFrameShapedByItsMask)
{
    LoadDemo();
    TvxSkinHintWindow& w = Show("A skinned hint");
    ASSERT_TRUE(w.Frame().Skinned());
    const TvxDataSkinHintWindow& rec = *w.Frame().Record();
    EXPECT_EQ(w.Font().Name(), rec.fontname);
    const TRegion* region = wm.GetWindowRgn(w.Handle());
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(region->Contains(0, 0)) << "the corner is cut";
    EXPECT_TRUE(region->Contains(w.Width() / 2, w.Height() / 2));
    TRect client = w.Frame().Client();
    EXPECT_EQ(w.Width() - client.Width(), rec.clientrect.left + (100 - rec.clientrect.right));
}

// Of two hint components on the main form one serves; activating the other takes over.
TEST_F(SkinHintTest, TwoComponentsOneServes)
{
    auto& second = form->Add<TvxSkinHint>();
    EXPECT_EQ(TvxSkinHint::Serving(), hint);
    second.SetActive(true);
    EXPECT_FALSE(hint->Active());
    EXPECT_EQ(TvxSkinHint::Serving(), &second);
    second.SetActive(false);
    EXPECT_EQ(TvxSkinHint::Serving(), nullptr);
    // With none serving, the application's hint window shows nothing.
    TvxSkinHintWindow window;
    window.ActivateHint({ 10, 10, 50, 30 }, "nothing");
    EXPECT_FALSE(window.HandleAllocated() && wm.IsWindowVisible(window.Handle()));
}

// A skinned control's hint carries its title, in bold above the text.
TEST_F(SkinHintTest, AControlsTitleShowsAboveItsHint)
{
    auto panel = [&](int left, const std::string& title) -> TvxSkinPanel& {
        auto& p = form->Add<TvxSkinPanel>();
        p.SetParent(form);
        p.SetBounds(left, 10, 150, 100);
        p.SetHint("The text");
        p.SetHintTitle(title);
        p.SetShowHint(true);
        return p;
    };
    TvxSkinPanel& plain = panel(10, "");
    TvxSkinPanel& titled = panel(200, "Title");
    Pump();
    wm.Input().MouseMove(plain.ClientToScreen({ 50, 50 }));
    Pump();
    Pump(Application().HintPause());
    auto* skinned = dynamic_cast<TvxSkinHintWindow*>(Application().HintWindow());
    ASSERT_NE(skinned, nullptr) << "the application's hints are skinned ones";
    ASSERT_TRUE(wm.IsWindowVisible(skinned->Handle()));
    int plain_height = skinned->Height();
    EXPECT_EQ(hint->Title(), "");
    wm.Input().MouseMove(titled.ClientToScreen({ 50, 50 }));
    Pump();
    Pump(Application().HintPause());
    skinned = dynamic_cast<TvxSkinHintWindow*>(Application().HintWindow());
    ASSERT_NE(skinned, nullptr);
    EXPECT_EQ(hint->Title(), "Title");
    ASSERT_TRUE(wm.IsWindowVisible(skinned->Handle()));
    EXPECT_GT(skinned->Height(), plain_height + 10);
}

// A hint of 100 KB shows, shortened, within the screen.
TEST_F(SkinHintTest, AHugeHintStillShows)
{
    LoadDemo();
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "fifty bytes of hint text, again and again here@";
    TvxSkinHintWindow& w = Show(text);
    ASSERT_TRUE(wm.IsWindowVisible(w.Handle()));
    EXPECT_LT(w.ShownText().size(), 5000u);
    wm.UpdateWindow(w.Handle());
}
