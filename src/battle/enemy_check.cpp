#include "battle/enemy_check.h"

#include <span>
#include <string_view>

#include "battle/encounters.h"
#include "battle/enemy_rows.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr int kBattleCardKind = 2;
constexpr int kCallAllyAction = 921;  // the card's value is the template it calls
constexpr SpecialBattle kSpecialKinds[] = {SpecialBattle::Boss, SpecialBattle::Ex, SpecialBattle::Extreme};

using Problems = std::vector<std::string>;

void Report(Problems& problems, std::string_view who, std::string_view what) {
    problems.push_back(std::string(who) + ": " + std::string(what));
}

std::string Number(int n) { return std::to_string(n); }

std::string TemplateLabel(int id, const EnemyTemplate& enemy) {
    return "enemy " + std::to_string(id) + " " + enemy.name;
}

std::string EncounterLabel(SpecialBattle kind, int dungeon) {
    return std::string(SpecialBattleName(kind)) + " of dungeon " + std::to_string(dungeon);
}

bool IsCard(const Game& g, int id) { return CardDatabase::ValidId(id) && id > 0 && g.cards[id].Exists(); }

void CheckActions(const Game& g, const Combatant& enemy, std::string_view who, Problems& problems) {
    bool any = false;
    for (int32_t card : enemy.actions) {
        if (card == 0) continue;
        any = true;
        if (!IsCard(g, card) || g.cards[card].kind != kBattleCardKind) {
            Report(problems, who, "action " + Number(card) + " is not a battle card");
        } else if (g.cards[card].action == kCallAllyAction) {
            const int called = g.cards[card].value;
            if (!EnemyTable::ValidId(called) || !g.enemies[called].Exists())
                Report(problems, who, "card " + Number(card) + " calls template " + Number(called) + ", which does not exist");
        }
    }
    if (!any) Report(problems, who, "has no action");
}

void CheckDrops(const Game& g, const Combatant& enemy, std::string_view who, Problems& problems) {
    for (int32_t card : enemy.drops) {
        if (card != 0 && !IsCard(g, card)) Report(problems, who, "drop " + Number(card) + " is no card");
    }
}

void CheckTemplates(Game& g, Problems& problems) {
    for (int id = 0; id < kEnemyTemplates; ++id) {
        const EnemyTemplate& enemy = g.enemies[id];
        if (!enemy.Exists()) continue;
        const std::string who = TemplateLabel(id, enemy);
        if (enemy.image.empty()) Report(problems, who, "has no picture");
        CheckActions(g, enemy, who, problems);
        CheckDrops(g, enemy, who, problems);
        bool home = false;
        for (int32_t dungeon : enemy.homeDungeons) {
            if (dungeon == 0) continue;
            home = true;
            if (dungeon < 1 || dungeon > kEnemyDungeons) Report(problems, who, "lives in dungeon " + Number(dungeon) + ", which has no enemies");
        }
        if (!home && enemy.noRandom == 0) Report(problems, who, "has no home dungeon");
    }
    for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
        int living = 0;
        for (const EnemyTemplate& enemy : g.enemies.templates) living += enemy.Exists() && LivesIn(enemy, dungeon);
        if (living < 2) Report(problems, "dungeon " + Number(dungeon), "only " + Number(living) + " enemies live there");
    }
}

std::span<const SpecialEncounter> RowsOf(SpecialBattle kind) {
    switch (kind) {
        case SpecialBattle::Boss: return BossEncounters();
        case SpecialBattle::Ex: return ExEncounters();
        case SpecialBattle::Extreme: return ExtremeEncounters();
    }
    return {};
}

bool IsTemplate(const Game& g, int id) { return EnemyTable::ValidId(id) && g.enemies[id].Exists(); }

// What the rows name must exist before the encounter can be set up at all.
bool CheckRow(const Game& g, const SpecialEncounter& row, std::string_view who, Problems& problems) {
    bool sound = true;
    if (!IsTemplate(g, row.base)) {
        Report(problems, who, "base template " + Number(row.base) + " does not exist");
        sound = false;
    }
    int escorts = 0;
    for (const Escort& escort : row.escorts) {
        if (escort.count == 0) continue;
        escorts += escort.count;
        if (!IsTemplate(g, escort.templateId)) {
            Report(problems, who, "escort template " + Number(escort.templateId) + " does not exist");
            sound = false;
        }
    }
    if (escorts > kLastEnemyRow - kFirstEnemyRow) {
        Report(problems, who, Number(escorts) + " escorts do not fit the slots");
        sound = false;
    }
    return sound;
}

void CheckEncounters(Game& g, Problems& problems) {
    for (SpecialBattle kind : kSpecialKinds) {
        std::array<int, kEnemyDungeons + 1> rows{};
        for (const SpecialEncounter& row : RowsOf(kind)) {
            const std::string who = EncounterLabel(kind, row.dungeon);
            if (row.dungeon < 1 || row.dungeon > kEnemyDungeons) {
                Report(problems, who, "is for a dungeon without enemies");
                continue;
            }
            ++rows[static_cast<size_t>(row.dungeon)];
            if (!CheckRow(g, row, who, problems)) continue;
            FillSpecialEncounter(g, kind, row.dungeon);
            const Combatant& leader = g.combatants[kFirstEnemyRow];
            if (leader.image.empty()) Report(problems, who, "leader has no picture");
            CheckActions(g, leader, who, problems);
            CheckDrops(g, leader, who, problems);
            for (int32_t card : leader.drops) {
                if (card == 0) Report(problems, who, "has an empty drop");
            }
            for (int slot = kFirstEnemyRow + 1; slot <= kLastEnemyRow; ++slot) {
                const Combatant& escort = g.combatants[slot];
                if (escort.Exists() && escort.hp < 1) Report(problems, who, "escort in row " + Number(slot) + " has no hit points");
            }
        }
        for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
            const int count = rows[static_cast<size_t>(dungeon)];
            if (count != 1) Report(problems, EncounterLabel(kind, dungeon), "has " + Number(count) + " rows");
        }
    }
    ClearEnemySlots(g);
}

EncounterStrength Measure(const Game& g) {
    EncounterStrength s;
    for (int row = kFirstEnemyRow; row <= kLastEnemyRow; ++row) {
        const Combatant& enemy = g.combatants[row];
        if (!enemy.Exists()) continue;
        ++s.enemies;
        s.meanLevel += enemy.level;
        s.meanHp += enemy.hp;
    }
    if (s.enemies > 0) {
        s.meanLevel /= s.enemies;
        s.meanHp /= s.enemies;
    }
    return s;
}

EncounterStrength MeasureOrdinary(const Game& g, int dungeon) {
    EncounterStrength s;
    for (const EnemyTemplate& enemy : g.enemies.templates) {
        if (!enemy.Exists() || enemy.noRandom != 0 || !LivesIn(enemy, dungeon)) continue;
        ++s.enemies;
        s.meanLevel += enemy.level;
        s.meanHp += enemy.hp;
    }
    if (s.enemies > 0) {
        s.meanLevel /= s.enemies;
        s.meanHp /= s.enemies;
    }
    return s;
}

}  // namespace

std::vector<std::string> EnemyContentProblems(Game& g) {
    Problems problems;
    CheckTemplates(g, problems);
    CheckEncounters(g, problems);
    return problems;
}

std::array<DungeonStrength, kEnemyDungeons> SummariseEncounters(Game& g) {
    std::array<DungeonStrength, kEnemyDungeons> rows{};
    for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
        DungeonStrength& row = rows[static_cast<size_t>(dungeon - 1)];
        row.dungeon = dungeon;
        row.ordinary = MeasureOrdinary(g, dungeon);
        for (SpecialBattle kind : kSpecialKinds) {
            FillSpecialEncounter(g, kind, dungeon);
            EncounterStrength& into = kind == SpecialBattle::Boss ? row.boss : kind == SpecialBattle::Ex ? row.ex : row.extreme;
            into = Measure(g);
        }
    }
    ClearEnemySlots(g);
    return rows;
}

}  // namespace kestrilon
