#pragma once
#include <array>
#include <string>

#include "state/card_codes.h"

namespace kestrilon {

// What stands in front of the player on the road; also titem::eventKind, the event a
// card resolves (0: none, the card is not bound to an event).
#define KESTRILON_EVENT_CODES(X)                 \
    X(None, 0)                                   \
    X(HealingSpring, 1)                          \
    X(SpikedFloor, 2)                            \
    X(TreasureChest, 3)                          \
    X(Cipher, 4)                                 \
    X(SecretChest, 5)                            \
    X(Camp, 6)                                   \
    X(Trap, 7)                                   \
    X(Tree, 8)                                   \
    X(ExchangePlace, 9)                          \
    X(Strata, 10)                                \
    X(Crack, 11)                                 \
    X(Pitfall, 12)                               \
    X(IronChest, 13)                             \
    X(RiteGate, 14)     /* gate of dungeon 3 */  \
    X(LostRoadGate, 15) /* gate of dungeon 9 */  \
    X(RedChest, 16)                              \
    X(SealedGate, 20)   /* gate of dungeon 19 */

enum class EventCode : int32_t { KESTRILON_EVENT_CODES(KESTRILON_CODE_ENUMERATOR) };
inline constexpr std::array kEventCodes = {KESTRILON_EVENT_CODES(KESTRILON_CODE_VALUE)};

struct DungeonRecord {
    std::string name;
    int difficulty = 0;
    int requiredDungeon = 0;  // listed only once this dungeon is cleared; 0 always
};

struct DungeonState {
    int number = 0;  // the dungeon the player is in; 0 outside
    int entered = 0;  // 1 from entering a dungeon until the run ends
    std::array<DungeonRecord, 101> table;
};

}  // namespace kestrilon
