#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "persist/file_rights.h"
#include "persist/save_support.h"
#include "text/text.h"

namespace kestrilon {
namespace {

namespace fs = std::filesystem;
using testing::JoinCrLf;
using testing::ReadFile;
using testing::SaveFileTest;
using testing::SplitCrLf;

TEST_F(SaveFileTest, EveryValueHasItsLine) {
    PlayerState& p = g.player;
    p.soundVolume = -800;
    p.level = 4;
    p.baseEvasion = 19;
    p.CardCollection[1] = 11;
    p.CardLevel[6999] = 3;
    p.playerName = "Velna";
    p.dungeonClears[99] = 7;
    p.SaveVersion = 10;
    p.presetCounts[3][0] = 44;
    p.presetCounts[5][6999] = 66;
    p.battlePresetNames[5] = "毒タイプ";
    p.recentlyObtained[6999] = 2;
    p.spSlotRights = 9;

    const auto lines = Lines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kSaveLines));
    EXPECT_EQ(Line(lines, 1), "-800");
    for (int n : {2, 8, 10, 16, 18}) EXPECT_EQ(Line(lines, n), "4") << n;
    EXPECT_EQ(Line(lines, 19), "19");
    EXPECT_EQ(Line(lines, 24), "11");  // card 1, copies owned
    EXPECT_EQ(Line(lines, 28019), "3");
    EXPECT_EQ(Line(lines, 28020), "Velna");
    EXPECT_EQ(Line(lines, 28021), "5");
    EXPECT_EQ(Line(lines, 28122), "7");
    EXPECT_EQ(Line(lines, 28525), "10");
    EXPECT_EQ(Line(lines, 28831), "44");
    EXPECT_EQ(Line(lines, 71035), "66");
    EXPECT_EQ(Line(lines, 71037), *Utf8ToCp932("毒タイプ"));
    EXPECT_EQ(Line(lines, 78040), "2");
    EXPECT_EQ(Line(lines, 78042), "1");
    EXPECT_EQ(Line(lines, 78043), "9");
}

TEST_F(SaveFileTest, ReadingGivesBackWhatWasWritten) {
    g.player.playerName = "Velna";
    g.player.money = 1234;
    g.player.unlockFlags[40] = 3;
    g.player.dungeonPresetNames[0] = "NOMALブック";
    g.player.orbWins[5] = 2;
    const std::string text = SaveText(g);
    auto loaded = std::make_unique<PlayerState>();
    ASSERT_TRUE(ReadSaveText(text, *loaded));
    EXPECT_EQ(loaded->playerName, "Velna");
    EXPECT_EQ(loaded->money, 1234);
    EXPECT_EQ(loaded->unlockFlags[40], 3);
    EXPECT_EQ(loaded->dungeonPresetNames[0], "NOMALブック");
    EXPECT_EQ(loaded->orbWins[5], 2);
    EXPECT_EQ(loaded->hp, 10);
}

TEST_F(SaveFileTest, TheLastLevelCopyCounts) {
    g.player.level = 3;
    auto lines = Lines();
    lines[1] = "9";  // line 2
    auto loaded = std::make_unique<PlayerState>();
    ASSERT_TRUE(ReadSaveText(JoinCrLf(lines), *loaded));
    EXPECT_EQ(loaded->level, 3);
    lines[17] = "8";  // line 18
    ASSERT_TRUE(ReadSaveText(JoinCrLf(lines), *loaded));
    EXPECT_EQ(loaded->level, 8);
}

TEST_F(SaveFileTest, ShortOrNonNumericFilesDoNotRead) {
    auto lines = Lines();
    auto loaded = std::make_unique<PlayerState>();
    loaded->money = 77;
    auto shorter = lines;
    shorter.pop_back();
    EXPECT_FALSE(ReadSaveText(JoinCrLf(shorter), *loaded));
    auto wrong = lines;
    wrong[28020] = "x12";  // line 28021, money
    EXPECT_FALSE(ReadSaveText(JoinCrLf(wrong), *loaded));
    EXPECT_EQ(loaded->money, 77);  // a failed read leaves the record alone
}

TEST_F(SaveFileTest, LineBreaksNeverReachTheFile) {
    g.player.playerName = "Vel\r\nna";
    g.player.battlePresetNames[0] = "two\nlines";
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kSaveLines));
    EXPECT_EQ(Line(lines, 28020), "Vel  na");
    EXPECT_EQ(Line(lines, 78043), "0");
}

TEST_F(SaveFileTest, OldVersionsAreBroughtUpToDate) {
    g.player.SaveVersion = 3;
    g.player.CardLevel[1500] = 4;
    g.player.ark = 50;
    g.player.highScores[2] = 900;
    MigrateSave(g);
    EXPECT_EQ(g.player.SaveVersion, kCurrentSaveVersion);
    EXPECT_EQ(g.player.dungeonPresetNames[0], "NOMALブック");
    EXPECT_EQ(g.player.dungeonPresetNames[5], "その他");
    EXPECT_EQ(g.player.battlePresetNames[3], "弓矢タイプ");
    EXPECT_EQ(g.player.CardLevel[1500], 0);
    EXPECT_EQ(g.player.ark, 0);
    EXPECT_EQ(g.player.highScores[2], 0);
    EXPECT_GE(g.player.playerNumber, 0);

    // A current file is left alone.
    g.player.ark = 50;
    g.player.dungeonPresetNames[0] = "mine";
    MigrateSave(g);
    EXPECT_EQ(g.player.ark, 50);
    EXPECT_EQ(g.player.dungeonPresetNames[0], "mine");
}

TEST_F(SaveFileTest, VersionFiveLosesLevelsButKeepsPresetNames) {
    g.player.SaveVersion = 5;
    g.player.dungeonPresetNames[0] = "mine";
    g.player.CardLevel[3] = 2;
    g.player.ark = 9;
    g.player.playerNumber = 123;
    MigrateSave(g);
    EXPECT_EQ(g.player.dungeonPresetNames[0], "mine");
    EXPECT_EQ(g.player.CardLevel[3], 0);
    EXPECT_EQ(g.player.ark, 0);
    EXPECT_EQ(g.player.playerNumber, 123);  // only a missing number is drawn
}

TEST_F(SaveFileTest, ClearRewardsOnlyWhenNotOwned) {
    g.player.SaveVersion = 8;
    g.player.unlockFlags[kFlagDarknessProgress] = 10;
    g.player.CardCollection[2325] = 1;
    g.player.CardCollection[255] = -4;
    MigrateSave(g);
    EXPECT_EQ(g.player.CardCollection[2317], 1);
    EXPECT_EQ(g.player.CardCollection[2325], 1);
    EXPECT_EQ(g.player.CardCollection[255], 0);
}

TEST_F(SaveFileTest, FirstStartWritesANewGame) {
    g.player.money = 999;
    Load(g);
    const std::string bytes = ReadFile(SavePath(g, 0));
    const auto lines = SplitCrLf(bytes);
    ASSERT_EQ(lines.size(), static_cast<size_t>(kSaveLines));
    EXPECT_EQ(Line(lines, 28525), "10");
    EXPECT_EQ(g.player.money, 5);
    EXPECT_EQ(g.player.SaveVersion, kCurrentSaveVersion);
    Save(g, 0);
    const auto again = SplitCrLf(ReadFile(SavePath(g, 0)));
    EXPECT_EQ(Line(again, 28525), "10");
    const std::vector<std::string> names = {"NOMALブック", "ボス用ブック", "探索用ブック", "回復重視ブック",
                                            "通常バトル用", "本気バトル用", "魔法タイプ", "弓矢タイプ"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Cp932ToUtf8(Line(again, 56828 + i)).value_or(""), names[static_cast<size_t>(i)]);

    const auto record = SplitCrLf(ReadFile(os.ProgramFolder() / "記録.txt"));
    ASSERT_EQ(record.size(), 4u);
    EXPECT_EQ(Cp932ToUtf8(record[0]).value_or(""), "----『蒼燐のヴェルナ』177 の足跡 ----");
    EXPECT_EQ(Cp932ToUtf8(record[2]).value_or(""), " 死亡 0回");
}

TEST_F(SaveFileTest, DamagedFileIsKeptAsideAndABackupOffered) {
    g.player.money = 321;
    g.player.SaveVersion = 10;
    ASSERT_TRUE(Save(g, 2));
    auto lines = Lines();
    lines.resize(500);
    Put("dat2/my.dat", lines);
    const std::string damaged = ReadFile(SavePath(g, 0));

    g.player.money = 0;
    Load(g);
    EXPECT_EQ(g.player.money, 321);
    EXPECT_EQ(ReadFile(os.ProgramFolder() / "dat2" / "my.dat_damaged1"), damaged);
    EXPECT_FALSE(os.messages.empty());
    EXPECT_NE(os.questions.back().find("my.dat_bak2"), std::string::npos);
    EXPECT_EQ(SplitCrLf(ReadFile(SavePath(g, 0))).size(), static_cast<size_t>(kSaveLines));
}

TEST_F(SaveFileTest, RefusingTheBackupStartsANewGame) {
    g.player.money = 321;
    ASSERT_TRUE(Save(g, 1));
    auto lines = Lines();
    lines[28020] = "lots";
    Put("dat2/my.dat", lines);
    os.answers = {false};
    Load(g);
    EXPECT_EQ(g.player.money, 5);
    EXPECT_TRUE(fs::exists(os.ProgramFolder() / "dat2" / "my.dat_damaged1"));
    // A second damaged file does not replace the first one kept aside.
    Put("dat2/my.dat", {"1"});
    os.answers = {false};
    Load(g);
    EXPECT_TRUE(fs::exists(os.ProgramFolder() / "dat2" / "my.dat_damaged2"));
}

// Root writes everywhere, so the folder's permission bits are made to bind (file_rights.h).
TEST_F(SaveFileTest, AFailedSaveSaysWhatItKept) {
    {
        testing::PermissionsBind bind;
        if (!bind.Binds()) GTEST_SKIP() << "permission bits cannot be made to bind here";
        bind.Mode(Dat2(), 0555);
        EXPECT_FALSE(Save(g, 0));
    }
    ASSERT_EQ(os.messages.size(), 1u);
    EXPECT_EQ(os.messages[0].find("残っています"), std::string::npos);  // there was nothing to keep

    g.player.money = 40;
    ASSERT_TRUE(Save(g, 0));
    const std::string before = ReadFile(SavePath(g, 0));
    {
        testing::PermissionsBind bind;
        if (!bind.Binds()) GTEST_SKIP() << "permission bits cannot be made to bind here";
        bind.Mode(Dat2(), 0555);
        g.player.money = 41;
        EXPECT_FALSE(Save(g, 0));
    }
    EXPECT_TRUE(ReadFile(SavePath(g, 0)) == before);
    ASSERT_EQ(os.messages.size(), 2u);
    EXPECT_NE(os.messages[1].find("残っています"), std::string::npos);
}

TEST_F(SaveFileTest, AnotherWritersTemporaryFileIsLeftAlone) {
    os.WriteFile("dat2/my.dat.tmp", "half of another save");
    ASSERT_TRUE(Save(g, 0));
    ASSERT_TRUE(Save(g, 0));
    const auto files = testing::FolderFiles(Dat2());
    ASSERT_EQ(files.size(), 2u);  // and no temporary file of ours is left behind
    EXPECT_EQ(files.at("my.dat.tmp"), "half of another save");
    EXPECT_EQ(SplitCrLf(files.at("my.dat")).size(), static_cast<size_t>(kSaveLines));
}

}  // namespace
}  // namespace kestrilon
