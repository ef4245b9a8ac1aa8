#include <gtest/gtest.h>

#include "dungeon/cards/hand_use.h"
#include "menu/menu.h"
#include "state/game.h"
#include "dungeon/card_fixture.h"

namespace kestrilon::testing {
namespace {

class HandUseTest : public CardTest {
protected:
    void SetUp() override {
        CardTest::SetUp();
        shoes = Id("シューズ");
        foot = Id("足");
    }
    int shoes = 0;
    int foot = 0;
};

TEST_F(HandUseTest, GreyedCardsFollowTheRoadAndTheBattleHand) {
    const int ladle = Id("木の柄杓");
    const int ability = Id("薬学");
    const int secretKey = Id("トンネルの秘宝の鍵");
    SetHand(Book::Dungeon, {foot, ladle, ability, secretKey});
    EXPECT_TRUE(CanUseHandCard(g, 0));
    EXPECT_FALSE(CanUseHandCard(g, 1)) << "a ladle needs a spring";
    EXPECT_FALSE(CanUseHandCard(g, 2)) << "<Ability> cards never act from the hand";
    EXPECT_FALSE(CanUseHandCard(g, 7)) << "an empty slot";
    g.dungeon.event = EventCode::HealingSpring;
    EXPECT_TRUE(CanUseHandCard(g, 1));

    g.dungeon.event = EventCode::SecretChest;
    g.dungeon.table[0].secretKey = secretKey + 1;
    EXPECT_FALSE(CanUseHandCard(g, 3)) << "another dungeon's secret key";
    g.dungeon.table[0].secretKey = secretKey;
    EXPECT_TRUE(CanUseHandCard(g, 3));

    int tool = 0;
    for (int id = 1; id < kFirstBattleCard && tool == 0; ++id)
        if (g.cards[id].Exists() && g.cards[id].eventKind == CodeOf(EventCode::Trap) && g.cards[id].toolLevel >= 2)
            tool = id;
    ASSERT_GT(tool, 0);
    SetHand(Book::Dungeon, {tool});
    g.dungeon.event = EventCode::Trap;
    g.dungeon.trapLevel = g.cards[tool].toolLevel;
    EXPECT_TRUE(CanUseHandCard(g, 0));
    g.dungeon.trapLevel = g.cards[tool].toolLevel + 1;
    EXPECT_FALSE(CanUseHandCard(g, 0)) << "a trap above the tool";

    const int bullet = Id("鉛の弾");
    int gun = 0;
    for (int id = kFirstBattleCard; id < kCardIds && gun == 0; ++id)
        if (g.cards[id].isGun >= 1) gun = id;
    ASSERT_GT(gun, 0);
    g.battle.battleOn = 1;
    SetHand(Book::Battle, {bullet});
    EXPECT_FALSE(CanUseHandCard(g, 0)) << "a bullet without a gun";
    SetHand(Book::Battle, {bullet, gun});
    EXPECT_TRUE(CanUseHandCard(g, 0));
}

TEST_F(HandUseTest, UsingACardDiscardsItWalksAndDrawsOne) {
    SetPile({foot, foot, foot});
    SetHand(Book::Dungeon, {shoes, foot});
    g.player.tp = 50;
    UseHandCard(g, 0);
    EXPECT_EQ(Discards(), (Ids{shoes}));
    EXPECT_EQ(Hand(), (Ids{foot, foot}));
    EXPECT_EQ(Pile().size(), 2u);
    EXPECT_EQ(g.player.tp, 50 - g.cards[shoes].tpCost);
    EXPECT_GT(g.player.distanceWalked, 5);
    EXPECT_TRUE(Logged("blue2 ＞シューズを使用"));
}

TEST_F(HandUseTest, CostsTheCardCannotPayStopTheUse) {
    SetPile({foot});
    SetHand(Book::Dungeon, {shoes});
    g.player.tp = g.cards[shoes].tpCost - 1;
    UseHandCard(g, 0);
    EXPECT_TRUE(Logged("gray TPが足りません"));
    EXPECT_EQ(Hand(), (Ids{shoes}));
    EXPECT_TRUE(Discards().empty());
    EXPECT_EQ(g.player.distanceWalked, 5);
}

TEST_F(HandUseTest, AFightHandsTheSlotToTheBattle) {
    g.battle.battleOn = 1;
    const int card = kFirstBattleCard;  // the basic battle card, free to play
    SetHand(Book::Battle, {card});
    UseHandCard(g, 0);
    EXPECT_EQ(g.battle.requestedHandSlot, 0);
    EXPECT_EQ(Hand(Book::Battle), (Ids{card}));
}

TEST_F(HandUseTest, TheEscapePodAsksFirst) {
    const int pod = Id("脱出ポッド");
    SetPile({foot});
    SetHand(Book::Dungeon, {pod, foot});
    os.answers = {false};
    UseHandCard(g, 0);
    EXPECT_EQ(Hand(), (Ids{pod, foot}));
    EXPECT_EQ(g.dungeon.number, 1);
    UseHandCard(g, 0);
    EXPECT_TRUE(Logged("から脱出した...."));
}

TEST_F(HandUseTest, ADeadPlayerOnlyGoesHome) {
    SetPile({foot});
    SetHand(Book::Dungeon, {foot, foot});
    g.player.hp = 0;
    UseHandCard(g, 0);
    EXPECT_EQ(g.screen.Current(), Screen::GameOver);
    EXPECT_TRUE(Logged("あなたは死んでしまった"));
    const Ids hand = Hand();
    UseHandCard(g, 0);
    EXPECT_EQ(Hand(), hand) << "busy until 帰還";
}

TEST_F(HandUseTest, DiscardingCostsHungerAndIsRefusedWhenTooHungryOrTooFew) {
    SetPile({foot, foot});
    SetHand(Book::Dungeon, {shoes, foot});
    g.player.hunger = 20;
    DiscardHandCard(g, 0);
    EXPECT_TRUE(Logged("お腹が減りすぎています"));
    EXPECT_EQ(Hand(), (Ids{shoes, foot}));

    g.player.hunger = 21;
    DiscardHandCard(g, 0);
    EXPECT_EQ(g.player.hunger, 1);
    EXPECT_EQ(Discards(), (Ids{shoes}));
    EXPECT_EQ(Hand(), (Ids{foot, foot}));
    EXPECT_TRUE(Logged("red2 【シューズ】を捨てた"));
    EXPECT_EQ(g.screen.Current(), Screen::DungeonHand);

    Carry("ヤムヤムの毛");
    Carry("蒼燐のヤムヤム");
    g.player.hunger = 50;
    DiscardHandCard(g, 0);
    EXPECT_EQ(g.player.hunger, 38);

    SetHand(Book::Dungeon, {foot});
    DiscardHandCard(g, 0);
    EXPECT_TRUE(Logged("これ以上捨てられません"));
    EXPECT_EQ(Hand(), (Ids{foot}));
}

TEST_F(HandUseTest, ThrowingAnAbilityAwayInAFightSetsTheCharmsOff) {
    g.battle.battleOn = 1;
    const int ability = Id("ハルオンの首飾り");
    const int plain = Id("鉛の弾");
    ASSERT_GE(g.cards[ability].isAbility, 1);
    for (const char* charm : {"ヤムヤムの口", "邪悪な首飾り", "高位免罪符", "ランチャー", "禍々しい首飾り", "タキオンの首飾り"})
        Carry(charm);
    Carry("ヤムヤムの口", 2);
    Carry("ハルオンの首飾り");
    g.player.hunger = 50;
    g.player.tp = 0;
    g.player.baseMaxMp = 10;
    g.player.mp = 0;
    g.player.hp = MaxHp(g) - 10;
    SetHand(Book::Battle, {plain, ability, plain});
    DiscardBattleHandCard(g, 1);
    EXPECT_EQ(Hand(Book::Battle), (Ids{plain, plain}));
    EXPECT_EQ(g.player.hunger, 50 + 3 * 2 + 1);
    EXPECT_EQ(g.player.tp, 5);
    EXPECT_EQ(g.player.mp, 1);
    EXPECT_EQ(g.player.hp, MaxHp(g) - 8);
    EXPECT_EQ(g.battle.requestedCardAction, Id("ランチャー"));
    EXPECT_EQ(g.player.actionGauge, 30) << "禍々しい, ハルオン and タキオン";

    g.player.actionGauge = 99;
    DiscardBattleHandCard(g, 0);
    EXPECT_EQ(g.player.actionGauge, 0) << "a plain card waits for nothing";
    EXPECT_EQ(g.player.hunger, 57) << "no hunger is spent in a fight";

    DiscardBattleHandCard(g, 0);
    EXPECT_TRUE(Logged("これ以上捨てられません"));
}

}  // namespace
}  // namespace kestrilon::testing
