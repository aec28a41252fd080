#pragma once

#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/form/TvxFrameGeometry.h"

#include <memory>

namespace tessel {

class TRegion;
class TvxSkinData;

// The shape of a skinned window: from the skin's mask, cut into four edge images for
// the window's size around the mask rectangle, or the plain rectangle without a mask.
// The edge images also answer whether a point lies inside the shaped frame.
class TvxFrameShape {
public:
    // The region for the geometry's size: the mask's edges while resizing, the whole
    // mask as it is otherwise; the rectangle (0, 0, W, H) without a mask.
    void Build(const TvxSkinData* data, const TvxFrameGeometry& geometry, bool resizing);
    void Clear();
    // The region built last (none after Clear).
    std::unique_ptr<TRegion> TakeRegion() { return std::move(m_region); }
    bool HasMask() const { return m_has_mask; }
    // A point (window coordinates) inside the shaped frame: inside the mask rectangle,
    // or on a black pixel of the edge image it falls in.
    bool Inside(TPoint p) const;

    // The region of the frame's mask at the geometry's size, as Build makes it while
    // resizing: what tools show as the window's shape.
    static std::unique_ptr<TRegion> Region(const TvxSkinData& data, const TvxFrameGeometry& geometry);

private:
    TvxFrameEdges m_edges;
    TRect m_mask_rect;
    bool m_has_mask = false;
    std::unique_ptr<TRegion> m_region;
};

} // namespace tessel
