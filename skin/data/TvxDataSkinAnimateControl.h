#pragma once

#include "tessel/skin/data/TvxDataSkinFrameControl.h"

namespace tessel {

// An animation control drawn from a strip of frames.
class TvxDataSkinAnimateControl : public TvxDataSkinFrameControl {
public:
    using TvxDataSkinFrameControl::TvxDataSkinFrameControl;
    const char* ClassName() const override { return "TvxDataSkinAnimateControl"; }
};

} // namespace tessel
