#include "skin/draw/TvxEffectRows.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
        int i = 0;
#if defined(__SSE2__)
        // pmaddwd multiplies signed 16-bit values: a factor so near an end that a
        // weight's high part reaches 2^15 stays on the plain loop.
        const bool fits = (wa >> 8) < 0x8000 && (wb >> 8) < 0x8000;
        // Sixteen bytes at a time: a and b interleaved as 16-bit pairs, each pair
        // multiplied by the weights' high 15 and low 8 bits with pmaddwd.
        const __m128i high = _mm_set1_epi32(static_cast<int>((wb >> 8) << 16 | (wa >> 8)));
        const __m128i low = _mm_set1_epi32(static_cast<int>((wb & 0xFF) << 16 | (wa & 0xFF)));
        const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi32(static_cast<int>(kHalf));
        const __m128i mask = _mm_set1_epi32(static_cast<int>(kMask));
        const __m128i below = _mm_set1_epi32(-static_cast<int>(kMargin)), above = _mm_set1_epi32(kMargin);
        __m128i doubt = zero;
        auto sums = [&](__m128i pairs) {
            __m128i s
                = _mm_add_epi32(_mm_slli_epi32(_mm_madd_epi16(pairs, high), 8), _mm_madd_epi16(pairs, low));
            __m128i t = _mm_sub_epi32(_mm_and_si128(s, mask), half);
            doubt = _mm_or_si128(doubt, _mm_and_si128(_mm_cmpgt_epi32(t, below), _mm_cmplt_epi32(t, above)));
            return _mm_srli_epi32(_mm_add_epi32(s, half), kBits);
        };
        for (; fits && i + 16 <= m; i += 16) {
            __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pa + i));
            __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pb + i));
            __m128i lo = _mm_unpacklo_epi8(va, vb), hi = _mm_unpackhi_epi8(va, vb);
            __m128i r0 = sums(_mm_unpacklo_epi8(lo, zero)), r1 = sums(_mm_unpackhi_epi8(lo, zero));
            __m128i r2 = sums(_mm_unpacklo_epi8(hi, zero)), r3 = sums(_mm_unpackhi_epi8(hi, zero));
            __m128i packed = _mm_packus_epi16(_mm_packs_epi32(r0, r1), _mm_packs_epi32(r2, r3));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), packed);
        }
        unsure = static_cast<uint32_t>(_mm_movemask_epi8(doubt));
#endif
        for (; i < m; ++i) {
            uint32_t s = pa[i] * wa + pb[i] * wb;
            out[i] = static_cast<uint8_t>((s + kHalf) >> kBits);
            unsure |= static_cast<uint32_t>((s & kMask) - (kHalf - kMargin) < 2 * kMargin);
        }
        if (unsure)
            for (int j = 0; j < m; ++j) {
                uint32_t s = pa[j] * wa + pb[j] * wb;
                if ((s & kMask) - (kHalf - kMargin) < 2 * kMargin)
                    out[j] = BlendOne(pa[j], pb[j], ka, k);
            }
        std::memcpy(pa, out, static_cast<size_t>(m));
    }
}

} // namespace tessel
