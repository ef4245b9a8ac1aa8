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

#include "state/card.h"
#include "state/dungeon_state.h"

namespace kestrilon {

constexpr int32_t kKeep = INT32_MIN;  // a level block leaves this number as it was

// A row's action: a DungeonEffect on dungeon cards, a BattleAction on battle cards.
struct CardAction {
    int32_t code = 0;
    constexpr CardAction() = default;
    constexpr CardAction(DungeonEffect effect) : code(CodeOf(effect)) {}
    constexpr CardAction(BattleAction action) : code(CodeOf(action)) {}
};
constexpr int32_t CodeOf(CardAction action) { return action.code; }

#define KESTRILON_ROW_SKIP(...)
#define KESTRILON_ROW_NUMBER(member, label, RowType) RowType member{};
#define KESTRILON_ROW_LEVELLED(member, label) int32_t member = 0;
#define KESTRILON_LEVEL_NUMBER(member, label) int32_t member = kKeep;

// Numbers that one strengthening level replaces; kKeep leaves the level-0 value.
struct Lv {
    KESTRILON_CARD_FIELDS(KESTRILON_ROW_SKIP, KESTRILON_ROW_SKIP, KESTRILON_LEVEL_NUMBER, KESTRILON_ROW_SKIP)
};

// Values the filler computes from the player's state instead of the row.
enum class Live : uint8_t {
    None,
    BookCapacityCopies,  // maxCopies = book capacity (the basic cards)
    WindHalfKm,          // value = wind cards in the books div 2
    DarkCountMaxMp,      // maxMp = dark cards in the books
    EarthCountMaxHp,     // maxHp = earth cards in the books
};

// Every member has a default, so a row names only the fields it sets. The texts come
// first in the order an author reads a card by; the numbers follow in record order.
struct CardRow {
    int32_t id = 0;
    std::string_view name{};
    std::string_view image{};
    std::string_view sound{};
    KESTRILON_CARD_FIELDS(KESTRILON_ROW_SKIP, KESTRILON_ROW_NUMBER, KESTRILON_ROW_LEVELLED, KESTRILON_ROW_SKIP)
    std::string_view text{};        // the recipe
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

// The row of a card id and the highest id of a row with this name, whatever the player's
// state (altar-only cards included); nullptr and 0 when there is none.
const CardRow* CatalogueRow(int id);
int CatalogueIdByName(std::string_view name);

#undef KESTRILON_ROW_SKIP
#undef KESTRILON_ROW_NUMBER
#undef KESTRILON_ROW_LEVELLED
#undef KESTRILON_LEVEL_NUMBER

}  // namespace kestrilon
