#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"

namespace tessel {

// A label drawn from a bitmap font: the rows of symbols say where each character is.
class TvxDataSkinBitLabel : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinBitLabel"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.String("textvalue", textvalue, "");
        v.Integer("symbolwidth", symbolwidth, 0);
        v.Integer("symbolheight", symbolheight, 0);
        v.LineList("symbols", symbols);
        v.Boolean("transparent", transparent);
        v.Color("transparentcolor", transparentcolor, 16711935);
    }

protected:
    void AfterRead() override
    {
        TvxDataSkinObject::AfterRead();
        morphing = false;
    }

public:
    std::string textvalue;
    int32_t symbolwidth = 0;
    int32_t symbolheight = 0;
    TStringList symbols;
    bool transparent = false;
    TColor transparentcolor = 16711935;
};

} // namespace tessel
