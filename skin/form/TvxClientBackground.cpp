#include "tessel/skin/form/TvxClientBackground.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxFrameGeometry.h"

namespace tessel {

void TvxClientBackground::Paint(TDeviceContext& dc, const TvxSkinData* data, const TRect& client,
    const TvxFrameGeometry& g, TBitmap& logo, bool logo_transparent)
{
    const uint32_t face = ColorToArgb(clBtnFace);
    const TBitmap* source = nullptr;
    TRect piece;
    if (data) {
        const TvxSkinFormInfo& f = data->FormInfo();
        const TBitmap* background = data->ActivePicture(f.bgpictureindex);
        if (background && !background->Empty()) {
            source = background;
            piece = background->Surface().Bounds();
        } else {
            source = &data->Picture();
            piece = f.clientrect.Intersect(source->Surface().Bounds());
        }
    }
    if (!source || piece.IsEmpty()) {
        dc.FillRect(client, face);
    } else if (data->FormInfo().stretcheffect && client.Width() > 0 && client.Height() > 0) {
        const TSurface& s = source->Surface();
        const int pw = piece.Width(), ph = piece.Height();
        switch (data->FormInfo().stretchtype) {
        case sthorz:
            for (int x = 0; x <= g.W / pw; ++x)
                dc.StretchBlt({ x * pw, 0, x * pw + pw, g.H }, s, piece);
            break;
        case stvert:
            for (int y = 0; y <= g.H / ph; ++y)
                dc.StretchBlt({ 0, y * ph, g.W, y * ph + ph }, s, piece);
            break;
        default:
            dc.StretchBlt({ 0, 0, g.W, g.H }, s, piece);
            break;
        }
    } else {
        const TSurface& s = source->Surface();
        for (int y = 0; y <= client.Height() / piece.Height(); ++y)
            for (int x = 0; x <= client.Width() / piece.Width(); ++x)
                dc.BitBlt(x * piece.Width(), y * piece.Height(), piece.Width(), piece.Height(), s, piece.left,
                    piece.top);
    }
    if (!logo.Empty()) {
        logo.SetTransparent(logo_transparent);
        TCanvas canvas;
        canvas.SetHandle(&dc);
        canvas.Draw((client.Width() - logo.Width()) / 2, (client.Height() - logo.Height()) / 2, logo);
        canvas.SetHandle(nullptr);
    }
}

} // namespace tessel
