#pragma once

#include "tessel/skin/data/TvxEnumWords.h"
#include "tessel/skin/data/TvxSkinRecord.h"

namespace tessel {

// The frame of popup menu windows (POPUPWINDOW): picture, mask, corner points and where the items go.
class TvxDataSkinPopupWindow : public TvxSkinRecord {
public:
    using TvxSkinRecord::TvxSkinRecord;
    const char* ClassName() const override { return "TvxDataSkinPopupWindow"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxSkinRecord::VisitFields(v);
        v.Integer("windowpictureindex", windowpictureindex, -1);
        v.Integer("maskpictureindex", maskpictureindex, -1);
        v.Point("lefttoppoint", lefttoppoint);
        v.Point("righttoppoint", righttoppoint);
        v.Point("leftbottompoint", leftbottompoint);
        v.Point("rightbottompoint", rightbottompoint);
        v.Integer("cursorindex", cursorindex, -1);
        v.Rect("itemsrect", itemsrect);
        v.Color("scrollmarkercolor", scrollmarkercolor, 0);
        v.Color("scrollmarkeractivecolor", scrollmarkeractivecolor, 0);
        v.Boolean("leftstretch", leftstretch);
        v.Boolean("rightstretch", rightstretch);
        v.Boolean("topstretch", topstretch);
        v.Boolean("bottomstretch", bottomstretch);
        v.Boolean("stretcheffect", stretcheffect);
        v.Enum("stretchtype", stretchtype, TvxEnumWords::StretchType());
    }

public:
    int32_t windowpictureindex = -1;
    int32_t maskpictureindex = -1;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    int32_t cursorindex = -1;
    TRect itemsrect;
    TColor scrollmarkercolor = 0;
    TColor scrollmarkeractivecolor = 0;
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    TvxStretchType stretchtype = stfull;
};

} // namespace tessel
