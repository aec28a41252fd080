#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TFontEngine.h"
#include "tessel/platform/TSurface.h"
#include "tessel/platform/TTextDrawer.h"
#include "tessel/platform/TTextLayout.h"
#include "tessel/platform/Utf8.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

const TTextColors kBlack { 0xFF000000, std::nullopt };

// A made-up font: every character 6 pixels wide, "W" 10, a space 3; lines 13 high.
TTextLayout FixedLayout()
{
    return TTextLayout({ 10, 3, 13, 5 }, [](char32_t c) { return c == U'W' ? 10 : c == U' ' ? 3 : 6; });
}

std::vector<std::u32string> Texts(const TTextLayout& layout)
{
    std::vector<std::u32string> out;
    for (const TTextLine& line : layout.Lines())
        out.push_back(line.text);
    return out;
}

// How many pixels of a surface differ from white inside a rectangle.
int Inked(const TSurface& s, TRect r)
{
    int n = 0;
    for (int y = std::max(0, r.top); y < std::min(s.Height(), r.bottom); ++y)
        for (int x = std::max(0, r.left); x < std::min(s.Width(), r.right); ++x)
            n += s.Pixel(x, y) != 0xFFFFFFFF;
    return n;
}

} // namespace

TEST(TextLayout, PlacesSingleLinesByTheAlignmentFlags)
{
    TTextLayout layout = FixedLayout();
    TRect rect { 0, 0, 100, 40 };
    layout.Layout("abc", rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    ASSERT_EQ(layout.Lines().size(), 1u);
    EXPECT_EQ(layout.Lines()[0].x, 41); // (100 - 18) / 2
    EXPECT_EQ(layout.Lines()[0].y, 13); // (40 - 13) / 2
    EXPECT_EQ(layout.Height(), 26);
    layout.Layout("abc", rect, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT);
    EXPECT_EQ(layout.Lines()[0].x, 82);
    EXPECT_EQ(layout.Lines()[0].y, 27);
    layout.Layout("Wa b", { 5, 7, 6, 8 }, DT_SINGLELINE);
    EXPECT_EQ(layout.CalcRect(), (TRect { 5, 7, 30, 20 }));
    // Line breaks count only without DT_SINGLELINE; CR LF is one break.
    layout.Layout("a\r\nb\nc\rd", rect, 0);
    EXPECT_EQ(Texts(layout), (std::vector<std::u32string> { U"a", U"b", U"c", U"d" }));
    EXPECT_EQ(layout.Lines()[3].y, 39);
    layout.Layout("a\r\nb", rect, DT_SINGLELINE);
    EXPECT_EQ(Texts(layout), std::vector<std::u32string> { U"ab" });
    // An empty text is one empty line.
    layout.Layout("", rect, DT_CALCRECT);
    EXPECT_EQ(layout.CalcRect(), (TRect { 0, 0, 0, 13 }));
}

TEST(TextLayout, BreaksBetweenWordsAndKeepsLongWordsWhole)
{
    TTextLayout layout = FixedLayout();
    layout.Layout("aaa bbb ccc", { 0, 0, 40, 100 }, DT_WORDBREAK);
    EXPECT_EQ(Texts(layout), (std::vector<std::u32string> { U"aaa bbb", U"ccc" }));
    EXPECT_EQ(layout.CalcRect(), (TRect { 0, 0, 39, 26 }));
    layout.Layout("aaa bbb ccc", { 0, 0, 38, 100 }, DT_WORDBREAK | DT_CENTER);
    EXPECT_EQ(Texts(layout), (std::vector<std::u32string> { U"aaa", U"bbb", U"ccc" }));
    EXPECT_EQ(layout.Lines()[1].x, 10);
    // The spaces where a line breaks go with neither line.
    layout.Layout("ab     cd", { 0, 0, 20, 100 }, DT_WORDBREAK);
    EXPECT_EQ(Texts(layout), (std::vector<std::u32string> { U"ab", U"cd" }));
    layout.Layout("abcdefghij x", { 0, 0, 20, 100 }, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(Texts(layout), (std::vector<std::u32string> { U"abcdefghij", U"x" }));
    EXPECT_EQ(layout.CalcRect(), (TRect { 0, 0, 60, 26 }));
}

TEST(TextLayout, PrefixesTabsAndEllipses)
{
    TTextLayout layout = FixedLayout();
    TRect rect { 0, 0, 200, 20 };
    layout.Layout("&File", rect, DT_SINGLELINE);
    EXPECT_EQ(layout.Lines()[0].text, U"File");
    EXPECT_EQ(layout.Lines()[0].underline, 0);
    layout.Layout("Save &As && more&", rect, DT_SINGLELINE);
    EXPECT_EQ(layout.Lines()[0].text, U"Save As & more");
    EXPECT_EQ(layout.Lines()[0].underline, 5);
    layout.Layout("ab& cd", { 0, 0, 14, 100 }, DT_WORDBREAK); // the marked space goes with the break
    EXPECT_EQ(Texts(layout), (std::vector<std::u32string> { U"ab", U"cd" }));
    EXPECT_EQ(layout.Lines()[0].underline, -1);
    layout.Layout("&File", rect, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(layout.Lines()[0].text, U"&File");
    EXPECT_EQ(layout.Lines()[0].underline, -1);
    // Tab stops every eight average widths (5 pixels).
    layout.Layout("a\tb\tc", rect, DT_SINGLELINE | DT_EXPANDTABS);
    EXPECT_EQ(layout.Lines()[0].offsets, (std::vector<int> { 0, 6, 40, 46, 80 }));
    EXPECT_EQ(layout.Lines()[0].width, 86);
    layout.Layout("abcdefghij", { 0, 0, 40, 20 }, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(layout.Lines()[0].text, U"abc...");
    layout.Layout("abcdef", { 0, 0, 40, 20 }, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(layout.Lines()[0].text, U"abcdef"); // it fits
    layout.Layout("abcdef", { 0, 0, 10, 20 }, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(layout.Lines()[0].text, U"...");
}

TEST(Utf8, DecodesAndReplacesWhatIsMalformed)
{
    EXPECT_EQ(DecodeUtf8("Gr\xC3\xB6\xC3\x9F"
                         "e \xE2\x82\xAC \xF0\x9F\x8E\xAE"),
        U"Größe € 🎮");
    EXPECT_EQ(DecodeUtf8("a\xC3"), U"a\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD"); // overlong
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(EncodeUtf8(U"Größe € 🎮"),
        "Gr\xC3\xB6\xC3\x9F"
        "e \xE2\x82\xAC \xF0\x9F\x8E\xAE");
}

TEST(Fonts, ResolveToMetricCompatibleFacesAndHonourTheHeightRules)
{
    LOGFONT arial;
    arial.lfFaceName = "Arial";
    arial.lfHeight = -11;
    TFontFace* face = TFontEngine::Instance().Face(arial);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->FamilyName(), "Liberation Sans");
    EXPECT_EQ(face->Metrics().height, face->Metrics().ascent + face->Metrics().descent);
    EXPECT_EQ(face->Metrics().ascent, 10); // 1854 / 2048 of 11 pixels
    LOGFONT cell = arial;
    cell.lfHeight = 16;
    EXPECT_EQ(TFontEngine::Instance().Face(cell)->Metrics().height, 16);
    EXPECT_EQ(TFontEngine::Instance().Face(arial), face); // opened once

    LOGFONT tahoma;
    tahoma.lfFaceName = "Tahoma";
    EXPECT_EQ(TFontEngine::Instance().Face(tahoma)->FamilyName(), "Tahoma");
    // Tahoma has no italic face: the slant is made up, so "l" leans over more columns.
    LOGFONT slanted = tahoma;
    slanted.lfItalic = true;
    slanted.lfHeight = tahoma.lfHeight = -20;
    EXPECT_GT(TFontEngine::Instance().Face(slanted)->Glyph(U'l').width,
        TFontEngine::Instance().Face(tahoma)->Glyph(U'l').width);

    LOGFONT bold = arial;
    bold.lfWeight = FW_BOLD;
    EXPECT_GT(TTextDrawer::TextExtent(*TFontEngine::Instance().Face(bold), "Hello world").x,
        TTextDrawer::TextExtent(*face, "Hello world").x);
    TPoint extent = TTextDrawer::TextExtent(*face, "Größe");
    EXPECT_GT(extent.x, 20);
    EXPECT_EQ(extent.y, face->Metrics().height);
    EXPECT_GT(face->Glyph(U'ö').coverage.size(), 0u);
}

TEST(Fonts, DrawTextInksInsideItsRectangleOnly)
{
    LOGFONT font;
    font.lfFaceName = "Arial";
    font.lfHeight = -14;
    TFontFace& face = *TFontEngine::Instance().Face(font);
    TSurface surface(200, 60, 0xFFFFFFFF);
    TDeviceContext dc(surface);
    TRect bounds { 10, 10, 190, 50 };
    TRect calc = bounds;
    TTextDrawer::DrawText(dc, face, "Wide Games", calc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(calc.left, 10);
    EXPECT_EQ(calc.Height(), face.Metrics().height);
    TRect rect = bounds;
    TTextDrawer::DrawText(dc, face, "Wide Games", rect, DT_SINGLELINE, kBlack);
    EXPECT_GT(Inked(surface, calc), 50);
    EXPECT_EQ(Inked(surface, { 0, 0, 200, 60 }), Inked(surface, calc));

    // Clipped to the rectangle unless DT_NOCLIP.
    surface = TSurface(200, 60, 0xFFFFFFFF);
    TRect narrow { 10, 10, 30, 50 };
    TTextDrawer::DrawText(dc, face, "Wide Games", narrow, DT_SINGLELINE, kBlack);
    EXPECT_EQ(Inked(surface, { 30, 0, 200, 60 }), 0);
    TTextDrawer::DrawText(dc, face, "Wide Games", narrow, DT_SINGLELINE | DT_NOCLIP, kBlack);
    EXPECT_GT(Inked(surface, { 30, 0, 200, 60 }), 0);

    // The prefix underlines its one character: a full row under the baseline.
    surface = TSurface(200, 60, 0xFFFFFFFF);
    TRect menu { 0, 0, 200, 30 };
    TTextDrawer::DrawText(dc, face, "&File", menu, DT_SINGLELINE, kBlack);
    int row = face.Metrics().ascent + face.UnderlinePosition();
    int f_width = face.Advance(U'F');
    for (int x = 0; x < f_width; ++x)
        EXPECT_EQ(surface.Pixel(x, row), 0xFF000000u) << x;
    EXPECT_EQ(Inked(surface, { f_width + 1, row, 200, row + face.LineThickness() }), 0);
}
