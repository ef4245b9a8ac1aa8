#include <gtest/gtest.h>

#include "books/pile_moves.h"
#include "books/books_fixture.h"

namespace kestrilon::testing {
namespace {

class PileMovesTest : public BooksTest {
protected:
    void SetUp() override {
        BooksTest::SetUp();
        Card(1, "足");
        Card(2, "木の柄杓").eventKind = CodeOf(EventCode::HealingSpring);
        Card(3, "薬学").isAbility = 1;
        Card(4, "リサイクル").action = CodeOf(DungeonEffect::Recycler);
        Card(5, "可逆のシューズ").isRecycle = 1;
    }
    void SetDiscards(const Ids& ids) {
        g.books.discard.cards.fill(0);
        std::copy(ids.begin(), ids.end(), g.books.discard.cards.begin());
    }
    Ids Discards() const {
        const auto& cards = g.books.discard.cards;
        return {cards.begin(), std::find(cards.begin(), cards.end(), 0)};
    }
};

TEST_F(PileMovesTest, OnlyCardsThatMayComeBackReturnUnderThePile) {
    SetPile(Book::Dungeon, {1, 1});
    SetDiscards({3, 4, 2, 5});
    EXPECT_TRUE(ReturnFromDiscard(g));
    EXPECT_EQ(Pile(Book::Dungeon), (Ids{1, 1, 2}));
    EXPECT_EQ(Discards(), (Ids{3, 4, 5}));
    EXPECT_EQ(LinesWith("　【木の柄杓】を捨札からブックの最後に戻しました"), 1);

    EXPECT_FALSE(ReturnFromDiscard(g)) << "an <Ability>, a recycler and a no-recycle card stay";
    EXPECT_EQ(Discards(), (Ids{3, 4, 5}));
    EXPECT_EQ(LinesWith("　捨て札に戻せるカードが見つかりませんでした"), 1);
}

TEST_F(PileMovesTest, TheEventsCardNearestTheEndBecomesTheNextDraw) {
    Card(6, "鉄の柄杓").eventKind = CodeOf(EventCode::HealingSpring);
    SetPile(Book::Dungeon, {1, 2, 1, 6, 1});
    EXPECT_TRUE(FetchNeededCard(g, PileSource::DungeonPile, EventCode::HealingSpring));
    EXPECT_EQ(Pile(Book::Dungeon), (Ids{6, 1, 2, 1, 1}));
    EXPECT_FALSE(FetchNeededCard(g, PileSource::DungeonPile, EventCode::Trap));

    SetDiscards({2, 1, 1});
    EXPECT_TRUE(FetchNeededCard(g, PileSource::Discards, EventCode::HealingSpring));
    EXPECT_EQ(Pile(Book::Dungeon), (Ids{2, 6, 1, 2, 1, 1}));
    EXPECT_EQ(Discards(), (Ids{1, 1}));
    EXPECT_FALSE(FetchNeededCard(g, PileSource::Discards, EventCode::HealingSpring));
}

}  // namespace
}  // namespace kestrilon::testing
