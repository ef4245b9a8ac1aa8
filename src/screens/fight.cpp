// The screens of a fight: its menu, the target choice and the end of a won fight.
#include <string>

#include "dungeon/cards/hand_use.h"
#include "menu/menu.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"

namespace kestrilon {

void BuildFightMenu(Game& g) {
    const Screen s = Screen::FightMenu;
    const std::string discard = DiscardCaption(g);
    if (!discard.empty()) SetItem(g, kFightMenuFirst, s, discard, RunMenuAction::Discard).card = g.menus.discardCard;
    SetItem(g, kFightMenuFirst + 1, s, "リタイア(GAME OVER)", RunMenuAction::Retire);
    SetItem(g, kFightMenuFirst + 2, s, "戻る", RunMenuAction::Back, true);
}

AfterAction RunFightMenu(Game& g, const tmenu& item) {
    switch (ActionOf<RunMenuAction>(item)) {
        case RunMenuAction::Discard:
            DiscardBattleHandCard(g, g.menus.discardSlot);
            return AfterAction::Rebuild;
        case RunMenuAction::Back: OpenScreen(g, Screen::DungeonHand); return AfterAction::Keep;
        // Retiring in a fight is a game over, which the battle's end decides.
        case RunMenuAction::Retire: break;
    }
    return AfterAction::Rebuild;
}

void BuildTargetChoice(Game& g) { SetItem(g, kTargetBack, Screen::TargetChoice, "戻る", TargetAction::Back, true); }

void BuildFightWon(Game& g) {
    if (g.menus.bossCleared)
        SetItem(g, kFightWonItem, Screen::FightWon, "ダンジョン踏破", FightWonAction::DungeonCleared);
    else
        SetItem(g, kFightWonItem, Screen::FightWon, "戦闘終了", FightWonAction::EndFight);
}

}  // namespace kestrilon
