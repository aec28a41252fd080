#include "tessel/skin/controls/TvxSkinLook.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/skin/data/TvxDataSkinCustomControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxMaskRegion.h"

namespace tessel {

void TvxSkinLook::Read(const TvxSkinData* data, const TvxDataSkinControl* record)
{
    *this = TvxSkinLook();
    if (!data || !record)
        return;
    m_bound = true;
    m_cursor_index = record->cursorindex;
    auto* custom = dynamic_cast<const TvxDataSkinCustomControl*>(record);
    if (!custom) {
        m_mode = vxcmFixed;
        return;
    }
    m_geometry = TvxElementGeometry::FromRecord(*custom);
    m_picture = data->ActivePicture(custom->pictureindex);
    m_mask = data->ActivePicture(custom->maskpictureindex);
    m_mode = CompositionMode(m_geometry);
}

TvxTargetGeometry TvxSkinLook::Target(int& width, int& height) const
{
    return m_bound ? ComputeTargetGeometry(m_mode, m_geometry, width, height) : TvxTargetGeometry {};
}

void TvxSkinLook::Compose(TBitmap& image, int width, int height, bool border_only) const
{
    const TvxElementGeometry& g = m_geometry;
    if (!m_picture || m_picture->Empty())
        return;
    switch (m_mode) {
    case vxcmFixed: {
        int w = width, h = height;
        TvxComposition::ComposeByMode(g, image, *m_picture, w, h);
        break;
    }
    case vxcmFull:
        if (!border_only) {
            TvxTargetGeometry t = Target(width, height);
            TvxComposition::ComposeElementImage(g, t, image, *m_picture, width, height, true);
        }
        break;
    case vxcmHorizontalStrip:
        TvxComposition::ComposeHorizontalStrip(
            g.LT.x, g.W() - g.RT.x, image, g.stretcheffect, width, g.R, *m_picture);
        break;
    case vxcmVerticalStrip:
        TvxComposition::ComposeVerticalStrip(
            g.LT.y, g.H() - g.LB.y, image, g.stretcheffect, height, g.R, *m_picture);
        break;
    case vxcmNone:
        break;
    }
}

std::unique_ptr<TRegion> TvxSkinLook::Shape(int width, int height) const
{
    if (!m_bound || !m_mask || m_mask->Empty())
        return nullptr;
    if (m_mode == vxcmFixed)
        return TvxMaskRegion::RegionFromMask(*m_mask);
    return TvxMaskRegion::ControlRegion(m_geometry, width, height, *m_mask);
}

} // namespace tessel
