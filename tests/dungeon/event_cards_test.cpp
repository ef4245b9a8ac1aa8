#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "books/books.h"
#include "data/card_database.h"
#include "data/stats.h"
#include "dungeon/cards/event_families.h"
#include "dungeon/dungeon_table.h"
#include "dungeon/walk.h"
#include "persist/new_game.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

constexpr int kRusty = 240;      // 錆びた鍵, a chest key that neither heals nor moves
constexpr int kRiteKey = 297;    // リ・テの門の鍵
constexpr int kLostKey = 296;    // 失われた廃道の門の鍵
constexpr int kSealKey = 255;    // 魔封門の門の鍵
constexpr int kDecode = 222;     // 解読
constexpr int kIntuition = 224;  // 直感
constexpr int kIronKey = 295;
constexpr int kRedKey = 299;
constexpr int kAxe = 507;
constexpr int kTimeAxe = 512;
constexpr int kPick = 521;
constexpr int kTrapTool = 500;

class EventCardsTest : public GameTest {
protected:
    std::vector<std::string> logged;

    void SetUp() override {
        NewGameValues(g);
        FillCardDatabase(g);
        LoadDungeonTable(g);
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
    }
    // Inside dungeon n at km facing `event`, healthy and half fed, with the seven cards in
    // hand that a use leaves and a pile to draw from.
    void At(int n, int km, EventCode event) {
        g.dungeon.number = g.dungeon.entered = n;
        Hand(7);
        g.books.dungeonPile.cards.fill(1);
        g.dungeon.reopenHand = false;
        g.dungeon.table[0] = g.dungeon.table[static_cast<size_t>(n)];
        g.player.distanceWalked = km;
        g.player.baseMaxHp = 1000;
        g.player.hp = MaxHp(g);
        g.player.hunger = 50;
        g.dungeon.event = event;
    }
    void Hand(int cards) {
        g.books.dungeonHand.fill(HandSlot{});
        for (int s = 0; s < cards; ++s) g.books.dungeonHand[static_cast<size_t>(s)].card = 1;
    }
    bool Logged(std::string_view part) const {
        for (const std::string& line : logged)
            if (line.find(part) != std::string::npos) return true;
        return false;
    }
    const titem& Card(int id) const { return g.cards[id]; }
};

// What a card's use added to the collection since `before`.
std::vector<int> Gained(const CardCounts& before, const CardCounts& after) {
    std::vector<int> ids;
    for (int id = 0; id < kCardIds; ++id)
        for (int n = before[static_cast<size_t>(id)]; n < after[static_cast<size_t>(id)]; ++n) ids.push_back(id);
    return ids;
}

TEST_F(EventCardsTest, GateKeyIsSpentForGoodAndItsGateStaysOpen) {
    struct Case {
        int dungeon, from, key;
        size_t flag;
        EventCode gate;
    };
    for (const Case c : {Case{3, 50, kRiteKey, 0, EventCode::RiteGate}, Case{9, 60, kLostKey, 1, EventCode::LostRoadGate},
                         Case{19, 70, kSealKey, 2, EventCode::SealedGate}}) {
        const auto key = static_cast<size_t>(c.key);
        At(c.dungeon, c.from, c.gate);
        g.player.CardCollection[key] = 2;  // a spare copy at home goes too
        g.player.BookContents[key] = 1;
        g.player.BookContents[1] = 30;
        const int bookSize = BookCardCount(g, Book::Dungeon);
        UseGateKey(g, Card(c.key));
        EXPECT_EQ(g.player.CardCollection[key], 0) << c.dungeon;
        EXPECT_EQ(g.player.BookContents[key], 0) << c.dungeon;
        EXPECT_EQ(g.player.BookContents[1], 31) << c.dungeon;
        EXPECT_EQ(BookCardCount(g, Book::Dungeon), bookSize) << c.dungeon;
        EXPECT_EQ(g.dungeon.event, EventCode::None);
        EXPECT_EQ(g.dungeon.gateOpen[c.flag], 1);
        EXPECT_TRUE(Logged("『" + Card(c.key).name + "』はブックからも所持品からも消滅した"));
        for (int km = c.from; km < c.from + 30; ++km) {
            g.player.distanceWalked = km;
            GenerateEvent(g);
            ASSERT_NE(g.dungeon.event, c.gate) << c.dungeon << " at " << km;
        }
        g.dungeon.gateOpen.fill(0);
    }
}

TEST_F(EventCardsTest, GateKeyHeldTwiceInTheBookLeavesNoUnownedCopyBehind) {
    At(3, 50, EventCode::RiteGate);
    g.player.CardCollection[kRiteKey] = 2;
    g.player.BookContents[kRiteKey] = 2;
    g.player.BookContents[1] = 30;
    const int bookSize = BookCardCount(g, Book::Dungeon);
    UseGateKey(g, Card(kRiteKey));
    EXPECT_EQ(g.player.BookContents[kRiteKey], 0);
    EXPECT_EQ(BookCardCount(g, Book::Dungeon), bookSize);
}

TEST_F(EventCardsTest, ChestHoldsTheGateKeyOnlyWhileTheGateIsShutAndTheKeyUnowned) {
    auto keysFound = [&](int dungeon, int owned, int open) {
        int found = 0;
        for (int i = 0; i < 400; ++i) {
            At(dungeon, 20, EventCode::TreasureChest);
            g.dungeon.gateOpen.fill(open);
            g.player.CardCollection[kRiteKey] = owned;
            UseKey(g, Card(kRusty));
            found += g.player.CardCollection[kRiteKey] - owned;
        }
        return found;
    };
    EXPECT_GT(keysFound(3, 0, 0), 40);  // 1 in 5 of 400
    logged.clear();
    EXPECT_EQ(keysFound(3, 1, 0), 0);
    EXPECT_TRUE(Logged("　非常食が入っていた"));
    EXPECT_EQ(keysFound(3, 0, 1), 0);
    EXPECT_EQ(keysFound(2, 0, 0), 0);
}

TEST_F(EventCardsTest, KeyOpensTheChestHealsAndMovesByItsValues) {
    titem key = Card(kRusty);
    key.value = 5;
    key.value2 = 3;
    At(1, 10, EventCode::TreasureChest);
    g.dungeon.table[0].chestPrizes = {};  // outcomes that give no HP or km of their own
    g.player.hp = 100;
    for (int i = 0; i < 50; ++i) {
        const int km = g.player.distanceWalked;
        g.dungeon.event = EventCode::TreasureChest;
        UseKey(g, key);
        EXPECT_EQ(g.dungeon.event, EventCode::None);
        EXPECT_EQ(g.player.distanceWalked, km + 3);
    }
    EXPECT_GE(g.player.hp, 100 + 50 * 5);
    EXPECT_TRUE(Logged("　....何も入っていなかった...."));
    EXPECT_TRUE(Logged("　丸薬が入っていた"));
}

TEST_F(EventCardsTest, BattleOrbsNeedFiveExClears) {
    auto orbsFrom = [&](int exClears, int uses) {
        g.player.exCounts[2] = exClears;
        g.player.battleOrbs[2] = 0;
        for (int i = 0; i < uses; ++i) {
            At(2, 10, EventCode::TreasureChest);
            UseKey(g, Card(kRusty));
        }
        return g.player.battleOrbs[2];
    };
    EXPECT_EQ(orbsFrom(4, 300), 0);
    EXPECT_GT(orbsFrom(5, 300), 10);  // 1 in 10 of 300
    EXPECT_TRUE(Logged("EVENT ITEM【はじまりの丘の戦いの宝珠】を入手した!!"));
}

TEST_F(EventCardsTest, IronAndRedChestTrapsHurtByTheirShareOfMaxHp) {
    struct Case {
        int key;
        int share;
        void (*use)(Game&, const titem&);
    };
    for (const Case c : {Case{kIronKey, 10, &UseIronKey}, Case{kRedKey, 5, &UseRedChest}}) {
        bool trapped = false;
        for (int i = 0; i < 200 && !trapped; ++i) {
            At(4, 10, EventCode::IronChest);
            logged.clear();
            c.use(g, Card(c.key));
            EXPECT_EQ(g.dungeon.event, EventCode::None);
            trapped = Logged("罠だ！！");
            if (trapped) {
                EXPECT_EQ(MaxHp(g) - g.player.hp, MaxHp(g) / c.share + 1) << c.key;
            }
        }
        EXPECT_TRUE(trapped) << c.key;
    }
}

// Every one of the iron chest's five outcomes turns up, each doing only its own thing.
TEST_F(EventCardsTest, IronChestGivesEachOfItsFiveOutcomes) {
    std::set<std::string> seen;
    for (int i = 0; i < 400 && seen.size() < 5; ++i) {
        At(4, 10, EventCode::IronChest);
        g.player.hp = MaxHp(g) / 2;  // room for the herbs to show
        const int hp = g.player.hp;
        const int prize = g.dungeon.table[0].ironChestPrize;
        const int prizeCopies = g.player.CardCollection[static_cast<size_t>(prize)];
        const int nuggets = g.player.goldNuggets;
        logged.clear();
        UseIronKey(g, Card(kIronKey));
        EXPECT_EQ(g.dungeon.event, EventCode::None);
        if (g.player.CardCollection[static_cast<size_t>(prize)] > prizeCopies && !Logged("金塊")) {
            seen.insert("prize");
        } else if (Logged("罠だ！！")) {
            EXPECT_EQ(hp - g.player.hp, MaxHp(g) / 10 + 1);
            seen.insert("trap");
        } else if (Logged("薬草が入っていた")) {
            EXPECT_EQ(g.player.hp - hp, MaxHp(g) / 10 + 1);
            seen.insert("herbs");
        } else if (Logged("非常食が入っていた")) {
            EXPECT_GE(g.player.hunger, 60);
            EXPECT_LE(g.player.hunger, 64);
            seen.insert("rations");
        } else {
            // Nuggets by the difficulty, or one of the chest's two ordinary prizes.
            const int difficulty = g.dungeon.table[0].difficulty;
            if (g.player.goldNuggets > nuggets) {
                EXPECT_GE(g.player.goldNuggets - nuggets, difficulty * 5 + 5);
                EXPECT_LE(g.player.goldNuggets - nuggets, difficulty * 5 + 7);
            }
            seen.insert("nuggets or prize");
        }
        EXPECT_EQ(g.player.hp == hp, !Logged("罠だ！！") && !Logged("薬草が入っていた"));
    }
    EXPECT_EQ(seen.size(), 5u);
}

TEST_F(EventCardsTest, SecretKeyCountsTheTreasureAndGivesIt) {
    At(1, 10, EventCode::SecretChest);
    const int treasure = g.dungeon.table[0].secretTreasure;
    UseSecretKey(g, Card(260));
    EXPECT_EQ(g.player.treasureCounts[1], 1);
    EXPECT_EQ(g.player.CardCollection[static_cast<size_t>(treasure)], 1);
    EXPECT_EQ(g.dungeon.event, EventCode::None);
}

TEST_F(EventCardsTest, TrapToolDisarmsMovesAndNowAndThenFindsThePrize) {
    int prizes = 0;
    for (int i = 0; i < 500; ++i) {
        At(3, 10, EventCode::Trap);
        g.dungeon.trapLevel = 1;
        const int before = g.player.CardCollection[502];
        UseTrapTool(g, Card(kTrapTool));
        EXPECT_EQ(g.dungeon.trapLevel, 0);
        EXPECT_EQ(g.dungeon.event, EventCode::None);
        EXPECT_EQ(g.player.distanceWalked, 10 + Card(kTrapTool).value);
        prizes += g.player.CardCollection[502] - before;
    }
    EXPECT_GT(prizes, 25);
    EXPECT_LT(prizes, 80);
}

TEST_F(EventCardsTest, LessonsComeOnceAndTheAltarOnlyPastTheGate) {
    auto decodeUntilSuccess = [&](int dungeon) {
        for (int i = 0; i < 50; ++i) {
            At(dungeon, 10, EventCode::Cipher);
            logged.clear();
            UseDecoder(g, Card(kDecode));
            if (Logged("暗号の解読に成功！")) return;
        }
        FAIL() << "no success";
    };
    for (int i = 0; i < 20; ++i) decodeUntilSuccess(3);
    EXPECT_EQ(g.player.unlockFlags[kFlagAltar], 0);

    g.dungeon.gateOpen[0] = 1;
    decodeUntilSuccess(3);
    EXPECT_EQ(g.player.unlockFlags[kFlagAltar], 1);
    EXPECT_TRUE(Logged("　あなたは＜祭壇＞の在り処を知った！"));
    decodeUntilSuccess(3);
    EXPECT_FALSE(Logged("祭壇"));

    decodeUntilSuccess(2);
    EXPECT_EQ(g.player.unlockFlags[kFlagSynthesis], 1);
    decodeUntilSuccess(4);
    EXPECT_EQ(g.player.unlockFlags[kFlagBookSorting], 1);
}

// A failed decoding goes nowhere; a success moves by the decoder's value except for 直感,
// on top of a shortcut of 2 to 6 km.
TEST_F(EventCardsTest, DecodersMoveOnlyAfterSuccessAndIntuitionNever) {
    for (const int id : {kDecode, kIntuition}) {
        titem decoder = Card(id);
        decoder.value = 7;
        const int own = id == kIntuition ? 0 : 7;
        for (int i = 0; i < 300; ++i) {
            At(1, 10, EventCode::Cipher);
            logged.clear();
            UseDecoder(g, decoder);
            const int moved = g.player.distanceWalked - 10;
            EXPECT_EQ(g.dungeon.event, EventCode::None);
            if (Logged("暗号の解読に失敗....！")) {
                EXPECT_EQ(moved, 0);
            } else if (Logged("　近道が書かれてあった！")) {
                EXPECT_GE(moved - own, 2) << id;
                EXPECT_LE(moved - own, 6) << id;
            } else {
                EXPECT_EQ(moved, own) << id;
            }
        }
    }
}

TEST_F(EventCardsTest, DecodingRefillsTheHandToSevenOnlyFromSixOrFewer) {
    for (const int held : {7, 3}) {
        bool refilled = false;
        for (int i = 0; i < 2000 && !refilled; ++i) {
            At(1, 10, EventCode::Cipher);
            Hand(held);
            logged.clear();
            UseDecoder(g, Card(kIntuition));
            refilled = Logged("　不思議な力によって手札が補充");
            if (refilled || Logged("　何も起こらなかった")) {
                EXPECT_EQ(HandCount(g, Book::Dungeon), 7);
                EXPECT_EQ(g.dungeon.reopenHand, held == 3);
                break;
            }
        }
        EXPECT_EQ(refilled, held == 3);
    }
}

TEST_F(EventCardsTest, DecodingBoostsAndExchangesStayInTheirBounds) {
    bool boosted = false, regenerating = false, exchanged = false;
    for (int i = 0; i < 3000; ++i) {
        At(5, 10, EventCode::Cipher);  // difficulty 3
        g.combatants[kPlayerRow].status = {};
        g.player.goldNuggets = 3;
        g.player.money = 0;
        UseDecoder(g, Card(kIntuition));
        const StatusBlock& s = g.combatants[kPlayerRow].status;
        for (const Status* boost : {&s.evasionUp, &s.accuracyUp, &s.defenceUp, &s.spiritUp, &s.attackUp, &s.knowledgeUp}) {
            if (!boost->Active()) continue;
            boosted = true;
            EXPECT_LE(boost->counter, 4);
            EXPECT_GE(boost->strength, 10);
            EXPECT_LE(boost->strength, 14);
        }
        if (s.autoHeal.Active() || s.autoMagic.Active()) {
            regenerating = true;
            EXPECT_LE(s.autoHeal.counter, 2);
            EXPECT_LE(s.autoMagic.counter, 1);
        }
        if (g.player.money > 0) {
            exchanged = true;
            EXPECT_EQ(g.player.money + g.player.goldNuggets, 3);
        }
    }
    EXPECT_TRUE(boosted);
    EXPECT_TRUE(regenerating);
    EXPECT_TRUE(exchanged);
}

TEST_F(EventCardsTest, WoodAndStrataYieldTheirDungeonsCardsOrFallBack) {
    struct Case {
        int dungeon;
        int tool;
        EventCode event;
        int32_t CardTerms::*dungeonOf;
        std::set<int> fallbacks;
        void (*use)(Game&, const titem&);
    };
    const Case cases[] = {
        {2, kAxe, EventCode::Tree, &CardTerms::treeDungeon, {}, &UseAxe},
        {1, kAxe, EventCode::Tree, &CardTerms::treeDungeon, {1009, 1500, 1600}, &UseAxe},
        {4, kPick, EventCode::Strata, &CardTerms::strataDungeon, {}, &UsePick},
        {1, kPick, EventCode::Strata, &CardTerms::strataDungeon, {1510, 1004, 1750}, &UsePick},
    };
    for (const Case& c : cases) {
        int found = 0;
        for (int i = 0; i < 60; ++i) {
            At(c.dungeon, 10, c.event);
            const CardCounts before = g.player.CardCollection;
            c.use(g, Card(c.tool));
            EXPECT_EQ(g.dungeon.event, EventCode::None);
            EXPECT_EQ(g.player.distanceWalked, 11);
            EXPECT_EQ(g.player.hunger, 49);
            for (const int id : Gained(before, g.player.CardCollection)) {
                ++found;
                if (c.fallbacks.empty()) {
                    EXPECT_EQ(CardTermsOf(id).*c.dungeonOf, c.dungeon) << id;
                } else {
                    EXPECT_TRUE(c.fallbacks.contains(id)) << id;
                }
            }
        }
        EXPECT_GT(found, 30) << c.dungeon;  // 4 in 5 of 60
    }
}

TEST_F(EventCardsTest, TimeAxeSometimesDoublesTheWood) {
    g.player.BookContents[kTimeAxe] = 1;
    int doubled = 0;
    for (int i = 0; i < 300; ++i) {
        At(2, 10, EventCode::Tree);
        const CardCounts before = g.player.CardCollection;
        UseAxe(g, Card(kAxe));
        const std::vector<int> gained = Gained(before, g.player.CardCollection);
        ASSERT_LE(gained.size(), 2u);
        if (gained.size() == 2) {
            EXPECT_EQ(gained[0], gained[1]);
            ++doubled;
        }
    }
    EXPECT_GT(doubled, 40);  // 4/5 x 1/3 of 300
}

}  // namespace
}  // namespace kestrilon::testing
