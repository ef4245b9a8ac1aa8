#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "books/books.h"
#include "dungeon/dungeon_table.h"
#include "dungeon/walk.h"
#include "menu/menu.h"
#include "persist/new_game.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

class WalkTest : public GameTest {
protected:
    std::vector<std::string> logged;

    void SetUp() override {
        NewGameValues(g);
        LoadDungeonTable(g);
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
    }
    // Inside dungeon n at km, without the entry's shuffles and sounds.
    void At(int n, int km) {
        g.dungeon.number = g.dungeon.entered = n;
        g.dungeon.table[0] = g.dungeon.table[static_cast<size_t>(n)];
        g.player.distanceWalked = km;
        g.player.hp = 100000;
    }
    bool Logged(std::string_view part) const {
        for (const std::string& line : logged)
            if (line.find(part) != std::string::npos) return true;
        return false;
    }
    void Card(int id, std::string name) {
        g.cards[id].name = std::move(name);
        g.cards[id].kind = id < kFirstBattleCard ? 1 : 2;
    }
};

// Each road event comes with its chance: 5 in 6 a road event by Roll(20), 1 in 6 a fight.
TEST_F(WalkTest, RoadEventsOfDungeonTenComeWithTheirChances) {
    At(10, 5);
    g.player.unlockFlags[kFlagShop] = 1;
    std::map<EventCode, int> seen;
    int fights = 0;
    constexpr int kSteps = 60000;
    for (int i = 0; i < kSteps; ++i) {
        g.dungeon.event = EventCode::None;
        g.battle.requestedBattle = -1;
        g.player.distanceWalked = 5;
        GenerateEvent(g);
        ++seen[g.dungeon.event];
        if (g.battle.requestedBattle >= 0) ++fights;
    }
    const double road = 5.0 / 6.0 / 20.0;
    const std::map<EventCode, double> chance = {
        {EventCode::HealingSpring, road * 0.8},
        {EventCode::Camp, road * 0.2},
        {EventCode::SpikedFloor, road * 0.75},
        {EventCode::Crack, road * 0.25},
        {EventCode::SecretChest, road * 0.01},
        {EventCode::IronChest, road * 0.99 * 0.2},
        {EventCode::RedChest, road * 0.99 * 0.8 * 0.2},
        {EventCode::TreasureChest, road * 0.99 * 0.8 * 0.8},
        {EventCode::Cipher, road * 0.8},
        {EventCode::ExchangePlace, road * 0.2},
        {EventCode::Pitfall, road / 6},
        {EventCode::Trap, road},
        {EventCode::Strata, road},
        {EventCode::Tree, 0},
    };
    for (const auto& [event, p] : chance) {
        const double expected = p * kSteps;
        const double tolerance = std::max(4 * std::sqrt(expected) + 1, 0.1 * expected);
        EXPECT_NEAR(seen[event], expected, tolerance) << "event " << static_cast<int>(event);
    }
    EXPECT_NEAR(fights, kSteps / 6.0, 4 * std::sqrt(kSteps / 6.0));
}

TEST_F(WalkTest, StepOntoTheEndBeginsTheBossWithNoEvent) {
    At(1, 38);
    g.player.hunger = 50;
    WalkSteps(g, 5);
    EXPECT_EQ(g.player.distanceWalked, 40);
    EXPECT_EQ(g.battle.requestedBattle, static_cast<int>(kBossEnemy));
    EXPECT_EQ(g.dungeon.event, EventCode::None);
    EXPECT_EQ(g.player.hunger, 49);
    EXPECT_FALSE(Logged("だ！"));
}

TEST_F(WalkTest, GatesStandAtEveryStepUntilOpened) {
    struct Case {
        int dungeon, from, flag;
        EventCode gate;
    };
    for (const Case c : {Case{3, 50, 0, EventCode::RiteGate}, Case{9, 60, 1, EventCode::LostRoadGate},
                         Case{19, 70, 2, EventCode::SealedGate}}) {
        At(c.dungeon, c.from - 1);
        for (int i = 0; i < 20; ++i) {
            g.dungeon.event = EventCode::None;
            GenerateEvent(g);
            EXPECT_NE(g.dungeon.event, c.gate) << c.dungeon << " before its gate";
        }
        for (int km = c.from; km < c.from + 10; ++km) {
            g.player.distanceWalked = km;
            GenerateEvent(g);
            EXPECT_EQ(g.dungeon.event, c.gate) << c.dungeon << " at " << km;
            EXPECT_EQ(g.dungeon.zoomPicture, "door.bmp");
        }
        g.dungeon.gateOpen[static_cast<size_t>(c.flag)] = 1;
        g.dungeon.event = EventCode::None;
        for (int i = 0; i < 20; ++i) {
            g.dungeon.event = EventCode::None;
            GenerateEvent(g);
            EXPECT_NE(g.dungeon.event, c.gate) << c.dungeon << " once open";
        }
    }
}

TEST_F(WalkTest, PassingALevelFourTrapCostsFortyAndOneOrTwo) {
    At(10, 20);
    for (int i = 0; i < 50; ++i) {
        g.dungeon.event = EventCode::Trap;
        g.dungeon.trapLevel = 4;
        const int hp = g.player.hp;
        GenerateEvent(g);
        const int lost = hp - g.player.hp;
        EXPECT_TRUE(lost == 41 || lost == 42) << lost;
        if (g.dungeon.event != EventCode::Trap) {
            EXPECT_EQ(g.dungeon.trapLevel, 0);
        }
        g.player.hp = 100000;
    }
    EXPECT_TRUE(Logged("　トラップ発動!!"));
}

TEST_F(WalkTest, GustMovesTheFirstOfThreeHandCardsAway) {
    Card(1, "足");
    Card(2, "シューズ");
    Card(3, "スニーカー");
    At(1, 5);
    bool gust = false;
    for (int i = 0; i < 20000 && !gust; ++i) {
        g.books.dungeonHand.fill(HandSlot{});
        for (int s = 0; s < 3; ++s) g.books.dungeonHand[static_cast<size_t>(s)].card = s + 1;
        g.books.discard = {};
        logged.clear();
        g.dungeon.event = EventCode::None;
        GenerateEvent(g);
        gust = Logged("....突風だ!!");
    }
    ASSERT_TRUE(gust);
    EXPECT_EQ(HandCount(g, Book::Dungeon), 2);
    EXPECT_EQ(g.books.dungeonHand[0].card, 2);
    EXPECT_EQ(g.books.dungeonHand[1].card, 3);
    EXPECT_TRUE(Logged("　→手札の1枚目のカード【足】が捨札へ移動してしまった"));
}

TEST_F(WalkTest, BloodMarkReturnsHalfTheLostNuggetsOnce) {
    At(2, 10);
    g.player.bloodMarks[2] = 10;
    g.player.bloodMarkNuggets = 6;
    GenerateEvent(g);
    EXPECT_EQ(g.player.goldNuggets, 6);
    EXPECT_EQ(g.player.bloodMarks[2], 0);
    EXPECT_TRUE(Logged("....ロストしていた金塊の半分を回収できた....!!"));
    const int after = g.player.goldNuggets;
    g.dungeon.event = EventCode::None;
    logged.clear();
    GenerateEvent(g);
    EXPECT_FALSE(Logged("血の跡"));
    EXPECT_LE(g.player.goldNuggets - after, 3);  // at most a nugget find of this road
}

TEST_F(WalkTest, DyingOnTheRoadLeavesHalfTheNuggetsOneKmBack) {
    At(2, 12);
    g.player.goldNuggets = 9;
    g.player.hp = 0;
    CheckRunEnd(g);
    EXPECT_EQ(g.player.bloodMarks[2], 11);
    EXPECT_EQ(g.player.bloodMarkNuggets, 4);
    EXPECT_EQ(g.player.goldNuggets, 0);
    EXPECT_EQ(g.screen.Current(), Screen::GameOver);
}

TEST_F(WalkTest, RetireLosesHalfAndChangesTheRest) {
    At(1, 10);
    g.player.goldNuggets = 7;
    g.player.money = 100;
    os.answers = {false};
    EXPECT_FALSE(Retire(g));
    EXPECT_EQ(g.player.goldNuggets, 7);

    EXPECT_TRUE(Retire(g));
    EXPECT_EQ(g.player.money, 104);
    EXPECT_EQ(g.dungeon.number, 0);
    EXPECT_TRUE(Logged("　金塊 3をロストした...."));
    EXPECT_TRUE(Logged("金塊 4gを 4円に換金した"));
}

TEST_F(WalkTest, TimeBonusAndItsEarrings) {
    Card(938, "ﾀｲﾑｸｳｨｰﾝ下瀬の耳飾り");
    for (bool earrings : {false, true}) {
        At(1, 40);
        g.player.score = g.player.scoreCheck = 0;
        g.player.BookContents[938] = earrings ? 1 : 0;
        g.dungeon.entryTime = os.Now();
        os.Advance(100);
        ClearDungeon(g);
        // 40 km: 120 s, or 160 s with the earrings.
        EXPECT_EQ(g.player.score, earrings ? 60 : 20);
        EXPECT_TRUE(ScoreIntact(g));
    }
    EXPECT_EQ(g.player.dungeonClears[1], 2);
    EXPECT_TRUE(Logged("再構成トンネルを 1分 40秒でクリア!!"));
    EXPECT_EQ(g.screen.Current(), Screen::DungeonEscape);
}

TEST_F(WalkTest, LeavingKeepsANewRecordAndRefusesATamperedScore) {
    At(1, 40);
    g.player.score = 50;
    g.player.scoreCheck = 100;
    g.player.highScores[1] = 40;
    LeaveDungeon(g);
    EXPECT_EQ(g.player.highScores[1], 50);
    EXPECT_EQ(g.screen.Current(), Screen::DungeonCleared);

    At(1, 40);
    g.player.score = 50;
    g.player.scoreCheck = 100;
    LeaveDungeon(g);  // a tie is no record
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);

    At(1, 40);
    g.player.score = 90;
    g.player.scoreCheck = 100;  // raised without its shadow
    logged.clear();
    LeaveDungeon(g);
    EXPECT_EQ(g.player.highScores[1], 50);
    EXPECT_TRUE(Logged("?"));
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
    EXPECT_EQ(g.dungeon.number, 0);
}

TEST_F(WalkTest, ListShowsUnlockedDungeonsByDifficulty) {
    for (int d = 1; d <= 4; ++d) g.player.dungeonClears[static_cast<size_t>(d)] = 1;
    OpenScreen(g, Screen::DungeonList);
    std::vector<std::pair<int, std::string>> shown;
    for (const tmenu& item : g.menus.items)
        if (item.visible == 1 && item.screen == g.screen.GameScene && item.param >= 1) shown.emplace_back(item.y * 1000 + item.x, item.caption);
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> names;
    for (const auto& s : shown) names.push_back(s.second);
    EXPECT_EQ(names, (std::vector<std::string>{"再構成トンネル", "はじまりの丘", "リ・テの門", "クラウンボトル", "予感の街・レ"}));
}

TEST_F(WalkTest, EntryStartsTheRunWithItsBonuses) {
    Card(26, "風の靴");
    g.player.BookContents[26] = 1;
    g.player.recentlyObtained[5] = 2;
    g.player.recentlyObtained[6] = 0;
    EnterDungeon(g, 1);
    EXPECT_EQ(g.dungeon.number, 1);
    EXPECT_EQ(g.dungeon.table[0].name, "再構成トンネル");
    EXPECT_EQ(g.player.tp, 50);
    EXPECT_EQ(g.player.recentlyObtained[5], 1);
    EXPECT_EQ(g.player.recentlyObtained[6], 0);
    EXPECT_EQ(g.screen.Current(), Screen::DungeonHand);
    EXPECT_TRUE(Logged("再構成トンネルに入りました"));
}

}  // namespace
}  // namespace kestrilon::testing
