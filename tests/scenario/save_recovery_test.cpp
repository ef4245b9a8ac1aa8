// The save file at the edges of a run: a damaged file at start-up, and the close.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "app/form.h"
#include "persist/file_rights.h"
#include "persist/save_support.h"

namespace kestrilon {
namespace {

using testing::Files;
using testing::SameFiles;
using testing::FolderFiles;

// The bytes of a played game written as backup n.
std::string PlayedBackup(testing::FakePlatform& os, int n) {
    auto game = std::make_unique<Game>(os);
    NewGameValues(*game);
    game->player.playerName = "Velna";
    game->player.money = 4321;
    EXPECT_TRUE(Save(*game, n));
    return testing::ReadFile(SavePath(*game, n));
}

TEST(DamagedSave, ClosingTheWindowAtTheNoticeKeepsBothFiles) {
    testing::FakePlatform os;
    const auto dat2 = os.ProgramFolder() / "dat2";
    const std::string good = PlayedBackup(os, 4);
    const std::string half = good.substr(0, good.size() / 2);
    os.WriteFile("dat2/my.dat", half);
    os.closeWindowAt = "my.dat を読み込めませんでした";
    {
        TForm1 form(os);
        form.FormCreate();
        // The window loop finds the close request the dialog left and closes the form.
        form.FormClose();
        form.FormDestroy();
    }
    EXPECT_TRUE(os.windowClosed);
    EXPECT_TRUE(SameFiles(FolderFiles(dat2), Files{{"my.dat_bak4", good}, {"my.dat_damaged1", half}}));

    // The next start offers the backup again.
    os.closeWindowAt.clear();
    os.windowClosed = false;
    os.questions.clear();
    TForm1 again(os);
    again.FormCreate();
    ASSERT_EQ(os.questions.size(), 1u);
    EXPECT_NE(os.questions[0].find("my.dat_bak4"), std::string::npos);
    EXPECT_EQ(again.game().player.money, 4321);
}

TEST(SaveOnClose, OneNoticeWhenNeitherFileCanBeWritten) {
    testing::FakePlatform os;
    TForm1 form(os);
    form.FormCreate();
    form.game().player.money = 77;  // played, so backup 4 may be replaced
    // A seed whose first roll of ten is 0: the close also writes backup 4.
    uint64_t seed = 0;
    while (Rng(seed).Roll(10) != 0) ++seed;
    form.game().rng.Seed(seed);
    {
        testing::PermissionsBind bind;
        if (!bind.Binds()) GTEST_SKIP() << "permission bits cannot be made to bind here";
        bind.Mode(os.ProgramFolder() / "dat2", 0555);
        form.FormClose();
    }
    ASSERT_EQ(os.messages.size(), 1u);
    EXPECT_NE(os.messages[0].find("my.dat_bak4"), std::string::npos);
}

}  // namespace
}  // namespace kestrilon
