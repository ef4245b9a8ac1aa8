#pragma once
// The card catalogue as data: one row per card with its level-0 numbers, its level
// blocks and a short text recipe. The filler turns rows into titem records.
//
// Rows use designated initializers, so fields must be written in the order declared
// here (the numeric fields follow the titem record order).
//
// Text recipes: literal text with placeholders naming a numeric field of the record as
// it stands after the level block, e.g. "{value}km進む" or "物理攻撃:{value} 命中:{value2}".
// A segment in square brackets is kept only when every number in it is 1 or more:
// "HP+{value}回復[ / {value2}km進む]". Numbers are written in decimal with a leading "-".
// Placeholders use the titem field names ({int} or {int_} for the INT bonus); segments do
// not nest, and "[", "]", "{", "}" have no other meaning. CatalogueProblems()
// (card_database.h) reports a recipe that names an unknown field or leaves a bracket open.
#include <array>
#include <climits>
#include <cstdint>
#include <span>
#include <string_view>

// Rows name only the fields they set and leave the rest at their defaults on purpose;
// this header is included only by the catalogue and its filler.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace kestrilon {

constexpr int32_t kKeep = INT32_MIN;  // a level block leaves this number as it was

// Numbers that one strengthening level replaces; kKeep leaves the level-0 value.
struct Lv {
    int32_t tpCost = kKeep;
    int32_t mnd = kKeep;
    int32_t value2 = kKeep;
    int32_t value3 = kKeep;
    int32_t str = kKeep;
    int32_t int_ = kKeep;
    int32_t vit = kKeep;
    int32_t dex = kKeep;
    int32_t agi = kKeep;
    int32_t mpCost = kKeep;
    int32_t value = kKeep;
    int32_t arkCost = kKeep;
    int32_t nextLevel = kKeep;
    int32_t tpGain = kKeep;
    int32_t maxHp = kKeep;
    int32_t maxMp = kKeep;
    int32_t critical = kKeep;
};

// Values the filler computes from the player's state instead of the row.
enum class Live : uint8_t {
    None,
    BookCapacityCopies,  // maxCopies = book capacity (the basic cards)
    WindHalfKm,          // value = wind cards in the books div 2
    DarkCountMaxMp,      // maxMp = dark cards in the books
    EarthCountMaxHp,     // maxHp = earth cards in the books
};

struct CardRow {
    int32_t id = 0;
    std::string_view name;
    std::string_view image;
    std::string_view sound;
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
    int32_t int_ = 0;
    int32_t vit = 0;
    int32_t dex = 0;
    int32_t agi = 0;
    int32_t mpCost = 0;
    int32_t isRare = 0;
    int32_t isSecret = 0;
    int32_t action = 0;
    int32_t value = 0;
    int32_t isRecycle = 0;
    int32_t isSnake = 0;
    int32_t arkCost = 0;
    int32_t nextLevel = 0;
    int32_t tpGain = 0;
    int32_t maxHp = 0;
    int32_t maxMp = 0;
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
    std::string_view text;          // the recipe
    std::array<Lv, 6> levels{};     // block L-1 applies when the card's level is L
    int32_t needsOwned = 0;         // price and material are 0 while this card is not owned
    bool altarOnly = false;         // nameless until the altar is unlocked
    Live live = Live::None;
    // needsOwned normally locks only at an owned count of exactly 0; with this set a
    // negative count locks as well.
    bool needsPositive = false;
    // Terms that never depend on the player's state; read through CardTermsOf (card_database.h).
    int32_t requiredLevel = 0;      // the shop offers the card from this player level on
    int32_t requiredDungeon = 0;    // shop, synthesis and altar list it once this dungeon is cleared
    int32_t treeDungeon = 0;        // felling a tree in this dungeon can yield the card
    int32_t strataDungeon = 0;      // mining strata in this dungeon can yield the card
};

// Groups of rows, each group in id order. Dungeon cards are ids 1..999, battle cards 1000 and up.
std::span<const std::span<const CardRow>> DungeonCatalogue();
std::span<const std::span<const CardRow>> BattleCatalogue();

}  // namespace kestrilon
