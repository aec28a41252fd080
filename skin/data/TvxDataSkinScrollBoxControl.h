#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of scroll boxes.
class TvxDataSkinScrollBoxControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinScrollBoxControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Integer("bgpictureindex", bgpictureindex, -1);
    }

public:
    int32_t bgpictureindex = -1;
};

} // namespace tessel
