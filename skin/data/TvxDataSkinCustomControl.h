#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// A control look with element geometry: corner points, client area and how edges and client stretch.
class TvxDataSkinCustomControl : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinCustomControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.Point("lefttoppoint", lefttoppoint);
        v.Point("righttoppoint", righttoppoint);
        v.Point("leftbottompoint", leftbottompoint);
        v.Point("rightbottompoint", rightbottompoint);
        v.Rect("clientrect", clientrect);
        v.Boolean("leftstretch", leftstretch);
        v.Boolean("topstretch", topstretch);
        v.Boolean("rightstretch", rightstretch);
        v.Boolean("bottomstretch", bottomstretch);
        v.Boolean("stretcheffect", stretcheffect);
        v.Enum("stretchtype", stretchtype, TvxEnumWords::StretchType());
    }

public:
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect clientrect;
    bool leftstretch = false;
    bool topstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    TvxStretchType stretchtype = stfull;
};

} // namespace tessel
