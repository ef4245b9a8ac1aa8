#include "battle/enemy_check.h"

#include <algorithm>
#include <span>

#include "battle/encounter_pick.h"
#include "battle/encounters.h"
#include "battle/enemy_rows.h"
#include "data/catalogue.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr SpecialBattle kSpecialKinds[] = {SpecialBattle::Boss, SpecialBattle::Ex, SpecialBattle::Extreme};
constexpr int kFreeSlots = kLastEnemyRow - kFirstEnemyRow;  // behind the leader

std::string Number(int n) { return std::to_string(n); }

std::string TemplateLabel(const EnemyRow& row) { return "enemy " + Number(row.id) + " " + std::string(row.name); }

std::string EncounterLabel(size_t kind, int dungeon) {
    return std::string(SpecialBattleName(kSpecialKinds[kind])) + " of dungeon " + Number(dungeon);
}

class Checker {
public:
    explicit Checker(const EnemyContent& content) : content_(content) {}

    std::vector<std::string> Run() {
        for (auto rows : content_.templates) {
            for (const EnemyRow& row : rows) CheckTemplate(row);
        }
        for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
            int living = 0;
            for (auto rows : content_.templates) {
                for (const EnemyRow& row : rows) living += Lives(row, dungeon) ? 1 : 0;
            }
            if (living < 2) Report("dungeon " + Number(dungeon), "only " + Number(living) + " enemies live there");
        }
        for (size_t kind = 0; kind < content_.encounters.size(); ++kind) CheckEncounters(kind);
        return std::move(problems_);
    }

private:
    void Report(const std::string& who, const std::string& what) { problems_.push_back(who + ": " + what); }

    const EnemyRow* Template(int id) const {
        for (auto rows : content_.templates) {
            for (const EnemyRow& row : rows) {
                if (row.id == id) return &row;
            }
        }
        return nullptr;
    }

    static bool Lives(const EnemyRow& row, int dungeon) {
        return std::find(row.dungeons.begin(), row.dungeons.end(), dungeon) != row.dungeons.end();
    }

    // Whether a card exists is the card references' part; here only what a call names.
    void CheckCalls(const std::string& who, const std::array<int32_t, 5>& actions) {
        for (int32_t card : actions) {
            const CardRow* row = CatalogueRow(card);
            if (row == nullptr || CodeOf(row->action) != CodeOf(BattleAction::CallAlly)) continue;
            if (Template(row->value) == nullptr) {
                Report(who, "card " + Number(card) + " calls template " + Number(row->value) + ", which does not exist");
            }
        }
    }

    void CheckTemplate(const EnemyRow& row) {
        const std::string who = TemplateLabel(row);
        if (row.id < 1 || row.id >= kEnemyTemplates) Report(who, "has an id outside the table");
        if (row.name.empty()) Report(who, "has no name");
        if (!row.image.ends_with(".bmp")) Report(who, "picture \"" + std::string(row.image) + "\" is no .bmp");
        if (std::all_of(row.actions.begin(), row.actions.end(), [](int32_t a) { return a == 0; })) {
            Report(who, "has no move");
        }
        CheckCalls(who, row.actions);
        bool home = false;
        for (int32_t dungeon : row.dungeons) {
            if (dungeon == 0) continue;
            home = true;
            if (dungeon < 1 || dungeon > kEnemyDungeons) {
                Report(who, "lives in dungeon " + Number(dungeon) + ", which has no enemies");
            }
        }
        if (!home) Report(who, "has no home dungeon");
    }

    void CheckEncounters(size_t kind) {
        std::array<int, kEnemyDungeons + 1> rows{};
        for (const SpecialEncounter& encounter : content_.encounters[kind]) {
            const std::string who = EncounterLabel(kind, encounter.dungeon);
            if (encounter.dungeon < 1 || encounter.dungeon > kEnemyDungeons) {
                Report(who, "is for a dungeon without enemies");
                continue;
            }
            ++rows[static_cast<size_t>(encounter.dungeon)];
            if (Template(encounter.base) == nullptr) Report(who, "base template " + Number(encounter.base) + " does not exist");
            if (encounter.hp < 1) Report(who, "leader has no hit points");
            if (std::count(encounter.drops.begin(), encounter.drops.end(), 0) > 0) Report(who, "has an empty drop");
            CheckCalls(who, encounter.actions);
            int escorts = 0;
            for (const Escort& escort : encounter.escorts) {
                if (escort.count == 0) continue;
                escorts += escort.count;
                const EnemyRow* own = Template(escort.templateId);
                if (own == nullptr) {
                    Report(who, "escort template " + Number(escort.templateId) + " does not exist");
                } else if ((escort.hp == kOwnValue ? own->hp : escort.hp) < 1) {
                    Report(who, "escort " + Number(escort.templateId) + " has no hit points");
                }
            }
            if (escorts > kFreeSlots) Report(who, Number(escorts) + " escorts do not fit the slots");
        }
        for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
            const int count = rows[static_cast<size_t>(dungeon)];
            if (count != 1) Report(EncounterLabel(kind, dungeon), "has " + Number(count) + " rows");
        }
    }

    const EnemyContent& content_;
    std::vector<std::string> problems_;
};

CardKind KindOfId(int32_t id) { return id < kFirstBattleCard ? CardKind::Dungeon : CardKind::Battle; }

void AddCards(std::vector<CardReference>& out, std::deque<std::string>& labels, const std::string& who,
              const std::array<int32_t, 5>& actions, std::span<const int32_t> drops) {
    bool anyMove = false, anyDrop = false;
    for (int32_t card : actions) anyMove |= card != 0;
    for (int32_t card : drops) anyDrop |= card != 0;
    if (anyMove) {
        const std::string_view user = labels.emplace_back(who + " move");
        for (int32_t card : actions) {
            if (card != 0) out.push_back(CardWithId(card, CardKind::Battle, user));
        }
    }
    if (anyDrop) {
        const std::string_view user = labels.emplace_back(who + " drop");
        for (int32_t card : drops) {
            if (card != 0) out.push_back(CardWithId(card, KindOfId(card), user));
        }
    }
}

// Count and mean level and HP of the enemies that `counts`.
template <class Enemies, class Counts>
EncounterStrength MeanOf(const Enemies& enemies, Counts counts) {
    EncounterStrength s;
    for (const auto& enemy : enemies) {
        if (!counts(enemy)) continue;
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

EncounterStrength Measure(const Game& g) {
    const auto rows = std::span(g.combatants.rows).subspan(kFirstEnemyRow, kLastEnemyRow - kFirstEnemyRow + 1);
    return MeanOf(rows, [](const Combatant& enemy) { return enemy.Exists(); });
}

EncounterStrength MeasureOrdinary(const Game& g, int dungeon) {
    return MeanOf(g.enemies.templates, [dungeon](const EnemyTemplate& enemy) {
        return enemy.Exists() && enemy.noRandom == 0 && LivesIn(enemy, dungeon);
    });
}

}  // namespace

EnemyContent GameEnemyContent() {
    return {{EnemyRowsFirst(), EnemyRowsSecond()}, {BossEncounters(), ExEncounters(), ExtremeEncounters()}};
}

std::vector<CardReference> CardReferencesOf(const EnemyContent& content, std::deque<std::string>& labels) {
    std::vector<CardReference> out;
    for (auto rows : content.templates) {
        for (const EnemyRow& row : rows) AddCards(out, labels, TemplateLabel(row), row.actions, row.drops);
    }
    for (size_t kind = 0; kind < content.encounters.size(); ++kind) {
        for (const SpecialEncounter& encounter : content.encounters[kind]) {
            AddCards(out, labels, EncounterLabel(kind, encounter.dungeon), encounter.actions, encounter.drops);
        }
    }
    out.insert(out.end(), kExOddsCards.begin(), kExOddsCards.end());
    return out;
}

std::vector<std::string> ProblemsOf(const EnemyContent& content) { return Checker(content).Run(); }

std::span<const CardReference> EnemyCardReferences() {
    static std::deque<std::string> labels;
    static const std::vector<CardReference> references = CardReferencesOf(GameEnemyContent(), labels);
    return references;
}

std::vector<std::string> EnemyContentProblems() { return ProblemsOf(GameEnemyContent()); }

std::array<DungeonStrength, kEnemyDungeons> SummariseEncounters(Game& g) {
    std::array<DungeonStrength, kEnemyDungeons> rows{};
    for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
        DungeonStrength& row = rows[static_cast<size_t>(dungeon - 1)];
        row.dungeon = dungeon;
        row.ordinary = MeasureOrdinary(g, dungeon);
        for (SpecialBattle kind : kSpecialKinds) {
            FillSpecialEncounter(g, kind, dungeon);
            EncounterStrength& into =
                kind == SpecialBattle::Boss ? row.boss : kind == SpecialBattle::Ex ? row.ex : row.extreme;
            into = Measure(g);
        }
    }
    ClearEnemySlots(g);
    return rows;
}

}  // namespace kestrilon
