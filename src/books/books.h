#pragma once
// The two books during a run: their counts, the hands and the piles they draw from.
#include "state/books_state.h"

namespace kestrilon {

struct Game;

// The book the counts on screen refer to: the one being edited, the battle book while a
// battle is on, else the dungeon book.
Book CurrentBook(const Game& g);

DrawPile& PileOf(Game& g, Book book);
const DrawPile& PileOf(const Game& g, Book book);
Hand& HandOf(Game& g, Book book);
const Hand& HandOf(const Game& g, Book book);

// Copies placed in the book: BookContents of the existing cards of its kind.
int BookCardCount(const Game& g, Book book);
int BookCardCount(const Game& g);
// Cards left in the book's draw pile.
int PileCount(const Game& g, Book book);
int PileCount(const Game& g);
int HandCount(const Game& g, Book book);

// Empties the hand, card and highlight of every slot, with its log line.
void ResetHand(Game& g, Book book);
// Takes the card out of slot 0 .. 7 and closes the gap. A dungeon card goes to the
// discard pile; a battle card is gone until the next battle shuffle.
void RemoveHandCard(Game& g, Book book, int slot);

// What entering a dungeon does to the books: hands emptied, both books shuffled and the
// dungeon hand drawn up to 8. The caller has already marked the dungeon as entered.
void DungeonEntrySequence(Game& g);

// Before a dungeon: a book short of its capacity asks whether to fill the gap with the
// basic card ("足" or "指"). False when the player declines, which cancels the entry.
bool BookFillCheck(Game& g, Book book);

}  // namespace kestrilon
