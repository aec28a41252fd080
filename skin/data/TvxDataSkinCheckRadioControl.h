#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// The look of check boxes and radio buttons.
class TvxDataSkinCheckRadioControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinCheckRadioControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Color("unenabledfontcolor", unenabledfontcolor, 0);
        v.Color("framefontcolor", framefontcolor, 0);
        v.Boolean("morphing", morphing);
        v.Enum("morphkind", morphkind, TvxEnumWords::MorphKind());
        v.Rect("activeskinrect", activeskinrect);
        v.Rect("checkimagearea", checkimagearea);
        v.Rect("textarea", textarea);
        v.Rect("checkimagerect", checkimagerect);
        v.Rect("uncheckimagerect", uncheckimagerect);
        v.Rect("activecheckimagerect", activecheckimagerect);
        v.Rect("activeuncheckimagerect", activeuncheckimagerect);
        v.Rect("unenabledcheckimagerect", unenabledcheckimagerect);
        v.Rect("unenableduncheckimagerect", unenableduncheckimagerect);
        v.Rect("grayedcheckimagerect", grayedcheckimagerect);
        v.Rect("activegrayedcheckimagerect", activegrayedcheckimagerect);
    }

public:
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor unenabledfontcolor = 0;
    TColor framefontcolor = 0;
    bool morphing = false;
    TvxMorphKind morphkind = mkdefault;
    TRect activeskinrect;
    TRect checkimagearea;
    TRect textarea;
    TRect checkimagerect;
    TRect uncheckimagerect;
    TRect activecheckimagerect;
    TRect activeuncheckimagerect;
    TRect unenabledcheckimagerect;
    TRect unenableduncheckimagerect;
    TRect grayedcheckimagerect;
    TRect activegrayedcheckimagerect;
};

} // namespace tessel
