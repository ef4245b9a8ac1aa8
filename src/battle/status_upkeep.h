#pragma once
// The statuses of a combatant aged and applied once a turn: damage and heals over time,
// regenerations, every timed status running out with its line, and the bomb countdown.
#include <span>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;

// The player's stomach for one turn or one step: empty, it costs max HP / 50 + 1; then it
// empties by 1.
void HungerUpkeep(Game& g);
// One turn of `row` (kPlayerRow or an enemy slot): for the player hunger and the power
// abilities' MP first, then the status ticks.
void TurnUpkeep(Game& g, int row);
// TurnUpkeep without the player's hunger and power costs: what the dungeon's step runs
// after its own hunger.
void StatusTicks(Game& g, int row);

std::span<const CardReference> StatusUpkeepCardReferences();

}  // namespace kestrilon
