#include "tessel/skin/draw/TvxEffectBmp.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TSurface.h"
#include "tessel/skin/draw/TvxEffectRows.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace tessel {

namespace {

// Each pixel's weight for its three bytes.
struct TByteWeights {
    explicit TByteWeights(int pixels)
        : mix(3 * pixels)
    { }
    void Set(int pixel, double weight)
    {
        for (int i = 3 * pixel; i < 3 * pixel + 3; ++i)
            mix.Set(i, weight);
    }
    TvxEffectRows::TMixWeights mix;
};

// Rounds half to even (the default rounding mode) and clamps to a channel.
uint8_t Channel(double v)
{
    double r = std::nearbyint(v);
    return static_cast<uint8_t>(std::clamp(r, 0.0, 255.0));
}

int Round(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

double Clamp01(double k)
{
    return std::clamp(k, 0.0, 1.0);
}

} // namespace

TvxEffectBmp::TvxEffectBmp(int width, int height)
    : m_width(std::max(0, width))
    , m_height(std::max(0, height))
    , m_row(m_width * 3 + m_width % 4)
    , m_bytes(static_cast<size_t>(m_row) * static_cast<size_t>(m_height))
{ }

TvxEffectBmp::TvxEffectBmp(const TBitmap& bitmap)
    : TvxEffectBmp(bitmap.Width(), bitmap.Height())
{
    for (int y = 0; y < m_height; ++y) {
        const uint32_t* in = bitmap.ScanLine(y);
        uint8_t* out = ScanLine(y);
        for (int x = 0; x < m_width; ++x) {
            out[3 * x] = static_cast<uint8_t>(in[x]);
            out[3 * x + 1] = static_cast<uint8_t>(in[x] >> 8);
            out[3 * x + 2] = static_cast<uint8_t>(in[x] >> 16);
        }
    }
}

uint32_t TvxEffectBmp::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    const uint8_t* p = ScanLine(y) + 3 * x;
    return static_cast<uint32_t>(p[2]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[0]) << 16;
}

void TvxEffectBmp::SetPixel(int x, int y, uint32_t color)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    uint8_t* p = ScanLine(y) + 3 * x;
    p[2] = static_cast<uint8_t>(color);
    p[1] = static_cast<uint8_t>(color >> 8);
    p[0] = static_cast<uint8_t>(color >> 16);
}

void TvxEffectBmp::CopyRowOut(int y, uint8_t* out) const
{
    if (y >= 0 && y < m_height)
        std::memcpy(out, ScanLine(y), static_cast<size_t>(m_row));
}

void TvxEffectBmp::CopyRowIn(int y, const uint8_t* in)
{
    if (y >= 0 && y < m_height)
        std::memcpy(ScanLine(y), in, static_cast<size_t>(m_row));
}

void TvxEffectBmp::Draw(TDeviceContext& dc, int x, int y) const
{
    TSurface surface(m_width, m_height);
    for (int row = 0; row < m_height; ++row) {
        const uint8_t* in = ScanLine(row);
        uint32_t* out = surface.ScanLine(row);
        for (int col = 0; col < m_width; ++col)
            out[col] = 0xFF000000u | static_cast<uint32_t>(in[3 * col + 2]) << 16
                | static_cast<uint32_t>(in[3 * col + 1]) << 8 | in[3 * col];
    }
    dc.BitBlt(x, y, m_width, m_height, surface, 0, 0);
}

TBitmap TvxEffectBmp::ToBitmap() const
{
    TBitmap bitmap(m_width, m_height, TPixelFormat::pf24bit);
    for (int y = 0; y < m_height; ++y) {
        const uint8_t* in = ScanLine(y);
        uint32_t* out = bitmap.ScanLine(y);
        for (int x = 0; x < m_width; ++x)
            out[x] = 0xFF000000u | static_cast<uint32_t>(in[3 * x + 2]) << 16
                | static_cast<uint32_t>(in[3 * x + 1]) << 8 | in[3 * x];
    }
    return bitmap;
}

void TvxEffectBmp::Mix(const uint8_t* a, const uint8_t* b, double w, uint8_t* out)
{
    for (int c = 0; c < 3; ++c)
        out[c] = Channel((1 - w) * a[c] + w * b[c]);
}

void TvxEffectBmp::Blend(const TvxEffectBmp& other, double k)
{
    if (!SameSize(other))
        return;
    const TvxEffectRows::TBlendPlan& plan = TvxEffectRows::PlanBlend(Clamp01(k));
    for (int y = 0; y < m_height; ++y)
        TvxEffectRows::Blend(ScanLine(y), other.ScanLine(y), 3 * m_width, plan);
}

void TvxEffectBmp::BlendRect(
    const TvxEffectBmp& other, const TRect& rect, int first_row, int first_col, double k)
{
    k = Clamp01(k);
    // Only points inside both buffers take part, so a rectangle or offset that
    // reaches past either reads and writes nothing outside them.
    for (int y = std::max(0, rect.top); y < std::min(m_height, rect.bottom); ++y) {
        int by = first_row + (y - rect.top);
        if (by < 0 || by >= other.m_height)
            continue;
        for (int x = std::max(0, rect.left); x < std::min(m_width, rect.right); ++x) {
            int bx = first_col + (x - rect.left);
            if (bx < 0 || bx >= other.m_width)
                continue;
            uint8_t* a = ScanLine(y) + 3 * x;
            Mix(a, other.ScanLine(by) + 3 * bx, k, a);
        }
    }
}

void TvxEffectBmp::HorizontalGradient(const TvxEffectBmp& other, double k)
{
    const int w = m_width;
    int a = Round(w * k), c = a / 2, b = (w - a) / 2;
    double s = b == 0 ? 1.0 : 1.0 / b;
    int left = std::max(0, w / 2 - c), right = std::min(w - 1, w / 2 + c);
    // The band is other (weight 0); the walks start inside the image even when the
    // band lies outside it, and grow their weights by repeated steps, as the rule does.
    TByteWeights weights(w);
    for (int x = left; x <= right; ++x)
        weights.Set(x, 0);
    double weight = 0;
    for (int x = std::min(left, w - 1); x >= 0; --x, weight = std::min(1.0, weight + s))
        weights.Set(x, weight);
    weight = 0;
    for (int x = std::max(right, 0); x < w; ++x, weight = std::min(1.0, weight + s))
        weights.Set(x, weight);
    TvxEffectRows::MixRows(ScanLine(0), other.ScanLine(0), m_row, m_height, weights.mix, 3 * w);
}

void TvxEffectBmp::VerticalGradient(const TvxEffectBmp& other, double k)
{
    const int h = m_height;
    int a = Round(h * k), c = a / 2, d = (h - 1 - a) / 2;
    double s = d == 0 ? 0.0 : 1.0 / d;
    int top = std::max(0, h / 2 - c), bottom = std::min(h - 1, h / 2 + c);
    for (int y = top; y <= bottom; ++y)
        std::memcpy(ScanLine(y), other.ScanLine(y), static_cast<size_t>(m_row));
    auto fade = [&](int y, double weight) {
        TvxEffectRows::MixConstant(ScanLine(y), other.ScanLine(y), weight, 3 * m_width, ScanLine(y));
    };
    double weight = 0;
    for (int y = std::min(top, h - 1); y >= 0; --y, weight = std::min(1.0, weight + s))
        fade(y, weight);
    weight = 0;
    for (int y = std::max(bottom, 0); y < h; ++y, weight = std::min(1.0, weight + s))
        fade(y, weight);
}

void TvxEffectBmp::Gradient(const TvxEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0 || m_height == 0)
        return;
    if (m_width >= m_height)
        HorizontalGradient(other, k);
    else
        VerticalGradient(other, k);
}

void TvxEffectBmp::LeftGradient(const TvxEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0)
        return;
    const int w = m_width;
    int a = std::max(1, std::min(w - 1, Round(w * k)));
    int n = std::min(a + 1, w);
    TByteWeights weights(n);
    for (int x = 0; x < n; ++x)
        weights.Set(x, std::min(1.0, static_cast<double>(x) / a));
    TvxEffectRows::MixRows(ScanLine(0), other.ScanLine(0), m_row, m_height, weights.mix, 3 * n);
}

void TvxEffectBmp::RightGradient(const TvxEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0)
        return;
    const int w = m_width;
    int a = std::clamp(w - Round(w * k), 0, w - 1);
    double step = w - a == 0 ? 1.0 : 1.0 / (w - a);
    TByteWeights weights(w - a);
    double weight = 0;
    for (int x = w - 1; x >= a; --x, weight = std::min(1.0, weight + step))
        weights.Set(x - a, weight);
    TvxEffectRows::MixRows(
        ScanLine(0) + 3 * a, other.ScanLine(0) + 3 * a, m_row, m_height, weights.mix, 3 * (w - a));
}

void TvxEffectBmp::LeftSlide(const TvxEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0)
        return;
    const int w = m_width;
    int b = std::max(1, std::min(w - 1, Round(w * k)));
    for (int y = 0; y < m_height; ++y) {
        uint8_t* row = ScanLine(y);
        const uint8_t* o = other.ScanLine(y);
        for (int x = 0; x < b && x < w; ++x)
            std::memcpy(row + 3 * x, o + 3 * std::min(w - 1, w - b + x), 3);
    }
}

void TvxEffectBmp::RightSlide(const TvxEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0)
        return;
    const int w = m_width;
    int b = std::max(1, std::min(w - 1, Round(w * k)));
    for (int y = 0; y < m_height; ++y) {
        uint8_t* row = ScanLine(y);
        const uint8_t* o = other.ScanLine(y);
        for (int x = std::max(0, w - b); x < w; ++x)
            std::memcpy(row + 3 * x, o + 3 * (x - (w - b)), 3);
    }
}

void TvxEffectBmp::Push(const TvxEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0)
        return;
    const int w = m_width;
    int a = std::clamp(Round(w * k), 0, w - 1);
    std::vector<uint8_t> line(static_cast<size_t>(m_row));
    for (int y = 0; y < m_height; ++y) {
        uint8_t* row = ScanLine(y);
        std::memcpy(line.data(), row, line.size());
        // This moves right by a + 1; other fills the columns it leaves.
        for (int x = w - 1; x > a; --x)
            std::memcpy(row + 3 * x, line.data() + 3 * (x - a - 1), 3);
        std::memcpy(row + 3 * a, line.data(), 3);
        const uint8_t* o = other.ScanLine(y);
        for (int x = 0; x <= a; ++x)
            std::memcpy(row + 3 * x, o + 3 * (w - a - 1 + x), 3);
    }
}

void TvxEffectBmp::Morph(TvxMorphKind kind, const TvxEffectBmp& other, double k)
{
    switch (kind) {
    case mkgradient:
        Gradient(other, k);
        break;
    case mkleftgradient:
        LeftGradient(other, k);
        break;
    case mkrightgradient:
        RightGradient(other, k);
        break;
    case mkleftslide:
        LeftSlide(other, k);
        break;
    case mkrightslide:
        RightSlide(other, k);
        break;
    case mkpush:
        Push(other, k);
        break;
    default:
        Blend(other, k);
        break;
    }
}

void TvxEffectBmp::Brightness(double k)
{
    k = Clamp01(k);
    MapChannels([k](uint8_t c) { return Channel((1 - k) * c + 255 * k); });
}

void TvxEffectBmp::Darkness(double k)
{
    k = Clamp01(k);
    MapChannels([k](uint8_t c) { return Channel((1 - k) * c); });
}

void TvxEffectBmp::Grayscale()
{
    for (int y = 0; y < m_height; ++y) {
        uint8_t* p = ScanLine(y);
        for (int x = 0; x < m_width; ++x, p += 3) {
            uint8_t g = Channel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
            p[0] = p[1] = p[2] = g;
        }
    }
}

void TvxEffectBmp::Invert()
{
    MapChannels([](uint8_t c) { return static_cast<uint8_t>(255 - c); });
}

void TvxEffectBmp::Noise(int range)
{
    if (range <= 0)
        return;
    std::uniform_int_distribution<int> pick(0, range - 1);
    for (int y = 0; y < m_height; ++y) {
        uint8_t* p = ScanLine(y);
        for (int x = 0; x < m_width; ++x, p += 3) {
            int d = pick(m_random) - range / 2;
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<uint8_t>(std::clamp(p[c] + d, 0, 255));
        }
    }
}

void TvxEffectBmp::SplitBlur(int amount)
{
    if (amount <= 0 || m_width == 0)
        return;
    const int n = amount;
    // In place from the top: rows above are already blurred when a row reads them.
    // Past the right and bottom edges the last column and row are sampled.
    for (int y = 0; y < m_height; ++y) {
        const int up = y - n < 0 ? y : y - n;
        const int down = std::min(m_height - 1, y + n);
        for (int x = 0; x < m_width; ++x) {
            const int left = x - n < 0 ? x : x - n;
            const int right = std::min(m_width - 1, x + n);
            uint8_t* p = ScanLine(y) + 3 * x;
            for (int c = 0; c < 3; ++c) {
                int sum = ScanLine(up)[3 * left + c] + ScanLine(down)[3 * left + c]
                    + ScanLine(up)[3 * right + c] + ScanLine(down)[3 * right + c];
                p[c] = static_cast<uint8_t>(sum / 4);
            }
        }
    }
}

void TvxEffectBmp::InactiveEffect(TvxInactiveEffect effect)
{
    switch (effect) {
    case iebrightness:
        Brightness(0.5);
        break;
    case iedarkness:
        Darkness(0.3);
        break;
    case iegrayscale:
        Grayscale();
        break;
    case ienoise:
        Noise(50);
        break;
    case iesplitblur:
        SplitBlur(1);
        break;
    case ieinvert:
        Invert();
        break;
    }
}

void TvxEffectBmp::FlipVertical(TvxEffectBmp& other) const
{
    if (!SameSize(other))
        return;
    for (int y = 0; y < m_height; ++y)
        std::memcpy(other.ScanLine(m_height - 1 - y), ScanLine(y), static_cast<size_t>(m_row));
}

} // namespace tessel
