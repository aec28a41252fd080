#include "tessel/framework/TBitmap.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TMemoryStream.h"
#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

void Put16(std::vector<uint8_t>& v, uint16_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x)
{
    for (int i = 0; i < 4; ++i)
        v.push_back(uint8_t(x >> (8 * i)));
}

// A BMP file made by hand, with a 40-byte info header.
std::vector<uint8_t> BmpFile(int32_t width, int32_t height, uint16_t bpp, uint32_t compression,
    const std::vector<uint32_t>& palette, const std::vector<uint8_t>& bits, int32_t file_size = -1)
{
    std::vector<uint8_t> v = { 'B', 'M' };
    uint32_t off = 14 + 40 + static_cast<uint32_t>(palette.size()) * 4;
    Put32(v, file_size >= 0 ? static_cast<uint32_t>(file_size) : off + static_cast<uint32_t>(bits.size()));
    Put32(v, 0);
    Put32(v, off);
    Put32(v, 40);
    Put32(v, static_cast<uint32_t>(width));
    Put32(v, static_cast<uint32_t>(height));
    Put16(v, 1);
    Put16(v, bpp);
    Put32(v, compression);
    Put32(v, static_cast<uint32_t>(bits.size()));
    Put32(v, 0);
    Put32(v, 0);
    Put32(v, static_cast<uint32_t>(palette.size()));
    Put32(v, 0);
    for (uint32_t c : palette)
        Put32(v, c);
    v.insert(v.end(), bits.begin(), bits.end());
    return v;
}

TBitmap Read(const std::vector<uint8_t>& bytes)
{
    TMemoryStream s(bytes);
    TBitmap b;
    b.LoadFromStream(s);
    return b;
}

TBitmap RoundTrip(const TBitmap& in)
{
    TMemoryStream s;
    in.SaveToStream(s);
    s.SetPosition(0);
    TBitmap out;
    out.LoadFromStream(s);
    EXPECT_EQ(s.Remaining(), 0);
    return out;
}

} // namespace

TEST(TBitmap, EveryDepthSurvivesWritingAndReading)
{
    TBitmap rgb = test::Pattern(13, 7);
    for (TPixelFormat f : { TPixelFormat::pf24bit, TPixelFormat::pf32bit }) {
        TBitmap b = rgb;
        b.SetPixelFormat(f);
        TBitmap back = RoundTrip(b);
        EXPECT_EQ(back, b);
        EXPECT_EQ(back.PixelFormat(), f);
    }
    // Palettised depths keep the palette and every pixel.
    for (auto [format, colors] : { std::pair { TPixelFormat::pf1bit, 2 }, { TPixelFormat::pf4bit, 16 },
             { TPixelFormat::pf8bit, 256 } }) {
        TBitmap b(17, 5, format);
        std::vector<uint32_t> palette;
        for (int i = 0; i < colors; ++i)
            palette.push_back(static_cast<uint32_t>(i * 0x010305) & 0xFFFFFF);
        b.SetPalette(palette);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 17; ++x)
                b.SetPixel(x, y, palette[static_cast<size_t>((x * 7 + y * 3) % colors)]);
        TBitmap back = RoundTrip(b);
        EXPECT_EQ(back, b);
        EXPECT_EQ(back.Palette(), palette);
        EXPECT_EQ(back.PixelFormat(), format);
    }
}

TEST(TBitmap, ReadsExactlyOneFileFromAStream)
{
    TMemoryStream s;
    test::Pattern(3, 2, 1).SaveToStream(s);
    test::Pattern(5, 4, 2).SaveToStream(s);
    s.WriteInt32(1234);
    s.SetPosition(0);
    TBitmap a, b;
    a.LoadFromStream(s);
    b.LoadFromStream(s);
    EXPECT_EQ(a, test::Pattern(3, 2, 1));
    EXPECT_EQ(b, test::Pattern(5, 4, 2));
    EXPECT_EQ(s.ReadInt32(), 1234);
}

TEST(TBitmap, RowsBottomUpAndTopDown)
{
    // Two rows of one 24-bit pixel, each padded to four bytes: first stored row red, second blue.
    std::vector<uint8_t> bits = { 0, 0, 255, 0, 255, 0, 0, 0 };
    TBitmap bottom_up = Read(BmpFile(1, 2, 24, 0, {}, bits));
    EXPECT_EQ(bottom_up.Pixel(0, 1), 0xFF0000u); // the first stored row is the bottom one
    EXPECT_EQ(bottom_up.Pixel(0, 0), 0x0000FFu);
    TBitmap top_down = Read(BmpFile(1, -2, 24, 0, {}, bits));
    EXPECT_EQ(top_down.Pixel(0, 0), 0xFF0000u);
}

TEST(TBitmap, RunLengthEncodings)
{
    // RLE8: a run of 3 of index 1, an absolute run of 3 (padded), end of line, delta, end of bitmap.
    std::vector<uint32_t> palette = { 0x000000, 0x112233, 0x445566, 0x778899 };
    std::vector<uint8_t> rle8 = { 3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1 };
    TBitmap b = Read(BmpFile(6, 2, 8, 1, palette, rle8));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf8bit);
    const uint32_t* bottom = b.ScanLine(1);
    EXPECT_EQ(bottom[0], 0x112233u);
    EXPECT_EQ(bottom[2], 0x112233u);
    EXPECT_EQ(bottom[3], 0x445566u);
    EXPECT_EQ(bottom[4], 0x778899u);
    EXPECT_EQ(bottom[5], 0x112233u);
    EXPECT_EQ(b.Pixel(1, 0), 0x445566u); // after the delta (1 right, 0 down) on the second row
    EXPECT_EQ(b.Pixel(0, 0), palette[0]); // skipped pixels take entry 0

    // With a palette that has no black, skipped pixels still write back unchanged.
    std::vector<uint32_t> bright(256);
    for (size_t i = 0; i < bright.size(); ++i)
        bright[i] = 0x808080 + static_cast<uint32_t>(i);
    TBitmap skipped = Read(BmpFile(3, 2, 8, 1, bright, { 1, 7, 0, 0, 0, 1 }));
    EXPECT_EQ(skipped.Pixel(1, 0), bright[0]);
    EXPECT_EQ(RoundTrip(skipped), skipped);

    // RLE4: a run of 4 alternating indexes 1 and 2, then an absolute run of 3.
    std::vector<uint8_t> rle4 = { 4, 0x12, 0, 3, 0x31, 0x20, 0, 1 };
    TBitmap c = Read(BmpFile(8, 1, 4, 2, palette, rle4));
    EXPECT_EQ(c.Pixel(0, 0), 0x112233u);
    EXPECT_EQ(c.Pixel(1, 0), 0x445566u);
    EXPECT_EQ(c.Pixel(4, 0), 0x778899u);
    EXPECT_EQ(c.Pixel(6, 0), 0x445566u);
}

TEST(TBitmap, BadFilesAreInvalidBitmapsAndChangeNothing)
{
    TBitmap keep = test::Pattern(2, 2);
    std::vector<uint8_t> good = BmpFile(1, 1, 24, 0, {}, { 1, 2, 3, 0 });
    std::vector<std::vector<uint8_t>> bad = {
        {}, { 'B', 'M', 0 },
        { 'X', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 },
        BmpFile(1, 1, 24, 0, {}, { 1, 2, 3, 0 }, 100000), // file size beyond the stream
        BmpFile(1, 1, 24, 0, {}, { 1, 2 }), // pixel rows missing
        BmpFile(100000, 1, 24, 0, {}, { 1, 2, 3, 0 }), // absurd width
        BmpFile(30000, 30000, 1, 0, { 0, 0xFFFFFF }, { 0 }), // huge and truncated
        BmpFile(1, 1, 7, 0, {}, { 0, 0, 0, 0 }), // no such depth
        BmpFile(1, 1, 24, 1, {}, { 0, 0, 0, 0 }), // run-length with 24 bits
        BmpFile(0, 1, 24, 0, {}, {}),
        BmpFile(4, 1, 8, 1, { 0, 0 }, { 0, 3, 1 }), // absolute run beyond the data
    };
    bad.push_back(good);
    bad.back()[14] = 99; // unknown info header size
    for (size_t i = 0; i < bad.size(); ++i) {
        TMemoryStream s(bad[i]);
        TBitmap b = keep;
        EXPECT_THROW(b.LoadFromStream(s), EInvalidGraphic) << "case " << i;
        EXPECT_EQ(b, keep);
    }
    EXPECT_NO_THROW(Read(good));
}

TEST(TBitmap, PaletteIndexBeyondThePaletteIsBlack)
{
    TBitmap b = Read(BmpFile(2, 1, 8, 0, { 0x00FF00 }, { 0, 5, 0, 0 }));
    EXPECT_EQ(b.Pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(b.Pixel(1, 0), 0u);
    // Writing it back adds black to the palette rather than changing the pixel.
    TBitmap back = RoundTrip(b);
    EXPECT_EQ(back, b);
    EXPECT_EQ(back.Palette(), (std::vector<uint32_t> { 0x00FF00, 0 }));

    // A palettised picture with colours its full palette lacks takes the nearest entries.
    TBitmap two(2, 1, TPixelFormat::pf1bit);
    two.SetPalette({ 0x000000, 0xFFFFFF });
    two.SetPixel(0, 0, 0x202020);
    two.SetPixel(1, 0, 0xE0E0E0);
    TBitmap mapped = RoundTrip(two);
    EXPECT_EQ(mapped.Pixel(0, 0), 0u);
    EXPECT_EQ(mapped.Pixel(1, 0), 0xFFFFFFu);
}

TEST(TBitmap, ResizingKeepsThePixelsThatStay)
{
    TBitmap b = test::Pattern(4, 4);
    uint32_t corner = b.Pixel(1, 1);
    b.SetSize(2, 6);
    EXPECT_EQ(b.Pixel(1, 1), corner);
    EXPECT_EQ(b.Pixel(0, 5), 0u);
    b.SetSize(-1, 3);
    EXPECT_TRUE(b.Empty());
}
