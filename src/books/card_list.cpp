#include "books/card_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "data/card_database.h"
#include "menu/menu.h"
#include "menu/screen_table.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr std::array<std::string_view, 6> kRecoveryWords = {"回復", "置換", "HP+", "MP+", "TP+", "解除"};
constexpr std::array<std::string_view, 3> kMovementWords = {"km", "Km", "脱出"};
// Dungeon effects that serve the events of a walk: chests, ciphers, camps, traps, trees,
// exchange places, strata and gates.
constexpr std::array<int32_t, 14> kSearchEffects = {5, 8, 9, 10, 11, 13, 14, 15, 16, 18, 24, 25, 26, 40};

bool HasAny(std::string_view text, std::span<const std::string_view> words) {
    for (std::string_view w : words)
        if (text.find(w) != std::string_view::npos) return true;
    return false;
}

bool Within(Rect r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

bool IsBookList(ListKind kind) { return kind == ListKind::DungeonBook || kind == ListKind::BattleBook; }

int Owned(const Game& g, int id) { return g.player.CardCollection[static_cast<size_t>(id)]; }

bool DungeonOpen(const Game& g, int id) {
    const int d = CardTermsOf(id).requiredDungeon;
    if (d <= 0) return true;
    return d < kDungeonSlots && g.player.dungeonClears[static_cast<size_t>(d)] >= 1;
}

// Filters that list their cards in groups run once per group; the rest run once.
int PassesOf(int filter) {
    switch (filter) {
    case 1: return 6;
    case 3: return 2;
    case 5: return 11;
    default: return 1;
    }
}

int32_t MainStat(const titem& c, int pass) {
    switch (pass) {
    case 0: return c.mnd;
    case 1: return c.str;
    case 2: return c.int_;
    case 3: return c.vit;
    case 4: return c.dex;
    default: return c.agi;
    }
}

bool PassesFilter(const Game& g, const titem& c, int id, int filter, int pass) {
    const bool physical = c.action >= 100 && c.action <= 199;
    switch (filter) {
    case 0: return true;
    case 1: return MainStat(c, pass) > 0;
    case 2: return physical && c.isRanged < 1;
    case 3: return pass == 0 ? physical && c.isRanged >= 1 : c.isGun >= 1 || c.isBow >= 1;
    case 4: return c.action >= 200 && c.action <= 299;
    case 5: return c.element == (pass < 10 ? pass + 1 : 0);
    case 6: return c.action == 13 || HasAny(c.text, kRecoveryWords);
    case 7: return c.action == 30 || c.action == 3 || HasAny(c.text, kMovementWords);
    case 8:
        for (int32_t e : kSearchEffects)
            if (c.action == e) return true;
        return c.text.find("出現率") != std::string::npos || c.name.find("鍵") != std::string::npos ||
               c.text.find("鍵") != std::string::npos;
    case 9: return c.isSeries >= 1;
    case kFilterAbility: return c.isAbility >= 1;
    case kFilterRecent: return g.player.recentlyObtained[static_cast<size_t>(id)] > 0;
    default: return false;
    }
}

bool PassesKind(const Game& g, ListKind kind, int id) {
    const titem& c = g.cards[id];
    if (!c.Exists()) return false;
    const PlayerState& p = g.player;
    const int owned = Owned(g, id);
    switch (kind) {
    case ListKind::DungeonBook:
    case ListKind::BattleBook: return c.kind == static_cast<int32_t>(kind) && owned >= 1;
    case ListKind::Shop: {
        const int64_t reach = static_cast<int64_t>(p.money) * 11 / 10 + 9;
        return (c.kind == 1 || c.kind == 2) && c.price > 0 && c.material == 0 && reach >= c.price &&
               (id == 2 || owned < c.maxCopies) && p.level >= CardTermsOf(id).requiredLevel && DungeonOpen(g, id);
    }
    case ListKind::Synthesis:
        return c.material > 0 && CardDatabase::ValidId(c.material) && Owned(g, c.material) >= 1 &&
               static_cast<int64_t>(c.price) < 2 * static_cast<int64_t>(p.money) && owned < c.maxCopies &&
               DungeonOpen(g, id);
    case ListKind::Altar:
        return owned >= 1 && static_cast<int64_t>(c.arkCost) < 2 * static_cast<int64_t>(p.ark) && c.nextLevel > 0 &&
               p.CardLevel[static_cast<size_t>(id)] < c.nextLevel && DungeonOpen(g, id);
    }
    return false;
}

bool PassesPass(const Game& g, ListKind kind, int filter, int pass, int id) {
    if (!PassesKind(g, kind, id)) return false;
    return !IsBookList(kind) || PassesFilter(g, g.cards[id], id, filter, pass);
}

void Collect(Game& g) {
    ChoiceList& list = g.menus.choices;
    const auto kind = static_cast<ListKind>(list.kind);
    const int filter = IsBookList(kind) ? list.filter : 0;
    list.cards.fill(0);
    list.rows = 0;
    const int first = list.page * kChoiceRows;
    int n = 0;
    for (int pass = 0; pass < (IsBookList(kind) ? PassesOf(filter) : 1); ++pass) {
        for (int id = 0; id < kCardIds; ++id) {
            if (!PassesPass(g, kind, filter, pass, id)) continue;
            ++n;
            if (n > first && n <= first + kChoiceRows) list.cards[static_cast<size_t>(list.rows++)] = id;
        }
    }
    list.listed = n;
    list.nextPage = n > first + kChoiceRows;
    list.ownedSum = list.bookSum = 0;
    if (!IsBookList(kind)) return;
    // A card listed in several groups counts once.
    for (int id = 0; id < kCardIds; ++id) {
        if (!CardPassesList(g, kind, filter, id)) continue;
        list.ownedSum += Owned(g, id);
        list.bookSum += std::max(g.player.BookContents[static_cast<size_t>(id)], 0);
    }
}

}  // namespace

bool CardPassesList(const Game& g, ListKind kind, int filter, int id) {
    if (!CardDatabase::ValidId(id)) return false;
    const int passes = IsBookList(kind) ? PassesOf(filter) : 1;
    for (int pass = 0; pass < passes; ++pass)
        if (PassesPass(g, kind, filter, pass, id)) return true;
    return false;
}

void BuildCardList(Game& g, ListKind kind) {
    PlayEffect(g, "1.wav");
    g.menus.choices.kind = static_cast<int32_t>(kind);
    Collect(g);
    if (g.menus.choices.listed == 0) LogColour(g, "＞....このリストにはまだ何もない", "gray");
}

void RefreshCardList(Game& g) {
    if (g.menus.choices.kind != 0) Collect(g);
}

int CardListRowAt(const Game& g, int x, int y) {
    const ChoiceList& list = g.menus.choices;
    if (list.kind == 0 || x < kListLeft || x >= kScreenWidth || y < kListTop) return 0;
    const int row = (y - kListTop) / kListRowHeight;
    return row < list.rows ? list.cards[static_cast<size_t>(row)] : 0;
}

Rect PreviousArrowRect(const Game& g) {
    if (g.menus.choices.kind == 0 || g.menus.choices.page <= 0) return {};
    return {kPreviousArrowX, kListArrowY, kPreviousArrowX + 70, kListArrowY + kListRowHeight};
}

Rect NextArrowRect(const Game& g) {
    if (g.menus.choices.kind == 0 || !g.menus.choices.nextPage) return {};
    return {kNextArrowX, kListArrowY, kNextArrowX + 70, kListArrowY + kListRowHeight};
}

void CardListClick(Game& g) {
    ChoiceList& list = g.menus.choices;
    if (list.kind == 0) return;
    const int x = g.input.ClickX;
    const int y = g.input.ClickY;
    const auto kind = static_cast<ListKind>(list.kind);
    if (Within(PreviousArrowRect(g), x, y)) {
        --list.page;
        BuildCardList(g, kind);
        return;
    }
    if (Within(NextArrowRect(g), x, y)) {
        ++list.page;
        BuildCardList(g, kind);
        return;
    }
    const int card = CardListRowAt(g, x, y);
    if (card <= 0) return;
    const ScreenEntry& entry = ScreenEntryOf(g.screen.Current());
    if (entry.listClick && entry.listClick(g, card) == AfterAction::Rebuild) RebuildMenus(g);
}

void LowerRecentCounters(Game& g) {
    for (int32_t& n : g.player.recentlyObtained)
        if (n > 0) --n;
}

Colour RarityColour(const titem& c) {
    if (c.isLure >= 1) return 0xCC6666;
    if (c.isCalling >= 1) return 0x0000CC;
    if (c.isPaid >= 1) return 0xCC00CC;
    if (c.isSecret >= 1) return 0x00CCCC;
    if (c.isTreasure >= 1) return 0x66CC00;
    if (c.isRare >= 1) return 0xCCCCCC;
    if (c.isUltraRare >= 1) return 0xCC9900;
    if (c.material > 0) return 0x0066CC;
    if (c.price > 0) return 0x99AAAA;
    return 0x999999;
}

}  // namespace kestrilon
