#pragma once
// Statistics derived from the player record, the cards in the books and the battle
// effects on a combatant. Nothing here is stored: every read reflects the current state.
#include <cstdint>
#include <span>

#include "data/card_reference.h"
#include "state/card.h"

namespace kestrilon {

struct Game;

// Sum over all card ids of the card's field times its copies in the books.
int CardBonusSum(const Game& g, int32_t titem::*field);
// Ids with a non-zero BookContents count, highest first. The span stays valid until a
// derived stat is read again after a change of BookContents.
std::span<const int16_t> HeldCards(const Game& g);

// What aging at `level` takes from a value: trunc(level x 0.1 x value) + 1; 0 without aging.
int AgingReduction(int level, int value);

int MaxHp(const Game& g);
int MaxMp(const Game& g);
// Row 0 is the player (base plus cards); other rows start from the enemy's own values.
int Attack(const Game& g, int row);
int Defence(const Game& g, int row);
int Knowledge(const Game& g, int row);
int Spirit(const Game& g, int row);
int Accuracy(const Game& g, int row);
int Evasion(const Game& g, int row);
int TpGain(const Game& g);
int CriticalBonus(const Game& g);
// The action gauge the player needs for a turn.
int ActionThreshold(const Game& g);

// Hunger a discard from the dungeon hand costs, lowered by the charms in the books.
int DiscardHungerCost(const Game& g);

// The cards the stats above look for in the books.
std::span<const CardReference> StatCardReferences();

// Keeps the player's and the combatants' values inside their ranges after every game frame.
void ClampValues(Game& g);

}  // namespace kestrilon
