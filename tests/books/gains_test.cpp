#include "books/gains.h"

#include <algorithm>
#include <string>

#include "app/frame.h"
#include "data/stats.h"
#include "render/colour.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class GainsTest : public testing::GameTest {
protected:
    void SetUp() override {
        for (const char* name : {"coin.wav", "kinkai.wav", "new.wav", "gousei_lvup.wav", "bp.wav", "taberu.wav", "b.wav"}) {
            os.WriteFile(std::string("dat/") + name, "RIFF");
        }
    }
    void EnterDungeon() { g.dungeon.number = g.dungeon.entered = 3; }
    titem& Card(int id, std::string name) {
        titem& c = g.cards[id];
        c.name = std::move(name);
        c.kind = id < kFirstBattleCard ? 1 : 2;
        return c;
    }
    void Put(int id, int copies) { g.player.BookContents[static_cast<size_t>(id)] = copies; }
    const LogEntry& Line(int age) const { return g.log.entries[static_cast<size_t>(age)]; }
    bool Played(const std::string& name) const { return std::count(os.played.begin(), os.played.end(), name) > 0; }
    // One copy each of cards 1 .. kinds, owned without a gain.
    void OwnKinds(int kinds) {
        for (int id = 1; id <= kinds; ++id) g.player.CardCollection[static_cast<size_t>(id)] = 1;
    }
    int NewestEffectX() const { return g.effects.x[static_cast<size_t>(g.effects.ring)]; }
};

// Score and money, with the carried bonuses.

TEST_F(GainsTest, ScoreCountsOnlyInADungeonWithCarriedBonuses) {
    Card(1700, "マグダの剣");
    Put(1700, 2);
    Put(47, 3);  // held: one point however many copies
    GainScore(g, 10);
    EXPECT_EQ(g.player.score, 0);
    EnterDungeon();
    GainScore(g, 10);
    GainScore(g, -5);
    EXPECT_EQ(g.player.score, 13);
    EXPECT_EQ(g.player.scoreCheck, 26);
    EXPECT_EQ(g.effects.text[static_cast<size_t>(g.effects.ring)], "+13");
}

TEST_F(GainsTest, FloatingScoresStaggerWhileOneIsShown) {
    EnterDungeon();
    g.player.scoreAnchorX = 300;
    std::vector<int> xs;
    for (int i = 0; i < 7; ++i) {
        GainScore(g, 1);
        xs.push_back(NewestEffectX());
    }
    EXPECT_EQ(xs, (std::vector<int>{300, 330, 360, 390, 420, 450, 300}));
    g.effects.timer.fill(0);
    GainScore(g, 1);
    EXPECT_EQ(NewestEffectX(), 300);
}

TEST_F(GainsTest, MoneyAddsItemCopiesAndHeldCharms) {
    Card(1700, "マグダの剣");
    Put(1700, 2);
    Put(943, 1);
    GainMoney(g, 3);
    GainMoney(g, 0);
    EXPECT_EQ(g.player.money, 6);
    EXPECT_EQ(Line(0).text, "　お金 6円を入手");
    EXPECT_EQ(Line(0).colourCode, ColourCode("yellow2"));
    EXPECT_TRUE(Played("coin.wav"));
}

TEST_F(GainsTest, NuggetsInADungeonAndTheirHintOnlyOnce) {
    EnterDungeon();
    GainMoney(g, 4);
    EXPECT_EQ(g.player.goldNuggets, 4);
    EXPECT_EQ(g.player.money, 0);
    EXPECT_EQ(g.player.unlockFlags[14], 0);  // 4 is not above 4
    GainMoney(g, 1);
    EXPECT_EQ(g.player.unlockFlags[14], 1);
    EXPECT_EQ(Line(0).icon, "hint.bmp");
    EXPECT_EQ(Line(1).text, "　金塊 1gを入手");
    EXPECT_TRUE(Played("kinkai.wav") && Played("b.wav"));
    GainMoney(g, 1);
    EXPECT_EQ(Line(0).text, "　金塊 1gを入手");
}

// Cards: flags, counters, the log lines and their score.

TEST_F(GainsTest, AFirstCardLogsNewCardBeforeItsLine) {
    Card(1234, "炎の剣").isUltraRare = 1;
    GainCard(g, 1234, 2);
    EXPECT_EQ(Line(1).text, "New card");
    EXPECT_EQ(Line(1).colourCode, ColourCode("rainbow"));
    EXPECT_EQ(Line(0).text, "Battle.card【炎の剣】を 2枚入手した(所持:2枚)");
    EXPECT_EQ(Line(0).icon, "card_b_ex.bmp");
    EXPECT_EQ(g.player.obtainedEver[1234], 1);
    EXPECT_EQ(g.player.recentlyObtained[1234], 2);
    EXPECT_EQ(g.player.score + g.player.unlockFlags[11], 0);  // found at home: no score

    GainCard(g, 1234, 1);
    EXPECT_EQ(Line(1).text, "Battle.card【炎の剣】を 2枚入手した(所持:2枚)");  // no second "New card"
    EXPECT_EQ(Line(0).text, "Battle.card【炎の剣】を 1枚入手した(所持:3枚)");
}

TEST_F(GainsTest, CardsFoundInADungeonScoreByGradeAndCategory) {
    EnterDungeon();
    titem& c = Card(55, "古びた靴");
    c.maxCopies = 4;
    c.isRare = 1;
    c.isSecret = 1;
    GainCard(g, 55, 2);
    const int points = 2 * 2 * 6 + 10 + 30;
    EXPECT_EQ(Line(0).text, "D.card【古びた靴】を 2枚入手した(所持:2枚)");
    EXPECT_EQ(Line(0).badge, points);
    EXPECT_EQ(g.player.score, points);
    EXPECT_EQ(g.player.unlockFlags[11], 1);
    Card(56, "ただの石").maxCopies = 10;  // grade 10 still scores 2 per copy
    GainCard(g, 56, 1);
    EXPECT_EQ(Line(0).badge, 2);
}

TEST_F(GainsTest, GainOneCardZeroChangesNothing) {
    GainOneCard(g, 0);
    EXPECT_EQ(g.player.CardCollection[0] + g.player.obtainedEver[0], 0);
    EXPECT_TRUE(Line(0).text.empty());
    EXPECT_TRUE(os.played.empty());
}

// The level follows the kinds owned, one level per gain.

TEST_F(GainsTest, TenKindsAtLevelOneGiveLevelTwoOnce) {
    g.player.level = 1;
    OwnKinds(9);
    GainOneCard(g, 10);
    EXPECT_EQ(g.player.level, 2);
    EXPECT_EQ(Line(2).text, "　取得カードが 10種を超え、Lvが 2になった!!");
    EXPECT_EQ(Line(1).text, "　蒼燐スロット権 +1");
    EXPECT_EQ(Line(0).text, "　ブックの収納数が70枚になった。");
    EXPECT_EQ(g.player.slotRights, 1);
    EXPECT_TRUE(Played("gousei_lvup.wav") && Played("bp.wav"));
    EXPECT_EQ(g.effects.text[static_cast<size_t>(g.effects.ring)], "LEVEL UP→2");
    GainOneCard(g, 10);  // still 10 kinds
    EXPECT_EQ(g.player.level, 2);
}

TEST_F(GainsTest, OneLevelPerGainAndNoBookLineBeyondFive) {
    g.player.level = 4;
    OwnKinds(40);
    GainOneCard(g, 1);
    EXPECT_EQ(g.player.level, 5);
    EXPECT_EQ(Line(0).text, "　ブックの収納数が100枚になった。");
    GainOneCard(g, 1);
    EXPECT_EQ(g.player.level, 6);
    EXPECT_EQ(Line(0).text, "　蒼燐スロット権 +1");
}

TEST_F(GainsTest, SlotRightRefusedWhenSlotCardsOutnumberTheLevel) {
    OwnKinds(9);
    Card(300, "スロットA").isSeries = 1;
    g.player.CardCollection[300] = 2;
    GainOneCard(g, 9);  // ten kinds: level 1, and 2 slot cards are not fewer than 1
    EXPECT_EQ(g.player.level, 1);
    EXPECT_EQ(g.player.slotRights, 0);
    // The refusal is long enough to wrap onto a second log line.
    const std::string refusal = "　スロットカード枚数がLvUP分より多かったためスロット権は今回入手されなかった";
    EXPECT_EQ(refusal.rfind(Line(2).text, 0), 0u);
    EXPECT_EQ(Line(2).colourCode, ColourCode("gray"));

    g.player.unlockFlags[9] = 1;  // ten slot cards are then not counted
    g.player.CardCollection[300] = 11;
    OwnKinds(14);
    GainOneCard(g, 14);
    EXPECT_EQ(g.player.slotRights, 1);
}

// Eating and the value clamp.

TEST_F(GainsTest, EatingLogsGainsAndLowersSilentlyWithinRange) {
    g.player.hunger = 95;
    Eat(g, 20);
    EXPECT_EQ(g.player.hunger, 100);
    EXPECT_EQ(Line(0).text, "　お腹が 20回復");
    EXPECT_TRUE(Played("taberu.wav"));
    Eat(g, -130);
    EXPECT_EQ(g.player.hunger, 0);
    EXPECT_EQ(Line(0).text, "　お腹が 20回復");
}

TEST_F(GainsTest, ClampKeepsThePlayerAndTheFirstFifteenEnemiesInRange) {
    PlayerState& p = g.player;
    p.baseMaxHp = 20;
    p.hp = 25;
    p.mp = 3;  // maximum MP 0
    p.level = 2;
    p.secondaryGauge = 90;
    p.money = p.goldNuggets = -4;
    p.CardCollection[255] = -2;  // owned counts are not the clamp's business
    for (const int row : {15, 16}) {
        tenemy& e = g.combatants[row];
        e.maxHp = 10;
        e.hp = 12;
        e.tp = 130;
        e.evasion = -3;
    }
    ClampValues(g);
    EXPECT_EQ(p.hp, 20);
    EXPECT_EQ(p.mp, 0);
    EXPECT_EQ(p.secondaryGauge, 70);
    EXPECT_EQ(p.money + p.goldNuggets, 0);
    EXPECT_EQ(p.CardCollection[255], -2);
    const tenemy& kept = g.combatants[15];
    EXPECT_EQ(kept.hp, 10);
    EXPECT_EQ(kept.tp, 100);
    EXPECT_EQ(kept.evasion, 0);
    EXPECT_EQ(g.combatants[16].hp, 12);
}

}  // namespace
}  // namespace kestrilon
