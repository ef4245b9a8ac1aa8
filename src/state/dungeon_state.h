#pragma once
#include <array>
#include <string>

namespace kestrilon {

struct DungeonRecord {
    std::string name;
    int difficulty = 0;
    int requiredDungeon = 0;  // listed only once this dungeon is cleared; 0 always
};

struct DungeonState {
    int number = 0;  // the dungeon the player is in; 0 outside
    int entered = 0;  // 1 from entering a dungeon until the run ends
    std::array<DungeonRecord, 101> table;
};

}  // namespace kestrilon
