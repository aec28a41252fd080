#include "tessel/skin/draw/TvxEffectBmp.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TSimd.h"
#include "tessel/skin/draw/TvxEffectRows.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

using namespace tessel;

namespace {

// A buffer whose pixels are given as colours 0x00BBGGRR, row by row.
TvxEffectBmp Make(int w, int h, std::vector<uint32_t> colors)
{
    TvxEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, colors[static_cast<size_t>(y * w + x)]);
    return b;
}

std::vector<uint32_t> Row(const TvxEffectBmp& b, int y)
{
    std::vector<uint32_t> out;
    for (int x = 0; x < b.Width(); ++x)
        out.push_back(b.Pixel(x, y));
    return out;
}

bool SamePixels(const TvxEffectBmp& a, const TvxEffectBmp& b)
{
    for (int y = 0; y < a.Height(); ++y)
        if (Row(a, y) != Row(b, y))
            return false;
    return a.Width() == b.Width() && a.Height() == b.Height();
}

TvxEffectBmp Solid(int w, int h, uint32_t color)
{
    return Make(w, h, std::vector<uint32_t>(size_t(w * h), color));
}

// Bytes for the fast loops' random inputs, a third of them the values where
// rounding and clamping go wrong first: the ends and the middle.
uint8_t BiasedByte(std::mt19937& random)
{
    static constexpr uint8_t kEdges[] = { 0, 255, 127, 128, 1, 254 };
    return random() % 3 == 0 ? kEdges[random() % 6] : static_cast<uint8_t>(random());
}

} // namespace

TEST(TvxEffectBmp, RowsArePaddedAndPixelsAreColours)
{
    EXPECT_EQ(TvxEffectBmp(1, 1).RowLength(), 4);
    EXPECT_EQ(TvxEffectBmp(5, 1).RowLength(), 16);
    EXPECT_EQ(TvxEffectBmp(4, 1).RowLength(), 12);
    TvxEffectBmp b(2, 2);
    b.SetPixel(1, 1, 0x00332211); // blue 0x33, green 0x22, red 0x11
    const uint8_t* row = b.ScanLine(1);
    EXPECT_EQ(row[3], 0x33);
    EXPECT_EQ(row[4], 0x22);
    EXPECT_EQ(row[5], 0x11);
    EXPECT_EQ(b.Pixel(1, 1), 0x00332211u);
    EXPECT_EQ(b.Pixel(2, 0), 0u);
    b.SetPixel(-1, 0, 0xFFFFFF); // outside: nothing
    TBitmap bitmap(2, 1);
    bitmap.SetPixel(0, 0, 0xFF112233); // 0xAARRGGBB
    EXPECT_EQ(TvxEffectBmp(bitmap).Pixel(0, 0), 0x00332211u);
    EXPECT_EQ(TvxEffectBmp(bitmap).ToBitmap().Pixel(0, 0), 0xFF112233u);
}

TEST(TvxEffectBmp, BlendRoundsHalvesToEvenAndClampsItsFactor)
{
    TvxEffectBmp a = Make(2, 1, { 0x0A0A0A, 0x0B0B0B }), b = Make(2, 1, { 0x0B0B0B, 0x0C0C0C });
    TvxEffectBmp copy = a;
    copy.Blend(b, 0);
    EXPECT_TRUE(SamePixels(copy, a));
    copy.Blend(b, 7); // clamped to 1
    EXPECT_TRUE(SamePixels(copy, b));
    a.Blend(b, 0.5); // 10.5 -> 10, 11.5 -> 12
    EXPECT_EQ(Row(a, 0), (std::vector<uint32_t> { 0x0A0A0A, 0x0C0C0C }));
    // Different sizes change nothing.
    TvxEffectBmp other = Solid(3, 1, 0xFFFFFF);
    a.Blend(other, 1);
    EXPECT_EQ(Row(a, 0), (std::vector<uint32_t> { 0x0A0A0A, 0x0C0C0C }));
    // BlendRect reads other from an offset and leaves out what lies outside either.
    TvxEffectBmp base = Solid(4, 2, 0), top = Solid(2, 2, 0xC8C8C8);
    base.BlendRect(top, { 1, 0, 9, 9 }, 1, 1, 0.5);
    EXPECT_EQ(Row(base, 0), (std::vector<uint32_t> { 0, 0x646464, 0, 0 }));
    EXPECT_EQ(Row(base, 1), (std::vector<uint32_t> { 0, 0, 0, 0 }));
}

TEST(TvxEffectBmp, GradientsGrowOtherFromTheCentreOrAnEdge)
{
    constexpr uint32_t T = 0x000000, O = 0xFFFFFF;
    TvxEffectBmp wide = Solid(8, 2, T), other = Solid(8, 2, O);
    TvxEffectBmp full = wide;
    full.Gradient(other, 1);
    EXPECT_TRUE(SamePixels(full, other));
    // k = 0: the band is column W div 2; the fade runs W div 2 columns each way
    // with steps of 1 / 4.
    wide.Gradient(other, 0);
    EXPECT_EQ(Row(wide, 0),
        (std::vector<uint32_t> { T, 0x404040, 0x808080, 0xBFBFBF, O, 0xBFBFBF, 0x808080, 0x404040 }));
    // A tall image takes the vertical form: with k = 1 every row is other.
    TvxEffectBmp tall = Solid(2, 7, T), tall_other = Solid(2, 7, O);
    tall.Gradient(tall_other, 1);
    EXPECT_TRUE(SamePixels(tall, tall_other));

    TvxEffectBmp left = Solid(4, 1, T);
    left.LeftGradient(Solid(4, 1, O), 0.5); // a = 2: weights 0, 1/2, 1 on this
    EXPECT_EQ(Row(left, 0), (std::vector<uint32_t> { O, 0x808080, T, T }));
    TvxEffectBmp right = Solid(4, 1, T);
    right.RightGradient(Solid(4, 1, O), 0.5); // a = 2, step 1/2 from the right
    EXPECT_EQ(Row(right, 0), (std::vector<uint32_t> { T, T, 0x808080, O }));
}

TEST(TvxEffectBmp, SlidesAndPushMoveColumns)
{
    TvxEffectBmp self = Make(4, 1, { 0xA, 0xB, 0xC, 0xD }), other = Make(4, 1, { 0xE, 0xF, 0x10, 0x11 });
    TvxEffectBmp slide = self;
    slide.LeftSlide(other, 0); // at least one column
    EXPECT_EQ(Row(slide, 0), (std::vector<uint32_t> { 0x11, 0xB, 0xC, 0xD }));
    slide = self;
    slide.RightSlide(other, 0.5);
    EXPECT_EQ(Row(slide, 0), (std::vector<uint32_t> { 0xA, 0xB, 0xE, 0xF }));
    TvxEffectBmp push = self;
    push.Push(other, 0.25); // a = 1: this moves right by 2, other's last two columns come in
    EXPECT_EQ(Row(push, 0), (std::vector<uint32_t> { 0x10, 0x11, 0xA, 0xB }));
    push = self;
    push.Morph(mkpush, other, 0);
    EXPECT_EQ(Row(push, 0), (std::vector<uint32_t> { 0x11, 0xA, 0xB, 0xC }));
}

TEST(TvxEffectBmp, InactiveLooks)
{
    TvxEffectBmp red = Solid(2, 1, 0x0000FF);
    red.Grayscale();
    EXPECT_EQ(red.Pixel(0, 0), 0x4C4C4Cu); // 76.5 rounds to 76
    TvxEffectBmp grey = Solid(3, 1, 0x646464);
    grey.InactiveEffect(iebrightness); // 50 + 127.5 = 177.5 -> 178
    EXPECT_EQ(grey.Pixel(0, 0), 0xB2B2B2u);
    grey = Solid(3, 1, 0x646464);
    grey.InactiveEffect(iedarkness); // 70
    EXPECT_EQ(grey.Pixel(0, 0), 0x464646u);
    TvxEffectBmp mixed = Make(2, 1, { 0x123456, 0xFEDCBA }), copy = mixed;
    mixed.Invert();
    EXPECT_EQ(mixed.Pixel(0, 0), 0xEDCBA9u);
    mixed.Invert();
    EXPECT_TRUE(SamePixels(mixed, copy));

    TvxEffectBmp noisy = Solid(50, 20, 0x808080);
    noisy.InactiveEffect(ienoise);
    bool varied = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 50; ++x) {
            const uint8_t* p = noisy.ScanLine(y) + 3 * x;
            int d = p[0] - 128;
            EXPECT_GE(d, -25);
            EXPECT_LE(d, 24);
            EXPECT_EQ(p[1], p[0]);
            EXPECT_EQ(p[2], p[0]);
            varied = varied || d != 0;
        }
    EXPECT_TRUE(varied);
}

TEST(TvxEffectBmp, SplitBlurWorksInPlaceFromTheTop)
{
    // Blue channel only: rows [0 100] and [200 40]. Each pixel averages its four
    // corner samples, reading pixels already blurred before it.
    TvxEffectBmp b = Make(2, 2, { 0x000000, 0x640000, 0xC80000, 0x280000 });
    b.SplitBlur(1);
    EXPECT_EQ(b.ScanLine(0)[0], 85); // (0 + 200 + 100 + 40) / 4
    EXPECT_EQ(b.ScanLine(0)[3], 106); // (85 + 200 + 100 + 40) / 4
    EXPECT_EQ(b.ScanLine(1)[0], 107); // (85 + 200 + 106 + 40) / 4
    EXPECT_EQ(b.ScanLine(1)[3], 84); // (85 + 107 + 106 + 40) / 4
    TvxEffectBmp same = Make(2, 1, { 1, 2 });
    same.SplitBlur(0);
    EXPECT_EQ(Row(same, 0), (std::vector<uint32_t> { 1, 2 }));
}

TEST(TvxEffectBmp, FlipVerticalWritesTheRowsUpsideDown)
{
    TvxEffectBmp b = Make(1, 3, { 1, 2, 3 }), out(1, 3);
    b.FlipVertical(out);
    EXPECT_EQ(out.Pixel(0, 0), 3u);
    EXPECT_EQ(out.Pixel(0, 2), 1u);
    TvxEffectBmp wrong(2, 3);
    b.FlipVertical(wrong);
    EXPECT_EQ(wrong.Pixel(0, 0), 0u);
}

TEST(TvxEffectRows, TheFastBlendMatchesTheReference)
{
    // The morph steps take the 16-bit loop; exact halves cannot.
    EXPECT_TRUE(TvxEffectRows::PlanBlend(0.2).usable);
    EXPECT_TRUE(TvxEffectRows::PlanBlend(0.6).usable);
    EXPECT_FALSE(TvxEffectRows::PlanBlend(0.5).usable);
    EXPECT_TRUE(TvxEffectRows::PlanBlend(0.5).unsure[255 + 1]);
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        int n = 1 + static_cast<int>(random() % 300);
        std::vector<uint8_t> a(static_cast<size_t>(n)), b(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            a[size_t(i)] = BiasedByte(random);
            b[size_t(i)] = BiasedByte(random);
        }
        // Factors that give exact halves, the morph steps, arbitrary ones, the ends
        // and values outside 0 ... 1 (the row loop does not clamp).
        static constexpr double kEdges[] = { 0, 1, 1e-9, 1 - 1e-9, -0.5, 1.5 };
        double k = round % 5 == 0 ? 0.5
            : round % 5 == 1      ? (random() % 11) / 10.0
            : round % 5 == 2      ? kEdges[random() % 6]
                                  : (random() % 100000) / 100000.0;
        std::vector<uint8_t> fast = a, reference = a;
        if (round % 7 == 0)
            k = (random() % 1000) / 1000.0; // factors whose 16-bit plan is mostly usable
        TvxEffectRows::Blend(fast.data(), b.data(), n, k);
        TvxEffectRows::BlendReference(reference.data(), b.data(), n, k);
        ASSERT_EQ(fast, reference) << "round " << round << " k " << k;
    }
}

TEST(TvxEffectRows, TheFastMixesMatchTheReference)
{
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        int n = 1 + static_cast<int>(random() % 1600);
        std::vector<uint8_t> t(static_cast<size_t>(n)), o(static_cast<size_t>(n));
        for (size_t i = 0; i < t.size(); ++i) {
            t[i] = BiasedByte(random);
            o[i] = round % 4 == 0 ? static_cast<uint8_t>(t[i] ^ 1) : BiasedByte(random);
        }
        // Weights as the gradients make them (steps added up, exact quotients),
        // exact halves, the ends, arbitrary ones and some outside 0 ... 1.
        std::vector<double> w(static_cast<size_t>(n));
        int steps = 1 + static_cast<int>(random() % 40);
        double walked = 0;
        for (int i = 0; i < n; ++i) {
            double& weight = w[size_t(i)];
            switch (round % 5 == 0 ? 6 : (round + i / 3) % 6) {
            case 0:
                weight = walked;
                walked = std::min(1.0, walked + 1.0 / steps);
                break;
            case 1:
                weight = static_cast<double>(i % (steps + 1)) / steps;
                break;
            case 2:
                weight = (random() % 9) / 8.0;
                break;
            case 3:
                weight = (random() % 1000001) / 1000000.0;
                break;
            case 4:
                weight = random() % 2 ? 0.0 : 1.0;
                break;
            case 6:
                // Long runs of the ends, as the gradients' rows have them.
                weight = i < n / 3 ? 1.0 : i < 2 * n / 3 ? 0.0 : static_cast<double>(i % 7) / 6;
                break;
            default:
                // Outside 0 ... 1 in every other round (the rule's way for the row).
                weight = round % 2 ? -0.5 + (random() % 2001) / 1000.0 : (random() % 2001) / 2000.0;
            }
        }
        TvxEffectRows::TMixWeights weights(n);
        for (int i = 0; i < n; ++i)
            weights.Set(i, w[size_t(i)]);
        EXPECT_EQ(weights.fixed, std::all_of(w.begin(), w.end(), [](double v) { return v >= 0 && v <= 1; }));
        std::vector<uint8_t> fast(t.size()), reference(t.size());
        TvxEffectRows::MixReference(t.data(), o.data(), w.data(), n, reference.data());
        TvxEffectRows::Mix(t.data(), o.data(), weights, n, fast.data());
        ASSERT_EQ(fast, reference) << "round " << round;
        // In place over rows, as the gradients run it: three copies a stride apart.
        const int stride = n + 5;
        std::vector<uint8_t> rows(3 * size_t(stride)), others(rows.size());
        for (int y = 0; y < 3; ++y) {
            std::copy(t.begin(), t.end(), rows.begin() + y * stride);
            std::copy(o.begin(), o.end(), others.begin() + y * stride);
        }
        TvxEffectRows::MixRows(rows.data(), others.data(), stride, 3, weights, n);
        for (int y = 0; y < 3; ++y)
            ASSERT_TRUE(std::equal(reference.begin(), reference.end(), rows.begin() + y * stride))
                << "round " << round << " row " << y;
        // One weight for the whole row.
        std::vector<double> same(static_cast<size_t>(n), w[0]);
        TvxEffectRows::MixReference(t.data(), o.data(), same.data(), n, reference.data());
        TvxEffectRows::MixConstant(t.data(), o.data(), w[0], n, fast.data());
        ASSERT_EQ(fast, reference) << "round " << round << " weight " << w[0];
    }
}

TEST(TSimd, TheEnvironmentTurnsVectorPathsOff)
{
    // The runs with TESSEL_SIMD set must really take the slower paths.
    const char* asked = std::getenv("TESSEL_SIMD");
    std::string level = asked ? asked : "";
    if (level == "none") {
        EXPECT_FALSE(TSimd::Sse2());
        EXPECT_FALSE(TSimd::Avx2());
    } else if (level == "sse2") {
        EXPECT_FALSE(TSimd::Avx2());
    }
#if defined(__x86_64__)
    if (level.empty()) {
        EXPECT_TRUE(TSimd::Sse2());
    }
#endif
}
