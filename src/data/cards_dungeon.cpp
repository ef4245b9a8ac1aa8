#include <array>

#include "data/cards_dungeon.h"

namespace kestrilon {

std::span<const std::span<const CardRow>> DungeonCatalogue() {
    static const std::array<std::span<const CardRow>, 6> kGroups = {
        DungeonShoeCards(), DungeonProvisionCards(), DungeonRemedyCards(),
        DungeonToolCards(), DungeonAbilityCards(),   DungeonWindCards(),
    };
    return kGroups;
}

}  // namespace kestrilon
