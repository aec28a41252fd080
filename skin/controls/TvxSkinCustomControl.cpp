#include "tessel/skin/controls/TvxSkinCustomControl.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/skin/draw/TvxComposition.h"

namespace tessel {

TvxSkinCustomControl::TvxSkinCustomControl(TComponent* owner)
    : TvxSkinCustomBase<TvxSkinControl>(owner)
{ }

void TvxSkinCustomControl::UpdateRegion()
{
    std::unique_ptr<TRegion> shape;
    if (RecordIndex() != -1)
        shape = m_look.Shape(Width(), Height());
    if (shape || HasWindowShape())
        SetWindowShape(std::move(shape));
}

void TvxSkinCustomControl::SizeChanged()
{
    TvxSkinCustomBase<TvxSkinControl>::SizeChanged();
    // A stretched client changes what lies under transparent children.
    if (RecordIndex() != -1 && m_look.Geometry().stretcheffect)
        NotifyChildrenOfFrameChange();
}

void TvxSkinCustomControl::Paint()
{
    int w = Width(), h = Height();
    if (w < 1 || h < 1)
        return;
    RefreshRecord();
    if (RecordIndex() == -1 || !m_border_only || m_look.Mode() != vxcmFull || AlphaBlend()
        || !m_look.Picture())
        PaintImage();
    else
        PaintBorderOnly();
}

void TvxSkinCustomControl::PaintBorderOnly()
{
    TDeviceContext* dc = Canvas().Handle();
    if (!dc)
        return;
    int w = Width(), h = Height();
    TvxTargetGeometry target = m_look.Target(w, h);
    TvxFrameEdges edges
        = TvxComposition::ComposeFrameEdges(m_look.Geometry(), target, *m_look.Picture(), w, h);
    CreateSkinImage(edges.top);
    if (m_draw_client)
        TvxComposition::PaintClient(
            m_look.Geometry(), target, dc->Surface(), dc->Origin(), m_look.Picture()->Surface(), dc->Clip());
    TCanvas& c = Canvas();
    int top = edges.top.Height();
    c.Draw(0, 0, edges.top);
    c.Draw(0, top, edges.left);
    c.Draw(w - edges.right.Width(), top, edges.right);
    c.Draw(0, h - edges.bottom.Height(), edges.bottom);
}

} // namespace tessel
