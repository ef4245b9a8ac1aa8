// What the lines of a hand-edited, foreign or slightly spoilt file turn into when read.
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "data/stats.h"
#include "persist/save_support.h"

namespace kestrilon {
namespace {

using testing::JoinCrLf;

constexpr int kCardLines = 20;  // the first line of card 0's four lines

int OwnedLine(int id) { return kCardLines + id * 4; }
int InBooksLine(int id) { return kCardLines + id * 4 + 2; }

class SaveValuesTest : public testing::SaveFileTest {
protected:
    // Reads the file as written now with some lines replaced; null when it does not read.
    std::unique_ptr<PlayerState> ReadWith(const std::vector<std::pair<int, std::string>>& edits) {
        auto lines = Lines();
        for (const auto& [line, text] : edits) lines[static_cast<size_t>(line - 1)] = text;
        auto read = std::make_unique<PlayerState>();
        if (!ReadSaveText(JoinCrLf(lines), *read)) return nullptr;
        return read;
    }
};

TEST_F(SaveValuesTest, ValuesAreClampedIntoWhatTheGameProduces) {
    const auto read = ReadWith({{1, "999999"},
                                {4, "2147483647"},
                                {11, "250"},
                                {18, "-100"},
                                {OwnedLine(7), "-5"},
                                {OwnedLine(255), "-3"},
                                {InBooksLine(9), "100000"},
                                {28021, "-40"},
                                {28022, "-1"},
                                {78041, "123456"}});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->soundVolume, 0);
    EXPECT_EQ(read->baseMaxHp, 99999);
    EXPECT_EQ(read->tp, 100);
    EXPECT_EQ(read->level, 0);
    EXPECT_EQ(read->CardCollection[7], 0);
    EXPECT_EQ(read->CardCollection[255], -3);  // migration step 9 settles this one
    EXPECT_EQ(read->BookContents[9], 100);
    EXPECT_EQ(read->money, 0);
    EXPECT_EQ(read->hunger, 0);
    EXPECT_EQ(read->playerNumber, 99999);
}

TEST_F(SaveValuesTest, ExtremeValuesLoadIntoDefinedStats) {
    auto lines = Lines();
    for (int n : {2, 8, 10, 16, 18}) lines[static_cast<size_t>(n - 1)] = std::to_string(INT_MAX);
    lines[3] = std::to_string(INT_MAX);  // base maximum HP
    lines[static_cast<size_t>(OwnedLine(28) - 1)] = "1";
    lines[static_cast<size_t>(InBooksLine(28) - 1)] = "1";  // a card with maximum HP +10
    os.WriteFile("dat2/my.dat", JoinCrLf(lines));

    ::testing::internal::CaptureStderr();
    Load(g);
    const std::string log = ::testing::internal::GetCapturedStderr();
    FillCardDatabase(g);
    EXPECT_EQ(g.player.level, kCardIds / 5);
    EXPECT_EQ(MaxHp(g), 99999 + 10);
    EXPECT_NE(log.find("line 4"), std::string::npos) << log;
    EXPECT_NE(log.find("line 18"), std::string::npos) << log;
}

TEST_F(SaveValuesTest, AnIntegerLineIsReadByItsLeadingNumber) {
    const auto read = ReadWith({{28021, "1239 yen"}, {28022, " 42"}, {1, "-800\t"}});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->money, 1239);
    EXPECT_EQ(read->hunger, 42);
    EXPECT_EQ(read->soundVolume, -800);
    for (const std::string bad : {"+-7", "-+7", "", "yen", "- 7"}) EXPECT_FALSE(ReadWith({{28021, bad}})) << bad;
}

TEST_F(SaveValuesTest, ABadByteSpoilsOnlyItsCharacter) {
    const auto read = ReadWith({{28020, "Vel\xFFna"}, {56828, "\x82\xA0\x82"}});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->playerName, "Vel?na");
    EXPECT_EQ(read->dungeonPresetNames[0], "あ?");
}

}  // namespace
}  // namespace kestrilon
