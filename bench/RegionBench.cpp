// A full-screen mask with rounded corners turned into a window region: the run
// scan and the region made from its data, against pixman making a region from the
// same mask as a one-bit image.
#include "tessel/framework/TMemoryStream.h"
#include "tessel/skin/draw/TvxMaskRegion.h"

#include <benchmark/benchmark.h>
#include <pixman.h>
#include <vector>

using namespace tessel;

namespace {

constexpr int kW = 1920, kH = 1080, kRadius = 24;

bool Inside(int x, int y)
{
    auto corner = [](int d) { return d < kRadius ? kRadius - d : 0; };
    int dx = std::max(corner(x), corner(kW - 1 - x)), dy = std::max(corner(y), corner(kH - 1 - y));
    return dx * dx + dy * dy <= kRadius * kRadius;
}

// The mask as a skin has it: a 1-bit picture read from its file.
TBitmap Mask()
{
    TBitmap mask(kW, kH, TPixelFormat::pf1bit);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            mask.SetPixel(x, y, Inside(x, y) ? 0xFF000000 : 0xFFFFFFFF);
    TMemoryStream file;
    mask.SaveToStream(file);
    file.SetPosition(0);
    TBitmap read;
    read.LoadFromStream(file);
    return read;
}

// The same mask as 32-bit pixels that have been drawn on (no packed bits).
TBitmap DrawnMask()
{
    TBitmap mask = Mask();
    mask.SetPixel(0, 0, mask.Pixel(0, 0));
    return mask;
}

void RegionOf(benchmark::State& state, const TBitmap& mask)
{
    for (auto _ : state) {
        std::vector<uint8_t> data = TvxMaskRegion::RegionDataFromMask(mask, 0, 0);
        TRegion window;
        TRegion::FromRegionData(data.data(), data.size(), window);
        benchmark::DoNotOptimize(window.Native());
    }
}

void BM_MaskRegion_1920x1080(benchmark::State& state)
{
    RegionOf(state, Mask());
}
BENCHMARK(BM_MaskRegion_1920x1080);

// A mask composed at run time (an edge image) has only its 32-bit pixels.
void BM_MaskRegionDrawn_1920x1080(benchmark::State& state)
{
    RegionOf(state, DrawnMask());
}
BENCHMARK(BM_MaskRegionDrawn_1920x1080);

void BM_MaskRegion_1920x1080_vs_pixman(benchmark::State& state)
{
    int stride = ((kW + 31) / 32) * 4;
    std::vector<uint32_t> bits(static_cast<size_t>(stride / 4) * kH, 0);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (Inside(x, y))
                bits[static_cast<size_t>(y * stride / 4 + x / 32)] |= 1u << (x % 32);
    pixman_image_t* image = pixman_image_create_bits(PIXMAN_a1, kW, kH, bits.data(), stride);
    for (auto _ : state) {
        pixman_region32_t region;
        pixman_region32_init_from_image(&region, image);
        benchmark::DoNotOptimize(&region);
        pixman_region32_fini(&region);
    }
    pixman_image_unref(image);
}
BENCHMARK(BM_MaskRegion_1920x1080_vs_pixman);

void BM_MaskRegionDrawn_1920x1080_vs_pixman(benchmark::State& state)
{
    BM_MaskRegion_1920x1080_vs_pixman(state);
}
BENCHMARK(BM_MaskRegionDrawn_1920x1080_vs_pixman);

} // namespace
