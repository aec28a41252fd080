#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of up-down controls; its geometry is its button rectangles, so corner points and client are
// reset after reading.
class TvxDataSkinUpDownControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinUpDownControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("upbuttonrect", upbuttonrect);
        v.Rect("activeupbuttonrect", activeupbuttonrect);
        v.Rect("downupbuttonrect", downupbuttonrect);
        v.Rect("downbuttonrect", downbuttonrect);
        v.Rect("activedownbuttonrect", activedownbuttonrect);
        v.Rect("downdownbuttonrect", downdownbuttonrect);
    }

protected:
    void AfterRead() override
    {
        TvxDataSkinCustomControl::AfterRead();
        lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint {};
        clientrect = TRect {};
    }

public:
    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;
};

} // namespace tessel
