#pragma once
// How many cards each of the two books holds.

namespace kestrilon {

struct Game;

// 50 + 10 x min(level, 5); a level of 0 or less gives 50.
int BookCapacity(const Game& g);

}  // namespace kestrilon
