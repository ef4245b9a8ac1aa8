#pragma once
// The start of a dungeon run.

namespace kestrilon {

struct Game;

// Restores the player for a new dungeon run or after one.
void RunReset(Game& g);

}  // namespace kestrilon
