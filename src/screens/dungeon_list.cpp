// The four dungeon lists (dungeon choice, ranking boards, orb fights, card catalogue) and
// the catalogue of one dungeon. Every list page holds 30 entries and the page buttons.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "dungeon/walk.h"
#include "menu/menu.h"
#include "render/message_log.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kOrbDungeonLimit = 30;
// The per-dungeon tables of the player hold dungeons 0 .. 99.
constexpr int kMaxDungeon = kDungeonSlots - 1;

bool Defined(const Game& g, int d) {
    return d >= 1 && d <= kMaxDungeon && !g.dungeon.table[static_cast<size_t>(d)].name.empty();
}

int Clears(const Game& g, int d) { return g.player.dungeonClears[static_cast<size_t>(d)]; }

// Dungeon shown by entry k of the current list page.
int ListDungeon(const Game& g, int k) { return kListPageStride * g.menus.listPage + k + 1; }

// Dungeons beyond the current page: the next-page button is offered.
bool MoreDungeons(const Game& g) {
    for (int d = ListDungeon(g, kListItems); d <= kMaxDungeon; ++d)
        if (Defined(g, d)) return true;
    return false;
}

// Ranking boards and catalogues are open for cleared dungeons and for the first one.
bool Visited(const Game& g, int d) { return Clears(g, d) >= 1 || d == 1; }

std::string_view DifficultyLabel(int difficulty) {
    static constexpr std::array<std::string_view, 12> kLabels = {
        "易しい", "易しい", "普通", "普通", "やや難しい", "難しい", "とても難しい",
        "かなり難しい", "かなりかなり難しい", "ゲキムズ", "ゴクムズ", "異常"};
    if (difficulty < 0) return kLabels[0];
    if (difficulty >= static_cast<int>(kLabels.size())) return "暗黒";
    return kLabels[static_cast<size_t>(difficulty)];
}

// The previous, next and back buttons after a list's 30 entries.
void PageButtons(Game& g, int first, Screen screen) {
    if (g.menus.listPage > 0) SetItem(g, first + kListItems, screen, "　←前　", ListAction::Previous);
    if (MoreDungeons(g)) SetItem(g, first + kListItems + 1, screen, "　次→　", ListAction::Next);
    SetItem(g, first + kListItems + 2, screen, "戻る", ListAction::Back, true);
}

void DungeonEntry(Game& g, int k, int d) {
    const PlayerState& p = g.player;
    const DungeonRecord& dungeon = g.dungeon.table[static_cast<size_t>(d)];
    const size_t di = static_cast<size_t>(d);
    tmenu& entry = SetItem(g, kDungeonListFirst + k, Screen::DungeonList, dungeon.name, d);
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

// The page buttons of every list; false when the action is none of them.
bool RunPageAction(Game& g, Screen screen, int32_t action) {
    MenuTable& m = g.menus;
    const ListAction a = static_cast<ListAction>(action);
    if (a == ListAction::Previous || a == ListAction::Next) {
        m.listPage = std::max(0, m.listPage + (a == ListAction::Next ? 1 : -1));
        OpenScreen(g, screen);
        return true;
    }
    if (a != ListAction::Back) return false;
    m.listPage = 0;
    if (screen == Screen::DungeonList) g.dungeon.number = 0;
    const bool fromMain = screen == Screen::DungeonList || screen == Screen::OrbList;
    OpenScreen(g, fromMain ? Screen::MainMenu : Screen::SubMenu);
    return true;
}

}  // namespace

void BuildDungeonList(Game& g) {
    for (int k = 0; k < kListItems; ++k) {
        const int d = ListDungeon(g, k);
        if (!Defined(g, d)) continue;
        const int required = g.dungeon.table[static_cast<size_t>(d)].requiredDungeon;
        if (required == 0 || (required >= 1 && required <= kMaxDungeon && Clears(g, required) >= 1)) DungeonEntry(g, k, d);
    }
    PageButtons(g, kDungeonListFirst, Screen::DungeonList);
}

void BuildRankingList(Game& g) {
    for (int k = 0; k < kListItems; ++k) {
        const int d = ListDungeon(g, k);
        if (Defined(g, d) && Visited(g, d))
            SetItem(g, kRankingListFirst + k, Screen::RankingList, "IR." + g.dungeon.table[static_cast<size_t>(d)].name, d)
                .param = d;
    }
    PageButtons(g, kRankingListFirst, Screen::RankingList);
}

void BuildOrbList(Game& g) {
    const PlayerState& p = g.player;
    for (int k = 0; k < kListItems; ++k) {
        const int d = ListDungeon(g, k);
        if (!Defined(g, d) || d > kOrbDungeonLimit) continue;
        const size_t di = static_cast<size_t>(d);
        if (p.battleOrbs[di] >= 1) {
            tmenu& orb = SetItem(g, kOrbListFirst + k, Screen::OrbList, g.dungeon.table[di].name + "の宝珠戦", d);
            SetCount(orb.description1, "宝珠所持 ", p.battleOrbs[di], "個");
            SetCount(orb.description2, "勝利 ", p.orbWins[di]);
            orb.param = d;
        } else {
            tmenu& orb = SetItem(g, kOrbListFirst + k, Screen::OrbList, "--------", d);
            orb.disabled = 1;
            orb.param = d;
        }
    }
    PageButtons(g, kOrbListFirst, Screen::OrbList);
}

void BuildCatalogueList(Game& g) {
    for (int k = 0; k < kListItems; ++k) {
        const int d = ListDungeon(g, k);
        if (Defined(g, d) && Visited(g, d))
            SetItem(g, kCatalogueListFirst + k, Screen::CatalogueList, g.dungeon.table[static_cast<size_t>(d)].name + "図鑑", d)
                .param = d;
    }
    PageButtons(g, kCatalogueListFirst, Screen::CatalogueList);
}

AfterAction RunDungeonList(Game& g, const tmenu& item) {
    const Screen screen = ScreenFromCode(item.screen);
    if (IsDungeonEntry(item.action) && Defined(g, item.param)) {
        if (screen == Screen::DungeonList) {
            EnterDungeon(g, item.param);
            return AfterAction::Rebuild;
        }
        if (screen == Screen::OrbList) {
            EnterOrbFight(g, item.param);
            return AfterAction::Rebuild;
        }
    }
    return RunPageAction(g, ScreenFromCode(item.screen), item.action) ? AfterAction::Keep : AfterAction::Rebuild;
}

AfterAction RunCatalogueList(Game& g, const tmenu& item) {
    if (IsDungeonEntry(item.action)) {
        g.menus.catalogueDungeon = item.param;
        Log(g, g.dungeon.table[static_cast<size_t>(item.param)].name + "のカード取得状況です");
        OpenScreen(g, Screen::Catalogue);
        return AfterAction::Keep;
    }
    return RunDungeonList(g, item);
}

void BuildCatalogue(Game& g) { SetItem(g, kCatalogueBack, Screen::Catalogue, "戻る", CatalogueAction::Back, true); }

AfterAction RunCatalogue(Game& g, const tmenu&) {
    OpenScreen(g, Screen::CatalogueList);
    return AfterAction::Keep;
}

}  // namespace kestrilon
