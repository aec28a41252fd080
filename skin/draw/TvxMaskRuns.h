#pragma once

#include "tessel/platform/TRect.h"

#include <vector>

namespace tessel {

class TBitmap;

// The black runs of a mask, row by row from the top, each row left to right, as
// one-pixel-high rectangles moved by an offset; runs are never joined across rows.
// Scan is the fast loop: over the packed black bits of a mask picture read from a
// 1-bit file (TBitmap::MaskBits), else over the 32-bit pixels many at a time;
// ScanReference is the rule, through the 24-bit scan buffer, that the tests prove it
// identical to. The list grows as needed, however many runs there are.
class TvxMaskRuns {
public:
    static std::vector<TRect> Scan(const TBitmap& mask, int offset_x, int offset_y);
    static std::vector<TRect> ScanReference(const TBitmap& mask, int offset_x, int offset_y);
};

} // namespace tessel
