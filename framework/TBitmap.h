#pragma once

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TColor.h"
#include "tessel/framework/TMaskBits.h"
#include "tessel/platform/TSurface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

class TDeviceContext;
class TStream;

// How a transparent bitmap finds its transparent colour: the bottom-left pixel, or
// the colour set.
enum TTransparentMode { tmAuto, tmFixed };

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit };

// Bits per pixel of a pixel format; pfDevice counts as 32.
int BitsPerPixel(TPixelFormat format);

// A picture in memory: rows of 32-bit pixels, top row first, each pixel 0xAARRGGBB
// (bytes B, G, R, A in memory). The pixel format is the depth the picture was read
// with and is written back with; palettised formats keep their palette. Its canvas
// draws on its pixels; copying a bitmap copies the picture, not the canvas.
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap();

    int Width() const { return m_surface.Width(); }
    int Height() const { return m_surface.Height(); }
    bool Empty() const { return m_surface.Empty(); }
    TPixelFormat PixelFormat() const { return m_format; }
    void SetPixelFormat(TPixelFormat format) { m_format = format; }

    // Resizes to width × height; kept pixels stay in place, new ones are black.
    void SetSize(int width, int height);
    void Assign(const TBitmap& other) { *this = other; }
    void Clear() { *this = TBitmap(); }

    // A canvas on the pixels; it stays valid across SetSize.
    TCanvas& Canvas();
    const TSurface& Surface() const { return m_surface; }
    TSurface& Surface()
    {
        m_mask_bits.reset();
        return m_surface;
    }
    // The black pixels one bit each, kept for a 1-bit picture as read from a file
    // and dropped as soon as its pixels may change (any writing access); null when
    // there are none. A bitmap that has a canvas never keeps them.
    const TMaskBits* MaskBits() const { return m_mask_bits.get(); }

    // Whether drawing the bitmap leaves out its transparent colour.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent) { m_transparent = transparent; }
    TTransparentMode TransparentMode() const { return m_transparent_mode; }
    void SetTransparentMode(TTransparentMode mode) { m_transparent_mode = mode; }
    // In automatic mode the bottom-left pixel's colour (clDefault for an empty bitmap).
    TColor TransparentColor() const;
    // Setting a colour switches to fixed mode.
    void SetTransparentColor(TColor color);

    // Palette entries 0x00RRGGBB for the palettised formats.
    const std::vector<uint32_t>& Palette() const { return m_palette; }
    void SetPalette(std::vector<uint32_t> palette) { m_palette = std::move(palette); }

    uint32_t* ScanLine(int y)
    {
        m_mask_bits.reset();
        return m_surface.ScanLine(y);
    }
    const uint32_t* ScanLine(int y) const { return m_surface.ScanLine(y); }
    uint32_t Pixel(int x, int y) const { return m_surface.Pixel(x, y); }
    void SetPixel(int x, int y, uint32_t argb)
    {
        m_mask_bits.reset();
        m_surface.SetPixel(x, y, argb);
    }
    void Fill(uint32_t argb);

    // Reads one BMP file from the stream's position and leaves the stream right
    // behind it. Anything but a valid BMP raises EInvalidGraphic.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& file_name);
    void SaveToFile(const std::string& file_name) const;

    friend bool operator==(const TBitmap& a, const TBitmap& b) { return a.m_surface == b.m_surface; }

private:
    void ResetContext();
    void KeepMaskBits();

    TSurface m_surface;
    TPixelFormat m_format = TPixelFormat::pf24bit;
    std::vector<uint32_t> m_palette;
    bool m_transparent = false;
    TTransparentMode m_transparent_mode = tmAuto;
    TColor m_transparent_color = clDefault;
    std::unique_ptr<TDeviceContext> m_dc;
    std::unique_ptr<TCanvas> m_canvas;
    std::shared_ptr<const TMaskBits> m_mask_bits;
};

} // namespace tessel
