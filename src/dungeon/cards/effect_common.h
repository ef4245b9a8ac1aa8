#pragma once
// What the dungeon card families share: moving on without a step, the carried items that
// raise an amount, and the player's gains and losses with their log lines.
#include <span>
#include <string_view>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;

// A card's "move": position + km and the "km進んだ" line, without an event, a boss fight or
// the step's hunger. An empty colour logs in the default one.
void MoveOn(Game& g, int km, std::string_view colour = {});

// The event in front of the player is dealt with: it is gone, and the picture of what was
// done (an opened chest, a felled tree) takes its place; an empty name takes the picture away.
void ResolveEvent(Game& g, std::string_view picture = {});

// Copies of the card in the books; carried items work by being there.
int Carried(const Game& g, const CardReference& card);
int Carried(const Game& g, std::string_view name);

// "星霊の加護" carried: half as much again (integer).
int WithSpiritBlessing(const Game& g, int amount);
// "薬学" carried raises a medicine by its percentage, and "体質変化" raises it once more.
int MedicineRaise(const Game& g, int amount);

// Heals the player (the labelled or plain HP line, the number, the clamp).
void HealPlayer(Game& g, int n, std::string_view label = {});
// Hurts the player; a label names the cause. Death is the caller's to look at.
void HurtPlayer(Game& g, int n, std::string_view label = {});
// MP and TP with their lines "　MPが n回復" (pink4) and "　TPが n回復" (green2).
void GainMp(Game& g, int n);
void GainTp(Game& g, int n);
// Gold nuggets inside a dungeon, with the carried bonuses.
void GainNuggets(Game& g, int n);

// `times` returns from the discard pile to the end of the pile; "card.wav" when any came.
void ReturnDiscards(Game& g, int times);

// A card's picture rises from hand button `slot`.
void FloatCardPicture(Game& g, int id, int slot);

// A hand of at most 6 cards draws until it holds 7, and the hand screen opens anew; false,
// with nothing drawn, when the hand holds more.
bool TopUpHand(Game& g);

// The references above, for the content check.
std::span<const CardReference> EffectCommonReferences();

}  // namespace kestrilon
