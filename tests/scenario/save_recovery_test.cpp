// The save file at the edges of a run: the close.
#include <gtest/gtest.h>


#include "app/form.h"
#include "persist/file_rights.h"
#include "persist/save_support.h"

namespace kestrilon {
namespace {

TEST(Close, OneNoticeWhenNeitherFileCanBeWritten) {
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
