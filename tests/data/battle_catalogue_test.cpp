#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/card_database.h"
#include "data/catalogue.h"
#include "data/catalogue_fixture.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {


constexpr int kLastBattleCard = 2328;

// Actions after which the battle asks "誰を攻撃しますか"; every other action takes effect at once.
const std::set<int> kTargetedActions = {100, 103, 104, 107, 109, 110, 111, 112, 200, 202, 206, 207,
                                        800, 801, 802, 803, 804, 805, 807, 808, 810, 812, 813, 815};
const std::set<int> kEnemyOnlyActions = {605, 921};


bool DealsDamage(int action) { return (action >= 100 && action <= 112) || (action >= 200 && action <= 208); }

class BattleCatalogueTest : public testing::FilledCatalogueTest {
protected:
    const titem& Named(std::string_view name) {
        EXPECT_GE(CardIdByName(g, name), kFirstBattleCard) << name << " should be a battle card";
        return FilledCatalogueTest::Named(name);
    }
    template <typename F>
    void ForEachBattleCard(F f) {
        for (int id = kFirstBattleCard; id <= kLastBattleCard; ++id) {
            const titem& card = Card(id);
            if (!card.Exists()) continue;
            SCOPED_TRACE(std::to_string(id) + " " + card.name);
            f(id, card);
        }
    }
    static std::vector<const CardRow*> Rows() {
        std::vector<const CardRow*> rows;
        for (std::span<const CardRow> group : BattleCatalogue()) {
            for (const CardRow& row : group) rows.push_back(&row);
        }
        return rows;
    }
};

TEST_F(BattleCatalogueTest, CountsOfTheBattleHalf) {
    int named = 0;
    int withoutPicture = 0;
    std::set<std::string> pictures;
    ForEachBattleCard([&](int, const titem& card) {
        ++named;
        EXPECT_EQ(card.kind, 2);
        if (card.image.empty()) {
            ++withoutPicture;
        } else {
            pictures.insert(card.image);
        }
    });
    EXPECT_EQ(named, 574);
    EXPECT_EQ(pictures.size(), 226u);
    EXPECT_EQ(withoutPicture, 92);
    for (int id = kLastBattleCard + 1; id < kCardIds; ++id) {
        EXPECT_FALSE(Card(id).Exists()) << id;
    }

    std::set<std::string> names;
    for (const CardRow* row : Rows()) {
        EXPECT_TRUE(names.insert(std::string(row->name)).second) << "two battle rows named " << row->name;
    }
}

TEST_F(BattleCatalogueTest, StatedCountsOfTheRarerFields) {
    int targetless = 0;
    int enemyOnly = 0;
    int sorted = 0;
    std::map<int, int> aux1;
    std::map<int, int> aux2;
    std::set<std::string> gifts;
    std::set<std::string> snakes;
    ForEachBattleCard([&](int, const titem& card) {
        if (card.noTarget == 1) ++targetless;
        if (card.noTarget == -1) ++enemyOnly;
        if (card.sortValue != 0) {
            ++sorted;
            EXPECT_GE(card.sortValue, 1);
            EXPECT_LE(card.sortValue, 16);
        }
        if (card.aux1 != 0) ++aux1[card.aux1];
        if (card.aux2 != 0) ++aux2[card.aux2];
        if (card.isAbilityGift >= 1) gifts.insert(card.name);
        if (card.isSnake >= 1) snakes.insert(card.name);
        EXPECT_EQ(card.isRecycle, 0) << "recycling is a dungeon matter";
    });
    EXPECT_EQ(targetless, 262);
    EXPECT_EQ(enemyOnly, 4);
    EXPECT_EQ(sorted, 116);
    int aux1Cards = 0;
    for (const auto& [value, count] : aux1) aux1Cards += count;
    EXPECT_EQ(aux1Cards, 6);
    EXPECT_EQ(aux1.size(), 3u);
    EXPECT_TRUE(aux1.count(4) && aux1.count(8) && aux1.count(10));
    int aux2Cards = 0;
    for (const auto& [value, count] : aux2) aux2Cards += count;
    EXPECT_EQ(aux2Cards, 10);
    EXPECT_EQ(aux2.size(), 5u);
    for (int value : {2, 7, 12, 13, 14}) EXPECT_EQ(aux2.count(value), 1u) << value;
    EXPECT_EQ(gifts, (std::set<std::string>{"イリアのカード", "カランのカード", "ヒルトンのカード"}));
    EXPECT_EQ(snakes, (std::set<std::string>{"蛇", "スネイク", "アナコンダ"}));
}

// The rows the battle is tuned around, as they stand at level 0.
TEST_F(BattleCatalogueTest, TellingRows) {
    const testing::TellingRow rows[] = {
        {1001, "牙", "card_kiba.jpg", 100, 2, 85, 10, 0},
        {1029, "でこぴんLv3", "card_deko.jpg", 100, 7, 90, 1, 0},
        {1033, "ジェイルの鞭", "card_muti.jpg", 108, 4, 90, 1, 2000},
        {1200, "ヴァハ", "card_fire.jpg", 200, 2, 100, 10, 0},
        {1205, "吸血", "card_blood.jpg", 202, 1, 80, 3, 700},
        {1237, "ヤマ", "card_yama.jpg", 202, 15, 90, 1, 0},
        {1303, "鉄の弾", "card_bulet_n.jpg", 100, 3, 70, 4, 700},
        {1350, "木の矢", "card_ya.jpg", 107, 1, 60, 10, 0},
        {1484, "２９", "card_29.jpg", 600, 100, 0, 1, 0},
        {1553, "プリティーヴィー", "card_ridu.jpg", 603, 100, 0, 1, 0},
        {1640, "龍木", "card_hinoki.jpg", 702, 10, 10, 5, 0},
        {1800, "ニヒル", "card_nil.jpg", 900, 0, 0, 10, 0},
        {1820, "イリューガー", "card_fire_kemono.jpg", 920, 4, 100, 1, 3000},
        {2207, "木の弓", "card_yumi.jpg", 0, 0, 0, 1, 1000},
        {2325, "逆光のペンダント", "", 0, 0, 0, 1, 0},
    };
    testing::ExpectTellingRows(g.cards, rows, 2);
    const titem& finger = Card(1000);
    EXPECT_EQ(finger.name, "指");
    EXPECT_EQ(finger.image, "card_yubi.jpg");
    EXPECT_EQ(finger.text, "物理攻撃:1 命中:90 ");
    EXPECT_EQ(finger.maxCopies, g.player.CardCollection[1000]) << "as many as a full book holds";

    EXPECT_EQ(Card(1029).tpCost, 100);
    EXPECT_EQ(Card(1029).str, 1);
    EXPECT_EQ(Card(1029).maxHp, 3);
    EXPECT_EQ(Card(1033).sound, "muti.wav");
    EXPECT_EQ(Card(1033).value3, 2);
    EXPECT_EQ(Card(1033).tpCost, 45);
    EXPECT_EQ(Card(1033).element, 6);
    EXPECT_EQ(Card(1200).sound, "magic.wav");
    EXPECT_EQ(Card(1200).mpCost, 1);
    EXPECT_EQ(Card(1200).element, 2);
    EXPECT_EQ(Card(1205).sound, "kyuusyuu.wav");
    EXPECT_EQ(Card(1205).mpCost, 2);
    EXPECT_EQ(Card(1205).element, 9);
    const titem& iron = Card(1303);
    EXPECT_TRUE(iron.isBullet == 1 && iron.isRanged == 1 && iron.sound == "gun.wav" && iron.effectGroup == 552);
    const titem& wood = Card(1350);
    EXPECT_TRUE(wood.isArrow == 1 && wood.isRanged == 1 && wood.sound == "ya.wav");
    EXPECT_EQ(Card(1484).tpCost, 100);
    EXPECT_EQ(Card(1484).element, 1);
    EXPECT_EQ(Card(1484).maxHp, 100);
    EXPECT_EQ(Card(1640).text, "10ﾀｰﾝの間、最大HP+10 ");
    EXPECT_EQ(Card(1800).isSeries, 1);
    EXPECT_EQ(Card(1800).text, "何もしない ");
    EXPECT_EQ(Card(1820).mpCost, 40);
    EXPECT_EQ(Card(1820).critical, 5);
    EXPECT_EQ(Card(1820).material, 1853);
    EXPECT_TRUE(Card(2207).isBow == 1 && Card(2207).isAbility == 1);
    EXPECT_EQ(Card(2325).isAbility, 1);
    EXPECT_EQ(Card(2325).maxHp, 20);
}

TEST_F(BattleCatalogueTest, EveryActionCodeEveryElementAndTheTargetRule) {
    std::set<int> actions;
    std::set<int> elements;
    ForEachBattleCard([&](int id, const titem& card) {
        actions.insert(card.action);
        elements.insert(card.element);
        if (kEnemyOnlyActions.count(card.action)) {
            EXPECT_EQ(card.noTarget, -1);
        } else if (card.action == 0 || kTargetedActions.count(card.action)) {
            EXPECT_EQ(card.noTarget, 0);
        } else {
            EXPECT_EQ(card.noTarget, 1);
        }
        EXPECT_FALSE(card.text.empty() || card.text == " ") << "a player reads from the text what it does";
        if (id != 1000) {
            EXPECT_GE(card.maxCopies, 1);
            EXPECT_LE(card.maxCopies, 10);
        }
        EXPECT_GE(card.tpCost, 0);
        EXPECT_LE(card.tpCost, 100) << "TP never exceeds 100";
        EXPECT_EQ(card.name.starts_with("★"), card.isSpecialMove >= 1);
        if (card.name.starts_with("蒼燐の") || card.name.starts_with("ｱｽﾞﾘｵの") || card.name.starts_with("☆")) {
            EXPECT_EQ(card.isSeries, 1);
        }
    });
    EXPECT_EQ(actions, std::set<int>(kBattleActionCodes.begin(), kBattleActionCodes.end()));
    EXPECT_EQ(elements, std::set<int>(kElementCodes.begin(), kElementCodes.end()));
}

// Each action reads its numbers from fixed fields: hit rates, hit counts, turns and strengths.
TEST_F(BattleCatalogueTest, FamiliesCarryTheNumbersTheirActionsRead) {
    const std::set<int> multiHit = {102, 108, 109, 112, 205};
    const std::set<int> timedWithStrength = {700, 701, 702, 705, 706, 709, 710, 718, 720, 723, 725, 726, 733,
                                             800, 801, 802, 803, 804, 805, 806, 807, 808, 809, 813, 816};
    const std::set<int> timedOnly = {717, 719, 724, 734, 811};
    const std::set<int> charges = {711, 712, 713, 714, 715, 716, 727, 728, 729, 730, 731, 732};
    const std::set<int> amounts = {600, 601, 602, 603, 606, 607, 608, 609, 722, 810, 815, 902, 922};
    ForEachBattleCard([&](int, const titem& card) {
        const int a = card.action;
        if (DealsDamage(a) && a != 206 && a != 208) {
            EXPECT_GE(card.value2, 1) << "hit rate";
            EXPECT_LE(card.value2, 100) << "hit rate";
            if (a != 111 && a != 207) {
                EXPECT_GE(card.value, 1) << "power";
            }
        }
        if (multiHit.count(a)) {
            EXPECT_GE(card.value3, 1) << "hit count";
        }
        if (timedWithStrength.count(a)) {
            EXPECT_GE(card.value2, 1) << "turns";
            EXPECT_GE(card.value, 1) << "strength";
        }
        if (timedOnly.count(a)) {
            EXPECT_GE(card.value2, 1) << "turns";
        }
        if (charges.count(a)) {
            EXPECT_GE(card.value, 1) << "charges";
        }
        if (amounts.count(a)) {
            EXPECT_GE(card.value, 1) << "amount";
        }
        if (a == 902) {
            EXPECT_GE(card.value2, 1) << "fullness";
        }
        if (a == 920) {
            EXPECT_TRUE(card.value >= 0 && card.value <= 9) << "spirit kind";
        }
        if (a == 921) {
            EXPECT_TRUE(card.value >= 1 && card.value <= 47) << "enemy template";
        }
        if (a == 249) {
            EXPECT_NE(card.text.find("精霊付与+1"), std::string::npos) << "the chain reads it";
        }
        if (a >= 600 && a <= 609 && a != 605) {
            const bool listed = card.text.find("回復") != std::string::npos ||
                                card.text.find("置換") != std::string::npos ||
                                card.text.find("解除") != std::string::npos;
            EXPECT_TRUE(listed) << "the recovery filter lists it by its text";
        }
        if (card.isArrow >= 1) {
            EXPECT_EQ(card.isRanged, 1);
            EXPECT_EQ(card.effectGroup, 553);
        }
        if (card.isBullet >= 1) {
            EXPECT_EQ(card.isRanged, 1);
        }
        if (card.isBow >= 1 || card.isGun >= 1) {
            EXPECT_EQ(card.isAbility, 1);
            EXPECT_NE(card.text.find("戦闘開始時に手札に入る"), std::string::npos);
        }
    });
}

// Ids the other tables of the game refer to, with the kind of card each use needs.
TEST_F(BattleCatalogueTest, EveryReferencedIdIsNamedAndOfTheRightKind) {
    // The enemy table: four ordinary moves and a special move, then the drops.
    struct EnemyCards {
        std::string_view enemy;
        std::array<int, 5> actions;
        std::array<int, 2> drops;
    };
    const EnemyCards enemies[] = {
        {"訓練生", {1000, 1800, 1004, 0, 0}, {1610, 0}},
        {"訓練二年生", {1000, 1500, 1004, 1800, 0}, {1004, 0}},
        {"フライリーフ", {1000, 1600, 1004, 1800, 0}, {1600, 0}},
        {"体術士", {1000, 1650, 1700, 1502, 0}, {2101, 0}},
        {"アメーバ", {1000, 1500, 1660, 1701, 0}, {1660, 0}},
        {"クラウン魔", {1000, 1200, 1004, 1699, 0}, {1200, 0}},
        {"ガンマン", {1302, 1300, 1610, 1500, 1310}, {1300, 0}},
        {"精霊の子", {1000, 1520, 1698, 1009, 0}, {1520, 0}},
        {"蝙蝠", {1001, 1760, 1204, 1205, 0}, {1204, 0}},
        {"朱雀", {1024, 1353, 1351, 1352, 0}, {1350, 0}},
        {"天使", {1598, 1597, 1692, 1523, 1214}, {1690, 0}},
        {"スモッグ", {1211, 1354, 1851, 1710, 0}, {1850, 0}},
        {"ナイト", {1653, 1654, 1041, 1044, 1045}, {1499, 0}},
        {"火の玉", {1216, 1208, 1021, 1852, 1213}, {1853, 0}},
        {"ガウラ", {1054, 1694, 1702, 1720, 1056}, {1720, 0}},
        {"火の召喚士", {0, 1820, 1212, 1693, 1824}, {1790, 1853}},
        {"DRAGOON!!", {1027, 1026, 1073, 1074, 1213}, {1640, 0}},
        {"水の召喚士", {0, 1822, 1212, 1520, 1827}, {1790, 1765}},
        {"闇からの使者", {1086, 1830, 1797, 1231, 1832}, {1797, 0}},
        {"大槍術士", {1087, 1084, 1083, 1082, 1110}, {0, 0}},
        {"封印魔術士", {1119, 1249, 1248, 1118, 1120}, {0, 0}},
        {"テレパス", {1251, 1798, 1970, 1973, 1972}, {0, 0}},
        {"ロボット", {1971, 1322, 1794, 1793, 1323}, {0, 0}},
        {"スノウリーフ", {1715, 1255, 1368, 1369, 0}, {1715, 0}},
        {"アイスマン", {1027, 1257, 1206, 1260, 1324}, {1368, 0}},
    };
    for (const EnemyCards& e : enemies) {
        SCOPED_TRACE(std::string(e.enemy));
        for (int slot = 0; slot < 5; ++slot) {
            const int id = e.actions[static_cast<size_t>(slot)];
            if (id == 0) continue;
            const titem& card = Card(id);
            ASSERT_TRUE(card.Exists()) << "action " << id;
            EXPECT_EQ(card.kind, 2) << id;
            EXPECT_NE(card.action, 0) << id << " must do something when an enemy plays it";
            if (slot < 4) {
                EXPECT_LE(card.mpCost, 50) << id << ": every enemy starts with at least 50 MP";
                EXPECT_LE(card.tpCost, 99) << id;
            }
        }
        for (int id : e.drops) {
            if (id == 0) continue;
            EXPECT_EQ(Card(id).kind, 2) << "drop " << id;
            EXPECT_GE(Card(id).maxCopies, 1) << "a drop can go into a book";
        }
    }
    EXPECT_EQ(Card(351).kind, 1) << "ガウラ also leaves a dungeon card behind";

    // Spirit-beast moves: the attacks they strike with and the cards that give the status they test.
    const int beastAttacks[] = {1026, 1020, 1004, 1053, 1027, 1019, 1201, 1055, 1350, 1018,
                                1009, 1216, 1021, 1046, 1200, 1208, 1044, 1041, 1218, 1212,
                                1032, 1220, 1042, 1233, 1028, 1011, 1077, 1352, 1202};
    for (int id : beastAttacks) {
        EXPECT_TRUE(DealsDamage(Card(id).action)) << id;
    }
    const std::map<int, int> beastStatus = {{1697, 712}, {1655, 705}, {1681, 710}, {1854, 725}, {1661, 706},
                                            {1852, 723}, {1692, 717}, {1691, 718}, {1597, 604}, {1520, 600}};
    for (const auto& [id, action] : beastStatus) {
        EXPECT_EQ(Card(id).action, action) << id;
    }
    for (int id : {1523, 1701, 1710, 1693, 1698, 1694, 1753, 1790}) EXPECT_EQ(Card(id).kind, 2) << id;
    EXPECT_EQ(Card(1822).action, 920);
    EXPECT_EQ(Card(1822).value, 2) << "the water summoner calls a water beast";

    // Story rewards of the calling and darkness pages, and the save-file migration rewards.
    for (int id : {1503, 1506, 1514, 1069, 1492}) EXPECT_EQ(Card(id).isCalling, 1) << id;
    for (int id : {2307, 2308, 2309, 2310, 2315, 2316, 2317, 2319, 2325}) EXPECT_EQ(Card(id).kind, 2) << id;

    // What felling trees and mining strata give when nothing else is found.
    for (int id : {1009, 1500, 1600, 1510, 1004, 1750}) EXPECT_EQ(Card(id).kind, 2) << id;

    // Score and money bonuses named by id.
    const std::map<int, std::string_view> byId = {
        {1129, "怒りの毒紅玉"}, {1371, "風の矢"}, {1486, "じすたま"}, {1542, "魔ヶ玉"},
        {1673, "ダークマター"}, {1855, "ウォーターベール"}, {2205, "ランチャー"}, {2328, "侍プリッツのペンダント"}};
    for (const auto& [id, name] : byId) {
        EXPECT_EQ(Card(id).name, name);
    }
    EXPECT_EQ(Card(2205).isAbility, 1);
    EXPECT_NE(Card(2205).action, 0) << "discarding an <Ability> fires it";
}

TEST_F(BattleCatalogueTest, CardsOtherRulesAskForByName) {
    const std::string_view passive[] = {
        "逆光のペンダント", "召喚のペンダント", "幻の宝珠砂",     "幻の砂",         "タキオンの首飾り",
        "イクシオンの首飾り", "剣士のマント",   "天使の腰巻",     "蛇の腰巻",       "ブラッドピアス",
        "ＶＢＳ",           "赤きマント",       "白きマント",     "忍刀の鞘",       "蒼燐の指輪",
        "ハチマキ",         "蒼燐のハチマキ",   "ホルスター",     "パチンコ",       "歪な首飾り",
        "禍々しい首飾り",   "邪悪な首飾り",     "諦観の首飾り",   "不穏な首飾り",   "水晶片の指輪",
        "蒼燐水晶片の指輪", "アルフレドの盾",   "アルフレドマント", "石人形の指輪", "はじまりの指輪",
        "蒼燐の始まりの指輪", "起章の指輪",     "ヤムヤムの口",   "ハルオンの首飾り", "高位免罪符",
        "時河のペンダント", "ガマの術",         "クラウンクラウン", "侍プリッツの首飾り", "ホーシオ",
        "蒼燐のホーシオ",   "ヴォマクト鉄",     "イリアのカード", "カランのカード", "ヒルトンのカード"};
    for (std::string_view name : passive) {
        EXPECT_EQ(Named(name).isAbility, 1) << name;
    }
    for (std::string_view name : {"朱雀の弓", "竹の弓", "蒼燐SFの弓", "ヒノキの弓", "龍木の弓"}) {
        EXPECT_EQ(Named(name).isBow, 1) << name;
    }
    for (std::string_view name : {"レティシア’ｓガン", "コスモ・ガン"}) EXPECT_EQ(Named(name).isGun, 1) << name;
    EXPECT_GT(Named("起章の指輪").value, 0) << "its heal";
    EXPECT_GT(Named("起章の指輪").value2, 0) << "its TP";
    for (std::string_view name : {"マグダの剣", "ヴォマクトソード", "はじまりの剣", "ホーシオの剣", "ホーシオの玉"}) {
        EXPECT_EQ(Named(name).kind, 2) << name;
    }
    EXPECT_GT(Named("ホーシオ").value, 0) << "its experience bonus";

    // The attack speed texts name the steps the threshold takes.
    const std::string_view halfSteps[] = {"タキオンの首飾り", "イクシオンの首飾り", "幻の砂", "少年少女達の気配",
                                          "召喚のペンダント"};
    for (std::string_view name : halfSteps) {
        EXPECT_NE(Named(name).text.find("攻撃間隔短縮Lv0.5"), std::string::npos) << name;
    }
    EXPECT_NE(Named("幻の宝珠砂").text.find("攻撃間隔短縮Lv1"), std::string::npos);

    // Cards whose battle effect is keyed by name, with the family their effect belongs to.
    const std::map<std::string_view, int> keyed = {
        {"聖剣", 100},        {"ファントムブレット", 100}, {"ヴァイスクロイツ", 100}, {"リリアの弓矢", 107},
        {"木の葉隠れ", 600},  {"時を超えた葉船", 600},     {"少年少女達の気配", 600}, {"皿茸", 604},
        {"スーリヤ", 717},    {"自爆", 106},               {"蛇", 100},               {"スネイク", 100}};
    for (const auto& [name, action] : keyed) {
        EXPECT_EQ(Named(name).action, action) << name;
    }
    EXPECT_EQ(Named("自爆").noTarget, 1) << "a bomb goes off with no target";

    const std::string_view onHit[] = {
        "妖魔の剣", "ハインリヒの剣", "木の剣", "ミルテの棍", "蒼燐の棍", "光の剣", "闇の剣", "火の剣", "土の剣",
        "水の剣", "風の剣", "再構成の剣", "葉っぱの剣", "雷の剣", "火炎の剣", "クリスタルの剣", "ダイアモンドの剣",
        "アイスソード", "解除の杖", "ドラゴンソード", "アナコンダ", "病原牙", "酸牙"};
    for (std::string_view name : onHit) {
        const titem& card = Named(name);
        EXPECT_TRUE(card.action >= 100 && card.action <= 112 && card.action != 106) << name << " lands physical hits";
    }
    for (std::string_view name : {"水槍", "土槍", "風槍", "光槍", "氷槍"}) EXPECT_EQ(Named(name).action, 109) << name;
    const std::string_view arrows[] = {"呪縛の弓矢", "炎の矢", "龍の矢", "雷電の矢", "陰縫いの矢",
                                       "降雨の矢",   "杉の矢", "針葉樹の矢", "氷の矢"};
    for (std::string_view name : arrows) {
        EXPECT_EQ(Named(name).isArrow, 1) << name;
    }
    for (std::string_view name : {"氷弾", "ホローポイント"}) EXPECT_EQ(Named(name).isBullet, 1) << name;

    // Enemy specials: power is replaced when an enemy uses them, so they must be attacks.
    const std::string_view specials[] = {"★必殺剣", "★必殺弾", "★大激突", "★必殺牙", "★大火炎",
                                         "★大エヴィン", "★大月光", "★奥義槍", "★大魔剣", "★大吸血"};
    for (std::string_view name : specials) {
        const titem& card = Named(name);
        EXPECT_EQ(card.isSpecialMove, 1) << name;
        EXPECT_TRUE(DealsDamage(card.action)) << name;
    }
    EXPECT_EQ(Named("★奥義槍").action, 109);
    EXPECT_EQ(Named("★大魔剣").action, 110);
    EXPECT_EQ(Named("★大吸血").action, 202);
}

// The lines that can be bought or synthesised only once the card before them is owned.
TEST_F(BattleCatalogueTest, PrerequisiteLines) {
    const std::pair<std::string_view, std::string_view> pairs[] = {
        {"でこぴんLv3", "でこぴんLv2"}, {"でこぴんLv4", "でこぴんLv3"}, {"でこぴんLv5", "でこぴんLv4"},
        {"でこぴんLv6", "でこぴんLv5"}, {"でこぴんLv7", "でこぴんLv6"}, {"吸血Lv2", "吸血"},
        {"吸血Lv3", "吸血Lv2"},         {"吸血Lv4", "吸血Lv3"},         {"吸血Lv5", "吸血Lv4"},
        {"数珠Lv4", "数珠Lv3"},         {"数珠Lv5", "数珠Lv4"},         {"数珠Lv6", "数珠Lv5"},
        {"龍木の弓", "ヒノキの弓"}};
    std::set<int> locked;
    for (const auto& [card, before] : pairs) {
        const int id = CardIdByName(g, card);
        const int prerequisite = CardIdByName(g, before);
        ASSERT_NE(id, 0) << card;
        ASSERT_NE(prerequisite, 0) << before;
        locked.insert(id);
        EXPECT_EQ(g.cards[id].price + g.cards[id].material, 0) << card << " is locked while " << before
                                                                << " is not owned";
        g.player.CardCollection[static_cast<size_t>(prerequisite)] = 1;
    }
    FillCardDatabase(g);
    for (int id : locked) {
        EXPECT_GT(g.cards[id].price + g.cards[id].material, 0) << g.cards[id].name;
    }
    for (const CardRow* row : Rows()) {
        if (row->needsOwned != 0) {
            EXPECT_EQ(locked.count(row->id), 1u) << row->name << " is not one of the lines";
        }
    }
}

// A strengthenable card is offered at every level below its last and never at its last.
TEST_F(BattleCatalogueTest, StrengtheningStages) {
    int strengthenable = 0;
    for (const CardRow* row : Rows()) {
        int levels = 0;
        for (const Lv& block : row->levels) {
            if (block.nextLevel != kKeep || block.value != kKeep || block.arkCost != kKeep) ++levels;
        }
        if (levels == 0) continue;
        ++strengthenable;
        SCOPED_TRACE(std::string(row->name));
        for (int level = 0; level <= levels; ++level) {
            g.player.CardLevel[static_cast<size_t>(row->id)] = level;
            FillCardDatabase(g);
            const titem& card = Card(row->id);
            if (level < levels) {
                EXPECT_EQ(card.nextLevel, level + 1) << "at level " << level;
                EXPECT_GT(card.arkCost, 0) << "at level " << level;
            } else {
                EXPECT_LE(card.nextLevel, level) << "still offered at its last level";
            }
        }
        g.player.CardLevel[static_cast<size_t>(row->id)] = 0;
    }
    EXPECT_GE(strengthenable, 10);
    g.player.CardLevel[1033] = 6;
    FillCardDatabase(g);
    EXPECT_EQ(Card(1033).value, 10) << "ジェイルの鞭 has six levels";
    EXPECT_EQ(Card(1033).text, "鞭攻撃:10x4 命中:90 (ランダムな敵) ");
}

}  // namespace
}  // namespace kestrilon
