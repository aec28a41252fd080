#pragma once

#include "tessel/skin/data/TvxDataSkinEditControl.h"

namespace tessel {

// The look of memos.
class TvxDataSkinMemoControl : public TvxDataSkinEditControl {
public:
    using TvxDataSkinEditControl::TvxDataSkinEditControl;
    const char* ClassName() const override { return "TvxDataSkinMemoControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinEditControl::VisitFields(v);
        v.Color("bgcolor", bgcolor, 0);
        v.Color("activebgcolor", activebgcolor, 0);
    }

public:
    TColor bgcolor = 0;
    TColor activebgcolor = 0;
};

} // namespace tessel
