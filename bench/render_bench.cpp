// The renderer's share of a busy battle frame: 14 log lines and 100 live effects of the
// kinds a battle spawns (numbers, misses, criticals, labels, captions, shapes, bursts, tracers).
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "render/effects.h"
#include "render/message_log.h"
#include "state/game.h"
#include "support/fake_platform.h"

namespace {

using namespace kestrilon;

using enum EffectKind;

constexpr std::array kBattleKinds{DamageNumber,     DamageNumber,    DamageNumber,     RedNumber,         MagentaNumber,
                                  Miss,             Critical,        Label,            ResistanceLabel,   RisingGreenText,
                                  RisingAquaText,   RisingRainbowText, RedCaption,     ElementCaption,    SmallRedFlash,
                                  OrangeRing,       LightGreenBubbles, YellowBolt,     WhiteSquare,       ElementBurst};

void FillBattleFrame(Game& g) {
    constexpr std::array<std::string_view, 7> kColours{"silver", "red", "green", "aqua3", "rainbow", "pink2", "gray"};
    g.dungeon.entered = 1;
    for (int i = 0; i < 14; ++i)
        LogBadge(g, "　スライムに " + std::to_string(100 + i * 7) + "ダメージ与えた!", kColours[static_cast<size_t>(i % 7)],
                 i % 4 == 0 ? 30 : 0, "");
    for (int i = 0; i < 100; ++i) {
        const int x = 120 + (i * 53) % 560;
        const int y = 80 + (i * 37) % 300;
        if (i % 20 == 19)
            SpawnMover(g, 630, 310, x, y, i % 40 == 19 ? BulletTracer : ArrowTracer);
        else
            SpawnEffect(g, x, y, kBattleKinds[static_cast<size_t>(i % 20)], i % 20 == 19 ? "2" : std::to_string(i * 13));
    }
    // Start every effect a few steps in, where most of them draw the most.
    for (int i = 0; i < kEffectSlots; ++i) g.effects.timer[static_cast<size_t>(i)] = 3;
}

void BM_RenderBattleFrame(benchmark::State& state) {
    testing::FakePlatform os;
    auto game = std::make_unique<Game>(os, 7);
    Game& g = *game;
    FillBattleFrame(g);
    const auto start = std::make_unique<EffectTable>(g.effects);
    int frames = 0;
    for (auto _ : state) {
        // The effects age with every frame; put them back before they end.
        if (++frames % 4 == 0) {
            state.PauseTiming();
            g.effects = *start;
            state.ResumeTiming();
        }
        g.frame.FrameTick = (g.frame.FrameTick + 1) % 1000;
        RenderFrame(g);
        benchmark::DoNotOptimize(g.layers.cg.Data());
    }
}

// The log alone, to tell its share from the effects'.
void BM_DrawLog(benchmark::State& state) {
    testing::FakePlatform os;
    auto game = std::make_unique<Game>(os, 7);
    Game& g = *game;
    FillBattleFrame(g);
    for (auto _ : state) {
        g.frame.FrameTick = (g.frame.FrameTick + 1) % 1000;
        DrawLog(g);
        benchmark::DoNotOptimize(g.layers.cg.Data());
    }
}

// Appending a line long enough to wrap: the cost every log call pays at most.
void BM_LogWrappedLine(benchmark::State& state) {
    testing::FakePlatform os;
    auto game = std::make_unique<Game>(os, 7);
    const std::string line = "　【Tips】ブックはＤ.ブックとバトルブックの２種類があり、常にそれぞれが60枚でなければならない。"
                             "足りないときはショップで買い足そう";
    int n = 0;
    // A new text each time, so the measurements are not all answered from the layout cache.
    for (auto _ : state) LogColour(*game, std::to_string(++n) + line, "silver");
}

BENCHMARK(BM_LogWrappedLine)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawLog)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RenderBattleFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
