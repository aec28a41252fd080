#pragma once

#include "tessel/framework/TBrush.h"
#include "tessel/framework/TFont.h"
#include "tessel/framework/TPen.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TRect.h"

#include <string_view>
#include <vector>

namespace tessel {

class TBitmap;
class TSurface;

// Drawing with a pen, a brush and a font on a device context: a bitmap's pixels, a
// control's window while it paints, or a context handed over by a paint message.
// Without a context every drawing call does nothing.
class TCanvas {
public:
    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Lends the canvas a context for one paint, with the control's font, a solid
    // brush of its colour and a fresh pen; the canvas has no context again after.
    class TPaintScope {
    public:
        TPaintScope(TCanvas& canvas, TDeviceContext& dc, const TFont& font, TColor color);
        ~TPaintScope() { m_canvas.SetHandle(nullptr); }
        TPaintScope(const TPaintScope&) = delete;
        TPaintScope& operator=(const TPaintScope&) = delete;

    private:
        TCanvas& m_canvas;
    };

    TDeviceContext* Handle() const { return m_dc; }
    // The context is not owned; whoever gives it takes it away again.
    void SetHandle(TDeviceContext* dc) { m_dc = dc; }
    bool HandleAllocated() const { return m_dc != nullptr; }

    TFont& Font() { return m_font; }
    TPen& Pen() { return m_pen; }
    TBrush& Brush() { return m_brush; }

    TPoint PenPos() const { return m_pen_pos; }
    void MoveTo(int x, int y) { m_pen_pos = { x, y }; }
    // A pen line that leaves out its end point, which becomes the pen position.
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);
    void FillRect(const TRect& rect);
    // A one-pixel outline in the brush colour.
    void FrameRect(const TRect& rect);
    // Outlined with the pen, filled with the brush.
    void Rectangle(const TRect& rect);
    // A one-pixel bevel inside rect: top and left in one colour, bottom and right in
    // the other. Leaves the pen in the second colour.
    void Frame3D(const TRect& rect, TColor top_left, TColor bottom_right);

    // Text in the font's colour; a solid brush fills each line's cell first.
    void TextOut(int x, int y, std::string_view text);
    // Like TextOut, clipped to rect (which a solid brush fills first).
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    TPoint TextExtent(std::string_view text) const;
    int TextWidth(std::string_view text) const { return TextExtent(text).x; }
    int TextHeight(std::string_view text) const { return TextExtent(text).y; }
    // The platform's DrawText with the DT_* format; DT_CALCRECT measures only.
    int DrawText(std::string_view text, TRect& rect, uint32_t format);

    // Draws a bitmap at (x, y), leaving out its transparent colour when it is Transparent.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);
    // Copies (nearest pixel when the sizes differ) from another canvas's pixels.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& from);
    void CopySurface(const TRect& dest, const TSurface& source, const TRect& from);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    // The clip's bounds in the canvas's coordinates.
    TRect ClipRect() const;

private:
    TDeviceContext* m_dc = nullptr;
    TFont m_font;
    TPen m_pen;
    TBrush m_brush;
    TPoint m_pen_pos;
};

} // namespace tessel
