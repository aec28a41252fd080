// make-icon DIR: draws the player's icon, a tile of four coloured squares on a
// rounded slate plate, as DIR/tessel-N.png at the sizes desktops ask for.

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TPngWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using tessel::TBitmap;

struct Rgb {
    int r, g, b;
};

// Coverage of the pixel (x, y) by a rounded square of side n (radius r), by 4 x 4
// samples: smooth edges at every size.
double Cover(double left, double top, double right, double bottom, double radius, int x, int y)
{
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
            if (px < left || px > right || py < top || py > bottom)
                continue;
            const double cx = std::clamp(px, left + radius, right - radius);
            const double cy = std::clamp(py, top + radius, bottom - radius);
            if ((px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius)
                ++inside;
        }
    return inside / 16.0;
}

// Paints colour over the pixel by coverage; alpha grows with it.
void Over(TBitmap& bmp, int x, int y, Rgb c, double cover)
{
    if (cover <= 0)
        return;
    const uint32_t old = bmp.Pixel(x, y);
    const double a0 = ((old >> 24) & 0xFF) / 255.0;
    const double a = cover + a0 * (1 - cover);
    auto mix = [&](int shift, int value) {
        const double was = ((old >> shift) & 0xFF) * a0 * (1 - cover);
        return static_cast<uint32_t>(std::lround((value * cover + was) / (a > 0 ? a : 1)));
    };
    bmp.SetPixel(x, y,
        (static_cast<uint32_t>(std::lround(a * 255)) << 24) | (mix(16, c.r) << 16) | (mix(8, c.g) << 8)
            | mix(0, c.b));
}

TBitmap Icon(int n)
{
    TBitmap bmp(n, n);
    bmp.Fill(0x00000000);
    const double s = n / 16.0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            Over(bmp, x, y, { 0x2A, 0x3A, 0x52 }, Cover(0.5 * s, 0.5 * s, 15.5 * s, 15.5 * s, 3 * s, x, y));
    // Four tiles: blue, orange, green, gold.
    const Rgb tiles[4]
        = { { 0x3B, 0x78, 0xD8 }, { 0xE8, 0x70, 0x2A }, { 0x2E, 0xC2, 0x6A }, { 0xF2, 0xC2, 0x2E } };
    for (int i = 0; i < 4; ++i) {
        const double left = (i % 2 ? 8.5 : 3) * s, top = (i / 2 ? 8.5 : 3) * s;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                Over(bmp, x, y, tiles[i], Cover(left, top, left + 4.5 * s, top + 4.5 * s, 0.8 * s, x, y));
    }
    return bmp;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icon DIR\n");
        return 2;
    }
    try {
        for (int n : { 16, 24, 32, 48, 64, 128, 256 })
            tessel::TPngWriter::Save(Icon(n), std::string(argv[1]) + "/tessel-" + std::to_string(n) + ".png",
                tessel::TPngChannels::Rgba);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-icon: %s\n", e.what());
        return 1;
    }
    return 0;
}
