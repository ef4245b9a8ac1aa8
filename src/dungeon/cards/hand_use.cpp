#include "dungeon/cards/hand_use.h"

#include <algorithm>
#include <array>
#include <string>

#include "battle/battle_hand.h"
#include "books/books.h"
#include "books/draw.h"
#include "books/gains.h"
#include "data/card_database.h"
#include "data/stats.h"
#include "dungeon/cards/dungeon_card.h"
#include "dungeon/cards/effect_common.h"
#include "menu/menu.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr std::string_view kUse = "fight-menu discard";
constexpr CardReference kYamYamMouth = CardWithId(2322, CardKind::Battle, kUse);      // ヤムヤムの口
constexpr CardReference kHaruonNecklace = CardWithId(2313, CardKind::Battle, kUse);   // ハルオンの首飾り
constexpr CardReference kEvilNecklace = CardWithId(2308, CardKind::Battle, kUse);     // 邪悪な首飾り
constexpr CardReference kIndulgence = CardWithId(2323, CardKind::Battle, kUse);       // 高位免罪符
constexpr CardReference kLauncher = CardWithId(2205, CardKind::Battle, kUse);         // ランチャー
constexpr CardReference kOminousNecklace = CardWithId(2307, CardKind::Battle, kUse);  // 禍々しい首飾り
constexpr CardReference kTimeRiverPendant = CardWithId(2315, CardKind::Battle, kUse);  // 時河のペンダント
constexpr CardReference kTachyonNecklace = CardWithId(2311, CardKind::Battle, kUse);  // タキオンの首飾り
constexpr CardReference kUneasyNecklace = CardWithId(2310, CardKind::Battle, kUse);   // 不穏な首飾り
constexpr CardReference kWarpedNecklace = CardWithId(2309, CardKind::Battle, kUse);   // 歪な首飾り
// Each of these carried makes the next turn come later after an <Ability> card is thrown away.
constexpr std::array kWaitCharms = {kOminousNecklace, kHaruonNecklace, kTimeRiverPendant,
                                    kTachyonNecklace, kUneasyNecklace,  kWarpedNecklace};
constexpr std::array kReferences = {kYamYamMouth,     kHaruonNecklace,   kEvilNecklace,    kIndulgence,
                                    kLauncher,        kOminousNecklace,  kTimeRiverPendant, kTachyonNecklace,
                                    kUneasyNecklace,  kWarpedNecklace};
constexpr int kWaitPerCharm = 10;
constexpr int kDiscardableHunger = 20;  // at this hunger or below nothing is thrown away

bool InFight(const Game& g) { return g.battle.battleOn >= 1; }
Book HandBook(const Game& g) { return InFight(g) ? Book::Battle : Book::Dungeon; }

// The player died, of a blow or of an empty book: only "帰還" is left.
bool Busy(const Game& g) { return g.screen.Current() == Screen::GameOver || g.books.runEndedByExhaustion != 0; }
// After a card: the hand goes on unless the player died or left the dungeon.
bool HandGoesOn(const Game& g) { return !Busy(g) && g.dungeon.number >= 1; }

int CardIn(const Game& g, Book book, int slot) {
    if (slot < 0 || slot >= kHandSlots) return 0;
    const int id = HandOf(g, book)[static_cast<size_t>(slot)].card;
    return id > 0 && CardDatabase::ValidId(id) && g.cards[id].Exists() ? id : 0;
}

bool BattleHandHas(const Game& g, int32_t titem::*flag) {
    for (const HandSlot& s : HandOf(g, Book::Battle))
        if (s.card > 0 && g.cards[s.card].*flag >= 1) return true;
    return false;
}

void LogThrownAway(Game& g, int id) {
    PlayEffect(g, "item_lost.wav");
    LogIcon(g, "【" + g.cards[id].name + "】を捨てた", "red2", CardFramePicture(g, id));
}

// Throwing an <Ability> card away in a fight sets the carried charms off.
void AbilityThrownAway(Game& g) {
    const int food = 3 * Carried(g, kYamYamMouth) + (Carried(g, kHaruonNecklace) > 0 ? 1 : 0);
    if (food > 0) Eat(g, food);
    if (Carried(g, kEvilNecklace) > 0) GainTp(g, 5);
    if (const int copies = Carried(g, kIndulgence); copies > 0) HealPlayer(g, 2 * copies, g.cards[kIndulgence.id].name);
    if (Carried(g, kLauncher) > 0) FireBattleCardAction(g, kLauncher.id);
    if (Carried(g, kOminousNecklace) > 0) GainMp(g, 1);
}

}  // namespace

bool CanUseHandCard(const Game& g, int slot) {
    const int id = CardIn(g, HandBook(g), slot);
    if (id == 0) return false;
    const titem& card = g.cards[id];
    const int32_t event = CodeOf(g.dungeon.event);
    if (card.isAbility >= 1) return false;
    if (card.eventKind != 0 && card.eventKind != event) return false;
    if (g.dungeon.event == EventCode::SecretChest && card.action == CodeOf(DungeonEffect::SecretKey) &&
        id != g.dungeon.table[0].secretKey)
        return false;
    if (g.dungeon.event == EventCode::Trap && card.eventKind == CodeOf(EventCode::Trap) &&
        card.toolLevel < g.dungeon.trapLevel)
        return false;
    if (card.isBullet >= 1 && !BattleHandHas(g, &titem::isGun)) return false;
    if (card.isArrow >= 1 && !BattleHandHas(g, &titem::isBow)) return false;
    return true;
}

void UseHandCard(Game& g, int slot) {
    if (Busy(g)) {
        CloseScreens(g);
        OpenScreen(g, Screen::GameOver);
        return;
    }
    const Book book = HandBook(g);
    const int id = CardIn(g, book, slot);
    if (id == 0) return;
    const titem& card = g.cards[id];
    if (g.player.mp < card.mpCost) {
        LogColour(g, "MPが足りません", "gray");
        return;
    }
    if (g.player.tp < card.tpCost) {
        LogColour(g, "TPが足りません", "gray");
        return;
    }
    if (InFight(g)) {
        UseBattleHandCard(g, slot);
        return;
    }
    if (card.action == CodeOf(DungeonEffect::EscapePod)) {
        if (g.os.Confirm("脱出してもいいですか？")) UseDungeonCard(g, id);
        return;
    }
    RemoveHandCard(g, Book::Dungeon, slot);
    UseDungeonCard(g, id);
    if (g.menus.cardPictures) FloatCardPicture(g, id, slot);
    if (!HandGoesOn(g)) return;
    RefillHand(g, Book::Dungeon, 1);
    if (g.dungeon.reopenHand) {
        g.dungeon.reopenHand = false;
        OpenScreen(g, Screen::DungeonHand);
    }
}

void DiscardHandCard(Game& g, int slot) {
    const int id = CardIn(g, Book::Dungeon, slot);
    if (id == 0) return;
    if (HandCount(g, Book::Dungeon) < 2) {
        Log(g, "これ以上捨てられません");
        return;
    }
    if (g.player.hunger <= kDiscardableHunger) {
        Log(g, "お腹が減りすぎています");
        return;
    }
    LogThrownAway(g, id);
    Eat(g, -DiscardHungerCost(g));
    FloatCardPicture(g, id, slot);
    RemoveHandCard(g, Book::Dungeon, slot);
    RefillHand(g, Book::Dungeon, 1);
    if (!HandGoesOn(g)) return;
    if (g.dungeon.reopenHand)
        g.dungeon.reopenHand = false;
    else
        OpenScreen(g, Screen::DungeonHand);
}

void DiscardBattleHandCard(Game& g, int slot) {
    const int id = CardIn(g, Book::Battle, slot);
    if (id == 0) return;
    if (HandCount(g, Book::Battle) < 2) {
        Log(g, "これ以上捨てられません");
        return;
    }
    LogThrownAway(g, id);
    FloatCardPicture(g, id, slot);
    RemoveHandCard(g, Book::Battle, slot);
    int wait = 0;
    if (g.cards[id].isAbility >= 1) {
        AbilityThrownAway(g);
        for (const CardReference& charm : kWaitCharms)
            if (Carried(g, charm) > 0) wait += kWaitPerCharm;
    }
    CloseScreens(g);
    g.player.actionGauge = wait;
}

std::span<const CardReference> HandUseCardReferences() { return kReferences; }

}  // namespace kestrilon
