#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"

namespace tessel {

// The colours of bevels.
class TvxDataSkinBevel : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinBevel"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.Color("lightcolor", lightcolor, 0);
        v.Color("darkcolor", darkcolor, 0);
    }

public:
    TColor lightcolor = 0;
    TColor darkcolor = 0;
};

} // namespace tessel
