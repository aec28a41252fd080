#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/skin/draw/TvxGlyphText.h"
#include "tessel/skin/draw/TvxPlatform.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/draw/TvxTextHelpers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessel {

namespace {

constexpr uint32_t kPaper = 0xFFFFFFFF, kInk = 0xFF000000;

TBitmap Paper(int w, int h)
{
    TBitmap b(w, h);
    b.Fill(kPaper);
    return b;
}

// The inked pixels, as "x,y" strings in row order.
std::vector<std::string> Inked(const TBitmap& b)
{
    std::vector<std::string> out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != kPaper)
                out.push_back(std::to_string(x) + "," + std::to_string(y));
    return out;
}

} // namespace

TEST(TvxGlyphText, LayoutPlacesGlyphAndTextByKindAndMargin)
{
    TRect r { 10, 0, 110, 30 };
    // Centred as a group: half = (16 + 40 + 4) div 2 = 30 around x = 60.
    TvxGlyphTextPlace p = TvxGlyphText::LayoutGlyphAndText(vxglGlyphLeft, r, 16, 16, 40, 13, -1, 4);
    EXPECT_EQ(p.glyph, (TPoint { 10 + 20, 15 - 8 }));
    EXPECT_EQ(p.text, (TPoint { 10 + 40, 15 - 6 }));
    p = TvxGlyphText::LayoutGlyphAndText(vxglGlyphRight, r, 16, 16, 40, 13, -1, 4);
    EXPECT_EQ(p.text.x, 30);
    EXPECT_EQ(p.glyph.x, 60 + 30 - 16);
    // With a margin the glyph keeps it from its side.
    p = TvxGlyphText::LayoutGlyphAndText(vxglGlyphLeft, r, 16, 16, 40, 13, 3, 4);
    EXPECT_EQ(p.glyph, (TPoint { 13, 7 }));
    EXPECT_EQ(p.text, (TPoint { 13 + 16 + 4, 9 }));
    p = TvxGlyphText::LayoutGlyphAndText(vxglGlyphRight, r, 16, 16, 40, 13, 3, 4);
    EXPECT_EQ(p.glyph.x, 110 - 16 - 3);
    EXPECT_EQ(p.text.x, 91 - 4 - 40);
    p = TvxGlyphText::LayoutGlyphAndText(vxglGlyphTop, { 0, 0, 60, 60 }, 16, 16, 40, 13, 2, 1);
    EXPECT_EQ(p.glyph, (TPoint { 22, 2 }));
    EXPECT_EQ(p.text, (TPoint { 10, 19 }));
    p = TvxGlyphText::LayoutGlyphAndText(vxglGlyphBottom, { 0, 0, 60, 60 }, 16, 16, 40, 13, -1, 1);
    EXPECT_EQ(p.text.y, 30 - 15);
    EXPECT_EQ(p.glyph.y, 30 + 15 - 16);
}

// A pressed button moves glyph and text one pixel right and down; the strip's
// bottom-left colour is left out of the glyph.
TEST(TvxGlyphText, DrawsGlyphsFromAStripAndMovesThemWhenDown)
{
    TBitmap strip(8, 4);
    strip.Fill(0xFFFF00FF);
    strip.SetPixel(1, 1, 0xFF0000FF); // glyph 1
    strip.SetPixel(5, 2, 0xFF00FF00); // glyph 2
    TBitmap up = Paper(20, 20), down = Paper(20, 20);
    TvxGlyphText::DrawGlyphAndText(
        up.Canvas(), { 0, 0, 20, 20 }, 2, 0, vxglGlyphLeft, strip, 2, 2, "", false, {});
    TvxGlyphText::DrawGlyphAndText(
        down.Canvas(), { 0, 0, 20, 20 }, 2, 0, vxglGlyphLeft, strip, 2, 2, "", true, {});
    // Glyph 2 is 4 x 4 at (2, 10 - 2); its green pixel is column 1, row 2 of it.
    EXPECT_EQ(Inked(up), (std::vector<std::string> { "3,10" }));
    EXPECT_EQ(Inked(down), (std::vector<std::string> { "4,11" }));
    // An empty strip draws nothing; the bar without glyph or text is a filled block.
    TBitmap bar = Paper(20, 20);
    TvxGlyphText::DrawGlyphAndText(
        bar.Canvas(), { 0, 0, 20, 20 }, 2, 0, vxglGlyphLeft, TBitmap(), 1, 1, "", false, { true, clBlack });
    EXPECT_EQ(bar.Pixel(4, 4), kInk);
    EXPECT_EQ(bar.Pixel(17, 15), kInk);
    EXPECT_EQ(bar.Pixel(18, 15), kPaper);
    EXPECT_EQ(bar.Pixel(3, 4), kPaper);
    EXPECT_EQ(bar.Pixel(4, 16), kPaper);
}

TEST(TvxTextHelpers, ShortensWithEllipsisAndMeasures)
{
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    std::string fits = "Games";
    int w = TvxTextHelpers::MeasureTextWidth(c, fits);
    EXPECT_GT(w, 20);
    EXPECT_GT(TvxTextHelpers::MeasureTextHeight(c, fits), 8);
    TvxTextHelpers::ShortenWithEllipsis(c, fits, w);
    EXPECT_EQ(fits, "Games");
    std::string one = "W";
    TvxTextHelpers::ShortenWithEllipsis(c, one, 2);
    EXPECT_EQ(one, "...");
    std::string long_text = "Collection of games";
    int limit = TvxTextHelpers::MeasureTextWidth(c, "Collection...");
    TvxTextHelpers::ShortenWithEllipsis(c, long_text, limit);
    EXPECT_EQ(long_text, "Collection...");
    // Characters go whole, never half a UTF-8 sequence.
    std::string accents = "Caf\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
    TvxTextHelpers::ShortenWithEllipsis(c, accents, TvxTextHelpers::MeasureTextWidth(c, "Caf\xC3\xA9..."));
    EXPECT_EQ(accents, "Caf\xC3\xA9...");
}

TEST(TvxSymbols, ArrowsChecksAndCaptionSymbolsAreTheirPixels)
{
    TBitmap up = Paper(11, 11), down = Paper(11, 11);
    TvxSymbols::DrawArrow(up.Canvas(), { 0, 0, 11, 11 }, clBlack, vxaUp);
    TvxSymbols::DrawArrow(down.Canvas(), { 0, 0, 11, 11 }, clBlack, vxaDown);
    // Up: widths 1, 3, 5, 7 from row 3; down is its mirror about the centre row 5.
    EXPECT_EQ(Inked(up).size(), 16u);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            ASSERT_EQ(up.Pixel(x, y), down.Pixel(x, 10 - y)) << x << "," << y;
    EXPECT_EQ(up.Pixel(5, 3), kInk);
    EXPECT_EQ(up.Pixel(4, 3), kPaper);
    EXPECT_EQ(up.Pixel(2, 6), kInk);
    EXPECT_EQ(up.Pixel(8, 6), kInk);
    TBitmap left = Paper(11, 11);
    TvxSymbols::DrawArrow(left.Canvas(), { 0, 0, 11, 11 }, clBlack, vxaLeft);
    EXPECT_EQ(left.Pixel(3, 5), kInk);
    EXPECT_EQ(left.Pixel(3, 4), kPaper);
    EXPECT_EQ(left.Pixel(6, 2), kInk);
    TBitmap drop = Paper(9, 9);
    TvxSymbols::DrawDropArrow(drop.Canvas(), { 0, 0, 9, 9 }, clBlack);
    EXPECT_EQ(Inked(drop),
        (std::vector<std::string> { "2,4", "3,4", "4,4", "5,4", "6,4", "3,5", "4,5", "5,5", "4,6" }));

    TBitmap check = Paper(10, 10);
    TvxSymbols::DrawCheckMark(check.Canvas(), 0, 0, clBlack);
    EXPECT_EQ(check.Pixel(0, 5), kInk);
    EXPECT_EQ(check.Pixel(2, 7), kInk);
    EXPECT_EQ(check.Pixel(6, 3), kInk);
    EXPECT_EQ(check.Pixel(7, 2), kPaper); // the polyline leaves out its last point
    EXPECT_EQ(check.Pixel(2, 5), kInk);

    TBitmap close = Paper(12, 12);
    TvxSymbols::DrawCaptionSymbol(close.Canvas(), 0, 0, clBlack, vxcsClose);
    EXPECT_EQ(close.Pixel(1, 1), kInk);
    EXPECT_EQ(close.Pixel(8, 8), kInk);
    EXPECT_EQ(close.Pixel(9, 9), kPaper);
    EXPECT_EQ(close.Pixel(2, 1), kInk);
    TBitmap max = Paper(12, 12);
    TvxSymbols::DrawCaptionSymbol(max.Canvas(), 0, 0, clBlack, vxcsMaximize);
    EXPECT_EQ(max.Pixel(5, 1), kInk); // the thick title bar
    EXPECT_EQ(max.Pixel(5, 2), kPaper);
    EXPECT_EQ(max.Pixel(10, 9), kInk);
    EXPECT_EQ(max.Pixel(5, 5), kPaper);
    TBitmap tray = Paper(12, 12);
    TvxSymbols::DrawCaptionSymbol(tray.Canvas(), 0, 0, clBlack, vxcsTray);
    EXPECT_EQ(Inked(tray).size(), 25u);
    TBitmap roll = Paper(12, 12);
    TvxSymbols::DrawCaptionSymbol(roll.Canvas(), 0, 0, clBlack, vxcsRollDown);
    EXPECT_EQ(roll.Pixel(1, 2), kInk); // widest at the top
    EXPECT_EQ(roll.Pixel(5, 5), kInk);
    EXPECT_EQ(roll.Pixel(5, 6), kPaper); // the tip line has no length
}

TEST(TvxPlatform, RectangleHelpers)
{
    EXPECT_TRUE((TRect { 5, 5, 5, 9 }).IsEmpty());
    EXPECT_TRUE(PointInRect({ 10, 10 }, { 0, 0, 10, 10 }));
    EXPECT_FALSE((TRect { 0, 0, 10, 10 }).Contains({ 10, 10 }));
    EXPECT_TRUE((TRect { 0, 0, 10, 10 }).Contains({ 9, 0 }));
    EXPECT_EQ((TRect { 0, 0, 10, 10 }).Intersect({ 5, -3, 20, 4 }), (TRect { 5, 0, 10, 4 }));
    EXPECT_TRUE((TRect { 0, 0, 10, 10 }).Intersect({ 12, 0, 20, 4 }).IsEmpty());
    EXPECT_EQ((TRect { 1, 2, 3, 4 }).Offset(10, -2), (TRect { 11, 0, 13, 2 }));
    EXPECT_EQ((TRect { 3, 0, 10, 0 }).Width(), 7);
}

} // namespace tessel
