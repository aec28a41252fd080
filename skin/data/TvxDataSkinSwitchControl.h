#pragma once

#include "tessel/skin/data/TvxDataSkinFrameControl.h"

namespace tessel {

// A switch control drawn from a strip of frames.
class TvxDataSkinSwitchControl : public TvxDataSkinFrameControl {
public:
    using TvxDataSkinFrameControl::TvxDataSkinFrameControl;
    const char* ClassName() const override { return "TvxDataSkinSwitchControl"; }
};

} // namespace tessel
