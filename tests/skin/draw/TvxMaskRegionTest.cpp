#include "tessel/skin/draw/TvxMaskRegion.h"

#include "tessel/framework/TMaskBits.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/skin/draw/TvxMaskRuns.h"
#include "tests/skin/draw/Geometry.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace tessel {

namespace {

constexpr uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

struct Header {
    int32_t size, type, count, region_size;
    TRect bound;
};

Header HeaderOf(const std::vector<uint8_t>& data)
{
    Header h;
    std::memcpy(&h, data.data(), sizeof h);
    return h;
}

TRect RectAt(const std::vector<uint8_t>& data, int i)
{
    TRect r;
    std::memcpy(&r, data.data() + 32 + 16 * i, 16);
    return r;
}

TBitmap Filled(int w, int h, uint32_t colour)
{
    TBitmap b(w, h);
    b.Fill(colour);
    return b;
}

} // namespace

TEST(TvxMaskRegion, RegionDataListsTheBlackRunsOfEachRow)
{
    EXPECT_TRUE(TvxMaskRegion::RegionDataFromMask(TBitmap(), 0, 0).empty());
    EXPECT_EQ(TvxMaskRegion::RegionFromMask(TBitmap()), nullptr);

    auto white = TvxMaskRegion::RegionDataFromMask(Filled(7, 5, kWhite), 3, 4);
    ASSERT_EQ(white.size(), 32u);
    Header h = HeaderOf(white);
    EXPECT_EQ(h.size, 32);
    EXPECT_EQ(h.type, 1);
    EXPECT_EQ(h.count, 0);
    EXPECT_EQ(h.region_size, 0);
    EXPECT_EQ(h.bound, (TRect { 3, 4, 10, 9 })); // offset + size, whatever is black

    auto black = TvxMaskRegion::RegionDataFromMask(Filled(7, 5, kBlack), 0, 0);
    ASSERT_EQ(black.size(), 5u * 16 + 32);
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(RectAt(black, y), (TRect { 0, y, 7, y + 1 }));

    // Black, white, black: two one-pixel runs, the second ending at the width; a
    // dark grey is not black, and alpha does not count.
    TBitmap row(3, 2);
    row.SetPixel(0, 0, 0x00000000);
    row.SetPixel(1, 0, 0xFF010000);
    row.SetPixel(2, 0, kBlack);
    row.SetPixel(0, 1, kWhite);
    row.SetPixel(1, 1, kWhite);
    row.SetPixel(2, 1, kWhite);
    auto two = TvxMaskRegion::RegionDataFromMask(row, 10, 20);
    ASSERT_EQ(HeaderOf(two).count, 2);
    EXPECT_EQ(RectAt(two, 0), (TRect { 10, 20, 11, 21 }));
    EXPECT_EQ(RectAt(two, 1), (TRect { 12, 20, 13, 21 }));
    auto region = TvxMaskRegion::RegionFromMask(row);
    ASSERT_NE(region, nullptr);
    EXPECT_TRUE(region->Contains(2, 0));
    EXPECT_FALSE(region->Contains(1, 0));
}

// More runs than the platform's fixed buffer held: every one is kept.
TEST(TvxMaskRegion, MasksWithMoreThanTenThousandRunsKeepThemAll)
{
    TBitmap checks(201, 120);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 201; ++x)
            checks.SetPixel(x, y, (x + y) % 2 ? kWhite : kBlack);
    auto data = TvxMaskRegion::RegionDataFromMask(checks, 0, 0);
    int runs = HeaderOf(data).count;
    EXPECT_EQ(runs, 60 * 101 + 60 * 100);
    EXPECT_GT(runs, 10000);
    EXPECT_EQ(data.size(), size_t(runs) * 16 + 32);
    EXPECT_EQ(RectAt(data, runs - 1), (TRect { 199, 119, 200, 120 }));
}

TEST(TvxMaskRuns, FastScanMatchesTheReferenceOnRandomMasks)
{
    std::minstd_rand rng(3);
    const uint32_t colours[] = { kBlack, 0x00000000, kWhite, 0xFF000001, 0xFF010101, 0x7F000000, 0xFF808080 };
    for (int round = 0; round < 500; ++round) {
        // Half the masks are wide with long runs, so the 64-pixel fast skips are taken.
        bool wide = round % 2 == 1;
        int w = 1 + static_cast<int>(rng() % (wide ? 400 : 70)), h = 1 + static_cast<int>(rng() % 20);
        TBitmap mask(w, h);
        int runny = 1 + static_cast<int>(rng() % (wide ? 300 : 8));
        uint32_t c = kBlack;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (rng() % static_cast<unsigned>(runny) == 0)
                    c = colours[rng() % 7];
                mask.SetPixel(x, y, c);
            }
        int ox = static_cast<int>(rng() % 50) - 25, oy = static_cast<int>(rng() % 50) - 25;
        ASSERT_EQ(TvxMaskRuns::Scan(mask, ox, oy), TvxMaskRuns::ScanReference(mask, ox, oy)) << round;
    }
}

// A two-colour mask read back from a 1-bit file.
TBitmap OneBitCopy(const TBitmap& mask)
{
    TBitmap copy = mask;
    copy.SetPixelFormat(TPixelFormat::pf1bit);
    TMemoryStream stream;
    copy.SaveToStream(stream);
    stream.SetPosition(0);
    TBitmap read;
    read.LoadFromStream(stream);
    return read;
}

TEST(TvxMaskRuns, PackedBitsOfOneBitMasksScanLikeTheReference)
{
    std::minstd_rand rng(11);
    for (int round = 0; round < 400; ++round) {
        // Widths around the 64-pixel words, and long runs as well as short ones.
        int w = 1 + static_cast<int>(rng() % (round % 3 == 0 ? 200 : 130)),
            h = 1 + static_cast<int>(rng() % 12);
        uint32_t other = round % 2 ? kWhite : 0xFF0000FF;
        TBitmap mask(w, h);
        int runny = 1 + static_cast<int>(rng() % 100);
        bool black = rng() % 2;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (rng() % static_cast<unsigned>(runny) == 0)
                    black = !black;
                mask.SetPixel(x, y, black ? kBlack : other);
            }
        mask.SetPalette({ 0x000000, other & 0xFFFFFF });
        TBitmap read = OneBitCopy(mask);
        ASSERT_NE(read.MaskBits(), nullptr);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(read.Pixel(x, y) & 0xFFFFFF, mask.Pixel(x, y) & 0xFFFFFF)
                    << "both colours are kept";
        ASSERT_EQ(TvxMaskRuns::Scan(read, 3, -2), TvxMaskRuns::ScanReference(mask, 3, -2)) << round;
    }
    for (int w : { 63, 64, 65, 128 }) {
        TBitmap all = OneBitCopy(Filled(w, 2, kBlack));
        EXPECT_EQ(TvxMaskRuns::Scan(all, 0, 0), (std::vector<TRect> { { 0, 0, w, 1 }, { 0, 1, w, 2 } })) << w;
    }
}

TEST(TvxMaskRuns, WritingToAMaskDropsItsPackedBits)
{
    TBitmap read = OneBitCopy(Filled(70, 3, kBlack));
    ASSERT_NE(read.MaskBits(), nullptr);
    TBitmap copy = read;
    EXPECT_NE(copy.MaskBits(), nullptr) << "a copy shares them";
    read.SetPixel(66, 1, kWhite);
    EXPECT_EQ(read.MaskBits(), nullptr);
    EXPECT_EQ(TvxMaskRuns::Scan(read, 0, 0), TvxMaskRuns::ScanReference(read, 0, 0));
    EXPECT_EQ(TvxMaskRuns::Scan(read, 0, 0).size(), 4u);
    copy.ScanLine(0)[5] = kWhite;
    EXPECT_EQ(copy.MaskBits(), nullptr);
    TBitmap drawn = OneBitCopy(Filled(70, 3, kBlack));
    drawn.Canvas();
    EXPECT_EQ(drawn.MaskBits(), nullptr);
    TBitmap one = Filled(8, 8, kBlack);
    one.SetPixelFormat(TPixelFormat::pf1bit);
    TMemoryStream stream;
    one.SaveToStream(stream);
    stream.SetPosition(0);
    drawn.LoadFromStream(stream);
    EXPECT_EQ(drawn.MaskBits(), nullptr) << "a bitmap with a canvas keeps none";
}

// A mask with rounded (cut) corners following an element resized to 60 x 40: the
// corners stay cut at the new corners, the edges and the client are in.
TEST(TvxMaskRegion, ElementRegionFollowsTheResizedElement)
{
    TBitmap mask = Filled(20, 20, kBlack);
    for (auto [x, y] : { std::pair { 0, 0 }, { 1, 0 }, { 0, 1 }, { 19, 0 }, { 18, 0 }, { 19, 1 }, { 0, 19 },
             { 19, 19 }, { 18, 19 }, { 19, 18 } })
        mask.SetPixel(x, y, kWhite);
    TvxElementGeometry g
        = test::Geometry({ 0, 0, 20, 20 }, { 5, 5 }, { 15, 5 }, { 5, 15 }, { 15, 15 }, { 3, 3, 17, 17 });
    int aw = 60, ah = 40;
    TvxTargetGeometry t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    auto region = TvxMaskRegion::ElementRegion(g, t, aw, ah, mask);
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(region->Contains(0, 0));
    EXPECT_FALSE(region->Contains(1, 0));
    EXPECT_TRUE(region->Contains(2, 0));
    EXPECT_FALSE(region->Contains(59, 0));
    EXPECT_FALSE(region->Contains(58, 0));
    EXPECT_FALSE(region->Contains(59, 1));
    EXPECT_FALSE(region->Contains(0, 39));
    EXPECT_FALSE(region->Contains(59, 39));
    EXPECT_FALSE(region->Contains(59, 38));
    EXPECT_TRUE(region->Contains(30, 0));
    EXPECT_TRUE(region->Contains(0, 20));
    EXPECT_TRUE(region->Contains(30, 20));
    EXPECT_TRUE(region->Contains(59, 20));
    EXPECT_EQ(region->Box(), (TRect { 0, 0, 60, 40 }));

    // Squeezed below the fixed pieces: no region.
    aw = 8;
    ah = 30;
    t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    EXPECT_LT(t.NewRT.x, t.NewLT.x);
    EXPECT_EQ(TvxMaskRegion::ElementRegion(g, t, aw, ah, mask), nullptr);

    // A horizontal strip stands for a full geometry of its own height.
    TvxElementGeometry strip;
    strip.R = { 0, 0, 20, 20 };
    strip.LT = { 5, 0 };
    strip.RT = { 15, 0 };
    strip.Client = { 3, 3, 17, 17 };
    auto control = TvxMaskRegion::ControlRegion(strip, 80, 99, mask);
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(control->Contains(79, 0));
    EXPECT_FALSE(control->Contains(0, 19));
    EXPECT_TRUE(control->Contains(40, 10));
    EXPECT_EQ(control->Box(), (TRect { 0, 0, 80, 20 }));
}

} // namespace tessel
