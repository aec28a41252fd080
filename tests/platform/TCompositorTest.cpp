#include "tessel/platform/TCompositor.h"

#include "tessel/platform/TPngFile.h"
#include "tessel/platform/TWindowManager.h"
#include "tests/platform/HeadlessWindows.h"
#include "tests/support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>

using namespace tessel;

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kGrey = 0xFF808080;

// Windows that paint themselves one colour, frame included, when asked.
class Painted : public test::HeadlessWindows {
protected:
    HWND Solid(TRect rect, uint32_t color, HWND parent = 0, uint32_t ex_style = 0, int border = 0)
    {
        TWindowParams p;
        p.style = WS_VISIBLE | (parent ? WS_CHILD : 0);
        p.ex_style = ex_style;
        p.rect = rect;
        p.parent = parent;
        p.proc = [this, color, border](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_NCCALCSIZE && border) {
                auto* r = reinterpret_cast<TRect*>(l);
                *r = { r->left + border, r->top + border, r->right - border, r->bottom - border };
                return 0;
            }
            if (m == WM_PAINT) {
                TRegion update = wm.BeginPaint(h);
                auto frame = wm.GetWindowDC(h);
                frame->FillRect({ 0, 0, 1000, 1000 }, kGrey);
                auto dc = wm.GetDC(h, &update);
                dc->FillRect({ -1000, -1000, 1000, 1000 }, color);
                return 0;
            }
            return wm.DefWindowProc(h, m, w, l);
        };
        return wm.CreateWindowEx(p);
    }

    TSurface Screen()
    {
        wm.ProcessMessages();
        return wm.CaptureScreen(clock->ScreenRect());
    }
};

} // namespace

TEST_F(Painted, AShapedWindowIsPaintedOnlyInsideItsRegion)
{
    HWND top = Solid({ 10, 10, 110, 90 }, kRed, 0, 0, 5);
    // Children: one crossing the parent's client edge, two overlapping (b in front).
    Solid({ 80, 20, 120, 40 }, kGreen, top);
    HWND a = Solid({ 10, 40, 40, 60 }, kBlue, top);
    Solid({ 30, 50, 50, 70 }, kGreen, top);
    wm.SetWindowRgn(
        top, std::make_unique<TRegion>(TRegion::FromRects({ { 0, 0, 100, 40 }, { 0, 40, 50, 80 } })));
    TSurface s = Screen();
    EXPECT_EQ(s.Pixel(5, 5), TCompositor::kDesktopColor);
    EXPECT_EQ(s.Pixel(12, 12), kGrey); // the frame
    EXPECT_EQ(s.Pixel(20, 20), kRed);
    EXPECT_EQ(s.Pixel(80, 70), TCompositor::kDesktopColor); // cut off by the region
    EXPECT_EQ(s.Pixel(60, 70), TCompositor::kDesktopColor);
    EXPECT_EQ(s.Pixel(59, 49), kRed);
    // The child is drawn inside the parent's client area only, not on its frame.
    EXPECT_EQ(s.Pixel(100, 35), kGreen);
    EXPECT_EQ(s.Pixel(106, 35), kGrey);
    // The sibling in front keeps its pixels where the one behind it overlaps.
    EXPECT_EQ(s.Pixel(30, 60), kBlue);
    EXPECT_EQ(s.Pixel(45, 65), kGreen);
    EXPECT_EQ(s.Pixel(52, 72), kGreen);
    // Repainting the one behind does not draw over the one in front.
    wm.InvalidateRect(a, nullptr);
    s = Screen();
    EXPECT_EQ(s.Pixel(45, 65), kGreen);
    // A hidden child shows its parent's pixels once the parent repaints.
    wm.ShowWindow(a, SW_HIDE);
    s = Screen();
    EXPECT_EQ(s.Pixel(25, 55), kRed);
    // A window in front hides the other where it lies, inside its own region only.
    HWND front = Solid({ 30, 30, 130, 130 }, kBlue);
    wm.SetWindowRgn(front, std::make_unique<TRegion>(TRect { 10, 10, 100, 100 }));
    s = Screen();
    EXPECT_EQ(s.Pixel(35, 35), kRed);
    EXPECT_EQ(s.Pixel(45, 45), kBlue);
    wm.ShowWindow(front, SW_MINIMIZE);
    s = Screen();
    EXPECT_EQ(s.Pixel(45, 45), kRed);
}

TEST_F(Painted, LayeredWindowsBlendOrFailSoft)
{
    HWND h = Solid({ 0, 0, 20, 20 }, 0xFFFFFFFF, 0, WS_EX_LAYERED);
    HWND plain = Solid({ 40, 0, 60, 20 }, 0xFFFFFFFF);
    EXPECT_TRUE(wm.SetLayeredWindowAttributes(h, 0, 128, LWA_ALPHA));
    EXPECT_FALSE(wm.SetLayeredWindowAttributes(plain, 0, 128, LWA_ALPHA));
    TSurface s = Screen();
    // 0x3A6EA5 mixed half and half with white.
    EXPECT_EQ(s.Pixel(5, 5), 0xFF9DB7D2u);
    EXPECT_EQ(s.Pixel(45, 5), 0xFFFFFFFFu);
    clock->SetLayeredAlphaSupported(false);
    EXPECT_FALSE(wm.SetLayeredWindowAttributes(h, 0, 255, LWA_ALPHA));
    EXPECT_EQ(wm.LayeredAlpha(h), 128);
}

TEST(Compositor, TheFastBlendMatchesTheReference)
{
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        TSurface src(1 + random() % 40, 1 + random() % 40), a(50, 50), b;
        for (int y = 0; y < src.Height(); ++y)
            for (int x = 0; x < src.Width(); ++x)
                src.SetPixel(x, y, random());
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                a.SetPixel(x, y, random());
        b = a;
        int x = static_cast<int>(random() % 30) - 10, y = static_cast<int>(random() % 30) - 10;
        TRegion clip = TRegion::FromRects({ { 0, 0, 25, 50 }, { 20, 10, 50, 30 } });
        auto alpha = static_cast<uint8_t>(random());
        TCompositor::Blend(a, x, y, src, clip, alpha);
        TCompositor::BlendReference(b, x, y, src, clip, alpha);
        ASSERT_EQ(a, b) << "round " << round;
    }
}

TEST_F(Painted, ScreenshotsAreCutAndWrittenAsPng)
{
    HWND h = Solid({ 100, 100, 140, 130 }, kRed);
    wm.SetWindowRgn(h, std::make_unique<TRegion>(TRect { 10, 0, 40, 30 }));
    wm.ProcessMessages();
    TSurface part = wm.CaptureScreen({ 95, 95, 115, 105 });
    EXPECT_EQ(part.Width(), 20);
    EXPECT_EQ(part.Pixel(0, 0), TCompositor::kDesktopColor);
    EXPECT_EQ(part.Pixel(19, 9), kRed);
    TSurface window = wm.CaptureWindow(h);
    EXPECT_EQ(window.Pixel(5, 5), 0xFF000000u);
    EXPECT_EQ(window.Pixel(15, 5), kRed);

    test::TempDir dir;
    std::string file = dir.Path() + "/shot.png";
    ASSERT_EQ(TPngFile::Save(window, file), "");
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(static_cast<unsigned char>(bytes[19]), 40); // IHDR width
    EXPECT_EQ(static_cast<unsigned char>(bytes[23]), 30); // IHDR height
    EXPECT_NE(TPngFile::Save(window, dir.Path() + "/missing/shot.png"), "");
}
