#include "books/books.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "books/draw.h"
#include "books/shuffle.h"
#include "data/capacity.h"
#include "data/stats.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kBasicDungeonCard = 1;
constexpr int kBasicBattleCard = 1000;

std::string_view BookName(Book book) { return book == Book::Dungeon ? "Ｄ.ブック" : "バトルブック"; }

}  // namespace

Book CurrentBook(const Game& g) {
    if (g.screen.editBookKind == static_cast<int>(Book::Dungeon)) return Book::Dungeon;
    if (g.screen.editBookKind == static_cast<int>(Book::Battle)) return Book::Battle;
    return g.battle.battleOn >= 1 ? Book::Battle : Book::Dungeon;
}

DrawPile& PileOf(Game& g, Book book) { return book == Book::Dungeon ? g.books.dungeonPile : g.books.battlePile; }
const DrawPile& PileOf(const Game& g, Book book) {
    return book == Book::Dungeon ? g.books.dungeonPile : g.books.battlePile;
}
Hand& HandOf(Game& g, Book book) { return book == Book::Dungeon ? g.books.dungeonHand : g.books.battleHand; }
const Hand& HandOf(const Game& g, Book book) {
    return book == Book::Dungeon ? g.books.dungeonHand : g.books.battleHand;
}

int BookCardCount(const Game& g, Book book) {
    int count = 0;
    for (const int16_t id : HeldCards(g)) {
        const titem& card = g.cards[id];
        const int32_t copies = g.player.BookContents[static_cast<size_t>(id)];
        if (copies > 0 && card.Exists() && card.kind == static_cast<int32_t>(book)) count += copies;
    }
    return count;
}

int BookCardCount(const Game& g) { return BookCardCount(g, CurrentBook(g)); }

int PileCount(const Game& g, Book book) {
    const auto& cards = PileOf(g, book).cards;
    const auto used = cards.begin() + std::clamp(BookCapacity(g), 0, kPileEntries);
    return static_cast<int>(std::count_if(cards.begin(), used, [](int32_t id) { return id >= 1; }));
}

int PileCount(const Game& g) { return PileCount(g, CurrentBook(g)); }

int HandCount(const Game& g, Book book) {
    const Hand& hand = HandOf(g, book);
    return static_cast<int>(std::count_if(hand.begin(), hand.end(), [](const HandSlot& s) { return s.card > 0; }));
}

void ResetHand(Game& g, Book book) {
    HandOf(g, book).fill(HandSlot{});
    Log(g, book == Book::Dungeon ? "Ｄ.カードの手札を初期化" : "バトルカードの手札を初期化");
}

void RemoveHandCard(Game& g, Book book, int slot) {
    EXPECTS(slot >= 0 && slot < kHandSlots);
    if (slot < 0 || slot >= kHandSlots) return;
    Hand& hand = HandOf(g, book);
    const int32_t card = hand[static_cast<size_t>(slot)].card;
    if (book == Book::Dungeon && card > 0) {
        auto& discard = g.books.discard.cards;
        const auto empty = std::find(discard.begin(), discard.end(), 0);
        // The discard pile holds at most the cards dealt from a book no larger than it.
        EXPECTS(empty != discard.end());
        if (empty != discard.end()) *empty = card;
    }
    std::move(hand.begin() + slot + 1, hand.end(), hand.begin() + slot);
    hand.back() = HandSlot{};
}

void DungeonEntrySequence(Game& g) {
    g.battle.fightActive = 0;
    g.battle.battleOn = 0;
    g.books.runEndedByExhaustion = 0;
    ResetHand(g, Book::Dungeon);
    ResetHand(g, Book::Battle);
    ShuffleBook(g, Book::Dungeon);
    ShuffleBook(g, Book::Battle);
    RefillHand(g, Book::Dungeon, 0);
}

bool BookFillCheck(Game& g, Book book) {
    const int capacity = BookCapacity(g);
    const int count = BookCardCount(g, book);
    if (count >= capacity) return true;

    const std::string_view name = BookName(book);
    std::string question = "【!】";
    question.append(name).append("は");
    AppendInt(question, capacity);
    question.append("枚以上なければなりません\r\r現在").append(name).append(" ");
    AppendInt(question, count);
    question.append("枚\r\rひとまず、空いたブックに初期カードを入れて、完了としますか？");
    if (!g.os.Confirm(question)) return false;

    const int shortfall = capacity - count;
    const int basic = book == Book::Dungeon ? kBasicDungeonCard : kBasicBattleCard;
    g.player.BookContents[static_cast<size_t>(basic)] += shortfall;
    std::string line = "※";
    line.append(name).append("が不足していたため、不足分 ");
    AppendInt(line, shortfall);
    line.append("枚を【").append(g.cards[basic].name).append("】で穴埋めしておきました");
    Log(g, line);
    if (book == Book::Dungeon) PlayEffect(g, "card.wav");
    return true;
}

}  // namespace kestrilon
