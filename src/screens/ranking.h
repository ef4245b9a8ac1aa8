#pragma once
// What the form needs of the ranking screens: the board's "<BACK>".
namespace kestrilon {

struct Game;

// Hides the board; back to the ranking list, or, after a clear, out of the dungeon.
void rank_bClick(Game& g);

}  // namespace kestrilon
