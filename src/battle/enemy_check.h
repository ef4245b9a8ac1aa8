#pragma once
// Checks of the enemy content, which the content check runs at start-up and in its test,
// and the per-dungeon strength of every encounter, for the content tests and kestrilon-data.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "battle/enemy_table.h"
#include "data/card_reference.h"

namespace kestrilon {

struct Game;

// Every card the enemy content names: the moves of templates and special leaders as battle
// cards, the drops as cards of their id range, and the carried cards of the EX odds.
std::span<const CardReference> EnemyCardReferences();

// Faults of the rows that no card reference catches, one line each: a move that calls a
// template that does not exist, a home dungeon outside 1 .. 21, a dungeon with fewer than
// two enemies, a dungeon without its one encounter of each kind, a missing base or escort
// template, more escorts than free slots, an empty drop of a leader.
std::vector<std::string> EnemyContentProblems();

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

// One row per dungeon 1 .. 21, read from the filled enemy table and the encounters as the
// builders set them up; the enemy slots are cleared afterwards.
std::array<DungeonStrength, kEnemyDungeons> SummariseEncounters(Game& g);

}  // namespace kestrilon
