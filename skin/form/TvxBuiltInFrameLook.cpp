#include "tessel/skin/form/TvxBuiltInFrameLook.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/skin/draw/TvxTextHelpers.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

namespace {

void Bevel(TDeviceContext& dc, const TRect& r, TColor top_left, TColor bottom_right)
{
    uint32_t tl = ColorToArgb(top_left), br = ColorToArgb(bottom_right);
    dc.FillRect({ r.left, r.top, r.right, r.top + 1 }, tl);
    dc.FillRect({ r.left, r.top, r.left + 1, r.bottom }, tl);
    dc.FillRect({ r.left, r.bottom - 1, r.right, r.bottom }, br);
    dc.FillRect({ r.right - 1, r.top, r.right, r.bottom }, br);
}

} // namespace

void TvxBuiltInFrameLook::Paint(TDeviceContext& dc, const TvxFrameScene& scene) const
{
    const int W = scene.geometry.W, H = scene.geometry.H, c = scene.caption_height;
    if (W <= 6 || H <= 0)
        return;
    const TRect& caption = scene.default_caption_rect;
    TBitmap bar(W - 6, c);
    TCanvas& canvas = bar.Canvas();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect({ 0, 0, bar.Width(), bar.Height() });
    // Ridged lines across the caption, light and dark by turns.
    for (int y = 2; y <= c - 4 && c - 4 > 1; ++y) {
        canvas.Pen().SetColor((y - 2) % 2 ? clBtnShadow : clBtnHighlight);
        canvas.MoveTo(caption.left - 1, y);
        canvas.LineTo(caption.right - 6 + 1, y);
    }
    if (scene.caption_font)
        canvas.Font().Assign(*scene.caption_font);
    TRect text_area { caption.left - 3, 0, caption.right - 3, c };
    if (scene.on_caption_paint) {
        scene.on_caption_paint(canvas, text_area, scene.active);
    } else if (!scene.caption.empty()) {
        std::string text = scene.caption;
        int width = caption.right - caption.left + 3;
        if (canvas.TextWidth(text) > width)
            TvxTextHelpers::ShortenWithEllipsis(canvas, text, width);
        TPoint size = canvas.TextExtent(text);
        int left = (caption.left - 3) + width / 2 - (size.x + 5) / 2;
        int top = c / 2 - size.y / 2;
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect({ left - 2, top - 2, left + size.x + 2, top + size.y + 2 });
        canvas.Brush().SetStyle(bsClear);
        canvas.TextOut(left, top, text);
    }
    for (TvxActiveSkinObject* object : scene.objects) {
        TRect place = object->ObjectRect();
        object->SetObjectRect(place.Offset(-3, -3));
        object->Draw(canvas, true);
        object->SetObjectRect(place);
    }
    TRegion saved = dc.Clip();
    dc.ExcludeClipRect({ 3, c + 3, W - 3, H - 3 });
    dc.BitBlt(3, 3, bar.Width(), bar.Height(), bar.Surface(), 0, 0);
    TRect r { 0, 0, W, H };
    Bevel(dc, r, cl3DLight, cl3DDkShadow);
    Bevel(dc, { 1, 1, W - 1, H - 1 }, clBtnHighlight, clBtnShadow);
    Bevel(dc, { 2, 2, W - 2, H - 2 }, clBtnFace, clBtnFace);
    dc.RestoreClip(saved);
}

} // namespace tessel
