// The dungeon hand and the other screens of a dungeon walk.
#include <string>

#include "books/books.h"
#include "data/card_database.h"
#include "dungeon/cards/hand_use.h"
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

// Item emphasis of hand buttons.
constexpr int32_t kEventCardEmphasis = 1;
constexpr int32_t kAbilityEmphasis = 2;

Book ShownHand(const Game& g) { return g.battle.battleOn >= 1 ? Book::Battle : Book::Dungeon; }

// The hand card under the pointer when the menu was asked for becomes the one to discard.
void ChooseDiscard(Game& g) {
    const int slot = g.menus.hovered - kHandItemFirst;
    const bool onCard = slot >= 0 && slot < kHandSlots;
    g.menus.discardSlot = onCard ? slot : -1;
    g.menus.discardCard = onCard ? HandOf(g, ShownHand(g))[static_cast<size_t>(slot)].card : 0;
}

}  // namespace

void BuildDungeonHand(Game& g) {
    const Hand& hand = HandOf(g, ShownHand(g));
    for (int s = 0; s < kHandSlots; ++s) {
        const int id = hand[static_cast<size_t>(s)].card;
        if (id <= 0 || !CardDatabase::ValidId(id) || !g.cards[id].Exists()) continue;
        const titem& card = g.cards[id];
        tmenu& item = SetItem(g, kHandItemFirst + s, Screen::DungeonHand, card.name, kFirstSlotAction + s);
        item.card = id;
        item.disabled = CanUseHandCard(g, s) ? 0 : 1;
        item.unaffordable = card.mpCost > g.player.mp || card.tpCost > g.player.tp ? 1 : 0;
        if (card.isAbility >= 1)
            item.emphasis = kAbilityEmphasis;
        else if (card.eventKind != 0)
            item.emphasis = kEventCardEmphasis;
    }
    SetItem(g, kHandMenuItem, Screen::DungeonHand, "MENU", HandAction::Menu, true);
}

AfterAction RunDungeonHand(Game& g, const tmenu& item) {
    if (ActionOf<HandAction>(item) == HandAction::Menu) {
        ChooseDiscard(g);
        OpenScreen(g, g.battle.battleOn >= 1 ? Screen::FightMenu : Screen::WalkMenu);
        return AfterAction::Keep;
    }
    const int slot = item.action - kFirstSlotAction;
    if (slot >= 0 && slot < kHandSlots) UseHandCard(g, slot);
    return AfterAction::Rebuild;
}

AfterAction RunWalkMenu(Game& g, const tmenu& item) {
    switch (ActionOf<RunMenuAction>(item)) {
        case RunMenuAction::Retire:
            if (g.battle.battleOn == 0 && Retire(g)) return AfterAction::Rebuild;
            break;
        case RunMenuAction::Discard:
            DiscardHandCard(g, g.menus.discardSlot);
            return AfterAction::Rebuild;
        case RunMenuAction::Back: break;
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
