#pragma once
// The `state` command: what a tester checks, as name=value lines.
#include <ostream>

namespace kestrilon {
struct Game;
}

namespace kestrilon::play {

void PrintState(const Game& g, std::ostream& out);

}  // namespace kestrilon::play
