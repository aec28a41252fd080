#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"

namespace tessel {

// The look of sliders.
class TvxDataSkinSlider : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinSlider"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.Color("bgcolor", bgcolor, 0);
        v.Rect("hrulerrect", hrulerrect);
        v.Rect("hthumbrect", hthumbrect);
        v.Rect("vrulerrect", vrulerrect);
        v.Rect("vthumbrect", vthumbrect);
        v.Integer("edgesize", edgesize, 0);
        v.Color("pointscolor", pointscolor, 0);
    }

public:
    TColor bgcolor = 0;
    TRect hrulerrect;
    TRect hthumbrect;
    TRect vrulerrect;
    TRect vthumbrect;
    int32_t edgesize = 0;
    TColor pointscolor = 0;
};

} // namespace tessel
