#pragma once
// The walk through a dungeon: entry, the step and its events, clearing, leaving, retiring
// and the orb fights.
#include <span>
#include <string_view>

#include "data/card_reference.h"
#include "state/dungeon_state.h"

namespace kestrilon {

struct Game;

// Screen 8's entry of dungeon n: the run starts and the dungeon hand opens.
void EnterDungeon(Game& g, int n);
// A movement card's step of km; `card` is the card's name ("羽" and "大きな羽" clear a spiked floor).
// A step of 0 km (a card whose distance grows with the book) still meets the road.
void WalkSteps(Game& g, int km, std::string_view card = {});
// Hunger, the carried regenerations and the player's statuses, run by every step and every
// other move.
void StepTick(Game& g);
// What the road puts in front of the player after a step.
void GenerateEvent(Game& g);
// The event in front of the player and its picture; EventCode::None takes both away.
void SetEvent(Game& g, EventCode event, std::string_view picture);
// HP lost on the road; the player may die of it (the caller looks at HP).
void RoadDamage(Game& g, int n);

// After the boss: backup 3, the clear counted, the time bonus, the nuggets, screen 20.
void ClearDungeon(Game& g);
// Out of the dungeon: nuggets to money, ARK, the score checked and kept as a record.
void LeaveDungeon(Game& g);
// The walk menu's retire; false when the player says no.
bool Retire(Game& g);
// Screen 21: spends an orb of dungeon n and starts its special fight.
void EnterOrbFight(Game& g, int n);
// The score agrees with its shadow, which every score gain doubles.
bool ScoreIntact(const Game& g);
// The dungeon runs out of cards or the player dies: the walk opens the game-over screen.
void CheckRunEnd(Game& g);

std::span<const CardReference> WalkCardReferences();

}  // namespace kestrilon
