#include "books/shuffle.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "books/books.h"
#include "data/book_holds.h"
#include "data/capacity.h"
#include "data/stats.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr std::string_view kPendant = "逆光のペンダント";
constexpr std::string_view kSlingshot = "パチンコ";

// Copies of each id a random draw may still take. Ids of other kinds and nameless ids
// stay 0, so testing a drawn id is one look-up in a table that fits the cache.
using Takeable = std::array<int32_t, kCardIds>;

struct Stock {
    int inHand = 0;
    int distinct = 0;  // ids with copies left; at 0 no number of draws can succeed
};

Stock FillTakeable(const Game& g, Book book, Takeable& takeable) {
    takeable.fill(0);
    for (const int16_t id : HeldCards(g)) {
        const titem& card = g.cards[id];
        if (card.Exists() && card.kind == static_cast<int32_t>(book)) {
            takeable[static_cast<size_t>(id)] = g.player.BookContents[static_cast<size_t>(id)];
        }
    }
    Stock stock;
    for (const HandSlot& slot : HandOf(g, book)) {
        if (slot.card <= 0) continue;
        --takeable[static_cast<size_t>(slot.card)];
        ++stock.inHand;
    }
    stock.distinct = static_cast<int>(std::count_if(takeable.begin(), takeable.end(), [](int32_t n) { return n > 0; }));
    return stock;
}

bool KeptOutByPendant(const titem& card) {
    return card.isAbility >= 1 && card.isBow == 0 && card.isGun == 0 && card.name != kSlingshot;
}

}  // namespace

bool ShuffleBookWithTries(Game& g, Book book, int tries) {
    const int capacity = std::clamp(BookCapacity(g), 0, kPileEntries);
    auto& pile = PileOf(g, book).cards;
    // The whole arrays, not only the first capacity entries: a pile dealt from a larger
    // book (a game begun anew keeps this record) would otherwise slide its tail back in.
    pile.fill(0);
    if (book == Book::Dungeon) g.books.discard.cards.fill(0);

    Takeable takeable;
    Stock stock = FillTakeable(g, book, takeable);
    const int positions = capacity - stock.inHand;
    for (int pos = 0; pos < positions; ++pos) {
        int id = -1;
        // Once no id has copies left no draw can succeed: give the book up at once rather
        // than after the full count of tries, a stall of some 0.15 s.
        for (int t = 0; stock.distinct > 0 && t < tries; ++t) {
            const int candidate = g.Roll(kCardIds);
            if (takeable[static_cast<size_t>(candidate)] > 0) {
                id = candidate;
                break;
            }
        }
        if (id < 0) {
            Log(g, "ブックが正常でない可能性が出たので中断します");
            return false;
        }
        if (--takeable[static_cast<size_t>(id)] == 0) --stock.distinct;
        pile[static_cast<size_t>(pos)] = id;
    }

    const int n = std::max(positions, 0);
    for (int k = 0; k < n; ++k) {
        const int i = g.Roll(n);
        const int j = g.Roll(n);
        std::swap(pile[static_cast<size_t>(i)], pile[static_cast<size_t>(j)]);
    }

    if (book == Book::Battle && BookHolds(g, kPendant) >= 1) {
        const auto used = pile.begin() + capacity;
        const auto kept = std::remove_if(pile.begin(), used, [&](int32_t id) { return KeptOutByPendant(g.cards[id]); });
        std::fill(kept, used, 0);
    }

    Log(g, book == Book::Dungeon ? "ダンジョンブックをシャッフル" : "バトルブックをシャッフル");
    PlayEffect(g, "card.wav");
    return true;
}

void ShuffleBook(Game& g, Book book) { ShuffleBookWithTries(g, book, kShuffleTries); }

}  // namespace kestrilon
