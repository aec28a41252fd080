#pragma once

#include "tessel/platform/TRect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessel {

// A 32-bit drawing surface: rows top to bottom, each pixel 0xAARRGGBB (bytes B, G,
// R, A in memory), the layout pixman calls a8r8g8b8.
class TSurface {
public:
    TSurface() = default;
    TSurface(int width, int height, uint32_t fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    TRect Bounds() const { return { 0, 0, m_width, m_height }; }
    // Bytes from one row to the next.
    int Stride() const { return m_width * 4; }

    // Sides are kept within 0 .. kMaxSide. When the memory cannot be had the surface
    // is left empty (and false returned).
    bool SetSize(int width, int height, uint32_t fill = 0);
    static constexpr int kMaxSide = 32767;
    uint32_t* ScanLine(int y)
    {
        return m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width);
    }
    const uint32_t* ScanLine(int y) const
    {
        return m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width);
    }
    uint32_t Pixel(int x, int y) const { return ScanLine(y)[x]; }
    void SetPixel(int x, int y, uint32_t argb) { ScanLine(y)[x] = argb; }
    uint32_t* Data() { return m_pixels.data(); }
    const uint32_t* Data() const { return m_pixels.data(); }

    friend bool operator==(const TSurface& a, const TSurface& b)
    {
        return a.m_width == b.m_width && a.m_height == b.m_height && a.m_pixels == b.m_pixels;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

} // namespace tessel
