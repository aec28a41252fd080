#include "tessel/skin/form/TvxMainMenuItemLook.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/draw/TvxTextHelpers.h"

#include <algorithm>

namespace tessel {

void TvxMainMenuItemLook::UseFont(TCanvas& canvas, const TvxDataSkinMainMenuItem& record)
{
    canvas.Font().SetName(record.fontname);
    canvas.Font().SetHeight(record.fontheight);
    canvas.Font().SetStyle(record.fontstyle);
}

int TvxMainMenuItemLook::Width(
    TCanvas& canvas, const TvxDataSkinMainMenuItem& record, const std::string& caption)
{
    TRect measured { 0, 0, 0, 0 };
    canvas.DrawText(caption, measured, DT_CALCRECT | DT_SINGLELINE);
    return record.skinrect.Width() + record.textrect.left + measured.Width() - record.textrect.right + 2;
}

TBitmap TvxMainMenuItemLook::Image(const TvxDataSkinMainMenuItem& record, const TBitmap& picture,
    const TRect& source, int width, int height, const std::string& caption, TState state)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    TBitmap image(width, source.Height() > 0 ? source.Height() : height);
    if (!source.IsEmpty())
        TvxComposition::ComposeHorizontalStrip(record.itemleftoffset, record.itemrightoffset, image,
            record.stretcheffect, width, source, picture);
    if (image.Height() != height) {
        TBitmap fitted(width, height);
        fitted.Canvas().StretchDraw({ 0, 0, width, height }, image);
        image = fitted;
    }
    TCanvas& c = image.Canvas();
    UseFont(c, record);
    c.Font().SetColor(state == sDown ? record.downfontcolor
            : state == sActive       ? record.activefontcolor
            : state == sNormal       ? record.fontcolor
                                     : record.unenabledfontColor);
    c.Brush().SetStyle(bsClear);
    // The text rectangle's right end follows the entry's right end.
    TRect text = record.textrect;
    text.right = width - (record.skinrect.Width() - record.textrect.right) + 2;
    text.bottom = std::min(text.bottom, height);
    c.DrawText(caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    return image;
}

TBitmap TvxMainMenuItemLook::Choose(const std::function<TBitmap(const TRect&)>& image, const TRect& normal,
    const TRect& active, const TRect& down, bool is_down, bool is_active, bool morphing, double factor,
    TvxMorphKind kind)
{
    if (is_down)
        return image(down.IsEmpty() ? (active.IsEmpty() ? normal : active) : down);
    if (morphing && !active.IsEmpty() && factor > 0 && factor < 1) {
        TvxEffectBmp mixed(image(normal)), other(image(active));
        mixed.Morph(kind, other, factor);
        return mixed.ToBitmap();
    }
    if (is_active && !active.IsEmpty())
        return image(active);
    return image(normal);
}

} // namespace tessel
