#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"

namespace tessel {

// The look of popup menu entries. Its writer stops after inactivetransparent.
class TvxDataSkinMenuItem : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinMenuItem"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.Integer("itemleftoffset", itemleftoffset, 0);
        v.Integer("itemrightoffset", itemrightoffset, 0);
        v.Rect("dividerrect", dividerrect);
        v.Integer("dividerleftoffset", dividerleftoffset, 0);
        v.Integer("dividerrightoffset", dividerrightoffset, 0);
        v.Rect("textrect", textrect);
        v.Rect("imagerect", imagerect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Color("unenabledfontcolor", unenabledfontcolor, 0);
        v.Boolean("stretcheffect", stretcheffect);
        v.Boolean("inactivestretcheffect", inactivestretcheffect);
        v.Boolean("dividerstretcheffect", dividerstretcheffect);
        v.Rect("animateskinrect", animateskinrect);
        v.Integer("framecount", framecount, 0);
        v.Integer("animateinterval", animateinterval, 25);
        v.Boolean("inactiveanimation", inactiveanimation);
        v.Boolean("useimagecolor", useimagecolor);
        v.Color("imagecolor", imagecolor, 0);
        v.Color("activeimagecolor", activeimagecolor, 0);
        v.Boolean("inactivetransparent", inactivetransparent);
        v.EndOfWrittenKeys();
        v.Rect("checkimagerect", checkimagerect);
        v.Rect("activecheckimagerect", activecheckimagerect);
        v.Rect("radioimagerect", radioimagerect);
        v.Rect("activeradioimagerect", activeradioimagerect);
        v.Rect("arrowimagerect", arrowimagerect);
        v.Rect("activearrowimagerect", activearrowimagerect);
    }

protected:
    void AfterRead() override
    {
        TvxDataSkinObject::AfterRead();
        if (activecheckimagerect.IsEmpty())
            activecheckimagerect = checkimagerect;
        if (activeradioimagerect.IsEmpty())
            activeradioimagerect = radioimagerect;
        if (activearrowimagerect.IsEmpty())
            activearrowimagerect = arrowimagerect;
    }

public:
    int32_t itemleftoffset = 0;
    int32_t itemrightoffset = 0;
    TRect dividerrect;
    int32_t dividerleftoffset = 0;
    int32_t dividerrightoffset = 0;
    TRect textrect;
    TRect imagerect;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor unenabledfontcolor = 0;
    bool stretcheffect = false;
    bool inactivestretcheffect = false;
    bool dividerstretcheffect = false;
    TRect animateskinrect;
    int32_t framecount = 0;
    int32_t animateinterval = 25;
    bool inactiveanimation = false;
    bool useimagecolor = false;
    TColor imagecolor = 0;
    TColor activeimagecolor = 0;
    bool inactivetransparent = false;
    TRect checkimagerect;
    TRect activecheckimagerect;
    TRect radioimagerect;
    TRect activeradioimagerect;
    TRect arrowimagerect;
    TRect activearrowimagerect;
};

} // namespace tessel
