#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// A text label on the frame.
class TvxDataSkinLabel : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinLabel"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.String("fontName", fontName, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Enum("alignment", alignment, TvxEnumWords::Alignment());
        v.String("textvalue", textvalue, "");
    }

public:
    std::string fontName = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TAlignment alignment = taCenter;
    std::string textvalue;
};

} // namespace tessel
