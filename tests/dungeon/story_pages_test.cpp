// Every page, the opening and the tips as the click script and the log will take them:
// lengths within their bounds, rewards that are cards, pictures the asset set draws, and
// lines the log shows whole.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "asset_plan.h"
#include "content/content_problems.h"
#include "data/catalogue.h"
#include "dungeon/story.h"
#include "dungeon/tips.h"
#include "render/message_log.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

// The widest name the name panel lets a player type: sixteen of its widest letter.
constexpr std::string_view kWidestName = "WWWWWWWWWWWWWWWW";

// The control lines of the click script, in the order it tests them; all else is text.
bool IsControl(std::string_view line) {
    return line.starts_with("cg ") || line == "cgoff" || line.starts_with("menu") || line.starts_with("gold") ||
           line.starts_with("item");
}

int TextLines(const std::vector<std::string>& script) {
    int n = 0;
    for (const std::string& line : script) n += IsControl(line) ? 0 : 1;
    return n;
}

std::vector<int> PageNumbers(std::span<const StoryPage> set) {
    std::vector<int> numbers;
    for (const StoryPage& page : set) numbers.push_back(page.number);
    return numbers;
}

std::vector<int> AllPageNumbers() {
    std::vector<int> all;
    for (std::span<const StoryPage> set : {AwakeningPages(), CallPages(), DarknessPages()}) {
        const std::vector<int> numbers = PageNumbers(set);
        all.insert(all.end(), numbers.begin(), numbers.end());
    }
    return all;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> out;
    for (int n = first; n <= last; ++n) out.push_back(n);
    return out;
}

TEST(StoryPagesTest, EachSetHoldsItsPagesWithTheirLengths) {
    EXPECT_EQ(PageNumbers(AwakeningPages()), Range(0, 8));
    EXPECT_EQ(PageNumbers(CallPages()), Range(100, 113));
    EXPECT_EQ(PageNumbers(DarknessPages()), Range(200, 211));
    for (int missing : {-1, 9, 99, 114, 199, 212}) EXPECT_TRUE(StoryPageScript(missing, "A").empty()) << missing;

    constexpr int kAwakeningLengths[] = {12, 8, 8, 8, 11, 11, 12, 20, 24};
    for (int page = 0; page <= 8; ++page)
        EXPECT_EQ(TextLines(StoryPageScript(page, "A")), kAwakeningLengths[page]) << "page " << page;
    for (int page = 100; page <= 113; ++page) {
        const int n = TextLines(StoryPageScript(page, "A"));
        EXPECT_TRUE(n >= 2 && n <= 28) << "page " << page << " has " << n << " lines";
    }
    int longest = 0;
    for (int page = 200; page <= 211; ++page) {
        const int n = TextLines(StoryPageScript(page, "A"));
        EXPECT_TRUE(n >= 6 && n <= 103) << "page " << page << " has " << n << " lines";
        if (page != 210) longest = std::max(longest, n);
    }
    EXPECT_GT(TextLines(StoryPageScript(210, "A")), longest) << "the river of oblivion is the longest page";
}

// The order a page's tail takes, a reward only where a page gives one, and the end.
TEST(StoryPagesTest, PagesEndWithRewardClosingLineAndTheMainMenu) {
    for (int page : AllPageNumbers()) {
        const std::vector<std::string> script = StoryPageScript(page, "A");
        ASSERT_GE(script.size(), 2u);
        EXPECT_EQ(script.back(), "menu1") << "page " << page;
        for (size_t i = 0; i + 1 < script.size(); ++i) {
            EXPECT_FALSE(script[i].starts_with("menu")) << "page " << page << " would end early at line " << i;
            EXPECT_FALSE(script[i].starts_with("gold")) << "page " << page << " line " << i;
        }
        const bool rewarded = (page >= 102 && page <= 113) || (page >= 200 && page <= 207) || page == 209;
        const StoryPage& table = *FindStoryPage(page);
        ASSERT_EQ(table.reward.id != 0, rewarded) << "page " << page;
        int items = 0;
        for (const std::string& line : script) items += line.starts_with("item") ? 1 : 0;
        EXPECT_EQ(items, rewarded ? 1 : 0) << "page " << page;
        if (rewarded) {
            EXPECT_EQ(script[script.size() - 3], "item" + std::to_string(table.reward.id)) << "page " << page;
        }
        if (page >= 100) {
            EXPECT_EQ(script[script.size() - 2], std::string(table.closing)) << "page " << page;
        }
        EXPECT_EQ(script.front() == "....", page > 100 && page < 200) << "page " << page;
    }
    const std::vector<std::string> last = StoryPageScript(211, "A");
    EXPECT_EQ(last[last.size() - 2], "＜＜＜ True End!!!!! ＞＞＞");
}

TEST(StoryPagesTest, RewardsAreCardsOfTheirKindAndTheCallsGiveCallCards) {
    for (const std::string& problem : CardReferenceProblems(StoryCardReferences())) ADD_FAILURE() << problem;
    EXPECT_EQ(StoryCardReferences().size(), 21u);
    for (const StoryPage& page : CallPages()) {
        if (page.reward.id == 0) continue;
        const CardRow* row = CatalogueRow(page.reward.id);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->isCalling, 1) << "page " << page.number << " gives " << row->name;
    }
}

// Where a page speaks to the player, the name goes in; the mark itself never shows.
TEST(StoryPagesTest, ThePlayersNameReplacesEveryMark) {
    int named = 0;
    for (int page : AllPageNumbers()) {
        for (const std::string& line : StoryPageScript(page, "Velna")) {
            EXPECT_EQ(line.find('{'), std::string::npos) << "page " << page << ": " << line;
            named += line.find("Velna") != std::string::npos ? 1 : 0;
        }
    }
    EXPECT_GE(named, 12);
    const std::vector<std::string> twice = StoryPageScript(201, "{name}");
    EXPECT_EQ(twice[1], "『また会ったな、{name}』") << "a name is put in once, not read again";
}

class StoryPicturesTest : public testing::GameTest {};

// A page that shows a picture shows one the asset set draws, and hands the background
// back before the main menu.
TEST_F(StoryPicturesTest, PicturesAreDrawnAndReleasedBeforeThePageEnds) {
    std::set<std::string> drawn;
    for (const assets::PictureJob& job : assets::PlanAssets(g).pictures) drawn.insert(job.name);
    int pictures = 0;
    for (int page : AllPageNumbers()) {
        bool locked = false;
        for (const std::string& line : StoryPageScript(page, "A")) {
            if (line == "cgoff") locked = false;
            if (!line.starts_with("cg ")) continue;
            // The click script reads the name from the fifth character on.
            const std::string name = line.substr(4);
            EXPECT_TRUE(drawn.contains(name)) << "page " << page << " shows " << name;
            EXPECT_EQ(line.substr(3, 1), " ") << "page " << page << ": " << line;
            locked = true;
            ++pictures;
        }
        EXPECT_FALSE(locked) << "page " << page << " leaves its picture locked";
    }
    EXPECT_GT(pictures, 0);
}

class StoryLinesTest : public testing::GameTest {
protected:
    // True when the log keeps the whole text: it wraps at most once at 498 pixels.
    bool FitsTwoLogLines(std::string_view text) {
        const Canvas& canvas = g.layers.cg;
        const std::string_view rest = text.substr(WrapLineLength(canvas, text, kFormFont, kLogWrapWidth));
        return rest.empty() || WrapLineLength(canvas, rest, kFormFont, kLogWrapWidth) == rest.size();
    }
    void ExpectShownWhole(std::string_view text, std::string_view where) {
        EXPECT_FALSE(text.empty()) << where << ": an empty line would end the queue early";
        EXPECT_EQ(text.find('\n'), std::string_view::npos) << where;
        EXPECT_TRUE(FitsTwoLogLines(text)) << where << ": " << text;
    }
};

TEST_F(StoryLinesTest, EveryLineFitsTheLogWithTheWidestName) {
    g.layers.cg.Resize(800, 600);
    ASSERT_FALSE(FitsTwoLogLines(std::string(40, 'W') + "あいうえおかきくけこさしすせそたちつてと" +
                                 "なにぬねのはひふへほまみむめもやゆよらりるれろわをん"))
        << "the check must notice a line the log would cut";
    for (int page : AllPageNumbers()) {
        for (const std::string& line : StoryPageScript(page, kWidestName)) {
            if (!IsControl(line)) ExpectShownWhole(line, "page " + std::to_string(page));
        }
    }
    ASSERT_EQ(OpeningLines().size(), 17u);
    for (std::string_view line : OpeningLines()) {
        ExpectShownWhole(line, "opening");
        EXPECT_FALSE(IsControl(line)) << line;
    }
}

TEST_F(StoryLinesTest, TipsAreTwentySixDistinctTipsThatFitTheLog) {
    g.layers.cg.Resize(800, 600);
    std::set<std::string> seen;
    for (int roll = 0; roll < kTipRolls; ++roll) {
        const std::string tip = TipForRoll(roll, 100);
        EXPECT_TRUE(tip.starts_with("　【Tips】")) << tip;
        ExpectShownWhole(tip, "tip " + std::to_string(roll));
        seen.insert(tip);
    }
    EXPECT_EQ(seen.size(), 27u) << "the book-size tip and 26 fixed ones";
}

}  // namespace
}  // namespace kestrilon
