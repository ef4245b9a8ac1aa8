#pragma once
// The one player record. Derived statistics are computed from it in stats.h.
#include <array>
#include <cstdint>
#include <string>

#include "data/card.h"

namespace kestrilon {

using CardCounts = std::array<int32_t, kCardIds>;

struct PlayerState {
    std::string playerName;
    int32_t level = 0;
    int32_t money = 0;
    int32_t goldNuggets = 0;
    int32_t ark = 0;
    int32_t hp = 0;
    int32_t baseMaxHp = 0;
    int32_t mp = 0;
    int32_t baseMaxMp = 0;
    int32_t tp = 0;
    int32_t hunger = 0;
    int32_t baseAttack = 0;
    int32_t baseDefence = 0;
    int32_t baseKnowledge = 0;
    int32_t baseSpirit = 0;
    int32_t baseAccuracy = 0;
    int32_t baseEvasion = 0;
    int32_t actionGauge = 0;
    int32_t deathCount = 0;
    int32_t slotRights = 0;
    int32_t soundVolume = 0;  // hundredths of a decibel, 0 .. -4000
    int32_t largeNumbers = 0;  // option: damage numbers one size larger
    std::array<int32_t, 100> unlockFlags{};
    CardCounts CardCollection{};
    CardCounts BookContents{};
    CardCounts CardLevel{};
};

}  // namespace kestrilon
