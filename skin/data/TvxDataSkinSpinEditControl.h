#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of spin edits.
class TvxDataSkinSpinEditControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinSpinEditControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("activeskinrect", activeskinrect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Color("disabledfontcolor", disabledfontcolor, 0);
        v.Rect("upbuttonrect", upbuttonrect);
        v.Rect("activeupbuttonrect", activeupbuttonrect);
        v.Rect("downupbuttonrect", downupbuttonrect);
        v.Rect("downbuttonrect", downbuttonrect);
        v.Rect("activedownbuttonrect", activedownbuttonrect);
        v.Rect("downdownbuttonrect", downdownbuttonrect);
    }

public:
    TRect activeskinrect;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor disabledfontcolor = 0;
    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;
};

} // namespace tessel
