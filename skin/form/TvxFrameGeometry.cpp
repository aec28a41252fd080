#include "tessel/skin/form/TvxFrameGeometry.h"

#include "tessel/skin/data/TvxSkinData.h"

namespace tessel {

namespace {

TPoint Plus(TPoint p, int dx, int dy)
{
    return { p.x + dx, p.y + dy };
}

} // namespace

int BuiltInCaptionHeight(bool tool_window)
{
    return tool_window ? 15 : 19;
}

bool TvxFrameGeometry::HasSkinFrame(const TvxSkinData* data)
{
    return data && !data->Empty() && !data->FormInfo().clientrect.IsEmpty() && !data->Picture().Empty();
}

bool TvxFrameGeometry::Sizeable(const TvxSkinData& data)
{
    const TvxSkinFormInfo& f = data.FormInfo();
    return f.rightbottompoint.x != f.lefttoppoint.x && f.rightbottompoint.y != f.lefttoppoint.y;
}

TvxElementGeometry TvxFrameGeometry::PictureGeometry(const TvxSkinData& data)
{
    const TvxSkinFormInfo& f = data.FormInfo();
    return TvxElementGeometry::FromFrame(f, data.Picture().Surface().Bounds(), f.clientrect);
}

TvxFrameGeometry TvxFrameGeometry::Compute(const TvxSkinData& data, int width, int height)
{
    TvxFrameGeometry g;
    g.W = width;
    g.H = height;
    if (data.Empty())
        return g;
    const TvxSkinFormInfo& f = data.FormInfo();
    const int pw = data.Picture().Width(), ph = data.Picture().Height();
    const int dw = width - pw, dh = height - ph;
    g.NewLT = f.lefttoppoint;
    g.NewRT = Plus(f.righttoppoint, dw, 0);
    g.NewLB = Plus(f.leftbottompoint, 0, dh);
    g.NewRB = Plus(f.rightbottompoint, dw, dh);
    g.NewClient = { f.clientrect.left, f.clientrect.top, f.clientrect.right + dw, f.clientrect.bottom + dh };
    g.CaptionRect = f.captionrect;
    if (!g.CaptionRect.IsEmpty())
        g.CaptionRect.right += dw;
    g.ButtonsRect = f.buttonsrect;
    if (!g.ButtonsRect.IsEmpty() && g.ButtonsRect.left > pw / 2)
        g.ButtonsRect = g.ButtonsRect.Offset(dw, 0);
    g.ButtonsOffset = f.buttonsoffset;
    g.ButtonsInLeft = f.buttonsinleft;
    g.HitLT = f.hittestlefttoppoint;
    g.HitRT = Plus(f.hittestrighttoppoint, dw, 0);
    g.HitLB = Plus(f.hittestleftbottompoint, 0, dh);
    g.HitRB = Plus(f.hittestrightbottompoint, dw, dh);
    g.MaskRect
        = { f.maskrectarea.left, f.maskrectarea.top, f.maskrectarea.right + dw, f.maskrectarea.bottom + dh };
    TvxElementGeometry picture = PictureGeometry(data);
    g.IconRect = MapSkinRect(vxcmFull, picture, width, height, f.iconrect);
    g.MainMenuRect = f.mainmenurect;
    if (Sizeable(data)) {
        g.MainMenuRect.right += dw;
        TRect lower_left { 0, f.leftbottompoint.y, f.leftbottompoint.x, ph };
        if (lower_left.Contains({ g.MainMenuRect.left, g.MainMenuRect.top }))
            g.MainMenuRect = g.MainMenuRect.Offset(0, dh);
    }
    if (!f.sizegriparea.IsEmpty())
        g.SizeGripRect = MapSkinRect(vxcmFull, picture, width, height, f.sizegriparea);
    return g;
}

} // namespace tessel
