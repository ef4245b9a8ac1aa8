#pragma once
// A game inside a dungeon with the real card catalogue, books laid out by hand, and what the
// game logged and played.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "books/books.h"
#include "data/card_database.h"
#include "data/stats.h"
#include "dungeon/dungeon_table.h"
#include "persist/new_game.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {

using Ids = std::vector<int32_t>;

class CardTest : public GameTest {
protected:
    std::vector<std::string> logged;

    void SetUp() override {
        NewGameValues(g);
        FillCardDatabase(g);
        LoadDungeonTable(g);
        g.player.playerName = "テスト";
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
        for (const char* name : {"card.wav", "kaifuku.wav", "water.wav", "no.wav", "ken.wav", "item_lost.wav",
                                 "bress.wav", "ren.wav", "walk.wav", "miss.wav", "happy.wav"})
            os.WriteFile(std::string("dat/") + name, "RIFF");
        At(1, 5);
    }
    // Inside dungeon n at km, fed and healthy, with nothing in front.
    void At(int n, int km) {
        g.dungeon.number = g.dungeon.entered = n;
        g.dungeon.table[0] = g.dungeon.table[static_cast<size_t>(n)];
        g.dungeon.event = EventCode::None;
        g.player.distanceWalked = km;
        g.player.hunger = 80;
        g.player.hp = MaxHp(g);
    }
    int Id(std::string_view name) const {
        const int id = CardIdByName(g, name);
        EXPECT_GT(id, 0) << name;
        return id;
    }
    void Carry(std::string_view name, int copies = 1) { g.player.BookContents[static_cast<size_t>(Id(name))] = copies; }
    void SetPile(const Ids& ids) {
        g.books.dungeonPile.cards.fill(0);
        std::copy(ids.begin(), ids.end(), g.books.dungeonPile.cards.begin());
    }
    void SetDiscards(const Ids& ids) {
        g.books.discard.cards.fill(0);
        std::copy(ids.begin(), ids.end(), g.books.discard.cards.begin());
    }
    void SetHand(Book book, const Ids& ids) {
        HandOf(g, book).fill(HandSlot{});
        for (size_t s = 0; s < ids.size(); ++s) HandOf(g, book)[s].card = ids[s];
    }
    Ids Pile() const { return Prefix(g.books.dungeonPile.cards); }
    Ids Discards() const { return Prefix(g.books.discard.cards); }
    Ids Hand(Book book = Book::Dungeon) const {
        Ids ids;
        for (const HandSlot& s : HandOf(g, book))
            if (s.card > 0) ids.push_back(s.card);
        return ids;
    }
    bool Logged(std::string_view text) const {
        return std::any_of(logged.begin(), logged.end(), [&](const std::string& l) { return l.find(text) != std::string::npos; });
    }
    int Played(std::string_view name) const { return static_cast<int>(std::count(os.played.begin(), os.played.end(), name)); }

private:
    template <class Cards>
    static Ids Prefix(const Cards& cards) {
        return {cards.begin(), std::find(cards.begin(), cards.end(), 0)};
    }
};

}  // namespace kestrilon::testing
