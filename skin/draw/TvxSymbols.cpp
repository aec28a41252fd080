#include "tessel/skin/draw/TvxSymbols.h"

#include "tessel/framework/TCanvas.h"

namespace tessel {

namespace {

void Line(TCanvas& c, int x0, int y0, int x1, int y1)
{
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
}

// An outline with the pen, nothing filled.
void Outline(TCanvas& c, int left, int top, int right, int bottom)
{
    TBrushStyle style = c.Brush().Style();
    c.Brush().SetStyle(bsClear);
    c.Rectangle({ left, top, right, bottom });
    c.Brush().SetStyle(style);
}

TPoint Centre(const TRect& r)
{
    return { r.left + r.Width() / 2, r.top + r.Height() / 2 };
}

} // namespace

void TvxSymbols::DrawArrow(TCanvas& c, const TRect& rect, TColor color, TvxArrowKind kind)
{
    c.Pen().SetColor(color);
    TPoint m = Centre(rect);
    switch (kind) {
    case vxaLeft:
        for (int i = 0; i <= 3; ++i)
            Line(c, m.x - 2 + i, m.y - i, m.x - 2 + i, m.y + i + 1);
        break;
    case vxaRight:
        for (int n = 3; n >= 0; --n)
            Line(c, m.x + 2 - n, m.y - n, m.x + 2 - n, m.y + n + 1);
        break;
    case vxaUp:
        for (int i = 0; i <= 3; ++i)
            Line(c, m.x - i, m.y - 2 + i, m.x + i + 1, m.y - 2 + i);
        break;
    case vxaDown:
        for (int n = 3; n >= 0; --n)
            Line(c, m.x - n, m.y + 2 - n, m.x + n + 1, m.y + 2 - n);
        break;
    }
}

void TvxSymbols::DrawDropArrow(TCanvas& c, const TRect& rect, TColor color)
{
    c.Pen().SetColor(color);
    TPoint m = Centre(rect);
    for (int n = 2; n >= 0; --n)
        Line(c, m.x - n, m.y + 2 - n, m.x + n + 1, m.y + 2 - n);
}

void TvxSymbols::DrawCheckMark(TCanvas& c, int x, int y, TColor color)
{
    c.Pen().SetColor(color);
    for (int i = 0; i <= 2; ++i)
        c.Polyline({ { x, y + 5 - i }, { x + 2, y + 7 - i }, { x + 7, y + 2 - i } });
}

void TvxSymbols::DrawCaptionSymbol(TCanvas& c, int x, int y, TColor color, TvxCaptionSymbol symbol)
{
    c.Pen().SetColor(color);
    switch (symbol) {
    case vxcsClose:
        Line(c, x + 1, y + 1, x + 9, y + 9);
        Line(c, x + 9, y + 1, x + 1, y + 9);
        Line(c, x + 2, y + 1, x + 10, y + 9);
        Line(c, x + 8, y + 1, x, y + 9);
        break;
    case vxcsMaximize:
        Outline(c, x, y, x + 11, y + 10);
        Outline(c, x, y, x + 11, y + 2);
        break;
    case vxcsMinimize:
        Line(c, x + 1, y + 8, x + 9, y + 8);
        Line(c, x + 1, y + 9, x + 9, y + 9);
        break;
    case vxcsRestore:
        Outline(c, x + 2, y, x + 10, y + 6);
        Outline(c, x + 2, y, x + 10, y + 2);
        Outline(c, x, y + 4, x + 7, y + 10);
        Outline(c, x, y + 4, x + 7, y + 6);
        break;
    case vxcsRollDown:
        for (int i = 0; i <= 4; ++i)
            Line(c, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
        break;
    case vxcsRollUp:
        for (int i = 0; i <= 4; ++i)
            Line(c, x + 5 - i, y + 2 + i, x + 5 + i, y + 2 + i);
        break;
    case vxcsSystemMenu:
        Outline(c, x + 1, y + 3, x + 9, y + 6);
        break;
    case vxcsTray:
        c.Brush().SetColor(color);
        c.FillRect({ x + 2, y + 2, x + 7, y + 7 });
        break;
    }
}

} // namespace tessel
