#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tessel {

class TSurface;

// Which pixels of a picture are black (red, green and blue all 0), one bit a pixel:
// the form a mask picture is scanned in. Bit i of a row's word j stands for pixel
// 64 j + i; the bits past the row's end are 0.
class TMaskBits {
public:
    static std::shared_ptr<const TMaskBits> FromSurface(const TSurface& surface);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int WordsPerRow() const { return m_words; }
    const uint64_t* Row(int y) const
    {
        return m_bits.data() + static_cast<size_t>(y) * static_cast<size_t>(m_words);
    }

private:
    int m_width = 0;
    int m_height = 0;
    int m_words = 0;
    std::vector<uint64_t> m_bits;
};

} // namespace tessel
