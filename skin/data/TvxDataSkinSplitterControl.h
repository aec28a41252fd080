#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of splitters.
class TvxDataSkinSplitterControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinSplitterControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("gripperrect", gripperrect);
        v.Boolean("grippertransparent", grippertransparent);
        v.Color("grippertransparentcolor", grippertransparentcolor, 0);
    }

public:
    TRect gripperrect;
    bool grippertransparent = false;
    TColor grippertransparentcolor = 0;
};

} // namespace tessel
