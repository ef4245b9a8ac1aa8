#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "battle/enemy_table.h"
#include "enemy_fixture.h"

namespace kestrilon {
namespace {

using testing::EnemyTest;

struct TellingRow {
    int id;
    std::string_view name, image;
    int level, hp;
    std::array<int, 6> stats;
    std::array<int, 2> drops;
    std::vector<std::string_view> attributes;  // field names; "magicWeakness" for the weakness
    std::array<int, 4> dungeons;
    std::array<int, 5> actions;
};

const std::vector<TellingRow> kTellingRows = {
    {1, "訓練生", "unit0.bmp", 0, 1, {1, 0, 0, 0, 0, 0}, {1610, 0}, {}, {1, 2}, {1000, 1800, 1004}},
    {2, "訓練二年生", "unit1.bmp", 1, 2, {1, 0, 0, 0, 1, 1}, {1004, 0}, {}, {2, 3}, {1000, 1500, 1004, 1800}},
    {3, "フライリーフ", "leaf.bmp", 0, 1, {0, 0, 0, 0, 0, 0}, {1600, 0}, {"meleeResistance"}, {1, 2},
     {1000, 1600, 1004, 1800}},
    {5, "体術士", "unit2.bmp", 2, 4, {2, 1, 0, 0, 1, 1}, {2101, 0}, {"magicWeakness"}, {3, 4},
     {1000, 1650, 1700, 1502}},
    {6, "アメーバ", "unit101.bmp", 2, 3, {1, 1, 0, 1, 1, 1}, {1660, 0}, {"water"}, {3, 4, 11},
     {1000, 1500, 1660, 1701}},
    {8, "クラウン魔", "crown.bmp", 3, 4, {1, 0, 3, 3, 2, 2}, {1200, 0}, {"magicResistance"}, {4, 5},
     {1000, 1200, 1004, 1699}},
    {9, "ガンマン", "unit4.bmp", 4, 6, {4, 2, 0, 0, 4, 3}, {1300, 0}, {}, {5, 6, 11}, {1302, 1300, 1610, 1500, 1310}},
    {10, "精霊の子", "unit102.bmp", 4, 6, {3, 1, 2, 3, 2, 2}, {1520, 0}, {"wind"}, {5, 6}, {1000, 1520, 1698, 1009}},
    {13, "蝙蝠", "unit107.bmp", 5, 8, {5, 4, 4, 0, 5, 4}, {1204, 0}, {"dark", "meleeResistance"}, {6, 7},
     {1001, 1760, 1204, 1205}},
    {16, "朱雀", "unit122.bmp", 8, 14, {8, 6, 4, 2, 7, 6}, {1350, 0}, {"fire", "meleeResistance"}, {7, 8},
     {1024, 1353, 1351, 1352}},
    {19, "天使", "unit10.bmp", 8, 16, {7, 3, 6, 7, 6, 7}, {1690, 0}, {"light", "meleeResistance"}, {9, 13, 15},
     {1598, 1597, 1692, 1523, 1214}},
    {20, "スモッグ", "unit105.bmp", 8, 14, {7, 5, 7, 3, 6, 9}, {1850, 0}, {"thunder", "physicalResistance"},
     {9, 10, 13}, {1211, 1354, 1851, 1710}},
    {21, "ナイト", "unit17.bmp", 10, 24, {11, 9, 0, 8, 9, 9}, {1499, 0}, {"light"}, {10, 12},
     {1653, 1654, 1041, 1044, 1045}},
    {22, "火の玉", "unit103.bmp", 10, 22, {12, 8, 12, 0, 10, 10}, {1853, 0}, {"fire"}, {10, 12},
     {1216, 1208, 1021, 1852, 1213}},
    {23, "ガウラ", "unit111.bmp", 5, 7, {4, 2, 3, 0, 3, 1}, {1720, 351}, {"earth", "poisonImmunity"}, {11, 12},
     {1054, 1694, 1702, 1720, 1056}},
    {25, "火の召喚士", "unit18.bmp", 11, 25, {9, 9, 13, 13, 11, 11}, {1790, 1853}, {"fire"}, {12, 13, 15},
     {0, 1820, 1212, 1693, 1824}},
    {31, "DRAGOON!!", "unit108.bmp", 13, 40, {18, 15, 0, 4, 15, 13}, {1640, 0},
     {"earth", "meleeResistance", "poisonImmunity"}, {14, 16, 17}, {1027, 1026, 1073, 1074, 1213}},
    {32, "水の召喚士", "unit18.bmp", 13, 34, {13, 13, 15, 14, 12, 14}, {1790, 1765}, {"water"}, {14, 16},
     {0, 1822, 1212, 1520, 1827}},
    {36, "闇からの使者", "unit51.bmp", 14, 50, {25, 20, 20, 20, 20, 20}, {1797, 0}, {"dark"}, {16, 17, 18},
     {1086, 1830, 1797, 1231, 1832}},
    {39, "大槍術士", "unit65.bmp", 15, 60, {33, 25, 30, 25, 26, 22}, {0, 0}, {"thunder", "rangedResistance"},
     {17, 18, 20}, {1087, 1084, 1083, 1082, 1110}},
    {42, "封印魔術士 ", "unit42.bmp", 14, 41, {18, 17, 20, 17, 17, 17}, {0, 0}, {}, {19, 20},
     {1119, 1249, 1248, 1118, 1120}},
    {44, "テレパス", "unit_tel.bmp", 17, 100, {45, 35, 50, 35, 38, 24}, {0, 0}, {"magicResistance"}, {20},
     {1251, 1798, 1970, 1973, 1972}},
    {45, "ロボット", "unit_robo.bmp", 17, 100, {50, 35, 50, 35, 40, 25}, {0, 0},
     {"rangedResistance", "poisonImmunity"}, {20}, {1971, 1322, 1794, 1793, 1323}},
    {46, "スノウリーフ", "unit_snow.bmp", 6, 11, {6, 4, 7, 6, 6, 4}, {1715, 0}, {"ice", "meleeResistance"}, {21, 7},
     {1715, 1255, 1368, 1369}},
    {47, "アイスマン", "unit110.bmp", 7, 12, {7, 5, 7, 1, 5, 5}, {1368, 0}, {"ice"}, {21, 8},
     {1027, 1257, 1206, 1260, 1324}},
};

std::set<std::string_view> AttributesOf(const EnemyTemplate& e) {
    std::set<std::string_view> set;
    for (const AttributeField& field : EnemyAttributeFields()) {
        if (e.*field.member > 0) set.insert(field.name);
    }
    if (e.magicWeakness > 0) set.insert("magicWeakness");
    return set;
}

bool NoStatus(const StatusBlock& s) {
    const StatusBlock none{};
    return std::memcmp(&s, &none, sizeof s) == 0;
}

TEST_F(EnemyTest, WrittenRowsHoldEveryFieldAsListed) {
    for (const TellingRow& row : kTellingRows) {
        SCOPED_TRACE(row.id);
        const EnemyTemplate& e = Enemy(row.id);
        EXPECT_EQ(e.name, row.name);
        EXPECT_EQ(e.image, row.image);
        EXPECT_EQ(e.level, row.level);
        EXPECT_EQ(e.hp, row.hp);
        EXPECT_EQ((std::array<int, 6>{e.attack, e.defence, e.intelligence, e.spirit, e.accuracy, e.evasion}), row.stats);
        EXPECT_EQ((std::array<int, 4>{row.drops[0], row.drops[1], 0, 0}), e.drops);
        EXPECT_EQ(AttributesOf(e), std::set<std::string_view>(row.attributes.begin(), row.attributes.end()));
        EXPECT_EQ(e.homeDungeons, row.dungeons);
        EXPECT_EQ(e.actions, row.actions);
        EXPECT_EQ(e.kind, kOrdinaryEnemy);
        EXPECT_EQ(e.noRandom, 0);
    }
    // The second gunman, and the two names that end with a blank.
    EXPECT_EQ(Enemy(41).name, "ガンマン");
    EXPECT_EQ(Enemy(41).image, "unit60.bmp");
    EXPECT_EQ(Enemy(41).level, 16);
    EXPECT_EQ(Enemy(41).hp, 80);
    EXPECT_EQ(AttributesOf(Enemy(41)), std::set<std::string_view>{"rangedResistance"});
    EXPECT_EQ(Enemy(43).name, "クグワ ");
}

TEST_F(EnemyTest, OnlyTheBombChildAndTheKnightStartWithAStatus) {
    EXPECT_EQ(Enemy(10).status.bomb.counter, 6);
    EXPECT_EQ(Enemy(21).status.autoHeal.counter, 5);
    EXPECT_EQ(Enemy(21).status.autoHeal.strength, 2);
    for (int id = 0; id < kEnemyTemplates; ++id) {
        if (id != 10 && id != 21) {
            EXPECT_TRUE(NoStatus(Enemy(id).status)) << id;
        }
    }
}

TEST_F(EnemyTest, IdsOneToFortySevenExistAndTheirIdsAreSetBelowAHundred) {
    for (int id = 0; id < kEnemyTemplates; ++id) {
        EXPECT_EQ(Enemy(id).Exists(), id >= 1 && id <= 47) << id;
        EXPECT_EQ(Enemy(id).templateId, id < 100 ? id : 0) << id;
    }
    EXPECT_FALSE(g.enemies.blank.Exists());
}

TEST_F(EnemyTest, LevelsAndHitPointsStayInTheirRangesAndTheTunnelHoldsOnlyLevelZero) {
    int lowest = 100, highest = -1, fewestHp = 1000, mostHp = 0;
    for (int id = 1; id <= 47; ++id) {
        const EnemyTemplate& e = Enemy(id);
        lowest = std::min(lowest, e.level);
        highest = std::max(highest, e.level);
        fewestHp = std::min(fewestHp, e.hp);
        mostHp = std::max(mostHp, e.hp);
        if (LivesIn(e, 1)) {
            EXPECT_EQ(e.level, 0) << id;
        }
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 17);
    EXPECT_EQ(fewestHp, 1);
    EXPECT_EQ(mostHp, 100);
}

// The rows we authored ourselves: an elemental move always matches one of the enemy's own
// elements, and every summoner can summon.
TEST_F(EnemyTest, AuthoredRowsUseMovesOfTheirOwnElementAndSummonersSummon) {
    std::set<int> written;
    for (const TellingRow& row : kTellingRows) written.insert(row.id);
    for (int id = 1; id <= 47; ++id) {
        const EnemyTemplate& e = Enemy(id);
        std::set<int> elements;
        for (const AttributeField& field : EnemyAttributeFields()) {
            if (e.*field.member > 0 && field.element != 0) elements.insert(field.element);
        }
        bool summons = false;
        for (int card : e.actions) {
            if (card == 0) continue;
            summons |= g.cards[card].action == CodeOf(BattleAction::Summon);
            const int element = g.cards[card].element;
            if (!written.count(id) && element != 0) {
                EXPECT_TRUE(elements.count(element)) << id << " uses " << card;
            }
        }
        if (e.name.find("召喚士") != std::string::npos) {
            EXPECT_TRUE(summons) << id;
        }
    }
}

TEST_F(EnemyTest, ClearingTheSlotsLeavesThePlayersRow) {
    g.combatants[kPlayerRow].name = "あなた";
    for (int row = kFirstEnemyRow; row <= kLastEnemyRow; ++row) g.combatants[row] = Enemy(row % 47 + 1);
    ClearEnemySlots(g);
    EXPECT_EQ(Occupied(), 0);
    EXPECT_EQ(g.combatants[kPlayerRow].name, "あなた");
}

}  // namespace
}  // namespace kestrilon
