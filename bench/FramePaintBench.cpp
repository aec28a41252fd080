// The skinned frame of a 1920 x 1080 window on the headless window system: a whole
// frame paint (the four edge images composed and copied to the window surface) and
// one live-resize step (geometry, object layout, the region from the mask's edges
// and one region set), and one drag step (WM_MOVING with magnetic snapping, then the
// move), each against memcpy of the window's pixels.
#include "tessel/framework/TApplication.h"
#include "tessel/framework/TForm.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/headless/THeadlessBackend.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tests/support/TestSkins.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

using namespace tessel;

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

// A headless desktop with a skinned 1920 x 1080 form on the demo skin.
TForm& SkinnedForm()
{
    auto backend = std::make_unique<THeadlessBackend>();
    backend->SetMonitors({ { { 0, 0, 2560, 1600 }, { 0, 0, 2560, 1600 } } });
    TWindowManager::Instance().SetBackend(std::move(backend));
    Application().Initialize();
    auto& form = Application().CreateForm<TForm>();
    form.SetBounds(0, 0, kWidth, kHeight);
    auto& veneer = form.Add<TvxVeneer>();
    auto& store = form.Add<TvxSkinData>();
    auto& stored = form.Add<TvxCompressedStoredSkin>();
    test::LoadDemoSkin(stored);
    veneer.SetSkinData(&store);
    store.SetCompressedStoredSkin(&stored);
    form.Show();
    Application().ProcessMessages();
    return form;
}

void Memcpy(benchmark::State& state)
{
    std::vector<uint32_t> from(size_t(kWidth) * kHeight, 0xFF808080), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(from.size()) * 4);
}

void BM_FramePaint_1920x1080(benchmark::State& state)
{
    TForm& form = SkinnedForm();
    auto& wm = TWindowManager::Instance();
    HWND hwnd = form.Handle();
    if (form.Width() != kWidth || form.Height() != kHeight)
        state.SkipWithError("the form did not get its size");
    for (auto _ : state) {
        wm.SendMessage(hwnd, WM_NCPAINT, 1);
        benchmark::DoNotOptimize(wm.WindowSurface(hwnd)->Data());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kWidth) * kHeight * 4);
    Application().Initialize();
}
BENCHMARK(BM_FramePaint_1920x1080)->Unit(benchmark::kMicrosecond);

void BM_FramePaint_1920x1080_vs_memcpy(benchmark::State& state)
{
    Memcpy(state);
}
BENCHMARK(BM_FramePaint_1920x1080_vs_memcpy)->Unit(benchmark::kMicrosecond);

void BM_ResizeStep_1920x1080(benchmark::State& state)
{
    TForm& form = SkinnedForm();
    auto& wm = TWindowManager::Instance();
    HWND hwnd = form.Handle();
    // One step of a live resize: WM_SIZING for a window one or two pixels narrower
    // by turns, inside a size loop (geometry, object layout, the region, one set).
    wm.SendMessage(hwnd, WM_ENTERSIZEMOVE);
    int width = kWidth;
    for (auto _ : state) {
        width = width == kWidth - 1 ? kWidth - 2 : kWidth - 1;
        TRect proposed { 0, 0, width, kHeight };
        wm.SendMessage(hwnd, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&proposed));
        benchmark::DoNotOptimize(wm.GetWindowRgn(hwnd));
    }
    wm.SendMessage(hwnd, WM_EXITSIZEMOVE);
    state.SetBytesProcessed(state.iterations() * int64_t(kWidth) * kHeight * 4);
    Application().Initialize();
}
BENCHMARK(BM_ResizeStep_1920x1080)->Unit(benchmark::kMicrosecond);

void BM_ResizeStep_1920x1080_vs_memcpy(benchmark::State& state)
{
    Memcpy(state);
}
BENCHMARK(BM_ResizeStep_1920x1080_vs_memcpy)->Unit(benchmark::kMicrosecond);

void BM_DragStep(benchmark::State& state)
{
    TForm& form = SkinnedForm();
    auto& wm = TWindowManager::Instance();
    HWND hwnd = form.Handle();
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* veneer = dynamic_cast<TvxVeneer*>(form.Components(i)))
            veneer->SetMagnetic(true);
    // One step of a caption drag near the work area's left edge, in and out of its
    // reach by turns: the proposed rectangle snapped, then the window moved there.
    wm.SendMessage(hwnd, WM_ENTERSIZEMOVE);
    int left = 20;
    for (auto _ : state) {
        left = left == 20 ? 5 : 20;
        wm.Input().SetCursorPos({ left + 300, 110 });
        TRect proposed { left, 100, left + kWidth, 100 + kHeight };
        wm.SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
        wm.SetWindowPos(hwnd, proposed, SWP_NOZORDER | SWP_NOACTIVATE);
        benchmark::DoNotOptimize(wm.GetWindowRect(hwnd));
    }
    wm.SendMessage(hwnd, WM_EXITSIZEMOVE);
    state.SetBytesProcessed(state.iterations() * int64_t(kWidth) * kHeight * 4);
    Application().Initialize();
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

void BM_DragStep_vs_memcpy(benchmark::State& state)
{
    Memcpy(state);
}
BENCHMARK(BM_DragStep_vs_memcpy)->Unit(benchmark::kMicrosecond);

} // namespace
