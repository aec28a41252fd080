#pragma once

#include "tessel/platform/TRect.h"

#include <cstdint>

namespace tessel {

class TRegion;
class TSurface;

// Raster operations of BitBlt (the ternary codes of the platform; those that use no
// pattern).
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t NOTSRCCOPY = 0x00330008;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

// Drawing on surfaces. Every operation draws only inside the destination's bounds
// and, when a clip region is given, inside it; source pixels outside the source are
// not drawn. Colours are pixel values 0xAARRGGBB.
class Raster {
public:
    // Copies a w x h block from (sx, sy) of src to (x, y) of dst, combining with rop.
    // Returns false for a raster operation it does not know (nothing is drawn).
    static bool BitBlt(TSurface& dst, int x, int y, int w, int h, const TSurface& src, int sx, int sy,
        uint32_t rop = SRCCOPY, const TRegion* clip = nullptr);

    // Stretches the source rectangle onto the destination rectangle, nearest pixel
    // (stretch mode 3): destination column d (0-based within the rectangle) shows
    // source column sx + floor((d + 0.5) * sw / dw), rows likewise. Widths and heights
    // must be positive; otherwise nothing is drawn.
    static void StretchBlt(TSurface& dst, const TRect& to, const TSurface& src, const TRect& from,
        const TRegion* clip = nullptr);
    // The plain loop StretchBlt is proven identical to.
    static void StretchBltReference(TSurface& dst, const TRect& to, const TSurface& src, const TRect& from,
        const TRegion* clip = nullptr);

    // Like BitBlt with SRCCOPY, leaving out source pixels whose colour (alpha ignored) is key.
    static void TransparentCopy(TSurface& dst, int x, int y, const TSurface& src, const TRect& from,
        uint32_t key, const TRegion* clip = nullptr);

    static void FillRect(TSurface& dst, const TRect& rect, uint32_t color, const TRegion* clip = nullptr);

    // A one-pixel pen line from (x0, y0) towards (x1, y1); the last pixel is left
    // out, so lines joined end to start draw every pixel once.
    static void Line(
        TSurface& dst, int x0, int y0, int x1, int y1, uint32_t color, const TRegion* clip = nullptr);
    // Lines through the points in turn.
    static void Polyline(
        TSurface& dst, const TPoint* points, int count, uint32_t color, const TRegion* clip = nullptr);
    // A rectangle outlined with the pen inside its edges and filled with the brush.
    static void Rectangle(
        TSurface& dst, const TRect& rect, uint32_t pen, uint32_t brush, const TRegion* clip = nullptr);
};

} // namespace tessel
