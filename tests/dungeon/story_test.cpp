// Story pages, the opening and the tips as the player meets them: clicked through on the
// game, from the main menu, the title menu and the end of a run.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/input.h"
#include "books/gains.h"
#include "dungeon/story.h"
#include "dungeon/tips.h"
#include "menu/menu.h"
#include "persist/new_game.h"
#include "render/message_log.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class StoryTest : public testing::GameTest {
protected:
    void SetUp() override {
        NewGameValues(g);
        g.player.playerName = "Velna";
        g.frame.TitleState = TitleCode(TitleState::Game);
        os.WriteFile("dat/始まりの調べ-3.mp3", "ID3");
        os.WriteFile("dat/呼び声-41.mp3", "ID3");
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
        OpenScreen(g, Screen::MainMenu);
        logged.clear();
    }

    void Click(MouseButton button = MouseButton::Left) { HandleClick(g, 400, 100, button); }

    // Left clicks until the queue is empty, at most a queue's worth.
    void ClickThrough() {
        for (int n = 0; g.script.Running() && n <= kScriptLines; ++n) Click();
        ASSERT_FALSE(g.script.Running());
    }

    // The menu item of the current screen with this caption; -1 when it is not shown.
    int Shown(std::string_view caption) {
        for (int i = 0; i < kMenuItems; ++i) {
            const tmenu& item = g.menus.items[static_cast<size_t>(i)];
            if (item.visible == 1 && item.screen == g.screen.GameScene && item.caption == caption) return i;
        }
        return -1;
    }

    std::vector<std::string> logged;  // "colour text", as the log took them
};

// The text lines of a page, as the log shows them in the page's colour.
std::vector<std::string> Expected(int page, std::string_view name) {
    std::vector<std::string> lines;
    const std::string colour(StoryPageColour(page));
    for (const std::string& line : StoryPageScript(page, name)) {
        if (line.starts_with("cg ") || line == "cgoff" || line.starts_with("menu") || line.starts_with("item")) continue;
        lines.push_back(colour + " " + line);
    }
    return lines;
}

std::vector<std::string> Only(const std::vector<std::string>& lines, std::string_view colour) {
    std::vector<std::string> out;
    for (const std::string& line : lines)
        if (line.starts_with(std::string(colour) + " ")) out.push_back(line);
    return out;
}

TEST_F(StoryTest, APageIsRevealedLineByLineInItsColourAndReturnsToTheMainMenu) {
    Log(g, "an old line");
    ShowStoryPage(g, 103);
    EXPECT_TRUE(g.log.entries[1].text.empty()) << "the log starts clean";
    EXPECT_EQ(g.log.entries[0].text, "....");
    EXPECT_EQ(g.sound.music, "呼び声-41.mp3");
    EXPECT_TRUE(g.screen.storyRunning);
    EXPECT_EQ(g.player.runFlags[kRunEventVisited], 1);

    logged.clear();
    Click();
    ASSERT_EQ(logged.size(), 1u) << "one line a click";
    EXPECT_EQ(logged[0], "pink5 ....");
    ClickThrough();
    EXPECT_EQ(Only(logged, "pink5"), Expected(103, "Velna"));
    EXPECT_EQ(g.screen.GameScene, 1);
    EXPECT_FALSE(g.screen.storyRunning);
    EXPECT_TRUE(g.sound.music.empty()) << "the story music stops with the page";

    ShowStoryPage(g, 200);
    EXPECT_EQ(g.sound.music, "遠方より来る-34.mp3");
    logged.clear();
    ClickThrough();
    EXPECT_EQ(Only(logged, "blue"), Expected(200, "Velna"));
    ShowStoryPage(g, 201);
    EXPECT_EQ(g.script.storyColour, "silver") << "only the first darkness page is blue";
}

TEST_F(StoryTest, ViewingAPageAgainRaisesItsProgressOnlyOnce) {
    PlayerState& p = g.player;
    p.storyPagesRead = 3;
    ShowStoryPage(g, 3);
    EXPECT_EQ(p.storyPagesRead, 4);
    ClickThrough();
    ShowStoryPage(g, 3);
    ClickThrough();
    EXPECT_EQ(p.storyPagesRead, 4);

    p.storyPagesRead = 6;
    ShowStoryPage(g, 3);
    EXPECT_EQ(p.storyPagesRead, 6) << "an earlier page never lowers it";

    p.unlockFlags[kFlagCallProgress] = 2;
    ShowStoryPage(g, 102);
    ShowStoryPage(g, 102);
    EXPECT_EQ(p.unlockFlags[kFlagCallProgress], 3);
    p.unlockFlags[kFlagDarknessProgress] = 11;
    ShowStoryPage(g, 211);
    ShowStoryPage(g, 211);
    EXPECT_EQ(p.unlockFlags[kFlagDarknessProgress], 12);

    ShowStoryPage(g, 9);
    EXPECT_EQ(p.storyPagesRead, 6) << "a page that does not exist counts nothing";
}

TEST_F(StoryTest, ARewardCardIsGainedOncePerViewWhenItsLineIsReached) {
    const int card = FindStoryPage(102)->reward.id;
    ShowStoryPage(g, 102);
    EXPECT_EQ(g.player.CardCollection[static_cast<size_t>(card)], 0) << "nothing before the line is clicked";
    ClickThrough();
    EXPECT_EQ(g.player.CardCollection[static_cast<size_t>(card)], 1);
    Click();
    Click();
    EXPECT_EQ(g.player.CardCollection[static_cast<size_t>(card)], 1) << "clicks after the page give nothing";
    ShowStoryPage(g, 102);
    ClickThrough();
    EXPECT_EQ(g.player.CardCollection[static_cast<size_t>(card)], 2);
    for (int page : {100, 101, 208, 210}) {
        const int before = CardKindsOwned(g);
        ShowStoryPage(g, page);
        ClickThrough();
        EXPECT_EQ(CardKindsOwned(g), before) << "page " << page << " gives no card";
    }
}

TEST_F(StoryTest, TheOpeningPlaysToTheTitleMenuAndARightClickSkipsIt) {
    OpenScreen(g, Screen::TitleMenu);
    ShowOpening(g);
    EXPECT_TRUE(g.screen.openingPlaying);
    EXPECT_EQ(g.sound.music, "始まりの調べ-3.mp3");
    logged.clear();
    for (int n = 0; n < 17; ++n) Click();
    ASSERT_EQ(logged.size(), 17u);
    for (size_t n = 0; n < 17; ++n) EXPECT_EQ(logged[n], "silver " + std::string(OpeningLines()[n]));
    EXPECT_TRUE(g.script.Running()) << "the title menu waits for one more click";
    Click();
    EXPECT_FALSE(g.script.Running());
    EXPECT_EQ(g.screen.GameScene, 5);
    EXPECT_FALSE(g.screen.openingPlaying);

    ShowOpening(g);
    Click();
    Click(MouseButton::Right);
    EXPECT_FALSE(g.script.Running());
    EXPECT_EQ(g.screen.GameScene, 5);
    EXPECT_FALSE(g.screen.openingPlaying);
    EXPECT_TRUE(g.sound.music.empty());
    for (const std::string& line : g.script.lines) EXPECT_TRUE(line.empty());

    ShowStoryPage(g, 0);
    const std::string next = StoryPageScript(0, "Velna")[1];
    logged.clear();
    Click(MouseButton::Right);
    EXPECT_TRUE(g.script.Running()) << "a story page is not skipped";
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0], "silver " + next);
}

TEST_F(StoryTest, TheEventEntriesOpenTheirPagesAndHideUntilTheNextRun) {
    PlayerState& p = g.player;
    p.level = 4;
    OpenScreen(g, Screen::MainMenu);
    ASSERT_GE(Shown("～悟り～"), 0);
    RunItem(g, Shown("～悟り～"));
    ClickThrough();
    EXPECT_EQ(p.storyPagesRead, 1);
    EXPECT_EQ(Shown("～悟り～"), -1) << "hidden after a page until the run resets";

    p.runFlags.fill(0);
    p.deathCount = 10;
    p.level = 0;
    OpenScreen(g, Screen::MainMenu);
    RunItem(g, Shown("～呼び声～"));
    EXPECT_EQ(g.script.storyColour, "pink5");
    ClickThrough();
    EXPECT_EQ(p.unlockFlags[kFlagCallProgress], 1);

    p.runFlags.fill(0);
    p.dungeonClears[1] = 1;
    OpenScreen(g, Screen::MainMenu);
    RunItem(g, Shown("～闇への誘い～"));
    EXPECT_EQ(g.script.storyColour, "blue");
    ClickThrough();
    EXPECT_EQ(p.unlockFlags[kFlagDarknessProgress], 1);

    OpenScreen(g, Screen::TitleMenu);
    RunItem(g, Shown("オープニング"));
    EXPECT_TRUE(g.screen.openingPlaying);
}

TEST_F(StoryTest, TipsFollowTheRollAndEndTheRun) {
    const std::string bookTip = TipForRoll(0, 70);
    EXPECT_EQ(bookTip, "　【Tips】ブックはＤ.ブックとバトルブックの２種類があり、常にそれぞれが70枚でなければならない");
    std::map<std::string, int> rolls;
    for (int roll = 0; roll < kTipRolls; ++roll) ++rolls[TipForRoll(roll, 70)];
    EXPECT_EQ(rolls[bookTip], 6) << "six rolls in 32 give the book-size tip";
    EXPECT_EQ(rolls.size(), 27u) << "and each other roll its own fixed tip";

    PlayerState& p = g.player;
    p.level = 2;
    g.dungeon.number = 4;
    g.dungeon.entered = 1;
    p.hp = 1;
    p.goldNuggets = 12;
    p.runFlags[kRunEventVisited] = 1;
    std::map<std::string, int> seen;
    constexpr int kRuns = 1600;
    for (int run = 0; run < kRuns; ++run) {
        ReturnToMenuWithTip(g);
        ++seen[logged.back()];
    }
    EXPECT_EQ(g.dungeon.number, 0);
    EXPECT_EQ(g.dungeon.entered, 0);
    EXPECT_EQ(g.screen.GameScene, 1);
    EXPECT_EQ(p.goldNuggets, 0);
    EXPECT_GT(p.hp, 1);
    EXPECT_EQ(p.runFlags[kRunEventVisited], 0);
    for (const auto& [line, times] : seen) EXPECT_EQ(line.rfind("silver 　【Tips】", 0), 0u) << line;
    EXPECT_EQ(seen.size(), 27u);
    // 300 expected; a picker rolling 27 instead of 32 would give about 355.
    const int book = seen["silver " + TipForRoll(0, 70)];
    EXPECT_TRUE(book > 250 && book < 345) << book << " book-size tips in " << kRuns;
}

}  // namespace
}  // namespace kestrilon
