#include "assets/skins/demo/Looks.h"

#include "tessel/framework/TBitmap.h"

#include <algorithm>
#include <cmath>

namespace tessel::demo {

namespace {

TLook g_look = TLook::kDemo;

struct Hsl {
    double h, s, l;
};

Hsl ToHsl(uint32_t rgb)
{
    const double r = (rgb >> 16 & 255) / 255.0, g = (rgb >> 8 & 255) / 255.0, b = (rgb & 255) / 255.0;
    const double hi = std::max({ r, g, b }), lo = std::min({ r, g, b });
    Hsl out { 0, 0, (hi + lo) / 2 };
    const double d = hi - lo;
    if (d == 0)
        return out;
    out.s = out.l > 0.5 ? d / (2 - hi - lo) : d / (hi + lo);
    if (hi == r)
        out.h = std::fmod((g - b) / d + 6, 6);
    else if (hi == g)
        out.h = (b - r) / d + 2;
    else
        out.h = (r - g) / d + 4;
    out.h /= 6;
    return out;
}

uint32_t FromHsl(Hsl c)
{
    auto channel = [&](double t) {
        const double q = c.l < 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s, p = 2 * c.l - q;
        t = t - std::floor(t);
        double v = t < 1.0 / 6 ? p + (q - p) * 6 * t
            : t < 0.5          ? q
            : t < 2.0 / 3      ? p + (q - p) * (2.0 / 3 - t) * 6
                               : p;
        return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return channel(c.h + 1.0 / 3) << 16 | channel(c.h) << 8 | channel(c.h - 1.0 / 3);
}

} // namespace

void SetLook(TLook look)
{
    g_look = look;
}

TLook CurrentLook()
{
    return g_look;
}

uint32_t InLook(uint32_t rgb)
{
    rgb &= 0xFFFFFF;
    if (g_look == TLook::kDemo || rgb == 0xFF00FF)
        return rgb;
    Hsl c = ToHsl(rgb);
    // Light faces go dark, dark text light; blues turn amber.
    c.l = 0.08 + 0.84 * (1 - c.l);
    c.h += 0.47;
    c.s = std::min(1.0, c.s * 1.1);
    return FromHsl(c);
}

void PaintInLook(TBitmap& picture)
{
    if (g_look == TLook::kDemo)
        return;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.SetPixel(x, y, InLook(picture.Pixel(x, y)));
}

} // namespace tessel::demo
