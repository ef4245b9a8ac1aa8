#include "battle/encounters.h"

#include <span>

#include "battle/enemy_rows.h"
#include "battle/enemy_table.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

struct Announcement {
    std::string_view line;
    std::string_view sound;
    std::string_view music;
};

Announcement AnnouncementOf(SpecialBattle kind) {
    switch (kind) {
        case SpecialBattle::Boss: return {"＜＜ BOSS BATTLE!! ＞＞", "boss.wav", "聖戦-4.mp3"};
        case SpecialBattle::Ex: return {"＜＜ EX Enemy BATTLE!! ＞＞", "dragon.wav", "未知-34.mp3"};
        case SpecialBattle::Extreme: return {"＜＜ EXTREAM BATTLE!! ＞＞", "dragon.wav", "未知-34.mp3"};
    }
    return {};
}

std::span<const SpecialEncounter> EncountersOf(SpecialBattle kind) {
    switch (kind) {
        case SpecialBattle::Boss: return BossEncounters();
        case SpecialBattle::Ex: return ExEncounters();
        case SpecialBattle::Extreme: return ExtremeEncounters();
    }
    return {};
}

const SpecialEncounter* FindEncounter(SpecialBattle kind, int dungeon) {
    for (const SpecialEncounter& encounter : EncountersOf(kind)) {
        if (encounter.dungeon == dungeon) return &encounter;
    }
    return nullptr;
}

void SetStats(Combatant& c, const EnemyStats& stats) {
    c.attack = stats.attack;
    c.defence = stats.defence;
    c.intelligence = stats.intelligence;
    c.spirit = stats.spirit;
    c.accuracy = stats.accuracy;
    c.evasion = stats.evasion;
}

void RaiseStats(Combatant& c) {
    for (int32_t tenemy::*stat : {&tenemy::attack, &tenemy::defence, &tenemy::intelligence, &tenemy::spirit,
                                  &tenemy::accuracy, &tenemy::evasion}) {
        ++(c.*stat);
    }
}

void SetLeader(Game& g, const SpecialEncounter& encounter, SpecialBattle kind) {
    const EnemyTemplate& base = g.enemies[encounter.base];
    // The table is filled at start-up, before any encounter can be built.
    EXPECTS(base.Exists());
    Combatant& leader = g.combatants[kFirstEnemyRow];
    leader = base;
    if (!encounter.name.empty()) leader.name.assign(encounter.name);
    if (!encounter.image.empty()) leader.image.assign(encounter.image);
    leader.kind = static_cast<int32_t>(kind);
    leader.level = encounter.level;
    leader.hp = encounter.hp;
    SetStats(leader, encounter.stats);
    leader.drops = encounter.drops;
    for (size_t i = 0; i < encounter.actions.size(); ++i) {
        if (encounter.actions[i] != 0) leader.actions[i] = encounter.actions[i];
    }
    for (const PresetStatus& preset : encounter.presets) {
        if (preset.status != nullptr) leader.status.*preset.status = preset.value;
    }
}

void SetEscorts(Game& g, const SpecialEncounter& encounter) {
    int row = kFirstEnemyRow + 1;
    for (const Escort& escort : encounter.escorts) {
        for (int n = 0; n < escort.count; ++n) {
            EXPECTS(row <= kLastEnemyRow);
            if (row > kLastEnemyRow) return;
            Combatant& slot = g.combatants[row++];
            slot = g.enemies[escort.templateId];
            EXPECTS(slot.Exists());
            if (escort.level != kOwnValue) slot.level = escort.level;
            if (escort.hp != kOwnValue) slot.hp = escort.hp;
            if (escort.raised) RaiseStats(slot);
        }
    }
}

}  // namespace

std::string_view SpecialBattleName(SpecialBattle kind) {
    switch (kind) {
        case SpecialBattle::Boss: return "boss";
        case SpecialBattle::Ex: return "ex";
        case SpecialBattle::Extreme: return "extreme";
    }
    return "";
}

bool FillSpecialEncounter(Game& g, SpecialBattle kind, int dungeon) {
    ClearEnemySlots(g);
    const SpecialEncounter* encounter = FindEncounter(kind, dungeon);
    if (encounter == nullptr) return false;
    SetLeader(g, *encounter, kind);
    SetEscorts(g, *encounter);
    return true;
}

bool BuildSpecialBattle(Game& g, SpecialBattle kind, int dungeon) {
    if (!FillSpecialEncounter(g, kind, dungeon)) return false;
    // Outside a dungeon only the slots are wanted; a flag set here would outlive the
    // catalogue and turn the next ordinary fight into a boss fight.
    if (g.dungeon.number == 0) return true;
    switch (kind) {
        case SpecialBattle::Boss: g.battle.bossBattle = 1; break;
        case SpecialBattle::Ex: g.battle.exBattle = 1; break;
        case SpecialBattle::Extreme: g.battle.extremeMarker = dungeon; break;
    }
    const Announcement announcement = AnnouncementOf(kind);
    LogColour(g, announcement.line, "blue");
    PlayEffect(g, announcement.sound);
    PlayMusic(g, announcement.music);
    return true;
}

bool BuildBossBattle(Game& g, int dungeon) { return BuildSpecialBattle(g, SpecialBattle::Boss, dungeon); }
bool BuildExBattle(Game& g, int dungeon) { return BuildSpecialBattle(g, SpecialBattle::Ex, dungeon); }
bool BuildExtremeBattle(Game& g, int dungeon) { return BuildSpecialBattle(g, SpecialBattle::Extreme, dungeon); }

}  // namespace kestrilon
