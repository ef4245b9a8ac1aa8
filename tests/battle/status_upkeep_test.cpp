#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/status_upkeep.h"
#include "data/card_database.h"
#include "data/stats.h"
#include "persist/new_game.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

constexpr int kSlime = 1;

class StatusUpkeepTest : public GameTest {
protected:
    std::vector<std::string> logged;

    void SetUp() override {
        NewGameValues(g);
        FillCardDatabase(g);
        g.player.playerName = "ミオ";
        g.player.baseMaxHp = 100;
        g.player.hp = 50;
        g.player.hunger = 80;
        tenemy& enemy = g.combatants[kSlime];
        enemy.name = "スライム";
        enemy.alive = 1;
        enemy.maxHp = enemy.hp = 40;
        enemy.maxMp = 50;
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
    }
    StatusBlock& Status(int row) { return g.combatants[row].status; }
    // The lines logged by one upkeep of `row`.
    std::vector<std::string> Upkeep(int row) {
        logged.clear();
        TurnUpkeep(g, row);
        return logged;
    }
    void Carry(std::string_view name) { g.player.BookContents[static_cast<size_t>(CardIdByName(g, name))] = 1; }
};

using Lines = std::vector<std::string>;

// A status of n turns acts n times and shows its line in the n-th upkeep, not before.
TEST_F(StatusUpkeepTest, TimedStatusesRunOutAfterExactlyTheirTurnsWithTheirLines) {
    StatusBlock& s = Status(kSlime);
    s.attackUp = {3, 5};
    s.speedDown = {1, 2};
    s.guard = {2, 4};
    s.aging = {3, 0};
    s.transparency = {2, 0};
    s.apathy = {2, 0};
    g.combatants[kSlime].tp = 15;
    EXPECT_EQ(Upkeep(kSlime), (Lines{"silver 　TP -10", "silver ....攻撃間隔Downの効果が切れた"}));
    EXPECT_EQ(s.speedDown.strength, 0);
    EXPECT_EQ(Upkeep(kSlime), (Lines{"silver 　TP -10", "silver ....無気力が切れた", "silver ....<守>の効果が切れた"}));
    EXPECT_EQ(g.combatants[kSlime].tp, 0) << "clamped, never below 0";
    EXPECT_EQ(s.guard.strength, -1) << "no protector row is left, not row 0";
    EXPECT_FALSE(s.transparency.Active());
    EXPECT_EQ(s.attackUp.strength, 5);
    EXPECT_EQ(Upkeep(kSlime), (Lines{"silver ....老化の効果が切れた", "silver ....攻撃UPの効果が切れた"}));
    EXPECT_EQ(s.attackUp.strength, 0);
    EXPECT_EQ(Upkeep(kSlime), Lines{}) << "what ran out stays quiet";
}

TEST_F(StatusUpkeepTest, MaxHpUpRunsOutAndTakesTheRaisedHpWithIt) {
    Status(kPlayerRow).maxHpUp = {1, 30};
    g.player.hp = 130;
    ASSERT_EQ(MaxHp(g), 130);
    EXPECT_EQ(Upkeep(kPlayerRow), Lines{"silver ....最大HPUPの効果が切れた"});
    EXPECT_EQ(Status(kPlayerRow).maxHpUp.strength, 0);
    EXPECT_EQ(g.player.hp, 100);
}

// The owner's attributes void an ailment's damage or turn it into a heal.
TEST_F(StatusUpkeepTest, DamageEachTurnFollowsTheOwnersAttributes) {
    tenemy& slime = g.combatants[kSlime];
    slime.hp = 20;
    slime.status.poison = {2, 7};
    slime.status.cut = {1, 3};
    EXPECT_EQ(Upkeep(kSlime), (Lines{"red3 　毒＞スライムに 7ダメージ", "red3 　切傷＞スライムに 3ダメージ",
                                     "silver ....切傷の効果が切れた"}));
    EXPECT_EQ(slime.hp, 10);
    EXPECT_EQ(slime.status.cut.strength, 0);

    slime.poisonImmunity = 1;
    slime.water = 1;
    EXPECT_EQ(Upkeep(kSlime), Lines{"silver ....毒の効果が切れた"}) << "immunity comes before the heal";
    EXPECT_EQ(slime.hp, 10);

    slime.poisonImmunity = 0;
    slime.status.poison = {1, 7};
    slime.status.frostbite = {1, 4};
    slime.ice = 1;
    EXPECT_EQ(Upkeep(kSlime), (Lines{"aqua2 　毒＞スライムは 7回復", "silver ....毒の効果が切れた",
                                     "aqua2 　凍傷＞スライムは 4回復", "silver ....凍傷の効果が切れた"}));
    EXPECT_EQ(slime.hp, 21);
}

TEST_F(StatusUpkeepTest, RegenerationsHealEveryTurnAndRunOut) {
    StatusBlock& s = Status(kPlayerRow);
    s.autoHeal = {2, 6};
    s.autoMagic = {2, 4};
    s.autoTechnical = {1, 15};
    s.foot = {2, 3};
    s.waterArmour = {1, 5};
    s.evasionUp = {1, 3};
    g.player.mp = 0;
    g.player.baseMaxMp = 30;
    Upkeep(kPlayerRow);
    EXPECT_EQ(g.player.hp, 50 + 3 + 6 + 5);
    EXPECT_EQ(g.player.mp, 4);
    EXPECT_EQ(g.player.tp, 15);
    EXPECT_EQ(logged, (Lines{"aqua 　ミオは 6回復", "silver ....オートテクニカルの効果が切れた",
                             "silver ....回避UPの効果が切れた", "aqua 　ミオは 5回復",
                             "silver ....ウォーターベールの効果が切れた"}))
        << "the legs heal without a line; the water veil heals in its own place among the buffs";
    Upkeep(kPlayerRow);
    EXPECT_EQ(g.player.hp, 64 + 3 + 6);
    EXPECT_EQ(g.player.mp, 8);
    EXPECT_EQ(logged, (Lines{"silver ....<足>化の効果が切れた", "aqua 　ミオは 6回復", "silver ....オートヒールの効果が切れた",
                             "silver ....オートマジカルの効果が切れた"}));
    EXPECT_EQ(s.foot.strength, 0);
}

TEST_F(StatusUpkeepTest, ThePlayersTurnCostsHungerAndPowerMpAndRestoresCarriedMp) {
    g.player.baseMaxMp = 30;
    g.player.mp = 1;
    Carry("力の腰巻");
    Carry("魔力の腰巻");
    Upkeep(kPlayerRow);
    EXPECT_EQ(g.player.hunger, 79);
    EXPECT_EQ(g.player.mp, 0) << "the melee power wants 2, the magic power takes the last 1";

    Carry("瞑想の心得");
    Carry("魔力循環の心得");
    g.player.mp = 10;
    Upkeep(kPlayerRow);
    EXPECT_EQ(g.player.mp, 10 - 2 - 1 + 2);

    g.player.hunger = 0;
    Upkeep(kPlayerRow);
    EXPECT_EQ(g.player.hunger, 0);
    EXPECT_EQ(g.player.hp, 50 - (100 / 50 + 1));
    EXPECT_EQ(logged.front(), "red お腹が減ってフラフラする....HP-3");

    g.combatants[kSlime].mp = 10;
    Upkeep(kSlime);
    EXPECT_EQ(g.player.hp, 47) << "an enemy's turn leaves the player alone";
    EXPECT_EQ(g.combatants[kSlime].mp, 10);
}

TEST_F(StatusUpkeepTest, BeastLoreRestoresForEveryLivingBeastAndBeastsMoveOnlyInAFight) {
    Carry("精霊獣の心得");
    g.player.baseMaxMp = 30;
    g.player.mp = 0;
    auto& beasts = g.combatants[kPlayerRow].summons;
    const auto beast = [](int hp, std::string name) {
        tseirei b;
        b.hp = hp;
        b.name = std::move(name);
        return b;
    };
    beasts[0] = beast(10, "サラマンダー");
    beasts[3] = beast(5, "ウンディーネ");
    beasts[5] = beast(0, "シルフ");
    Upkeep(kPlayerRow);
    EXPECT_EQ(g.player.mp, 2);
    EXPECT_EQ(g.player.tp, 10);
    EXPECT_EQ(g.battle.requestedBeastMoves, -1) << "no fight, no moves";
    g.battle.battleOn = 1;
    Upkeep(kPlayerRow);
    EXPECT_EQ(g.battle.requestedBeastMoves, kPlayerRow);
}

TEST_F(StatusUpkeepTest, ABombCountsDownAndBlowsItsOwnerUp) {
    Status(kSlime).bomb = {3, 0};
    EXPECT_EQ(Upkeep(kSlime), Lines{"silver 爆発までのカウントダウン....2"});
    EXPECT_EQ(Upkeep(kSlime), Lines{"silver 爆発までのカウントダウン....1"});
    EXPECT_EQ(g.battle.requestedSelfDestruct, -1);
    const Lines last = Upkeep(kSlime);
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last.front(), "red 　ＢＯＭＢ！！！");
    EXPECT_EQ(g.battle.requestedSelfDestruct, kSlime);
    EXPECT_FALSE(Status(kSlime).bomb.Active());
}

}  // namespace
}  // namespace kestrilon::testing
