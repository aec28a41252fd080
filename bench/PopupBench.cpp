// A skinned popup menu of 30 items on the demo skin: building its window (measuring
// the items, sizing the frame, the region from the mask) and composing its picture,
// against memcpy of the popup's pixels.
#include "tessel/framework/TApplication.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/headless/THeadlessBackend.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"
#include "tests/support/TestSkins.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace tessel;

namespace {

struct TPopupSetup {
    TPopupSetup()
    {
        TWindowManager::Instance().SetBackend(std::make_unique<THeadlessBackend>());
        Application().Initialize();
        test::LoadDemoSkin(stored);
        store.SetCompressedStoredSkin(&stored);
        for (int i = 0; i < 30; ++i)
            root.Add("Game number " + std::to_string(i + 1));
        for (int i = 0; i < root.Count(); ++i)
            content.items.push_back(root.Items(i));
        content.frame = TvxPopupFrame::Find(&store);
        content.default_font = &engine.DefaultItemFont();
        content.work_area = { 0, 0, 1920, 1080 };
    }
    TvxCompressedStoredSkin stored;
    TvxSkinData store;
    TvxSkinMenu engine;
    TMenuItem root;
    TvxPopupContent content;
};

TPoint PopupSize()
{
    TPopupSetup setup;
    TvxSkinPopupWindow window(setup.engine, setup.content);
    return window.WindowSize();
}

void BM_PopupCompose_30items(benchmark::State& state)
{
    TPopupSetup setup;
    TBitmap image;
    for (auto _ : state) {
        TvxSkinPopupWindow window(setup.engine, setup.content);
        window.Compose(image);
        benchmark::DoNotOptimize(image.Surface().Data());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(image.Width()) * image.Height() * 4);
}
BENCHMARK(BM_PopupCompose_30items)->Unit(benchmark::kMicrosecond);

void BM_PopupCompose_30items_vs_memcpy(benchmark::State& state)
{
    TPoint size = PopupSize();
    std::vector<uint32_t> from(size_t(size.x) * size.y, 0xFF808080), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(from.size()) * 4);
}
BENCHMARK(BM_PopupCompose_30items_vs_memcpy)->Unit(benchmark::kMicrosecond);

} // namespace
