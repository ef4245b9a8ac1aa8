#pragma once
// Drawing from the piles into the hands. Draws happen only inside a dungeon and never
// after the run has ended by the dungeon book running dry.
#include <string_view>

#include "state/books_state.h"

namespace kestrilon {

struct Game;

// The top card of the pile into the lowest empty slot. A full dungeon hand discards its
// oldest card (slot 0) and takes the new one in slot 7; a full battle hand takes nothing.
// An empty battle pile is shuffled anew; an empty dungeon pile is fatal (BookExhausted).
void DrawCard(Game& g, Book book);
// The named card nearest the bottom of the pile into the hand, as DrawCard places it.
void DrawNamedCard(Game& g, Book book, std::string_view name);
// Draws `count` cards; 0 draws until the hand holds 8. The dungeon book then warns when
// its pile is down to 10, 5, 1 or 0 cards.
void RefillHand(Game& g, Book book, int count);

// The dungeon book ran dry: the player dies of it. Thunder and the caption "ブック枯渇";
// the run ends by death once: the death logged and counted, the carried gold nuggets lost,
// and g.books.runEndedByExhaustion set for the walk to open the game-over screen.
void BookExhausted(Game& g);

}  // namespace kestrilon
