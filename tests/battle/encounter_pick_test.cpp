#include <set>

#include "battle/encounter_pick.h"
#include "data/card_database.h"
#include "enemy_fixture.h"

namespace kestrilon {
namespace {

class PickTest : public testing::EnemyTest {
protected:
    void Enter(int dungeon, int level) {
        g.dungeon.number = g.dungeon.entered = dungeon;
        g.dungeon.table[static_cast<size_t>(dungeon)].difficulty = level;
    }
    void Carry(const CardReference& card, int copies = 1) {
        const int id = CardIdByName(g, card.name);
        ASSERT_NE(id, 0) << card.name;
        g.player.BookContents[static_cast<size_t>(id)] = copies;
    }
    // How many of `tries` encounters come out EX.
    int ExCount(int tries) {
        int ex = 0;
        for (int i = 0; i < tries; ++i) ex += ChooseExEncounter(g) ? 1 : 0;
        return ex;
    }
};

TEST_F(PickTest, EnemyCountFollowsTheDungeonLevel) {
    struct Case {
        int level, most;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{2, 1}, Case{3, 2}, Case{4, 2}, Case{9, 5}, Case{13, 7},
                         Case{16, 7}, Case{40, 7}}) {
        SCOPED_TRACE(c.level);
        Enter(20, c.level);
        std::set<int> seen;
        for (int i = 0; i < 300; ++i) {
            const int n = PickRandomEncounter(g);
            EXPECT_EQ(Occupied(), n);
            seen.insert(n);
        }
        EXPECT_EQ(*seen.begin(), 1);
        EXPECT_EQ(*seen.rbegin(), c.most);
    }
}

TEST_F(PickTest, EveryPickedEnemyLivesInTheDungeonAndEveryOneThatLivesThereComesUp) {
    Enter(20, 16);
    std::set<int> picked;
    for (int i = 0; i < 200; ++i) {
        PickRandomEncounter(g);
        for (int row = kFirstEnemyRow; row <= kLastEnemyRow && Slot(row).Exists(); ++row) {
            EXPECT_TRUE(LivesIn(Slot(row), 20)) << Slot(row).name;
            picked.insert(Slot(row).templateId);
        }
    }
    std::set<int> living;
    for (int id = 1; id < kEnemyTemplates; ++id) {
        if (LivesIn(Enemy(id), 20)) living.insert(id);
    }
    EXPECT_EQ(picked, living);
}

TEST_F(PickTest, ADungeonThatNoTemplateListsFallsBackToTheTrainee) {
    for (int id = 1; id < kEnemyTemplates; ++id) {
        if (LivesIn(Enemy(id), 14)) g.enemies[id].noRandom = 1;
    }
    Enter(14, 13);
    for (int dungeon : {14, 30}) {
        g.dungeon.number = dungeon;
        const int n = PickRandomEncounter(g);
        for (int row = kFirstEnemyRow; row < kFirstEnemyRow + n; ++row) {
            EXPECT_EQ(Slot(row).templateId, 1) << dungeon;
            EXPECT_EQ(Slot(row).name, "訓練生");
        }
    }
}

TEST_F(PickTest, OutsideADungeonTheEmptyHomeEntriesNeverMatch) {
    Enter(0, 0);
    PickRandomEncounter(g);
    EXPECT_EQ(Slot(1).templateId, 1);
    EXPECT_EQ(Occupied(), 1);
}

TEST_F(PickTest, EachCarriedRadarShortensTheOddsByItsOwnStep) {
    EXPECT_EQ(ExEncounterOdds(g), 70);
    const int after[] = {50, 40, 35, 30, 25};
    for (size_t i = 0; i < kExOddsCards.size(); ++i) {
        Carry(kExOddsCards[i]);
        EXPECT_EQ(ExEncounterOdds(g), after[i]) << kExOddsCards[i].name;
    }
    // The odds count a card once, however many copies are carried.
    Carry(kExOddsCards[1], 2);
    EXPECT_EQ(ExEncounterOdds(g), 25);
}

TEST_F(PickTest, NoExEnemyBeforeTheFirstClearOrBelowTheLevel) {
    for (const CardReference& card : kExOddsCards) Carry(card);
    Enter(6, 4);
    g.player.level = 4 * 3 + 5;
    EXPECT_EQ(ExCount(600), 0);

    g.player.dungeonClears[6] = 1;
    g.player.level = 4 * 3 + 4;
    EXPECT_EQ(ExCount(600), 0);

    g.player.level = 4 * 3 + 5;
    const int ex = ExCount(1500);
    EXPECT_GT(ex, 30);  // 1 in 25: about 60
    EXPECT_LT(ex, 95);
}

}  // namespace
}  // namespace kestrilon
