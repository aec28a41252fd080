#include "tessel/skin/form/TvxClientFrameLook.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

TBitmap TvxClientFrameLook::Compose(const TvxSkinData& data, int width, int height)
{
    const TvxSkinFormInfo& f = data.FormInfo();
    const TBitmap& picture = data.Picture();
    TBitmap image;
    bool corners = f.lefttoppoint.x || f.lefttoppoint.y || f.rightbottompoint.x || f.rightbottompoint.y;
    if (!corners) {
        image = picture;
        return image;
    }
    TvxElementGeometry g = TvxFrameGeometry::PictureGeometry(data);
    TvxFrameGeometry target = TvxFrameGeometry::Compute(data, width, height);
    TvxComposition::ComposeElementImage(g, target.Target(), image, picture, width, height, true);
    return image;
}

TBitmap TvxClientFrameLook::ComposeRolledUp(const TvxSkinData& data, int width)
{
    return ComposeRolledUp(data, width, data.RollUpPicture());
}

TBitmap TvxClientFrameLook::ComposeRolledUp(const TvxSkinData& data, int width, const TBitmap& picture)
{
    const TvxSkinFormInfo& f = data.FormInfo();
    TBitmap image;
    if (f.rollupleftpoint.x < f.rolluprightpoint.x)
        TvxComposition::ComposeHorizontalStrip(f.rollupleftpoint.x, picture.Width() - f.rolluprightpoint.x,
            image, f.stretcheffect, width, picture.Surface().Bounds(), picture);
    else
        image = picture;
    return image;
}

void TvxClientFrameLook::Paint(TDeviceContext& dc, const TvxFrameScene& scene) const
{
    const int w = scene.geometry.W, h = scene.geometry.H;
    if (w <= 0 || h <= 0)
        return;
    if (!scene.data || scene.data->Empty() || scene.data->Picture().Empty()) {
        dc.FillRect({ 0, 0, w, h }, ColorToArgb(clBtnFace));
        dc.Rectangle({ 0, 0, w, h }, ColorToArgb(clBlack), ColorToArgb(clBtnFace));
        return;
    }
    const TvxSkinData& data = *scene.data;
    bool rolled_up = scene.rolled_up && !data.RollUpPicture().Empty();
    TBitmap image = rolled_up ? ComposeRolledUp(data, w) : Compose(data, w, h);
    for (TvxActiveSkinObject* object : scene.objects)
        object->Draw(image.Canvas(), false);
    // The skin's size grip, from the status bar record FORMINFO names.
    if (scene.normal_state && !scene.geometry.SizeGripRect.IsEmpty()) {
        int i = data.GetControlIndex(data.FormInfo().statusbarname);
        auto* record = i >= 0 ? dynamic_cast<const TvxDataSkinPanelControl*>(data.ControlList(i)) : nullptr;
        const TBitmap* grip = record ? data.ActivePicture(record->pictureindex) : nullptr;
        if (record && grip && !record->gripperrect.IsEmpty()) {
            const TRect& g = record->gripperrect;
            TBitmap piece(g.Width(), g.Height());
            piece.Canvas().CopySurface({ 0, 0, g.Width(), g.Height() }, grip->Surface(), g);
            if (record->grippertransparent) {
                piece.SetTransparentMode(tmFixed);
                piece.SetTransparentColor(record->grippertransparentcolor);
                piece.SetTransparent(true);
            }
            image.Canvas().Draw(scene.geometry.SizeGripRect.left, scene.geometry.SizeGripRect.top, piece);
        }
    }
    dc.BitBlt(0, 0, image.Width(), image.Height(), image.Surface(), 0, 0);
}

} // namespace tessel
