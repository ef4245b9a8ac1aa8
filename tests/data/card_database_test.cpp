#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/capacity.h"
#include "data/card_database.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

using testing::GameTest;

constexpr int kFoot = 1;
constexpr int kShoes = 2;
constexpr int kBlueTabi = 5;      // 蒼燐の足袋
constexpr int kWindShoes = 26;    // 風の靴, a wind card
constexpr int kIshana = 28;
constexpr int kOldLadle = 200;    // ボロ枝の柄杓
constexpr int kHighHeel = 36;     // ハイヒール: DEX 1, AGI -1
constexpr int kMayday = 930;
constexpr int kFatma = 931;
constexpr int kFinger = 1000;

class CardDatabaseTest : public GameTest {
protected:
    void Fill() { FillCardDatabase(g); }
    titem& Card(int id) { return g.cards[id]; }
    int Id(std::string_view name) {
        const int id = CardIdByName(g, name);
        EXPECT_NE(id, 0) << name << " is not in the catalogue";
        return id;
    }
};

TEST_F(CardDatabaseTest, RefillingRebuildsTheSameTexts) {
    Fill();
    EXPECT_EQ(Card(kBlueTabi).text, "1km進む  / MaxHP 1 ");
    EXPECT_EQ(Card(kShoes).text, "2km進む ");
    std::vector<std::string> first;
    for (const titem& card : g.cards.cards) first.push_back(card.text);
    Fill();
    Fill();
    for (int id = 0; id < kCardIds; ++id) ASSERT_EQ(g.cards[id].text, first[static_cast<size_t>(id)]) << "card " << id;
}

TEST_F(CardDatabaseTest, BasicCardsAreOwnedInAFullBooksNumber) {
    g.player.level = 3;
    Fill();
    EXPECT_EQ(BookCapacity(g), 80);
    EXPECT_EQ(g.player.CardCollection[kFoot], 80);
    EXPECT_EQ(g.player.CardCollection[kFinger], 80);
    EXPECT_EQ(Card(kFoot).maxCopies, 80);
    EXPECT_EQ(Card(kFinger).maxCopies, 80);
    g.player.level = 9;
    Fill();
    EXPECT_EQ(g.player.CardCollection[kFoot], 100);
    g.player.level = -4;
    Fill();
    EXPECT_EQ(g.player.CardCollection[kFinger], 50);
}

TEST_F(CardDatabaseTest, LevelBlocksAreAlternatives) {
    Fill();
    EXPECT_EQ(Card(kOldLadle).text, "回復の泉でHP+4回復 ");
    g.player.CardLevel[kOldLadle] = 2;
    Fill();
    EXPECT_EQ(Card(kOldLadle).value, 8);
    EXPECT_EQ(Card(kOldLadle).text, "回復の泉でHP+8回復 / 1km進む ");
    g.player.CardLevel[kOldLadle] = 1;
    Fill();
    EXPECT_EQ(Card(kOldLadle).value, 6);
    EXPECT_EQ(Card(kOldLadle).value2, 0) << "the level-1 block alone describes level 1";
}

TEST_F(CardDatabaseTest, BlueTabiStopsBeingOfferedAtItsLastLevel) {
    g.player.CardLevel[kBlueTabi] = 3;
    Fill();
    EXPECT_EQ(Card(kBlueTabi).nextLevel, 4);
    ASSERT_TRUE(PreviewStrengthening(g, kBlueTabi));
    EXPECT_EQ(g.cards.preview.maxHp, 8);
    EXPECT_EQ(g.cards.preview.value, 3);
    EXPECT_EQ(g.cards.preview.nextLevel, 1);
    EXPECT_EQ(g.player.CardLevel[kBlueTabi], 3);
    EXPECT_EQ(Card(kBlueTabi).maxHp, 5) << "the preview leaves the card at its own level";
    EXPECT_EQ(Card(kBlueTabi).text, "2km進む  / MaxHP 5 ");

    g.player.CardLevel[kBlueTabi] = 4;
    Fill();
    EXPECT_EQ(Card(kBlueTabi).nextLevel, 1);
    EXPECT_EQ(Card(kBlueTabi).maxHp, 8);
    g.cards.preview.name = "unchanged";
    EXPECT_FALSE(PreviewStrengthening(g, kBlueTabi));
    EXPECT_EQ(g.cards.preview.name, "unchanged");
}

TEST_F(CardDatabaseTest, IshanaMovesHalfTheWindCardsInTheBooks) {
    // The very first fill must already see the elements of this fill.
    g.player.BookContents[kWindShoes] = 5;
    Fill();
    EXPECT_EQ(Card(kIshana).value, 2);
    EXPECT_EQ(Card(kIshana).text.rfind("2km進む", 0), 0u) << Card(kIshana).text;
    g.player.BookContents[kWindShoes] = 1;
    Fill();
    EXPECT_EQ(Card(kIshana).value, 0);
    EXPECT_EQ(ElementCount(g, Element::Wind), 1);
}

TEST_F(CardDatabaseTest, DarkAndEarthCardsRaiseYamaAndPrithvi) {
    Fill();
    const int yama = Id("ヤマ");
    const int prithvi = Id("プリティーヴィー");
    g.player.BookContents[25] = 3;   // 魔契の靴, dark
    g.player.BookContents[42] = 2;   // 土の靴, earth
    g.player.BookContents[52] = -4;  // negative counts are not copies
    Fill();
    EXPECT_EQ(Card(yama).maxMp, 3);
    EXPECT_EQ(Card(prithvi).maxHp, 2);
}

TEST_F(CardDatabaseTest, PrerequisiteLocksPriceAndMaterialUntilOwned) {
    Fill();
    const int lv2 = Id("でこぴんLv2");
    const int lv3 = Id("でこぴんLv3");
    EXPECT_EQ(Card(lv3).price, 0);
    EXPECT_EQ(Card(lv3).material, 0);
    g.player.CardCollection[static_cast<size_t>(lv2)] = 1;
    Fill();
    EXPECT_EQ(Card(lv3).price, 600);
    EXPECT_EQ(Card(lv3).material, 1750);
    g.player.CardCollection[static_cast<size_t>(lv2)] = -1;
    Fill();
    EXPECT_EQ(Card(lv3).price, 600) << "only an owned count of exactly 0 locks this line";

    const int hinoki = Id("ヒノキの弓");
    const int dragonWood = Id("龍木の弓");
    g.player.CardCollection[static_cast<size_t>(hinoki)] = -1;
    Fill();
    EXPECT_EQ(Card(dragonWood).price, 0) << "this bow also locks at a negative count";
    EXPECT_EQ(Card(dragonWood).material, 0);
    g.player.CardCollection[static_cast<size_t>(hinoki)] = 1;
    Fill();
    EXPECT_TRUE(Card(dragonWood).price > 0 || Card(dragonWood).material > 0);
}

TEST_F(CardDatabaseTest, AltarCardsAreNamelessUntilTheAltarIsFound) {
    Fill();
    EXPECT_FALSE(Card(kMayday).Exists());
    EXPECT_FALSE(Card(kFatma).Exists());
    EXPECT_EQ(CardIdByName(g, "ホーシオ"), 0);
    g.player.unlockFlags[6] = 1;
    Fill();
    EXPECT_EQ(Card(kMayday).name, "メイデイ");
    EXPECT_EQ(Card(kFatma).name, "ファトマ");
    EXPECT_EQ(Card(Id("ホーシオ")).kind, 2);
}

TEST_F(CardDatabaseTest, ClassifierAndStatPartCoverEveryIdUpTo2999) {
    g.cards[2500].kind = 0;
    g.cards[4000].text = "kept";
    Fill();
    EXPECT_EQ(Card(kShoes).kind, 1);
    EXPECT_EQ(Card(kFinger).kind, 2);
    EXPECT_EQ(Card(2500).kind, 0);
    EXPECT_EQ(Card(2500).text, " ") << "nameless ids below 3000 still get the blank of the stat part";
    EXPECT_EQ(Card(4000).text, "") << "texts above 2999 are cleared and never formatted";
    EXPECT_EQ(Card(0).text, "");
}

TEST_F(CardDatabaseTest, ListMarksAreLeftAlone) {
    Card(kShoes).listMark1 = 3;
    Card(kFinger).listMark2 = -2;
    Fill();
    EXPECT_EQ(Card(kShoes).listMark1, 3);
    EXPECT_EQ(Card(kFinger).listMark2, -2);
}

TEST_F(CardDatabaseTest, LookUpByNameTakesTheHighestId) {
    Fill();
    EXPECT_EQ(CardIdByName(g, "足"), kFoot);
    Card(5000).name = "足";
    EXPECT_EQ(CardIdByName(g, "足"), 5000);
    EXPECT_EQ(CardIdByName(g, "存在しないカード"), 0);
    EXPECT_EQ(CardIdByName(g, ""), 0);
}

TEST_F(CardDatabaseTest, ElementCountSumsPositiveBookCopies) {
    Fill();
    g.player.BookContents[kWindShoes] = 2;
    g.player.BookContents[900] = 3;  // そよ風, wind
    g.player.BookContents[39] = -1;  // 疾風の靴, wind, a broken count
    g.player.BookContents[40] = 4;   // 炎の靴, fire
    EXPECT_EQ(ElementCount(g, Element::Wind), 5);
    EXPECT_EQ(ElementCount(g, Element::Fire), 4);
    EXPECT_EQ(ElementCount(g, Element::Thunder), 0);
}

TEST_F(CardDatabaseTest, CatalogueNegativeBonusComesLast) {
    Fill();
    EXPECT_EQ(Card(kHighHeel).text, "2km進む  / DEX 1 AGI -1 ");
}

TEST(CardStatsTest, PositiveBonusesThenNegativeOnesThenCritical) {
    titem card;
    card.str = -6;
    card.maxHp = 2;
    EXPECT_EQ(FormatCardStats(card), " MaxHP 2 STR -6 ");
    card.text = "物理攻撃:1 命中:90";
    card.isRanged = 1;
    card.critical = 5;
    card.mnd = 1;
    card.int_ = -1;
    EXPECT_EQ(FormatCardStats(card), "物理攻撃:1 命中:90  / <遠隔> MaxHP 2 MND 1 STR -6 INT -1 ｸﾘﾃｨｶﾙ 5 ");
    titem plain;
    plain.text = "何もしない";
    plain.critical = -3;  // a negative critical bonus is not listed
    EXPECT_EQ(FormatCardStats(plain), "何もしない ");
    EXPECT_EQ(FormatCardStats(titem{}), " ");
}

TEST(CardLabelTest, LastTrueCategoryWins) {
    titem card;
    const char* grades[] = {"", "SS", "Ｓ", "Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "普通", "俗", "無価値", ""};
    for (int grade = 0; grade <= 11; ++grade) {
        card.maxCopies = grade;
        EXPECT_EQ(RarityLabel(card), grades[grade]) << grade;
    }
    card.maxCopies = 10;
    card.price = 50;
    EXPECT_EQ(RarityLabel(card), "売物");
    card.material = 400;
    EXPECT_EQ(RarityLabel(card), "合成");
    card.isRare = 1;
    card.isUltraRare = 1;
    EXPECT_EQ(RarityLabel(card), "レア") << "rare is tested after ultra rare";
    card.isSecret = 1;
    EXPECT_EQ(RarityLabel(card), "秘宝");
    card.isTreasure = 1;
    EXPECT_EQ(RarityLabel(card), "秘宝") << "orb is tested before secret";
    card.isCalling = 1;
    card.isPaid = 1;
    EXPECT_EQ(RarityLabel(card), "呼声");
    card.isLure = 2;
    EXPECT_EQ(RarityLabel(card), "誘い");
    titem priced;
    priced.price = -5;
    priced.maxCopies = 3;
    EXPECT_EQ(RarityLabel(priced), "Ａ");
}

TEST(CardElementTest, NamesAndColours) {
    EXPECT_EQ(ElementName(1), "玉");
    EXPECT_EQ(ElementName(10), "水晶");
    EXPECT_EQ(ElementName(0), "");
    EXPECT_EQ(ElementName(11), "");
    EXPECT_EQ(ElementColour(2), 0x0000CCu);
    EXPECT_EQ(ElementColour(8), 0xFFEEDDu);
    EXPECT_EQ(ElementColour(-1), 0x999999u);
    EXPECT_EQ(ElementColour(0), 0x999999u);
}

}  // namespace
}  // namespace kestrilon
