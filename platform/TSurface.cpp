#include "tessel/platform/TSurface.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

namespace tessel {

TSurface::TSurface(int width, int height, uint32_t fill)
{
    SetSize(width, height, fill);
}

bool TSurface::SetSize(int width, int height, uint32_t fill)
{
    width = std::clamp(width, 0, kMaxSide);
    height = std::clamp(height, 0, kMaxSide);
    bool ok = true;
    try {
        size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
        // Zeros come from the vector's own clearing; a colour of four equal bytes
        // is set byte-wise, as memset writes whole cache lines without reading them.
        m_pixels.clear();
        m_pixels.resize(count);
        uint8_t byte = static_cast<uint8_t>(fill);
        if (fill == byte * 0x01010101u) {
            if (byte != 0)
                std::memset(m_pixels.data(), byte, count * sizeof(uint32_t));
        } else {
            std::fill(m_pixels.begin(), m_pixels.end(), fill);
        }
    } catch (const std::bad_alloc&) {
        // A size the machine cannot hold leaves an empty surface, never an abort.
        std::fprintf(stderr, "tessel: no memory for a %d x %d surface\n", width, height);
        m_pixels.clear();
        m_pixels.shrink_to_fit();
        width = height = 0;
        ok = false;
    }
    m_width = width;
    m_height = height;
    return ok;
}

} // namespace tessel
