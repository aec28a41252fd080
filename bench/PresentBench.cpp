// Presenting a full-screen 1920 x 1080 window: its surface put onto the screen
// through its (rectangular) window region, against a memcpy of the same bytes.
#include "tessel/platform/TCompositor.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/headless/THeadlessBackend.h"

#include <benchmark/benchmark.h>
#include <cstring>

using namespace tessel;

namespace {

constexpr int kW = 1920, kH = 1080;

void BM_Present_1920x1080(benchmark::State& state)
{
    TWindowManager& wm = TWindowManager::Instance();
    wm.SetBackend(std::make_unique<THeadlessBackend>(TRect { 0, 0, kW, kH }, TRect { 0, 0, kW, kH }));
    TWindowParams p;
    p.style = WS_VISIBLE | WS_POPUP;
    p.rect = { 0, 0, kW, kH };
    HWND h = wm.CreateWindowEx(p);
    wm.SetWindowRgn(h, std::make_unique<TRegion>(TRect { 0, 0, kW, kH }));
    {
        auto dc = wm.GetDC(h);
        dc->FillRect({ 0, 0, kW, kH / 2 }, 0xFF336699);
    }
    TSurface screen(kW, kH);
    for (auto _ : state) {
        TCompositor::ComposeWindow(wm, h, screen, 0, 0);
        benchmark::DoNotOptimize(screen.Data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kW) * kH * 4);
    wm.DestroyWindow(h);
}
BENCHMARK(BM_Present_1920x1080);

void BM_Present_1920x1080_vs_memcpy(benchmark::State& state)
{
    TSurface window(kW, kH, 0xFF336699), screen(kW, kH);
    for (auto _ : state) {
        std::memcpy(screen.Data(), window.Data(), size_t(kW) * kH * 4);
        benchmark::DoNotOptimize(screen.Data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kW) * kH * 4);
}
BENCHMARK(BM_Present_1920x1080_vs_memcpy);

} // namespace
