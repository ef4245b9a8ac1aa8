#include <algorithm>
#include <cstdio>
#include <deque>
#include <set>
#include <string>

#include "battle/encounters.h"
#include "battle/enemy_check.h"
#include "battle/enemy_rows.h"
#include "content/content_problems.h"
#include "enemy_fixture.h"

namespace kestrilon {
namespace {

using testing::EnemyTest;
using testing::kDungeonLevels;

constexpr SpecialBattle kKinds[] = {SpecialBattle::Boss, SpecialBattle::Ex, SpecialBattle::Extreme};

TEST_F(EnemyTest, EveryCardTemplateAndDungeonTheEnemyContentNamesExists) {
    for (const std::string& problem : EnemyContentProblems()) ADD_FAILURE() << problem;
    for (const std::string& problem : CardReferenceProblems(EnemyCardReferences())) ADD_FAILURE() << problem;
}

// The checks themselves: broken rows must show up, not pass silently.
TEST_F(EnemyTest, TheContentCheckReportsBrokenRows) {
    EnemyContent content = GameEnemyContent();
    std::vector<EnemyRow> second(content.templates[1].begin(), content.templates[1].end());
    std::erase_if(second, [](const EnemyRow& row) { return row.id == 37; });  // called and escorting
    for (EnemyRow& row : second) {
        if (row.id != 41) continue;
        row.actions[1] = 351;  // a dungeon card
        row.drops[1] = 4321;   // no card at all
        row.dungeons = {22};
    }
    content.templates[1] = second;

    std::deque<std::string> labels;
    std::vector<std::string> problems = ProblemsOf(content);
    for (std::string& line : CardReferenceProblems(CardReferencesOf(content, labels))) problems.push_back(line);
    auto mentions = [&](std::string_view text) {
        return std::any_of(problems.begin(), problems.end(),
                           [&](const std::string& p) { return p.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(mentions("enemy 41 ガンマン move: card 351 is a dungeon card, not a battle card"));
    EXPECT_TRUE(mentions("enemy 41 ガンマン drop: card 4321 is no card"));
    EXPECT_TRUE(mentions("enemy 41 ガンマン: lives in dungeon 22"));
    EXPECT_TRUE(mentions("enemy 36 闇からの使者: card 1830 calls template 37"));
    EXPECT_TRUE(mentions("extreme of dungeon 16: escort template 37 does not exist"));
    EXPECT_TRUE(mentions("extreme of dungeon 17: base template 37 does not exist"));
    EXPECT_EQ(problems.size(), 6u);
}

TEST_F(EnemyTest, EveryPictureOfTheTableAndTheEncountersIsOneTheGeneratorDraws) {
    std::set<std::string> drawn;
    for (const EnemyPictureRow& row : EnemyPictures()) {
        EXPECT_TRUE(row.image.ends_with(".bmp")) << row.image;
        EXPECT_FALSE(row.name.empty()) << row.image;
        EXPECT_TRUE(drawn.insert(std::string(row.image)).second) << "twice: " << row.image;
    }
    std::set<std::string> named;
    for (int id = 1; id < kEnemyTemplates; ++id) {
        if (Enemy(id).Exists()) named.insert(Enemy(id).image);
    }
    for (SpecialBattle kind : kKinds) {
        for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
            FillSpecialEncounter(g, kind, dungeon);
            for (int row = kFirstEnemyRow; row <= kLastEnemyRow; ++row) {
                if (Slot(row).Exists()) named.insert(Slot(row).image);
            }
        }
    }
    EXPECT_EQ(named, drawn);
    for (const char* face : {"choco.bmp", "unmei.bmp", "haine.bmp", "riria.bmp", "sokoku.bmp", "dorosy.bmp",
                             "figaro.bmp", "ganyu.bmp"}) {
        EXPECT_TRUE(named.count(face)) << face;
    }
}

// Leaders stay in the ranges of their kind, drop four cards rarer than anything the
// dungeon's own enemies leave, and take their escorts from the dungeon's enemies.
TEST_F(EnemyTest, SpecialLeadersStayInRangeDropRarerCardsAndBringLocalEscorts) {
    struct Range {
        int lowLevel, highLevel, lowHp, highHp;
    };
    const Range ranges[] = {{2, 18, 4, 350}, {3, 18, 10, 400}, {7, 21, 50, 450}};
    for (int dungeon = 1; dungeon <= kEnemyDungeons; ++dungeon) {
        int commonest = 100;  // the rarest grade among the ordinary drops of the dungeon
        for (const EnemyTemplate& e : g.enemies.templates) {
            if (!e.Exists() || !LivesIn(e, dungeon)) continue;
            for (int drop : e.drops) {
                if (drop != 0) commonest = std::min(commonest, g.cards[drop].maxCopies);
            }
        }
        for (size_t k = 0; k < 3; ++k) {
            SCOPED_TRACE(std::string(SpecialBattleName(kKinds[k])) + " " + std::to_string(dungeon));
            ASSERT_TRUE(FillSpecialEncounter(g, kKinds[k], dungeon));
            const Combatant& leader = Slot(1);
            EXPECT_GE(leader.level, ranges[k].lowLevel);
            EXPECT_LE(leader.level, ranges[k].highLevel);
            EXPECT_GE(leader.hp, ranges[k].lowHp);
            EXPECT_LE(leader.hp, ranges[k].highHp);
            for (int drop : leader.drops) EXPECT_LT(g.cards[drop].maxCopies, commonest) << drop;
            // The tunnel's EX enemy brings trainees down from the hill.
            const bool fromTheHill = kKinds[k] == SpecialBattle::Ex && dungeon == 1;
            for (int row = 2; row <= kLastEnemyRow && Slot(row).Exists(); ++row) {
                EXPECT_TRUE(LivesIn(Slot(row), fromTheHill ? 2 : dungeon)) << Slot(row).name;
            }
        }
    }
}

void Print(const char* label, const EncounterStrength& s) { std::printf("  %s %2d %5.2f %6.2f", label, s.enemies, s.meanLevel, s.meanHp); }

// A harder dungeon never has weaker encounters of any kind: the mean level and mean hit
// points of each kind rise, or stay, with the dungeon level.
TEST_F(EnemyTest, EncountersGrowWithTheDungeonLevel) {
    const auto rows = SummariseEncounters(g);
    std::printf("dungeon level | ordinary n lv hp | boss | ex | extreme\n");
    for (const DungeonStrength& row : rows) {
        std::printf("%7d %5d", row.dungeon, kDungeonLevels[static_cast<size_t>(row.dungeon)]);
        Print("ordinary", row.ordinary);
        Print("boss", row.boss);
        Print("ex", row.ex);
        Print("extreme", row.extreme);
        std::printf("\n");
    }
    using Member = EncounterStrength DungeonStrength::*;
    for (Member kind : {&DungeonStrength::ordinary, &DungeonStrength::boss, &DungeonStrength::ex,
                        &DungeonStrength::extreme}) {
        for (const DungeonStrength& easier : rows) {
            for (const DungeonStrength& harder : rows) {
                if (kDungeonLevels[static_cast<size_t>(easier.dungeon)] >=
                    kDungeonLevels[static_cast<size_t>(harder.dungeon)])
                    continue;
                EXPECT_LE((easier.*kind).meanLevel, (harder.*kind).meanLevel)
                    << "dungeon " << easier.dungeon << " against " << harder.dungeon;
                EXPECT_LE((easier.*kind).meanHp, (harder.*kind).meanHp)
                    << "dungeon " << easier.dungeon << " against " << harder.dungeon;
            }
        }
    }
}

}  // namespace
}  // namespace kestrilon
