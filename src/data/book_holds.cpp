#include "data/book_holds.h"

#include "data/card_database.h"
#include "data/stats.h"
#include "state/game.h"

namespace kestrilon {

int BookHolds(const Game& g, std::string_view name) {
    // Only a held card can give a count; asking the few held ids first keeps the usual
    // question, an item the player does not carry, away from the 7000-record walk.
    for (const int16_t id : HeldCards(g)) {
        if (g.cards[id].name != name) continue;
        // A higher id of the same name wins even when it is not in the books.
        return CardIdByName(g, name) == id ? g.player.BookContents[static_cast<size_t>(id)] : 0;
    }
    return 0;
}

int BookHolds(const Game& g, const CardReference& card) {
    if (!card.name.empty()) return BookHolds(g, card.name);
    if (!CardDatabase::ValidId(card.id)) return 0;
    return g.player.BookContents[static_cast<size_t>(card.id)];
}

}  // namespace kestrilon
