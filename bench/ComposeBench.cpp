// The demo skin's "panel" record composed to a full screen, tiled and stretched,
// against pixman filling the same target from the same client piece in one call
// (repeated, or scaled nearest-pixel), and against memcpy of the target's bytes.
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxDataSkinCustomControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tests/support/TestSkins.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <pixman.h>

using namespace tessel;

namespace {

constexpr int kW = 1920, kH = 1080;

struct Panel {
    Panel()
    {
        TvxCompressedStoredSkin skin;
        test::LoadDemoSkin(skin);
        TvxSkinData data;
        data.LoadCompressedSkin(&skin);
        auto* record
            = dynamic_cast<TvxDataSkinCustomControl*>(data.ControlList(data.GetControlIndex("panel")));
        geometry = TvxElementGeometry::FromRecord(*record);
        picture = *data.ActivePicture(record->pictureindex);
        const TRect& c = geometry.Client;
        piece = TBitmap(c.Width(), c.Height());
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x)
                piece.SetPixel(x, y, picture.Pixel(geometry.R.left + c.left + x, geometry.R.top + c.top + y));
    }
    TvxElementGeometry geometry;
    TBitmap picture, piece;
};

const Panel& DemoPanel()
{
    static const Panel panel;
    return panel;
}

void Compose(benchmark::State& state, bool stretched)
{
    TvxElementGeometry g = DemoPanel().geometry;
    if (stretched) {
        g.leftstretch = g.topstretch = g.rightstretch = g.bottomstretch = true;
        g.stretcheffect = true;
        g.stretchtype = stfull;
    }
    int aw = kW, ah = kH;
    TvxTargetGeometry t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    TBitmap out(kW, kH);
    for (auto _ : state) {
        TvxComposition::ComposeElementImage(g, t, out, DemoPanel().picture, aw, ah, true);
        benchmark::DoNotOptimize(out.ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kW) * kH * 4);
}

void Pixman(benchmark::State& state, bool stretched)
{
    const TBitmap& piece = DemoPanel().piece;
    TBitmap out(kW, kH);
    pixman_image_t* in = pixman_image_create_bits(PIXMAN_a8r8g8b8, piece.Width(), piece.Height(),
        const_cast<uint32_t*>(piece.Surface().Data()), piece.Surface().Stride());
    pixman_image_t* dst
        = pixman_image_create_bits(PIXMAN_a8r8g8b8, kW, kH, out.Surface().Data(), out.Surface().Stride());
    if (stretched) {
        pixman_transform_t t;
        pixman_transform_init_scale(&t, pixman_double_to_fixed(double(piece.Width()) / kW),
            pixman_double_to_fixed(double(piece.Height()) / kH));
        pixman_image_set_transform(in, &t);
        pixman_image_set_filter(in, PIXMAN_FILTER_NEAREST, nullptr, 0);
    } else {
        pixman_image_set_repeat(in, PIXMAN_REPEAT_NORMAL);
    }
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, in, nullptr, dst, 0, 0, 0, 0, 0, 0, kW, kH);
        benchmark::DoNotOptimize(out.ScanLine(0));
        benchmark::ClobberMemory();
    }
    pixman_image_unref(in);
    pixman_image_unref(dst);
    state.SetBytesProcessed(state.iterations() * int64_t(kW) * kH * 4);
}

void Memcpy(benchmark::State& state)
{
    TBitmap a(kW, kH), b(kW, kH);
    size_t bytes = size_t(kW) * kH * 4;
    for (auto _ : state) {
        std::memcpy(a.ScanLine(0), b.ScanLine(0), bytes);
        benchmark::DoNotOptimize(a.ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes));
}

void BM_ComposePanel_1920x1080(benchmark::State& state)
{
    Compose(state, false);
}
void BM_ComposePanel_1920x1080_vs_pixman(benchmark::State& state)
{
    Pixman(state, false);
}
void BM_ComposePanel_1920x1080_vs_memcpy(benchmark::State& state)
{
    Memcpy(state);
}
void BM_ComposePanelStretched_1920x1080(benchmark::State& state)
{
    Compose(state, true);
}
void BM_ComposePanelStretched_1920x1080_vs_pixman(benchmark::State& state)
{
    Pixman(state, true);
}
void BM_ComposePanelStretched_1920x1080_vs_memcpy(benchmark::State& state)
{
    Memcpy(state);
}
BENCHMARK(BM_ComposePanel_1920x1080);
BENCHMARK(BM_ComposePanel_1920x1080_vs_pixman);
BENCHMARK(BM_ComposePanel_1920x1080_vs_memcpy);
BENCHMARK(BM_ComposePanelStretched_1920x1080);
BENCHMARK(BM_ComposePanelStretched_1920x1080_vs_pixman);
BENCHMARK(BM_ComposePanelStretched_1920x1080_vs_memcpy);

} // namespace
