#include "tessel/skin/draw/TvxMaskRuns.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TMaskBits.h"
#include "tessel/platform/TSimd.h"
#include "tessel/skin/draw/TFBitmap.h"

#include <bit>
#include <cstdint>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace tessel {

namespace {

constexpr uint32_t kRgb = 0x00FFFFFF;

#if defined(__x86_64__)
// Skips whole blocks of 64 mask pixels (inside the mask: black) with 256-bit loads;
// the caller finds the exact pixel in the block that ends the span.
__attribute__((target("avx2"))) int SkipInsideAvx2(const uint32_t* row, int x, int w)
{
    const __m256i rgb = _mm256_set1_epi32(static_cast<int>(kRgb));
    for (; x + 64 <= w; x += 64) {
        const auto* p = reinterpret_cast<const __m256i*>(row + x);
        __m256i a = _mm256_or_si256(_mm256_or_si256(_mm256_loadu_si256(p), _mm256_loadu_si256(p + 1)),
            _mm256_or_si256(_mm256_loadu_si256(p + 2), _mm256_loadu_si256(p + 3)));
        __m256i b = _mm256_or_si256(_mm256_or_si256(_mm256_loadu_si256(p + 4), _mm256_loadu_si256(p + 5)),
            _mm256_or_si256(_mm256_loadu_si256(p + 6), _mm256_loadu_si256(p + 7)));
        if (!_mm256_testz_si256(_mm256_or_si256(a, b), rgb))
            break;
    }
    return x;
}
#endif

// The first x from x on whose pixel is (black) or is not (!black) in the mask; w when none.
template<bool black> int Find(const uint32_t* row, int x, int w)
{
#if defined(__SSE2__)
    const __m128i rgb = _mm_set1_epi32(static_cast<int>(kRgb));
    const __m128i zero = _mm_setzero_si128();
    if (!black && TSimd::Avx2())
        x = SkipInsideAvx2(row, x, w);
    const int vector_end = TSimd::Sse2() ? w : x;
    // Long spans of one kind go sixteen pixels at a time.
    for (; x + 16 <= vector_end; x += 16) {
        const auto* p = reinterpret_cast<const __m128i*>(row + x);
        __m128i a = _mm_and_si128(_mm_loadu_si128(p), rgb), b = _mm_and_si128(_mm_loadu_si128(p + 1), rgb);
        __m128i c = _mm_and_si128(_mm_loadu_si128(p + 2), rgb),
                d = _mm_and_si128(_mm_loadu_si128(p + 3), rgb);
        if (black) {
            // Any black pixel among them?
            __m128i any = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi32(a, zero), _mm_cmpeq_epi32(b, zero)),
                _mm_or_si128(_mm_cmpeq_epi32(c, zero), _mm_cmpeq_epi32(d, zero)));
            if (_mm_movemask_epi8(any))
                break;
        } else {
            // Any pixel that is not black?
            __m128i all = _mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d));
            if (_mm_movemask_epi8(_mm_cmpeq_epi32(all, zero)) != 0xFFFF)
                break;
        }
    }
    for (; x + 4 <= vector_end; x += 4) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        __m128i in = _mm_cmpeq_epi32(_mm_and_si128(v, rgb), zero);
        unsigned bits = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(in)));
        if (!black)
            bits = ~bits & 0xF;
        if (bits)
            return x + std::countr_zero(bits);
    }
#endif
    for (; x < w; ++x)
        if (((row[x] & kRgb) == 0) == black)
            return x;
    return w;
}

// The runs from the packed black bits: whole words of one kind are passed at once,
// and inside a word each change of kind is found by counting zero bits.
void ScanBits(const TMaskBits& bits, int ox, int oy, std::vector<TRect>& runs)
{
    const int words = bits.WordsPerRow();
    for (int y = 0; y < bits.Height(); ++y) {
        const uint64_t* row = bits.Row(y);
        bool inside = false;
        int start = 0;
        for (int j = 0; j < words; ++j) {
            const uint64_t word = row[j];
            if (word == (inside ? ~uint64_t(0) : 0))
                continue;
            int from = 0;
            while (from < 64) {
                uint64_t change = (inside ? ~word : word) & (~uint64_t(0) << from);
                if (!change)
                    break;
                int at = std::countr_zero(change);
                if (inside)
                    runs.push_back({ start + ox, y + oy, 64 * j + at + ox, y + oy + 1 });
                else
                    start = 64 * j + at;
                inside = !inside;
                from = at;
            }
        }
        // Only a row whose width is a multiple of 64 can still be inside here.
        if (inside)
            runs.push_back({ start + ox, y + oy, bits.Width() + ox, y + oy + 1 });
    }
}

} // namespace

std::vector<TRect> TvxMaskRuns::Scan(const TBitmap& mask, int ox, int oy)
{
    std::vector<TRect> runs;
    if (const TMaskBits* bits = mask.MaskBits()) {
        ScanBits(*bits, ox, oy, runs);
        return runs;
    }
    int w = mask.Width();
    for (int y = 0; y < mask.Height(); ++y) {
        const uint32_t* row = mask.ScanLine(y);
        for (int x = Find<true>(row, 0, w); x < w; x = Find<true>(row, x, w)) {
            int end = Find<false>(row, x, w);
            runs.push_back({ x + ox, y + oy, end + ox, y + oy + 1 });
            x = end;
        }
    }
    return runs;
}

std::vector<TRect> TvxMaskRuns::ScanReference(const TBitmap& mask, int ox, int oy)
{
    std::vector<TRect> runs;
    if (mask.Empty())
        return runs;
    TFBitmap scan(mask);
    for (int y = 0; y < scan.Height(); ++y) {
        int x = 0;
        while (x < scan.Width()) {
            if (!scan.In(x, y)) {
                ++x;
                continue;
            }
            int x0 = x;
            while (x < scan.Width() && scan.In(x, y))
                ++x;
            runs.push_back({ x0 + ox, y + oy, x + ox, y + oy + 1 });
        }
    }
    return runs;
}

} // namespace tessel
