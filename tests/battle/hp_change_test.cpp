#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/hp_change.h"
#include "data/stats.h"
#include "persist/new_game.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

class HpChangeTest : public GameTest {
protected:
    std::vector<std::string> logged;
    void SetUp() override {
        NewGameValues(g);
        g.player.playerName = "ミオ";
        g.player.baseMaxHp = 100;
        g.player.hp = 50;
        tenemy& enemy = g.combatants[1];
        enemy.name = "スライム";
        enemy.maxHp = 40;
        enemy.hp = 20;
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
    }
};

TEST_F(HpChangeTest, HealsAndBlowsOfThePlayerAndAnEnemy) {
    ApplyHpChange(g, kPlayerRow, 80);
    EXPECT_EQ(g.player.hp, 100) << "the clamp keeps the maximum";
    ApplyHpChange(g, kPlayerRow, -30, "毒");
    EXPECT_EQ(g.player.hp, 70);
    EXPECT_EQ(g.frame.ShakeCounter, 20) << "2 + 30, at most 20";
    ApplyHpChange(g, 1, -5);
    EXPECT_EQ(g.combatants[1].hp, 15);
    EXPECT_EQ(g.frame.ShakeCounter, 7);
    ApplyHpChange(g, 1, 3, "約束");
    EXPECT_EQ(g.combatants[1].hp, 18);
    EXPECT_EQ(logged, (std::vector<std::string>{
                          "aqua 　ミオは 80回復",
                          "red 　毒＞ミオは 30ダメージ",
                          "red3 　スライムに 5ダメージ与えた!",
                          "aqua2 　約束＞スライムは 3回復",
                      }));
}

TEST_F(HpChangeTest, IllnessHalvesHealsAndTheInvincibleTakeNothing) {
    g.combatants[kPlayerRow].status.sickness.counter = 2;
    ApplyHpChange(g, kPlayerRow, 9);
    EXPECT_EQ(g.player.hp, 54);
    g.combatants[kPlayerRow].status.invincible.counter = 1;
    ApplyHpChange(g, kPlayerRow, -40);
    EXPECT_EQ(g.player.hp, 54);
    EXPECT_EQ(logged.back(), "gray 　ミオは無敵のためノンダメージ");
}

}  // namespace
}  // namespace kestrilon::testing
