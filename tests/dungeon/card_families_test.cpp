#include <gtest/gtest.h>

#include "dungeon/cards/dungeon_card.h"
#include "dungeon/cards/hand_use.h"
#include "dungeon/walk.h"
#include "state/game.h"
#include "dungeon/card_fixture.h"

namespace kestrilon::testing {
namespace {

class CardFamilyTest : public CardTest {
protected:
    // The first card of the catalogue with this effect that passes `also`.
    template <class Also>
    int FirstOf(DungeonEffect effect, Also also) const {
        for (int id = 1; id < kFirstBattleCard; ++id) {
            const titem& card = g.cards[id];
            if (card.Exists() && card.action == CodeOf(effect) && also(card)) return id;
        }
        ADD_FAILURE() << "no card of effect " << CodeOf(effect);
        return 0;
    }
    int FirstOf(DungeonEffect effect) const {
        return FirstOf(effect, [](const titem&) { return true; });
    }
    StatusBlock& Status() { return g.combatants[kPlayerRow].status; }
};

TEST_F(CardFamilyTest, RareCardsScoreMoreAndEveryCardScoresOne) {
    const int common = FirstOf(DungeonEffect::Bread, [](const titem& c) { return c.maxCopies == 10; });
    UseDungeonCard(g, common);
    EXPECT_EQ(g.player.score, 1) << "grade 10 still scores";
    const int rare = FirstOf(DungeonEffect::Bread, [](const titem& c) { return c.maxCopies <= 5; });
    UseDungeonCard(g, rare);
    EXPECT_EQ(g.player.score, 1 + 10 - g.cards[rare].maxCopies);
    g.player.unlockFlags[kFlagAltar] = 1;  // "メイデイ" is found through the altar
    FillCardDatabase(g);
    Carry("メイデイの靴");
    Carry("メイデイ");
    g.player.score = g.player.scoreCheck = 0;
    UseDungeonCard(g, common);
    EXPECT_EQ(g.player.score, 2);
}

TEST_F(CardFamilyTest, ALadleLeavesTheSpringForTheNextStepToPass) {
    const int ladle = FirstOf(DungeonEffect::Ladle, [](const titem& c) { return c.value2 == 0; });
    SetEvent(g, EventCode::HealingSpring, "mizu.bmp");
    g.player.hp = 1;
    UseDungeonCard(g, ladle);
    EXPECT_EQ(g.player.hp, 1 + g.cards[ladle].value);
    EXPECT_EQ(g.dungeon.event, EventCode::HealingSpring);
    EXPECT_EQ(g.player.distanceWalked, 5);
    WalkSteps(g, 1);
    EXPECT_TRUE(Logged("gray 　回復の泉を通り過ぎた"));
}

TEST_F(CardFamilyTest, ASecondChanceAloneInTheDiscardsFindsNothing) {
    const int chance = FirstOf(DungeonEffect::SecondChance, [](const titem& c) { return c.value == 1; });
    const int foot = Id("足"), shoes = Id("シューズ");
    SetPile({foot, foot, foot});
    SetHand(Book::Dungeon, {chance, foot});
    UseHandCard(g, 0);
    EXPECT_TRUE(Logged("　捨て札に戻せるカードが見つかりませんでした"));
    EXPECT_EQ(Discards(), (Ids{chance}));
    EXPECT_EQ(Pile().size(), 2u);

    SetDiscards({shoes});
    SetHand(Book::Dungeon, {chance, foot});
    UseHandCard(g, 0);
    EXPECT_EQ(Discards(), (Ids{chance}));
    const Ids pile = Pile();
    EXPECT_EQ(std::count(pile.begin(), pile.end(), shoes), 1);
    EXPECT_TRUE(Logged("　捨札の【シューズ】を、ブックの上から "));
}

TEST_F(CardFamilyTest, GatesStopWalkingCardsAndTheReversibleShoesPassThem) {
    At(3, 50);
    SetEvent(g, EventCode::RiteGate, "door.bmp");
    const int hp = g.player.hp;
    UseDungeonCard(g, Id("シューズ"));
    EXPECT_EQ(g.player.distanceWalked, 50);
    EXPECT_LT(g.player.hp, hp);
    EXPECT_TRUE(Logged("見つけ出し、ブックに入れて持って来よう"));
    EXPECT_EQ(g.dungeon.event, EventCode::RiteGate);

    const titem& reversible = g.cards[Id("可逆のシューズ")];
    UseDungeonCard(g, Id("可逆のシューズ"));
    EXPECT_EQ(g.player.distanceWalked, 50 + reversible.value);
    EXPECT_EQ(g.dungeon.event, EventCode::None) << "no event is drawn after the shoes";
}

TEST_F(CardFamilyTest, ATreeIsRammedOrBrokenButNeverWalkedPast) {
    At(7, 10);
    int broken = 0, bumped = 0;
    for (int k = 0; k < 60; ++k) {
        SetEvent(g, EventCode::Tree, "tree1.bmp");
        g.player.hp = MaxHp(g);
        UseDungeonCard(g, Id("足"));
        ASSERT_EQ(g.player.distanceWalked, 10);
        if (g.dungeon.event == EventCode::None) ++broken;
        if (g.player.hp < MaxHp(g)) ++bumped;
    }
    EXPECT_EQ(broken + bumped, 60);
    EXPECT_GT(broken, 8);
    EXPECT_GT(bumped, 25);
}

TEST_F(CardFamilyTest, TheLegsLengthenEveryStepAndCampsGiveThemFromThirtyKm) {
    Status().foot = {3, 2};
    UseDungeonCard(g, Id("足"));
    EXPECT_EQ(g.player.distanceWalked, 5 + 1 + 2);
    EXPECT_TRUE(Logged("　<足>によって移動距離追加+2"));

    const int goods = FirstOf(DungeonEffect::CampGoods, [](const titem& c) { return c.value == 30; });
    Status().foot = {};
    At(2, 29);
    g.dungeon.event = EventCode::Camp;
    UseDungeonCard(g, goods);
    EXPECT_FALSE(Status().foot.Active());
    EXPECT_TRUE(Logged("　30Km未満のため、<足>効果は付与されなかった"));
    g.player.distanceWalked = 30;
    Carry("雨避けシート");
    UseDungeonCard(g, goods);
    EXPECT_EQ(Status().foot.counter, 10);
    EXPECT_EQ(Status().foot.strength, 30 / 30 + 1 + 1);
    EXPECT_TRUE(Logged("aqua3 　10ﾀｰﾝの間、<足+3>化"));
}

TEST_F(CardFamilyTest, MedicinesAreRaisedByPharmacyTwiceAndByTheBlessing) {
    const int herb = Id("薬草");
    const int v = g.cards[herb].value;
    Carry("薬学");
    Carry("体質変化");
    Carry("星霊の加護");
    g.player.baseMaxHp = 1000;
    g.player.hp = 1;
    UseDungeonCard(g, herb);
    const int once = v + v / 4 + 1;
    const int twice = once + once / 4 + 1;
    EXPECT_EQ(g.player.hp, std::min(MaxHp(g), 1 + twice + twice / 2));
}

TEST_F(CardFamilyTest, TreatmentsCureEveryAilmentOrHealOverTime) {
    const int treatment = FirstOf(DungeonEffect::Treatment);
    Status().poison = {5, 3};
    Status().stun = {1, 0};
    UseDungeonCard(g, treatment);
    EXPECT_FALSE(Status().poison.Active());
    EXPECT_FALSE(Status().stun.Active());
    EXPECT_TRUE(Logged("の一部の弱体ステータスが解除された"));
    UseDungeonCard(g, treatment);
    EXPECT_EQ(Status().autoHeal.counter, 5);
    EXPECT_EQ(Status().autoHeal.strength, 2);
}

TEST_F(CardFamilyTest, HandCardsMoveBetweenHandAndPiles) {
    const int foot = Id("足"), shoes = Id("シューズ"), ladle = Id("木の柄杓");
    SetPile({ladle, ladle, ladle});
    SetHand(Book::Dungeon, {foot, shoes, foot});
    UseDungeonCard(g, FirstOf(DungeonEffect::Wind, [](const titem& c) { return c.value == 2 && c.value2 == 1; }));
    EXPECT_EQ(Hand(), (Ids{foot, foot, ladle}));
    EXPECT_EQ(Discards(), (Ids{shoes}));
    EXPECT_EQ(g.player.distanceWalked, 6);

    // The hand goes under the pile, last slot first, and the top of the pile comes up.
    UseDungeonCard(g, FirstOf(DungeonEffect::TimeLoop));
    EXPECT_EQ(Hand(), (Ids{ladle, ladle, ladle}));
    EXPECT_EQ(Pile(), (Ids{foot, foot}));

    g.dungeon.event = EventCode::HealingSpring;
    SetPile({foot, foot, ladle, foot});
    SetDiscards({ladle});
    UseDungeonCard(g, FirstOf(DungeonEffect::Memo));
    EXPECT_EQ(Pile(), (Ids{ladle, foot, foot, foot}));
    SetPile({foot});
    UseDungeonCard(g, FirstOf(DungeonEffect::Necklace));
    EXPECT_EQ(Pile(), (Ids{ladle, foot}));
    EXPECT_TRUE(Logged("捨て札より発見!!"));
    EXPECT_TRUE(Discards().empty());
}

TEST_F(CardFamilyTest, TheHolyFountainFillsTheHandAndReopensIt) {
    const int fountain = FirstOf(DungeonEffect::HolyFountain);
    const int foot = Id("足");
    SetPile(Ids(20, foot));
    SetHand(Book::Dungeon, {fountain, foot, foot});
    UseHandCard(g, 0);
    EXPECT_EQ(Hand().size(), 8u);
    EXPECT_FALSE(g.dungeon.reopenHand);
    EXPECT_EQ(g.screen.Current(), Screen::DungeonHand);
}

TEST_F(CardFamilyTest, AnExchangePassChangesNoMoreThanIsCarried) {
    const int pass = FirstOf(DungeonEffect::ExchangePass);
    g.dungeon.event = EventCode::ExchangePlace;
    g.player.goldNuggets = 7;
    const int money = g.player.money;
    UseDungeonCard(g, pass);
    EXPECT_EQ(g.player.goldNuggets, 0);
    EXPECT_EQ(g.player.money, money + 14);
    EXPECT_TRUE(Logged("yellow2 金塊 7gを 14円に換金した"));
}

}  // namespace
}  // namespace kestrilon::testing
