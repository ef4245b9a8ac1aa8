#pragma once
// The draw piles, the dungeon discard pile and the two hands of a dungeon run. What the
// books hold is BookContents in the player record; these exist only while a run lasts
// and are never saved.
#include <array>
#include <cstdint>

#include "state/card.h"

namespace kestrilon {

constexpr int kPileEntries = 100;  // the largest book; a pile uses its first capacity entries
constexpr int kHandSlots = 8;
constexpr int32_t kNewCardGlow = 32;  // highlight counter of a card that has just entered a hand

// The two books; the values are the card kinds they hold.
enum class Book : int32_t { Dungeon = 1, Battle = 2 };

// Card ids, index 0 the top; cards fill a prefix and the rest are 0.
struct DrawPile {
    std::array<int32_t, kPileEntries> cards{};
};

// Cards used or discarded from the dungeon hand, filled at the lowest empty entry.
struct DiscardPile {
    std::array<int32_t, kPileEntries> cards{};
};

struct HandSlot {
    int32_t card = 0;  // 0 = empty
    int32_t glow = 0;  // the hand widget highlights the card while this is positive
};

// Cards sit in the lowest slots.
using Hand = std::array<HandSlot, kHandSlots>;

struct Books {
    DrawPile dungeonPile;
    DrawPile battlePile;
    DiscardPile discard;  // the battle book has none: its used cards wait for the next shuffle
    Hand dungeonHand;
    Hand battleHand;
    // 1 once the dungeon book ran dry in this run: the player died of it. The walk and the
    // battle end act on it (game-over screen); the dungeon entry clears it.
    int32_t runEndedByExhaustion = 0;
    // BookContents as it was when book editing began from the main menu: "元に戻す" on the
    // preset panel goes back to it. Not saved.
    std::array<int32_t, kCardIds> editSnapshot{};
    bool editSnapshotTaken = false;
};

}  // namespace kestrilon
