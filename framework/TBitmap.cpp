#include "framework/TBitmap.h"

#include "framework/TBmpCodec.h"
#include "framework/TFileStream.h"

#include <algorithm>

namespace tessel {

int BitsPerPixel(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit:
        return 1;
    case TPixelFormat::pf4bit:
        return 4;
    case TPixelFormat::pf8bit:
        return 8;
    case TPixelFormat::pf16bit:
        return 16;
    case TPixelFormat::pf24bit:
        return 24;
    case TPixelFormat::pf32bit:
    case TPixelFormat::pfDevice:
        return 32;
    }
    return 32;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format)
    : m_format(format)
{
    SetSize(width, height);
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == m_width && height == m_height)
        return;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    int keep_w = std::min(width, m_width), keep_h = std::min(height, m_height);
    for (int y = 0; y < keep_h; ++y)
        std::copy_n(ScanLine(y), keep_w, pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width));
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
}

void TBitmap::Fill(uint32_t argb)
{
    std::fill(m_pixels.begin(), m_pixels.end(), argb);
}

void TBitmap::LoadFromStream(TStream& stream)
{
    TBmpCodec::Read(stream, *this, TBmpCodec::Source::kStream);
}

void TBitmap::SaveToStream(TStream& stream) const
{
    TBmpCodec::Write(*this, stream);
}

void TBitmap::LoadFromFile(const std::string& file_name)
{
    TFileStream file(file_name, TFileMode::fmOpenRead);
    TBmpCodec::Read(file, *this, TBmpCodec::Source::kWholeFile);
}

void TBitmap::SaveToFile(const std::string& file_name) const
{
    TFileStream file(file_name, TFileMode::fmCreate);
    SaveToStream(file);
}

} // namespace tessel
