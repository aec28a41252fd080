#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

class TStream;

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit };

// Bits per pixel of a pixel format; pfDevice counts as 32.
int BitsPerPixel(TPixelFormat format);

// A picture in memory: rows of 32-bit pixels, top row first, each pixel 0xAARRGGBB
// (bytes B, G, R, A in memory). The pixel format is the depth the picture was read
// with and is written back with; palettised formats keep their palette.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    TPixelFormat PixelFormat() const { return m_format; }
    void SetPixelFormat(TPixelFormat format) { m_format = format; }

    // Resizes to width × height; kept pixels stay in place, new ones are black.
    void SetSize(int width, int height);
    void Assign(const TBitmap& other) { *this = other; }
    void Clear() { *this = TBitmap(); }

    // Palette entries 0x00RRGGBB for the palettised formats.
    const std::vector<uint32_t>& Palette() const { return m_palette; }
    void SetPalette(std::vector<uint32_t> palette) { m_palette = std::move(palette); }

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
    void Fill(uint32_t argb);

    // Reads one BMP file from the stream's position and leaves the stream right
    // behind it. Anything but a valid BMP raises EInvalidGraphic.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& file_name);
    void SaveToFile(const std::string& file_name) const;

    friend bool operator==(const TBitmap& a, const TBitmap& b)
    {
        return a.m_width == b.m_width && a.m_height == b.m_height && a.m_pixels == b.m_pixels;
    }

private:
    int m_width = 0;
    int m_height = 0;
    TPixelFormat m_format = TPixelFormat::pf24bit;
    std::vector<uint32_t> m_pixels;
    std::vector<uint32_t> m_palette;
};

} // namespace tessel
