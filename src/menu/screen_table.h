#pragma once
// One entry per screen: how its items are built, run and placed. The table itself is
// defined by src/screens/screen_table.cpp; the menu core, below the screens, reaches it
// only through ScreenEntryOf.
#include <string>
#include <string_view>

#include "menu/actions.h"
#include "state/menu_state.h"
#include "state/screen_state.h"

namespace kestrilon {

struct Game;

// What RunItem does once an action is done: rebuild the table, or keep it because the
// action opened a screen (which rebuilt it) or ended the game.
enum class AfterAction { Rebuild, Keep };

enum class Placement {
    Grid,         // four buttons a row from y 400, sliding in from the left
    Lowered,      // the grid 100 pixels lower
    BookEdit,     // lowered, with the filter buttons small in two rows of five
    DungeonList,  // dungeons by difficulty, the grid lifted as the list grows
    OrbList,      // the same, lifted by the number of defined dungeons
    Hand,         // sliding in from the right
};

struct ScreenEntry {
    Screen screen = Screen::None;
    // Writes the screen's items from the game state; every rebuild runs every builder.
    void (*build)(Game& g) = nullptr;
    // Performs the action of one of the screen's items; none yet: the item only rebuilds.
    AfterAction (*run)(Game& g, const tmenu& item) = nullptr;
    // One-time hints when the screen opens.
    void (*opened)(Game& g) = nullptr;
    Placement placement = Placement::Grid;
};

// Defined above the menu core, in src/screens/screen_table.cpp.
const ScreenEntry& ScreenEntryOf(Screen screen);

// For the builders: writes the fixed part of item `number`.
tmenu& SetItem(Game& g, int number, Screen screen, std::string_view caption, int32_t action, bool cancel = false);
template <class Action>
tmenu& SetItem(Game& g, int number, Screen screen, std::string_view caption, Action action, bool cancel = false) {
    return SetItem(g, number, screen, caption, ActionCode(action), cancel);
}
// label + n + unit, into an item text.
void SetCount(std::string& out, std::string_view label, int n, std::string_view unit = {});
// A tutorial hint line in the log.
void ShowHint(Game& g, std::string_view text);

}  // namespace kestrilon
