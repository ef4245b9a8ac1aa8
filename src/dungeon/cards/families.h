#pragma once
// The dungeon card families of this folder, one function each, grouped by their files.
// The families that work the road's chests and events are in event_families.h.
#include <span>

#include "data/card_reference.h"
#include "state/card.h"

namespace kestrilon {

struct Game;

// walking.cpp: walking cards and other ways along the road
void UseWalkingCard(Game& g, const titem& card);
void UseBoots(Game& g, const titem& card);
void UseEscapePod(Game& g, const titem& card);
void UseCampKit(Game& g, const titem& card);
void UseExchangeKit(Game& g, const titem& card);
void UseExchangePass(Game& g, const titem& card);
void UseJumpShoes(Game& g, const titem& card);
void UseFatma(Game& g, const titem& card);
void UseSpringStaff(Game& g, const titem& card);
std::span<const CardReference> WalkingCardReferences();

// recovery.cpp: heals, food, MP and TP, regenerations and cures
void UseLadle(Game& g, const titem& card);
void UseBread(Game& g, const titem& card);
void UseMedicine(Game& g, const titem& card);
void UseWater(Game& g, const titem& card);
void UseCampGoods(Game& g, const titem& card);
void UseHerb(Game& g, const titem& card);
void UseDrug(Game& g, const titem& card);
void UseDemonWater(Game& g, const titem& card);
void UseSerum(Game& g, const titem& card);
void UseTreatment(Game& g, const titem& card);
void UseGlasses(Game& g, const titem& card);
void UsePen(Game& g, const titem& card);
void UseBucket(Game& g, const titem& card);
void UseRucksack(Game& g, const titem& card);
std::span<const CardReference> RecoveryCardReferences();

// hand_families.cpp: cards that work on the hand and the piles
void UseWind(Game& g, const titem& card);
void UseBlueWind(Game& g, const titem& card);
void UseDiscardingWind(Game& g, const titem& card);
void UseRecycler(Game& g, const titem& card);
void UseTimeLoop(Game& g, const titem& card);
void UseSecondChance(Game& g, const titem& card);
void UseHolyFountain(Game& g, const titem& card);
void UseMemo(Game& g, const titem& card);
void UseCane(Game& g, const titem& card);
void UseNecklace(Game& g, const titem& card);
void UseEarring(Game& g, const titem& card);

}  // namespace kestrilon
