#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TRegion.h"
#include "tessel/skin/draw/TvxElementGeometry.h"

#include <memory>

namespace tessel {

class TvxDataSkinControl;
class TvxSkinData;

// What the custom level of a skinned control takes from its record: the element
// geometry, the picture it is cut from and the mask that shapes it (references into
// the store, unset for an index outside its active pictures), the composition mode
// and the cursor index; and the target geometry for the control's size.
class TvxSkinLook {
public:
    // Copies the look of the record; none leaves the look unbound. A record that is
    // no custom-control record gives the fixed mode without picture and mask.
    void Read(const TvxSkinData* data, const TvxDataSkinControl* record);
    bool Bound() const { return m_bound; }

    TvxCompositionMode Mode() const { return m_mode; }
    const TvxElementGeometry& Geometry() const { return m_geometry; }
    const TBitmap* Picture() const { return m_picture; }
    const TBitmap* Mask() const { return m_mask; }
    int CursorIndex() const { return m_cursor_index; }

    // The target geometry for a wanted size, which the mode may change: a full
    // element takes any size, a horizontal strip keeps its height, a vertical strip
    // its width, a fixed element both (and its client rectangle). Unbound: the sizes
    // stay and the geometry is empty.
    TvxTargetGeometry Target(int& width, int& height) const;
    // The control's skinned image into image (sized here): a fixed element's
    // rectangle copied, a full one composed (its frame only when border_only), a
    // strip composed with its ends kept. Nothing without a picture.
    void Compose(TBitmap& image, int width, int height, bool border_only) const;
    // The control's shape at its size from the mask; none without mask.
    std::unique_ptr<TRegion> Shape(int width, int height) const;

private:
    bool m_bound = false;
    TvxCompositionMode m_mode = vxcmNone;
    TvxElementGeometry m_geometry;
    const TBitmap* m_picture = nullptr;
    const TBitmap* m_mask = nullptr;
    int m_cursor_index = -1;
};

} // namespace tessel
