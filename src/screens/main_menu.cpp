// The main menu: the hub of dungeons, book editing, the shops, story pages and slots.
#include <array>

#include "books/books.h"
#include "dungeon/story.h"
#include "menu/menu.h"
#include "persist/save_file.h"
#include "render/message_log.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"

namespace kestrilon {
namespace {

// Deaths that call progress c must exceed before page 100 + c is offered.
constexpr std::array<int, 14> kCallDeaths = {9, 19, 29, 39, 49, 59, 69, 79, 89, 99, 109, 119, 199, 249};
// Dungeon whose clear opens darkness page 200 + k.
constexpr std::array<int, 12> kDarknessDungeon = {1, 2, 3, 4, 5, 6, 7, 9, 8, 10, 12, 20};

int Clears(const Game& g, int d) { return g.player.dungeonClears[static_cast<size_t>(d)]; }

// At most one story entry, and none while slot tickets wait or once this run has had
// its slot or its page.
void BuildEventEntry(Game& g) {
    const PlayerState& p = g.player;
    if (p.slotRights >= 1 || p.runFlags[kRunSlotPlayed] != 0 || p.runFlags[kRunEventVisited] != 0) return;
    const int story = p.storyPagesRead;
    const int call = p.unlockFlags[kFlagCallProgress];
    const int dark = p.unlockFlags[kFlagDarknessProgress];
    if (story < p.level / 2 && story <= 8) {
        tmenu& entry = SetItem(g, kMainSatori, Screen::MainMenu, "～悟り～", MainAction::Satori);
        entry.param2 = story;
        entry.emphasis = 1;
    } else if (call >= 0 && call < static_cast<int>(kCallDeaths.size()) &&
               p.deathCount > kCallDeaths[static_cast<size_t>(call)]) {
        tmenu& entry = SetItem(g, kMainCall, Screen::MainMenu, "～呼び声～", MainAction::Call);
        entry.param2 = 100 + call;
        entry.emphasis = 1;
    } else if (dark >= 0 && dark < static_cast<int>(kDarknessDungeon.size()) &&
               Clears(g, kDarknessDungeon[static_cast<size_t>(dark)]) > 0) {
        tmenu& entry = SetItem(g, kMainDarkness, Screen::MainMenu, "～闇への誘い～", MainAction::Darkness);
        entry.param2 = 200 + dark;
        entry.emphasis = 1;
    }
}

constexpr int kEntryBackup = 2;
constexpr int kEntryBackupChance = 10;

AfterAction ChooseDungeon(Game& g) {
    if (!BookFillCheck(g, Book::Dungeon) || !BookFillCheck(g, Book::Battle)) return AfterAction::Rebuild;
    if (g.Roll(kEntryBackupChance) == 0) Save(g, kEntryBackup);
    OpenScreen(g, Screen::DungeonList);
    Log(g, "ダンジョンを選択して下さい");
    return AfterAction::Keep;
}

}  // namespace

void BuildMainMenu(Game& g) {
    const PlayerState& p = g.player;
    const Screen s = Screen::MainMenu;
    SetItem(g, kMainDungeon, s, "ダンジョンに入る", MainAction::EnterDungeon);
    SetItem(g, kMainDungeonEdit, s, "ダンジョンカード編集", MainAction::DungeonBookEdit);
    SetItem(g, kMainBattleEdit, s, "バトルカード編集", MainAction::BattleBookEdit);
    if (p.unlockFlags[kFlagShop] >= 1) SetItem(g, kMainShop, s, "ＳＨＯＰ", MainAction::Shop);
    if (p.unlockFlags[kFlagSynthesis] >= 1) SetItem(g, kMainSynthesis, s, "カード合成", MainAction::Synthesis);
    if (p.unlockFlags[kFlagAltar] >= 1) SetItem(g, kMainAltar, s, "祭壇", MainAction::Altar);
    BuildEventEntry(g);
    if (p.slotRights >= 1) {
        tmenu& slot = SetItem(g, kMainSlot, s, "蒼燐スロット", MainAction::Slot);
        slot.description1.assign("何がでるかはお楽しみ");
        SetCount(slot.description2, "スロット権 ", p.slotRights);
    }
    if (p.spSlotRights >= 1) {
        tmenu& slot = SetItem(g, kMainSpSlot, s, "Special蒼燐スロット", MainAction::SpecialSlot);
        slot.description1.assign("何がでるかはお楽しみ");
        SetCount(slot.description2, "SPスロット権 ", p.spSlotRights);
    }
    bool anyOrbs = false;
    for (int32_t orbs : p.battleOrbs) anyOrbs = anyOrbs || orbs >= 1;
    if (g.dungeon.number < 1 && anyOrbs)
        SetItem(g, kMainOrbs, s, "戦いの宝珠", MainAction::Orbs).description1.assign("たいへん難しい挑戦");
    SetItem(g, kMainSubMenu, s, "サブメニュー", MainAction::SubMenu, true);
}

AfterAction RunMainMenu(Game& g, const tmenu& item) {
    switch (ActionOf<MainAction>(item)) {
    case MainAction::EnterDungeon: return ChooseDungeon(g);
    case MainAction::SubMenu: OpenScreen(g, Screen::SubMenu); return AfterAction::Keep;
    case MainAction::Orbs: OpenScreen(g, Screen::OrbList); return AfterAction::Keep;
    case MainAction::DungeonBookEdit: BeginBookEdit(g, Book::Dungeon); return AfterAction::Keep;
    case MainAction::BattleBookEdit: BeginBookEdit(g, Book::Battle); return AfterAction::Keep;
    case MainAction::Slot:
        if (g.player.slotRights < 1) Log(g, "スロット権がありません");
        return AfterAction::Rebuild;
    case MainAction::Satori:
    case MainAction::Call:
    case MainAction::Darkness: ShowStoryPage(g, item.param2); return AfterAction::Rebuild;
    case MainAction::SpecialSlot:
        if (g.player.spSlotRights < 1) Log(g, "SPスロット権がありません");
        return AfterAction::Rebuild;
    default: return AfterAction::Rebuild;
    }
}

void MainMenuOpened(Game& g) {
    auto& flags = g.player.unlockFlags;
    if (flags[kFlagFirstCardHint] == 1) {
        flags[kFlagFirstCardHint] = 2;
        ShowHint(g, "→新しいカードを入手したら、[カード編集]でブックに挿入してみましょう！ ちなみにカードには[D.カード]と[バトルカード]の２種類があります");
    }
    if (flags[kFlagShop] >= 1 && flags[kFlagShopHintStep] == 0) {
        ++flags[kFlagShopHintStep];
        ShowHint(g, "→【SHOP】を発見しています。カードを買ってみましょう！");
    }
    if (flags[kFlagShopHintStep] == 2) {
        ++flags[kFlagShopHintStep];
        ShowHint(g, "→買ったカードは、カード編集でブックに挿入しましょう。");
    }
}

}  // namespace kestrilon
