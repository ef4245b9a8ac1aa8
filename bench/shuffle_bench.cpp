// Shuffling a full level-5 battle book of 100 cards, as at every dungeon entry and every
// time a battle draw finds the pile empty.
#include <benchmark/benchmark.h>

#include <memory>

#include "books/shuffle.h"
#include "data/card_database.h"
#include "state/game.h"
#include "support/fake_platform.h"

namespace {

using namespace kestrilon;

std::unique_ptr<Game> LevelFive(testing::FakePlatform& os) {
    auto g = std::make_unique<Game>(os, 3);
    g->player.level = 5;
    FillCardDatabase(*g);
    return g;
}

// 100 copies spread over the battle cards of the catalogue, three apiece.
void BM_ShuffleSpreadBook(benchmark::State& state) {
    testing::FakePlatform os;
    const auto g = LevelFive(os);
    int placed = 0;
    for (int id = kFirstBattleCard + 1; id < kCardIds && placed < 100; ++id) {
        if (!g->cards[id].Exists() || g->cards[id].kind != 2) continue;
        const int copies = std::min(3, 100 - placed);
        g->player.BookContents[static_cast<size_t>(id)] = copies;
        placed += copies;
    }
    for (auto _ : state) ShuffleBook(*g, Book::Battle);
}

// A beginner's book of 100 "指": one matching id in 7000, the slowest book that is sound.
void BM_ShuffleBasicCardBook(benchmark::State& state) {
    testing::FakePlatform os;
    const auto g = LevelFive(os);
    g->player.BookContents[kFirstBattleCard] = 100;
    for (auto _ : state) ShuffleBook(*g, Book::Battle);
}

}  // namespace

BENCHMARK(BM_ShuffleSpreadBook)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShuffleBasicCardBook)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
