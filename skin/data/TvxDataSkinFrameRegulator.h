#pragma once

#include "tessel/skin/data/TvxDataSkinFrameControl.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// A regulator control drawn from a strip of frames.
class TvxDataSkinFrameRegulator : public TvxDataSkinFrameControl {
public:
    using TvxDataSkinFrameControl::TvxDataSkinFrameControl;
    const char* ClassName() const override { return "TvxDataSkinFrameRegulator"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinFrameControl::VisitFields(v);
        v.Enum("kind", kind, TvxEnumWords::RegulatorKind());
    }

public:
    TvxRegulatorKind kind = rkround;
};

} // namespace tessel
