#pragma once
// The hand screen's cards: which can be used, using one, and discarding one from the walk
// menu or the fight menu.
#include <span>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;

// False when the card in the current hand's slot is greyed out: an <Ability> card, a card for
// another event, the wrong secret key, a trap tool below the trap, or a bullet or arrow with
// no gun or bow in the battle hand.
bool CanUseHandCard(const Game& g, int slot);
// A click on the card in slot 0 .. 7 of the hand screen: in a fight the battle takes it;
// outside, the card leaves the hand, takes effect and one card is drawn.
void UseHandCard(Game& g, int slot);
// The walk menu's discard of dungeon-hand slot `slot`, for some hunger.
void DiscardHandCard(Game& g, int slot);
// The fight menu's discard of battle-hand slot `slot`; <Ability> cards set the charms off.
void DiscardBattleHandCard(Game& g, int slot);

std::span<const CardReference> HandUseCardReferences();

}  // namespace kestrilon
