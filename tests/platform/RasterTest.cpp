#include "tessel/platform/Raster.h"

#include "tessel/platform/TRegion.h"
#include "tessel/platform/TSurface.h"

#include <gtest/gtest.h>
#include <random>

using namespace tessel;

namespace {

TSurface Numbered(int w, int h)
{
    TSurface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.SetPixel(x, y, static_cast<uint32_t>(y * 1000 + x));
    return s;
}

std::vector<uint32_t> Row(const TSurface& s, int y)
{
    return std::vector<uint32_t>(s.ScanLine(y), s.ScanLine(y) + s.Width());
}

} // namespace

TEST(Raster, StretchSamplesTheCentreOfEachDestinationPixel)
{
    TSurface src = Numbered(7, 1);
    TSurface up(7, 1);
    Raster::StretchBlt(up, { 0, 0, 7, 1 }, src, { 0, 0, 3, 1 });
    EXPECT_EQ(Row(up, 0), (std::vector<uint32_t> { 0, 0, 1, 1, 1, 2, 2 }));
    TSurface down(3, 1);
    Raster::StretchBlt(down, { 0, 0, 3, 1 }, src, { 0, 0, 7, 1 });
    EXPECT_EQ(Row(down, 0), (std::vector<uint32_t> { 1, 3, 5 }));
    TSurface doubled(4, 1);
    Raster::StretchBlt(doubled, { 0, 0, 4, 1 }, src, { 3, 0, 5, 1 });
    EXPECT_EQ(Row(doubled, 0), (std::vector<uint32_t> { 3, 3, 4, 4 }));

    // Rows follow the same rule; a same-size stretch is a copy.
    TSurface tall = Numbered(2, 3), stretched(2, 6), same(2, 3);
    Raster::StretchBlt(stretched, { 0, 0, 2, 6 }, tall, { 0, 0, 2, 3 });
    EXPECT_EQ(stretched.Pixel(1, 1), 1u);
    EXPECT_EQ(stretched.Pixel(1, 2), 1001u);
    EXPECT_EQ(stretched.Pixel(0, 5), 2000u);
    Raster::StretchBlt(same, { 0, 0, 2, 3 }, tall, { 0, 0, 2, 3 });
    EXPECT_EQ(same, tall);

    // Degenerate rectangles draw nothing.
    TSurface untouched(3, 1, 7);
    Raster::StretchBlt(untouched, { 0, 0, 0, 1 }, src, { 0, 0, 3, 1 });
    Raster::StretchBlt(untouched, { 0, 0, 3, 1 }, src, { 3, 0, 1, 1 });
    EXPECT_EQ(untouched, TSurface(3, 1, 7));
}

TEST(Raster, FastStretchMatchesTheReferenceLoop)
{
    std::mt19937 rng(12345);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 400; ++round) {
        // Distinct rows, rows repeated in bands, and rows that differ only in their
        // first column: the fast path copies rows it finds equal.
        TSurface src = Numbered(uniform(1, 40), uniform(1, 40));
        for (int y = 0; y < src.Height(); ++y)
            for (int x = 0; x < src.Width(); ++x)
                if (round % 3 == 1)
                    src.SetPixel(x, y, static_cast<uint32_t>(y / 3 * 1000 + x));
                else if (round % 3 == 2)
                    src.SetPixel(x, y, static_cast<uint32_t>(x == 0 ? y : 500 + x));
        TSurface a(uniform(1, 50), uniform(1, 50), 0xDEAD), b = a;
        TRect from { uniform(-5, 10), uniform(-5, 10), 0, 0 };
        from.right = from.left + uniform(1, 45);
        from.bottom = from.top + uniform(1, 45);
        TRect to { uniform(-10, 20), uniform(-10, 20), 0, 0 };
        to.right = to.left + uniform(1, 80);
        to.bottom = to.top + uniform(1, 80);
        TRegion clip
            = TRegion::FromRects({ { uniform(-5, 20), uniform(-5, 20), uniform(0, 60), uniform(0, 60) },
                { uniform(0, 30), uniform(0, 30), uniform(0, 60), uniform(0, 60) } });
        const TRegion* use_clip = round % 2 ? &clip : nullptr;
        Raster::StretchBlt(a, to, src, from, use_clip);
        Raster::StretchBltReference(b, to, src, from, use_clip);
        ASSERT_EQ(a, b) << "round " << round;
    }
}

TEST(Raster, BitBltClipsToSourceDestinationAndRegion)
{
    TSurface src = Numbered(4, 4);
    TSurface dst(6, 6, 9);
    TRegion clip(TRect { 0, 0, 6, 3 });
    EXPECT_TRUE(Raster::BitBlt(dst, 3, 1, 4, 4, src, 0, 0, SRCCOPY, &clip));
    EXPECT_EQ(dst.Pixel(3, 1), 0u);
    EXPECT_EQ(dst.Pixel(5, 2), 1002u);
    EXPECT_EQ(dst.Pixel(3, 3), 9u); // outside the clip
    EXPECT_EQ(dst.Pixel(2, 1), 9u);

    TSurface edge(3, 3, 9);
    Raster::BitBlt(edge, 0, 0, 3, 3, src, 2, 2); // only 2 x 2 of the source exists there
    EXPECT_EQ(edge.Pixel(1, 1), 3003u);
    EXPECT_EQ(edge.Pixel(2, 2), 9u);

    TSurface ops(1, 1, 0x0F);
    Raster::BitBlt(ops, 0, 0, 1, 1, TSurface(1, 1, 0xF0), 0, 0, SRCPAINT);
    EXPECT_EQ(ops.Pixel(0, 0), 0xFFu);
    Raster::BitBlt(ops, 0, 0, 1, 1, TSurface(1, 1, 0x3C), 0, 0, SRCAND);
    EXPECT_EQ(ops.Pixel(0, 0), 0x3Cu);
    Raster::BitBlt(ops, 0, 0, 1, 1, TSurface(1, 1, 0xFF), 0, 0, SRCINVERT);
    EXPECT_EQ(ops.Pixel(0, 0), 0xC3u);
    Raster::BitBlt(ops, 0, 0, 1, 1, TSurface(), 0, 0, DSTINVERT);
    EXPECT_EQ(ops.Pixel(0, 0), ~0xC3u);
    EXPECT_FALSE(Raster::BitBlt(ops, 0, 0, 1, 1, src, 0, 0, 0x00F00021)); // a pattern operation
}

TEST(Raster, PenLinesLeaveOutTheirLastPixel)
{
    TSurface s(6, 6);
    Raster::Line(s, 0, 0, 3, 0, 1);
    EXPECT_EQ(Row(s, 0), (std::vector<uint32_t> { 1, 1, 1, 0, 0, 0 }));
    Raster::Line(s, 5, 5, 5, 5, 2);
    EXPECT_EQ(s.Pixel(5, 5), 0u);
    Raster::Line(s, 5, 5, 2, 2, 3);
    EXPECT_EQ(s.Pixel(5, 5), 3u);
    EXPECT_EQ(s.Pixel(3, 3), 3u);
    EXPECT_EQ(s.Pixel(2, 2), 0u);

    // A closed polyline draws every pixel of its outline once.
    TSurface box(5, 5);
    const TPoint square[] = { { 0, 0 }, { 3, 0 }, { 3, 3 }, { 0, 3 }, { 0, 0 } };
    Raster::Polyline(box, square, 5, 1);
    int lit = 0;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            lit += box.Pixel(x, y) != 0;
    EXPECT_EQ(lit, 12);
    EXPECT_EQ(box.Pixel(1, 1), 0u);
    EXPECT_EQ(box.Pixel(4, 4), 0u);

    TSurface clipped(4, 1);
    TRegion clip(TRect { 1, 0, 3, 1 });
    Raster::Line(clipped, -5, 0, 10, 0, 4, &clip);
    EXPECT_EQ(Row(clipped, 0), (std::vector<uint32_t> { 0, 4, 4, 0 }));
}

TEST(Raster, FillsRectanglesAndKeyedCopies)
{
    TSurface s(5, 4);
    Raster::Rectangle(s, { 0, 0, 4, 3 }, 1, 2);
    EXPECT_EQ(Row(s, 0), (std::vector<uint32_t> { 1, 1, 1, 1, 0 }));
    EXPECT_EQ(Row(s, 1), (std::vector<uint32_t> { 1, 2, 2, 1, 0 }));
    EXPECT_EQ(Row(s, 2), (std::vector<uint32_t> { 1, 1, 1, 1, 0 }));
    EXPECT_EQ(Row(s, 3), (std::vector<uint32_t> { 0, 0, 0, 0, 0 }));
    Raster::FillRect(s, { -3, 3, 99, 9 }, 5);
    EXPECT_EQ(Row(s, 3), (std::vector<uint32_t> { 5, 5, 5, 5, 5 }));

    TSurface glyph(3, 1);
    glyph.SetPixel(0, 0, 0xFFFF00FF); // the key, whatever its alpha
    glyph.SetPixel(1, 0, 0x00123456);
    glyph.SetPixel(2, 0, 0x00FF00FF);
    TSurface dst(4, 1, 7);
    Raster::TransparentCopy(dst, 1, 0, glyph, { 0, 0, 3, 1 }, 0xFF00FF);
    EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t> { 7, 7, 0x123456, 7 }));
}
