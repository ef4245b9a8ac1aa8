#pragma once
// The one-line tip logged whenever a dungeon run comes back to the main menu.
#include <string>

namespace kestrilon {

struct Game;

constexpr int kTipRolls = 32;        // the tip is picked by Roll(32)
constexpr int kBookSizeTipRolls = 6; // rolls 0..5 give the book-size tip, the others one fixed tip each

// The tip of one roll: the book-size tip with the capacity given, or one of the fixed tips.
std::string TipForRoll(int roll, int capacity);

// Ends the run (run reset, no current dungeon), opens the main menu and logs one tip.
void ReturnToMenuWithTip(Game& g);

}  // namespace kestrilon
