#pragma once

namespace kestrilon {

struct Game;

// One real-time battle step; the frame clock calls it every 0.2 seconds while a fight runs.
void BattleTick(Game& g);

}  // namespace kestrilon
