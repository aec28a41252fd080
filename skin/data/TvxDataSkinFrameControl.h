#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// A control look drawn from a strip of frames; at least one frame.
class TvxDataSkinFrameControl : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinFrameControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.Integer("framescount", framescount, 1);
        v.Enum("framesplacement", framesplacement, TvxEnumWords::FramesPlacement());
    }

protected:
    void AfterRead() override
    {
        TvxDataSkinControl::AfterRead();
        if (framescount < 1)
            framescount = 1;
    }

public:
    int32_t framescount = 1;
    TvxFramesPlacement framesplacement = fphorizontal;
};

} // namespace tessel
