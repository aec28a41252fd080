#include "tessel/framework/TMaskBits.h"

#include "tessel/platform/TSurface.h"

namespace tessel {

std::shared_ptr<const TMaskBits> TMaskBits::FromSurface(const TSurface& surface)
{
    auto bits = std::make_shared<TMaskBits>();
    bits->m_width = surface.Width();
    bits->m_height = surface.Height();
    bits->m_words = (bits->m_width + 63) / 64;
    bits->m_bits.assign(static_cast<size_t>(bits->m_words) * static_cast<size_t>(bits->m_height), 0);
    for (int y = 0; y < bits->m_height; ++y) {
        const uint32_t* row = surface.ScanLine(y);
        auto* out = const_cast<uint64_t*>(bits->Row(y));
        for (int x = 0; x < bits->m_width; ++x)
            if ((row[x] & 0x00FFFFFF) == 0)
                out[x >> 6] |= uint64_t(1) << (x & 63);
    }
    return bits;
}

} // namespace tessel
