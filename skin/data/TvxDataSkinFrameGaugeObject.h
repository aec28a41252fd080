#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// A gauge on the frame drawn from a strip of frames.
class TvxDataSkinFrameGaugeObject : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinFrameGaugeObject"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.Integer("minvalue", minvalue, 0);
        v.Integer("maxvalue", maxvalue, 0);
        v.Integer("countframes", countframes, 0);
        v.Enum("framesplacement", framesplacement, TvxEnumWords::FramesPlacement());
    }

public:
    int32_t minvalue = 0;
    int32_t maxvalue = 0;
    int32_t countframes = 0;
    TvxFramesPlacement framesplacement = fphorizontal;
};

} // namespace tessel
