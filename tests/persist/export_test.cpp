#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "persist/book_export.h"
#include "persist/preset_fixture.h"
#include "text/text.h"

namespace kestrilon {
namespace {

using testing::PresetTest;

std::tm At() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 8;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 3;
    return t;
}

class ExportTest : public PresetTest {
protected:
    std::vector<std::string> Lines(Book book, ExportOrder order = ExportOrder::ById) {
        const std::string bytes = BookExportText(g, book, order);
        EXPECT_TRUE(bytes.ends_with("\r\n"));
        std::vector<std::string> lines;
        for (size_t at = 0; at < bytes.size();) {
            const size_t end = bytes.find("\r\n", at);
            lines.push_back(*Cp932ToUtf8(bytes.substr(at, end - at)));
            at = end + 2;
        }
        return lines;
    }
};

TEST_F(ExportTest, PadsNameAndCountByCp932Bytes) {
    Card(5, "疾風の靴", 3, 2).isSeries = 1;           // 8 bytes of full-width name
    Card(7, "Boots", 3, 1);
    Card(9, "とても長い名前のついた伝説の靴", 1, 1).isSecret = 1;  // longer than 22 bytes: nothing is cut
    g.cards[9].isTreasure = 1;
    Card(1000, "剣", 3, 3);
    const auto lines = Lines(Book::Dungeon);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "◆蒼燐のヴェルナ ブックデータ");
    EXPECT_EQ(lines[1], "　--------- ＊Ｄ.ブック --------- ");
    // "　" 2 + name 8 = 10 bytes, padded to 22; "2" then padded to 26.
    EXPECT_EQ(lines[2], "　疾風の靴            2   <ｽﾛｯﾄ>");
    EXPECT_EQ(lines[3], "　Boots" + std::string(15, ' ') + "1   ");
    EXPECT_EQ(lines[4], "　とても長い名前のついた伝説の靴1<秘宝><宝珠>");
    EXPECT_EQ(lines[5], "　　4枚");
    EXPECT_EQ(Cp932Width(lines[2].substr(0, lines[2].find("<"))), 26);
}

TEST_F(ExportTest, EmptyBattleBookHasHeadersAndZero) {
    Card(5, "靴", 3, 2);
    const auto lines = Lines(Book::Battle);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "　--------- ＊バトルブック --------- ");
    EXPECT_EQ(lines[2], "　　0枚");
}

TEST_F(ExportTest, OrdersFollowTheFilters) {
    g.screen.editBookKind = 2;
    Card(1000, "火", 1, 1).element = 2;
    Card(1001, "無", 1, 1);
    Card(1002, "水", 1, 1).element = 1;
    Card(1003, "力", 1, 1).str = 2;
    g.cards[1003].mnd = 1;  // raises two stats: listed once, in the first pass
    Card(1004, "知", 1, 1).mnd = 3;
    auto names = [](const std::vector<std::string>& lines) {
        std::string joined;
        for (size_t i = 2; i + 1 < lines.size(); ++i) joined += lines[i].substr(3, 3);
        return joined;
    };
    EXPECT_EQ(names(Lines(Book::Battle, ExportOrder::ByElement)), "水火無力知");
    const auto six = Lines(Book::Battle, ExportOrder::SixStats);
    EXPECT_EQ(names(six), "力知");
    EXPECT_EQ(six.back(), "　　2枚");
}

TEST_F(ExportTest, WritesTheFileBesideTheProgram) {
    Card(5, "靴", 3, 2);
    ASSERT_TRUE(ExportBook(g, ExportOrder::ById, At()));
    const auto path = os.ProgramFolder() / "VeskBookD-20261208090503.txt";
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, BookExportText(g, Book::Dungeon, ExportOrder::ById));
    EXPECT_EQ(LinesWith("ブック状態を出力しました"), 1);
    EXPECT_EQ(os.played.back(), "gaku.wav");
}

TEST_F(ExportTest, AFailedWriteLeavesNothingAndSaysSo) {
    Card(5, "靴", 3, 2);
    const auto path = os.ProgramFolder() / "VeskBookD-20261208090503.txt";
    std::filesystem::create_directory(path);  // a folder where the file should go
    EXPECT_FALSE(ExportBook(g, ExportOrder::ById, At()));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    for (const auto& entry : std::filesystem::directory_iterator(os.ProgramFolder()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    EXPECT_EQ(LinesWith("ブック状態を出力しました"), 0);
    EXPECT_TRUE(std::any_of(g.log.entries.begin(), g.log.entries.end(), [](const LogEntry& e) {
        return e.text.starts_with("エラー＞ブック状態を出力できませんでした");
    }));
}

TEST_F(ExportTest, NoToTheQuestionWritesNothing) {
    Card(5, "靴", 3, 2);
    os.answers = {false};
    ExportClick(g, ExportOrder::ById);
    ASSERT_EQ(os.questions.size(), 1u);
    EXPECT_EQ(os.questions[0], "現在のD-ブック状態を、Txtファイルで出力します\rよろしいですか？\r（場所：実行ファイルと同じディレクトリ）");
    for (const auto& entry : std::filesystem::directory_iterator(os.ProgramFolder()))
        EXPECT_FALSE(entry.path().filename().string().starts_with("VeskBook"));
}

}  // namespace
}  // namespace kestrilon
