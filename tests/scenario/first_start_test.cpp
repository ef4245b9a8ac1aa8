#include <gtest/gtest.h>

#include <string>

#include "app/form.h"
#include "persist/save_file.h"
#include "support/fake_platform.h"
#include "support/play.h"
#include "text/text.h"

namespace kestrilon {
namespace {

using testing::Click;
using testing::ClickCaption;
using testing::Frames;
using testing::ReadFile;

std::string Line(const std::string& bytes, int n) {
    size_t start = 0;
    for (int i = 1; i < n; ++i) start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) - start);
}

size_t LineCount(const std::string& bytes) {
    size_t n = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++n;
    return n;
}

TEST(FirstStart, NameACharacterAndFindHerAgain) {
    testing::FakePlatform os;
    const auto save = os.ProgramFolder() / "dat2" / "my.dat";
    {
        TForm1 form(os);
        form.FormCreate();
        ASSERT_TRUE(std::filesystem::exists(save));
        Frames(form, 3);
        Click(form, 400, 300);  // splash
        Click(form, 400, 300);  // title picture
        ASSERT_EQ(form.game().screen.GameScene, 5);
        Frames(form, 8);
        ClickCaption(form, "スタート");
        ASSERT_TRUE(form.game().screen.nameBoxOpen);
        form.name_lTextInput("Velna");
        ClickCaption(form, "OK");
        EXPECT_EQ(form.game().screen.GameScene, 1);
        EXPECT_EQ(form.game().player.playerName, "Velna");
        const int number = form.game().player.playerNumber;
        form.FormClose();
        form.FormDestroy();

        const std::string bytes = ReadFile(save);
        EXPECT_EQ(LineCount(bytes), static_cast<size_t>(kSaveLines));
        EXPECT_EQ(Line(bytes, 28525), "10");  // a new game is written at the current version
        EXPECT_EQ(Line(bytes, 28020), "Velna");
        EXPECT_EQ(Cp932ToUtf8(Line(bytes, 56828)).value_or(""), "NOMALブック");
        EXPECT_EQ(Cp932ToUtf8(Line(bytes, 56835)).value_or(""), "弓矢タイプ");
        EXPECT_EQ(Line(bytes, 78041), std::to_string(number));
    }
    TForm1 again(os);
    again.FormCreate();
    EXPECT_EQ(again.game().player.playerName, "Velna");
    Click(again, 400, 300);
    Click(again, 400, 300);
    Frames(again, 8);
    ClickCaption(again, "スタート");  // a named player goes straight to the main menu
    EXPECT_FALSE(again.game().screen.nameBoxOpen);
    EXPECT_EQ(again.game().screen.GameScene, 1);
    EXPECT_EQ(again.game().log.entries[0].text, "旅の再開です....");
    again.FormClose();
    EXPECT_EQ(Line(ReadFile(save), 28525), "10");
}

}  // namespace
}  // namespace kestrilon
