// The card list: which cards each kind and filter lists, its pages, sums and clicks.
#include "books/card_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "data/card_database.h"
#include "persist/new_game.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class CardListTest : public testing::GameTest {
protected:
    void SetUp() override {
        NewGameValues(g);
        g.frame.TitleState = 0;
        FillCardDatabase(g);
    }

    // The first `count` existing cards of a kind, the basic card left out.
    std::vector<int> CardsOfKind(int kind, int count, int skip) {
        std::vector<int> ids;
        for (const titem& card : g.cards.cards) {
            const int id = static_cast<int>(&card - g.cards.cards.data());
            if (id != skip && card.Exists() && card.kind == kind) ids.push_back(id);
            if (static_cast<int>(ids.size()) == count) break;
        }
        return ids;
    }

    void Own(int id, int copies = 1) { g.player.CardCollection[static_cast<size_t>(id)] = copies; }
    void Click(int x, int y) {
        g.input.ClickX = x;
        g.input.ClickY = y;
        CardListClick(g);
    }
    std::string NewestLog() const { return g.log.entries[0].text; }
};

TEST_F(CardListTest, TwentyFourCardsMakeTwoPagesAndTheArrowsTurnThem) {
    for (int id : CardsOfKind(2, 23, 1000)) Own(id);  // with the basic card: 24
    BuildCardList(g, ListKind::BattleBook);
    const ChoiceList& list = g.menus.choices;
    EXPECT_EQ(list.listed, 24);
    EXPECT_EQ(list.rows, 23);
    EXPECT_TRUE(list.nextPage);
    EXPECT_EQ(PreviousArrowRect(g).Width(), 0);

    const Rect next = NextArrowRect(g);
    Click(next.left + 2, next.top + 2);
    EXPECT_EQ(list.page, 1);
    EXPECT_EQ(list.rows, 1);
    EXPECT_FALSE(list.nextPage);
    EXPECT_EQ(NextArrowRect(g).Width(), 0);
    const int last = list.cards[0];
    EXPECT_EQ(CardListRowAt(g, kListLeft + 5, kListTop + 1), last);
    EXPECT_EQ(CardListRowAt(g, kListLeft + 5, kListTop + kListRowHeight + 1), 0);  // below the only row

    const Rect previous = PreviousArrowRect(g);
    Click(previous.left + 2, previous.top + 2);
    EXPECT_EQ(list.page, 0);
    EXPECT_EQ(list.rows, 23);
    EXPECT_NE(list.cards[22], last);
}

TEST_F(CardListTest, ABookListHoldsOwnedCardsOfItsKindOnly) {
    const int dungeonCard = CardsOfKind(1, 1, 1)[0];
    Own(dungeonCard);
    BuildCardList(g, ListKind::BattleBook);
    EXPECT_EQ(g.menus.choices.listed, 1);  // the basic battle card alone
    EXPECT_EQ(g.menus.choices.cards[0], 1000);

    BuildCardList(g, ListKind::DungeonBook);
    EXPECT_EQ(g.menus.choices.listed, 2);
    EXPECT_EQ(g.menus.choices.cards[0], 1);
    EXPECT_EQ(g.menus.choices.cards[1], dungeonCard);

    // A card record left without a name is no card, whatever its counts say.
    g.cards[dungeonCard].name.clear();
    BuildCardList(g, ListKind::DungeonBook);
    EXPECT_EQ(g.menus.choices.listed, 1);
}

TEST_F(CardListTest, AnEmptyListSaysSo) {
    g.menus.choices.filter = kFilterRecent;
    BuildCardList(g, ListKind::BattleBook);
    EXPECT_EQ(g.menus.choices.listed, 0);
    EXPECT_EQ(NewestLog(), "＞....このリストにはまだ何もない");
}

TEST_F(CardListTest, SumsCountOwnedAndBookCopiesOfTheListedCardsOnce) {
    // 1205 raises no main stat; 1029 raises STR. The stat filter lists per stat, so a card
    // raising two stats shows twice but its copies count once.
    Own(1029, 1);
    g.player.BookContents[1029] = 1;
    g.cards[1029].vit = 2;  // a second stat
    Own(1205, 3);
    g.player.BookContents[1205] = 2;
    g.player.BookContents[1000] = 10;
    g.menus.choices.filter = 1;
    BuildCardList(g, ListKind::BattleBook);
    const ChoiceList& list = g.menus.choices;
    EXPECT_EQ(list.listed, 2);
    EXPECT_EQ(list.cards[0], 1029);
    EXPECT_EQ(list.cards[1], 1029);
    EXPECT_EQ(list.ownedSum, 1);
    EXPECT_EQ(list.bookSum, 1);

    g.menus.choices.filter = 0;
    RefreshCardList(g);
    EXPECT_EQ(list.ownedSum, 50 + 1 + 3);
    EXPECT_EQ(list.bookSum, 10 + 1 + 2);
}

TEST_F(CardListTest, FiltersPickTheirFamilies) {
    // The ranged filter lists ranged attacks first, then the guns and bows.
    Own(1303);  // a bullet: ranged attack
    Own(2207);  // a bow
    Own(1200);  // magic
    EXPECT_TRUE(CardPassesList(g, ListKind::BattleBook, 3, 1303));
    EXPECT_TRUE(CardPassesList(g, ListKind::BattleBook, 3, 2207));
    EXPECT_FALSE(CardPassesList(g, ListKind::BattleBook, 2, 1303));
    EXPECT_TRUE(CardPassesList(g, ListKind::BattleBook, 2, 1000));
    EXPECT_TRUE(CardPassesList(g, ListKind::BattleBook, 4, 1200));
    EXPECT_FALSE(CardPassesList(g, ListKind::BattleBook, 4, 1000));
    EXPECT_TRUE(CardPassesList(g, ListKind::BattleBook, kFilterAbility, 2207));
    EXPECT_FALSE(CardPassesList(g, ListKind::BattleBook, 7, 1200));

    // By element: fire before the cards without one.
    g.menus.choices.filter = 5;
    BuildCardList(g, ListKind::BattleBook);
    ASSERT_GE(g.menus.choices.rows, 2);
    EXPECT_EQ(g.menus.choices.cards[0], 1200);

    // Recently obtained: a positive counter; each dungeon entry makes it older.
    g.player.recentlyObtained[1200] = 2;
    EXPECT_TRUE(CardPassesList(g, ListKind::BattleBook, kFilterRecent, 1200));
    LowerRecentCounters(g);
    EXPECT_TRUE(CardPassesList(g, ListKind::BattleBook, kFilterRecent, 1200));
    LowerRecentCounters(g);
    EXPECT_FALSE(CardPassesList(g, ListKind::BattleBook, kFilterRecent, 1200));
    LowerRecentCounters(g);
    EXPECT_EQ(g.player.recentlyObtained[1200], 0);
}

TEST_F(CardListTest, TheShopOffersWhatTheMoneyNearlyReaches) {
    // シューズ (id 2) costs 150 and is sold from level 1 on.
    const int price = g.cards[2].price;
    ASSERT_GT(price, 0);
    g.player.level = 5;
    g.player.money = (price - 9) * 10 / 11;  // trunc(money x 1.1) + 9 reaches the price
    while (static_cast<int64_t>(g.player.money) * 11 / 10 + 9 >= price) --g.player.money;
    EXPECT_FALSE(CardPassesList(g, ListKind::Shop, 0, 2));
    ++g.player.money;
    EXPECT_TRUE(CardPassesList(g, ListKind::Shop, 0, 2));
    // Card 2 stays on offer however many are owned; others stop at their grade.
    Own(2, g.cards[2].maxCopies);
    EXPECT_TRUE(CardPassesList(g, ListKind::Shop, 0, 2));
    g.player.level = 0;
    EXPECT_EQ(CardPassesList(g, ListKind::Shop, 0, 2), CardTermsOf(2).requiredLevel <= 0);
}

TEST_F(CardListTest, TheAltarListsOwnedCardsBelowTheirLimit) {
    // 蒼燐の足袋 (id 5): 100 ARK for the next level, limit 1 at level 0.
    g.player.ark = 51;
    EXPECT_FALSE(CardPassesList(g, ListKind::Altar, 0, 5));  // not owned
    Own(5);
    EXPECT_TRUE(CardPassesList(g, ListKind::Altar, 0, 5));
    g.player.ark = 50;  // 100 < 2 x 50 fails
    EXPECT_FALSE(CardPassesList(g, ListKind::Altar, 0, 5));
}

}  // namespace
}  // namespace kestrilon
