#pragma once
#include <array>
#include <cstdint>
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

// One dungeon, its 19 fields in the game's order. Card ids of 0 mean "none here".
struct DungeonRecord {
    std::string picture;       // background shown on entry
    std::string name;
    int32_t cipherPrize = 0;
    int32_t strata = 0;        // >= 1: strata events occur
    int32_t requiredDungeon = 0;  // listed only once this dungeon is cleared; 0 always
    int32_t trees = 0;         // >= 1: tree events occur
    int32_t secretTreasure = 0;  // 0: no secret chests here
    int32_t secretKey = 0;     // the one key card that opens the secret chest
    std::array<int32_t, 6> chestPrizes{};  // the last one is the pill prize
    int32_t ironChestPrize = 0;  // 0: no iron chests here
    int32_t redChestPrize = 0;   // 0: no red chests here
    int32_t trapPrize = 0;
    int32_t difficulty = 0;
    int32_t length = 0;        // km from the entrance to the boss
};

constexpr int kDungeonRecords = 101;  // 0 is the working copy of the dungeon being walked
constexpr int kDefinedDungeons = 21;

struct DungeonState {
    int number = 0;   // the dungeon the player is in; 0 outside
    int entered = 0;  // 1 from entering a dungeon until the run ends
    std::array<DungeonRecord, kDungeonRecords> table;

    // The run; reset on entry.
    EventCode event = EventCode::None;  // what stands in front of the player
    int trapLevel = 0;
    double entryTime = 0;  // platform clock at entry, seconds
    std::array<int32_t, 3> gateOpen{};  // gates of dungeons 3, 9 and 19, once unlocked this run
    bool tipPending = false;            // a tip waits to be shown on leaving
    std::string zoomPicture;            // the event picture; "not" or empty takes it away
    bool reopenHand = false;            // a card refilled the hand: the hand screen opens anew
};

}  // namespace kestrilon
