#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/content_problems.h"

namespace kestrilon {
namespace {

TEST(ContentProblemsTest, TheGameHasNone) {
    for (const std::string& problem : ContentProblems()) ADD_FAILURE() << problem;
}

// Each faulty entry gives exactly one line, and the line says whose fault it is.
void ExpectOneLineEach(const std::vector<std::string>& problems, const std::vector<std::string>& starts) {
    ASSERT_EQ(problems.size(), starts.size());
    for (size_t i = 0; i < starts.size(); ++i) {
        EXPECT_TRUE(problems[i].starts_with(starts[i])) << problems[i] << " should start with " << starts[i];
    }
}

TEST(ContentProblemsTest, ReferencesMustNameACardOfTheKindTheirUseNeeds) {
    const CardReference good[] = {
        NamedCard("足", CardKind::Dungeon, "name"),
        CardWithId(1000, CardKind::Battle, "id"),
        NamedCard("ホーシオ", CardKind::Battle, "a card that exists only once the altar is open"),
    };
    EXPECT_TRUE(CardReferenceProblems(good).empty());

    const CardReference bad[] = {
        NamedCard("どこにもないカード", CardKind::Dungeon, "unknown name"),
        CardWithId(2329, CardKind::Battle, "unused id"),
        CardWithId(7000, CardKind::Battle, "id past the table"),
        NamedCard("指", CardKind::Dungeon, "kind by name"),
        CardWithId(1, CardKind::Battle, "kind by id"),
        {.kind = CardKind::Dungeon, .user = "neither"},
        {.name = "足", .id = 1, .kind = CardKind::Dungeon, .user = "both"},
    };
    const std::vector<std::string> problems = CardReferenceProblems(bad);
    ExpectOneLineEach(problems, {"unknown name", "unused id", "id past the table", "kind by name", "kind by id",
                                 "neither", "both"});
    EXPECT_NE(problems[3].find("is a battle card, not a dungeon card"), std::string::npos) << problems[3];
    EXPECT_NE(problems[4].find("is a dungeon card, not a battle card"), std::string::npos) << problems[4];
}

TEST(ContentProblemsTest, RowsMustUseKnownCodesSoundsEffectsAndCards) {
    const CardRow clean[] = {
        {.id = 1, .name = "a", .sound = "ya.wav", .action = DungeonEffect::Walk, .eventKind = EventCode::SealedGate,
         .element = Element::Crystal, .material = 1000, .effectGroup = 552, .effectNumber = 35, .needsOwned = 2},
        {.id = 1500, .name = "b", .action = BattleAction::None},
        {.id = 800, .name = "c", .action = {}},
    };
    EXPECT_TRUE(CardRowProblems(clean).empty());

    const CardRow faulty[] = {
        {.id = 2, .action = BattleAction::Attack},
        {.id = 1501, .action = DungeonEffect::Walk},
        {.id = 3, .sound = "no_such_sound.wav"},
        {.id = 4, .eventKind = static_cast<EventCode>(17)},
        {.id = 5, .element = static_cast<Element>(11)},
        {.id = 6, .effectNumber = 9999},
        {.id = 7, .effectGroup = -1},
        {.id = 8, .material = 2329},
        {.id = 9, .needsOwned = 6999},
    };
    ExpectOneLineEach(CardRowProblems(faulty),
                      {"card 2 ", "card 1501 ", "card 3 ", "card 4 ", "card 5 ", "card 6 ", "card 7 ", "card 8 ",
                       "card 9 "});
}

}  // namespace
}  // namespace kestrilon
