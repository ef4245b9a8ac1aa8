#include "session.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "menu/menu.h"

namespace kestrilon::play {
namespace {

class SessionTest : public ::testing::Test {
protected:
    // Runs lines that must all succeed.
    void Play(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines) ASSERT_EQ(session.Run(line), "") << line;
    }
    bool Printed(std::string_view line) const { return out.str().find(std::string(line) + "\n") != std::string::npos; }

    tools::ScriptedPlatform os;
    std::ostringstream out;
    PlaySession session{os, out};
    Game& g = session.form().game();
    const double start = os.clock;
};

TEST_F(SessionTest, TicksComeAtTheTimerIntervalOfPlayTime) {
    // The first tick checks the rate at once: one frame counted shortens 90 ms to 78 ms.
    Play({"frames 3"});
    EXPECT_EQ(g.frame.FrameTick, 3);
    EXPECT_NEAR(os.clock - start, 0.246, 1e-9);

    // A wait runs the ticks due within it and leaves the clock at its end.
    Play({"wait 0.2"});
    EXPECT_EQ(g.frame.FrameTick, 5);
    EXPECT_NEAR(os.clock - start, 0.446, 1e-9);
    Play({"frames 1"});
    EXPECT_NEAR(os.clock - start, 0.48, 1e-9);

    // The battle steps every 0.2 s of that time: at ticks 0.558, 0.792, 1.026 and 1.260 s.
    g.dungeon.number = 1;
    g.battle.fightActive = 1;
    Play({"wait 0.9"});
    EXPECT_EQ(g.battle.steps, 4);
}

TEST_F(SessionTest, TheQuitQuestionClosesTheWindowAndRestartFindsThePlayer) {
    g.player.playerName = "Velna";
    g.frame.TitleState = 0;
    OpenScreen(g, Screen::QuitQuestion);
    Play({"click-item はい"});
    EXPECT_TRUE(session.closed());
    EXPECT_TRUE(Printed("WINDOW closed"));
    EXPECT_EQ(session.Run("frames 1"), "frames: the window is closed (restart opens it again)");

    Play({"restart", "frames 1"});
    EXPECT_FALSE(session.closed());
    EXPECT_EQ(session.form().game().player.playerName, "Velna");
}

TEST_F(SessionTest, CommandsThatCannotBeCarriedOutSayWhy) {
    EXPECT_EQ(session.Run("jump 3"), "unknown command \"jump\"");
    EXPECT_EQ(session.Run("click 10"), "click: expects X Y");
    EXPECT_EQ(session.Run("move 10 600"), "move: (10, 600) lies outside the 800 x 600 window");
    EXPECT_EQ(session.Run("key Escpae"), "key: unknown key \"Escpae\"");
    EXPECT_EQ(session.Run("type Velna"), "type: the name entry is not shown");
    EXPECT_EQ(session.Run("frames -1"), "frames: expects a count of ticks");
    EXPECT_EQ(session.Run("answer yes maybe"), "answer: \"maybe\" is neither yes nor no");
    EXPECT_TRUE(os.answers.empty());  // a bad answer list queues none of it
    EXPECT_EQ(session.Run("   # a comment"), "");
}

TEST_F(SessionTest, QueuedAnswersGoToTheDialogsInOrder) {
    Play({"answer no yes", "key Escape", "key Escape"});
    EXPECT_TRUE(Printed("ASK 初期化したいときは、はいを押してね -> no"));
    EXPECT_TRUE(Printed("ASK 初期化したいときは、はいを押してね -> yes"));
    Play({"key Escape"});
    EXPECT_TRUE(Printed("ASK 初期化したいときは、はいを押してね -> yes (none queued)"));
}

}  // namespace
}  // namespace kestrilon::play
