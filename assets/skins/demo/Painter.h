#pragma once

#include "assets/skins/demo/Looks.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TRect.h"

#include <cstdint>

namespace tessel::demo {

// An RGB colour 0xRRGGBB as the pictures store it.
using Rgb = uint32_t;
// Passed as the outside colour, leaves pixels outside a rounded outline as they are.
constexpr Rgb kKeep = 0xFF000000;

// The skin INI writes colours as 0x00BBGGRR in decimal, in the look being made.
inline int32_t IniColor(Rgb rgb)
{
    rgb = InLook(rgb);
    return static_cast<int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

Rgb Mix(Rgb a, Rgb b, double t);

// Simple drawing on a bitmap for the demo skin's art; everything clips to the bitmap.
class Painter {
public:
    explicit Painter(TBitmap& bitmap)
        : m_bitmap(bitmap)
    { }

    void Put(int x, int y, Rgb c);
    Rgb Get(int x, int y) const;
    void Fill(const TRect& r, Rgb c);
    void VGradient(const TRect& r, Rgb top, Rgb bottom);
    void HGradient(const TRect& r, Rgb left, Rgb right);
    void Frame(const TRect& r, Rgb c);
    void HLine(int x0, int x1, int y, Rgb c);
    void VLine(int x, int y0, int y1, Rgb c);
    void Line(int x0, int y0, int x1, int y1, Rgb c);
    // A box with a vertical gradient, a one-pixel border and corners rounded by
    // radius; pixels cut off by the rounding are painted outside.
    void RoundBox(const TRect& r, int radius, Rgb border, Rgb top, Rgb bottom, Rgb outside);
    // True when (x, y) of r lies inside its rounded outline.
    static bool InsideRounded(const TRect& r, int radius, int x, int y);
    void Disc(double cx, double cy, double radius, Rgb c);
    enum class Direction { kUp, kDown, kLeft, kRight };
    // A solid arrow head of the given height centred in r.
    void Arrow(const TRect& r, Direction direction, int height, Rgb c);

private:
    TBitmap& m_bitmap;
};

} // namespace tessel::demo
