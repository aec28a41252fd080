#include "tessel/skin/menus/TvxMenuItemPainter.h"

#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TTextLayout.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/draw/TvxTextHelpers.h"
#include "tessel/skin/menus/TvxPopupFrame.h"
#include "tessel/skin/menus/TvxSkinMenuItem.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr TColor kBuiltInHot = 0xD2BDB6;

// The caption symbol of the frame's own menu entries, found by the item's name.
bool FrameSymbol(const std::string& name, TvxCaptionSymbol& symbol)
{
    struct TEntry {
        const char* name;
        TvxCaptionSymbol symbol;
    };
    static const TEntry kEntries[] = { { "VNR_CLOSE", vxcsClose }, { "TRAY_VNR_CLOSE", vxcsClose },
        { "VNR_MINITEM", vxcsMinimize }, { "VNR_MAXITEM", vxcsMaximize }, { "VNR_RESTORE", vxcsRestore },
        { "TRAY_VNR_RESTORE", vxcsRestore }, { "VNR_ROLLUP", vxcsRollUp }, { "VNR_MINTOTRAY", vxcsTray } };
    for (const TEntry& e : kEntries)
        if (name == e.name) {
            symbol = e.symbol;
            return true;
        }
    return false;
}

// A 6 x 6 filled round dot.
void Dot(TCanvas& c, int x, int y, TColor color)
{
    static const int kSpans[6][2] = { { 2, 4 }, { 1, 5 }, { 0, 6 }, { 0, 6 }, { 1, 5 }, { 2, 4 } };
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(color);
    for (int j = 0; j < 6; ++j)
        c.FillRect({ x + kSpans[j][0], y + j, x + kSpans[j][1], y + j + 1 });
    c.Brush().SetStyle(bsClear);
}

// rect of picture drawn centred in box, never left of or above it.
void DrawCentred(TCanvas& c, const TBitmap& picture, const TRect& rect, const TRect& box)
{
    int x = std::max(box.left, box.left + (box.Width() - rect.Width()) / 2);
    int y = std::max(box.top, box.top + (box.Height() - rect.Height()) / 2);
    c.CopySurface({ x, y, x + rect.Width(), y + rect.Height() }, picture.Surface(), rect);
}

} // namespace

void TvxMenuItemPainter::Draw(
    TCanvas& canvas, const TvxSkinMenuItem& item, const TvxMenuPaintContext& context)
{
    const TRect& r = item.ItemRect();
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    TBitmap image(r.Width(), r.Height());
    if (context.frame && context.frame->ItemRecord() && context.frame->ItemPicture())
        DrawSkinned(image.Canvas(), item, context);
    else
        DrawBuiltIn(image.Canvas(), item, context);
    canvas.Draw(r.left, r.top, image);
}

void TvxMenuItemPainter::DrawSkinned(
    TCanvas& c, const TvxSkinMenuItem& item, const TvxMenuPaintContext& context)
{
    const TvxDataSkinMenuItem& rec = *context.frame->ItemRecord();
    const TMenuItem& menu_item = item.MenuItem();
    const int w = item.ItemRect().Width(), h = item.ItemRect().Height();
    if (item.Separator()) {
        TBitmap line;
        TvxComposition::ComposeHorizontalStrip(rec.dividerleftoffset, rec.dividerrightoffset, line,
            rec.dividerstretcheffect, w, rec.dividerrect, *context.frame->ItemPicture());
        c.Draw(0, 0, line);
        return;
    }
    bool hot = item.Active() || item.Open();
    auto normal = [&] {
        if (rec.inactivetransparent && context.frame_background) {
            TBitmap piece(w, h);
            const TRect& at = item.ItemRect();
            piece.Canvas().CopySurface({ 0, 0, w, h }, context.frame_background->Surface(), at);
            return piece;
        }
        return context.frame->ItemImage(rec.skinrect, rec.inactivestretcheffect, w);
    };
    TBitmap image;
    if (item.ShowsFrame()) {
        TRect strip = rec.animateskinrect;
        int n = item.Frame();
        TRect frame;
        if (strip.Height() > rec.skinrect.Height()) {
            int fh = strip.Height() / rec.framecount;
            frame = { strip.left, strip.top + (n - 1) * fh, strip.right, strip.top + n * fh };
        } else {
            int fw = strip.Width() / rec.framecount;
            frame = { strip.left + (n - 1) * fw, strip.top, strip.left + n * fw, strip.bottom };
        }
        image = context.frame->ItemImage(frame, rec.stretcheffect, w);
    } else if (!item.CanMorph() || item.MorphFactor() == item.Target()) {
        image = hot ? context.frame->ItemImage(rec.activeskinrect, rec.stretcheffect, w) : normal();
    } else {
        TvxEffectBmp mixed(normal());
        mixed.Morph(rec.morphkind,
            TvxEffectBmp(context.frame->ItemImage(rec.activeskinrect, rec.stretcheffect, w)),
            item.MorphFactor());
        image = mixed.ToBitmap();
    }
    c.Draw(0, 0, image);
    TColor color = item.Active() ? rec.activefontcolor
        : menu_item.Enabled()    ? rec.fontcolor
                                 : rec.unenabledfontcolor;
    TRect text = rec.textrect;
    text.right += w - rec.skinrect.Width();
    DrawContent(c, item, context, text, color, false);
}

void TvxMenuItemPainter::DrawBuiltIn(
    TCanvas& c, const TvxSkinMenuItem& item, const TvxMenuPaintContext& context)
{
    const int w = item.ItemRect().Width(), h = item.ItemRect().Height();
    int column = context.images ? context.image_column + 3 : 22;
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clBtnFace);
    c.FillRect({ 0, 0, column, h });
    c.Brush().SetColor(clWindow);
    c.FillRect({ column, 0, w, h });
    if (item.Separator()) {
        c.Pen().SetColor(clBtnShadow);
        c.MoveTo(column, h / 2);
        c.LineTo(w, h / 2);
        return;
    }
    if (item.Active() || item.Open()) {
        c.Brush().SetColor(clNavy);
        c.FillRect({ 0, 0, w, h });
        c.Brush().SetColor(kBuiltInHot);
        c.FillRect({ 1, 1, w - 1, h - 1 });
    }
    TColor color = item.MenuItem().Enabled() ? clWindowText : clBtnShadow;
    DrawContent(c, item, context, { 2, 2, w - 2, h - 2 }, color, true);
}

void TvxMenuItemPainter::DrawContent(TCanvas& c, const TvxSkinMenuItem& item,
    const TvxMenuPaintContext& context, const TRect& text, TColor color, bool built_in)
{
    const TvxDataSkinMenuItem* rec = built_in ? nullptr : context.frame->ItemRecord();
    const TBitmap* art = built_in ? nullptr : context.frame->ItemPicture();
    TMenuItem& menu_item = item.MenuItem();
    const bool hot = item.Active();
    const int mid = text.top + text.Height() / 2;
    if (context.font)
        c.Font().Assign(*context.font);
    c.Font().SetColor(color);
    c.Brush().SetStyle(bsClear);
    if (item.Header()) {
        // A title: the caption without its dashes, centred.
        std::string title = menu_item.Caption().substr(1, menu_item.Caption().size() - 2);
        TRect r = text;
        c.DrawText(title, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    const bool has_image_rect = rec && !rec->imagerect.IsEmpty();
    int column = has_image_rect
        ? 0
        : (built_in ? (context.images ? context.image_column + 3 : 19) : context.image_column);
    int right_gap = built_in ? 19 : 16;
    // The caption, shortened to the room it has.
    TRect caption { text.left + column + 1, text.top, text.right - right_gap, text.bottom };
    std::string shown = menu_item.Caption();
    if (shown.find('\n') != std::string::npos || shown.find('\r') != std::string::npos)
        std::replace_if(
            shown.begin(), shown.end(), [](char ch) { return ch == '\n' || ch == '\r'; }, ' ');
    if (caption.Width() > 0)
        c.DrawText(shown, caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    if (menu_item.ShortCut() != scNone) {
        TRect r { text.left, text.top, text.right - right_gap, text.bottom };
        c.DrawText(
            ShortCutToText(menu_item.ShortCut()), r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (menu_item.Count() > 0) {
        if (rec && !rec->arrowimagerect.IsEmpty() && art) {
            const TRect& a = hot ? rec->activearrowimagerect : rec->arrowimagerect;
            int box = 5 + a.Width();
            DrawCentred(c, *art, a, { text.right - box, text.top, text.right, text.bottom });
        } else {
            int x = text.right - 7, y = mid - 4;
            c.Pen().SetColor(color);
            for (int i = 0; i < 4; ++i) {
                c.MoveTo(x + i, y + i);
                c.LineTo(x + i, y + 7 - i);
            }
        }
    }
    TColor mark = color;
    if (rec && rec->useimagecolor)
        mark = hot ? rec->activeimagecolor : rec->imagecolor;
    // The image: the item's own picture, else the image list's.
    const TBitmap* own = menu_item.HasBitmap() && !menu_item.Bitmap().Empty() ? &menu_item.Bitmap() : nullptr;
    TImageList* list = context.images;
    bool listed = !own && list && menu_item.ImageIndex() >= 0 && menu_item.ImageIndex() < list->Count();
    if (own || listed) {
        int iw = own ? own->Width() : list->Width(), ih = own ? own->Height() : list->Height();
        TPoint at { text.left + 2, mid - ih / 2 };
        if (has_image_rect)
            at = { rec->imagerect.left + (rec->imagerect.Width() - iw) / 2,
                rec->imagerect.top + (rec->imagerect.Height() - ih) / 2 };
        if (own)
            c.Draw(at.x, at.y, *own);
        else
            list->Draw(c, at.x, at.y, menu_item.ImageIndex(), menu_item.Enabled());
        if (menu_item.Checked()) {
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(mark);
            c.FrameRect({ at.x - 1, at.y - 1, at.x + iw + 1, at.y + ih + 1 });
        }
        return;
    }
    TPoint at { text.left + 2, mid - 4 };
    if (has_image_rect)
        at = { rec->imagerect.left + rec->imagerect.Width() / 2 - 4,
            rec->imagerect.top + rec->imagerect.Height() / 2 - 4 };
    TvxCaptionSymbol symbol;
    if (FrameSymbol(menu_item.Name(), symbol)) {
        TvxSymbols::DrawCaptionSymbol(c, at.x, at.y, mark, symbol);
        return;
    }
    if (!menu_item.Checked())
        return;
    TRect box = has_image_rect ? rec->imagerect : TRect { text.left + 2, mid - 8, text.left + 18, mid + 8 };
    if (menu_item.RadioItem()) {
        if (rec && art && !rec->radioimagerect.IsEmpty())
            DrawCentred(c, *art, hot ? rec->activeradioimagerect : rec->radioimagerect, box);
        else if (built_in)
            Dot(c, text.left + 3, mid - 3 + 1, mark);
        else
            Dot(c, at.x, at.y + 1, mark);
    } else {
        if (rec && art && !rec->checkimagerect.IsEmpty())
            DrawCentred(c, *art, hot ? rec->activecheckimagerect : rec->checkimagerect, box);
        else
            TvxSymbols::DrawCheckMark(c, built_in ? text.left + 3 : at.x, at.y, mark);
    }
}

} // namespace tessel
