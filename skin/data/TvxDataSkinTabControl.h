#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// The look of tab controls and the MDI tabs bar.
class TvxDataSkinTabControl : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinTabControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.Rect("tabrect", tabrect);
        v.Rect("activetabrect", activetabrect);
        v.Rect("focustabrect", focustabrect);
        v.Rect("mouseintabrect", mouseintabrect);
        v.Rect("clientrect", clientrect);
        v.Integer("bgpictureindex", bgpictureindex, -1);
        v.Point("lefttoppoint", lefttoppoint);
        v.Point("righttoppoint", righttoppoint);
        v.Point("leftbottompoint", leftbottompoint);
        v.Point("rightbottompoint", rightbottompoint);
        v.Integer("tableftoffset", tableftoffset, 0);
        v.Integer("tabrightoffset", tabrightoffset, 0);
        v.Rect("tabsbgrect", tabsbgrect);
        v.Boolean("tabstretcheffect", tabstretcheffect);
        v.Boolean("leftstretch", leftstretch);
        v.Boolean("topstretch", topstretch);
        v.Boolean("rightstretch", rightstretch);
        v.Boolean("bottomstretch", bottomstretch);
        v.Boolean("stretcheffect", stretcheffect);
        v.Enum("stretchtype", stretchtype, TvxEnumWords::StretchType());
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Color("focusfontcolor", focusfontcolor, 0);
        v.Color("mouseinfontcolor", mouseinfontcolor, 0);
        v.String("updown", updown, "");
        v.Boolean("showfocus", showfocus);
        v.Integer("focusoffsetx", focusoffsetx, 0);
        v.Integer("focusoffsety", focusoffsety, 0);
        v.Rect("closebuttonrect", closebuttonrect);
        v.Rect("closebuttonactiverect", closebuttonactiverect);
        v.Rect("closebuttondownrect", closebuttondownrect);
        v.Boolean("buttontransparent", buttontransparent);
        v.Color("buttontransparentcolor", buttontransparentcolor, 0);
    }

public:
    TRect tabrect;
    TRect activetabrect;
    TRect focustabrect;
    TRect mouseintabrect;
    TRect clientrect;
    int32_t bgpictureindex = -1;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    int32_t tableftoffset = 0;
    int32_t tabrightoffset = 0;
    TRect tabsbgrect;
    bool tabstretcheffect = false;
    bool leftstretch = false;
    bool topstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    TvxStretchType stretchtype = stfull;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor focusfontcolor = 0;
    TColor mouseinfontcolor = 0;
    std::string updown;
    bool showfocus = false;
    int32_t focusoffsetx = 0;
    int32_t focusoffsety = 0;
    TRect closebuttonrect;
    TRect closebuttonactiverect;
    TRect closebuttondownrect;
    bool buttontransparent = false;
    TColor buttontransparentcolor = 0;
};

} // namespace tessel
