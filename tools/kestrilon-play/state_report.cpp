#include "state_report.h"

#include <array>
#include <string>
#include <string_view>

#include "app/click_item.h"
#include "books/books.h"
#include "data/capacity.h"
#include "data/stats.h"
#include "state/game.h"

namespace kestrilon::play {
namespace {

// Names of the menu scenes, by number.
constexpr std::array<std::string_view, 28> kSceneNames = {
    "none",           "main menu",        "quit question",     "option menu",     "sound volume",
    "title menu",     "book editing",     "card action",       "dungeon choice",  "dungeon walk",
    "walk menu",      "battle menu",      "target choice",     "battle won",      "game over",
    "shop",           "synthesis",        "dungeon cleared",   "score sent",      "ranking board",
    "dungeon escape", "battle orbs",      "sub menu",          "altar",           "card pictures",
    "catalogue order", "card catalogue",  "dungeon catalogue"};

std::string ScreenName(const Game& g) {
    if (g.frame.TitleState == TitleCode(TitleState::Splash)) return "splash";
    if (g.frame.TitleState == TitleCode(TitleState::Picture)) return "title picture";
    if (g.screen.nameBoxOpen) return "name entry";
    const int scene = g.screen.GameScene;
    if (scene >= 0 && scene < static_cast<int>(kSceneNames.size())) return std::string(kSceneNames[static_cast<size_t>(scene)]);
    return "unknown";
}

std::string Of(int value) { return std::to_string(value); }
std::string OutOf(int value, int most) { return Of(value) + "/" + Of(most); }

std::string DungeonOf(const Game& g) {
    const int d = g.dungeon.number;
    if (d < 1 || d >= static_cast<int>(g.dungeon.table.size())) return Of(d);
    return Of(d) + " " + g.dungeon.table[static_cast<size_t>(d)].name;
}

std::string CancelOf(const Game& g) {
    const int cancel = g.menus.cancelItem;
    if (cancel < 0 || g.screen.GameScene == 0) return "";
    return g.menus.items[static_cast<size_t>(cancel)].caption;
}

// One value per line; a new value is one more row.
struct Field {
    std::string_view name;
    std::string (*value)(const Game&);
};

const Field kFields[] = {
    {"screen", ScreenName},
    {"scene", [](const Game& g) { return Of(g.screen.GameScene); }},
    {"frameTick", [](const Game& g) { return Of(g.frame.FrameTick); }},
    {"interval", [](const Game& g) { return Of(g.frame.timerInterval); }},
    {"name", [](const Game& g) { return g.player.playerName; }},
    {"level", [](const Game& g) { return Of(g.player.level); }},
    {"money", [](const Game& g) { return Of(g.player.money); }},
    {"ark", [](const Game& g) { return Of(g.player.ark); }},
    {"hp", [](const Game& g) { return OutOf(g.player.hp, MaxHp(g)); }},
    {"mp", [](const Game& g) { return OutOf(g.player.mp, MaxMp(g)); }},
    {"tp", [](const Game& g) { return Of(g.player.tp); }},
    {"hunger", [](const Game& g) { return Of(g.player.hunger); }},
    {"dungeonBook", [](const Game& g) { return OutOf(BookCardCount(g, Book::Dungeon), BookCapacity(g)); }},
    {"battleBook", [](const Game& g) { return OutOf(BookCardCount(g, Book::Battle), BookCapacity(g)); }},
    {"volume", [](const Game& g) { return Of(g.player.soundVolume); }},
    {"dungeon", DungeonOf},
    {"inDungeon", [](const Game& g) { return Of(g.dungeon.entered); }},
    {"distance", [](const Game& g) { return Of(g.player.distanceWalked); }},
    {"event", [](const Game& g) { return Of(static_cast<int>(g.dungeon.event)); }},
    {"goldNuggets", [](const Game& g) { return Of(g.player.goldNuggets); }},
    {"score", [](const Game& g) { return Of(g.player.score); }},
    {"deaths", [](const Game& g) { return Of(g.player.deathCount); }},
    {"fightActive", [](const Game& g) { return Of(g.battle.fightActive); }},
    {"battleOn", [](const Game& g) { return Of(g.battle.battleOn); }},
    {"bossBattle", [](const Game& g) { return Of(g.battle.bossBattle); }},
    {"scriptWaiting", [](const Game& g) { return Of(g.script.Running() ? 1 : 0); }},
    {"cancel", CancelOf},
};

void PrintCombatants(const Game& g, std::ostream& out) {
    for (int row = 1; row < kCombatantRows; ++row) {
        const tenemy& e = g.combatants[row];
        if (e.name.empty()) continue;  // a free slot
        out << "enemy." << row << '=' << e.name << " hp=" << OutOf(e.hp, e.maxHp) << '\n';
    }
}

void PrintButtons(const Game& g, std::ostream& out) {
    for (const ScreenItem& b : ItemsOnScreen(g)) {
        out << "item=" << b.rect.left << ',' << b.rect.top << ',' << b.rect.right << ',' << b.rect.bottom << ' '
            << (b.enabled ? "enabled" : "disabled") << ' ' << b.caption << '\n';
    }
}

// The open card list: its page, sums and rows, each row's card with its book and owned counts.
void PrintCardList(const Game& g, std::ostream& out) {
    const ChoiceList& list = g.menus.choices;
    if (list.kind == 0) return;
    out << "list=" << list.kind << " page=" << list.page << " listed=" << list.listed << " owned=" << list.ownedSum
        << " book=" << list.bookSum << " selected=" << list.selected << '\n';
    for (int r = 0; r < list.rows; ++r) {
        const int id = list.cards[static_cast<size_t>(r)];
        out << "row=" << id << ' ' << g.cards[id].name << ' ' << g.player.BookContents[static_cast<size_t>(id)] << '/'
            << g.player.CardCollection[static_cast<size_t>(id)] << '\n';
    }
}

// The ranking board when it is shown: the status, the selected row and each filled record
// (name, score, level; the date column follows the wall clock and is left out).
void PrintBoard(const Game& g, std::ostream& out) {
    const RankingState& r = g.rank;
    if (!r.boxVisible) return;
    out << "board=" << r.status << " selected=" << r.selectedRow << '\n';
    for (int row = 0; row < kRankRows; ++row) {
        const trank& record = r.records[static_cast<size_t>(row)];
        if (record.name.empty()) continue;
        out << "rank=" << row << ' ' << record.name << ' ' << record.score << " Lv" << record.level << '\n';
    }
}

}  // namespace

void PrintState(const Game& g, std::ostream& out) {
    for (const Field& field : kFields) out << field.name << '=' << field.value(g) << '\n';
    PrintCombatants(g, out);
    PrintButtons(g, out);
    PrintCardList(g, out);
    PrintBoard(g, out);
}

}  // namespace kestrilon::play
