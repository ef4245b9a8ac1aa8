// Start-up: what the load does with a missing, damaged or unreadable my.dat, and what the
// run may write afterwards.
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "persist/file_rights.h"
#include "persist/save_support.h"

namespace kestrilon {
namespace {

namespace fs = std::filesystem;
using testing::Files;
using testing::SameFiles;
using testing::FolderFiles;
using testing::ReadFile;
using testing::SplitCrLf;

class StartupLoadTest : public testing::SaveFileTest {
protected:
    // A played game written as backup n; its bytes.
    std::string GoodBackup(int n) {
        g.player.playerName = "Velna";
        g.player.money = 321;
        EXPECT_TRUE(Save(g, n));
        return ReadFile(SavePath(g, n));
    }
    // my.dat cut short; its bytes.
    std::string DamagedSave() {
        auto lines = Lines();
        lines.resize(500);
        Put("dat2/my.dat", lines);
        return ReadFile(SavePath(g, 0));
    }
    std::string WrittenSave() {
        g.player.playerName = "Velna";
        EXPECT_TRUE(Save(g, 0));
        return ReadFile(SavePath(g, 0));
    }
};

TEST_F(StartupLoadTest, AWindowClosedDuringRecoveryWritesNothing) {
    for (const std::string at : {"読み込めませんでした", "から再開しますか"}) {
        testing::FakePlatform fake;
        auto run = std::make_unique<Game>(fake, 7);
        NewGameValues(*run);
        run->player.playerName = "Velna";
        ASSERT_TRUE(Save(*run, 4));
        const std::string backup = ReadFile(SavePath(*run, 4));
        const std::string half = backup.substr(0, backup.size() / 2);
        fake.WriteFile("dat2/my.dat", half);
        fake.closeWindowAt = at;

        Load(*run);
        EXPECT_FALSE(Save(*run, 0)) << at;
        EXPECT_FALSE(Save(*run, 4)) << at;
        EXPECT_TRUE(SameFiles(FolderFiles(fake.ProgramFolder() / "dat2"), Files{{"my.dat_bak4", backup}, {"my.dat_damaged1", half}}))
            << at;
    }
}

TEST_F(StartupLoadTest, ANewGameFromRecoveryReplacesNoBackupUntilPlayed) {
    const std::string backup = GoodBackup(4);
    DamagedSave();
    os.answers = {false};
    Load(g);
    EXPECT_EQ(g.player.money, 5);
    EXPECT_EQ(SplitCrLf(ReadFile(SavePath(g, 0))).size(), static_cast<size_t>(kSaveLines));
    EXPECT_FALSE(Save(g, 4));
    EXPECT_TRUE(ReadFile(SavePath(g, 4)) == backup);

    g.player.playerName = "Mira";
    EXPECT_TRUE(Save(g, 4));
    EXPECT_TRUE(ReadFile(SavePath(g, 4)) != backup);
}

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

// Neither a folder that may not be searched nor a file that may not be read is damage.
// Root reads everything, so the permission bits are made to bind (file_rights.h).
TEST_F(StartupLoadTest, WithoutPermissionNothingIsMovedOrReplaced) {
    const std::string before = WrittenSave();
    for (const fs::path& locked : {Dat2(), SavePath(g, 0)}) {
        os.messages.clear();
        {
            testing::PermissionsBind bind;
            if (!bind.Binds()) GTEST_SKIP() << "permission bits cannot be made to bind here";
            bind.Mode(locked, 0);
            EXPECT_NO_THROW(Load(g)) << locked;
            EXPECT_FALSE(Save(g, 0)) << locked;
        }
        ASSERT_EQ(os.messages.size(), 1u) << locked;
        EXPECT_NE(os.messages[0].find("権限"), std::string::npos) << locked;
        EXPECT_TRUE(os.questions.empty()) << locked;
        // Readable again, it is still not this run's to replace.
        EXPECT_FALSE(Save(g, 0)) << locked;
        EXPECT_TRUE(SameFiles(FolderFiles(Dat2()), Files{{"my.dat", before}})) << locked;
    }
}

TEST_F(StartupLoadTest, AFolderThatLoopsIsReportedNotFatal) {
    fs::remove_all(Dat2());
    fs::create_directory_symlink("dat2", Dat2());
    EXPECT_NO_THROW(Load(g));
    EXPECT_EQ(os.messages.size(), 1u);
    EXPECT_FALSE(Save(g, 0));
    EXPECT_TRUE(fs::is_symlink(Dat2()));
}

}  // namespace
}  // namespace kestrilon
