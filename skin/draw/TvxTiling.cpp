#include "tessel/skin/draw/TvxTiling.h"

#include "tessel/platform/TSurface.h"

#include <algorithm>
#include <cstring>

namespace tessel {

namespace {

// The part of the destination that is drawn, or an empty rectangle.
TRect DrawnArea(const TSurface& dst, const TRect& to, const TRect* clip)
{
    TRect area = to.Intersect(dst.Bounds());
    if (clip)
        area = area.Intersect(*clip);
    return area;
}

} // namespace

void TvxTiling::TileReference(
    TSurface& dst, const TRect& to, const TSurface& src, const TRect& piece, const TRect* clip)
{
    int pw = piece.Width(), ph = piece.Height();
    if (pw <= 0 || ph <= 0)
        return;
    TRect area = DrawnArea(dst, to, clip);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            int sx = piece.left + (x - to.left) % pw, sy = piece.top + (y - to.top) % ph;
            if (sx >= 0 && sy >= 0 && sx < src.Width() && sy < src.Height())
                dst.SetPixel(x, y, src.Pixel(sx, sy));
        }
}

void TvxTiling::Tile(
    TSurface& dst, const TRect& to, const TSurface& src, const TRect& piece, const TRect* clip)
{
    int pw = piece.Width(), ph = piece.Height();
    if (pw <= 0 || ph <= 0)
        return;
    TRect area = DrawnArea(dst, to, clip);
    if (area.IsEmpty())
        return;
    if (piece.Intersect(src.Bounds()) != piece || (&dst == &src && !area.Intersect(piece).IsEmpty())) {
        TileReference(dst, to, src, piece, clip);
        return;
    }
    const int width = area.Width();
    const size_t bytes = static_cast<size_t>(width) * 4;
    const int phase_x = (area.left - to.left) % pw;
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* row = dst.ScanLine(y) + area.left;
        // A row one period down repeats a row already made.
        if (y - area.top >= ph) {
            std::memcpy(row, dst.ScanLine(y - ph) + area.left, bytes);
            continue;
        }
        const uint32_t* line = src.ScanLine(piece.top + (y - to.top) % ph) + piece.left;
        // One period (from the phase to the piece's end, then its start), then doubling.
        int first = std::min(pw - phase_x, width);
        std::memcpy(row, line + phase_x, static_cast<size_t>(first) * 4);
        int built = first;
        if (built < width) {
            int rest = std::min(phase_x, width - built);
            std::memcpy(row + built, line, static_cast<size_t>(rest) * 4);
            built += rest;
        }
        // built is a whole number of periods now, so the row so far repeats as it is.
        while (built < width) {
            int n = std::min(built, width - built);
            std::memcpy(row + built, row, static_cast<size_t>(n) * 4);
            built += n;
        }
    }
}

} // namespace tessel
