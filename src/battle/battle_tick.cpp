#include "battle/battle_tick.h"

#include "state/game.h"

namespace kestrilon {

void BattleTick(Game& g) {
    if (g.battle.fightActive <= 0 || g.dungeon.number < 1) return;
    ++g.battle.steps;
}

}  // namespace kestrilon
