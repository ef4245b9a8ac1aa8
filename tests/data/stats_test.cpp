#include "data/stats.h"

#include <random>

#include "data/book_holds.h"
#include "dungeon/run.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class StatsTest : public testing::GameTest {
protected:
    titem& Card(int id, std::string name, int kind = 2) {
        titem& c = g.cards[id];
        c.name = std::move(name);
        c.kind = kind;
        return c;
    }
    void Put(int id, int copies) { g.player.BookContents[static_cast<size_t>(id)] = copies; }
    StatusBlock& Self() { return g.combatants[kPlayerRow].status; }
};

// The maxima: base plus cards, the pendant, the HP-up effect and aging.

TEST_F(StatsTest, MaximaStayAtOneForHpAndZeroForMp) {
    g.player.baseMaxHp = 12;
    EXPECT_EQ(MaxHp(g), 12);
    Card(1500, "逆光のペンダント").isAbility = 1;
    Card(1501, "力の指輪").isAbility = 1;
    Put(1500, 1);
    g.player.baseMaxHp = 2;
    g.player.baseMaxMp = 3;
    Self().aging.counter = 9;  // takes trunc(2.7) + 1 = 3 MP
    EXPECT_EQ(MaxHp(g), 1);
    EXPECT_EQ(MaxMp(g), 0);
}

TEST_F(StatsTest, CopiesInTheBooksMultiplyTheBonus) {
    g.player.baseMaxHp = 10;
    Card(1200, "生命の指輪").maxHp = 10;
    Put(1200, 2);
    g.player.CardCollection[1200] = 9;  // copies owned but not placed do nothing
    EXPECT_EQ(MaxHp(g), 30);
}

TEST_F(StatsTest, PendantCountsEveryBattleAbilityCardThatExists) {
    g.player.baseMaxHp = 50;
    Card(1500, "逆光のペンダント").isAbility = 1;
    Card(1501, "力の指輪").isAbility = 1;
    Card(1502, "速さの指輪").isAbility = 2;
    Card(600, "探索の心得", 1).isAbility = 1;  // a dungeon <Ability> card does not count
    g.cards[1503].isAbility = 1;              // nor does an id without a name
    g.cards[1503].kind = 2;
    EXPECT_EQ(MaxHp(g), 50);
    Put(1500, 1);
    EXPECT_EQ(MaxHp(g), 47);
    Put(1501, 2);
    EXPECT_EQ(MaxHp(g), 47);
    g.cards[1503].name = "祭壇の加護";  // an altar card appearing raises the penalty
    EXPECT_EQ(MaxHp(g), 46);
}

TEST_F(StatsTest, MaxHpUpCountsBeforeAging) {
    g.player.baseMaxHp = 90;
    Self().maxHpUp = {.counter = 3, .strength = 10};
    Self().aging.counter = 1;
    EXPECT_EQ(MaxHp(g), 89);  // 100 - (10 + 1)
    Self().maxHpUp.counter = 0;
    EXPECT_EQ(MaxHp(g), 80);  // 90 - (9 + 1)
}

// The six attributes and the order of their adjustments.

TEST_F(StatsTest, AgingRemovesATenthPerLevelPlusOne) {
    EXPECT_EQ(AgingReduction(1, 5), 1);
    EXPECT_EQ(AgingReduction(3, 100), 31);
    EXPECT_EQ(AgingReduction(1, 15), 2);  // truncated: 1.5 gives 1, then + 1
    EXPECT_EQ(AgingReduction(0, 100), 0);
    g.player.baseAttack = 100;
    Self().aging.counter = 3;
    EXPECT_EQ(Attack(g, 0), 69);
}

TEST_F(StatsTest, HalvingComesAfterAgingForDefenceAndBeforeItForSpirit) {
    g.player.baseDefence = g.player.baseSpirit = 9;
    Self().aging.counter = 1;
    Self().transparency.counter = 1;
    Self().darkness.counter = 1;
    EXPECT_EQ(Defence(g, 0), 4);  // (9 - 1) / 2
    EXPECT_EQ(Spirit(g, 0), 3);   // 9 / 2 - 1
}

TEST_F(StatsTest, EffectsApplyOnlyWhileActive) {
    g.player.baseAttack = g.player.baseKnowledge = g.player.baseAccuracy = g.player.baseEvasion = 20;
    Self().attackUp = {.counter = 1, .strength = 5};
    Self().attackDown = {.counter = 0, .strength = 50};  // worn off: its strength is ignored
    Self().cold = {.counter = 2, .strength = 3};
    Self().frostbite = {.counter = 1, .strength = 4};
    Self().knowledgeUp = {.counter = 1, .strength = 1};
    Self().evasionDown = {.counter = 1, .strength = 30};
    EXPECT_EQ(Attack(g, 0), 22);
    EXPECT_EQ(Knowledge(g, 0), 18);
    EXPECT_EQ(Accuracy(g, 0), 16);
    EXPECT_EQ(Evasion(g, 0), 0);
}

TEST_F(StatsTest, NegativeBonusesCountButStatsStopAtZero) {
    g.player.baseAttack = 5;
    Card(1300, "呪いの剣").str = -2;
    Put(1300, 4);
    EXPECT_EQ(Attack(g, 0), 0);
    Card(1301, "重い鎧").critical = -7;
    Put(1301, 1);
    EXPECT_EQ(CriticalBonus(g), -7);
    EXPECT_EQ(TpGain(g), 5);
    Card(1302, "眠りの枕").tpGain = -3;
    Put(1302, 2);
    EXPECT_EQ(TpGain(g), 0);
}

TEST_F(StatsTest, EnemyRowsStartFromTheirOwnValues) {
    g.player.baseAttack = 50;
    tenemy& e = g.combatants[3];
    e.attack = 12;
    e.status.aging.counter = 2;
    EXPECT_EQ(Attack(g, 3), 12 - 3);
    EXPECT_EQ(Attack(g, 0), 50);
}

TEST_F(StatsTest, ThresholdShortensByCardsHeldNotByCopies) {
    int id = 1400;
    for (const char* name : {"タキオンの首飾り", "イクシオンの首飾り", "幻の砂", "少年少女達の気配", "ヴェルナの眼鏡", "タイムリープ"}) {
        Card(id, name);
        Put(id++, 3);
    }
    EXPECT_EQ(ActionThreshold(g), 70);
    Card(id, "幻の宝珠砂");
    Put(id++, 1);
    Card(id, "召喚のペンダント");
    Put(id, 1);
    EXPECT_EQ(ActionThreshold(g), 60);  // the summon pendant needs a beast
    tseirei& beast = g.combatants[kPlayerRow].summons[4];
    beast.name = "火の精霊";
    EXPECT_EQ(ActionThreshold(g), 60);  // a beast without hit points is gone
    beast.hp = 5;
    EXPECT_EQ(ActionThreshold(g), 55);
}

TEST_F(StatsTest, RunResetRestoresThePlayerAndItsRow) {
    PlayerState& p = g.player;
    p.baseMaxHp = 30;
    p.hp = 2;
    p.tp = p.goldNuggets = p.score = p.scoreCheck = p.distanceWalked = p.runFlags[5] = 7;
    tenemy& self = g.combatants[kPlayerRow];
    self.name = "誰か";
    self.status.aging.counter = 1;  // read by the maximum before the row is cleared
    RunReset(g);
    EXPECT_EQ(p.hp, 26);
    EXPECT_EQ(p.hunger, 100);
    EXPECT_EQ(p.tp + p.goldNuggets + p.score + p.scoreCheck + p.distanceWalked + p.runFlags[5], 0);
    EXPECT_TRUE(self.name.empty());
    EXPECT_EQ(self.status.aging.counter, 0);
    EXPECT_EQ(self.x, 620);
    EXPECT_EQ(self.y, 300);
    EXPECT_EQ(self.alive, 1);
}

// Carried items and the fast sums never lag behind the books or the cards.

TEST_F(StatsTest, BookHoldsReadsTheHighestIdOfTheName) {
    Card(900, "幻の砂", 1);
    Card(1900, "幻の砂");
    Put(900, 2);
    EXPECT_EQ(BookHolds(g, "幻の砂"), 0);  // the higher id is not in the books
    Put(1900, 1);
    EXPECT_EQ(BookHolds(g, "幻の砂"), 1);
    g.cards[1900].name = "別の砂";
    EXPECT_EQ(BookHolds(g, "幻の砂"), 2);
    EXPECT_EQ(BookHolds(g, "幻の"), 0);
}

TEST_F(StatsTest, WholeTableWritesShowAtTheNextRead) {
    Card(1200, "剛力の腕輪").str = 3;
    Put(1200, 2);
    EXPECT_EQ(Attack(g, 0), 6);
    g.player.BookContents.fill(0);
    EXPECT_EQ(Attack(g, 0), 0);
    PlayerState loaded = g.player;  // a whole record replaced, as loading does
    loaded.BookContents[1200] = 1;
    g.player = loaded;
    EXPECT_EQ(Attack(g, 0), 3);
}

TEST_F(StatsTest, FastSumsAgreeWithAFullWalkThroughEditsAndRefills) {
    std::mt19937 random(5);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto fullWalk = [&](int32_t titem::*field) {
        int sum = 0;
        for (int id = 0; id < kCardIds; ++id) sum += g.cards[id].*field * g.player.BookContents[static_cast<size_t>(id)];
        return sum;
    };
    for (int round = 0; round < 300; ++round) {
        const int id = pick(40) * 170 + pick(3);
        switch (pick(3)) {
            case 0: Put(id, pick(5) - 1); break;
            case 1: g.cards[id].maxHp = pick(21) - 10; break;
            default: g.cards[id].str = pick(9); break;
        }
        ASSERT_EQ(CardBonusSum(g, &titem::maxHp), fullWalk(&titem::maxHp)) << "round " << round;
        ASSERT_EQ(CardBonusSum(g, &titem::str), fullWalk(&titem::str)) << "round " << round;
    }
}

}  // namespace
}  // namespace kestrilon
