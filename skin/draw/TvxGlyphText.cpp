#include "tessel/skin/draw/TvxGlyphText.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/platform/TTextLayout.h"

namespace tessel {

TvxGlyphTextPlace TvxGlyphText::LayoutGlyphAndText(
    TvxGlyphLayout kind, const TRect& r, int gw, int gh, int tw, int th, int margin, int s)
{
    int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
    TvxGlyphTextPlace p;
    if (margin >= 0) {
        switch (kind) {
        case vxglGlyphLeft:
            p.glyph = { r.left + margin, cy - gh / 2 };
            p.text = { r.left + margin + gw + s, cy - th / 2 };
            break;
        case vxglGlyphRight:
            p.glyph = { r.right - gw - margin, cy - gh / 2 };
            p.text = { p.glyph.x - s - tw, cy - th / 2 };
            break;
        case vxglGlyphTop:
            p.glyph = { cx - gw / 2, r.top + margin };
            p.text = { cx - tw / 2, p.glyph.y + gh + s };
            break;
        case vxglGlyphBottom:
            p.glyph = { cx - gw / 2, r.bottom - gh - margin };
            p.text = { cx - tw / 2, p.glyph.y - s - th };
            break;
        }
        return p;
    }
    int across = (gw + tw + s) / 2, down = (th + gh + s) / 2;
    switch (kind) {
    case vxglGlyphLeft:
        p.glyph = { cx - across, cy - gh / 2 };
        p.text = { cx + across - tw, cy - th / 2 };
        break;
    case vxglGlyphRight:
        p.text = { cx - across, cy - th / 2 };
        p.glyph = { cx + across - gw, cy - gh / 2 };
        break;
    case vxglGlyphTop:
        p.glyph = { cx - gw / 2, cy - down };
        p.text = { cx - tw / 2, cy + down - th };
        break;
    case vxglGlyphBottom:
        p.text = { cx - tw / 2, cy - down };
        p.glyph = { cx - gw / 2, cy + down - gh };
        break;
    }
    return p;
}

template<class DrawGlyphAt>
void TvxGlyphText::Draw(TCanvas& c, const TRect& rect, int margin, int spacing, TvxGlyphLayout kind,
    TPoint glyph_size, const std::string& text, bool down, TvxBar bar, DrawGlyphAt draw_glyph)
{
    int gw = glyph_size.x, gh = glyph_size.y;
    int tw = 0, th = 0;
    if (!text.empty()) {
        bool across = kind == vxglGlyphLeft || kind == vxglGlyphRight;
        TRect measure { 0, 0, rect.Width() - (across ? gw : 0), rect.Height() - (across ? 0 : gh) };
        c.DrawText(text, measure, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
        tw = measure.Width();
        th = measure.Height();
    }
    TvxGlyphTextPlace p = LayoutGlyphAndText(kind, rect, gw, gh, tw, th, margin, spacing);
    if (down) {
        p.glyph = { p.glyph.x + 1, p.glyph.y + 1 };
        p.text = { p.text.x + 1, p.text.y + 1 };
    }
    TRect text_rect { p.text.x, p.text.y, p.text.x + tw + 2, p.text.y + th };
    if (!text.empty()) {
        TBrushStyle style = c.Brush().Style();
        c.Brush().SetStyle(bsClear);
        c.DrawText(text, text_rect, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
        c.Brush().SetStyle(style);
    }
    if (gw > 0 && gh > 0)
        draw_glyph(p.glyph);
    if (!bar.shown)
        return;
    c.Pen().SetColor(bar.color);
    auto lines = [&](int left, int right, int first_y) {
        for (int y = first_y; y < first_y + 3; ++y) {
            c.MoveTo(left, y);
            c.LineTo(right, y);
        }
    };
    if (gw > 0 && gh > 0) {
        lines(p.glyph.x, p.glyph.x + gw, p.glyph.y + gh - 2);
    } else if (!text.empty()) {
        lines(text_rect.left, text_rect.right, text_rect.bottom - 1);
    } else {
        c.Brush().SetColor(bar.color);
        c.FillRect(down ? TRect { rect.left + 4, rect.top + 5, rect.right - 2, rect.bottom - 3 }
                        : TRect { rect.left + 4, rect.top + 4, rect.right - 2, rect.bottom - 4 });
    }
}

void TvxGlyphText::DrawGlyphAndText(TCanvas& canvas, const TRect& rect, int margin, int spacing,
    TvxGlyphLayout kind, const TImageList* images, int index, bool enabled, const std::string& text,
    bool down, TvxBar bar)
{
    bool valid = images && index >= 0 && index < images->Count();
    TPoint size = valid ? TPoint { images->Width(), images->Height() } : TPoint {};
    Draw(canvas, rect, margin, spacing, kind, size, text, down, bar,
        [&](TPoint at) { images->Draw(canvas, at.x, at.y, index, enabled); });
}

void TvxGlyphText::DrawGlyphAndText(TCanvas& canvas, const TRect& rect, int margin, int spacing,
    TvxGlyphLayout kind, const TBitmap& strip, int num_glyphs, int glyph, const std::string& text, bool down,
    TvxBar bar)
{
    int n = num_glyphs > 0 ? num_glyphs : 1;
    TPoint size = strip.Empty() ? TPoint {} : TPoint { strip.Width() / n, strip.Height() };
    Draw(canvas, rect, margin, spacing, kind, size, text, down, bar,
        [&](TPoint at) { DrawGlyph(canvas, at.x, at.y, strip, num_glyphs, glyph); });
}

void TvxGlyphText::DrawGlyph(TCanvas& canvas, int x, int y, const TBitmap& strip, int num_glyphs, int glyph)
{
    if (strip.Empty() || num_glyphs <= 0)
        return;
    int gw = strip.Width() / num_glyphs;
    if (gw <= 0)
        return;
    TBitmap one(gw, strip.Height());
    for (int row = 0; row < strip.Height(); ++row)
        for (int col = 0; col < gw; ++col) {
            int sx = (glyph - 1) * gw + col;
            one.SetPixel(col, row, sx >= 0 && sx < strip.Width() ? strip.Pixel(sx, row) : 0);
        }
    one.SetTransparent(true);
    canvas.Draw(x, y, one);
}

} // namespace tessel
