#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of control bars.
class TvxDataSkinControlBar : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinControlBar"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("itemrect", itemrect);
        v.Integer("bgpictureindex", bgpictureindex, -1);
        v.Rect("hgriprect", hgriprect);
        v.Rect("vgriprect", vgriprect);
        v.Integer("gripoffset1", gripoffset1, 0);
        v.Integer("gripoffset2", gripoffset2, 0);
        v.Boolean("itemstretcheffect", itemstretcheffect);
        v.Integer("itemoffset1", itemoffset1, 3);
        v.Integer("itemoffset2", itemoffset2, 3);
        v.Boolean("itemtransparent", itemtransparent);
        v.Color("itemtransparentcolor", itemtransparentcolor, 0);
        v.Boolean("griptransparent", griptransparent);
        v.Color("griptransparentcolor", griptransparentcolor, 0);
    }

public:
    TRect itemrect;
    int32_t bgpictureindex = -1;
    TRect hgriprect;
    TRect vgriprect;
    int32_t gripoffset1 = 0;
    int32_t gripoffset2 = 0;
    bool itemstretcheffect = false;
    int32_t itemoffset1 = 3;
    int32_t itemoffset2 = 3;
    bool itemtransparent = false;
    TColor itemtransparentcolor = 0;
    bool griptransparent = false;
    TColor griptransparentcolor = 0;
};

} // namespace tessel
