// The dungeon hand and the other screens of a dungeon walk.
#include <string>

#include "books/books.h"
#include "books/draw.h"
#include "data/card_database.h"
#include "dungeon/walk.h"
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

namespace {

// A hand slot's item carries slot + 1 as its action.
constexpr int32_t kFirstSlotAction = 1;

bool Walks(const titem& card) { return card.action == CodeOf(DungeonEffect::Walk); }

}  // namespace

void BuildDungeonHand(Game& g) {
    const Hand& hand = HandOf(g, Book::Dungeon);
    for (int s = 0; s < kHandSlots; ++s) {
        const int card = hand[static_cast<size_t>(s)].card;
        if (card <= 0 || !CardDatabase::ValidId(card) || !g.cards[card].Exists()) continue;
        tmenu& item = SetItem(g, kHandItemFirst + s, Screen::DungeonHand, g.cards[card].name, kFirstSlotAction + s);
        item.card = card;
        // Only the movement cards act from the hand so far; the other dungeon cards wait for their effects.
        item.disabled = Walks(g.cards[card]) ? 0 : 1;
    }
    SetItem(g, kHandMenuItem, Screen::DungeonHand, "MENU", HandAction::Menu, true);
}

AfterAction RunDungeonHand(Game& g, const tmenu& item) {
    if (ActionOf<HandAction>(item) == HandAction::Menu) {
        OpenScreen(g, Screen::WalkMenu);
        return AfterAction::Keep;
    }
    const int slot = item.action - kFirstSlotAction;
    if (slot < 0 || slot >= kHandSlots) return AfterAction::Rebuild;
    const int card = HandOf(g, Book::Dungeon)[static_cast<size_t>(slot)].card;
    if (card <= 0 || !Walks(g.cards[card])) return AfterAction::Rebuild;
    const titem used = g.cards[card];
    RemoveHandCard(g, Book::Dungeon, slot);
    RefillHand(g, Book::Dungeon, 1);
    WalkSteps(g, used.value, used.name);
    CheckRunEnd(g);
    return AfterAction::Rebuild;
}

AfterAction RunWalkMenu(Game& g, const tmenu& item) {
    switch (ActionOf<RunMenuAction>(item)) {
        case RunMenuAction::Retire:
            if (g.battle.battleOn == 0 && Retire(g)) return AfterAction::Rebuild;
            break;
        case RunMenuAction::Back:
        case RunMenuAction::Discard: break;
    }
    OpenScreen(g, Screen::DungeonHand);
    return AfterAction::Rebuild;
}

AfterAction RunGameOver(Game& g, const tmenu&) {
    LeaveDungeon(g);
    return AfterAction::Rebuild;
}

AfterAction RunDungeonEscape(Game& g, const tmenu&) {
    g.battle.fightActive = 0;
    g.battle.battleOn = 0;
    LeaveDungeon(g);
    return AfterAction::Rebuild;
}

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
