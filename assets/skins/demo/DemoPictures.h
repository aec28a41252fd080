#pragma once

#include "tessel/framework/TBitmap.h"

#include <vector>

namespace tessel::demo {

// Every bitmap of the demo skin, drawn in code.
struct DemoPictures {
    TBitmap picture; // 104 x 60, 24-bit: the frame
    TBitmap mask; // 104 x 60, 1-bit: the frame's shape
    std::vector<TBitmap> active; // the eight active pictures, in PICTURES order
};

DemoPictures PaintDemoPictures();

} // namespace tessel::demo
