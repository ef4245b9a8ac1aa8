#include "menu/placement.h"

#include <algorithm>
#include <array>

#include "menu/screen_table.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr int kOrbDungeons = 30;  // the orb fights cover dungeons 1 .. 30

// Difficulty of the dungeon an entry of a list screen stands for.
int EntryDifficulty(const Game& g, const tmenu& item) {
    const int d = item.param;
    if (d < 1 || d >= static_cast<int>(g.dungeon.table.size())) return 0;
    return g.dungeon.table[static_cast<size_t>(d)].difficulty;
}

// How far a long list moves its grid up: 100 for each threshold passed, 97 for the last.
int ListLift(int entries, int t1, int t2, int t3, int t4) {
    int lift = 0;
    if (entries > t1) lift += 100;
    if (entries > t2) lift += 100;
    if (entries > t3) lift += 100;
    if (entries > t4) lift += 97;
    return lift;
}

// Dungeons by difficulty, then the page buttons, the way back last.
void SortList(const Game& g, std::array<int, kMenuItems>& order, int count) {
    const auto& items = g.menus.items;
    auto rank = [&](int i) {
        const int32_t a = items[static_cast<size_t>(i)].action;
        if (a == ActionCode(ListAction::Back)) return 2;
        return a == ActionCode(ListAction::Previous) || a == ActionCode(ListAction::Next) ? 1 : 0;
    };
    std::stable_sort(order.begin(), order.begin() + count, [&](int a, int b) {
        const int ra = rank(a), rb = rank(b);
        if (ra != rb) return ra < rb;
        if (ra != 0) return false;
        return EntryDifficulty(g, items[static_cast<size_t>(a)]) < EntryDifficulty(g, items[static_cast<size_t>(b)]);
    });
}

int DefinedOrbDungeons(const Game& g) {
    int defined = 0;
    for (int d = 1; d <= kOrbDungeons; ++d) defined += g.dungeon.table[static_cast<size_t>(d)].name.empty() ? 0 : 1;
    return defined;
}

}  // namespace

void PlaceItems(Game& g, Screen screen) {
    MenuTable& m = g.menus;
    const Placement how = ScreenEntryOf(screen).placement;
    const int32_t code = ScreenCode(screen);
    std::array<int, kMenuItems> order{};
    int count = 0;
    for (int i = 0; i < kMenuItems; ++i) {
        const tmenu& item = m.items[static_cast<size_t>(i)];
        if (item.screen == code && !item.caption.empty()) order[static_cast<size_t>(count++)] = i;
    }

    // Every button of a list counts, the page buttons and the way back too, so the grid
    // keeps its last row on the surface; the log column above it moves with it.
    const bool list = how == Placement::DungeonList || how == Placement::OrbList;
    if (list) SortList(g, order, count);
    g.screen.listEntries = list ? count : 0;
    int lift = 0;
    if (how == Placement::DungeonList) lift = ListLift(count, 8, 12, 16, 20);
    if (how == Placement::OrbList) lift = ListLift(DefinedOrbDungeons(g), 6, 10, 14, 18);
    const int drop = how == Placement::Lowered || how == Placement::BookEdit ? 100 : 0;

    m.placedCount = count;
    m.cancelItem = -1;
    for (int k = 0; k < count; ++k) {
        tmenu& item = m.items[static_cast<size_t>(order[static_cast<size_t>(k)])];
        item.x = (k % 4) * 200;
        item.y = (k / 4) * 99 + 400 - lift + drop;
        item.width = 200;
        item.height = 100;
        if (how == Placement::BookEdit && IsFilterAction(item.action)) {
            const int position = item.param;
            item.width = 80;
            item.height = 30;
            item.x = (position % 5) * 80;
            item.y = (position / 5) * 30 + 425;
        }
        item.slideX = how == Placement::Hand ? item.x + 100 : item.x - 100;
        item.slideY = item.y;
        item.curX = item.slideX;
        item.curY = item.slideY;
        item.visible = 1;
        if (item.cancel == 1) m.cancelItem = order[static_cast<size_t>(k)];
    }
}

}  // namespace kestrilon
