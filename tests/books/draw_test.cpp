#include "books/draw.h"

#include "books/books_fixture.h"
#include "data/capacity.h"
#include "render/colour.h"

namespace kestrilon {
namespace {

using Draw = testing::BooksTest;

// Capacity and the counts on screen.

TEST_F(Draw, CapacityFollowsTheLevelUpToFive) {
    for (const auto& [level, capacity] : {std::pair{-3, 50}, {0, 50}, {1, 60}, {3, 80}, {5, 100}, {7, 100}}) {
        g.player.level = level;
        EXPECT_EQ(BookCapacity(g), capacity) << "Lv " << level;
    }
}

TEST_F(Draw, CountsFollowTheBookBeingEditedOrTheFight) {
    Card(1, "足");
    Card(1000, "指");
    Put(1, 30);
    Put(1000, 20);
    Put(5, 7);       // nameless: not in any book
    Put(1001, -2);   // a broken count adds nothing
    Card(1001, "牙");
    SetPile(Book::Dungeon, {1, 1, 1});
    SetPile(Book::Battle, {1000});

    EXPECT_EQ(BookCardCount(g), 30);
    EXPECT_EQ(PileCount(g), 3);
    g.battle.battleOn = 1;
    EXPECT_EQ(BookCardCount(g), 20);
    EXPECT_EQ(PileCount(g), 1);
    g.screen.editBookKind = 1;  // the editor wins over the fight
    EXPECT_EQ(BookCardCount(g), 30);
}

TEST_F(Draw, PileCountStopsAtTheCapacity) {
    g.player.level = 3;
    auto& cards = PileOf(g, Book::Dungeon).cards;
    cards.fill(1);
    EXPECT_EQ(PileCount(g, Book::Dungeon), 80);
}

// Drawing into the hands.

TEST_F(Draw, AFullDungeonHandDiscardsItsOldestCard) {
    Card(1, "足");
    Card(2, "シューズ");
    SetHand(Book::Dungeon, {11, 12, 13, 14, 15, 16, 17, 18});
    HandOf(g, Book::Dungeon)[3].glow = 9;
    SetPile(Book::Dungeon, {2, 1});

    DrawCard(g, Book::Dungeon);

    EXPECT_EQ(HandCards(Book::Dungeon), (std::vector<int32_t>{12, 13, 14, 15, 16, 17, 18, 2}));
    EXPECT_EQ(HandOf(g, Book::Dungeon)[2].glow, 9);  // the highlight moves with its card
    EXPECT_EQ(HandOf(g, Book::Dungeon)[7].glow, kNewCardGlow);
    EXPECT_EQ(g.books.discard.cards[0], 11);
    EXPECT_EQ(Pile(Book::Dungeon), (std::vector<int32_t>{1}));
    EXPECT_EQ(Line(0).text, " 【シューズ】をドロー");
    EXPECT_EQ(Line(0).colourCode, ColourCode("gray"));
    EXPECT_EQ(Line(0).icon, "card_d.bmp");
}

TEST_F(Draw, ACardTakesTheLowestEmptySlot) {
    Card(1, "足");
    SetHand(Book::Dungeon, {3, 4});
    SetPile(Book::Dungeon, {1});
    DrawCard(g, Book::Dungeon);
    EXPECT_EQ(HandCards(Book::Dungeon), (std::vector<int32_t>{3, 4, 1, 0, 0, 0, 0, 0}));
}

TEST_F(Draw, NothingIsDrawnOutsideADungeon) {
    Card(1, "足");
    g.dungeon.entered = 0;
    SetPile(Book::Dungeon, {1});
    DrawCard(g, Book::Dungeon);
    DrawNamedCard(g, Book::Dungeon, "足");
    EXPECT_EQ(HandCount(g, Book::Dungeon), 0);
    EXPECT_EQ(PileCount(g, Book::Dungeon), 1);
}

TEST_F(Draw, TheBattleBookReshufflesAndLeavesAFullHandAlone) {
    Card(1000, "指");
    Put(1000, 50);
    SetHand(Book::Battle, {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000});
    SetPile(Book::Battle, {1000});
    DrawCard(g, Book::Battle);
    EXPECT_EQ(PileCount(g, Book::Battle), 1);

    SetHand(Book::Battle, {1000});
    SetPile(Book::Battle, {});
    DrawCard(g, Book::Battle);
    EXPECT_EQ(HandCount(g, Book::Battle), 2);
    EXPECT_EQ(PileCount(g, Book::Battle), 48);  // 50 less the card held at the shuffle, less the one drawn
    EXPECT_EQ(LinesWith("バトルブックをシャッフル"), 1);
}

TEST_F(Draw, ABattleBookHeldWholeInHandDrawsNothing) {
    Card(1000, "指");
    Put(1000, 2);
    SetHand(Book::Battle, {1000, 1000});
    DrawCard(g, Book::Battle);
    EXPECT_EQ(HandCards(Book::Battle), (std::vector<int32_t>{1000, 1000, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Draw, NamedDrawTakesTheCopyNearestTheBottom) {
    Card(1000, "指");
    Card(1001, "牙");
    Card(2207, "木の弓");
    SetPile(Book::Battle, {1000, 2207, 1001, 2207, 1000});
    DrawNamedCard(g, Book::Battle, "木の弓");
    EXPECT_EQ(Pile(Book::Battle), (std::vector<int32_t>{1000, 2207, 1001, 1000}));
    EXPECT_EQ(HandCards(Book::Battle), (std::vector<int32_t>{2207, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Line(0).text, " 【木の弓】をドロー");
}

TEST_F(Draw, NamedDrawOfAMissingCardLeavesTheHand) {
    Card(1000, "指");
    SetPile(Book::Battle, {1000, 1000});
    DrawNamedCard(g, Book::Battle, "パチンコ");
    DrawNamedCard(g, Book::Battle, "");  // empty pile entries have no name either
    EXPECT_EQ(HandCount(g, Book::Battle), 0);
    EXPECT_EQ(PileCount(g, Book::Battle), 2);
    EXPECT_EQ(Line(1).text, "　『パチンコ』はデッキにありませんでした");
}

TEST_F(Draw, NamedDrawIntoAFullHandReplacesTheOldestCard) {
    Card(1000, "指");
    Card(2207, "木の弓");
    SetHand(Book::Battle, {1, 2, 3, 4, 5, 6, 7, 8});
    SetPile(Book::Battle, {1000, 2207});
    DrawNamedCard(g, Book::Battle, "木の弓");
    EXPECT_EQ(HandCards(Book::Battle), (std::vector<int32_t>{2, 3, 4, 5, 6, 7, 8, 2207}));
    EXPECT_EQ(g.books.discard.cards[0], 0);  // battle cards do not go to the discard pile
}

TEST_F(Draw, RemovingAHandCardClosesTheGap) {
    SetHand(Book::Dungeon, {1, 2, 3});
    g.books.discard.cards[0] = 9;
    RemoveHandCard(g, Book::Dungeon, 1);
    EXPECT_EQ(HandCards(Book::Dungeon), (std::vector<int32_t>{1, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.books.discard.cards[1], 2);
    RemoveHandCard(g, Book::Dungeon, 5);  // an empty slot discards nothing
    EXPECT_EQ(g.books.discard.cards[2], 0);
}

// Refills and their warnings.

TEST_F(Draw, RefillToEightDrawsOnlyWhatIsMissing) {
    Card(1, "足");
    SetHand(Book::Dungeon, {1, 1, 1, 1, 1});
    SetPile(Book::Dungeon, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    RefillHand(g, Book::Dungeon, 0);
    EXPECT_EQ(HandCount(g, Book::Dungeon), 8);
    EXPECT_EQ(PileCount(g, Book::Dungeon), 17);
    EXPECT_EQ(LinesWith("Ｄ.ブックから手札が8枚になるようドロー"), 1);
    EXPECT_EQ(LinesWith("をドロー"), 3);
}

TEST_F(Draw, RefillWarnsAsTheDungeonPileRunsLow) {
    Card(1, "足");
    struct Case {
        int left;
        const char* text;
        const char* colour;
    };
    const Case cases[] = {
        {11, nullptr, nullptr},
        {10, "　＊＊＊　Ｄ.ブック残り 10枚　＊＊＊", "pink2"},
        {9, nullptr, nullptr},
        {5, "　＊＊＊　Ｄ.ブック残り 5枚　＊＊＊", "pink2"},
        {2, nullptr, nullptr},
        {1, "　＊＊＊　Ｄ.ブック残り 1枚　＊＊＊", "pink2"},
        {0, "　<×警告×>　Ｄ.ブック残り 0枚　<×警告×>", "red"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        SetHand(Book::Dungeon, {});
        auto& pile = PileOf(g, Book::Dungeon).cards;
        pile.fill(0);
        std::fill_n(pile.begin(), c.left + 1, 1);
        NextFrame();
        const int warnings = PlayedCount("keikoku.wav");
        RefillHand(g, Book::Dungeon, 1);
        if (c.text == nullptr) {
            EXPECT_EQ(Line(0).text, " 【足】をドロー");
            EXPECT_EQ(PlayedCount("keikoku.wav"), warnings);
        } else {
            EXPECT_EQ(Line(0).text, c.text);
            EXPECT_EQ(Line(0).colourCode, ColourCode(c.colour));
            EXPECT_EQ(PlayedCount("keikoku.wav"), warnings + 1);
        }
    }
}

TEST_F(Draw, TheBattleBookGivesNoWarnings) {
    Card(1000, "指");
    SetPile(Book::Battle, {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000});
    RefillHand(g, Book::Battle, 1);
    EXPECT_EQ(Line(0).text, " 【指】をドロー");
}

// The dungeon book running dry.

TEST_F(Draw, ThePileRunningDryMidRefillEndsTheRunOnce) {
    Card(1, "足");
    g.player.goldNuggets = 40;
    g.player.deathCount = 2;
    SetHand(Book::Dungeon, {1, 1, 1});
    SetPile(Book::Dungeon, {1, 1});

    RefillHand(g, Book::Dungeon, 0);
    RefillHand(g, Book::Dungeon, 0);
    DrawCard(g, Book::Dungeon);
    DrawNamedCard(g, Book::Dungeon, "足");

    EXPECT_EQ(HandCount(g, Book::Dungeon), 5);
    EXPECT_EQ(g.books.runEndedByExhaustion, 1);
    EXPECT_EQ(g.player.goldNuggets, 0);
    EXPECT_EQ(g.player.deathCount, 3);
    EXPECT_EQ(LinesWith("【×】あなたは死んでしまった...."), 1);
    EXPECT_EQ(Line(0).text, "　所持していた金塊 40gの全てをロストした....");
    EXPECT_EQ(Line(0).colourCode, ColourCode("red2"));
    EXPECT_EQ(LinesWith("警告"), 0);
    EXPECT_EQ(PlayedCount("kaminari.wav"), 1);
    const size_t slot = static_cast<size_t>(g.effects.ring);
    EXPECT_EQ(g.effects.text[slot], "ブック枯渇");
    EXPECT_EQ(g.effects.x[slot], 400);
    EXPECT_EQ(g.effects.y[slot], 200);
}

TEST_F(Draw, ANamedDrawFromAnEmptyDungeonPileIsFatalToo) {
    DrawNamedCard(g, Book::Dungeon, "足");
    EXPECT_EQ(g.books.runEndedByExhaustion, 1);
    EXPECT_EQ(LinesWith("はデッキにありませんでした"), 0);
}

}  // namespace
}  // namespace kestrilon
