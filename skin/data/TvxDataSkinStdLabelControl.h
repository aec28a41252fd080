#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"

namespace tessel {

// The fonts of plain labels; the active colour defaults to pure blue.
class TvxDataSkinStdLabelControl : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinStdLabelControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 16711680);
    }

public:
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 16711680;
};

} // namespace tessel
