#pragma once
// The table of menu items behind every screen: rebuilt from the game state, placed as a
// grid of buttons, drawn every frame and run when clicked. What each screen shows and
// does lives with the screens (src/screens), reached through menu/screen_table.h.
#include "state/screen_state.h"

namespace kestrilon {

struct Game;

constexpr int kListItems = 30;       // entries of one page of a dungeon list screen
constexpr int kListPageStride = 14;  // dungeons by which a list page moves

// Item numbers other parts address directly.
constexpr int kHandItemFirst = 500;   // the dungeon hand: slots 0..7 are items 500..507
constexpr int kTargetItemFirst = 700; // the target choice: enemies are items 700..707

// Entries of the player's run flags (cleared by every run reset) that the main menu reads.
enum RunFlag : int {
    kRunEventVisited = 0,  // a story page was viewed
    kRunSlotPlayed = 1,
};

// Refills the card database first (card texts depend on the player), then every item.
void RebuildMenus(Game& g);
void OpenScreen(Game& g, Screen screen);
void CloseScreens(Game& g);
void RunItem(Game& g, int item);
// Empties the card list beside the menu.
void ClearChoiceList(Game& g);

// Buttons of the current screen, once per frame (hover, slide, glow, the cancel label).
void DrawMenus(Game& g);
// The placed item under (x, y), the last one in item order when several overlap; -1 none.
int MenuItemAt(const Game& g, int x, int y);
// A left click at the pointer: the button under it when placed and enabled, else the
// cancel label when the pointer is on it.
void MenuLeftClick(Game& g);
// The cancel label of the current screen: its rectangle, empty when the screen has none.
struct CancelLabel {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};
CancelLabel CancelLabelRect(const Game& g);

}  // namespace kestrilon
