#pragma once
// Everything that credits the player: score, money or gold nuggets, cards, food, and the
// level that follows the number of card kinds owned.
#include <span>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;

// Points scored in the current dungeon visit; nothing outside a dungeon or for n <= 0.
void GainScore(Game& g, int n);
// Money at home, gold nuggets inside a dungeon; nothing for n <= 0.
void GainMoney(Game& g, int n);
void GainCard(Game& g, int id, int count);
// One copy; id 0 gives nothing.
void GainOneCard(Game& g, int id);
// Raises hunger (with a message) or, for a negative n, lowers it silently.
void Eat(Game& g, int n);
// Card ids with at least one copy owned.
int CardKindsOwned(const Game& g);
// Raises the level by one when the kinds owned exceed five per level.
void CheckLevel(Game& g);

// The cards whose copies in the books raise the gains above.
std::span<const CardReference> GainCardReferences();

}  // namespace kestrilon
