#pragma once
// The battle-card groups, one per id range; BattleCatalogue() lists them in id order.
#include <span>

#include "data/catalogue.h"

namespace kestrilon {

std::span<const CardRow> BattlePhysicalCards();   // 1000..1135: physical attacks, weapons, whips, spears
std::span<const CardRow> BattleMagicCards();      // 1200..1270: magic, drains, spirit charges
std::span<const CardRow> BattleBulletCards();     // 1300..1326: bullets
std::span<const CardRow> BattleArrowCards();      // 1350..1372: arrows
std::span<const CardRow> BattleRecoveryCards();   // 1484..1620: balls, crystals, beads, trances, cures
std::span<const CardRow> BattleBuffCards();       // 1640..1725: self buffs, crests and techniques
std::span<const CardRow> BattleDebuffCards();     // 1750..1832: debuffs, nothing, escapes, summons, calls
std::span<const CardRow> BattleArmourCards();     // 1850..1855: elemental armours
std::span<const CardRow> BattleRingCards();       // 1900..1909: rings
std::span<const CardRow> BattleCandyCards();      // 1950..1957: candies
std::span<const CardRow> BattleStateCards();      // 1970..1975: full-strength states
std::span<const CardRow> BattlePiercingCards();   // 2000..2021: piercings
std::span<const CardRow> BattleSashCards();       // 2100..2106: sashes
std::span<const CardRow> BattleGunAndBowCards();  // 2199..2215: guns, bows, holster, slingshot
std::span<const CardRow> BattleAccessoryCards();  // 2299..2328: cloaks, headbands, necklaces, pendants

}  // namespace kestrilon
