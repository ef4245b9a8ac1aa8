#include "screens/menu_items.h"

#include <array>
#include <string>
#include <string_view>

#include "screens/menu.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kDefinedDungeonLimit = 30;
// The per-dungeon tables of the player hold dungeons 0 .. 99.
constexpr int kMaxDungeon = kDungeonSlots - 1;

// Deaths that call progress c must exceed before page 100 + c is offered.
constexpr std::array<int, 14> kCallDeaths = {9, 19, 29, 39, 49, 59, 69, 79, 89, 99, 109, 119, 199, 249};
// Dungeon whose clear opens darkness page 200 + k.
constexpr std::array<int, 12> kDarknessDungeon = {1, 2, 3, 4, 5, 6, 7, 9, 8, 10, 12, 20};

tmenu& Item(Game& g, int number, int screen, std::string_view caption, int action, bool cancel = false) {
    tmenu& item = g.menus.items[static_cast<size_t>(number)];
    item.screen = screen;
    item.caption.assign(caption);
    item.action = action;
    item.cancel = cancel ? 1 : 0;
    return item;
}

void ClearContent(tmenu& item) {
    item.rightText.clear();
    item.description1.clear();
    item.description2.clear();
    item.caption.clear();
    item.action = item.param = item.param2 = item.screen = 0;
    item.emphasis = item.cancel = item.disabled = 0;
    item.card = item.rightAlign = item.number = item.unaffordable = 0;
}

void SetCount(std::string& out, std::string_view label, int n, std::string_view unit = {}) {
    out.assign(label);
    AppendInt(out, n);
    out.append(unit);
}

bool Defined(const Game& g, int d) {
    return d >= 1 && d <= kMaxDungeon && !g.dungeon.table[static_cast<size_t>(d)].name.empty();
}

int Clears(const Game& g, int d) { return g.player.dungeonClears[static_cast<size_t>(d)]; }

std::string_view DifficultyLabel(int difficulty) {
    static constexpr std::array<std::string_view, 12> kLabels = {
        "易しい", "易しい", "普通", "普通", "やや難しい", "難しい", "とても難しい",
        "かなり難しい", "かなりかなり難しい", "ゲキムズ", "ゴクムズ", "異常"};
    if (difficulty < 0) return kLabels[0];
    if (difficulty >= static_cast<int>(kLabels.size())) return "暗黒";
    return kLabels[static_cast<size_t>(difficulty)];
}

void BuildMainMenu(Game& g) {
    const PlayerState& p = g.player;
    Item(g, kMainDungeon, 1, "ダンジョンに入る", 10);
    Item(g, kMainDungeonEdit, 1, "ダンジョンカード編集", 1);
    Item(g, kMainBattleEdit, 1, "バトルカード編集", 2);
    if (p.unlockFlags[kFlagShop] >= 1) Item(g, kMainShop, 1, "ＳＨＯＰ", 3);
    if (p.unlockFlags[kFlagSynthesis] >= 1) Item(g, kMainSynthesis, 1, "カード合成", 4);
    if (p.unlockFlags[kFlagAltar] >= 1) Item(g, kMainAltar, 1, "祭壇", 17);

    // At most one story entry, and none while slot tickets wait or once this run has had
    // its slot or its page.
    const bool eventsHidden = p.slotRights >= 1 || p.runFlags[kRunSlotPlayed] != 0 || p.runFlags[kRunEventVisited] != 0;
    if (!eventsHidden) {
        const int story = p.storyPagesRead;
        const int call = p.unlockFlags[kFlagCallProgress];
        const int dark = p.unlockFlags[kFlagDarknessProgress];
        if (story < p.level / 2 && story <= 8) {
            Item(g, kMainSatori, 1, "～悟り～", 12).param2 = story;
            g.menus.items[kMainSatori].emphasis = 1;
        } else if (call >= 0 && call < static_cast<int>(kCallDeaths.size()) &&
                   p.deathCount > kCallDeaths[static_cast<size_t>(call)]) {
            Item(g, kMainCall, 1, "～呼び声～", 14).param2 = 100 + call;
            g.menus.items[kMainCall].emphasis = 1;
        } else if (dark >= 0 && dark < static_cast<int>(kDarknessDungeon.size()) &&
                   Clears(g, kDarknessDungeon[static_cast<size_t>(dark)]) > 0) {
            Item(g, kMainDarkness, 1, "～闇への誘い～", 15).param2 = 200 + dark;
            g.menus.items[kMainDarkness].emphasis = 1;
        }
    }

    if (p.slotRights >= 1) {
        tmenu& slot = Item(g, kMainSlot, 1, "蒼燐スロット", 13);
        slot.description1.assign("何がでるかはお楽しみ");
        SetCount(slot.description2, "スロット権 ", p.slotRights);
    }
    if (p.spSlotRights >= 1) {
        tmenu& slot = Item(g, kMainSpSlot, 1, "Special蒼燐スロット", 18);
        slot.description1.assign("何がでるかはお楽しみ");
        SetCount(slot.description2, "SPスロット権 ", p.spSlotRights);
    }
    bool anyOrbs = false;
    for (int32_t orbs : p.battleOrbs) anyOrbs = anyOrbs || orbs >= 1;
    if (g.dungeon.number < 1 && anyOrbs) Item(g, kMainOrbs, 1, "戦いの宝珠", 16).description1.assign("たいへん難しい挑戦");
    Item(g, kMainSubMenu, 1, "サブメニュー", 8, true);
}

void BuildSmallScreens(Game& g) {
    Item(g, kQuitFirst, 2, "はい", 1);
    Item(g, kQuitFirst + 1, 2, "いいえ", 2, true);

    Item(g, kOptionFirst, 3, "SOUND", 1);
    Item(g, kOptionFirst + 1, 3, "戻る", 2, true);
    Item(g, kOptionFirst + 2, 3, "絵", 3);
    Item(g, kOptionFirst + 3, 3, "公式サイト(ﾌﾞﾗｳｻﾞ)", 4);
    Item(g, kOptionFirst + 4, 3, "攻略Wiki(ﾌﾞﾗｳｻﾞ)", 5);

    Item(g, kSoundFirst, 4, "音量を下げる", 1);
    Item(g, kSoundFirst + 1, 4, "音量を上げる", 2);
    Item(g, kSoundFirst + 2, 4, "戻る", 3, true);

    Item(g, kTitleFirst, 5, "オープニング", 1);
    Item(g, kTitleFirst + 1, 5, "スタート", 2);

    Item(g, kCardActionFirst, 7, "<■←>ブック投入", 1);
    Item(g, kCardActionFirst + 1, 7, "<■→>ブック離脱", 2);
    Item(g, kCardActionFirst + 2, 7, "このカードを全て投入", 3);
    Item(g, kCardActionFirst + 3, 7, "このカードを全て離脱", 4);
    Item(g, kCardActionFirst + 4, 7, "キャンセル", 9, true);

    Item(g, kHandMenuItem, 9, "MENU", 9, true);

    const int discard = g.menus.discardCard;
    if (discard > 0 && CardDatabase::ValidId(discard) && g.cards[discard].Exists()) {
        const std::string caption = "【" + g.cards[discard].name + "】を捨てる";
        Item(g, kWalkMenuFirst, 10, caption, 1).card = discard;
        Item(g, kFightMenuFirst, 11, caption, 1).card = discard;
    }
    Item(g, kWalkMenuFirst + 1, 10, "リタイア", 2);
    Item(g, kWalkMenuFirst + 2, 10, "戻る", 3, true);
    Item(g, kFightMenuFirst + 1, 11, "リタイア(GAME OVER)", 2);
    Item(g, kFightMenuFirst + 2, 11, "戻る", 3, true);

    Item(g, kTargetBack, 12, "戻る", 2, true);
    if (g.menus.bossCleared)
        Item(g, kFightEndItem, 13, "ダンジョン踏破", 2);
    else
        Item(g, kFightEndItem, 13, "戦闘終了", 1);
    Item(g, kReturnItem, 14, "帰還", 1);
    Item(g, kShopBack, 15, "戻る", 1, true);
    Item(g, kSynthesisBack, 16, "戻る", 1, true);
    Item(g, kScoreFirst, 17, "スコア送信", 1);
    if (g.menus.scoreSendFailed) Item(g, kScoreFirst + 1, 17, "送信せずに終了", 2);
    Item(g, kScoreSentItem, 18, "OK", 1);
    Item(g, kEscapeItem, 20, "脱出", 1);

    Item(g, kSubMenuFirst, 22, "OPTION", 1);
    Item(g, kSubMenuFirst + 1, 22, "RANKING", 2);
    Item(g, kSubMenuFirst + 2, 22, "カード図鑑", 3);
    Item(g, kSubMenuFirst + 3, 22, "メインメニューへ", kListBack, true);

    Item(g, kAltarBack, 23, "戻る", 1, true);
    Item(g, kPictureFirst, 24, "カード絵有り", 1);
    Item(g, kPictureFirst + 1, 24, "カード絵無し", 2);
    Item(g, kPictureFirst + 2, 24, "戻る", 3, true);
    Item(g, kExportFirst, 25, "6大ｽﾃｰﾀｽのみ", 1).param = 0;
    Item(g, kExportFirst + 1, 25, "属性順", 1).param = 1;
    Item(g, kExportFirst + 2, 25, "戻る", kListBack, true);
    Item(g, kCatalogueBack, 27, "戻る", kListBack, true);
}

void BuildBookEdit(Game& g) {
    if (g.player.level >= 5) Item(g, kEditPresets, 6, "＞ブック管理", 3);
    Item(g, kEditEnd, 6, "編集終了", 2);
    if (g.player.unlockFlags[kFlagBookSorting] < 1) return;
    // Positions 2, 3 (dungeon book) and 8, 7 (battle book) hold the <Ability> and
    // recently-obtained filters, whose indices are 10 and 11.
    struct Filter {
        std::string_view caption;
        int index;
    };
    static constexpr std::array<Filter, 10> kDungeonFilters = {{{"全表示", 0}, {"6大ｽﾃｰﾀｽ", 1}, {"Ability", 10},
        {"最近入手", 11}, {"魔法", 4}, {"属性順", 5}, {"回復系", 6}, {"移動系", 7}, {"探索系", 8}, {"スロット系", 9}}};
    static constexpr std::array<Filter, 10> kBattleFilters = {{{"全表示", 0}, {"6大ｽﾃｰﾀｽ", 1}, {"近接物理", 2},
        {"遠隔物理", 3}, {"魔法", 4}, {"属性順", 5}, {"回復系", 6}, {"最近入手", 11}, {"Ability", 10}, {"スロット系", 9}}};
    const auto& filters = g.screen.editBookKind == 2 ? kBattleFilters : kDungeonFilters;
    for (int i = 0; i < static_cast<int>(filters.size()); ++i) {
        const Filter& f = filters[static_cast<size_t>(i)];
        Item(g, kEditFilterFirst + i, 6, f.caption, 10 + f.index).param = i;
    }
}

void BuildDungeonLists(Game& g) {
    const PlayerState& p = g.player;
    bool more = false;
    for (int k = 0; k < kListItems; ++k) {
        const int d = ListDungeon(g, k);
        if (!Defined(g, d)) continue;
        const DungeonRecord& dungeon = g.dungeon.table[static_cast<size_t>(d)];
        const size_t di = static_cast<size_t>(d);

        const int required = dungeon.requiredDungeon;
        if (required == 0 || (required >= 1 && required <= kMaxDungeon && Clears(g, required) >= 1)) {
            tmenu& entry = Item(g, kDungeonListFirst + k, 8, dungeon.name, d);
            entry.param = d;
            entry.description1.assign("難易度 ");
            AppendInt(entry.description1, dungeon.difficulty);
            entry.description1 += ' ';
            entry.description1.append(DifficultyLabel(dungeon.difficulty));
            if (p.dungeonClears[di] > 0) SetCount(entry.description2, "踏破 ", p.dungeonClears[di]);
            if (p.exCounts[di] > 0) {
                entry.description2 += " EX ";
                AppendInt(entry.description2, p.exCounts[di]);
            }
            if (p.treasureCounts[di] > 0) {
                entry.description2 += " 秘宝 ";
                AppendInt(entry.description2, p.treasureCounts[di]);
            }
            if (p.highScores[di] > 0) SetCount(entry.rightText, "Hi: ", p.highScores[di], "点");
        }

        const bool open = Clears(g, d) >= 1 || d == 1;
        if (open) {
            Item(g, kRankingListFirst + k, 19, "IR." + dungeon.name, d).param = d;
            Item(g, kCatalogueListFirst + k, 26, dungeon.name + "図鑑", d).param = d;
        }
        if (d <= kDefinedDungeonLimit) {
            if (p.battleOrbs[di] >= 1) {
                tmenu& orb = Item(g, kOrbListFirst + k, 21, dungeon.name + "の宝珠戦", d);
                SetCount(orb.description1, "宝珠所持 ", p.battleOrbs[di], "個");
                SetCount(orb.description2, "勝利 ", p.orbWins[di]);
                orb.param = d;
            } else {
                tmenu& orb = Item(g, kOrbListFirst + k, 21, "--------", d);
                orb.disabled = 1;
                orb.param = d;
            }
        }
    }
    for (int d = ListDungeon(g, kListItems); d <= kMaxDungeon; ++d) more = more || Defined(g, d);

    for (int screen : {8, 19, 21, 26}) {
        const int first = ListFirstItem(screen);
        if (g.menus.listPage > 0) Item(g, first + kListItems, screen, "　←前　", kListPrevious);
        if (more) Item(g, first + kListItems + 1, screen, "　次→　", kListNext);
        Item(g, first + kListItems + 2, screen, "戻る", kListBack, true);
    }
}

}  // namespace

bool IsListScreen(int screen) { return screen == 8 || screen == 19 || screen == 21 || screen == 26; }

int ListDungeon(const Game& g, int k) { return kListPageStride * g.menus.listPage + k + 1; }

int ListFirstItem(int screen) {
    switch (screen) {
    case 8: return kDungeonListFirst;
    case 19: return kRankingListFirst;
    case 21: return kOrbListFirst;
    case 26: return kCatalogueListFirst;
    default: return -1;
    }
}

void BuildMenuItems(Game& g) {
    for (tmenu& item : g.menus.items) ClearContent(item);
    BuildMainMenu(g);
    BuildSmallScreens(g);
    BuildBookEdit(g);
    BuildDungeonLists(g);
}

}  // namespace kestrilon
