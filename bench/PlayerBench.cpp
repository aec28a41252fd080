// Choosing a game: what a game's own options (FlashVars, quality, scale, frame rate,
// background) add to it is the load options the page is handed; made with them,
// against the same without them.
#include "tessel/framework/TApplication.h"
#include "tessel/media/TShockwaveFlash.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/headless/THeadlessBackend.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

using namespace tessel;

namespace {

struct TPlayerSetup {
    TPlayerSetup()
    {
        TWindowManager::Instance().SetBackend(std::make_unique<THeadlessBackend>());
        Application().Initialize();
        player = std::make_unique<TShockwaveFlash>();
    }
    std::unique_ptr<TShockwaveFlash> player;
};

TPlayerSetup& Setup()
{
    static TPlayerSetup setup;
    return setup;
}

void Choose(benchmark::State& state, const TMovieOptions& options)
{
    TPlayerSetup& s = Setup();
    const std::string uri = "tessel://player/movies/Orbit.swf";
    for (auto _ : state) {
        std::string script = s.player->LoadOptions(uri, options);
        benchmark::DoNotOptimize(script.data());
    }
}

void BM_ChooseGameWithOptions(benchmark::State& state)
{
    TMovieOptions options;
    options.flashvars = "level=3&lang=en&sponsor=https%3A%2F%2Fexample.org%2Fgames";
    options.quality = "best";
    options.scale = "noborder";
    options.frame_rate = 30;
    options.background = 0x102030;
    Choose(state, options);
}

void BM_ChooseGameWithOptions_vs_none(benchmark::State& state)
{
    Choose(state, {});
}

} // namespace

BENCHMARK(BM_ChooseGameWithOptions);
BENCHMARK(BM_ChooseGameWithOptions_vs_none);
