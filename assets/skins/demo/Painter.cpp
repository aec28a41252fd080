#include "assets/skins/demo/Painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tessel::demo {

Rgb Mix(Rgb a, Rgb b, double t)
{
    auto ch = [&](int shift) {
        double v = ((a >> shift) & 255) * (1 - t) + ((b >> shift) & 255) * t;
        return static_cast<Rgb>(std::lround(std::clamp(v, 0.0, 255.0))) << shift;
    };
    return ch(16) | ch(8) | ch(0);
}

void Painter::Put(int x, int y, Rgb c)
{
    if (x >= 0 && y >= 0 && x < m_bitmap.Width() && y < m_bitmap.Height())
        m_bitmap.SetPixel(x, y, c & 0xFFFFFF);
}

Rgb Painter::Get(int x, int y) const
{
    if (x >= 0 && y >= 0 && x < m_bitmap.Width() && y < m_bitmap.Height())
        return m_bitmap.Pixel(x, y) & 0xFFFFFF;
    return 0;
}

void Painter::Fill(const TRect& r, Rgb c)
{
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            Put(x, y, c);
}

void Painter::VGradient(const TRect& r, Rgb top, Rgb bottom)
{
    int h = std::max(1, r.Height() - 1);
    for (int y = r.top; y < r.bottom; ++y)
        HLine(r.left, r.right, y, Mix(top, bottom, double(y - r.top) / h));
}

void Painter::HGradient(const TRect& r, Rgb left, Rgb right)
{
    int w = std::max(1, r.Width() - 1);
    for (int x = r.left; x < r.right; ++x)
        VLine(x, r.top, r.bottom, Mix(left, right, double(x - r.left) / w));
}

void Painter::Frame(const TRect& r, Rgb c)
{
    HLine(r.left, r.right, r.top, c);
    HLine(r.left, r.right, r.bottom - 1, c);
    VLine(r.left, r.top, r.bottom, c);
    VLine(r.right - 1, r.top, r.bottom, c);
}

void Painter::HLine(int x0, int x1, int y, Rgb c)
{
    for (int x = x0; x < x1; ++x)
        Put(x, y, c);
}

void Painter::VLine(int x, int y0, int y1, Rgb c)
{
    for (int y = y0; y < y1; ++y)
        Put(x, y, c);
}

void Painter::Line(int x0, int y0, int x1, int y1, Rgb c)
{
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
    for (;;) {
        Put(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

bool Painter::InsideRounded(const TRect& r, int radius, int x, int y)
{
    if (radius <= 0)
        return true;
    int cx = x < r.left + radius ? r.left + radius : x >= r.right - radius ? r.right - radius - 1 : x;
    int cy = y < r.top + radius ? r.top + radius : y >= r.bottom - radius ? r.bottom - radius - 1 : y;
    if (cx == x || cy == y)
        return true;
    double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= (radius + 0.3) * (radius + 0.3);
}

void Painter::RoundBox(const TRect& r, int radius, Rgb border, Rgb top, Rgb bottom, Rgb outside)
{
    int h = std::max(1, r.Height() - 1);
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (!InsideRounded(r, radius, x, y)) {
                if (outside != kKeep)
                    Put(x, y, outside);
                continue;
            }
            bool edge = !InsideRounded(r, radius, x - 1, y) || !InsideRounded(r, radius, x + 1, y)
                || !InsideRounded(r, radius, x, y - 1) || !InsideRounded(r, radius, x, y + 1) || x == r.left
                || x == r.right - 1 || y == r.top || y == r.bottom - 1;
            Put(x, y, edge ? border : Mix(top, bottom, double(y - r.top) / h));
        }
    }
}

void Painter::Disc(double cx, double cy, double radius, Rgb c)
{
    for (int y = int(cy - radius - 1); y <= int(cy + radius + 1); ++y)
        for (int x = int(cx - radius - 1); x <= int(cx + radius + 1); ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= radius * radius)
                Put(x, y, c);
        }
}

void Painter::Arrow(const TRect& r, Direction direction, int height, Rgb c)
{
    int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
    for (int k = 0; k < height; ++k) {
        int half = height - 1 - k; // widest row first
        switch (direction) {
        case Direction::kDown:
            HLine(cx - half, cx + half + 1, cy - height / 2 + k, c);
            break;
        case Direction::kUp:
            HLine(cx - half, cx + half + 1, cy + height / 2 - k, c);
            break;
        case Direction::kRight:
            VLine(cx - height / 2 + k, cy - half, cy + half + 1, c);
            break;
        case Direction::kLeft:
            VLine(cx + height / 2 - k, cy - half, cy + half + 1, c);
            break;
        }
    }
}

} // namespace tessel::demo
