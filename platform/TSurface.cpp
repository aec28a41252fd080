#include "platform/TSurface.h"

#include <algorithm>

namespace tessel {

TSurface::TSurface(int width, int height, uint32_t fill)
{
    SetSize(width, height, fill);
}

void TSurface::SetSize(int width, int height, uint32_t fill)
{
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    m_pixels.assign(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), fill);
}

} // namespace tessel
