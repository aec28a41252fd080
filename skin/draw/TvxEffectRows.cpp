#include "skin/draw/TvxEffectRows.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tessel {

namespace {

uint8_t BlendOne(uint8_t a, uint8_t b, double ka, double k)
{
    double v = std::nearbyint(ka * a + k * b);
    return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0));
}

} // namespace

void TvxEffectRows::BlendReference(uint8_t* a, const uint8_t* b, int n, double k)
{
    const double ka = 1 - k;
    for (int i = 0; i < n; ++i)
        a[i] = BlendOne(a[i], b[i], ka, k);
}

void TvxEffectRows::Blend(uint8_t* a, const uint8_t* b, int n, double k)
{
    // The weights as fixed point with 23 fraction bits. Against the floating-point
    // value each product is off by at most 255 * 2^-24, so the sum is off by at most
    // 255 units of 2^-23; wherever the fixed-point fraction is farther than that
    // from one half, both round to the same integer. The few values that close to a
    // half are done the reference's way.
    constexpr int kBits = 23;
    constexpr uint32_t kHalf = 1u << (kBits - 1), kMask = (1u << kBits) - 1, kMargin = 257;
    constexpr int kChunk = 256;
    // At the ends the rule gives this (k = 0) or other (k = 1) exactly.
    if (!(k > 0 && k < 1)) {
        if (k == 1)
            std::memcpy(a, b, static_cast<size_t>(n));
        else if (k != 0)
            BlendReference(a, b, n, k);
        return;
    }
    const double ka = 1 - k;
    const auto wa = static_cast<uint32_t>(std::lround(std::ldexp(ka, kBits)));
    const auto wb = static_cast<uint32_t>(std::lround(std::ldexp(k, kBits)));
    uint8_t out[kChunk];
    for (int start = 0; start < n; start += kChunk) {
        const int m = std::min(kChunk, n - start);
        uint8_t* pa = a + start;
        const uint8_t* pb = b + start;
        uint32_t unsure = 0;
        for (int i = 0; i < m; ++i) {
            uint32_t s = pa[i] * wa + pb[i] * wb;
            out[i] = static_cast<uint8_t>((s + kHalf) >> kBits);
            unsure |= static_cast<uint32_t>((s & kMask) - (kHalf - kMargin) < 2 * kMargin);
        }
        if (unsure)
            for (int i = 0; i < m; ++i) {
                uint32_t s = pa[i] * wa + pb[i] * wb;
                if ((s & kMask) - (kHalf - kMargin) < 2 * kMargin)
                    out[i] = BlendOne(pa[i], pb[i], ka, k);
            }
        std::memcpy(pa, out, static_cast<size_t>(m));
    }
}

} // namespace tessel
