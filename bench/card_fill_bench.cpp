// One full refill of the card database, as every menu rebuild runs it.
#include <benchmark/benchmark.h>

#include <memory>

#include "data/card_database.h"
#include "state/game.h"
#include "support/fake_platform.h"

namespace {

void BM_CardRefill(benchmark::State& state) {
    kestrilon::testing::FakePlatform os;
    auto game = std::make_unique<kestrilon::Game>(os, 7);
    kestrilon::Game& g = *game;
    g.player.level = 5;
    g.player.unlockFlags[6] = 1;
    for (int id : {1, 2, 26, 28, 300, 900, 1000}) g.player.BookContents[static_cast<size_t>(id)] = 10;
    g.player.CardLevel[5] = 2;
    kestrilon::FillCardDatabase(g);
    for (auto _ : state) {
        kestrilon::FillCardDatabase(g);
        benchmark::DoNotOptimize(g.cards[28].value);
    }
}
BENCHMARK(BM_CardRefill)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
