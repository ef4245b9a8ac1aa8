// Thousands of mutated requests and replies through the readers of outside input. A crash or
// an out-of-bounds read fails here (and loudly under scripts/sanitize); what is accepted must
// also survive a second trip unchanged.
#include <gtest/gtest.h>

#include <random>

#include "ranking/client.h"
#include "ranking/protocol.h"
#include "support/game_fixture.h"
#include "text/text.h"

namespace kestrilon::testing {
namespace {

constexpr int kRounds = 6000;

class Mutator {
public:
    explicit Mutator(uint64_t seed) : rng_(seed) {}

    int Below(int n) { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }

    std::string Text(int maxChars) {
        static constexpr std::string_view kPieces[] = {"a", "Z", "7", "#", "{", "#{", "[", "]", "v", "+", "-", "/",
                                                       " ", "\t", "あ", "ハ", "字", "＊", "　", "ｶ", "%", "\\"};
        std::string out;
        const int n = Below(maxChars + 1);
        for (int i = 0; i < n; ++i) out += kPieces[Below(static_cast<int>(std::size(kPieces)))];
        return out;
    }

    trank Row() {
        trank row;
        row.name = Text(20);
        row.number = Below(100000);
        row.score = Below(30000) - 50;
        row.comment = Text(40);
        row.clears = Below(300);
        row.date = RankMonthDay(1 + Below(12), 1 + Below(31));
        row.ex = Below(20);
        row.level = Below(200);
        row.treasure = Below(20);
        return row;
    }

    // One to four edits: a byte changed, inserted or dropped, a piece repeated, or a cut.
    std::string Mutate(std::string s) {
        for (int edits = 1 + Below(4); edits > 0; --edits) {
            const size_t at = s.empty() ? 0 : static_cast<size_t>(Below(static_cast<int>(s.size())));
            switch (Below(5)) {
            case 0:
                if (!s.empty()) s[at] = static_cast<char>(Below(256));
                break;
            case 1: s.insert(at, 1, static_cast<char>(Below(256))); break;
            case 2:
                if (!s.empty()) s.erase(at, 1);
                break;
            case 3: s.insert(at, s.substr(at, static_cast<size_t>(Below(12)))); break;
            default: s.resize(at); break;
            }
        }
        return s;
    }

private:
    std::mt19937_64 rng_;
};

std::string PercentEncode(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
    return out;
}

std::string PercentDecode(std::string_view body) {
    std::string bytes;
    for (size_t i = 0; i + 2 < body.size(); i += 3) bytes += static_cast<char>(std::stoi(std::string(body.substr(i + 1, 2)), nullptr, 16));
    return bytes;
}

bool ValidUtf8(std::string_view s) { return Utf8ToUtf7(s).has_value(); }

TEST(RankFuzz, RequestDecoderTakesOnlyWhatItCanGiveBack) {
    Mutator m(20240611);
    int accepted = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto body = RankRequestBody(m.Row(), m.Below(kRankSuffixes));
        ASSERT_TRUE(body.has_value());
        // Mutate each layer in turn: the %XX text, the bytes under it, and the UTF-7 text.
        std::string mutated;
        switch (round % 3) {
        case 0: mutated = m.Mutate(*body); break;
        case 1: mutated = PercentEncode(m.Mutate(PercentDecode(*body))); break;
        default: {
            const std::string h = PercentDecode(*body);
            const size_t suffix = h.find("\x82\xA0");
            mutated = PercentEncode(m.Mutate(h.substr(0, suffix)) + h.substr(suffix));
        }
        }
        const RankWrite write = RankDecodeRequestBody(mutated);
        if (!write.row) {
            EXPECT_FALSE(write.fault.empty());
            continue;
        }
        ++accepted;
        const trank& row = *write.row;
        ASSERT_TRUE(ValidUtf8(row.name) && ValidUtf8(row.comment) && ValidUtf8(row.date));
        EXPECT_GE(row.score, 0);
        const auto again = RankRequestBody(row, 0);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(RankDecodeRequestBody(*again).row, row);
    }
    EXPECT_GT(accepted, 0) << "some mutations leave a valid request";
}

TEST(RankFuzz, ReplyReaderNeverTrustsALine) {
    Mutator m(77);
    int records = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::string line = *RankEncodeLine(RankFieldText(m.Row()));
        line = round % 4 == 0 ? "[m" + m.Mutate(line) : m.Mutate(line);
        const std::string notice = RankNoticeText(line);
        EXPECT_TRUE(ValidUtf8(notice));
        const auto decoded = RankDecodeLine(line);
        if (!decoded || !RankIsRecordLine(*decoded)) continue;
        ++records;
        const trank row = RankParseRecord(*decoded);
        for (const std::string* text : {&row.name, &row.comment, &row.date})
            for (char c : *text) ASSERT_FALSE(static_cast<unsigned char>(c) < 0x20) << *text;
        EXPECT_TRUE(ValidUtf8(RankBoardRow(round % 2000 + 1, row)));
    }
    EXPECT_GT(records, kRounds / 10);
}

TEST(RankFuzz, WholeRepliesOfNoiseParseIntoTheGame) {
    FakePlatform os;
    Game g(os, 3);
    Mutator m(5);
    std::string body;
    os.http = [&](const std::string&, const std::string&) { return HttpReply{.ok = true, .status = 200, .body = body}; };
    for (int round = 0; round < 40; ++round) {
        body.clear();
        for (int i = 0; i < 100; ++i) {
            std::string line = *RankEncodeLine(RankFieldText(m.Row()));
            body += (i % 3 == 0 ? m.Mutate(line) : line) + (i % 2 ? "\r\n" : "\n");
        }
        body = m.Mutate(body);
        ASSERT_TRUE(ReadRanking(g, 1 + round % 21));
    }
}

}  // namespace
}  // namespace kestrilon::testing
