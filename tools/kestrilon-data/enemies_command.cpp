#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "battle/encounters.h"
#include "battle/enemy_check.h"
#include "battle/enemy_table.h"
#include "commands.h"
#include "content/content_problems.h"
#include "data/card_database.h"
#include "scripted_platform.h"
#include "state/game.h"

namespace kestrilon::data_tool {
namespace {

constexpr SpecialBattle kSpecialKinds[] = {SpecialBattle::Boss, SpecialBattle::Ex, SpecialBattle::Extreme};

// A game with its cards and enemies filled, as at start-up.
std::unique_ptr<Game> FilledGame(tools::ScriptedPlatform& platform) {
    auto game = std::make_unique<Game>(platform);
    FillCardDatabase(*game);
    FillEnemyTable(*game);
    return game;
}

template <class Numbers>
void List(std::ostream& out, const Numbers& numbers) {
    bool first = true;
    for (int32_t n : numbers) {
        if (n == 0) continue;
        out << (first ? "" : ",") << n;
        first = false;
    }
}

void Stats(std::ostream& out, const Combatant& c) {
    out << c.attack << '\t' << c.defence << '\t' << c.intelligence << '\t' << c.spirit << '\t' << c.accuracy << '\t'
        << c.evasion;
}

void Drops(std::ostream& out, const Combatant& c) {
    for (int32_t drop : c.drops) out << '\t' << drop;
}

struct StatusField {
    std::string_view name;
    Status StatusBlock::*member;
};
constexpr StatusField kStatuses[] = {
    {"foot", &StatusBlock::foot}, {"autoHeal", &StatusBlock::autoHeal}, {"autoMagic", &StatusBlock::autoMagic},
    {"autoTechnical", &StatusBlock::autoTechnical}, {"decoy", &StatusBlock::decoy}, {"veil", &StatusBlock::veil},
    {"charge", &StatusBlock::charge}, {"chant", &StatusBlock::chant}, {"shield", &StatusBlock::shield},
    {"magicGuard", &StatusBlock::magicGuard}, {"reflect", &StatusBlock::reflect}, {"barrier", &StatusBlock::barrier},
    {"drain", &StatusBlock::drain}, {"maxHpUp", &StatusBlock::maxHpUp}, {"attackUp", &StatusBlock::attackUp},
    {"defenceUp", &StatusBlock::defenceUp}, {"knowledgeUp", &StatusBlock::knowledgeUp},
    {"spiritUp", &StatusBlock::spiritUp}, {"evasionUp", &StatusBlock::evasionUp},
    {"accuracyUp", &StatusBlock::accuracyUp}, {"fireArmour", &StatusBlock::fireArmour},
    {"thunderArmour", &StatusBlock::thunderArmour}, {"earthArmour", &StatusBlock::earthArmour},
    {"waterArmour", &StatusBlock::waterArmour}, {"invincible", &StatusBlock::invincible},
    {"fireUp", &StatusBlock::fireUp}, {"thunderUp", &StatusBlock::thunderUp}, {"guard", &StatusBlock::guard},
    {"speedUp", &StatusBlock::speedUp}, {"promise", &StatusBlock::promise}, {"dazzle", &StatusBlock::dazzle},
    {"aging", &StatusBlock::aging}, {"poison", &StatusBlock::poison}, {"sickness", &StatusBlock::sickness},
    {"melt", &StatusBlock::melt}, {"airPressure", &StatusBlock::airPressure}, {"cut", &StatusBlock::cut},
    {"bruise", &StatusBlock::bruise}, {"gunWound", &StatusBlock::gunWound}, {"stun", &StatusBlock::stun},
    {"chain", &StatusBlock::chain}, {"shock", &StatusBlock::shock}, {"apathy", &StatusBlock::apathy},
    {"attackDown", &StatusBlock::attackDown}, {"defenceDown", &StatusBlock::defenceDown},
    {"spiritDown", &StatusBlock::spiritDown}, {"accuracyDown", &StatusBlock::accuracyDown},
    {"evasionDown", &StatusBlock::evasionDown}, {"speedDown", &StatusBlock::speedDown},
    {"frostbite", &StatusBlock::frostbite}, {"cold", &StatusBlock::cold}, {"darkness", &StatusBlock::darkness},
    {"burn", &StatusBlock::burn}, {"transparency", &StatusBlock::transparency}, {"bomb", &StatusBlock::bomb}
};

// Statuses a record starts with, as "name=counter/strength"; only a few rows have any.
void Presets(std::ostream& out, const Combatant& c) {
    bool any = false;
    for (const StatusField& field : kStatuses) {
        const Status& s = c.status.*field.member;
        if (s.counter == 0 && s.strength == 0) continue;
        out << (any ? "," : "") << field.name << '=' << s.counter << '/' << s.strength;
        any = true;
    }
}

// Problems go to stderr and fail the command, as for the cards.
int Finish(std::ostream& out, std::ostream& err, std::string_view command) {
    std::vector<std::string> problems = EnemyContentProblems();
    for (std::string& problem : CardReferenceProblems(EnemyCardReferences())) problems.push_back(std::move(problem));
    for (const std::string& problem : problems) err << "kestrilon-data " << command << ": " << problem << '\n';
    return out && problems.empty() ? 0 : 1;
}

void Strength(std::ostream& out, const EncounterStrength& s) {
    char text[64];
    std::snprintf(text, sizeof text, "\t%d\t%.2f\t%.2f", s.enemies, s.meanLevel, s.meanHp);
    out << text;
}

}  // namespace

int RunEnemies(Args args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "kestrilon-data enemies: takes no arguments\n";
        return 2;
    }
    tools::ScriptedPlatform platform(std::filesystem::current_path());
    std::unique_ptr<Game> game = FilledGame(platform);
    Game& g = *game;

    out << "id\tname\timage\tlevel\thp\tattack\tdefence\tintelligence\tspirit\taccuracy\tevasion\tdrop1\tdrop2"
           "\tattributes\tmagicWeakness\tdungeons\tactions\tnoRandom\ttemplateId\tstatuses\n";
    for (int id = 0; id < kEnemyTemplates; ++id) {
        const EnemyTemplate& e = g.enemies[id];
        if (!e.Exists()) continue;
        out << id << '\t' << e.name << '\t' << e.image << '\t' << e.level << '\t' << e.hp << '\t';
        Stats(out, e);
        out << '\t' << e.drops[0] << '\t' << e.drops[1] << '\t';
        bool first = true;
        for (const AttributeField& field : EnemyAttributeFields()) {
            if (e.*field.member <= 0) continue;
            out << (first ? "" : ",") << field.name;
            first = false;
        }
        out << '\t' << e.magicWeakness << '\t';
        List(out, e.homeDungeons);
        out << '\t';
        for (size_t i = 0; i < e.actions.size(); ++i) out << (i == 0 ? "" : ",") << e.actions[i];
        out << '\t' << e.noRandom << '\t' << e.templateId << '\t';
        Presets(out, e);
        out << '\n';
    }
    return Finish(out, err, "enemies");
}

int RunEncounters(Args args, std::ostream& out, std::ostream& err) {
    bool summary = false;
    for (std::string_view arg : args) {
        if (arg == "--summary") {
            summary = true;
        } else {
            err << "kestrilon-data encounters: unknown option " << arg << '\n';
            return 2;
        }
    }
    tools::ScriptedPlatform platform(std::filesystem::current_path());
    std::unique_ptr<Game> game = FilledGame(platform);
    Game& g = *game;

    if (summary) {
        out << "dungeon\tordinary\tlevel\thp\tboss\tlevel\thp\tex\tlevel\thp\textreme\tlevel\thp\n";
        for (const DungeonStrength& row : SummariseEncounters(g)) {
            out << row.dungeon;
            for (const EncounterStrength* s : {&row.ordinary, &row.boss, &row.ex, &row.extreme}) Strength(out, *s);
            out << '\n';
        }
        return Finish(out, err, "encounters");
    }

    out << "builder\tdungeon\tslot\tname\ttemplate\tkind\tlevel\thp\tattack\tdefence\tintelligence\tspirit"
           "\taccuracy\tevasion\tdrop1\tdrop2\tdrop3\tdrop4\timage\tactions\tstatuses\n";
    for (SpecialBattle kind : kSpecialKinds) {
        for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
            FillSpecialEncounter(g, kind, dungeon);
            for (int row = kFirstEnemyRow; row <= kLastEnemyRow; ++row) {
                const Combatant& c = g.combatants[row];
                if (!c.Exists()) continue;
                out << SpecialBattleName(kind) << '\t' << dungeon << '\t' << row << '\t' << c.name << '\t'
                    << c.templateId << '\t' << c.kind << '\t' << c.level << '\t' << c.hp << '\t';
                Stats(out, c);
                Drops(out, c);
                out << '\t' << c.image << '\t';
                for (size_t i = 0; i < c.actions.size(); ++i) out << (i == 0 ? "" : ",") << c.actions[i];
                out << '\t';
                Presets(out, c);
                out << '\n';
            }
        }
    }
    ClearEnemySlots(g);
    return Finish(out, err, "encounters");
}

}  // namespace kestrilon::data_tool
