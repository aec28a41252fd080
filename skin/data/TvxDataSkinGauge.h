#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// A gauge on the frame.
class TvxDataSkinGauge : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinGauge"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.Integer("minvalue", minvalue, 0);
        v.Integer("maxvalue", maxvalue, 0);
        v.Enum("kind", kind, TvxEnumWords::GaugeKind());
    }

public:
    int32_t minvalue = 0;
    int32_t maxvalue = 0;
    TvxGaugeKind kind = gkhorizontal;
};

} // namespace tessel
