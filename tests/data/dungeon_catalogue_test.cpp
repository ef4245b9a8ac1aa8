#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "data/card_database.h"
#include "data/catalogue_fixture.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {


class DungeonCatalogueTest : public testing::FilledCatalogueTest {
protected:
    struct Counts {
        int named = 0;
        int withoutPicture = 0;
        std::set<std::string> pictures;
    };
    Counts CountIds(int first, int last) {
        Counts counts;
        for (int id = first; id <= last; ++id) {
            const titem& card = Card(id);
            if (!card.Exists()) continue;
            ++counts.named;
            if (card.image.empty()) {
                ++counts.withoutPicture;
            } else {
                counts.pictures.insert(card.image);
            }
        }
        return counts;
    }
};

TEST_F(DungeonCatalogueTest, CountsOfTheDungeonHalfAndTheWhole) {
    const Counts dungeon = CountIds(1, 999);
    EXPECT_EQ(dungeon.named, 300);
    EXPECT_EQ(dungeon.pictures.size(), 110u);
    EXPECT_EQ(dungeon.withoutPicture, 40);
    const Counts all = CountIds(0, kCardIds - 1);
    EXPECT_EQ(all.named, 874);
    EXPECT_EQ(all.pictures.size(), 336u) << "the two halves share no picture names";
    EXPECT_EQ(all.withoutPicture, 132);
    EXPECT_EQ(CountIds(2329, kCardIds - 1).named, 0);
}

// The rows the whole game is tuned around, as they stand at level 0.
TEST_F(DungeonCatalogueTest, TellingRows) {
    const testing::TellingRow rows[] = {
        {2, "シューズ", "card_sue.jpg", 1, 2, 0, 10, 150},
        {5, "蒼燐の足袋", "card_tabi.jpg", 1, 1, 0, 10, 0},
        {28, "イシャナ", "card_iza.jpg", 1, 0, 0, 1, 0},
        {100, "ﾐﾆ･ｽﾃｨｯｸﾊﾟﾝ", "card_pan0.jpg", 4, 5, 0, 10, 35},
        {200, "ボロ枝の柄杓", "card_syaku.jpg", 2, 4, 0, 5, 15},
        {220, "脱出ポッド", "card_pod.jpg", 12, 0, 0, 5, 5},
        {240, "錆びた鍵", "card_key.jpg", 5, 0, 0, 10, 20},
        {296, "失われた廃道の門の鍵", "card_key3.jpg", 26, 0, 0, 1, 0},
        {500, "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv1", "card_trap.jpg", 11, 1, 0, 10, 20},
        {540, "聖なる噴水", "card_hunsui.jpg", 31, 0, 0, 3, 100},
        {600, "キャンプ場建造KIT", "card_hanmer.jpg", 13, 0, 0, 1, 0},
        {800, "体力+1", "", 0, 0, 0, 6, 45},
        {821, "精力+1", "", 0, 0, 0, 1, 500},
    };
    testing::ExpectTellingRows(g.cards, rows, 1);
    EXPECT_EQ(Card(1).name, "足");
    EXPECT_EQ(Card(1).image, "card0001.jpg");
    EXPECT_EQ(Card(1).text, "1km進む ");
    EXPECT_EQ(Card(2).tpCost, 10);
    EXPECT_EQ(Card(5).isSeries, 1);
    EXPECT_EQ(Card(5).maxHp, 1);
    EXPECT_EQ(Card(5).arkCost, 100);
    EXPECT_EQ(Card(5).nextLevel, 1);
    EXPECT_EQ(Card(28).tpCost, 100);
    EXPECT_EQ(Card(28).maxHp, 10);
    EXPECT_EQ(Card(100).text, "お腹 +5回復 ");
    EXPECT_EQ(Card(200).eventKind, 1);
    EXPECT_EQ(Card(220).text, "ダンジョンから安全に脱出します ");
    EXPECT_EQ(Card(240).eventKind, 3);
    EXPECT_EQ(Card(296).eventKind, 15);
    EXPECT_EQ(Card(500).toolLevel, 1);
    EXPECT_EQ(Card(500).eventKind, 7);
    EXPECT_EQ(Card(540).material, 400);
    EXPECT_EQ(Card(600).material, 1009);
    EXPECT_EQ(Card(800).isAbility, 1);
    EXPECT_EQ(Card(800).maxHp, 1);
    EXPECT_EQ(Card(821).isAbility, 1);
    EXPECT_EQ(Card(821).tpGain, 1);
    EXPECT_EQ(Card(821).maxHp, 1);
    EXPECT_EQ(Card(821).maxMp, 1);
}

TEST_F(DungeonCatalogueTest, StrengtheningStagesOfTheLevelledCards) {
    struct Stages {
        int id;
        int levels;
    };
    for (const Stages& s : {Stages{5, 4}, Stages{200, 3}, Stages{540, 5}, Stages{307, 3}}) {
        for (int level = 0; level <= s.levels; ++level) {
            g.player.CardLevel[static_cast<size_t>(s.id)] = level;
            FillCardDatabase(g);
            const titem& card = Card(s.id);
            if (level < s.levels) {
                EXPECT_EQ(card.nextLevel, level + 1) << s.id << " at " << level;
                EXPECT_GT(card.arkCost, 0) << s.id << " at " << level;
            } else {
                EXPECT_LE(card.nextLevel, level) << s.id << " must not be offered at its last level";
            }
        }
    }
    const int pharmacy[] = {25, 33, 50, 66};
    for (int level = 0; level <= 3; ++level) {
        g.player.CardLevel[307] = level;
        FillCardDatabase(g);
        EXPECT_EQ(Card(307).name, "薬学");
        EXPECT_EQ(Card(307).value, pharmacy[level]);
    }
}

// Every dungeon action is carried by some card, and cards bound to an event carry the
// event code their effect resolves.
TEST_F(DungeonCatalogueTest, ActionsAndTheEventsTheyNeed) {
    using E = DungeonEffect;
    using V = EventCode;
    const std::map<DungeonEffect, EventCode> eventOf = {
        {E::Ladle, V::HealingSpring},       {E::Boots, V::SpikedFloor},    {E::ChestKey, V::TreasureChest},
        {E::Decoder, V::Cipher},            {E::SecretKey, V::SecretChest}, {E::CampGoods, V::Camp},
        {E::TrapTool, V::Trap},             {E::Axe, V::Tree},             {E::ExchangePass, V::ExchangePlace},
        {E::Pick, V::Strata},               {E::IronKey, V::IronChest},    {E::RiteGateKey, V::RiteGate},
        {E::LostRoadGateKey, V::LostRoadGate}, {E::JumpShoes, V::Pitfall}, {E::Bucket, V::HealingSpring},
        {E::RedChestKey, V::RedChest},      {E::SealedGateKey, V::SealedGate}};
    std::set<int> used;
    for (int id = 1; id <= 999; ++id) {
        const titem& card = Card(id);
        if (!card.Exists()) continue;
        SCOPED_TRACE(std::string(card.name));
        if (card.isAbility >= 1) {
            EXPECT_EQ(card.action, 0);
            continue;
        }
        EXPECT_NE(card.action, 0);
        used.insert(card.action);
        const auto bound = eventOf.find(static_cast<DungeonEffect>(card.action));
        EXPECT_EQ(card.eventKind, bound == eventOf.end() ? 0 : CodeOf(bound->second));
        EXPECT_GE(card.maxCopies, 1);
        EXPECT_LE(card.maxCopies, id == 1 ? 100 : 10);
    }
    for (int action : kDungeonEffectCodes) EXPECT_EQ(used.count(action), 1u) << "action " << action;
    for (int level = 1; level <= 7; ++level) {
        const titem& tool = Named("ﾄﾗｯﾌﾟ解除ﾂｰﾙLv" + std::to_string(level));
        EXPECT_EQ(tool.toolLevel, level);
        EXPECT_EQ(tool.action, 11);
    }
    EXPECT_EQ(Card(255).action, 43);
    EXPECT_EQ(Card(255).eventKind, 20);
    EXPECT_EQ(Card(297).action, 25);
    EXPECT_EQ(Card(297).eventKind, 14);
    EXPECT_EQ(Card(222).action, 8);
    EXPECT_EQ(Card(26).name, "風の靴");
    EXPECT_EQ(Card(26).element, 4);
}

TEST_F(DungeonCatalogueTest, CardsOtherRulesAskForByName) {
    const std::string_view walkers[] = {
        "たんたんの靴", "ヒルトンの靴", "天使の羽",   "大天使の羽",     "天使の尾羽",   "蒼燐の尾羽",
        "予感の靴",     "クラウンの靴", "タナティアの靴", "ファントムシューズ", "龍の羽", "リ・テの靴",
        "ヤムヤムシューズ", "ヘルの靴", "魔契の靴",   "聖天寺の足袋",   "可逆のシューズ", "羽",
        "大きな羽",     "ヂャウの足",   "ヤムヤムの足", "さよならの靴",   "メイデイの靴", "ヴェルナの靴"};
    for (std::string_view name : walkers) EXPECT_EQ(Named(name).action, 1) << name;
    const std::string_view carried[] = {
        "ヤムヤムの毛", "蒼燐のヤムヤム", "トレジャーレーダー", "EXレーダー", "ﾀｲﾑｸｳｨｰﾝ下瀬の耳飾り",
        "雨避けシート", "聖天水", "弘法の杖", "星霊の加護", "薬学", "体質変化", "時の斧", "マジカルマント",
        "ファントムマテリア", "ファントムレーダー", "加奈のゴーグル", "RIDUのゴーグル", "ロビンのゴーグル",
        "ヴェルナの耳飾り", "蒼燐のメイデイ", "ｱｽﾞﾘｵのメイデイ", "メイデイ", "タイムリープ", "お稲荷さん",
        "解読", "直感", "リサイクル", "活用", "再活用", "ファトマ", "ヴェルナの創造"};
    for (std::string_view name : carried) EXPECT_EQ(Named(name).kind, 1) << name;
    EXPECT_EQ(Named("弘法の杖").action, 44);
    EXPECT_EQ(Named("時の斧").action, 15);
    EXPECT_EQ(Named("ファトマ").action, 32);
    EXPECT_EQ(Named("薬学").isAbility, 1);

    const std::map<int, std::string_view> byId = {
        {21, "ヒルトンの靴"},   {47, "さよならの靴"},       {109, "お稲荷さん"},   {222, "解読"},
        {922, "ヴェルナの眼鏡"}, {924, "ヴェルナの万年筆"}, {932, "RIDUのゴーグル"}, {941, "ロビンのゴーグル"},
        {943, "ヴェルナの創造"}};
    for (const auto& [id, name] : byId) EXPECT_EQ(Card(id).name, name);
    for (int id : {23, 922, 924, 925, 926, 942, 943}) {
        EXPECT_EQ(Card(id).isCalling, 1) << "story reward " << id << " belongs to the calling series";
    }
    EXPECT_TRUE(Card(351).Exists()) << "an enemy leaves card 351 behind";
    EXPECT_EQ(Card(929).isAbility, 1) << "the third Mayday charm works from the book";
}

TEST_F(DungeonCatalogueTest, RecycleTypeAndSeriesMarks) {
    const std::set<std::string> recycle = {"リサイクル", "活用", "再活用", "可逆のシューズ", "ヴェルナの耳飾り"};
    for (int id = 1; id < kCardIds; ++id) {
        const titem& card = Card(id);
        if (!card.Exists()) continue;
        SCOPED_TRACE(std::string(card.name));
        const bool isRecycleName = recycle.count(card.name) == 1;
        EXPECT_EQ(card.isRecycle >= 1, isRecycleName);
        if (isRecycleName) {
            EXPECT_NE(card.text.find("<Ability>"), std::string::npos) << "its text says what is skipped";
        }
        const bool seriesName = card.name.starts_with("☆") || card.name.starts_with("蒼燐の") ||
                                card.name.starts_with("ｱｽﾞﾘｵの");
        if (id < kFirstBattleCard) {
            EXPECT_EQ(card.isSeries >= 1, seriesName);
        }
    }
}

}  // namespace
}  // namespace kestrilon
