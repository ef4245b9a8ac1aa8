#pragma once
// A game inside a dungeon with hand-made cards, and ways to lay out piles and hands.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "books/books.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {

using Ids = std::vector<int32_t>;

class BooksTest : public GameTest {
protected:
    void SetUp() override {
        for (const char* name : {"card.wav", "keikoku.wav", "kaminari.wav"}) os.WriteFile(std::string("dat/") + name, "RIFF");
        g.dungeon.number = g.dungeon.entered = 1;
    }
    titem& Card(int id, std::string name) {
        g.cards[id].name = std::move(name);
        g.cards[id].kind = id < kFirstBattleCard ? 1 : 2;
        return g.cards[id];
    }
    void Put(int id, int copies) { g.player.BookContents[static_cast<size_t>(id)] = copies; }
    void SetPile(Book book, const Ids& ids) {
        PileOf(g, book).cards.fill(0);
        std::copy(ids.begin(), ids.end(), PileOf(g, book).cards.begin());
    }
    void SetHand(Book book, const Ids& ids) {
        HandOf(g, book).fill(HandSlot{});
        for (size_t s = 0; s < ids.size(); ++s) HandOf(g, book)[s].card = ids[s];
    }
    Ids Pile(Book book) const {
        const auto& cards = PileOf(g, book).cards;
        return {cards.begin(), std::find(cards.begin(), cards.end(), 0)};
    }
    Ids HandCards(Book book) const {
        Ids ids;
        for (const HandSlot& s : HandOf(g, book)) ids.push_back(s.card);
        return ids;
    }
    const LogEntry& Line(int age) const { return g.log.entries[static_cast<size_t>(age)]; }
    int LinesWith(std::string_view text) const {
        return static_cast<int>(std::count_if(g.log.entries.begin(), g.log.entries.end(),
                                              [&](const LogEntry& e) { return e.text.find(text) != std::string::npos; }));
    }
    int Played(std::string_view name) const { return static_cast<int>(std::count(os.played.begin(), os.played.end(), name)); }
};

}  // namespace kestrilon::testing
