// StretchBlt of a 1280 x 720 source onto 1920 x 1080, against pixman's nearest
// scaling of the same pixels to the same size.
#include "tessel/platform/Raster.h"
#include "tessel/platform/TSurface.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

using namespace tessel;

namespace {

constexpr int kW = 1920, kH = 1080, kSW = 1280, kSH = 720;

TSurface Source()
{
    TSurface s(kSW, kSH);
    for (int y = 0; y < kSH; ++y)
        for (int x = 0; x < kSW; ++x)
            s.SetPixel(x, y, 0xFF000000u | static_cast<uint32_t>(x * 2654435761u ^ y * 40503u));
    return s;
}

void BM_StretchBlt_1920x1080(benchmark::State& state)
{
    TSurface src = Source(), dst(kW, kH);
    for (auto _ : state) {
        Raster::StretchBlt(dst, { 0, 0, kW, kH }, src, { 0, 0, kSW, kSH });
        benchmark::DoNotOptimize(dst.Data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kW) * kH * 4);
}
BENCHMARK(BM_StretchBlt_1920x1080);

void BM_StretchBlt_1920x1080_vs_pixman(benchmark::State& state)
{
    TSurface src = Source(), dst(kW, kH);
    pixman_image_t* in = pixman_image_create_bits(
        PIXMAN_a8r8g8b8, kSW, kSH, const_cast<uint32_t*>(src.Data()), src.Stride());
    pixman_image_t* out = pixman_image_create_bits(PIXMAN_a8r8g8b8, kW, kH, dst.Data(), dst.Stride());
    pixman_transform_t t;
    pixman_transform_init_scale(
        &t, pixman_double_to_fixed(double(kSW) / kW), pixman_double_to_fixed(double(kSH) / kH));
    pixman_image_set_transform(in, &t);
    pixman_image_set_filter(in, PIXMAN_FILTER_NEAREST, nullptr, 0);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, in, nullptr, out, 0, 0, 0, 0, 0, 0, kW, kH);
        benchmark::DoNotOptimize(dst.Data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kW) * kH * 4);
    pixman_image_unref(in);
    pixman_image_unref(out);
}
BENCHMARK(BM_StretchBlt_1920x1080_vs_pixman);

} // namespace
