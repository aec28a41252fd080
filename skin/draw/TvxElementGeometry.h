#pragma once

#include "platform/TRect.h"
#include "skin/data/SkinEnums.h"

namespace tessel {

class TvxDataSkinCustomControl;

// How an element image is cut from a skin bitmap: the element's rectangle R in the
// bitmap, the four corner points and the client rectangle relative to R's top-left,
// and how each edge's middle and the client grow (stretched or repeated).
struct TvxElementGeometry {
    TRect R;
    TPoint LT, RT, LB, RB;
    TRect Client;
    bool leftstretch = false;
    bool topstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    TvxStretchType stretchtype = stfull;

    int W() const { return R.Width(); }
    int H() const { return R.Height(); }
    static TvxElementGeometry FromRecord(const TvxDataSkinCustomControl& record);
};

// The same points and client rectangle in an image of another size.
struct TvxTargetGeometry {
    TPoint NewLT, NewRT, NewLB, NewRB;
    TRect NewClient;

    friend bool operator==(const TvxTargetGeometry&, const TvxTargetGeometry&) = default;
};

enum TvxCompositionMode { vxcmNone, vxcmFull, vxcmHorizontalStrip, vxcmVerticalStrip, vxcmFixed };

// The mode the geometry asks for: none without a rectangle, full with a bottom-right
// point, a horizontal strip with a top-right point, a vertical strip with a
// bottom-left point, else fixed.
TvxCompositionMode CompositionMode(const TvxElementGeometry& g);

// The target geometry for a wanted size; strips and fixed elements force the sizes
// they keep (a horizontal strip its height, a vertical strip its width, a fixed
// element both).
TvxTargetGeometry ComputeTargetGeometry(
    TvxCompositionMode mode, const TvxElementGeometry& g, int& aw, int& ah);

// A rectangle given in skin coordinates placed on the element at its size: corner
// areas move with their corner, spans across a middle grow with it.
TRect MapSkinRect(TvxCompositionMode mode, const TvxElementGeometry& g, int width, int height, TRect rect);

} // namespace tessel
