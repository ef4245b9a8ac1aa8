#pragma once
// Where the walk hands over to the battle: the road's fights, the boss and the orb fights.
#include "state/combatant.h"

namespace kestrilon {

struct Game;

// Asks for a fight of this kind in the current dungeon. Until the battle flow takes the
// request, the walk stays where it is: the request is kept in g.battle.requestedBattle
// and logged, and nothing is won or lost.
void StartBattle(Game& g, BattleKind kind);

}  // namespace kestrilon
