// Story pages, the opening and the tips as the player meets them, clicked through on the game.
#include <gtest/gtest.h>

#include <map>

#include "app/input.h"
#include "dungeon/story.h"
#include "dungeon/tips.h"
#include "menu/menu.h"
#include "persist/new_game.h"
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
        for (const char* music : {"dat/始まりの調べ-3.mp3", "dat/呼び声-41.mp3", "dat/遠方より来る-34.mp3"}) {
            os.WriteFile(music, "ID3");
        }
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
        OpenScreen(g, Screen::MainMenu);
    }
    void Click(MouseButton button = MouseButton::Left) { HandleClick(g, 400, 100, button); }
    void ClickThrough() {
        for (int n = 0; g.script.Running() && n <= kScriptLines; ++n) Click();
    }
    int Shown(std::string_view caption) {
        for (int i = 0; i < kMenuItems; ++i) {
            const tmenu& item = g.menus.items[static_cast<size_t>(i)];
            if (item.visible == 1 && item.screen == g.screen.GameScene && item.caption == caption) return i;
        }
        return -1;
    }
    void Choose(std::string_view caption) {
        ASSERT_GE(Shown(caption), 0) << caption;
        RunItem(g, Shown(caption));
    }
    std::vector<std::string> logged;  // "colour text", as the log took them
};

TEST_F(StoryTest, AnEventPageIsRevealedLineByLineAndReturnsToTheMainMenu) {
    g.player.level = 4;
    OpenScreen(g, Screen::MainMenu);
    Choose("～悟り～");
    EXPECT_TRUE(g.screen.storyRunning);
    EXPECT_EQ(g.sound.music, "始まりの調べ-3.mp3");
    logged.clear();
    ClickThrough();
    std::vector<std::string> expected;
    for (const std::string& line : StoryPageScript(0, "Velna"))
        if (!line.starts_with("cg") && !line.starts_with("menu")) expected.push_back("silver " + line);
    EXPECT_EQ(logged, expected);
    EXPECT_EQ(g.screen.GameScene, 1);
    EXPECT_TRUE(g.sound.music.empty()) << "the story music stops with the page";
    EXPECT_EQ(g.player.storyPagesRead, 1);
    EXPECT_EQ(Shown("～悟り～"), -1) << "no second page before the next run";

    g.player.runFlags.fill(0);
    g.player.dungeonClears[1] = 1;
    g.player.level = 0;
    OpenScreen(g, Screen::MainMenu);
    Choose("～闇への誘い～");
    EXPECT_EQ(g.script.storyColour, "blue");
    EXPECT_EQ(g.sound.music, "遠方より来る-34.mp3");
}

TEST_F(StoryTest, AStoryPictureShowsAtOnceAndGivesWayToTheMainMenuAtTheEnd) {
    os.WriteJpeg("cg/kabe.jpg", kScreenWidth, kScreenHeight, Rgb(220, 0, 0));
    os.WriteJpeg("cg/1.jpg", kScreenWidth, kScreenHeight, 0);
    const Bitmap& shown = g.layers.LayerTable[kLayerComposed];
    ShowStoryPage(g, 0);
    Click();
    EXPECT_GT(RedOf(shown.Pixel(400, 300)), 150) << "the tunnel comes with the first line";
    ClickThrough();
    EXPECT_LT(RedOf(shown.Pixel(400, 300)), 50) << "the main menu's picture is back";
}

TEST_F(StoryTest, ViewingAPageAgainRaisesItsProgressOnlyOnce) {
    PlayerState& p = g.player;
    p.storyPagesRead = 3;
    ShowStoryPage(g, 3);
    ClickThrough();
    ShowStoryPage(g, 3);
    EXPECT_EQ(p.storyPagesRead, 4);
    p.unlockFlags[kFlagCallProgress] = 2;
    ShowStoryPage(g, 102);
    ShowStoryPage(g, 102);
    EXPECT_EQ(p.unlockFlags[kFlagCallProgress], 3) << "a second view would skip page 103";
}

TEST_F(StoryTest, ARewardCardIsGainedOncePerViewWhenItsLineIsReached) {
    const size_t card = static_cast<size_t>(FindStoryPage(102)->reward.id);
    for (int view = 1; view <= 2; ++view) {
        ShowStoryPage(g, 102);
        EXPECT_EQ(g.player.CardCollection[card], view - 1) << "nothing before its line is clicked";
        ClickThrough();
        Click();
        EXPECT_EQ(g.player.CardCollection[card], view);
    }
}

TEST_F(StoryTest, TheOpeningPlaysToTheTitleMenuAndARightClickSkipsIt) {
    OpenScreen(g, Screen::TitleMenu);
    Choose("オープニング");
    EXPECT_EQ(g.sound.music, "始まりの調べ-3.mp3");
    logged.clear();
    for (int n = 0; n < 17; ++n) Click();
    EXPECT_EQ(logged.back(), "silver " + std::string(OpeningLines().back()));
    Click();
    EXPECT_EQ(g.screen.GameScene, 5);
    EXPECT_FALSE(g.screen.openingPlaying);

    ShowOpening(g);
    Click();
    Click(MouseButton::Right);
    EXPECT_EQ(g.screen.GameScene, 5);
    for (const std::string& line : g.script.lines) EXPECT_TRUE(line.empty());
    EXPECT_TRUE(g.sound.music.empty());
    ShowStoryPage(g, 1);
    Click(MouseButton::Right);
    EXPECT_TRUE(g.script.Running()) << "only the opening is skipped";
}

TEST_F(StoryTest, TipsComeSixTimesInThirtyTwoForTheBookSizeAndEndTheRun) {
    std::map<std::string, int> rolls;
    for (int roll = 0; roll < kTipRolls; ++roll) ++rolls[TipForRoll(roll, 70)];
    EXPECT_EQ(rolls["　【Tips】ブックはＤ.ブックとバトルブックの２種類があり、常にそれぞれが70枚でなければならない"], 6);

    g.player.level = 2;
    std::map<std::string, int> seen;
    for (int run = 0; run < 1600; ++run) {
        g.dungeon.number = 4;
        g.player.hp = 1;
        ReturnToMenuWithTip(g);
        ++seen[logged.back()];
    }
    EXPECT_TRUE(g.dungeon.number == 0 && g.player.hp > 1 && g.screen.GameScene == 1) << "the run is over";
    EXPECT_EQ(seen.size(), 27u);
    // 300 expected; a picker rolling 27 instead of 32 would give about 355.
    const int book = seen["silver " + TipForRoll(0, 70)];
    EXPECT_TRUE(book > 250 && book < 345) << book;
}

}  // namespace
}  // namespace kestrilon
