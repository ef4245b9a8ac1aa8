#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "data/card_text.h"

namespace kestrilon {
namespace {

std::string Render(std::string_view recipe, const titem& card) {
    std::vector<TextStep> steps;
    std::string error;
    EXPECT_TRUE(CompileRecipe(recipe, steps, error)) << error;
    std::string out;
    AppendRecipeText(out, steps, card);
    return out;
}

std::string CompileError(std::string_view recipe) {
    std::vector<TextStep> steps{TextStep{}};
    std::string error;
    EXPECT_FALSE(CompileRecipe(recipe, steps, error)) << recipe;
    EXPECT_EQ(steps.size(), 1u) << "a failed recipe must leave the steps as they were";
    return error;
}

TEST(CardTextTest, NumbersTakeTheRecordValuesWithTheirSign) {
    titem card;
    card.value = 7;
    card.value2 = 90;
    EXPECT_EQ(Render("物理攻撃:{value} 命中:{value2}", card), "物理攻撃:7 命中:90");
    card.str = -6;
    card.int_ = 3;
    EXPECT_EQ(Render("STR{str} INT{int} {int_}", card), "STR-6 INT3 3");
    EXPECT_EQ(Render("ダンジョンから安全に脱出します", card), "ダンジョンから安全に脱出します");
    EXPECT_EQ(Render("", card), "");
}

TEST(CardTextTest, BracketedPieceNeedsEveryNumberAtLeastOne) {
    titem card;
    card.value = 4;
    const std::string_view ladle = "回復の泉でHP+{value}回復[ / {value2}km進む]";
    EXPECT_EQ(Render(ladle, card), "回復の泉でHP+4回復");
    card.value2 = -1;
    EXPECT_EQ(Render(ladle, card), "回復の泉でHP+4回復");
    card.value2 = 1;
    EXPECT_EQ(Render(ladle, card), "回復の泉でHP+4回復 / 1km進む");

    // Two numbers in one piece: one below 1 drops the whole piece, the text after it stays.
    const std::string_view both = "A[ B{value2} C{value3}]D";
    EXPECT_EQ(Render(both, card), "AD");
    card.value3 = 2;
    EXPECT_EQ(Render(both, card), "A B1 C2D");
    EXPECT_EQ(Render("[固定文]", card), "固定文");
}

TEST(CardTextTest, FaultyRecipesAreRejected) {
    EXPECT_NE(CompileError("{valu}km進む").find("valu"), std::string::npos);
    CompileError("[a[b]]");
    CompileError("a[b");
    CompileError("a]b");
    CompileError("{value");
    CompileError("value}");
}

TEST(CardTextTest, EveryRecordNumberCanBeNamed) {
    const std::span<const CardNumberField> fields = CardNumberFields();
    std::set<std::string_view> names;
    for (size_t i = 0; i < fields.size(); ++i) {
        ASSERT_NE(fields[i].member, nullptr) << "a field entry is missing";
        for (size_t j = 0; j < i; ++j) EXPECT_NE(fields[i].member, fields[j].member) << fields[i].name;
        names.insert(fields[i].name);
        EXPECT_EQ(FindCardNumberField(fields[i].name), &fields[i]);
    }
    EXPECT_EQ(names.size(), fields.size());
    EXPECT_EQ(FindCardNumberField("int_"), FindCardNumberField("int"));
    EXPECT_EQ(FindCardNumberField("text"), nullptr);
}

}  // namespace
}  // namespace kestrilon
