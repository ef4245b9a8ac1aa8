#pragma once
// Clicking a button by its caption, so that scripts and tests need not know where the
// grid placed it this time.
#include <string>
#include <string_view>
#include <vector>

#include "gfx/canvas.h"

namespace kestrilon {

class TForm1;
struct Game;

struct ScreenItem {
    std::string caption;
    Rect rect;  // where it is drawn now (buttons slide in after a screen opens)
    bool enabled = false;
    int item = -1;  // its menu item number; -1 for the OK button of the name entry
};

// The buttons a click can reach now, in item order: the menu items of the current screen,
// or only "OK" while the name entry is shown.
std::vector<ScreenItem> ItemsOnScreen(const Game& g);

// Clicks the centre of the visible part of the first enabled button captioned `caption`.
// False, with the reason in *problem when given, when no such button can take a click.
bool ClickItem(TForm1& form, std::string_view caption, std::string* problem = nullptr);

}  // namespace kestrilon
