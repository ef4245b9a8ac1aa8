#include "data/capacity.h"

#include <algorithm>

#include "state/game.h"

namespace kestrilon {

int BookCapacity(const Game& g) {
    const int level = std::clamp(g.player.level, 0, 5);
    return 50 + 10 * level;
}

}  // namespace kestrilon
