#include "books/draw.h"

#include <string>
#include <tuple>

#include "books/books_fixture.h"
#include "data/capacity.h"
#include "render/colour.h"

namespace kestrilon {
namespace {

using Draw = testing::BooksTest;
using testing::Ids;

TEST_F(Draw, CapacityFollowsTheLevelUpToFive) {
    for (const auto& [level, capacity] : {std::pair{-3, 50}, {0, 50}, {1, 60}, {3, 80}, {5, 100}, {7, 100}}) {
        g.player.level = level;
        EXPECT_EQ(BookCapacity(g), capacity) << "Lv " << level;
    }
}

TEST_F(Draw, AFullDungeonHandDiscardsItsOldestCard) {
    Card(2, "シューズ");
    SetHand(Book::Dungeon, {11, 12, 13, 14, 15, 16, 17, 18});
    HandOf(g, Book::Dungeon)[3].glow = 9;
    SetPile(Book::Dungeon, {2, 1});
    DrawCard(g, Book::Dungeon);
    EXPECT_EQ(HandCards(Book::Dungeon), (Ids{12, 13, 14, 15, 16, 17, 18, 2}));
    EXPECT_EQ(HandOf(g, Book::Dungeon)[2].glow, 9);  // the highlight moves with its card
    EXPECT_EQ(HandOf(g, Book::Dungeon)[7].glow, kNewCardGlow);
    EXPECT_EQ(g.books.discard.cards[0], 11);
    EXPECT_EQ(Pile(Book::Dungeon), (Ids{1}));
    EXPECT_EQ(Line(0).text, " 【シューズ】をドロー");
    EXPECT_EQ(Line(0).colourCode, ColourCode("gray"));
    EXPECT_EQ(Line(0).icon, "card_d.bmp");
}

TEST_F(Draw, TheBattleBookReshufflesButNeverDrawsIntoAFullHandOrFromNothing) {
    Card(1000, "指");
    Put(1000, 50);
    SetHand(Book::Battle, {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000});
    SetPile(Book::Battle, {1000});
    DrawCard(g, Book::Battle);
    EXPECT_EQ(Pile(Book::Battle), (Ids{1000}));

    SetHand(Book::Battle, {1000});
    SetPile(Book::Battle, {});
    DrawCard(g, Book::Battle);
    EXPECT_EQ(HandCount(g, Book::Battle), 2);
    EXPECT_EQ(PileCount(g, Book::Battle), 48);  // 50 less the card held at the shuffle and the one drawn

    Put(1000, 2);  // the hand holds the whole book: the shuffle finds nothing to deal
    SetPile(Book::Battle, {});
    DrawCard(g, Book::Battle);
    EXPECT_EQ(HandCards(Book::Battle), (Ids{1000, 1000, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Draw, NamedDrawTakesTheCopyNearestTheBottom) {
    Card(1000, "指");
    Card(2207, "木の弓");
    SetPile(Book::Battle, {1000, 2207, 1000, 2207, 1000});
    DrawNamedCard(g, Book::Battle, "木の弓");
    EXPECT_EQ(Pile(Book::Battle), (Ids{1000, 2207, 1000, 1000}));
    EXPECT_EQ(HandCards(Book::Battle), (Ids{2207, 0, 0, 0, 0, 0, 0, 0}));

    DrawNamedCard(g, Book::Battle, "パチンコ");
    DrawNamedCard(g, Book::Battle, "");  // empty pile entries have no name either
    EXPECT_EQ(HandCount(g, Book::Battle), 1);
    EXPECT_EQ(Line(1).text, "　『パチンコ』はデッキにありませんでした");
}

TEST_F(Draw, RefillToEightDrawsOnlyWhatIsMissing) {
    Card(1, "足");
    SetHand(Book::Dungeon, {1, 1, 1, 1, 1});
    SetPile(Book::Dungeon, Ids(20, 1));
    RefillHand(g, Book::Dungeon, 0);
    EXPECT_EQ(HandCount(g, Book::Dungeon), 8);
    EXPECT_EQ(PileCount(g, Book::Dungeon), 17);
    EXPECT_EQ(Line(3).text, "Ｄ.ブックから手札が8枚になるようドロー");
}

TEST_F(Draw, RefillWarnsAsTheDungeonPileRunsLow) {
    Card(1, "足");
    const std::string pink = "pink2";
    const std::tuple<int, std::string, std::string> cases[] = {
        {11, " 【足】をドロー", "gray"}, {10, "　＊＊＊　Ｄ.ブック残り 10枚　＊＊＊", pink},
        {9, " 【足】をドロー", "gray"},  {5, "　＊＊＊　Ｄ.ブック残り 5枚　＊＊＊", pink},
        {2, " 【足】をドロー", "gray"},  {1, "　＊＊＊　Ｄ.ブック残り 1枚　＊＊＊", pink},
        {0, "　<×警告×>　Ｄ.ブック残り 0枚　<×警告×>", "red"}};
    for (const auto& [left, text, colour] : cases) {
        SetHand(Book::Dungeon, {});
        SetPile(Book::Dungeon, Ids(static_cast<size_t>(left + 1), 1));
        g.sound.LastSound.clear();
        const int warnings = Played("keikoku.wav");
        RefillHand(g, Book::Dungeon, 1);
        EXPECT_EQ(Line(0).text, text) << left;
        EXPECT_EQ(Line(0).colourCode, ColourCode(colour)) << left;
        EXPECT_EQ(Played("keikoku.wav"), warnings + (colour == "gray" ? 0 : 1)) << left;
    }
}

TEST_F(Draw, ThePileRunningDryMidRefillEndsTheRunOnce) {
    Card(1, "足");
    g.player.goldNuggets = 40;
    SetHand(Book::Dungeon, {1, 1, 1});
    SetPile(Book::Dungeon, {1, 1});
    RefillHand(g, Book::Dungeon, 0);
    RefillHand(g, Book::Dungeon, 0);
    DrawNamedCard(g, Book::Dungeon, "足");

    EXPECT_EQ(HandCount(g, Book::Dungeon), 5);
    EXPECT_EQ(g.books.runEndedByExhaustion, 1);
    EXPECT_EQ(g.player.goldNuggets, 0);
    EXPECT_EQ(g.player.deathCount, 1);
    EXPECT_EQ(LinesWith("【×】あなたは死んでしまった...."), 1);
    EXPECT_EQ(Line(0).text, "　所持していた金塊 40gの全てをロストした....");
    EXPECT_EQ(LinesWith("警告"), 0);
    EXPECT_EQ(Played("kaminari.wav"), 1);
    EXPECT_EQ(g.effects.text[static_cast<size_t>(g.effects.ring)], "ブック枯渇");
}

}  // namespace
}  // namespace kestrilon
