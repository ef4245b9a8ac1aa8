#pragma once
// The card record and the database of all 7000 card ids.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/expects.h"

namespace kestrilon {

constexpr int kCardIds = 7000;
constexpr int kFirstBattleCard = 1000;

// One card record. Field order is the record order the whole game relies on.
struct titem {
    std::string sound;
    std::string image;
    std::string name;
    std::string text;
    int32_t isArrow = 0;
    int32_t isBullet = 0;
    int32_t isBow = 0;
    int32_t isGun = 0;
    int32_t isSeries = 0;
    int32_t sortValue = 0;
    int32_t noTarget = 0;
    int32_t tpCost = 0;
    int32_t mnd = 0;
    int32_t isTreasure = 0;
    int32_t isPaid = 0;
    int32_t isCalling = 0;
    int32_t isAbilityGift = 0;
    int32_t isAbility = 0;
    int32_t toolLevel = 0;
    int32_t value2 = 0;
    int32_t value3 = 0;
    int32_t isUltraRare = 0;
    int32_t maxCopies = 0;
    int32_t str = 0;
    int32_t int_ = 0;  // INT bonus; the record calls it "int"
    int32_t vit = 0;
    int32_t dex = 0;
    int32_t agi = 0;
    int32_t mpCost = 0;
    int32_t isRare = 0;
    int32_t isSecret = 0;
    int32_t kind = 0;
    int32_t action = 0;
    int32_t value = 0;
    int32_t isRecycle = 0;
    int32_t isSnake = 0;
    int32_t arkCost = 0;
    int32_t nextLevel = 0;
    int32_t tpGain = 0;
    int32_t maxHp = 0;
    int32_t maxMp = 0;
    int32_t listMark1 = 0;  // run-time marks of the card list views; the filler never touches them
    int32_t listMark2 = 0;
    int32_t critical = 0;
    int32_t eventKind = 0;
    int32_t price = 0;
    int32_t element = 0;
    int32_t isSpecialMove = 0;
    int32_t isLure = 0;
    int32_t isRanged = 0;
    int32_t aux1 = 0;
    int32_t aux2 = 0;
    int32_t material = 0;
    int32_t effectGroup = 0;
    int32_t effectNumber = 0;

    bool Exists() const { return !name.empty(); }
};

struct CardDatabase {
    std::array<titem, kCardIds> cards;
    titem preview;  // the strengthening screen's look one level ahead

    titem& operator[](int id) {
        EXPECTS(ValidId(id));
        return cards[static_cast<size_t>(id)];
    }
    const titem& operator[](int id) const {
        EXPECTS(ValidId(id));
        return cards[static_cast<size_t>(id)];
    }
    static bool ValidId(int id) { return id >= 0 && id < kCardIds; }
};

}  // namespace kestrilon
