#pragma once
// The one player record: everything the save file keeps, plus the values of the current
// dungeon run. Derived statistics are computed from it in stats.h.
#include <array>
#include <cstdint>
#include <string>

#include "state/card.h"

namespace kestrilon {

using CardCounts = std::array<int32_t, kCardIds>;
constexpr int kDungeonSlots = 100;  // per-dungeon tables, indexed by dungeon number
constexpr int kPresets = 6;         // stored book presets per book
constexpr int kRunFlags = 6;

using DungeonCounts = std::array<int32_t, kDungeonSlots>;

// The card ids placed in the books when the derived stats last looked, so that a stat
// read walks the few held ids instead of all 7000 records. `book` is a copy of
// BookContents: a read compares it with the live table, so any write to BookContents,
// by whatever code, rebuilds the list before it is used. Card fields are never copied;
// sums always read the live records, so a refilled or edited card shows at once.
struct HeldCardIndex {
    CardCounts book{};
    std::array<int16_t, kCardIds> ids{};  // held ids, highest first
    int count = 0;
    bool built = false;
};

// Entries of `unlockFlags`: unlocks, progress counters and one-time hint marks.
// Entry 3 is the darkness progress (the title picture and the clear rewards of old files
// read it too); entry 11 is the first-card hint mark that a card found in a dungeon sets to 1.
enum UnlockFlag : int {
    kFlagSynthesis = 1,
    kFlagShop = 2,
    kFlagDarknessProgress = 3,
    kFlagCallProgress = 4,
    kFlagShopHintStep = 5,
    kFlagAltar = 6,
    kFlagBookSorting = 7,
    kFlagDyingHint = 8,
    kFlagSlotAllowance = 9,  // ten slot cards do not count against the slot right
    kFlagBookFullHint = 10,
    kFlagFirstCardHint = 11,
    kFlagNuggetHint = 14,
};

struct PlayerState {
    int32_t soundVolume = 0;  // hundredths of a decibel, 0 .. -4000
    int32_t level = 0;
    std::string playerComment;  // sent with every ranking entry; the game never edits it
    int32_t baseMaxHp = 0;
    int32_t hp = 0;
    int32_t distanceWalked = 0;  // km walked in the current dungeon
    int32_t baseMaxMp = 0;
    int32_t mp = 0;
    int32_t tp = 0;
    int32_t baseDefence = 0;
    int32_t baseAttack = 0;
    int32_t baseKnowledge = 0;
    int32_t baseSpirit = 0;
    int32_t baseAccuracy = 0;
    int32_t baseEvasion = 0;

    CardCounts CardCollection{};  // copies owned
    CardCounts obtainedEver{};    // 1 once a copy was first obtained
    CardCounts BookContents{};    // copies placed in the books
    CardCounts CardLevel{};       // strengthening level, 0 = never strengthened

    std::string playerName;
    int32_t money = 0;
    int32_t hunger = 0;  // "お腹", 0 .. 100

    DungeonCounts dungeonClears{};
    std::array<int32_t, 100> unlockFlags{};
    DungeonCounts highScores{};
    DungeonCounts campPositions{};      // 0 = no camp
    DungeonCounts exchangePositions{};  // 0 = no exchange place
    int32_t storyPagesRead = 0;
    int32_t slotRights = 0;
    int32_t SaveVersion = 0;
    DungeonCounts exCounts{};
    DungeonCounts treasureCounts{};
    int32_t deathCount = 0;
    DungeonCounts bloodMarks{};  // distance of the last game over in each dungeon
    int32_t bloodMarkNuggets = 0;

    std::array<CardCounts, kPresets> presetCounts{};  // presets 1 .. 6, both books in one table each
    std::array<std::string, kPresets> dungeonPresetNames;
    std::array<std::string, kPresets> battlePresetNames;
    DungeonCounts battleOrbs{};  // "戦いの宝珠" held
    DungeonCounts orbWins{};
    int32_t ark = 0;
    CardCounts recentlyObtained{};  // 2 when a copy arrives, lowered at each dungeon entry
    int32_t playerNumber = 0;       // 0 .. 99999, drawn once for the ranking
    int32_t compatibilityFlag = 0;  // 1 in every file written by a current game
    int32_t spSlotRights = 0;

    // Values of the current dungeon run; never saved.
    int32_t goldNuggets = 0;
    int32_t score = 0;
    int32_t scoreCheck = 0;  // twice every point scored; a score that disagrees was tampered with
    int32_t actionGauge = 0;
    int32_t secondaryGauge = 0;  // kept within 0 .. level x 10 + 50 by the value clamp
    std::array<int32_t, kRunFlags> runFlags{};
    // Where the next floating "+points" starts: the right end of the score text on the
    // status display plus 5, written each time the status display draws it.
    int32_t scoreAnchorX = 0;
    int32_t scoreStagger = 0;

    int32_t largeNumbers = 0;  // option: damage numbers one size larger

    // What this run may write, decided by the start-up load (persist/save_file.cpp); never saved.
    bool saveBlocked = false;
    uint64_t startupGame = 0;  // the game start-up made itself, hashed; 0 once played or read from my.dat

    mutable HeldCardIndex held;
};

}  // namespace kestrilon
