#pragma once
// What an enemy on the road turns out to be: the ordinary random encounter of the current
// dungeon, or now and then its EX enemy.
#include <array>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;

// Clears the enemy slots and fills slots 1 .. n with random templates that live in the
// current dungeon. n is 1 + Roll(min((level + 1) / 2, 7)) for the dungeon's level: always 1
// up to level 1, at most 7 from level 13 on. Each slot takes at most 100000 draws; when
// none fits, or only one of the last hundred draws does, the slot gets template 1.
// Returns n.
int PickRandomEncounter(Game& g);

// The carried cards that make an EX enemy likelier, in the order the odds apply them: the
// first lowers the base odds from 1 in 70 to 1 in 50, the others take 10, 5, 5 and 5 off.
inline constexpr std::array<CardReference, 5> kExOddsCards = {
    NamedCard("EXレーダー", CardKind::Dungeon, "EX enemy odds"),
    NamedCard("加奈のゴーグル", CardKind::Dungeon, "EX enemy odds"),
    NamedCard("RIDUのゴーグル", CardKind::Dungeon, "EX enemy odds"),
    NamedCard("ファントムマテリア", CardKind::Dungeon, "EX enemy odds"),
    NamedCard("ファントムレーダー", CardKind::Dungeon, "EX enemy odds"),
};

// The n of the 1-in-n chance that an enemy on the road is the dungeon's EX enemy.
int ExEncounterOdds(const Game& g);

// Draws the chance and decides: true when the roll hits, the player's level is at least
// dungeon level x 3 + 5 and the current dungeon has been cleared at least once.
bool ChooseExEncounter(Game& g);

}  // namespace kestrilon
