// Thousands of mutated requests and reply lines through the readers of outside input. A crash
// or an out-of-bounds read fails here (and loudly under scripts/sanitize); what the request
// reader accepts must also survive a second trip unchanged.
#include <gtest/gtest.h>

#include <random>

#include "ranking/protocol.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kRounds = 6000;

struct Mutator {
    std::mt19937_64 rng;

    int Below(int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); }

    std::string Text(int maxPieces) {
        static constexpr std::string_view kPieces[] = {"a", "Z", "7", "#", "{", "#{", "[", "]", "v", "+", "-",
                                                       "/", " ", "\t", "あ", "ハ", "＊", "　", "ｶ", "%", "\\"};
        std::string out;
        for (int n = Below(maxPieces + 1); n > 0; --n) out += kPieces[Below(static_cast<int>(std::size(kPieces)))];
        return out;
    }

    trank Row() {
        return {.name = Text(20), .number = Below(100000), .score = Below(30000) - 50, .comment = Text(40),
                .clears = Below(300), .date = RankMonthDay(1 + Below(12), 1 + Below(31)), .ex = Below(20),
                .level = Below(200), .treasure = Below(20)};
    }

    // One to four edits: a byte changed, inserted or dropped, a piece repeated, or a cut.
    std::string Mutate(std::string s) {
        for (int edits = 1 + Below(4); edits > 0; --edits) {
            const size_t at = s.empty() ? 0 : static_cast<size_t>(Below(static_cast<int>(s.size())));
            const int kind = s.empty() ? 1 : Below(5);
            if (kind == 0) s[at] = static_cast<char>(Below(256));
            if (kind == 1) s.insert(at, 1, static_cast<char>(Below(256)));
            if (kind == 2) s.erase(at, 1);
            if (kind == 3) s.insert(at, s.substr(at, static_cast<size_t>(Below(12))));
            if (kind == 4) s.resize(at);
        }
        return s;
    }
};

std::string Hex(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
        out += hex;
    }
    return out;
}

std::string Unhex(std::string_view body) {
    std::string bytes;
    for (size_t i = 0; i + 2 < body.size(); i += 3) bytes += static_cast<char>(std::stoi(std::string(body.substr(i + 1, 2)), nullptr, 16));
    return bytes;
}

bool ValidUtf8(std::string_view s) { return Utf8ToUtf7(s).has_value(); }

TEST(RankFuzz, RequestReaderTakesOnlyWhatItCanGiveBack) {
    Mutator m{std::mt19937_64(20240611)};
    int accepted = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string body = *RankRequestBody(m.Row(), m.Below(kRankSuffixes));
        // Each layer in turn: the %XX text, the bytes under it, the UTF-7 text before the suffix.
        const std::string h = Unhex(body);
        const size_t suffix = h.find("\x82\xA0");
        const std::string mutated = round % 3 == 0   ? m.Mutate(body)
                                    : round % 3 == 1 ? Hex(m.Mutate(h))
                                                     : Hex(m.Mutate(h.substr(0, suffix)) + h.substr(suffix));
        const RankWrite write = RankDecodeRequestBody(mutated);
        if (!write.row) continue;
        ++accepted;
        const trank& row = *write.row;
        ASSERT_TRUE(ValidUtf8(row.name) && ValidUtf8(row.comment) && ValidUtf8(row.date));
        EXPECT_GE(row.score, 0);
        EXPECT_EQ(RankDecodeRequestBody(*RankRequestBody(row, 0)).row, row);
    }
    EXPECT_GT(accepted, 0) << "some mutations leave a valid request";
}

TEST(RankFuzz, ReplyReaderNeverTrustsALine) {
    Mutator m{std::mt19937_64(77)};
    int records = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::string line = m.Mutate(*RankEncodeLine(RankFieldText(m.Row())));
        if (round % 4 == 0) line.insert(0, "[m");
        EXPECT_TRUE(ValidUtf8(RankNoticeText(line)));
        const auto decoded = RankDecodeLine(line);
        if (!decoded || !RankIsRecordLine(*decoded)) continue;
        ++records;
        const trank row = RankParseRecord(*decoded);
        for (const std::string* text : {&row.name, &row.comment, &row.date})
            for (char c : *text) ASSERT_GE(static_cast<unsigned char>(c), 0x20) << *text;
        EXPECT_TRUE(ValidUtf8(RankBoardRow(round % 2000 + 1, row)));
    }
    EXPECT_GT(records, kRounds / 10);
}

}  // namespace
}  // namespace kestrilon
