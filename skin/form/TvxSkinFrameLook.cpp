#include "tessel/skin/form/TvxSkinFrameLook.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

TvxFrameEdges TvxSkinFrameLook::ComposeEdges(const TvxSkinData& data, const TvxFrameGeometry& g, bool active)
{
    const TBitmap& source
        = active || data.InactivePicture().Empty() ? data.Picture() : data.InactivePicture();
    TvxElementGeometry picture = TvxFrameGeometry::PictureGeometry(data);
    picture.R = source.Surface().Bounds();
    return TvxComposition::ComposeFrameEdges(picture, g.Target(), source, g.W, g.H);
}

void TvxSkinFrameLook::Paint(TDeviceContext& dc, const TvxFrameScene& scene) const
{
    const TvxFrameGeometry& g = scene.geometry;
    if (!scene.data || g.W <= 0 || g.H <= 0)
        return;
    TvxFrameEdges edges = ComposeEdges(*scene.data, g, scene.active);
    const TRect& client = g.NewClient;
    // Objects above the client go into the top image, those below into the bottom one.
    for (TvxActiveSkinObject* object : scene.objects) {
        TRect place = object->ObjectRect();
        if (place.bottom <= client.top) {
            if (!edges.top.Empty())
                object->Draw(edges.top.Canvas(), false);
        } else if (!edges.bottom.Empty()) {
            object->SetObjectRect(place.Offset(0, -client.bottom));
            object->Draw(edges.bottom.Canvas(), false);
            object->SetObjectRect(place);
        }
    }
    const TvxSkinFormInfo& f = scene.data->FormInfo();
    if (!scene.active && f.autorenderinginactiveimage)
        for (TBitmap* image : { &edges.top, &edges.bottom, &edges.left, &edges.right })
            if (!image->Empty()) {
                TvxEffectBmp effect(*image);
                effect.InactiveEffect(f.inactiveeffect);
                *image = effect.ToBitmap();
            }
    TRegion saved = dc.Clip();
    if (client.top < client.bottom)
        dc.ExcludeClipRect(client);
    int top_height = edges.top.Height();
    auto draw = [&](const TBitmap& image, int x, int y) {
        if (!image.Empty())
            dc.BitBlt(x, y, image.Width(), image.Height(), image.Surface(), 0, 0);
    };
    draw(edges.top, 0, 0);
    draw(edges.left, 0, top_height);
    draw(edges.right, g.W - edges.right.Width(), top_height);
    draw(edges.bottom, 0, g.H - edges.bottom.Height());
    dc.RestoreClip(saved);
}

} // namespace tessel
