#pragma once
// Clearing a combatant's ailments at once.

namespace kestrilon {

struct Game;

// Any ailment (<眩 .. <爆↓) active on the row; kPlayerRow is the player.
bool HasAilment(const Game& g, int row);
// Clears every ailment's counter and strength, with its ring, log line and sound.
void DispelDebuffs(Game& g, int row);

}  // namespace kestrilon
