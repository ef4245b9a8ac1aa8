#pragma once
// Building a book's draw pile from what the book holds.
#include "state/books_state.h"

namespace kestrilon {

struct Game;

// Random ids tried for one pile position before the shuffle gives the book up as broken.
constexpr int kShuffleTries = 119'999'999;

// Rebuilds the book's draw pile (and for the dungeon book empties the discard pile) from
// BookContents less the cards already in hand, in random order. With "逆光のペンダント"
// in a book the battle pile keeps no <Ability> card but bows, guns and "パチンコ".
void ShuffleBook(Game& g, Book book);

// ShuffleBook with `tries` random ids per position. False when a position found no card
// in time: the book is reported broken and the pile stays as far as it got.
bool ShuffleBookWithTries(Game& g, Book book, int tries);

}  // namespace kestrilon
