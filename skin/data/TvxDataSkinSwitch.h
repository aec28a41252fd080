#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"

namespace tessel {

// A two-state switch on the frame.
class TvxDataSkinSwitch : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinSwitch"; }
};

} // namespace tessel
