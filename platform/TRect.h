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
    // Whether the point lies inside (right and bottom exclusive).
    bool Contains(TPoint p) const { return p.x >= left && p.y >= top && p.x < right && p.y < bottom; }
    // The rectangle moved by (dx, dy).
    TRect Offset(int32_t dx, int32_t dy) const { return { left + dx, top + dy, right + dx, bottom + dy }; }
    // The common part of both; empty (and not normalised) when they do not meet.
    TRect Intersect(const TRect& other) const
    {
        return { left > other.left ? left : other.left, top > other.top ? top : other.top,
            right < other.right ? right : other.right, bottom < other.bottom ? bottom : other.bottom };
    }

    friend bool operator==(const TRect&, const TRect&) = default;
};

} // namespace tessel
