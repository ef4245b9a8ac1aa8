#include "ranking/client.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ranking/protocol.h"
#include "ranking/replies.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

HttpReply Ok(std::string body) { return {.ok = true, .status = 200, .body = std::move(body)}; }

class RankClientTest : public GameTest {
protected:
    RankClientTest() {
        g.player.playerName = "Rin";
        g.player.playerNumber = 4242;
        g.player.level = 20;
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
    }
    // Serves every request with `reply`, noting what was asked and whether input was blocked meanwhile.
    void Serve(HttpReply reply) {
        os.http = [this, reply](const std::string& url, const std::string& body) {
            urls.push_back(url);
            bodies.push_back(body);
            busyDuringRequest = g.input.InputBusy;
            return reply;
        };
    }

    std::vector<std::string> urls;
    std::vector<std::string> bodies;
    std::vector<std::string> logged;
    bool busyDuringRequest = false;
};

TEST_F(RankClientTest, ScoreAboveTheDungeonLimitIsSentAsTheLimit) {
    g.player.dungeonClears[3] = 2;
    g.player.treasureCounts[3] = 1;
    Serve(Ok(""));
    ASSERT_EQ(SendScore(g, 3, 5000), 0);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_TRUE(urls[0].ends_with("/vesk/vesk_rank.exe?write&3")) << urls[0];
    EXPECT_EQ(os.requests.back().rfind("POST ", 0), 0u);
    const RankWrite sent = RankDecodeRequestBody(bodies[0]);
    ASSERT_TRUE(sent.row.has_value()) << sent.fault;
    EXPECT_EQ(sent.row->score, 2999);
    EXPECT_EQ(sent.row->name, "Rin");
    EXPECT_EQ(sent.row->number, 4242);
    EXPECT_EQ(sent.row->clears, 2);
    EXPECT_EQ(sent.row->level, 20);
    EXPECT_EQ(sent.row->treasure, 1);

    ASSERT_EQ(SendScore(g, 3, 2998), 0);
    EXPECT_EQ(RankDecodeRequestBody(bodies[1]).row->score, 2998) << "a score under the limit goes as it is";
    EXPECT_EQ(SendScore(g, 0, 10), -1);
    EXPECT_EQ(urls.size(), 2u) << "no dungeon 0 is ever asked for";
}

TEST_F(RankClientTest, SuccessfulRequestsFillTheRecordsAndFreeInput) {
    Serve(Ok(Reply({Row("Aya", 1, 900), Row("Rin", 4242, 800)})));
    EXPECT_EQ(SendScore(g, 1, 800), 0);
    EXPECT_TRUE(busyDuringRequest);
    EXPECT_FALSE(g.input.InputBusy);
    EXPECT_EQ(g.rank.status, kRankSent);
    EXPECT_EQ(g.rank.records[0], Row("Aya", 1, 900));
    EXPECT_EQ(g.rank.records[1], Row("Rin", 4242, 800));
    EXPECT_TRUE(g.rank.records[2].name.empty());

    Serve(Ok(Reply({Row("Mio", 9, 5000)})));
    EXPECT_TRUE(ReadRanking(g, 7));
    EXPECT_TRUE(busyDuringRequest);
    EXPECT_FALSE(g.input.InputBusy);
    EXPECT_EQ(os.requests.back(), "GET " + RankServerAddress() + "/vesk/vesk_rank.exe?read&7");
    EXPECT_EQ(g.rank.status, kRankRead);
    EXPECT_EQ(g.rank.records[0].name, "Mio");
    EXPECT_TRUE(g.rank.records[1].name.empty()) << "every parse starts from empty records";
}

TEST_F(RankClientTest, FailedRequestKeepsThePreviousRecordsAndFreesInput) {
    Serve(Ok(Reply({Row("Aya", 1, 900)})));
    ASSERT_TRUE(ReadRanking(g, 1));

    for (const HttpReply& failure : {HttpReply{}, HttpReply{.ok = false, .status = 503, .body = ""}}) {
        Serve(failure);
        EXPECT_EQ(SendScore(g, 1, 100), -1);
        EXPECT_TRUE(busyDuringRequest);
        EXPECT_FALSE(g.input.InputBusy);
        EXPECT_EQ(g.rank.status, kRankSendFailed);
        EXPECT_FALSE(ReadRanking(g, 1));
        EXPECT_FALSE(g.input.InputBusy);
        EXPECT_EQ(g.rank.status, kRankTimeout);
        EXPECT_EQ(g.rank.records[0], Row("Aya", 1, 900));
    }
}

TEST_F(RankClientTest, NoticeLineReachesTheLogInPink2EvenWhenNoRecord) {
    Serve(Ok("[m Server moves on Sunday\r\n" + Reply({Row("Aya", 1, 900)}) + "[m v[ ]v\r\n"));
    ASSERT_TRUE(ReadRanking(g, 1));
    EXPECT_EQ(logged, (std::vector<std::string>{"pink2 [m Server moves on Sunday", "pink2 [m v[ ]v"}));
    EXPECT_EQ(g.rank.records[0].name, "Aya");
    EXPECT_TRUE(g.rank.records[1].name.empty()) << "a notice is not a record";
}

TEST_F(RankClientTest, MoreThan2000RecordsFillOnly2000Rows) {
    std::vector<trank> rows;
    for (int i = 0; i < 2003; ++i) rows.push_back(Row("P", i, 10000 - i));
    Serve(Ok(Reply(rows) + "[m too late\r\n"));
    ASSERT_TRUE(ReadRanking(g, 1));
    EXPECT_EQ(g.rank.records[1999].number, 1999);
    EXPECT_TRUE(logged.empty()) << "reading stops once the rows are full";
}

TEST_F(RankClientTest, ServerAddressComesFromTheEnvironmentFirst) {
    ::setenv("KESTRILON_RANK_SERVER", "http://127.0.0.1:9/", 1);
    EXPECT_EQ(RankServerAddress(), "http://127.0.0.1:9");
    ::unsetenv("KESTRILON_RANK_SERVER");
    EXPECT_EQ(RankServerAddress(), KESTRILON_RANK_SERVER);
}

}  // namespace
}  // namespace kestrilon::testing
