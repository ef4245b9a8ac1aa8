#include "battle/damage/element_affinity.h"

#include <gtest/gtest.h>

namespace kestrilon {
namespace {

TEST(ElementAffinityTest, EachMatchingAttributeAppliesInRowOrder) {
    tenemy t;
    t.thunder = 1;
    t.earth = 1;
    // Earth resists fire; thunder has no word on fire.
    AffinityMatches m = ElementAffinities(t, Element::Fire);
    ASSERT_EQ(m.count, 1);
    EXPECT_EQ(m.matches[0].attribute, Element::Earth);
    EXPECT_EQ(ApplyAffinities(101, m), 50);
    // Water is weak against earth and resisted by thunder: both lines, earth's row first.
    m = ElementAffinities(t, Element::Water);
    ASSERT_EQ(m.count, 2);
    EXPECT_EQ(m.matches[0].attribute, Element::Earth);
    EXPECT_EQ(m.matches[0].affinity, Affinity::Weak);
    EXPECT_EQ(m.matches[1].attribute, Element::Thunder);
    EXPECT_EQ(m.matches[1].affinity, Affinity::Resists);
    EXPECT_EQ(ApplyAffinities(7, m), 7);  // 14, then 7
    // An element no set attribute names changes nothing.
    EXPECT_EQ(ElementAffinities(t, Element::None).count, 0);
    EXPECT_EQ(ElementAffinities(tenemy{}, Element::Dark).count, 0);
}

TEST(ElementAffinityTest, WeaknessesAndTheirTexts) {
    tenemy t;
    t.ice = 1;
    t.light = 1;
    AffinityMatches m = ElementAffinities(t, Element::Gem);
    ASSERT_EQ(m.count, 1);
    EXPECT_EQ(ApplyAffinities(30, m), 60);
    EXPECT_EQ(AffinityTextsOf(Element::Gem, Affinity::Weak).logLine, "　玉弱点!!");
    EXPECT_EQ(AffinityTextsOf(Element::Dark, Affinity::Weak).label, "闇弱点！");
    EXPECT_EQ(AffinityTextsOf(Element::Fire, Affinity::Resists).label, "-火耐性-");
    EXPECT_TRUE(AffinityTextsOf(Element::Ice, Affinity::Resists).logLine.empty());
    EXPECT_EQ(ApplyAffinities(1 << 30, m), 1 << 30);
}

TEST(ElementAffinityTest, ASingleAttributeGivenDirectly) {
    AffinityMatches m;
    AddAffinities(m, Element::Thunder, Element::Crystal);
    AddAffinities(m, Element::Dark, Element::Light);
    ASSERT_EQ(m.count, 2);
    EXPECT_EQ(m.matches[0].affinity, Affinity::Weak);
    EXPECT_EQ(m.matches[1].attribute, Element::Dark);
}

}  // namespace
}  // namespace kestrilon
