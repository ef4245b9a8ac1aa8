#pragma once
// Using a dungeon card: the common part (log, score, costs) and the family of its effect.
#include <span>

#include "data/card_reference.h"
#include "state/card.h"

namespace kestrilon {

struct Game;

// What a family does with the card being used.
using DungeonFamily = void (*)(Game& g, const titem& card);

// The family of a dungeon effect code (titem::action); nullptr for a code without one.
DungeonFamily DungeonFamilyOf(int32_t action);

// Uses dungeon card `id`: a dead player dies instead; otherwise "＞name を使用", the score of
// the card, its MP and TP costs, then its family. A death on the way ends the run.
void UseDungeonCard(Game& g, int id);

// Cards named by the families of this folder, for the content check.
std::span<const CardReference> DungeonCardEffectReferences();

}  // namespace kestrilon
