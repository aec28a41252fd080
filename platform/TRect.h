#pragma once

#include <cstdint>

namespace tessel {

// A point in device or skin coordinates.
struct TPoint {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle whose right and bottom edges are exclusive. It is empty when its
// width or height is 0 or less.
struct TRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }

    friend bool operator==(const TRect&, const TRect&) = default;
};

} // namespace tessel
