#pragma once
// Carried items: a passive card takes effect while copies of it sit in a book.
#include <string_view>

namespace kestrilon {

struct Game;

// Copies in the books of the card named exactly `name`; where several ids share the
// name the highest id counts. 0 when no card has the name.
int BookHolds(const Game& g, std::string_view name);

}  // namespace kestrilon
