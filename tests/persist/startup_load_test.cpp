// Start-up: what the load does with a missing, damaged or unreadable my.dat, and what the
// run may write afterwards.
#include <memory>
#include <string>

#include "persist/save_support.h"

namespace kestrilon {
namespace {

using testing::ReadFile;
using testing::SplitCrLf;

class StartupLoadTest : public testing::SaveFileTest {};

TEST_F(StartupLoadTest, AFirstSessionKeepsWhatItEarned) {
    Load(g);         // first start
    NewGameValues(g);  // the name entry
    PlayerState& p = g.player;
    p.playerName = "Velna";
    p.CardLevel[1500] = 3;
    p.ark = 40;
    p.dungeonPresetNames[0] = "mine";
    p.highScores[2] = 900;
    ASSERT_TRUE(Save(g, 0));
    EXPECT_EQ(SplitCrLf(ReadFile(SavePath(g, 0)))[28524], std::to_string(kCurrentSaveVersion));

    auto again = std::make_unique<Game>(os, 8);
    Load(*again);
    EXPECT_EQ(again->player.CardLevel[1500], 3);
    EXPECT_EQ(again->player.ark, 40);
    EXPECT_EQ(again->player.dungeonPresetNames[0], "mine");
    EXPECT_EQ(again->player.highScores[2], 900);
}

}  // namespace
}  // namespace kestrilon
