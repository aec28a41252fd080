#pragma once

#include "tessel/platform/TRect.h"

#include <cstddef>
#include <cstdint>
#include <pixman.h>
#include <vector>

namespace tessel {

enum TCombineMode { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

// The result kinds of region operations.
enum TRegionKind { ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

// A region: a set of pixels held as sorted bands of rectangles, on pixman's region
// code. Rectangles are right- and bottom-exclusive; empty rectangles add nothing.
class TRegion {
public:
    TRegion();
    explicit TRegion(const TRect& rect);
    ~TRegion();
    TRegion(const TRegion& other);
    TRegion& operator=(const TRegion& other);
    TRegion(TRegion&& other) noexcept;
    TRegion& operator=(TRegion&& other) noexcept;

    static TRegion FromRects(const std::vector<TRect>& rects);
    // A region from the platform's region data: a 32-byte header (header size 32,
    // type 1, rectangle count, region size, bounding rectangle) and the rectangles.
    // Returns false, leaving the region empty, for data that is not of that form.
    static bool FromRegionData(const void* data, size_t size, TRegion& region);
    // The region data of this region, in the same form.
    std::vector<uint8_t> RegionData() const;

    // this := a (op) b; for RGN_COPY, this := a.
    TRegionKind Combine(const TRegion& a, const TRegion& b, TCombineMode mode);
    void Offset(int dx, int dy);
    void Clear();

    bool IsEmpty() const;
    bool Contains(int x, int y) const;
    // True when any pixel of the rectangle lies in the region.
    bool Intersects(const TRect& rect) const;
    TRect Box() const;
    std::vector<TRect> Rects() const;
    TRegionKind Kind() const;

    friend bool operator==(const TRegion& a, const TRegion& b);

    pixman_region32_t* Native() { return &m_region; }
    const pixman_region32_t* Native() const { return &m_region; }

private:
    pixman_region32_t m_region;
};

} // namespace tessel
