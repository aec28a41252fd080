#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"

namespace tessel {

// A frame button: pressed and disabled looks, radio group.
class TvxDataSkinButton : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinButton"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.Rect("downrect", downrect);
        v.Rect("disableskinrsect", disableskinrsect);
        v.Integer("groupindex", groupindex, -1);
    }

public:
    TRect downrect;
    TRect disableskinrsect;
    int32_t groupindex = -1;
};

} // namespace tessel
