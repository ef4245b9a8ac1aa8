#pragma once
// Where the dungeon hand screen hands a fight's card over to the battle: a card played from
// the battle hand, and a card's battle action fired by a carried charm.
namespace kestrilon {

struct Game;

// The player plays battle-hand slot 0 .. 7. Until the battle flow takes the request it is
// kept in g.battle.requestedHandSlot and logged; the card stays in the hand.
void UseBattleHandCard(Game& g, int slot);
// The battle action of card `card` fires once without leaving a hand (the launcher).
// Kept in g.battle.requestedCardAction and logged until the battle flow takes it.
void FireBattleCardAction(Game& g, int card);

}  // namespace kestrilon
