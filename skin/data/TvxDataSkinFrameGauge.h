#pragma once

#include "tessel/skin/data/TvxDataSkinFrameControl.h"

namespace tessel {

// A gauge control drawn from a strip of frames.
class TvxDataSkinFrameGauge : public TvxDataSkinFrameControl {
public:
    using TvxDataSkinFrameControl::TvxDataSkinFrameControl;
    const char* ClassName() const override { return "TvxDataSkinFrameGauge"; }
};

} // namespace tessel
