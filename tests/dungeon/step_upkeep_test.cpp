#include <gtest/gtest.h>

#include "dungeon/cards/dungeon_card.h"
#include "dungeon/walk.h"
#include "state/game.h"
#include "dungeon/card_fixture.h"

namespace kestrilon::testing {

namespace {

class StepUpkeepTest : public CardTest {
protected:
    StatusBlock& Status() { return g.combatants[kPlayerRow].status; }
    // One walking card on a clear road; true when the legs lengthened it.
    bool Step() {
        logged.clear();
        g.dungeon.event = EventCode::None;
        UseDungeonCard(g, Id("足"));
        return Logged("<足>によって移動距離追加");
    }
};

TEST_F(StepUpkeepTest, ACampsLegsLastExactlyTenStepsAndSayWhenTheyEnd) {
    At(5, 30);
    g.dungeon.event = EventCode::Camp;
    UseDungeonCard(g, Id("☆テント"));
    ASSERT_EQ(Status().foot.counter, 10);
    for (int step = 1; step <= 10; ++step) {
        EXPECT_TRUE(Step()) << "step " << step;
        EXPECT_EQ(Logged("....<足>化の効果が切れた"), step == 10) << "step " << step;
    }
    EXPECT_FALSE(Step());
    EXPECT_EQ(Status().foot.strength, 0);
}

// The road may feed the player too ("霞を食べた"); otherwise a step costs exactly 1 of hunger.
TEST_F(StepUpkeepTest, EveryStepEatsOnceAndHealsByTheRegeneration) {
    At(5, 10);
    Status().autoHeal = {2, 4};
    for (int step = 1; step <= 30; ++step) {
        const int before = g.player.hunger;
        Step();
        if (!Logged("霞を食べた")) {
            EXPECT_EQ(g.player.hunger, before - 1) << "step " << step;
        }
        EXPECT_EQ(Logged("aqua 　テストは 4回復"), step <= 2) << "step " << step;
        EXPECT_EQ(Logged("....オートヒールの効果が切れた"), step == 2) << "step " << step;
        g.player.hp = MaxHp(g) / 2;
        g.player.distanceWalked = 10;
    }
}

}  // namespace
}  // namespace kestrilon::testing
