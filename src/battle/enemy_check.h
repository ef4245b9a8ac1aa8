#pragma once
// Checks of the enemy content against the card catalogue, and the per-dungeon strength of
// every encounter, for the content tests and kestrilon-data.
#include <array>
#include <string>
#include <vector>

#include "battle/enemy_table.h"

namespace kestrilon {

struct Game;

// Faults in the enemy table and the 63 special encounters, one line each: an action that
// is not a battle card, a call of a template that does not exist, a drop that is no card,
// a home dungeon outside 1 .. 21, a dungeon with fewer than two enemies, a missing base
// or escort template, too many escorts for the slots. Reads the card database and the
// enemy table, so both must be filled; fills and clears the enemy slots on the way.
std::vector<std::string> EnemyContentProblems(Game& g);

// Mean level and hit points over the enemies of one encounter (for ordinary encounters,
// over the templates that live in the dungeon, which the random pick draws alike).
struct EncounterStrength {
    int enemies = 0;
    double meanLevel = 0;
    double meanHp = 0;
};

struct DungeonStrength {
    int dungeon = 0;
    EncounterStrength ordinary, boss, ex, extreme;
};

// One row per dungeon 1 .. 21. Fills and clears the enemy slots on the way.
std::array<DungeonStrength, kEnemyDungeons> SummariseEncounters(Game& g);

}  // namespace kestrilon
