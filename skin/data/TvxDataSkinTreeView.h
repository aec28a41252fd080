#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"

namespace tessel {

// The font and background colour of tree views.
class TvxDataSkinTreeView : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinTreeView"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("bgcolor", bgcolor, 0);
    }

public:
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor bgcolor = 0;
};

} // namespace tessel
