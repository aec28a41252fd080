#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of labels drawn from a bitmap font.
class TvxDataSkinBitLabelControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinBitLabelControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("skintextrect", skintextrect);
        v.Integer("symbolwidth", symbolwidth, 0);
        v.Integer("symbolheight", symbolheight, 0);
        v.LineList("symbols", symbols);
    }

public:
    TRect skintextrect;
    int32_t symbolwidth = 0;
    int32_t symbolheight = 0;
    TStringList symbols;
};

} // namespace tessel
