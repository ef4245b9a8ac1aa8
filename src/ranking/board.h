#pragma once
// The ranking board: the panel rank_box over the whole surface, holding the list rank_list
// of 2000 rows with its scroll bar and the "<BACK>" button. While it is shown it takes the
// mouse; the game underneath gets nothing.
#include "gfx/canvas.h"
#include "state/input_state.h"

namespace kestrilon {

struct Game;

constexpr Rect kRankBoxRect{0, 0, 800, 600};
constexpr Rect kRankListRect{8, 8, 792, 548};  // rows and, at its right edge, the scroll bar
constexpr Rect kRankTrackRect{776, 8, 792, 548};
constexpr Rect kRankBackRect{600, 558, 792, 594};
constexpr int kRankRowHeight = 14;
constexpr int kRankVisibleRows = (kRankListRect.bottom - kRankListRect.top) / kRankRowHeight;
constexpr int kRankWheelRows = 3;  // rows one notch of the wheel moves

// Fills rank_list from the records, shows the panel and selects the player's last row
// (scrolled into view); nothing is selected when the player is not on the board.
void ShowBoard(Game& g);
void HideBoard(Game& g);

enum class RankBoxClick { None, Back };
// A press on the panel. "<BACK>", or a right click anywhere on it, asks to go back; the
// caller then runs rank_bClick, which knows the screens.
RankBoxClick RankBoxMouseDown(Game& g, int x, int y, MouseButton button);
// Pointer moves and releases, for dragging the scroll bar's thumb.
void RankBoxMouseMove(Game& g, int x, int y);
void RankBoxMouseUp(Game& g);
// Wheel notches, positive away from the player (towards the top of the list).
void RankListWheel(Game& g, int notches);

// The scroll bar's thumb for the current scroll position.
Rect RankThumbRect(const Game& g);

// Draws the panel over the surface; the list itself is redrawn only after a change.
void DrawRankBox(Game& g);

}  // namespace kestrilon
