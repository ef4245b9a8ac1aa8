#pragma once
// Laying out the items of a screen that opens; used by OpenScreen only.
#include "state/screen_state.h"

namespace kestrilon {

struct Game;

// Places the items of `screen` with a caption, in item order (list screens by difficulty),
// and makes the item with the cancel mark the screen's cancel item.
void PlaceItems(Game& g, Screen screen);

}  // namespace kestrilon
