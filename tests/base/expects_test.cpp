#include "base/expects.h"

#include <gtest/gtest.h>

#include "state/card.h"
#include "state/combatant.h"

namespace kestrilon {
namespace {

TEST(ExpectsTest, TableIndexOutsideItsRangeStopsATestRun) {
    CardDatabase cards;
    CombatantTable rows;
    EXPECT_DEATH(cards[kCardIds], "broken invariant ValidId\\(id\\)");
    EXPECT_DEATH(cards[-1], "broken invariant");
    EXPECT_DEATH(rows[kCombatantRows], "broken invariant");
    EXPECT_EQ(&cards[kCardIds - 1], &cards.cards.back());
}

int reported = 0;
void Count(const char*, const char*, int) { ++reported; }

TEST(ExpectsTest, AnInstalledHandlerDecidesWhatABrokenInvariantDoes) {
    SetExpectationHandler(Count);
    EXPECTS(1 + 1 == 3);
    EXPECTS(true);
    SetExpectationHandler(AbortOnExpectation);
    EXPECT_EQ(reported, 1);
}

}  // namespace
}  // namespace kestrilon
