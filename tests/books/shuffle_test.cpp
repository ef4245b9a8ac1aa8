#include "books/shuffle.h"

#include <map>
#include <random>

#include "books/books_fixture.h"
#include "books/draw.h"
#include "data/card_database.h"
#include "render/colour.h"

namespace kestrilon {
namespace {

using Shuffle = testing::BooksTest;

std::map<int32_t, int> Tally(const std::vector<int32_t>& ids) {
    std::map<int32_t, int> tally;
    for (const int32_t id : ids) ++tally[id];
    return tally;
}

TEST_F(Shuffle, CardsInHandStayOutOfThePile) {
    Card(1, "足");
    Card(2, "シューズ");
    Card(1000, "指");
    Put(1, 45);
    Put(2, 5);
    Put(1000, 50);  // the other book's cards never enter this pile
    SetHand(Book::Dungeon, {2, 2, 2});
    g.books.discard.cards[0] = 2;

    ShuffleBook(g, Book::Dungeon);

    EXPECT_EQ(Tally(Pile(Book::Dungeon)), (std::map<int32_t, int>{{1, 45}, {2, 2}}));
    EXPECT_EQ(g.books.discard.cards[0], 0);
    EXPECT_EQ(Line(0).text, "ダンジョンブックをシャッフル");
    EXPECT_EQ(PlayedCount("card.wav"), 1);
}

TEST_F(Shuffle, ThePileTakesCapacityLessTheHandEvenFromALargerBook) {
    g.player.level = 3;
    Card(1000, "指");
    Card(1001, "牙");
    Put(1000, 80);
    Put(1001, 10);
    SetHand(Book::Battle, {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000});
    ShuffleBook(g, Book::Battle);
    EXPECT_EQ(PileCount(g, Book::Battle), 72);
    EXPECT_EQ(PileOf(g, Book::Battle).cards[72], 0);
    EXPECT_EQ(Line(0).text, "バトルブックをシャッフル");
}

TEST_F(Shuffle, ABrokenBookStopsWithItsMessageAndWithoutTheFullCountOfDraws) {
    Card(1, "足");
    Put(1, 10);
    Put(7, 40);  // copies of a card that does not exist
    const Rng before = g.rng;

    EXPECT_FALSE(ShuffleBookWithTries(g, Book::Dungeon, kShuffleTries));

    EXPECT_EQ(Pile(Book::Dungeon), std::vector<int32_t>(10, 1));
    EXPECT_EQ(Line(0).text, "ブックが正常でない可能性が出たので中断します");
    EXPECT_EQ(LinesWith("シャッフル"), 0);
    EXPECT_EQ(PlayedCount("card.wav"), 0);
    // Ten positions filled by rejection draws take some tens of thousands of ids, far
    // below the 119,999,999 one hopeless position would cost.
    const uint64_t next = Rng(g.rng).Next();
    Rng probe = before;
    int draws = 0;
    while (probe.Next() != next && draws < 2'000'000) ++draws;
    EXPECT_LT(draws, 2'000'000);
}

TEST_F(Shuffle, EachPositionGetsOnlyItsCountOfTries) {
    Card(1, "足");
    Put(1, 50);
    // One matching id in 7000: three tries find it only by rare luck, the full count always.
    EXPECT_FALSE(ShuffleBookWithTries(g, Book::Dungeon, 3));
    EXPECT_EQ(Line(0).text, "ブックが正常でない可能性が出たので中断します");
    EXPECT_TRUE(ShuffleBookWithTries(g, Book::Dungeon, kShuffleTries));
    EXPECT_EQ(PileCount(g, Book::Dungeon), 50);
}

TEST_F(Shuffle, ThePendantKeepsOnlyBowsGunsAndTheSlingshotAmongAbilities) {
    g.player.level = 5;
    FillCardDatabase(g);
    // Every ability the pendant lets through, the pendant itself and enough of the others
    // to fill half the book; the basic card makes up the rest.
    const int pendant = CardIdByName(g, "逆光のペンダント");
    int kept = 0;
    int abilities = 0;
    for (int id = kFirstBattleCard; id < kCardIds; ++id) {
        const titem& card = g.cards[id];
        if (!card.Exists() || card.isAbility < 1) continue;
        const bool keeps = card.isBow >= 1 || card.isGun >= 1 || card.name == "パチンコ";
        if (!keeps && id != pendant && abilities >= 50) continue;
        Put(id, 1);
        ++abilities;
        if (keeps) ++kept;
    }
    ASSERT_GT(kept, 2);
    ASSERT_LT(abilities, 100);
    Put(kFirstBattleCard, 100 - abilities);

    ShuffleBook(g, Book::Battle);

    int abilitiesLeft = 0;
    for (const int32_t id : Pile(Book::Battle)) {
        const titem& card = g.cards[id];
        if (card.isAbility < 1) continue;
        ++abilitiesLeft;
        EXPECT_TRUE(card.isBow >= 1 || card.isGun >= 1 || card.name == "パチンコ") << card.name;
    }
    EXPECT_EQ(abilitiesLeft, kept);
    EXPECT_EQ(PileCount(g, Book::Battle), 100 - abilities + kept);

    Put(pendant, 0);
    ShuffleBook(g, Book::Battle);
    EXPECT_EQ(PileCount(g, Book::Battle), 99);
}

// Fill check before a dungeon.

TEST_F(Shuffle, AShortBookAsksAndFillsWithTheBasicCard) {
    g.player.level = 1;
    Card(1, "足");
    Card(1000, "指");
    Put(1, 20);
    Put(1000, 58);
    os.answers = {false, true, true};

    EXPECT_FALSE(BookFillCheck(g, Book::Dungeon));
    EXPECT_EQ(os.questions.at(0),
              "【!】Ｄ.ブックは60枚以上なければなりません\r\r現在Ｄ.ブック 20枚\r\r"
              "ひとまず、空いたブックに初期カードを入れて、完了としますか？");
    EXPECT_EQ(g.player.BookContents[1], 20);

    EXPECT_TRUE(BookFillCheck(g, Book::Dungeon));
    EXPECT_EQ(g.player.BookContents[1], 60);
    EXPECT_EQ(Line(0).text, "※Ｄ.ブックが不足していたため、不足分 40枚を【足】で穴埋めしておきました");
    EXPECT_EQ(PlayedCount("card.wav"), 1);

    NextFrame();
    EXPECT_TRUE(BookFillCheck(g, Book::Battle));
    EXPECT_EQ(os.questions.at(2),
              "【!】バトルブックは60枚以上なければなりません\r\r現在バトルブック 58枚\r\r"
              "ひとまず、空いたブックに初期カードを入れて、完了としますか？");
    EXPECT_EQ(g.player.BookContents[1000], 60);
    EXPECT_EQ(Line(0).text, "※バトルブックが不足していたため、不足分 2枚を【指】で穴埋めしておきました");
    EXPECT_EQ(PlayedCount("card.wav"), 1);

    EXPECT_TRUE(BookFillCheck(g, Book::Battle));
    EXPECT_EQ(os.questions.size(), 3u);
}

// The dungeon entry and long random play.

TEST_F(Shuffle, EnteringADungeonDealsAFreshRun) {
    Card(1, "足");
    Card(1000, "指");
    Put(1, 50);
    Put(1000, 50);
    g.books.runEndedByExhaustion = 1;
    g.battle.battleOn = g.battle.fightActive = 1;
    SetHand(Book::Battle, {1000, 1000});
    g.books.discard.cards[3] = 1;

    DungeonEntrySequence(g);

    EXPECT_EQ(g.books.runEndedByExhaustion, 0);
    EXPECT_EQ(g.battle.battleOn + g.battle.fightActive, 0);
    EXPECT_EQ(HandCount(g, Book::Dungeon), 8);
    EXPECT_EQ(PileCount(g, Book::Dungeon), 42);
    EXPECT_EQ(HandCount(g, Book::Battle), 0);
    EXPECT_EQ(PileCount(g, Book::Battle), 50);
    EXPECT_EQ(g.books.discard.cards[3], 0);
}

// Random shuffles, draws, named draws, discards and resets never let a card be in two
// places at once, never put a card into the wrong book and keep piles and hands packed.
TEST_F(Shuffle, RandomPlayKeepsEveryCardInOnePlace) {
    std::mt19937 random(99);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<std::string> names;
    for (int k = 0; k < 12; ++k) {
        names.push_back(Card(10 + k, "D" + std::to_string(k % 9)).name);  // some names shared
        names.push_back(Card(1500 + k, "B" + std::to_string(k % 9)).name);
    }
    Card(1510, "逆光のペンダント").isAbility = 1;
    Card(1511, "パチンコ").isAbility = 1;
    g.cards[1503].isAbility = 1;
    g.cards[1504].isAbility = g.cards[1504].isBow = 1;
    g.cards[1505].isAbility = g.cards[1505].isGun = 1;
    names.push_back("逆光のペンダント");

    auto deal = [&] {
        g.player.BookContents.fill(0);
        for (int k = 0; k < 12; ++k) {
            Put(10 + k, pick(10));
            Put(1500 + k, pick(10));
        }
        Put(40, 5);    // nameless ids with copies never reach a pile
        Put(1600, 5);
        Put(1510, pick(2));  // the pendant
        g.player.level = pick(4) - 1;  // most books full, some broken
        DungeonEntrySequence(g);
    };
    auto check = [&] {
        for (const Book book : {Book::Dungeon, Book::Battle}) {
            std::map<int32_t, int> seen = Tally(Pile(book));
            EXPECT_EQ(static_cast<int>(Pile(book).size()), PileCount(g, book)) << "pile not packed";
            const Hand& hand = HandOf(g, book);
            for (int s = 0; s < kHandSlots; ++s) {
                if (hand[static_cast<size_t>(s)].card > 0) {
                    ++seen[hand[static_cast<size_t>(s)].card];
                    EXPECT_TRUE(s == 0 || hand[static_cast<size_t>(s - 1)].card > 0) << "hand not packed";
                }
            }
            if (book == Book::Dungeon) {
                for (const int32_t id : g.books.discard.cards) {
                    if (id > 0) ++seen[id];
                }
            }
            for (const auto& [id, copies] : seen) {
                EXPECT_TRUE(g.cards[id].Exists());
                EXPECT_EQ(g.cards[id].kind, static_cast<int32_t>(book));
                EXPECT_LE(copies, g.player.BookContents[static_cast<size_t>(id)]) << "card " << id;
            }
        }
    };

    int deaths = 0;
    deal();
    for (int step = 0; step < 4000 && !HasFailure(); ++step) {
        const Book book = pick(2) == 0 ? Book::Dungeon : Book::Battle;
        switch (pick(8)) {
            case 0: if (book == Book::Battle || pick(10) == 0) ShuffleBook(g, book); break;
            case 1: DrawCard(g, book); break;
            case 2: DrawNamedCard(g, book, names[static_cast<size_t>(pick(static_cast<int>(names.size())))]); break;
            case 3: RemoveHandCard(g, book, pick(kHandSlots)); break;
            case 4: RefillHand(g, book, pick(3)); break;
            case 5: if (pick(20) == 0) ResetHand(g, book); break;
            case 6:
                if (pick(40) == 0 || g.books.runEndedByExhaustion != 0) {
                    deaths += g.books.runEndedByExhaustion;
                    deal();
                }
                break;
            default: DrawCard(g, book); break;
        }
        check();
    }
    EXPECT_GT(deaths, 0) << "the dungeon book never ran dry";
}

}  // namespace
}  // namespace kestrilon
