// Every page, the opening and the tips as the click script, the log and the asset set
// will take them.
#include <gtest/gtest.h>

#include <set>

#include "asset_plan.h"
#include "data/catalogue.h"
#include "dungeon/story.h"
#include "dungeon/tips.h"
#include "render/message_log.h"
#include "support/game_fixture.h"
#include "text/text.h"

namespace kestrilon {
namespace {

// The widest name the name panel lets a player type: sixteen of its widest letter.
constexpr std::string_view kWidestName = "WWWWWWWWWWWWWWWW";

class StoryContentTest : public testing::GameTest {
protected:
    // The log keeps a text whole when it wraps at most once at 498 pixels.
    bool Fits(std::string_view text) {
        const std::string_view rest = text.substr(WrapLineLength(g.layers.cg, text, kFormFont, kLogWrapWidth));
        return rest.empty() || WrapLineLength(g.layers.cg, rest, kFormFont, kLogWrapWidth) == rest.size();
    }
};

TEST_F(StoryContentTest, EveryPageFitsTheClickScriptTheLogAndTheAssetSet) {
    ASSERT_FALSE(Fits(std::string(40, 'W') + "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろ"));
    std::set<std::string> drawn;
    for (const assets::PictureJob& job : assets::PlanAssets(g).pictures) drawn.insert(job.name);
    constexpr int kAwakeningLengths[] = {12, 8, 8, 8, 11, 11, 12, 20, 24};
    int river = 0;            // text lines of page 210, the river of oblivion
    int longestDarkness = 0;  // of the other darkness pages
    for (int page = -1; page <= 212; ++page) {
        const std::vector<std::string> script = StoryPageScript(page, kWidestName);
        const bool exists = page <= 8 ? page >= 0 : page < 200 ? page >= 100 && page <= 113 : page <= 211;
        ASSERT_EQ(!script.empty(), exists) << "page " << page;
        if (!exists) continue;
        int text = 0;
        bool locked = false;
        for (size_t i = 0; i < script.size(); ++i) {
            const std::string& line = script[i];
            const std::string where = "page " + std::to_string(page) + " line " + std::to_string(i) + ": " + line;
            if (line.starts_with("cg ")) {
                EXPECT_TRUE(drawn.contains(line.substr(4))) << where << " (the name starts at the fifth character)";
                locked = true;
            } else if (line == "cgoff") {
                locked = false;
            } else if (line.starts_with("item")) {
                EXPECT_NE(CatalogueRow(IntOr0(line.substr(4))), nullptr) << where;
            } else if (line.starts_with("menu") || line.starts_with("gold")) {
                EXPECT_EQ(i + 1, script.size()) << where << " ends the page early";
            } else {
                ++text;
                EXPECT_TRUE(!line.empty() && Fits(line)) << where;
                EXPECT_EQ(line.find('{'), std::string::npos) << where;
            }
        }
        EXPECT_FALSE(locked) << "page " << page << " keeps its picture over the main menu";
        EXPECT_EQ(script.back(), "menu1");
        if (page <= 8) {
            EXPECT_EQ(text, kAwakeningLengths[page]) << "page " << page;
        } else if (page < 200) {
            EXPECT_TRUE(text >= 2 && text <= 28) << "page " << page << ": " << text;
        } else {
            EXPECT_TRUE(text >= 6 && text <= 103) << "page " << page << ": " << text;
            if (page == 210) river = text;
            else longestDarkness = std::max(longestDarkness, text);
        }
    }
    EXPECT_GT(river, longestDarkness);
    EXPECT_EQ(StoryPageScript(211, "A").rbegin()[1], "＜＜＜ True End!!!!! ＞＞＞");

    ASSERT_EQ(OpeningLines().size(), 17u);
    for (std::string_view line : OpeningLines()) EXPECT_TRUE(Fits(line) && !line.starts_with("menu")) << line;
    std::set<std::string> tips;
    for (int roll = 0; roll < kTipRolls; ++roll) tips.insert(TipForRoll(roll, 100));
    EXPECT_EQ(tips.size(), 27u) << "the book-size tip and 26 fixed ones";
    for (const std::string& tip : tips) EXPECT_TRUE(tip.starts_with("　【Tips】") && Fits(tip)) << tip;
}

}  // namespace
}  // namespace kestrilon
