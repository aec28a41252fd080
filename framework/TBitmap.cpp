#include "tessel/framework/TBitmap.h"

#include "tessel/framework/TBmpCodec.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TFileStream.h"
#include "tessel/framework/TMaskBits.h"
#include "tessel/platform/TDeviceContext.h"

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

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format)
    : m_format(format)
{
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other)
    : m_surface(other.m_surface)
    , m_format(other.m_format)
    , m_palette(other.m_palette)
    , m_transparent(other.m_transparent)
    , m_transparent_mode(other.m_transparent_mode)
    , m_transparent_color(other.m_transparent_color)
    , m_mask_bits(other.m_mask_bits)
{ }

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this == &other)
        return *this;
    m_surface = other.m_surface;
    m_format = other.m_format;
    m_palette = other.m_palette;
    m_transparent = other.m_transparent;
    m_transparent_mode = other.m_transparent_mode;
    m_transparent_color = other.m_transparent_color;
    // A canvas of this bitmap may draw on the copied pixels at any time.
    m_mask_bits = m_canvas ? nullptr : other.m_mask_bits;
    ResetContext();
    return *this;
}

TBitmap::~TBitmap()
{
    if (m_canvas)
        m_canvas->SetHandle(nullptr);
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    TSurface pixels(width, height, 0);
    int keep_w = std::min(width, Width()), keep_h = std::min(height, Height());
    for (int y = 0; y < keep_h; ++y)
        std::copy_n(ScanLine(y), keep_w, pixels.ScanLine(y));
    m_surface = std::move(pixels);
    m_mask_bits.reset();
    ResetContext();
}

void TBitmap::Fill(uint32_t argb)
{
    m_mask_bits.reset();
    std::fill_n(m_surface.Data(), static_cast<size_t>(Width()) * static_cast<size_t>(Height()), argb);
}

TCanvas& TBitmap::Canvas()
{
    m_mask_bits.reset();
    if (!m_canvas)
        m_canvas = std::make_unique<TCanvas>();
    if (!m_dc) {
        m_dc = std::make_unique<TDeviceContext>(m_surface);
        m_canvas->SetHandle(m_dc.get());
    }
    return *m_canvas;
}

void TBitmap::ResetContext()
{
    // The context covers the old pixels; the canvas gets a new one when next asked for.
    if (m_canvas)
        m_canvas->SetHandle(nullptr);
    m_dc.reset();
    if (m_canvas) {
        m_dc = std::make_unique<TDeviceContext>(m_surface);
        m_canvas->SetHandle(m_dc.get());
    }
}

TColor TBitmap::TransparentColor() const
{
    if (m_transparent_mode == tmFixed)
        return m_transparent_color;
    if (Empty())
        return clDefault;
    return ArgbToColor(Pixel(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor color)
{
    m_transparent_color = color;
    m_transparent_mode = tmFixed;
}

void TBitmap::LoadFromStream(TStream& stream)
{
    TBmpCodec::Read(stream, *this, TBmpCodec::Source::kStream);
    KeepMaskBits();
}

void TBitmap::KeepMaskBits()
{
    // Mask pictures are 1-bit; their black pixels are kept packed for scanning.
    if (m_format == TPixelFormat::pf1bit && !m_canvas)
        m_mask_bits = TMaskBits::FromSurface(m_surface);
}

void TBitmap::SaveToStream(TStream& stream) const
{
    TBmpCodec::Write(*this, stream);
}

void TBitmap::LoadFromFile(const std::string& file_name)
{
    TFileStream file(file_name, TFileMode::fmOpenRead);
    TBmpCodec::Read(file, *this, TBmpCodec::Source::kWholeFile);
    KeepMaskBits();
}

void TBitmap::SaveToFile(const std::string& file_name) const
{
    TFileStream file(file_name, TFileMode::fmCreate);
    SaveToStream(file);
}

} // namespace tessel
