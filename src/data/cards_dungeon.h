#pragma once
// The dungeon-card groups, one per id range; DungeonCatalogue() lists them in id order.
#include <span>

#include "data/catalogue.h"

namespace kestrilon {

std::span<const CardRow> DungeonShoeCards();        // 1..54: shoes and feet
std::span<const CardRow> DungeonProvisionCards();   // 100..279: bread, series tools, ladles, pods ... secret keys
std::span<const CardRow> DungeonRemedyCards();      // 292..419: keys, herbs, grasses, gate keys, drinks, waters
std::span<const CardRow> DungeonToolCards();        // 498..601: trap tools, axes, picks, jump shoes, fountain, kits
std::span<const CardRow> DungeonAbilityCards();     // 800..827: stat <Ability> cards
std::span<const CardRow> DungeonWindCards();        // 900..944: winds, recyclers, loops, chances, ヴェルナ

}  // namespace kestrilon
