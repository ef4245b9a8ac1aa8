// Reading the player's stats the way the status display does every frame, with both
// books full of cards from the catalogue.
#include <benchmark/benchmark.h>

#include <memory>

#include "data/card_database.h"
#include "data/stats.h"
#include "state/game.h"
#include "support/fake_platform.h"

namespace {

using namespace kestrilon;

// Level 5 books: 100 copies each, spread over the existing cards up to three copies apiece.
std::unique_ptr<Game> FullBooks(testing::FakePlatform& os) {
    auto g = std::make_unique<Game>(os, 3);
    g->player.level = 5;
    g->player.baseMaxHp = 40;
    g->player.baseMaxMp = 10;
    FillCardDatabase(*g);
    for (const int kind : {1, 2}) {
        int placed = 0;
        for (int id = 2; id < kCardIds && placed < 100; ++id) {
            if (!g->cards[id].Exists() || g->cards[id].kind != kind) continue;
            const int copies = std::min(3, 100 - placed);
            g->player.BookContents[static_cast<size_t>(id)] = copies;
            placed += copies;
        }
        if (placed < 100) g->player.BookContents[kind == 1 ? 1 : kFirstBattleCard] += 100 - placed;
    }
    return g;
}

int StatusLine(const Game& g) {
    return MaxHp(g) + MaxMp(g) + Attack(g, 0) + Defence(g, 0) + Knowledge(g, 0) + Spirit(g, 0) + Accuracy(g, 0) +
           Evasion(g, 0);
}

void BM_StatusLine(benchmark::State& state) {
    testing::FakePlatform os;
    const auto g = FullBooks(os);
    for (auto _ : state) benchmark::DoNotOptimize(StatusLine(*g));
}

// The first read after a book edit rebuilds the list of held cards.
void BM_StatusLineAfterBookEdit(benchmark::State& state) {
    testing::FakePlatform os;
    const auto g = FullBooks(os);
    int32_t copies = g->player.BookContents[1];
    for (auto _ : state) {
        g->player.BookContents[1] = ++copies;
        benchmark::DoNotOptimize(StatusLine(*g));
    }
}

// The pendant's penalty counts the <Ability> cards of the whole database at every read.
void BM_StatusLineWithPendant(benchmark::State& state) {
    testing::FakePlatform os;
    const auto g = FullBooks(os);
    titem& pendant = g->cards[2999];
    pendant.name = "逆光のペンダント";
    pendant.kind = 2;
    pendant.isAbility = 1;
    g->player.BookContents[2999] = 1;
    for (auto _ : state) benchmark::DoNotOptimize(StatusLine(*g));
}

void BM_ActionThreshold(benchmark::State& state) {
    testing::FakePlatform os;
    const auto g = FullBooks(os);
    for (auto _ : state) benchmark::DoNotOptimize(ActionThreshold(*g));
}

BENCHMARK(BM_StatusLine)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StatusLineAfterBookEdit)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StatusLineWithPendant)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ActionThreshold)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
