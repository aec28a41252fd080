#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of combo boxes.
class TvxDataSkinComboBox : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinComboBox"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("activeskinrect", activeskinrect);
        v.Rect("itemrect", itemrect);
        v.Rect("activeitemrect", activeitemrect);
        v.Rect("focusitemrect", focusitemrect);
        v.Integer("itemleftoffset", itemleftoffset, 0);
        v.Integer("itemrightoffset", itemrightoffset, 0);
        v.Rect("itemtextrect", itemtextrect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("focusfontcolor", focusfontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.String("listboxname", listboxname, "");
        v.Rect("buttonrect", buttonrect);
        v.Rect("activebuttonrect", activebuttonrect);
        v.Rect("downbuttonrect", downbuttonrect);
        v.Rect("unenabledbuttonrect", unenabledbuttonrect);
        v.Boolean("itemstretcheffect", itemstretcheffect);
        v.Boolean("focusitemstretcheffect", focusitemstretcheffect);
        v.Boolean("showfocus", showfocus);
    }

public:
    TRect activeskinrect;
    TRect itemrect;
    TRect activeitemrect;
    TRect focusitemrect;
    int32_t itemleftoffset = 0;
    int32_t itemrightoffset = 0;
    TRect itemtextrect;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor focusfontcolor = 0;
    TColor activefontcolor = 0;
    std::string listboxname;
    TRect buttonrect;
    TRect activebuttonrect;
    TRect downbuttonrect;
    TRect unenabledbuttonrect;
    bool itemstretcheffect = false;
    bool focusitemstretcheffect = false;
    bool showfocus = false;
};

} // namespace tessel
