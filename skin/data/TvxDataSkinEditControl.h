#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of edit boxes, with an optional button.
class TvxDataSkinEditControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinEditControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("activeskinrect", activeskinrect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("disabledfontcolor", disabledfontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Rect("buttonrect", buttonrect);
        v.Rect("activebuttonrect", activebuttonrect);
        v.Rect("downbuttonrect", downbuttonrect);
        v.Rect("unenabledbuttonrect", unenabledbuttonrect);
    }

public:
    TRect activeskinrect;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor disabledfontcolor = 0;
    TColor activefontcolor = 0;
    TRect buttonrect;
    TRect activebuttonrect;
    TRect downbuttonrect;
    TRect unenabledbuttonrect;
};

} // namespace tessel
