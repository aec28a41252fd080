#include "tessel/platform/TTextDrawer.h"

#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TSurface.h"
#include "tessel/platform/Utf8.h"

namespace tessel {

namespace {

TTextLayout MakeLayout(TFontFace& face)
{
    return TTextLayout(face.Metrics(), [&face](char32_t c) { return face.Advance(c); });
}

// Mixes the glyph's coverage with color onto the surface, pen at (x, baseline) in
// surface coordinates, inside the context's clip.
void PutGlyph(TDeviceContext& dc, const TGlyph& glyph, int x, int baseline, uint32_t color)
{
    if (glyph.width == 0 || glyph.height == 0)
        return;
    TRect box { x + glyph.left, baseline - glyph.top, x + glyph.left + glyph.width,
        baseline - glyph.top + glyph.height };
    TRegion area(box);
    area.Combine(area, dc.Clip(), RGN_AND);
    TSurface& s = dc.Surface();
    area.Combine(area, TRegion(s.Bounds()), RGN_AND);
    const uint32_t cr = (color >> 16) & 0xFF, cg = (color >> 8) & 0xFF, cb = color & 0xFF;
    for (const TRect& r : area.Rects())
        for (int y = r.top; y < r.bottom; ++y) {
            uint32_t* out = s.ScanLine(y);
            const uint8_t* cov = glyph.coverage.data() + static_cast<size_t>(y - box.top) * glyph.width;
            for (int px = r.left; px < r.right; ++px) {
                uint32_t a = cov[px - box.left];
                if (a == 0)
                    continue;
                uint32_t d = out[px];
                auto mix = [a](uint32_t fg, uint32_t bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
                out[px] = 0xFF000000 | mix(cr, (d >> 16) & 0xFF) << 16 | mix(cg, (d >> 8) & 0xFF) << 8
                    | mix(cb, d & 0xFF);
            }
        }
}

} // namespace

void TTextDrawer::DrawLine(
    TDeviceContext& dc, TFontFace& face, const TTextLine& line, const TTextColors& colors)
{
    const TTextMetrics& m = face.Metrics();
    if (colors.background)
        dc.FillRect({ line.x, line.y, line.x + line.width, line.y + m.height }, *colors.background);
    TPoint origin = dc.Origin();
    int baseline = line.y + m.ascent;
    for (size_t i = 0; i < line.text.size(); ++i) {
        char32_t c = line.text[i];
        if (c == U'\t')
            continue;
        PutGlyph(dc, face.Glyph(c), origin.x + line.x + line.offsets[i], origin.y + baseline, colors.text);
    }
    int thick = face.LineThickness();
    int under = baseline + face.UnderlinePosition();
    if (face.Font().lfUnderline)
        dc.FillRect({ line.x, under, line.x + line.width, under + thick }, colors.text);
    if (face.Font().lfStrikeOut) {
        int strike = baseline - face.StrikeOutPosition();
        dc.FillRect({ line.x, strike, line.x + line.width, strike + thick }, colors.text);
    }
    if (line.underline >= 0 && line.underline < static_cast<int>(line.text.size())) {
        auto i = static_cast<size_t>(line.underline);
        int from = line.offsets[i];
        int to = i + 1 < line.offsets.size() ? line.offsets[i + 1] : line.width;
        dc.FillRect({ line.x + from, under, line.x + to, under + thick }, colors.text);
    }
}

int TTextDrawer::DrawText(TDeviceContext& dc, TFontFace& face, std::string_view utf8, TRect& rect,
    uint32_t format, const TTextColors& colors)
{
    TTextLayout layout = MakeLayout(face);
    layout.Layout(utf8, rect, format);
    if (format & DT_CALCRECT) {
        rect = layout.CalcRect();
        return layout.Height();
    }
    TRegion saved = dc.Clip();
    if (!(format & DT_NOCLIP))
        dc.IntersectClipRect(rect);
    for (const TTextLine& line : layout.Lines())
        DrawLine(dc, face, line, colors);
    dc.RestoreClip(saved);
    return layout.Height();
}

void TTextDrawer::TextOut(
    TDeviceContext& dc, TFontFace& face, int x, int y, std::string_view utf8, const TTextColors& colors)
{
    TTextLayout layout = MakeLayout(face);
    layout.Layout(utf8, { x, y, x, y }, DT_SINGLELINE | DT_NOPREFIX);
    for (const TTextLine& line : layout.Lines())
        DrawLine(dc, face, line, colors);
}

TPoint TTextDrawer::TextExtent(TFontFace& face, std::string_view utf8)
{
    TTextLayout layout = MakeLayout(face);
    return { layout.Width(DecodeUtf8(utf8)), face.Metrics().height };
}

} // namespace tessel
