#include "platform/TSurface.h"

#include <algorithm>
#include <cstdio>
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
        m_pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
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
