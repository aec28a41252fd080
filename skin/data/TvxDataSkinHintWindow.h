#pragma once

#include "tessel/skin/data/TvxEnumWords.h"
#include "tessel/skin/data/TvxSkinRecord.h"

namespace tessel {

// The frame and font of hint windows (HINTWINDOW). Before a skin is read the font is Arial of height
// 12.
class TvxDataSkinHintWindow : public TvxSkinRecord {
public:
    using TvxSkinRecord::TvxSkinRecord;
    const char* ClassName() const override { return "TvxDataSkinHintWindow"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxSkinRecord::VisitFields(v);
        v.Integer("windowpictureindex", windowpictureindex, -1);
        v.Integer("maskpictureindex", maskpictureindex, -1);
        v.Point("lefttoppoint", lefttoppoint);
        v.Point("righttoppoint", righttoppoint);
        v.Point("leftbottompoint", leftbottompoint);
        v.Point("rightbottompoint", rightbottompoint);
        v.Rect("clientrect", clientrect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
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
    TRect clientrect;
    std::string fontname = "Arial";
    int32_t fontheight = 12;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    TvxStretchType stretchtype = stfull;
};

} // namespace tessel
