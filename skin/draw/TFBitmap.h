#pragma once

#include "tessel/skin/draw/TvxEffectBmp.h"

#include <vector>

namespace tessel {

class TBitmap;

// The scan buffer of a mask: a 24-bit copy (rows padded as the effect bitmap's)
// with a table of row starts, so a pixel is found without stride arithmetic. A
// pixel is in the mask when its red, green and blue are all 0.
class TFBitmap {
public:
    explicit TFBitmap(const TBitmap& mask);

    int Width() const { return m_pixels.Width(); }
    int Height() const { return m_pixels.Height(); }
    const uint8_t* Row(int y) const { return m_rows[static_cast<size_t>(y)]; }
    bool In(int x, int y) const
    {
        const uint8_t* p = m_rows[static_cast<size_t>(y)] + 3 * x;
        return (p[0] | p[1] | p[2]) == 0;
    }

private:
    TvxEffectBmp m_pixels;
    std::vector<const uint8_t*> m_rows;
};

} // namespace tessel
