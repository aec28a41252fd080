#include "tessel/framework/TCanvas.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TTextDrawer.h"

namespace tessel {

TCanvas::TPaintScope::TPaintScope(TCanvas& canvas, TDeviceContext& dc, const TFont& font, TColor color)
    : m_canvas(canvas)
{
    canvas.SetHandle(&dc);
    canvas.Font().Assign(font);
    canvas.Brush().SetColor(color);
    canvas.Pen() = TPen();
}

void TCanvas::LineTo(int x, int y)
{
    if (m_dc && m_pen.Style() != psClear)
        m_dc->Line(m_pen_pos.x, m_pen_pos.y, x, y, ColorToArgb(m_pen.Color()));
    m_pen_pos = { x, y };
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (m_dc && m_pen.Style() != psClear && !points.empty())
        m_dc->Polyline(points.data(), static_cast<int>(points.size()), ColorToArgb(m_pen.Color()));
}

void TCanvas::FillRect(const TRect& rect)
{
    if (m_dc && m_brush.Style() != bsClear)
        m_dc->FillRect(rect, ColorToArgb(m_brush.Color()));
}

void TCanvas::FrameRect(const TRect& rect)
{
    if (!m_dc || rect.IsEmpty())
        return;
    uint32_t c = ColorToArgb(m_brush.Color());
    m_dc->FillRect({ rect.left, rect.top, rect.right, rect.top + 1 }, c);
    m_dc->FillRect({ rect.left, rect.bottom - 1, rect.right, rect.bottom }, c);
    m_dc->FillRect({ rect.left, rect.top, rect.left + 1, rect.bottom }, c);
    m_dc->FillRect({ rect.right - 1, rect.top, rect.right, rect.bottom }, c);
}

void TCanvas::Rectangle(const TRect& rect)
{
    if (!m_dc)
        return;
    FillRect(rect);
    if (m_pen.Style() != psClear) {
        TBrush saved = m_brush;
        m_brush.SetColor(m_pen.Color());
        FrameRect(rect);
        m_brush = saved;
    }
}

void TCanvas::Frame3D(const TRect& r, TColor top_left, TColor bottom_right)
{
    m_pen.SetColor(top_left);
    MoveTo(r.left, r.bottom - 1);
    LineTo(r.left, r.top);
    LineTo(r.right - 1, r.top);
    m_pen.SetColor(bottom_right);
    LineTo(r.right - 1, r.bottom - 1);
    LineTo(r.left, r.bottom - 1);
}

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    if (!m_dc)
        return;
    TTextColors colors { ColorToArgb(m_font.Color()), {} };
    if (m_brush.Style() == bsSolid)
        colors.background = ColorToArgb(m_brush.Color());
    TTextDrawer::TextOut(*m_dc, *m_font.Face(), x, y, text, colors);
    m_pen_pos = { x + TextWidth(text), y };
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text)
{
    if (!m_dc)
        return;
    TRegion saved = m_dc->Clip();
    FillRect(rect);
    m_dc->IntersectClipRect(rect);
    TBrushStyle style = m_brush.Style();
    m_brush.SetStyle(bsClear);
    TextOut(x, y, text);
    m_brush.SetStyle(style);
    m_dc->RestoreClip(saved);
}

TPoint TCanvas::TextExtent(std::string_view text) const
{
    return TTextDrawer::TextExtent(*m_font.Face(), text);
}

int TCanvas::DrawText(std::string_view text, TRect& rect, uint32_t format)
{
    TTextColors colors { ColorToArgb(m_font.Color()), {} };
    if (m_brush.Style() == bsSolid)
        colors.background = ColorToArgb(m_brush.Color());
    if (!m_dc) {
        // Measuring needs no context.
        if (!(format & DT_CALCRECT))
            return 0;
        TSurface scratch(1, 1);
        TDeviceContext dc(scratch);
        return TTextDrawer::DrawText(dc, *m_font.Face(), text, rect, format, colors);
    }
    return TTextDrawer::DrawText(*m_dc, *m_font.Face(), text, rect, format, colors);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    if (!m_dc || bitmap.Empty())
        return;
    if (bitmap.Transparent())
        m_dc->TransparentCopy(
            x, y, bitmap.Surface(), bitmap.Surface().Bounds(), ColorToArgb(bitmap.TransparentColor()));
    else
        m_dc->BitBlt(x, y, bitmap.Width(), bitmap.Height(), bitmap.Surface(), 0, 0);
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap)
{
    if (m_dc && !bitmap.Empty())
        CopySurface(rect, bitmap.Surface(), bitmap.Surface().Bounds());
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& from)
{
    if (!m_dc || !source.m_dc)
        return;
    CopySurface(dest, source.m_dc->Surface(), from.Offset(source.m_dc->Origin().x, source.m_dc->Origin().y));
}

void TCanvas::CopySurface(const TRect& dest, const TSurface& source, const TRect& from)
{
    if (!m_dc || dest.IsEmpty() || from.IsEmpty())
        return;
    if (dest.Width() == from.Width() && dest.Height() == from.Height())
        m_dc->BitBlt(dest.left, dest.top, dest.Width(), dest.Height(), source, from.left, from.top);
    else
        m_dc->StretchBlt(dest, source, from);
}

TColor TCanvas::Pixel(int x, int y) const
{
    return m_dc ? ArgbToColor(m_dc->GetPixel(x, y)) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (m_dc)
        m_dc->SetPixel(x, y, ColorToArgb(color));
}

TRect TCanvas::ClipRect() const
{
    return m_dc ? m_dc->ClipBox() : TRect {};
}

} // namespace tessel
