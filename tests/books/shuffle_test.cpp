#include "books/shuffle.h"

#include <map>
#include <random>

#include "books/books_fixture.h"
#include "books/draw.h"
#include "data/card_database.h"

namespace kestrilon {
namespace {

using Shuffle = testing::BooksTest;
using testing::Ids;

std::map<int32_t, int> Tally(const Ids& ids) {
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
    EXPECT_EQ(Played("card.wav"), 1);
}

TEST_F(Shuffle, ABrokenBookStopsWithItsMessageAtOnce) {
    Card(1, "足");
    Put(1, 10);
    Put(7, 40);  // copies of a card that does not exist
    const Rng before = g.rng;
    EXPECT_FALSE(ShuffleBookWithTries(g, Book::Dungeon, kShuffleTries));
    EXPECT_EQ(Pile(Book::Dungeon), Ids(10, 1));
    EXPECT_EQ(Line(0).text, "ブックが正常でない可能性が出たので中断します");
    EXPECT_EQ(Played("card.wav"), 0);
    // Ten found cards cost some tens of thousands of draws; the hopeless eleventh none.
    const uint64_t next = Rng(g.rng).Next();
    Rng probe = before;
    int draws = 0;
    while (probe.Next() != next && draws < 2'000'000) ++draws;
    EXPECT_LT(draws, 2'000'000);

    // One matching id in 7000: three tries per position fail, the full count does not.
    Put(1, 50);
    EXPECT_FALSE(ShuffleBookWithTries(g, Book::Dungeon, 3));
    EXPECT_TRUE(ShuffleBookWithTries(g, Book::Dungeon, kShuffleTries));
    EXPECT_EQ(PileCount(g, Book::Dungeon), 50);
}

TEST_F(Shuffle, ThePendantKeepsOnlyBowsGunsAndTheSlingshotAmongAbilities) {
    g.player.level = 5;
    FillCardDatabase(g);
    const int pendant = CardIdByName(g, "逆光のペンダント");
    auto passes = [&](const titem& c) { return c.isBow >= 1 || c.isGun >= 1 || c.name == "パチンコ"; };
    int kept = 0;
    int abilities = 0;
    for (int id = kFirstBattleCard; id < kCardIds; ++id) {
        const titem& card = g.cards[id];
        if (!card.Exists() || card.isAbility < 1 || (!passes(card) && id != pendant && abilities >= 50)) continue;
        Put(id, 1);
        ++abilities;
        kept += passes(card) ? 1 : 0;
    }
    ASSERT_GT(kept, 2);
    Put(kFirstBattleCard, 100 - abilities);
    ShuffleBook(g, Book::Battle);
    int abilitiesLeft = 0;
    for (const int32_t id : Pile(Book::Battle)) {
        if (g.cards[id].isAbility < 1) continue;
        ++abilitiesLeft;
        EXPECT_TRUE(passes(g.cards[id])) << g.cards[id].name;
    }
    EXPECT_EQ(abilitiesLeft, kept);
    EXPECT_EQ(PileCount(g, Book::Battle), 100 - abilities + kept);
}

TEST_F(Shuffle, AShortBookAsksAndFillsWithTheBasicCard) {
    g.player.level = 1;
    Card(1, "足");
    Card(1000, "指");
    Put(1, 20);
    Put(1000, 58);
    os.answers = {false, true, true};
    EXPECT_FALSE(BookFillCheck(g, Book::Dungeon));
    EXPECT_EQ(g.player.BookContents[1], 20);
    EXPECT_TRUE(BookFillCheck(g, Book::Dungeon));
    EXPECT_EQ(g.player.BookContents[1], 60);
    EXPECT_EQ(Line(0).text, "※Ｄ.ブックが不足していたため、不足分 40枚を【足】で穴埋めしておきました");
    EXPECT_TRUE(BookFillCheck(g, Book::Battle));
    EXPECT_EQ(g.player.BookContents[1000], 60);
    EXPECT_EQ(Line(0).text, "※バトルブックが不足していたため、不足分 2枚を【指】で穴埋めしておきました");
    EXPECT_TRUE(BookFillCheck(g, Book::Battle));  // full now: no question
    EXPECT_EQ(os.questions, (std::vector<std::string>{
        "【!】Ｄ.ブックは60枚以上なければなりません\r\r現在Ｄ.ブック 20枚\r\rひとまず、空いたブックに初期カードを入れて、完了としますか？",
        "【!】Ｄ.ブックは60枚以上なければなりません\r\r現在Ｄ.ブック 20枚\r\rひとまず、空いたブックに初期カードを入れて、完了としますか？",
        "【!】バトルブックは60枚以上なければなりません\r\r現在バトルブック 58枚\r\rひとまず、空いたブックに初期カードを入れて、完了としますか？"}));
    EXPECT_EQ(Played("card.wav"), 1);  // for the dungeon book only
}

// Random runs of shuffles, draws, discards and resets, over books of every size, some
// broken, some with the pendant: no card is ever in two places, in the wrong book, or in
// a pile or hand with a gap.
TEST_F(Shuffle, RandomPlayKeepsEveryCardInOnePlace) {
    std::mt19937 random(99);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<std::string> names{"逆光のペンダント"};
    for (int k = 0; k < 12; ++k) {
        names.push_back(Card(10 + k, "D" + std::to_string(k % 9)).name);  // some names shared
        names.push_back(Card(1500 + k, "B" + std::to_string(k % 9)).name);
    }
    Card(1510, "逆光のペンダント").isAbility = 1;
    Card(1511, "パチンコ").isAbility = 1;
    g.cards[1503].isAbility = 1;
    g.cards[1504].isAbility = g.cards[1504].isBow = 1;
    auto deal = [&] {
        for (int k = 0; k < 12; ++k) {
            Put(10 + k, pick(10));
            Put(1500 + k, pick(10));
        }
        Put(40, 5);  // nameless ids with copies never reach a pile
        Put(1600, 5);
        Put(1510, pick(2));
        g.player.level = pick(4) - 1;  // from a lower level a tail of the last pile must not return
        DungeonEntrySequence(g);
    };
    auto check = [&](Book book) {
        std::map<int32_t, int> seen = Tally(Pile(book));
        EXPECT_EQ(static_cast<int>(Pile(book).size()), PileCount(g, book)) << "pile with a gap";
        const Ids hand = HandCards(book);
        EXPECT_TRUE(std::is_partitioned(hand.begin(), hand.end(), [](int32_t id) { return id > 0; }));
        for (const int32_t id : hand) seen[id] += id > 0 ? 1 : 0;
        for (const int32_t id : g.books.discard.cards) seen[id] += (id > 0 && book == Book::Dungeon) ? 1 : 0;
        for (const auto& [id, copies] : seen) {
            if (copies == 0) continue;
            EXPECT_TRUE(g.cards[id].Exists() && g.cards[id].kind == static_cast<int32_t>(book)) << id;
            EXPECT_LE(copies, g.player.BookContents[static_cast<size_t>(id)]) << "card " << id;
        }
    };
    int deaths = 0;
    deal();
    for (int step = 0; step < 4000 && !HasFailure(); ++step) {
        const Book book = pick(2) == 0 ? Book::Dungeon : Book::Battle;
        switch (pick(7)) {
            case 0: if (book == Book::Battle || pick(10) == 0) ShuffleBook(g, book); break;
            case 1: DrawCard(g, book); break;
            case 2: DrawNamedCard(g, book, names[static_cast<size_t>(pick(static_cast<int>(names.size())))]); break;
            case 3: RemoveHandCard(g, book, pick(kHandSlots)); break;
            case 4: RefillHand(g, book, pick(3)); break;
            case 5: if (pick(20) == 0) ResetHand(g, book); break;
            default:
                if (pick(40) == 0 || g.books.runEndedByExhaustion != 0) {
                    deaths += g.books.runEndedByExhaustion;
                    deal();
                }
        }
        check(Book::Dungeon);
        check(Book::Battle);
    }
    EXPECT_GT(deaths, 0) << "the dungeon book never ran dry";
}

}  // namespace
}  // namespace kestrilon
