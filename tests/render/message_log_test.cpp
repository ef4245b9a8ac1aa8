#include "render/message_log.h"

#include <gtest/gtest.h>

#include "render/colour.h"
#include "render/render_support.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

using LogTest = GameTest;

std::string Repeat(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

int Width(Game& g, std::string_view text) { return g.layers.cg.TextWidth(text, kFormFont); }

TEST_F(LogTest, WrappedMessageKeepsTwoLinesWithIndentedContinuation) {
    const std::string text = Repeat("あいうえおかきくけこ", 12);  // about three lines at 498 pixels
    ASSERT_GT(Width(g, text), 2 * kLogWrapWidth);
    Log(g, "before");
    LogIcon(g, text, "red", "card_frame.bmp");

    const LogEntry& first = g.log.entries[1];
    const LogEntry& second = g.log.entries[0];
    EXPECT_EQ(g.log.entries[2].text, "before");
    EXPECT_EQ(first.icon, "card_frame.bmp");
    EXPECT_EQ(first.colourCode, 307);
    EXPECT_LE(Width(g, first.text), kLogWrapWidth);
    EXPECT_GT(Width(g, text.substr(0, first.text.size() + 3)), kLogWrapWidth) << "the longest prefix that fits";
    ASSERT_EQ(second.text.rfind("　", 0), 0u);
    EXPECT_TRUE(second.icon.empty());
    EXPECT_EQ(second.colourCode, 307);
    const std::string body = second.text.substr(std::string_view("　").size());
    EXPECT_LE(Width(g, body), kLogWrapWidth);
    // The two lines are the text's start, in order, and the third line is dropped.
    EXPECT_EQ(text.rfind(first.text + body, 0), 0u);
    EXPECT_LT(first.text.size() + body.size(), text.size());
}

TEST_F(LogTest, WrapBreaksAfterABlankAndSmallColoursNeverWrap) {
    const std::string words = Repeat("card ", 40);
    LogColour(g, words, "aqua");
    const std::string first = g.log.entries[1].text;
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.back(), ' ');
    EXPECT_EQ(g.log.entries[0].text.substr(std::string_view("　").size(), 4), "card");

    const std::string longText = Repeat("長い文章", 30);
    LogColour(g, longText, "small_gray");
    EXPECT_EQ(g.log.entries[0].text, longText);
    EXPECT_EQ(g.log.entries[0].colourCode, kDefaultColourCode);
    EXPECT_EQ(g.log.entries[2].text, first);

    LogColour(g, "短い", "green");
    EXPECT_EQ(g.log.entries[0].text, "短い");
    EXPECT_EQ(g.log.entries[1].text, longText);
}

TEST_F(LogTest, ColourNamesMatchExactlyAndPalettesFollowTheirPhases) {
    EXPECT_EQ(ColourCode("red"), 307);
    EXPECT_EQ(ColourCode("Red"), kDefaultColourCode);
    EXPECT_EQ(CodeColour(ColourCode("Red"), 0), 0xC0C0C0u);
    EXPECT_EQ(ColourCode("gray_blue"), 322);
    Log(g, "plain");
    EXPECT_EQ(g.log.entries[0].colourCode, 316);
    EXPECT_EQ(CodeColour(316, 5), 0x999999u);
    // Ten phases share pairs around phase 5; pale pink has eight phases and the rainbow twelve.
    EXPECT_EQ(CodeColour(301, 9), 0x10DB00u);
    EXPECT_EQ(CodeColour(301, 13), CodeColour(301, 7));
    EXPECT_EQ(CodeColour(320, 4), 0xB060A9u);
    EXPECT_EQ(CodeColour(310, 6), 0xBBAAEEu);
    EXPECT_EQ(CodeColour(312, 0), 0x0000FFu);
    EXPECT_EQ(CodeColour(312, 13), 0x0099FFu);
}

TEST_F(LogTest, GreenLinesRippleUpTheLogFromPhaseZero) {
    g.frame.FrameTick = 0;
    LogColour(g, "■■■■", "green");
    LogColour(g, "■■■■", "green");
    g.layers.cg.Clear(0);
    DrawLog(g);
    // Line 0 sits at y 290 with phase 0, line 1 at y 270 with phase 1, each shifted by its age in the column.
    EXPECT_TRUE(HasColour(g.layers.cg, {2, 290, 120, 310}, ShiftColour(0x12EA00, 42)));
    EXPECT_TRUE(HasColour(g.layers.cg, {2, 270, 120, 290}, ShiftColour(0x10DB00, 35)));
}

TEST_F(LogTest, ShiftColourSpillsWhatClampingLoses) {
    EXPECT_EQ(ShiftColour(Rgb(250, 100, 0), 20), Rgb(255, 127, 27));
    EXPECT_EQ(ShiftColour(Rgb(0, 50, 100), -60), Rgb(0, 0, 5));
    EXPECT_EQ(ShiftColour(0xFFFFFF, 100), 0xFFFFFFu);
    EXPECT_EQ(ShiftColour(Rgb(10, 20, 30), 5), Rgb(15, 25, 35));
}

TEST_F(LogTest, BadgeIsKeptOnlyInsideADungeon) {
    LogBadge(g, "found", "yellow", 30, "");
    EXPECT_EQ(g.log.entries[0].badge, 0);
    g.dungeon.entered = 1;
    LogBadge(g, "found", "yellow", 30, "");
    EXPECT_EQ(g.log.entries[0].badge, 30);
}

TEST_F(LogTest, TheLogKeepsTheLast21LinesAndClearLeavesTheOldest) {
    for (int i = 1; i <= 22; ++i) Log(g, "line " + std::to_string(i));
    EXPECT_EQ(g.log.entries[0].text, "line 22");
    EXPECT_EQ(g.log.entries[20].text, "line 2");
    ClearLog(g);
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(g.log.entries[static_cast<size_t>(i)].text.empty());
    EXPECT_EQ(g.log.entries[20].text, "line 2");
}

TEST_F(LogTest, OnlyTheHintIconSoundsTheBell) {
    os.WriteFile("dat/b.wav", "RIFF");
    LogIcon(g, "a card", "gray", "card_frame.bmp");
    EXPECT_TRUE(os.played.empty());
    LogIcon(g, "a hint", "hint", "hint.bmp");
    ASSERT_EQ(os.played.size(), 1u);
    EXPECT_EQ(os.played[0], "b.wav");
}

class LogLayoutTest : public GameTest {
protected:
    void SetUp() override {
        for (int i = 0; i < 20; ++i) Log(g, "■■■■■■");
    }
    bool LitAt(int x, int y) {
        g.layers.cg.Clear(0);
        DrawLog(g);
        return AnyLit(g.layers.cg, {x, y, x + 40, y + 16});
    }
};

TEST_F(LogLayoutTest, LineCountAndColumnFollowTheScreen) {
    EXPECT_TRUE(LitAt(2, 290));
    EXPECT_TRUE(LitAt(2, 290 - 13 * 20));
    EXPECT_FALSE(LitAt(2, 290 - 14 * 20));

    g.screen.GameScene = 15;
    EXPECT_TRUE(LitAt(2, 210));
    EXPECT_TRUE(LitAt(2, 210 - 4 * 20));
    EXPECT_FALSE(LitAt(2, 210 - 5 * 20));
    EXPECT_FALSE(LitAt(2, 290));

    g.screen.GameScene = 6;
    g.screen.editBookKind = 1;
    g.screen.presetPanelOpen = true;
    EXPECT_TRUE(LitAt(434, 580));
    EXPECT_TRUE(LitAt(434, 540));
    EXPECT_FALSE(LitAt(434, 520));
    EXPECT_FALSE(LitAt(2, 210));
}

TEST_F(LogLayoutTest, LongListsPushTheColumnUp) {
    g.screen.GameScene = 26;
    g.screen.listEntries = 8;
    EXPECT_TRUE(LitAt(2, 290));
    g.screen.listEntries = 9;
    EXPECT_TRUE(LitAt(2, 275));
    EXPECT_FALSE(LitAt(2, 295));
    g.screen.listEntries = 17;
    EXPECT_TRUE(LitAt(2, 75));
    EXPECT_FALSE(LitAt(2, 275));
    g.screen.GameScene = 1;
    EXPECT_TRUE(LitAt(2, 290));
}

TEST_F(LogTest, StoryLinesFadeInOverTenFrames) {
    Log(g, "■■■■");
    g.screen.storyRunning = true;
    g.layers.cg.Clear(0);
    DrawLog(g);
    EXPECT_EQ(g.log.entries[0].age, 1);
    EXPECT_FALSE(HasColour(g.layers.cg, {2, 290, 80, 310}, ShiftColour(0x999999, 42)));
    for (int i = 0; i < 12; ++i) DrawLog(g);
    EXPECT_EQ(g.log.entries[0].age, 10);
    g.layers.cg.Clear(0);
    DrawLog(g);
    EXPECT_TRUE(HasColour(g.layers.cg, {2, 290, 80, 310}, ShiftColour(0x999999, 42)));
}

TEST_F(LogTest, BadgeAndWaitingMarkFollowTheNewestLine) {
    g.dungeon.entered = 1;
    LogBadge(g, "■■", "silver", 25, "");
    const int textEnd = 2 + g.layers.cg.TextWidth("■■", Font{kGothic, 12, true, false});
    g.layers.cg.Clear(0);
    DrawLog(g);
    EXPECT_TRUE(HasColour(g.layers.cg, {textEnd + 2, 295, textEnd + 30, 310}, ShiftColour(0x00AA00, 0)));

    const int markFrom = textEnd + g.layers.cg.TextWidth("+25", Font{kGothic, 8, true, false}) + 10;
    g.layers.cg.Clear(0);
    DrawLog(g);
    EXPECT_FALSE(AnyLit(g.layers.cg, {markFrom, 280, markFrom + 16, 310}));
    g.script.lines[1] = "次の行";
    g.layers.cg.Clear(0);
    DrawLog(g);
    EXPECT_TRUE(AnyLit(g.layers.cg, {markFrom, 280, markFrom + 16, 310}));
}

}  // namespace
}  // namespace kestrilon::testing
