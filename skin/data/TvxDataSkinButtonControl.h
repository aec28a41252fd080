#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// The look of buttons: caption fonts per state, the state looks, morphing, animation and drop-down
// markers.
class TvxDataSkinButtonControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinButtonControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Color("disabledfontcolor", disabledfontcolor, 0);
        v.Color("downfontcolor", downfontcolor, 0);
        v.Boolean("morphing", morphing);
        v.Enum("morphkind", morphkind, TvxEnumWords::MorphKind());
        v.Rect("activeskinrect", activeskinrect);
        v.Rect("downskinrect", downskinrect);
        v.Rect("focusedskinrect", focusedskinrect);
        v.Rect("disabledskinrect", disabledskinrect);
        v.Rect("animateskinrect", animateskinrect);
        v.Integer("framecount", framecount, 0);
        v.Integer("animateinterval", animateinterval, 25);
        v.Boolean("showfocus", showfocus);
        v.Rect("menumarkerflatrect", menumarkerflatrect);
        v.Rect("menumarkerrect", menumarkerrect);
        v.Rect("menumarkeractiverect", menumarkeractiverect);
        v.Rect("menumarkerdownrect", menumarkerdownrect);
        v.Color("menumarkertransparentcolor", menumarkertransparentcolor, 0);
    }

public:
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor disabledfontcolor = 0;
    TColor downfontcolor = 0;
    bool morphing = false;
    TvxMorphKind morphkind = mkdefault;
    TRect activeskinrect;
    TRect downskinrect;
    TRect focusedskinrect;
    TRect disabledskinrect;
    TRect animateskinrect;
    int32_t framecount = 0;
    int32_t animateinterval = 25;
    bool showfocus = false;
    TRect menumarkerflatrect;
    TRect menumarkerrect;
    TRect menumarkeractiverect;
    TRect menumarkerdownrect;
    TColor menumarkertransparentcolor = 0;
};

} // namespace tessel
