#pragma once
// The starting values of a player: the first start, the reset from the title pictures and
// every confirmed name entry use them.

namespace kestrilon {

struct Game;

// Resets the player data of a new game, at the current save version; strengthening levels, the recently-obtained
// counters, the presets and their names, the sound volume and the distance walked stay.
void NewGameValues(Game& g);

}  // namespace kestrilon
