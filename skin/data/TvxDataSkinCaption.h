#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// The caption of the frame: text area, font, shadow and light, caption frame piece and animation.
class TvxDataSkinCaption : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinCaption"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.Boolean("defaultcaption", defaultcaption);
        v.Rect("textrect", textrect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Enum("alignment", alignment, TvxEnumWords::Alignment());
        v.Boolean("shadow", shadow);
        v.Color("shadowcolor", shadowcolor, 0);
        v.Boolean("light", light);
        v.Color("lightcolor", lightcolor, 0);
        v.Color("activelightcolor", activelightcolor, 0);
        v.Color("activeshadowcolor", activeshadowcolor, 0);
        v.Rect("framerect", framerect);
        v.Rect("activeframerect", activeframerect);
        v.Rect("frametextrect", frametextrect);
        v.Integer("frameleftoffset", frameleftoffset, 0);
        v.Integer("framerightoffset", framerightoffset, 0);
        v.Boolean("stretcheffect", stretcheffect);
        v.Rect("animateskinrect", animateskinrect);
        v.Integer("framecount", framecount, 0);
        v.Integer("animateinterval", animateinterval, 25);
        v.Boolean("inactiveanimation", inactiveanimation);
        v.Boolean("fullframe", fullframe);
    }

public:
    bool defaultcaption = false;
    TRect textrect;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TAlignment alignment = taCenter;
    bool shadow = false;
    TColor shadowcolor = 0;
    bool light = false;
    TColor lightcolor = 0;
    TColor activelightcolor = 0;
    TColor activeshadowcolor = 0;
    TRect framerect;
    TRect activeframerect;
    TRect frametextrect;
    int32_t frameleftoffset = 0;
    int32_t framerightoffset = 0;
    bool stretcheffect = false;
    TRect animateskinrect;
    int32_t framecount = 0;
    int32_t animateinterval = 25;
    bool inactiveanimation = false;
    bool fullframe = false;
};

} // namespace tessel
