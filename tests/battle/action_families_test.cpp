#include "battle/actions/action_families.h"

#include <gtest/gtest.h>

namespace kestrilon {
namespace {

TEST(ActionFamiliesTest, EveryCodeOfTheCatalogueHasAFamily) {
    for (int32_t code : kBattleActionCodes) {
        const ActionFamily family = FamilyOf(static_cast<BattleAction>(code));
        EXPECT_EQ(family == ActionFamily::None, code == 0) << code;
    }
    EXPECT_EQ(FamilyOf(BattleAction::MagicSword), ActionFamily::Physical);
    EXPECT_EQ(FamilyOf(BattleAction::Telekinesis), ActionFamily::Magic);
    EXPECT_EQ(FamilyOf(BattleAction::MpSpiritHeal), ActionFamily::Recovery);
    EXPECT_EQ(FamilyOf(BattleAction::ElementPowerUp), ActionFamily::Buff);
    EXPECT_EQ(FamilyOf(BattleAction::AreaCold), ActionFamily::Ailment);
    EXPECT_EQ(FamilyOf(BattleAction::Food), ActionFamily::Special);
    EXPECT_EQ(FamilyOf(BattleAction::BeastCrystal), ActionFamily::Summon);
}

}  // namespace
}  // namespace kestrilon
