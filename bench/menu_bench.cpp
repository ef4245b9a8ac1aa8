// The menu rebuild that follows every click and every screen change, and the save that
// every window close writes.
#include <benchmark/benchmark.h>

#include <memory>

#include "menu/menu.h"
#include "persist/new_game.h"
#include "persist/save_file.h"
#include "state/game.h"
#include "support/fake_platform.h"

namespace {

std::unique_ptr<kestrilon::Game> BusyGame(kestrilon::testing::FakePlatform& os) {
    auto game = std::make_unique<kestrilon::Game>(os, 7);
    kestrilon::Game& g = *game;
    kestrilon::NewGameValues(g);
    g.player.level = 12;
    g.player.slotRights = 2;
    g.player.unlockFlags[kestrilon::kFlagShop] = 1;
    for (int d = 1; d <= 21; ++d) {
        g.dungeon.table[static_cast<size_t>(d)].name = "ダンジョン" + std::to_string(d);
        g.dungeon.table[static_cast<size_t>(d)].difficulty = d % 7;
        g.player.dungeonClears[static_cast<size_t>(d)] = 2;
        g.player.highScores[static_cast<size_t>(d)] = 1000 + d;
    }
    return game;
}

void BM_RebuildMenus(benchmark::State& state) {
    kestrilon::testing::FakePlatform os;
    auto game = BusyGame(os);
    kestrilon::RebuildMenus(*game);
    for (auto _ : state) {
        kestrilon::RebuildMenus(*game);
        benchmark::DoNotOptimize(game->menus.items[0].caption.data());
    }
}
BENCHMARK(BM_RebuildMenus)->Unit(benchmark::kMicrosecond);

void BM_DrawMainMenu(benchmark::State& state) {
    kestrilon::testing::FakePlatform os;
    auto game = BusyGame(os);
    kestrilon::OpenScreen(*game, kestrilon::Screen::MainMenu);
    for (auto _ : state) kestrilon::DrawMenus(*game);
}
BENCHMARK(BM_DrawMainMenu)->Unit(benchmark::kMicrosecond);

void BM_SaveFile(benchmark::State& state) {
    kestrilon::testing::FakePlatform os;
    auto game = BusyGame(os);
    for (auto _ : state) kestrilon::Save(*game, 0);
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State& state) {
    kestrilon::testing::FakePlatform os;
    auto game = BusyGame(os);
    kestrilon::Save(*game, 0);
    for (auto _ : state) kestrilon::Load(*game);
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
