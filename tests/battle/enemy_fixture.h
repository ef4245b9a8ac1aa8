#pragma once
// A game as it stands after start-up: the card database and the enemy table filled.
#include <gtest/gtest.h>

#include <array>

#include "battle/enemy_table.h"
#include "data/card_database.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {

class EnemyTest : public GameTest {
protected:
    void SetUp() override {
        FillCardDatabase(g);
        FillEnemyTable(g);
    }
    const EnemyTemplate& Enemy(int id) const { return g.enemies[id]; }
    const Combatant& Slot(int row) const { return g.combatants[row]; }
    int Occupied() const {
        int n = 0;
        for (int row = kFirstEnemyRow; row <= kLastEnemyRow; ++row) n += Slot(row).Exists() ? 1 : 0;
        return n;
    }
};

// Dungeon levels of the dungeon list, by dungeon id 1 .. 21.
inline constexpr std::array<int, 22> kDungeonLevels = {0, 0, 1, 2, 3, 3, 4, 4, 5, 4, 6, 4,
                                                       7, 8, 9, 7, 10, 12, 14, 9, 16, 3};

}  // namespace kestrilon::testing
