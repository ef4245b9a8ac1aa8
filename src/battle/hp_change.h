#pragma once
// Hit points gained or lost by the player or an enemy, with the sound, log line, floating
// number and shake that go with it. Every heal and every blow of the game ends here.
#include <string_view>

namespace kestrilon {

struct Game;

// n > 0 heals, n < 0 hurts, 0 does nothing. Row kPlayerRow is the player, whose HP lives
// in the player record; rows 1 .. 19 are the enemy slots. A label names the cause in front
// of the log line ("毒＞..."). All values are clamped afterwards.
void ApplyHpChange(Game& g, int row, int n, std::string_view label = {});
// Adds n hit points, halved under <病気>, and floats the number; the clamp keeps the maximum.
void ClampHeal(Game& g, int row, int n);

}  // namespace kestrilon
