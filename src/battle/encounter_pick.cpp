#include "battle/encounter_pick.h"

#include <algorithm>

#include "battle/enemy_table.h"
#include "data/book_holds.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr int kMaxDraws = 100000;
constexpr int kLateDraws = 99900;  // an accepted draw after this many misses still falls back
constexpr int kFallbackTemplate = 1;
constexpr int kMaxEnemies = 7;

int CurrentDungeonLevel(const Game& g) {
    const int dungeon = g.dungeon.number;
    if (dungeon < 0 || dungeon >= static_cast<int>(g.dungeon.table.size())) return 0;
    return g.dungeon.table[static_cast<size_t>(dungeon)].difficulty;
}

int DrawTemplate(Game& g, int dungeon) {
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        const int id = g.Roll(kEnemyTemplates);
        const EnemyTemplate& enemy = g.enemies[id];
        if (enemy.Exists() && enemy.noRandom == 0 && LivesIn(enemy, dungeon)) {
            return draw >= kLateDraws ? kFallbackTemplate : id;
        }
    }
    return kFallbackTemplate;
}

bool Carries(const Game& g, const CardReference& card) { return BookHolds(g, card) > 0; }

}  // namespace

int PickRandomEncounter(Game& g) {
    ClearEnemySlots(g);
    const int dungeon = g.dungeon.number;
    const int count = 1 + g.Roll(std::min((CurrentDungeonLevel(g) + 1) / 2, kMaxEnemies));
    for (int row = kFirstEnemyRow; row < kFirstEnemyRow + count; ++row) {
        g.combatants[row] = g.enemies[DrawTemplate(g, dungeon)];
    }
    return count;
}

int ExEncounterOdds(const Game& g) {
    int odds = Carries(g, kExOddsCards[0]) ? 50 : 70;
    if (Carries(g, kExOddsCards[1])) odds -= 10;
    if (Carries(g, kExOddsCards[2])) odds -= 5;
    if (Carries(g, kExOddsCards[3])) odds -= 5;
    if (Carries(g, kExOddsCards[4])) odds -= 5;
    return odds;
}

bool ChooseExEncounter(Game& g) {
    // The chance is drawn first, so a fight costs the same draws whatever the player holds.
    const bool hit = g.Roll(ExEncounterOdds(g)) == 0;
    const int dungeon = g.dungeon.number;
    if (dungeon < 1 || dungeon >= kDungeonSlots) return false;
    return hit && g.player.level >= CurrentDungeonLevel(g) * 3 + 5 && g.player.dungeonClears[static_cast<size_t>(dungeon)] >= 1;
}

}  // namespace kestrilon
