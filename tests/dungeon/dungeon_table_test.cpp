#include <gtest/gtest.h>

#include <set>
#include <string>

#include "content/content_problems.h"
#include "data/catalogue.h"
#include "dungeon/dungeon_table.h"
#include "state/card_codes.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

const CardRow& Row(int id) {
    const CardRow* row = CatalogueRow(id);
    EXPECT_TRUE(row != nullptr && !row->name.empty()) << "card " << id;
    static const CardRow none{};
    return row ? *row : none;
}

bool Rare(const CardRow& c) { return c.isRare >= 1 || c.isUltraRare >= 1; }

// A prize a chest can hand out: bought or found, never a slot, calling, lure or paid card.
void ExpectOrdinaryPrize(int id, const DungeonRow& d) {
    const CardRow& c = Row(id);
    EXPECT_EQ(c.isSeries + c.isCalling + c.isLure + c.isPaid + c.isTreasure + c.isSecret, 0) << d.name << " " << c.name;
    EXPECT_TRUE(c.price > 0 || Rare(c)) << d.name << " " << c.name << " has no price and is not rare";
}

TEST(DungeonTable, TwentyOneDungeonsWithTheirFixedColumns) {
    ASSERT_EQ(DungeonRows().size(), 21u);
    for (size_t k = 0; k < DungeonRows().size(); ++k) EXPECT_EQ(DungeonRows()[k].number, static_cast<int>(k) + 1);
    const DungeonRow& d10 = DungeonRows()[9];
    EXPECT_EQ(d10.name, "ヒルトン炭鉱");
    EXPECT_EQ(d10.length, 110);
    EXPECT_EQ(d10.difficulty, 6);
    EXPECT_EQ(d10.requiredDungeon, 8);
    EXPECT_EQ(d10.strata, 1);
    EXPECT_EQ(DungeonRows()[20].picture, "hill_white.jpg");
    EXPECT_EQ(DungeonRows()[0].requiredDungeon, 0);
}

TEST(DungeonTable, EveryPrizeIsACardThatFitsTheDifficulty) {
    for (const DungeonRow& d : DungeonRows()) {
        std::set<int> seen;
        auto distinct = [&](int id) {
            if (id != 0) {
                EXPECT_TRUE(seen.insert(id).second) << d.name << " names card " << id << " twice";
            }
        };
        for (int id : d.chestPrizes) {
            ASSERT_NE(id, 0) << d.name;
            ExpectOrdinaryPrize(id, d);
            distinct(id);
            const CardRow& c = Row(id);
            if (d.difficulty <= 3) {
                EXPECT_TRUE(!Rare(c) && c.price <= 1000) << d.name << " " << c.name;
            }
            if (d.difficulty >= 4 && d.difficulty <= 7 && id != d.chestPrizes[5]) {
                EXPECT_TRUE(!Rare(c) && c.price <= 4000) << d.name << " " << c.name;
            }
            if (d.difficulty >= 8 && id != d.chestPrizes[5]) {
                EXPECT_TRUE(Rare(c) || c.price >= 2000) << d.name << " " << c.name;
            }
        }
        for (int id : {d.cipherPrize, d.trapPrize}) {
            ExpectOrdinaryPrize(id, d);
            distinct(id);
            if (d.difficulty <= 3) {
                EXPECT_TRUE(!Rare(Row(id)) && Row(id).price <= 1000) << d.name << " " << id;
            }
        }
        for (int id : {d.ironChestPrize, d.redChestPrize}) {
            distinct(id);
            if (id == 0) continue;
            ExpectOrdinaryPrize(id, d);
            if (d.difficulty >= 8) {
                EXPECT_TRUE(Rare(Row(id))) << d.name << " " << id;
            }
            if (d.difficulty <= 3) {
                EXPECT_FALSE(Rare(Row(id))) << d.name << " " << id;
            }
        }
    }
}

TEST(DungeonTable, SecretTreasuresAndTheirKeys) {
    for (const DungeonRow& d : DungeonRows()) {
        if (d.number >= 16 && d.number <= 20) {
            EXPECT_EQ(d.secretTreasure, 0) << d.name;
            EXPECT_EQ(d.secretKey, 0) << d.name;
            continue;
        }
        EXPECT_EQ(Row(d.secretTreasure).isSecret, 1) << d.name;
        const int key = d.number == 21 ? 275 : 259 + d.number;
        EXPECT_EQ(d.secretKey, key) << d.name;
        EXPECT_EQ(CodeOf(Row(d.secretKey).action), CodeOf(DungeonEffect::SecretKey)) << d.name;
    }
}

TEST(DungeonTable, ContentCheckFindsNoProblemInItsReferences) {
    EXPECT_TRUE(CardReferenceProblems(DungeonCardReferences()).empty());
    // A wrong kind is caught: a battle card passed off as a key.
    const CardReference wrong[] = {CardWithId(1101, CardKind::Dungeon, "test")};
    EXPECT_EQ(CardReferenceProblems(wrong).size(), 1u);
}

class DungeonLoad : public GameTest {};

TEST_F(DungeonLoad, FillsRecordsOneToTwentyOneOnly) {
    g.dungeon.table[50].name = "stale";
    LoadDungeonTable(g);
    EXPECT_TRUE(g.dungeon.table[0].name.empty());
    EXPECT_EQ(g.dungeon.table[3].name, "リ・テの門");
    EXPECT_EQ(g.dungeon.table[3].secretKey, 262);
    EXPECT_EQ(g.dungeon.table[20].length, 400);
    EXPECT_TRUE(g.dungeon.table[22].name.empty());
    EXPECT_TRUE(g.dungeon.table[50].name.empty());
}

}  // namespace
}  // namespace kestrilon::testing
