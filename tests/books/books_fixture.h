#pragma once
// A game inside a dungeon with hand-made cards, and ways to lay out piles and hands.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "books/books.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {

class BooksTest : public GameTest {
protected:
    void SetUp() override {
        for (const char* name : {"card.wav", "keikoku.wav", "kaminari.wav"}) os.WriteFile(std::string("dat/") + name, "RIFF");
        g.dungeon.number = g.dungeon.entered = 1;
    }
    titem& Card(int id, std::string name) {
        titem& c = g.cards[id];
        c.name = std::move(name);
        c.kind = id < kFirstBattleCard ? 1 : 2;
        return c;
    }
    void Put(int id, int copies) { g.player.BookContents[static_cast<size_t>(id)] = copies; }
    void SetPile(Book book, std::initializer_list<int32_t> ids) {
        auto& cards = PileOf(g, book).cards;
        cards.fill(0);
        std::copy(ids.begin(), ids.end(), cards.begin());
    }
    void SetHand(Book book, std::initializer_list<int32_t> ids) {
        Hand& hand = HandOf(g, book);
        hand.fill(HandSlot{});
        size_t slot = 0;
        for (const int32_t id : ids) hand[slot++].card = id;
    }
    // The pile as far as it holds cards.
    std::vector<int32_t> Pile(Book book) const {
        const auto& cards = PileOf(g, book).cards;
        return {cards.begin(), std::find(cards.begin(), cards.end(), 0)};
    }
    std::vector<int32_t> HandCards(Book book) const {
        std::vector<int32_t> ids;
        for (const HandSlot& s : HandOf(g, book)) ids.push_back(s.card);
        return ids;
    }
    const LogEntry& Line(int age) const { return g.log.entries[static_cast<size_t>(age)]; }
    int LinesWith(std::string_view text) const {
        return static_cast<int>(std::count_if(g.log.entries.begin(), g.log.entries.end(),
                                              [&](const LogEntry& e) { return e.text.find(text) != std::string::npos; }));
    }
    int PlayedCount(std::string_view name) const {
        return static_cast<int>(std::count(os.played.begin(), os.played.end(), name));
    }
    // Lets the next sound through the guard against repeating the last one.
    void NextFrame() { g.sound.LastSound.clear(); }
};

}  // namespace kestrilon::testing
