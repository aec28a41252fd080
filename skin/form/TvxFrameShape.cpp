#include "tessel/skin/form/TvxFrameShape.h"

#include "tessel/platform/TRegion.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxMaskRegion.h"

namespace tessel {

namespace {

// The mask's geometry: the frame's corner points with the mask rectangle as client.
TvxElementGeometry MaskGeometry(const TvxSkinData& data)
{
    TvxElementGeometry g = TvxFrameGeometry::PictureGeometry(data);
    g.R = data.Mask().Surface().Bounds();
    g.Client = data.FormInfo().maskrectarea;
    return g;
}

} // namespace

std::unique_ptr<TRegion> TvxFrameShape::Region(const TvxSkinData& data, const TvxFrameGeometry& geometry)
{
    TvxFrameShape shape;
    shape.Build(&data, geometry, true);
    return shape.TakeRegion();
}

void TvxFrameShape::Clear()
{
    m_edges = {};
    m_has_mask = false;
    m_mask_rect = {};
    m_region.reset();
}

void TvxFrameShape::Build(const TvxSkinData* data, const TvxFrameGeometry& g, bool resizing)
{
    TRect whole { 0, 0, g.W, g.H };
    if (!data || data->Empty() || data->Mask().Empty()) {
        Clear();
        m_region = std::make_unique<TRegion>(whole);
        return;
    }
    m_has_mask = true;
    m_mask_rect = g.MaskRect;
    if (!resizing) {
        m_region = TvxMaskRegion::RegionFromMask(data->Mask());
        return;
    }
    TvxElementGeometry mask = MaskGeometry(*data);
    TvxTargetGeometry target { g.NewLT, g.NewRT, g.NewLB, g.NewRB, g.MaskRect };
    m_edges = TvxMaskRegion::ComposeMaskEdges(mask, target, data->Mask(), g.W);
    m_region = TvxMaskRegion::EdgesRegion(m_edges, m_mask_rect);
    if (!m_region)
        m_region = std::make_unique<TRegion>();
}

bool TvxFrameShape::Inside(TPoint p) const
{
    if (!m_has_mask)
        return true;
    const TRect& m = m_mask_rect;
    if (m.Contains(p))
        return true;
    auto black = [](const TBitmap& image, int x, int y) {
        return x >= 0 && y >= 0 && x < image.Width() && y < image.Height()
            && (image.Pixel(x, y) & 0xFFFFFF) == 0;
    };
    if (p.y < m.top)
        return black(m_edges.top, p.x, p.y);
    if (p.y >= m.bottom)
        return black(m_edges.bottom, p.x, p.y - m.bottom);
    if (p.x >= m.left)
        return black(m_edges.right, p.x - m.right, p.y - m.top);
    return black(m_edges.left, p.x, p.y - m.top);
}

} // namespace tessel
