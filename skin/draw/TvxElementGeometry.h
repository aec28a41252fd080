#pragma once

#include "tessel/platform/TRect.h"
#include "tessel/skin/data/SkinEnums.h"

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
    // A record with four corner points and the stretch settings (a control's, the
    // form's, a popup's or a hint's frame) over picture, around client.
    template<class TFrameRecord>
    static TvxElementGeometry FromFrame(const TFrameRecord& record, const TRect& picture, const TRect& client)
    {
        TvxElementGeometry g;
        g.R = picture;
        g.LT = record.lefttoppoint;
        g.RT = record.righttoppoint;
        g.LB = record.leftbottompoint;
        g.RB = record.rightbottompoint;
        g.Client = client;
        g.leftstretch = record.leftstretch;
        g.topstretch = record.topstretch;
        g.rightstretch = record.rightstretch;
        g.bottomstretch = record.bottomstretch;
        g.stretcheffect = record.stretcheffect;
        g.stretchtype = record.stretchtype;
        return g;
    }
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
