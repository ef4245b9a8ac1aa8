#pragma once
// Cards moved between the dungeon pile and the discard pile by card effects.
#include "state/books_state.h"
#include "state/dungeon_state.h"

namespace kestrilon {

struct Game;

// Where FetchNeededCard looks.
enum class PileSource { DungeonPile, Discards };

// Random probes of the discard pile before a return gives up.
constexpr int kReturnProbes = 99'900;

// One random discard that may come back (an existing card, no <Ability>, no recycler, not
// marked no-recycle) goes after the last card of the dungeon pile, with its log line; false
// with the "not found" line when the probes find none.
bool ReturnFromDiscard(Game& g);
// The card nearest the end of the source whose required event is `event` becomes the next
// draw of the dungeon pile. False when there is none; nothing is logged.
bool FetchNeededCard(Game& g, PileSource source, EventCode event);
// Puts `card` into the dungeon pile at position `pos` (0 the top), the cards from there on
// one place down.
void InsertIntoPile(Game& g, int pos, int32_t card);
// Filled entries of the discard pile.
int DiscardCount(const Game& g);
// Takes entry `pos` out of the discard pile; the later entries move up.
int32_t TakeFromDiscards(Game& g, int pos);

}  // namespace kestrilon
