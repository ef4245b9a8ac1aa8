#include "menu/menu.h"

#include "data/card_database.h"
#include "menu/placement.h"
#include "menu/screen_table.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

void ClearContent(tmenu& item) {
    item.rightText.clear();
    item.description1.clear();
    item.description2.clear();
    item.caption.clear();
    item.action = item.param = item.param2 = item.screen = 0;
    item.emphasis = item.cancel = item.disabled = 0;
    item.card = item.rightAlign = item.number = item.unaffordable = 0;
}

}  // namespace

tmenu& SetItem(Game& g, int number, Screen screen, std::string_view caption, int32_t action, bool cancel) {
    tmenu& item = g.menus.items[static_cast<size_t>(number)];
    item.screen = ScreenCode(screen);
    item.caption.assign(caption);
    item.action = action;
    item.cancel = cancel ? 1 : 0;
    return item;
}

void SetCount(std::string& out, std::string_view label, int n, std::string_view unit) {
    out.assign(label);
    AppendInt(out, n);
    out.append(unit);
}

void ShowHint(Game& g, std::string_view text) { LogIcon(g, text, "hint", "hint.bmp"); }

void RebuildMenus(Game& g) {
    FillCardDatabase(g);
    for (tmenu& item : g.menus.items) ClearContent(item);
    for (int s = 0; s < kScreenCount; ++s) {
        const ScreenEntry& entry = ScreenEntryOf(static_cast<Screen>(s));
        if (entry.build) entry.build(g);
    }
}

void OpenScreen(Game& g, Screen screen) {
    PlayEffect(g, "1.wav");
    for (tmenu& item : g.menus.items) item.visible = 0;
    if (g.screen.storyRunning || g.screen.openingPlaying) {
        PlayMusic(g, "not");
        g.screen.storyRunning = false;
        g.screen.openingPlaying = false;
    }
    RebuildMenus(g);
    g.screen.GameScene = ScreenCode(screen);
    g.menus.hovered = -1;
    PlaceItems(g, screen);
    const ScreenEntry& entry = ScreenEntryOf(screen);
    if (entry.opened) entry.opened(g);
}

void CloseScreens(Game& g) {
    PlayEffect(g, "1.wav");
    for (tmenu& item : g.menus.items) item.visible = 0;
    g.screen.GameScene = ScreenCode(Screen::None);
    g.menus.cancelItem = -1;
    g.menus.hovered = -1;
}

void RunItem(Game& g, int item) {
    if (item < 0 || item >= kMenuItems) return;
    // A copy: the action may rebuild the table under it.
    const tmenu chosen = g.menus.items[static_cast<size_t>(item)];
    const ScreenEntry& entry = ScreenEntryOf(ScreenFromCode(chosen.screen));
    if (!entry.run || entry.run(g, chosen) == AfterAction::Rebuild) RebuildMenus(g);
}

void ClearChoiceList(Game& g) { g.menus.choices = ChoiceList{}; }

}  // namespace kestrilon
