#pragma once
// The three special encounters of every dungeon: the boss at the end of the road, the EX
// enemy met now and then after a clear, and the extreme enemy of the battle orbs.
#include <cstdint>
#include <string_view>

#include "state/combatant.h"

namespace kestrilon {

struct Game;

enum class SpecialBattle : int32_t {
    Boss = kBossEnemy,
    Ex = kExEnemy,
    Extreme = kExtremeEnemy,
};

// "boss", "ex", "extreme": how tools and tests name the three.
std::string_view SpecialBattleName(SpecialBattle kind);

// Clears the enemy slots and sets the dungeon's encounter of that kind into them: the leader
// in slot 1, its escorts after it. False, with the slots left clear, for a dungeon that has
// none (any id outside 1 .. 21).
bool FillSpecialEncounter(Game& g, SpecialBattle kind, int dungeon);

// The builders. Each fills the slots as above; inside a dungeon it then marks the battle
// (the boss flag, the EX flag, or the extreme marker set to the dungeon), logs its
// announcement in blue and plays its sound and music. Outside a dungeon, where the card
// catalogue reads the leader's drops, the slots are all they touch. The battle flow sets
// the prepared field up and starts the fight after the announcement.
bool BuildBossBattle(Game& g, int dungeon);
bool BuildExBattle(Game& g, int dungeon);
bool BuildExtremeBattle(Game& g, int dungeon);
bool BuildSpecialBattle(Game& g, SpecialBattle kind, int dungeon);

}  // namespace kestrilon
