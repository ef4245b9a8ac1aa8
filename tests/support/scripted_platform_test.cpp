#include "scripted_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon::tools {
namespace {

TEST(ScriptedPlatform, DialogsTakeQueuedAnswersThenYes) {
    ScriptedPlatform os;
    std::vector<std::string> heard;
    os.listener = [&](std::string_view kind, std::string_view detail) { heard.push_back(std::string(kind) + " " + std::string(detail)); };
    os.answers = {false, true};
    EXPECT_FALSE(os.Confirm("一"));
    EXPECT_TRUE(os.Confirm("二"));
    EXPECT_TRUE(os.Confirm("三"));
    EXPECT_EQ(os.questions, (std::vector<std::string>{"一", "二", "三"}));
    EXPECT_EQ(heard, (std::vector<std::string>{"ASK 一 -> no", "ASK 二 -> yes", "ASK 三 -> yes (none queued)"}));
}

TEST(ScriptedPlatform, TheListenerHearsTheGameInOrder) {
    ScriptedPlatform os;
    os.WriteFile("dat/1.wav", "RIFF");
    os.WriteFile("dat/town.mp3", "ID3");
    std::vector<std::string> heard;
    os.listener = [&](std::string_view kind, std::string_view detail) { heard.push_back(std::string(kind) + " " + std::string(detail)); };
    auto game = std::make_unique<Game>(os, 7);
    Game& g = *game;
    PlayMusic(g, "not");  // nothing plays yet: no news
    LogColour(g, "ようこそ", "red");
    PlayEffect(g, "1.wav");
    PlayEffect(g, "missing.wav");  // no file, nothing to hear
    PlayMusic(g, "town.mp3");
    PlayMusic(g, "not");
    os.MessageBox("おしまい");
    EXPECT_EQ(heard, (std::vector<std::string>{"LOG red ようこそ", "SOUND 1.wav", "MUSIC town.mp3", "MUSIC stop",
                                               "MSG おしまい"}));
    EXPECT_EQ(os.musicStops, 2);
}

TEST(ScriptedPlatform, RemovesOnlyTheFolderItMade) {
    std::filesystem::path made;
    {
        ScriptedPlatform os;
        made = os.ProgramFolder();
        EXPECT_TRUE(std::filesystem::is_directory(made / "dat2"));
        {
            ScriptedPlatform again(made);
            again.WriteFile("dat2/my.dat", "x");
        }
        EXPECT_TRUE(std::filesystem::exists(made / "dat2/my.dat"));
    }
    EXPECT_FALSE(std::filesystem::exists(made));
}

}  // namespace
}  // namespace kestrilon::tools
