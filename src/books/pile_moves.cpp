#include "books/pile_moves.h"

#include <algorithm>
#include <string>

#include "books/books.h"
#include "data/capacity.h"
#include "render/message_log.h"
#include "state/game.h"

namespace kestrilon {
namespace {

int PileEnd(const Game& g) { return std::clamp(BookCapacity(g), 0, kPileEntries); }

bool MayReturn(const Game& g, int32_t id) {
    if (id <= 0 || !CardDatabase::ValidId(id)) return false;
    const titem& card = g.cards[id];
    return card.Exists() && card.isAbility < 1 && card.action != CodeOf(DungeonEffect::Recycler) &&
           card.isRecycle < 1;
}

}  // namespace

int DiscardCount(const Game& g) {
    const auto& cards = g.books.discard.cards;
    return static_cast<int>(std::find(cards.begin(), cards.end(), 0) - cards.begin());
}

int32_t TakeFromDiscards(Game& g, int pos) {
    auto& cards = g.books.discard.cards;
    EXPECTS(pos >= 0 && pos < kPileEntries);
    const int32_t card = cards[static_cast<size_t>(pos)];
    std::move(cards.begin() + pos + 1, cards.end(), cards.begin() + pos);
    cards.back() = 0;
    return card;
}

void InsertIntoPile(Game& g, int pos, int32_t card) {
    auto& cards = g.books.dungeonPile.cards;
    EXPECTS(pos >= 0 && pos < kPileEntries);
    // Every card of the book is in the pile, the hand or the discards, so the pile has room.
    EXPECTS(cards.back() == 0);
    std::move_backward(cards.begin() + pos, cards.end() - 1, cards.end());
    cards[static_cast<size_t>(pos)] = card;
}

bool ReturnFromDiscard(Game& g) {
    const int capacity = PileEnd(g);
    for (int probe = 0; probe < kReturnProbes && capacity > 0; ++probe) {
        const int pos = g.Roll(capacity);
        const int32_t id = g.books.discard.cards[static_cast<size_t>(pos)];
        if (!MayReturn(g, id)) continue;
        TakeFromDiscards(g, pos);
        InsertIntoPile(g, PileCount(g, Book::Dungeon), id);
        Log(g, "　【" + g.cards[id].name + "】を捨札からブックの最後に戻しました");
        return true;
    }
    Log(g, "　捨て札に戻せるカードが見つかりませんでした");
    return false;
}

bool FetchNeededCard(Game& g, PileSource source, EventCode event) {
    const bool fromPile = source == PileSource::DungeonPile;
    auto& cards = fromPile ? g.books.dungeonPile.cards : g.books.discard.cards;
    const int end = fromPile ? PileEnd(g) : kPileEntries;
    for (int pos = end - 1; pos >= 0; --pos) {
        const int32_t id = cards[static_cast<size_t>(pos)];
        if (id <= 0 || !CardDatabase::ValidId(id) || !g.cards[id].Exists()) continue;
        if (g.cards[id].eventKind != CodeOf(event)) continue;
        std::move(cards.begin() + pos + 1, cards.end(), cards.begin() + pos);
        cards.back() = 0;
        InsertIntoPile(g, 0, id);
        return true;
    }
    return false;
}

}  // namespace kestrilon
