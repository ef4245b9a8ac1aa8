#include "books/capacity.h"

#include <algorithm>

#include "app/game.h"

namespace kestrilon {

int BookCapacity(const Game& g) {
    const int level = std::clamp(g.player.level, 0, 5);
    return 50 + 10 * level;
}

}  // namespace kestrilon
