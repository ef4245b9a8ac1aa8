#pragma once
// Carried items: a passive card takes effect while copies of it sit in a book.
#include <string_view>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;

// Copies in the books of the card named exactly `name`; where several ids share the
// name the highest id counts. 0 when no card has the name.
int BookHolds(const Game& g, std::string_view name);
// The same for a referenced card, named by name or by id.
int BookHolds(const Game& g, const CardReference& card);

}  // namespace kestrilon
