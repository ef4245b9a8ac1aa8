#pragma once
// Mouse state and the dispatch of a click: the click script first, then the title
// pictures, then the buttons of the current screen.
#include "state/input_state.h"

namespace kestrilon {

struct Game;

// A press on the surface at (x, y).
void HandleClick(Game& g, int x, int y, MouseButton button);
// Escape on the title pictures: asks, and unless the answer is No resets the player.
void ResetRequest(Game& g);

}  // namespace kestrilon
