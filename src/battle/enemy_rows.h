#pragma once
// The enemy content as data: one row per ordinary template and one per special encounter.
// Only the content files and the battle code that reads the rows include this header.
#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/card_reference.h"
#include "state/combatant.h"

// Rows name only the fields they set and leave the rest at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace kestrilon {

// Attribute flags of a row, one bit per flag of the record, combined with |.
enum EnemyAttribute : uint32_t {
    kAttrLight = 1u << 0,
    kAttrThunder = 1u << 1,
    kAttrIce = 1u << 2,
    kAttrPhysicalRes = 1u << 3,
    kAttrPoisonImmune = 1u << 4,
    kAttrFire = 1u << 5,
    kAttrMagicRes = 1u << 6,
    kAttrWind = 1u << 7,
    kAttrDark = 1u << 8,
    kAttrEarth = 1u << 9,
    kAttrWater = 1u << 10,
    kAttrMeleeRes = 1u << 11,
    kAttrRangedRes = 1u << 12,
    kAttrMagicWeak = 1u << 13,  // the record's magicWeakness, not one of the 13 flags
};

// Attack, defence, intelligence, spirit, accuracy, evasion.
struct EnemyStats {
    int32_t attack = 0;
    int32_t defence = 0;
    int32_t intelligence = 0;
    int32_t spirit = 0;
    int32_t accuracy = 0;
    int32_t evasion = 0;
};

// A status an enemy starts its battle with.
struct PresetStatus {
    Status StatusBlock::*status = nullptr;
    Status value{};
};
constexpr PresetStatus Preset(Status StatusBlock::*status, int32_t counter, int32_t strength = 0) {
    return {status, {counter, strength}};
}

struct EnemyRow {
    int32_t id = 0;
    std::string_view name;
    std::string_view image;
    int32_t level = 0;
    int32_t hp = 0;
    EnemyStats stats{};
    std::array<int32_t, 2> drops{};
    uint32_t attributes = 0;
    std::array<int32_t, 4> dungeons{};
    std::array<int32_t, 5> actions{};  // four ordinary moves, then the special move
    std::array<PresetStatus, 2> presets{};
};

// Ids 1 .. 23 and 24 .. 47, each in id order.
std::span<const EnemyRow> EnemyRowsFirst();
std::span<const EnemyRow> EnemyRowsSecond();

constexpr int32_t kOwnValue = -1;  // an escort keeps its template's own level or hp

struct Escort {
    int32_t templateId = 0;
    int32_t count = 0;
    int32_t level = kOwnValue;
    int32_t hp = kOwnValue;
    bool raised = false;  // all six stats one higher than the template's
};

// One special encounter: the leader in slot 1, copied from `base` and overridden, then the
// escorts in the slots that follow.
struct SpecialEncounter {
    int32_t dungeon = 0;
    int32_t base = 0;
    std::string_view name;   // empty: the base template's name
    std::string_view image;  // empty: the base template's picture
    int32_t level = 0;
    int32_t hp = 0;
    EnemyStats stats{};
    std::array<int32_t, 4> drops{};
    std::array<int32_t, 5> actions{};  // entries other than 0 replace the base template's
    std::array<PresetStatus, 2> presets{};
    std::array<Escort, 4> escorts{};
};

// One row per dungeon 1 .. 21, in dungeon order.
std::span<const SpecialEncounter> BossEncounters();
std::span<const SpecialEncounter> ExEncounters();
std::span<const SpecialEncounter> ExtremeEncounters();

// All of the enemy content in one place, so that its checks also run on rows a test
// makes up. The encounters are in the order boss, EX, extreme.
struct EnemyContent {
    std::array<std::span<const EnemyRow>, 2> templates;
    std::array<std::span<const SpecialEncounter>, 3> encounters;
};
EnemyContent GameEnemyContent();

// The references name their user with a line kept in `labels`, which must outlive them.
std::vector<CardReference> CardReferencesOf(const EnemyContent& content, std::deque<std::string>& labels);
std::vector<std::string> ProblemsOf(const EnemyContent& content);

}  // namespace kestrilon
