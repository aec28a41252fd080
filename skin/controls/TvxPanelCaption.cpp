#include "tessel/skin/controls/TvxPanelCaption.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxGlyphText.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/draw/TvxTextHelpers.h"

#include <algorithm>

namespace tessel {

namespace {

// A rectangle of the skin picture drawn with the picture's transparency; its width.
int DrawPiece(TCanvas& canvas, int x, int y, const TBitmap& picture, const TRect& piece)
{
    if (piece.IsEmpty())
        return 0;
    TBitmap part(piece.Width(), piece.Height());
    part.Canvas().CopySurface({ 0, 0, piece.Width(), piece.Height() }, picture.Surface(), piece);
    part.SetTransparent(true);
    canvas.Draw(x, y, part);
    return piece.Width();
}

} // namespace

int TvxPanelCaption::ImageWidth(const TvxPanelCaptionContent& c)
{
    bool glyph = c.glyph && !c.glyph->Empty();
    if (!glyph && c.images && c.image_index >= 0 && c.image_index < c.images->Count())
        return c.images->Width();
    return glyph ? c.glyph->Width() / std::max(1, c.num_glyphs) : 0;
}

int TvxPanelCaption::ImageHeight(const TvxPanelCaptionContent& c)
{
    bool glyph = c.glyph && !c.glyph->Empty();
    if (!glyph && c.images && c.image_index >= 0 && c.image_index < c.images->Count())
        return c.images->Height();
    return glyph ? c.glyph->Height() : 0;
}

int TvxPanelCaption::DrawImage(TCanvas& canvas, int x, int y, const TvxPanelCaptionContent& c)
{
    bool glyph = c.glyph && !c.glyph->Empty();
    if (!glyph && c.images && c.image_index >= 0 && c.image_index < c.images->Count()) {
        c.images->Draw(canvas, x, y, c.image_index, c.enabled);
        return c.images->Width();
    }
    if (!glyph)
        return 0;
    // Part 2 of a two-part glyph is the disabled look.
    int part = !c.enabled && c.num_glyphs == 2 ? 2 : 1;
    TvxGlyphText::DrawGlyph(canvas, x, y, *c.glyph, std::max(1, c.num_glyphs), part);
    return ImageWidth(c);
}

void TvxPanelCaption::DrawSkinned(TCanvas& canvas, TRect area, const TvxDataSkinPanelControl& record,
    const TBitmap& picture, const TvxPanelCaptionContent& c)
{
    TRect caption = area;
    if (c.roll_up_mode)
        area.right -= 12;
    if (c.checked_mode) {
        const TRect& check = c.checked ? record.checkimagerect : record.uncheckimagerect;
        int width
            = DrawPiece(canvas, area.left, area.top + (area.Height() - check.Height()) / 2, picture, check);
        area.left += width + 2;
    }
    int text_width = TvxTextHelpers::MeasureTextWidth(canvas, c.text);
    int text_height = TvxTextHelpers::MeasureTextHeight(canvas, c.text);
    int image_width = ImageWidth(c), image_height = ImageHeight(c);
    int w = text_width + (image_width ? image_width + c.spacing : 0);
    int x = record.alignment == taRightJustify ? area.right - w
        : record.alignment == taCenter         ? area.left + area.Width() / 2 - w / 2
                                               : area.left;
    int y = area.top + (area.Height() - text_height) / 2;
    int image_x = x, text_x = x;
    if (image_width) {
        if (c.image_position == vxipDefault) {
            text_x = x + image_width + c.spacing;
        } else {
            image_x = area.left + 2;
            int least = image_x + image_width + c.spacing;
            text_x = record.alignment == taLeftJustify ? least : std::max(least, x + image_width + c.spacing);
        }
    }
    if (c.roll_up_mode) {
        TRect mark { area.right, caption.top, area.right + 10, caption.bottom };
        if (!record.markframerect.IsEmpty())
            DrawPiece(canvas, mark.left, mark.top + (mark.Height() - record.markframerect.Height()) / 2,
                picture, record.markframerect);
        TvxSymbols::DrawArrow(canvas, mark, record.fontcolor, c.rolled_up ? vxaDown : vxaUp);
    }
    if (!record.framerect.IsEmpty()) {
        // A frame image behind the text, as wide as the text needs.
        const TRect& f = record.framerect;
        const TRect& ft = record.frametextrect;
        int frame_width = text_width + (f.Width() - ft.Width());
        TBitmap frame;
        TvxComposition::ComposeHorizontalStrip(
            record.frameleftoffset, record.framerightoffset, frame, false, frame_width, f, picture);
        int frame_x = x;
        if (record.alignment == taLeftJustify) {
            text_x += ft.left;
        } else if (record.alignment == taRightJustify) {
            int shift = f.Width() - ft.Width();
            frame_x -= shift;
            image_x -= shift;
            text_x += ft.left - shift;
        } else {
            frame_x -= ft.left + 2;
            image_x -= ft.left;
            text_x -= 2;
        }
        canvas.Draw(frame_x, record.captionrect.top, frame);
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(text_x, y, c.text);
    if (image_width)
        DrawImage(canvas, image_x, area.top + (area.Height() - image_height) / 2, c);
}

TRect TvxPanelCaption::DrawGroup(TCanvas& canvas, int width, int height,
    const TvxDataSkinPanelControl& record, const TBitmap& picture, TColor line, TColor text_color,
    const TvxPanelCaptionContent& c)
{
    int text_height = TvxTextHelpers::MeasureTextHeight(canvas, c.text);
    TRect row { 5, 0, width, text_height + 5 };
    int x = 5;
    if (c.checked_mode) {
        const TRect& check = c.checked ? record.checkimagerect : record.uncheckimagerect;
        x += DrawPiece(canvas, x, (row.Height() - check.Height()) / 2, picture, check) + 5;
    }
    int image_width = DrawImage(canvas, x, (row.Height() - ImageHeight(c)) / 2, c);
    if (image_width)
        x += image_width + 2;
    canvas.Font().SetColor(text_color);
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(x, (row.Height() - text_height) / 2, c.text);
    int text_end = x + TvxTextHelpers::MeasureTextWidth(canvas, c.text);
    if (c.roll_up_mode)
        TvxSymbols::DrawArrow(canvas, { text_end + 3, 0, text_end + 10, row.Height() }, text_color,
            c.rolled_up ? vxaDown : vxaUp);
    int m = row.Height() / 2;
    canvas.Pen().SetColor(line);
    canvas.MoveTo(text_end + (c.roll_up_mode ? 12 : 3), m);
    canvas.LineTo(width, m);
    canvas.MoveTo(0, m);
    canvas.LineTo(4, m);
    canvas.MoveTo(width - 1, m);
    canvas.LineTo(width - 1, height - 1);
    canvas.LineTo(0, height - 1);
    canvas.LineTo(0, m);
    return row;
}

void TvxPanelCaption::DrawDefault(
    TCanvas& canvas, TRect bar, TAlignment alignment, const TvxPanelCaptionContent& c)
{
    TRect area = bar;
    if (c.checked_mode) {
        TRect box { bar.left + 5, bar.top + (bar.Height() - 14) / 2, bar.left + 19,
            bar.top + (bar.Height() - 14) / 2 + 14 };
        canvas.Brush().SetColor(clWindow);
        canvas.FillRect(box);
        canvas.Frame3D(box, clBtnShadow, clBtnHighlight);
        if (c.checked)
            TvxSymbols::DrawCheckMark(canvas, box.left + 3, box.top + 3, clBtnText);
        area.left += 20;
    }
    if (c.roll_up_mode) {
        area.right -= 10;
        TvxSymbols::DrawArrow(
            canvas, { area.right, bar.top, bar.right, bar.bottom }, clBtnText, c.rolled_up ? vxaDown : vxaUp);
    }
    int text_width = TvxTextHelpers::MeasureTextWidth(canvas, c.text);
    int image_width = ImageWidth(c);
    int w = text_width + (image_width ? image_width + c.spacing : 0);
    int x = alignment == taRightJustify ? area.right - w
        : alignment == taCenter         ? area.left + 2 + area.Width() / 2 - w / 2
                                        : area.left + 2;
    if (image_width) {
        DrawImage(canvas, x, area.top + (area.Height() - ImageHeight(c)) / 2, c);
        x += image_width + c.spacing;
    }
    canvas.Brush().SetStyle(bsClear);
    TvxTextHelpers::DrawCaptionText(canvas, c.text, { x, area.top, area.right, area.bottom });
}

} // namespace tessel
