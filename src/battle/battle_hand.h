#pragma once
// Where the dungeon hand screen and the turn upkeep hand an action over to the battle: a card
// played from the battle hand, a card's battle action fired by a carried charm, a combatant's
// spirit beasts taking their moves, and a bomb countdown that runs out.
namespace kestrilon {

struct Game;

// The player plays battle-hand slot 0 .. 7. Until the battle flow takes the request it is
// kept in g.battle.requestedHandSlot and logged; the card stays in the hand.
void UseBattleHandCard(Game& g, int slot);
// The battle action of card `card` fires once without leaving a hand (the launcher).
// Kept in g.battle.requestedCardAction and logged until the battle flow takes it.
void FireBattleCardAction(Game& g, int card);
// The spirit beasts of combatant `row` take their moves at the end of its turn in a fight.
// Kept in g.battle.requestedBeastMoves and logged until the battle flow takes it.
void SpiritBeastsAct(Game& g, int row);
// Combatant `row` blows itself up with the card "自爆", aimed at no one. Kept in
// g.battle.requestedSelfDestruct and logged until the battle flow takes it.
void SelfDestruct(Game& g, int row);

}  // namespace kestrilon
