// The dungeon hand and the other screens of a dungeon walk.
#include <string>

#include "data/card_database.h"
#include "menu/menu.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"

namespace kestrilon {

std::string DiscardCaption(const Game& g) {
    const int card = g.menus.discardCard;
    if (card <= 0 || !CardDatabase::ValidId(card) || !g.cards[card].Exists()) return {};
    return "【" + g.cards[card].name + "】を捨てる";
}

void BuildDungeonHand(Game& g) { SetItem(g, kHandMenuItem, Screen::DungeonHand, "MENU", HandAction::Menu, true); }

void DungeonHandOpened(Game& g) {
    auto& flags = g.player.unlockFlags;
    if (g.battle.battleOn == 0 && g.player.hp <= 1 && flags[kFlagDyingHint] == 0) {
        flags[kFlagDyingHint] = 1;
        ShowHint(g, "→おっと死にそう！ 右クリックを押すと、サブメニューが開きます。そこから[リタイア]することで、金塊の半分を持ち帰れます。");
    }
}

void BuildWalkMenu(Game& g) {
    const Screen s = Screen::WalkMenu;
    const std::string discard = DiscardCaption(g);
    if (!discard.empty()) SetItem(g, kWalkMenuFirst, s, discard, RunMenuAction::Discard).card = g.menus.discardCard;
    SetItem(g, kWalkMenuFirst + 1, s, "リタイア", RunMenuAction::Retire);
    SetItem(g, kWalkMenuFirst + 2, s, "戻る", RunMenuAction::Back, true);
}

void BuildGameOver(Game& g) { SetItem(g, kGameOverItem, Screen::GameOver, "帰還", GameOverAction::Return); }

void BuildDungeonEscape(Game& g) { SetItem(g, kEscapeItem, Screen::DungeonEscape, "脱出", EscapeAction::Escape); }

}  // namespace kestrilon
