#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"

namespace tessel {

// The look of main menu bar entries.
class TvxDataSkinMainMenuItem : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinMainMenuItem"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.Integer("itemleftoffset", itemleftoffset, 0);
        v.Integer("itemrightoffset", itemrightoffset, 0);
        v.Rect("downrect", downrect);
        v.Rect("textrect", textrect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Color("downfontcolor", downfontcolor, 0);
        v.Color("unenabledfontColor", unenabledfontColor, 0);
        v.Boolean("stretcheffect", stretcheffect);
        v.Rect("animateskinrect", animateskinrect);
        v.Integer("framecount", framecount, 0);
        v.Integer("animateinterval", animateinterval, 25);
        v.Boolean("inactiveanimation", inactiveanimation);
    }

public:
    int32_t itemleftoffset = 0;
    int32_t itemrightoffset = 0;
    TRect downrect;
    TRect textrect;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor downfontcolor = 0;
    TColor unenabledfontColor = 0;
    bool stretcheffect = false;
    TRect animateskinrect;
    int32_t framecount = 0;
    int32_t animateinterval = 25;
    bool inactiveanimation = false;
};

} // namespace tessel
