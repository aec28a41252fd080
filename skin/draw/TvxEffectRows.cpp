#include "tessel/skin/draw/TvxEffectRows.h"

#include "tessel/platform/TSimd.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
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

#if defined(__x86_64__)
// a + round(k (b - a)) in 16-bit lanes, 32 bytes at a time: the rule's result
// wherever the difference is not one the plan marks unsure (the rounding of the
// fixed-point product can only differ near a half); those bytes are redone by the
// rule afterwards. Returns the number of bytes done.
__attribute__((target("avx2"))) int BlendAvx2(
    uint8_t* a, const uint8_t* b, int n, const TvxEffectRows::TBlendPlan& plan)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i factor = _mm256_set1_epi16(plan.fixed);
    const double ka = 1 - plan.k;
    int i = 0;
    for (; i + 32 <= n; i += 32) {
        __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
        __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
        __m256i a0 = _mm256_unpacklo_epi8(va, zero), a1 = _mm256_unpackhi_epi8(va, zero);
        __m256i d0 = _mm256_sub_epi16(_mm256_unpacklo_epi8(vb, zero), a0);
        __m256i d1 = _mm256_sub_epi16(_mm256_unpackhi_epi8(vb, zero), a1);
        __m256i r0 = _mm256_add_epi16(a0, _mm256_mulhrs_epi16(d0, factor));
        __m256i r1 = _mm256_add_epi16(a1, _mm256_mulhrs_epi16(d1, factor));
        bool check = false;
        for (int u = 0; u < plan.unsure_count; ++u) {
            __m256i bad = _mm256_set1_epi16(plan.unsure_list[static_cast<size_t>(u)]);
            __m256i hit = _mm256_or_si256(_mm256_cmpeq_epi16(d0, bad), _mm256_cmpeq_epi16(d1, bad));
            check = check || !_mm256_testz_si256(hit, hit);
        }
        __m256i before = va;
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(a + i), _mm256_packus_epi16(r0, r1));
        if (check) {
            alignas(32) uint8_t old[32];
            _mm256_store_si256(reinterpret_cast<__m256i*>(old), before);
            for (int j = 0; j < 32; ++j)
                if (plan.unsure[static_cast<size_t>(b[i + j] - old[j] + 255)])
                    a[i + j] = BlendOne(old[j], b[i + j], ka, plan.k);
        }
    }
    return i;
}
#endif

const TvxEffectRows::TBlendPlan& TvxEffectRows::PlanBlend(double k)
{
    // Morphs step through a few factors again and again: the last plans are kept.
    thread_local std::array<TBlendPlan, 8> kept;
    thread_local int kept_count = 0, next_slot = 0;
    for (int i = 0; i < kept_count; ++i)
        if (kept[static_cast<size_t>(i)].k == k)
            return kept[static_cast<size_t>(i)];
    TBlendPlan& plan = kept[static_cast<size_t>(next_slot)];
    plan = TBlendPlan();
    plan.k = k;
    next_slot = (next_slot + 1) % static_cast<int>(kept.size());
    kept_count = std::min(kept_count + 1, static_cast<int>(kept.size()));
    if (!(k > 0 && k < 1))
        return plan;
    plan.wa = static_cast<uint32_t>(std::lround(std::ldexp(1 - k, 23)));
    plan.wb = static_cast<uint32_t>(std::lround(std::ldexp(k, 23)));
    long fixed = std::lround(std::ldexp(k, 15));
    if (fixed >= 32768)
        return plan;
    plan.fixed = static_cast<int16_t>(fixed);
    // The fixed product is off by at most 255 * 2^-16; differences whose exact
    // product lies nearer than 1/256 to a half, or whose fixed rounding differs, go
    // the rule's way.
    for (int d = -255; d <= 255; ++d) {
        double exact = k * d;
        double from_half = std::fabs(exact - std::floor(exact) - 0.5);
        long fixed_result = (d * fixed + 16384) >> 15;
        bool unsure = from_half < 1.0 / 256 || fixed_result != std::lround(exact);
        plan.unsure[static_cast<size_t>(d + 255)] = unsure;
        if (unsure && plan.unsure_count < static_cast<int>(plan.unsure_list.size()))
            plan.unsure_list[static_cast<size_t>(plan.unsure_count)] = static_cast<int16_t>(d);
        plan.unsure_count += unsure ? 1 : 0;
    }
    // With many unsure differences the 23-bit loop is quicker.
    plan.usable = plan.unsure_count <= static_cast<int>(plan.unsure_list.size());
    return plan;
}

void TvxEffectRows::Blend(uint8_t* a, const uint8_t* b, int n, double k)
{
    Blend(a, b, n, PlanBlend(k));
}

void TvxEffectRows::Blend(uint8_t* a, const uint8_t* b, int n, const TBlendPlan& plan)
{
    const double k = plan.k;
#if defined(__x86_64__)
    if (plan.usable && TSimd::Avx2()) {
        int done = BlendAvx2(a, b, n, plan);
        a += done;
        b += done;
        n -= done;
    }
#endif
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
    const uint32_t wa = plan.wa, wb = plan.wb;
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
        const bool fits = TSimd::Sse2() && (wa >> 8) < 0x8000 && (wb >> 8) < 0x8000;
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

void TvxEffectRows::MixReference(const uint8_t* t, const uint8_t* o, const double* w, int n, uint8_t* out)
{
    for (int i = 0; i < n; ++i) {
        double v = std::nearbyint((1 - w[i]) * o[i] + w[i] * t[i]);
        out[i] = static_cast<uint8_t>(std::clamp(v, 0.0, 255.0));
    }
}

namespace {

// Adding and taking away 1.5 * 2^52 leaves no fraction bits: the sum is rounded half
// to even, as nearbyint does, for any |v| below 2^51.
constexpr double kMagic = 6755399441055744.0;

inline uint8_t MagicChannel(double v)
{
    v = (v + kMagic) - kMagic;
    v = v < 0 ? 0 : v > 255 ? 255 : v;
    return static_cast<uint8_t>(static_cast<int>(v));
}

} // namespace

namespace {

constexpr int kMixBits = 22;
constexpr uint32_t kMixHalf = 1u << (kMixBits - 1), kMixMask = (1u << kMixBits) - 1, kMixMargin = 257;
constexpr int kMixChunk = 256;

inline bool NearHalf(uint32_t s)
{
    return (s & kMixMask) - (kMixHalf - kMixMargin) < 2 * kMixMargin;
}

// One chunk of the fixed-point mix; whether any byte lies near a half. The loop
// vectorises, and the AVX2 copy runs eight lanes.
__attribute__((always_inline)) inline uint32_t MixChunkLoop(const uint8_t* __restrict pt,
    const uint8_t* __restrict po, const uint32_t* __restrict qt, const uint32_t* __restrict qo, int m,
    uint8_t* __restrict out)
{
    uint32_t unsure = 0;
    for (int i = 0; i < m; ++i) {
        uint32_t s = pt[i] * qt[i] + po[i] * qo[i];
        out[i] = static_cast<uint8_t>((s + kMixHalf) >> kMixBits);
        unsure |= static_cast<uint32_t>(NearHalf(s));
    }
    return unsure;
}

uint32_t MixChunk(
    const uint8_t* pt, const uint8_t* po, const uint32_t* qt, const uint32_t* qo, int m, uint8_t* out)
{
    return MixChunkLoop(pt, po, qt, qo, m, out);
}

// Eight bytes' sums: t and o interleaved as 16-bit pairs, each pair multiplied by
// its byte's high and low weight parts with vpmaddwd; doubt gathers the near halves.
__attribute__((target("avx2"))) inline __m256i MixSums(
    __m128i pairs8, const uint32_t* qh, const uint32_t* ql, __m256i& doubt)
{
    const __m256i half = _mm256_set1_epi32(static_cast<int>(kMixHalf));
    const __m256i mask = _mm256_set1_epi32(static_cast<int>(kMixMask));
    const __m256i from = _mm256_set1_epi32(static_cast<int>(kMixMargin - kMixHalf));
    const __m256i width = _mm256_set1_epi32(static_cast<int>(2 * kMixMargin));
    __m256i pairs = _mm256_cvtepu8_epi16(pairs8);
    __m256i h = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(qh));
    __m256i l = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(ql));
    __m256i sum
        = _mm256_add_epi32(_mm256_slli_epi32(_mm256_madd_epi16(pairs, h), 8), _mm256_madd_epi16(pairs, l));
    // Near a half: the fraction moved by the margin less a half lies below twice the
    // margin (masked, it is never negative, so the signed compare holds).
    __m256i t = _mm256_and_si256(_mm256_add_epi32(sum, from), mask);
    doubt = _mm256_or_si256(doubt, _mm256_cmpgt_epi32(width, t));
    return _mm256_srli_epi32(_mm256_add_epi32(sum, half), kMixBits);
}

// Sixteen bytes at a time straight into out (which may be t), then byte by byte for
// the rest of the chunk. A block with a byte near a half is done again from the
// inputs it read, those bytes the rule's way.
__attribute__((target("avx2"))) void MixChunkAvx2(const uint8_t* pt, const uint8_t* po, const uint32_t* qh,
    const uint32_t* ql, const uint32_t* qt, const uint32_t* qo, const double* w, int m, uint8_t* out)
{
    int i = 0;
    for (; i + 16 <= m; i += 16) {
        __m128i vt = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pt + i));
        __m128i vo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(po + i));
        __m256i doubt = _mm256_setzero_si256();
        __m256i r0 = MixSums(_mm_unpacklo_epi8(vt, vo), qh + i, ql + i, doubt);
        __m256i r1 = MixSums(_mm_unpackhi_epi8(vt, vo), qh + i + 8, ql + i + 8, doubt);
        // packs works within 128-bit halves: put the four quarters back in order.
        __m256i words = _mm256_permute4x64_epi64(_mm256_packs_epi32(r0, r1), 0xD8);
        __m128i bytes = _mm_packus_epi16(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), bytes);
        if (!_mm256_testz_si256(doubt, doubt)) {
            alignas(16) uint8_t st[16], so[16];
            _mm_store_si128(reinterpret_cast<__m128i*>(st), vt);
            _mm_store_si128(reinterpret_cast<__m128i*>(so), vo);
            for (int j = 0; j < 16; ++j)
                if (NearHalf(st[j] * qt[i + j] + so[j] * qo[i + j]))
                    TvxEffectRows::MixReference(st + j, so + j, w + i + j, 1, out + i + j);
        }
    }
    for (; i < m; ++i) {
        const uint8_t a = pt[i], b = po[i];
        const uint32_t s = a * qt[i] + b * qo[i];
        if (NearHalf(s))
            TvxEffectRows::MixReference(&a, &b, w + i, 1, out + i);
        else
            out[i] = static_cast<uint8_t>((s + kMixHalf) >> kMixBits);
    }
}

} // namespace

TvxEffectRows::TMixWeights::TMixWeights(int n)
    : w(static_cast<size_t>(std::max(n, 0)))
    , wt(w.size())
    , wo(w.size())
    , high(w.size())
    , low(w.size())
{ }

void TvxEffectRows::TMixWeights::Set(int i, double weight)
{
    constexpr double kOne = 1u << kMixBits;
    const size_t at = static_cast<size_t>(i);
    w[at] = weight;
    if (!(weight >= 0 && weight <= 1)) {
        fixed = false;
        return;
    }
    wt[at] = static_cast<uint32_t>(std::nearbyint(weight * kOne));
    wo[at] = (1u << kMixBits) - wt[at];
    // High parts below 2^14 and low bytes: signed 16-bit pairs for vpmaddwd.
    high[at] = (wt[at] >> 8) | (wo[at] >> 8) << 16;
    low[at] = (wt[at] & 0xFF) | (wo[at] & 0xFF) << 16;
}

namespace {

enum class TChunk : uint8_t { kMixed, kAllT, kAllO };

// What each chunk of the row is: all weight 1 (t as it is), all weight 0 (o), or a
// mix. The gradients' rows are mostly the first two.
std::vector<TChunk> ChunkKinds(const TvxEffectRows::TMixWeights& weights, int n)
{
    std::vector<TChunk> kinds;
    for (int start = 0; start < n; start += kMixChunk) {
        const uint32_t* wt = weights.wt.data() + start;
        const int m = std::min(kMixChunk, n - start);
        bool all_t = true, all_o = true;
        for (int i = 0; i < m; ++i) {
            all_t = all_t && wt[i] == 1u << kMixBits;
            all_o = all_o && wt[i] == 0;
        }
        kinds.push_back(all_t ? TChunk::kAllT : all_o ? TChunk::kAllO : TChunk::kMixed);
    }
    return kinds;
}

} // namespace

void TvxEffectRows::Mix(const uint8_t* t, const uint8_t* o, const TMixWeights& weights, int n, uint8_t* out)
{
    MixRows(t, o, 0, 1, weights, n, out);
}

void TvxEffectRows::MixRows(
    uint8_t* t, const uint8_t* o, ptrdiff_t stride, int rows, const TMixWeights& weights, int n)
{
    MixRows(t, o, stride, rows, weights, n, t);
}

void TvxEffectRows::MixRows(const uint8_t* t, const uint8_t* o, ptrdiff_t stride, int rows,
    const TMixWeights& weights, int n, uint8_t* out)
{
    if (!weights.fixed) {
        for (int y = 0; y < rows; ++y)
            MixReference(t + y * stride, o + y * stride, weights.w.data(), n, out + y * stride);
        return;
    }
    const std::vector<TChunk> kinds = ChunkKinds(weights, n);
    // Row by row: the weights of a row (in the second-level cache) are read again for
    // each, which measured faster than strips of columns down the rows.
    for (int y = 0; y < rows; ++y) {
        const uint8_t* rt = t + y * stride;
        const uint8_t* ro = o + y * stride;
        uint8_t* rout = out + y * stride;
        for (int start = 0, c = 0; start < n; start += kMixChunk, ++c) {
            const int m = std::min(kMixChunk, n - start);
            if (kinds[size_t(c)] == TChunk::kAllT) {
                if (rout != rt)
                    std::memmove(rout + start, rt + start, static_cast<size_t>(m));
            } else if (kinds[size_t(c)] == TChunk::kAllO) {
                std::memmove(rout + start, ro + start, static_cast<size_t>(m));
            } else {
                MixStrip(rt, ro, weights, start, m, rout);
            }
        }
    }
}

void TvxEffectRows::MixStrip(
    const uint8_t* t, const uint8_t* o, const TMixWeights& weights, int start, int m, uint8_t* out)
{
    // As in Blend: each fixed-point weight is off by at most 2^-23, so the sum is off
    // by at most 128 units of 2^-22; a fraction farther than that from one half rounds
    // as the rule does, and the few nearer go the rule's way.
    const uint8_t* pt = t + start;
    const uint8_t* po = o + start;
    const uint32_t* qt = weights.wt.data() + start;
    const uint32_t* qo = weights.wo.data() + start;
    if (TSimd::Avx2()) {
        MixChunkAvx2(pt, po, weights.high.data() + start, weights.low.data() + start, qt, qo,
            weights.w.data() + start, m, out + start);
        return;
    }
    uint8_t buffer[kMixChunk];
    const uint32_t unsure = MixChunk(pt, po, qt, qo, m, buffer);
    if (unsure)
        for (int j = 0; j < m; ++j)
            if (NearHalf(pt[j] * qt[j] + po[j] * qo[j]))
                MixReference(pt + j, po + j, weights.w.data() + start + j, 1, buffer + j);
    std::memcpy(out + start, buffer, static_cast<size_t>(m));
}

void TvxEffectRows::MixConstant(const uint8_t* t, const uint8_t* o, double w, int n, uint8_t* out)
{
    const double rest = 1 - w;
    for (int i = 0; i < n; ++i)
        out[i] = MagicChannel(rest * o[i] + w * t[i]);
}

} // namespace tessel
