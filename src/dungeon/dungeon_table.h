#pragma once
// The 21 dungeons as content rows, and the loader that puts them into the game's table.
#include <array>
#include <span>
#include <string_view>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;

// The columns of one dungeon row; names and prizes as in DungeonRecord.
struct DungeonRow {
    int number = 0;
    std::string_view picture{};
    std::string_view name{};
    int cipherPrize = 0;
    int strata = 0;
    int requiredDungeon = 0;
    int trees = 0;
    int secretTreasure = 0;
    int secretKey = 0;
    std::array<int, 6> chestPrizes{};
    int ironChestPrize = 0;
    int redChestPrize = 0;
    int trapPrize = 0;
    int difficulty = 0;
    int length = 0;
};

std::span<const DungeonRow> DungeonRows();
// Fills records 1 .. 21 of g.dungeon.table from the rows; the others stay empty.
void LoadDungeonTable(Game& g);

// Every prize and key the rows name, for the content check.
std::span<const CardReference> DungeonCardReferences();

}  // namespace kestrilon
