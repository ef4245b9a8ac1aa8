#include "ranking/protocol.h"

#include <gtest/gtest.h>

#include "text/text.h"

namespace kestrilon {
namespace {

trank Sample() {
    return {.name = "Rin", .number = 40213, .score = 2999, .comment = "よろしく！ a+b-c #1", .clears = 12,
            .date = "5/7", .ex = 0, .level = 33, .treasure = 4};
}

TEST(RankRequest, BodyIsEveryByteInUpperCaseHexAndDecodesBackToTheRow) {
    const auto body = RankRequestBody(Sample(), 98);
    ASSERT_TRUE(body.has_value());
    ASSERT_EQ(body->size() % 3, 0u);
    for (size_t i = 0; i < body->size(); i += 3) {
        EXPECT_EQ((*body)[i], '%');
        for (char c : body->substr(i + 1, 2)) EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << *body;
    }
    std::string h;
    for (size_t i = 0; i < body->size(); i += 3) h += static_cast<char>(std::stoi(body->substr(i + 1, 2), nullptr, 16));
    EXPECT_TRUE(h.ends_with("\x82\xA0" "98")) << "\"あ\" in CP932 and the random number";
    const std::string u = h.substr(0, h.size() - 4);
    EXPECT_NE(u.front(), '+') << "the opening \"+\" is dropped";
    EXPECT_NE(u.back(), '-') << "the closing \"-\" is dropped";
    EXPECT_EQ(RankDecodeLine(u), "＊　" + RankFieldText(Sample()) + "　＊");

    const RankWrite write = RankDecodeRequestBody(*body);
    ASSERT_TRUE(write.row.has_value()) << write.fault;
    EXPECT_EQ(*write.row, Sample());
}

TEST(RankRequest, FieldTextFollowsTheMarkerInOrder) {
    EXPECT_EQ(RankFieldText(Sample()), "(kすv[]vて#{Rin#{40213#{2999#{よろしく！ a+b-c #1#{12#{5/7#{0#{33#{4#{");
    EXPECT_EQ(kRankMarker.size(), 12u) << "eight characters, two of them hiragana";
    EXPECT_EQ(RankSentName("kstrgm4071"), "GM");
    EXPECT_EQ(RankSentName("kstrgm4072"), "kstrgm4072");
}

TEST(RankRequest, CleanTextKeepsTheFieldsApart) {
    EXPECT_EQ(RankCleanText("a#{b"), "a#.b");
    EXPECT_EQ(RankCleanText("#{#{\t"), "#.#. ");
    // A comment ending in "#" still splits where the game meant it to.
    trank row = Sample();
    row.comment = "end#";
    const RankWrite write = RankDecodeRequestBody(*RankRequestBody(row, 0));
    ASSERT_TRUE(write.row.has_value()) << write.fault;
    EXPECT_EQ(write.row->comment, "end#");
}

TEST(RankReply, RecordNeedsBothHalvesOfTheMarker) {
    EXPECT_TRUE(RankIsRecordLine("xv[y]vz"));
    EXPECT_FALSE(RankIsRecordLine("(kすv[#{Rin#{1#{"));
    EXPECT_FALSE(RankIsRecordLine("]vて#{Rin#{1#{"));
}

TEST(RankReply, NumberThatFailsEndsTheRecordThere) {
    const trank cut = RankParseRecord("v[]v#{Rin#{77#{1200#{hi#{3#{4/1#{x#{9#{9#{");
    EXPECT_EQ(cut.name, "Rin");
    EXPECT_EQ(cut.number, 77);
    EXPECT_EQ(cut.score, 1200);
    EXPECT_EQ(cut.comment, "hi");
    EXPECT_EQ(cut.clears, 3);
    EXPECT_EQ(cut.date, "4/1");
    EXPECT_EQ(cut.ex, 0);
    EXPECT_EQ(cut.level, 0) << "fields after the bad one are not read";

    const trank noNumber = RankParseRecord("v[]v#{Rin#{seven#{1200#{");
    EXPECT_TRUE(noNumber.name.empty()) << "the name is kept only with its player number";
}

TEST(RankReply, LastFieldWithoutSeparatorIsCutAt255Characters) {
    std::string comment;
    for (int i = 0; i < 300; ++i) comment += "字";
    const trank row = RankParseRecord("v[]v#{Rin#{1#{2#{" + comment);
    EXPECT_EQ(row.comment.size(), 255u * 3);
    // A field closed by its separator is taken whole.
    const trank whole = RankParseRecord("v[]v#{Rin#{1#{2#{" + comment + "#{");
    EXPECT_EQ(whole.comment, comment);
}

TEST(RankReply, NoticeTextIsReadAsCp932AndBlanked) {
    EXPECT_TRUE(RankIsNotice("[m hello"));
    EXPECT_FALSE(RankIsNotice(" [m"));
    EXPECT_EQ(RankNoticeText(*Utf8ToCp932("[mお知らせ\t1")), "[mお知らせ 1");
    EXPECT_EQ(RankNoticeText("[m\x81 ok"), "[m ok") << "a byte that is no CP932 is dropped";
}

TEST(RankBoard, RowColumnsArePaddedInCp932Bytes) {
    trank row = Sample();
    row.name = "ハヤテ";
    row.ex = 2;
    EXPECT_EQ(RankBoardRow(1, row),
              "1    "
              "2999      "
              "ハヤテ            "
              "Lv33    "
              "踏破 12回   "
              "EX 2回    "
              "秘宝 4回    "
              "5/7  "
              "よろしく！ a+b-c #1");
}

TEST(RankBoard, ZeroExAndTreasureLeaveBlankColumns) {
    trank row = Sample();
    row.treasure = 0;
    row.comment = "c";
    const std::string text = RankBoardRow(2000, row);
    const std::string afterClears = "踏破 12回   ";
    const size_t at = text.find(afterClears);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at + afterClears.size()), std::string(10, ' ') + std::string(12, ' ') + "5/7  c");
    EXPECT_EQ(RankBoardRow(12, trank{}), "12   --------");
    EXPECT_EQ(RankPadBytes("長い名前です長い名前です", 18), "長い名前です長い名前です") << "longer text is kept whole";
}

}  // namespace
}  // namespace kestrilon
