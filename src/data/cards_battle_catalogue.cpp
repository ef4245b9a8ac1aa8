#include <array>

#include "data/cards_battle.h"

namespace kestrilon {

std::span<const std::span<const CardRow>> BattleCatalogue() {
    static const std::array<std::span<const CardRow>, 15> kGroups = {
        BattlePhysicalCards(), BattleMagicCards(),   BattleBulletCards(),    BattleArrowCards(),
        BattleRecoveryCards(), BattleBuffCards(),    BattleDebuffCards(),    BattleArmourCards(),
        BattleRingCards(),     BattleCandyCards(),   BattleStateCards(),     BattlePiercingCards(),
        BattleSashCards(),     BattleGunAndBowCards(), BattleAccessoryCards(),
    };
    return kGroups;
}

}  // namespace kestrilon
