#include "app/click_item.h"

#include <algorithm>

#include "app/form.h"
#include "app/name_entry.h"
#include "menu/menu.h"
#include "state/game.h"

namespace kestrilon {
namespace {

Rect VisiblePart(Rect r) {
    return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, kScreenWidth), std::min(r.bottom, kScreenHeight)};
}

// True when a left click at (x, y) would reach the button: later items in the table lie
// over earlier ones, and the cancel label takes only clicks that miss every button.
bool Reaches(const Game& g, const ScreenItem& button, int x, int y) {
    if (button.item < 0) return true;
    return MenuItemAt(g, x, y) == button.item;
}

}  // namespace

std::vector<ScreenItem> ItemsOnScreen(const Game& g) {
    std::vector<ScreenItem> buttons;
    if (g.screen.nameBoxOpen) {
        buttons.push_back({"OK", kNameOkRect, true, -1});
        return buttons;
    }
    const int scene = g.screen.GameScene;
    if (g.screen.Current() == Screen::None) return buttons;
    for (int i = 0; i < kMenuItems; ++i) {
        const tmenu& item = g.menus.items[static_cast<size_t>(i)];
        if (item.visible != 1 || item.screen != scene || item.caption.empty()) continue;
        buttons.push_back({item.caption, {item.curX, item.curY, item.curX + item.width, item.curY + item.height},
                           item.disabled != 1, i});
    }
    return buttons;
}

bool ClickItem(TForm1& form, std::string_view caption, std::string* problem) {
    auto fail = [&](std::string why) {
        if (problem) *problem = std::move(why);
        return false;
    };
    const std::string quoted = "\"" + std::string(caption) + "\"";
    const Game& g = form.game();
    if (g.input.InputBusy) return fail("no click is taken while the ranking server is asked");
    // A click now would only page the story or reward lines.
    if (g.script.Running() && !g.screen.nameBoxOpen) return fail("a script line waits for a click before " + quoted);

    std::string why = "no button " + quoted + " on screen";
    for (const ScreenItem& button : ItemsOnScreen(g)) {
        if (button.caption != caption) continue;
        if (!button.enabled) {
            why = quoted + " is disabled";
            continue;
        }
        const Rect part = VisiblePart(button.rect);
        if (part.Width() <= 0 || part.Height() <= 0) {
            why = quoted + " is off the screen";
            continue;
        }
        const int x = part.left + part.Width() / 2;
        const int y = part.top + part.Height() / 2;
        if (!Reaches(g, button, x, y)) {
            why = quoted + " is covered at its centre";
            continue;
        }
        form.cgMouseMove(x, y);
        form.cgMouseDown(x, y, MouseButton::Left);
        form.cgMouseUp();
        return true;
    }
    return fail(why);
}

}  // namespace kestrilon
