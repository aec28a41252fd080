#include "tessel/skin/draw/TFBitmap.h"

namespace tessel {

TFBitmap::TFBitmap(const TBitmap& mask)
    : m_pixels(mask)
{
    m_rows.reserve(static_cast<size_t>(m_pixels.Height()));
    for (int y = 0; y < m_pixels.Height(); ++y)
        m_rows.push_back(m_pixels.ScanLine(y));
}

} // namespace tessel
