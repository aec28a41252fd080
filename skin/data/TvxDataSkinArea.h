#pragma once

#include "tessel/platform/TRect.h"

#include <string>

namespace tessel {

// A named area of the frame (SKINAREAS entry "name:left,top,right,bottom").
struct TvxDataSkinArea {
    std::string IDName;
    TRect AreaRect;
};

} // namespace tessel
