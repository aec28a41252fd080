// The effect bitmap's blend and every morph on a full screen and on a button-sized
// buffer, each against memcpy of the same bytes.
#include "tessel/skin/draw/TvxEffectBmp.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>

using namespace tessel;

namespace {

TvxEffectBmp Pattern(int w, int h, int seed)
{
    TvxEffectBmp b(w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = b.ScanLine(y);
        for (int i = 0; i < 3 * w; ++i)
            row[i] = static_cast<uint8_t>(i * 7 + y * 13 + seed);
    }
    return b;
}

// The morph factors a look steps through between its ends, kept within 0 and 1.
double NextFactor(double k)
{
    return k >= 0.75 ? 0.2 : std::min(1.0, k + 0.2);
}

void Blend(benchmark::State& state, int w, int h)
{
    TvxEffectBmp a = Pattern(w, h, 1), b = Pattern(w, h, 2);
    double k = 0.2;
    for (auto _ : state) {
        a.Blend(b, k);
        k = NextFactor(k);
        benchmark::DoNotOptimize(a.ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(a.RowLength()) * h);
}

void Copy(benchmark::State& state, int w, int h)
{
    TvxEffectBmp a = Pattern(w, h, 1), b = Pattern(w, h, 2);
    size_t bytes = size_t(a.RowLength()) * size_t(h);
    for (auto _ : state) {
        std::memcpy(a.ScanLine(0), b.ScanLine(0), bytes);
        benchmark::DoNotOptimize(a.ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes));
}

void BM_Blend_1920x1080(benchmark::State& state)
{
    Blend(state, 1920, 1080);
}
void BM_Blend_1920x1080_vs_memcpy(benchmark::State& state)
{
    Copy(state, 1920, 1080);
}
void BM_Blend_75x25(benchmark::State& state)
{
    Blend(state, 75, 25);
}
void BM_Blend_75x25_vs_memcpy(benchmark::State& state)
{
    Copy(state, 75, 25);
}
BENCHMARK(BM_Blend_1920x1080);
BENCHMARK(BM_Blend_1920x1080_vs_memcpy);
BENCHMARK(BM_Blend_75x25);
BENCHMARK(BM_Blend_75x25_vs_memcpy);

void Morph(benchmark::State& state, TvxMorphKind kind, int w, int h)
{
    TvxEffectBmp a = Pattern(w, h, 1), b = Pattern(w, h, 2);
    double k = 0.2;
    for (auto _ : state) {
        a.Morph(kind, b, k);
        k = NextFactor(k);
        benchmark::DoNotOptimize(a.ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(a.RowLength()) * h);
}

// Each morph beside memcpy of the same bytes, at both sizes.
#define TESSEL_MORPH_BENCH(Name, kind)                                                                       \
    void BM_##Name##_1920x1080(benchmark::State& state)                                                      \
    {                                                                                                        \
        Morph(state, kind, 1920, 1080);                                                                      \
    }                                                                                                        \
    void BM_##Name##_1920x1080_vs_memcpy(benchmark::State& state)                                            \
    {                                                                                                        \
        Copy(state, 1920, 1080);                                                                             \
    }                                                                                                        \
    void BM_##Name##_75x25(benchmark::State& state)                                                          \
    {                                                                                                        \
        Morph(state, kind, 75, 25);                                                                          \
    }                                                                                                        \
    void BM_##Name##_75x25_vs_memcpy(benchmark::State& state)                                                \
    {                                                                                                        \
        Copy(state, 75, 25);                                                                                 \
    }                                                                                                        \
    BENCHMARK(BM_##Name##_1920x1080);                                                                        \
    BENCHMARK(BM_##Name##_1920x1080_vs_memcpy);                                                              \
    BENCHMARK(BM_##Name##_75x25);                                                                            \
    BENCHMARK(BM_##Name##_75x25_vs_memcpy);

TESSEL_MORPH_BENCH(MorphGradient, mkgradient)
TESSEL_MORPH_BENCH(MorphLeftGradient, mkleftgradient)
TESSEL_MORPH_BENCH(MorphRightGradient, mkrightgradient)
TESSEL_MORPH_BENCH(MorphLeftSlide, mkleftslide)
TESSEL_MORPH_BENCH(MorphRightSlide, mkrightslide)
TESSEL_MORPH_BENCH(MorphPush, mkpush)

} // namespace
