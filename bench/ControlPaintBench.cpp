// Whole paints of skinned controls on the headless window system, from the
// invalidation to the pixels in the window's surface: a border-only panel filling
// a 1920 x 1080 window, a 1920-wide tool bar with two menu buttons, and one morph
// step of a 75 x 25 skinned button (both looks composed and mixed); each against
// memcpy of the same number of bytes.
#include "tessel/framework/TApplication.h"
#include "tessel/framework/TForm.h"
#include "tessel/platform/TSurface.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/headless/THeadlessBackend.h"
#include "tessel/skin/controls/TvxSkinButton.h"
#include "tessel/skin/controls/TvxSkinControls.h"
#include "tessel/skin/controls/TvxSkinMenuButton.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/controls/TvxSkinToolBar.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tests/support/TSkinnedForm.h"
#include "tests/support/TestSkins.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

using namespace tessel;

namespace {

// A fresh headless desktop large enough for the window, and a form on it with the
// demo skin loaded; the control is made by make, then the form is shown and painted.
template<class Make> TWinControl& ShowOnForm(int width, int height, Make make)
{
    auto backend = std::make_unique<THeadlessBackend>();
    backend->SetMonitors({ { { 0, 0, 2560, 1600 }, { 0, 0, 2560, 1600 } } });
    TWindowManager::Instance().SetBackend(std::move(backend));
    Application().Initialize();
    auto& form = Application().CreateForm<test::TSkinnedForm>();
    form.SetBounds(0, 0, width, height);
    auto& store = form.Add<TvxSkinData>();
    auto& stored = form.Add<TvxCompressedStoredSkin>();
    test::LoadDemoSkin(stored);
    TWinControl& control = make(form, store);
    store.SetCompressedStoredSkin(&stored);
    form.Show();
    Application().ProcessMessages();
    return control;
}

void Repaint(benchmark::State& state, TWinControl& control)
{
    auto& wm = TWindowManager::Instance();
    // The surface starts black; a paint that drew nothing would measure nothing.
    const TSurface* surface = wm.WindowSurface(wm.RootOf(control.Handle()));
    TPoint centre = control.ClientToScreen({ control.Width() / 2, control.Height() / 2 });
    TRect window = wm.GetWindowRect(wm.RootOf(control.Handle()));
    if (!surface || surface->Pixel(centre.x - window.left, centre.y - window.top) == 0xFF000000)
        state.SkipWithError("the control did not paint");
    for (auto _ : state) {
        wm.RedrawWindow(control.Handle(), nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        Application().ProcessMessages();
        benchmark::DoNotOptimize(surface->Data());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(control.Width()) * control.Height() * 4);
    Application().Initialize();
}

void Memcpy(benchmark::State& state, int width, int height)
{
    std::vector<uint32_t> from(size_t(width) * height, 0xFF808080), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(from.size()) * 4);
}

void BM_PaintPanel_1920x1080(benchmark::State& state)
{
    TWinControl& panel = ShowOnForm(1920, 1080, [](TForm& form, TvxSkinData& store) -> TWinControl& {
        auto& p = form.Add<TvxSkinPanel>();
        p.SetParent(&form);
        p.SetAlign(alClient);
        p.SetSkinData(&store);
        return p;
    });
    if (panel.Width() != 1920 || panel.Height() != 1080)
        state.SkipWithError("the panel did not get its size");
    Repaint(state, panel);
}
BENCHMARK(BM_PaintPanel_1920x1080)->Unit(benchmark::kMicrosecond);

void BM_PaintPanel_1920x1080_vs_memcpy(benchmark::State& state)
{
    Memcpy(state, 1920, 1080);
}
BENCHMARK(BM_PaintPanel_1920x1080_vs_memcpy)->Unit(benchmark::kMicrosecond);

void BM_PaintToolBar_1920x29(benchmark::State& state)
{
    TWinControl& bar = ShowOnForm(1920, 200, [](TForm& form, TvxSkinData& store) -> TWinControl& {
        auto& b = form.Add<TvxSkinToolBar>();
        b.SetParent(&form);
        b.SetAlign(alTop);
        b.SetSkinData(&store);
        for (int i = 0; i < 2; ++i) {
            auto& button = form.Add<TvxSkinMenuButton>();
            button.SetParent(&b);
            button.SetBounds(3 + 81 * i, 0, 75, 25);
            button.SetCaption(i ? "Links" : "Games");
            button.SetSkinData(&store);
        }
        return b;
    });
    if (bar.Width() != 1920 || bar.Height() != 29)
        state.SkipWithError("the tool bar did not get its size");
    Repaint(state, bar);
}
BENCHMARK(BM_PaintToolBar_1920x29)->Unit(benchmark::kMicrosecond);

void BM_PaintToolBar_1920x29_vs_memcpy(benchmark::State& state)
{
    Memcpy(state, 1920, 29);
}
BENCHMARK(BM_PaintToolBar_1920x29_vs_memcpy)->Unit(benchmark::kMicrosecond);

void BM_ButtonPaint_75x25(benchmark::State& state)
{
    TWinControl& control = ShowOnForm(200, 100, [](TForm& form, TvxSkinData& store) -> TWinControl& {
        store.SetEnableSkinEffects(true);
        auto& b = form.Add<TvxSkinButton>();
        b.SetParent(&form);
        b.SetBounds(10, 10, 75, 25);
        b.SetCaption("Games");
        b.SetCanFocused(false);
        b.SetSkinData(&store);
        return b;
    });
    auto& button = static_cast<TvxSkinButton&>(control);
    // The mouse on it and two morph steps: each paint mixes the normal and active looks.
    auto& wm = TWindowManager::Instance();
    auto& clock = static_cast<THeadlessBackend&>(wm.Backend());
    wm.Input().MouseMove(button.ClientToScreen({ 20, 10 }));
    Application().ProcessMessages();
    for (int i = 0; i < 9; ++i) {
        clock.Advance(5);
        Application().ProcessMessages();
    }
    if (!(button.MorphFactor() > 0 && button.MorphFactor() < 1))
        state.SkipWithError("the button is not between its looks");
    Repaint(state, button);
}
BENCHMARK(BM_ButtonPaint_75x25)->Unit(benchmark::kMicrosecond);

void BM_ButtonPaint_75x25_vs_memcpy(benchmark::State& state)
{
    Memcpy(state, 75, 25);
}
BENCHMARK(BM_ButtonPaint_75x25_vs_memcpy)->Unit(benchmark::kMicrosecond);

} // namespace
