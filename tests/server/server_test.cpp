// The real server on 127.0.0.1 with a fresh database, asked by the game and by hand.
#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "rank_server.h"
#include "ranking/board.h"
#include "ranking/client.h"
#include "ranking/protocol.h"
#include "store.h"
#include "support/game_fixture.h"
#include "text/text.h"

namespace kestrilon::testing {
namespace {

namespace fs = std::filesystem;

trank Entry(std::string name, int number, int score) {
    trank row;
    row.name = std::move(name);
    row.number = number;
    row.score = score;
    row.comment = "よろしく";
    row.clears = 1;
    row.date = "3/14";
    row.level = 10;
    return row;
}

// A write body around any field text, so that tests can send what the game never would.
std::string BodyAround(std::string_view fieldText, std::string_view suffix = "5") {
    std::string h = *RankEncodeLine(fieldText);
    h += "\x82\xA0";
    h += suffix;
    std::string body;
    for (char c : h) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
        body += hex;
    }
    return body;
}

std::string Body(const trank& row) { return *RankRequestBody(row, 7); }

// The game's requests go over loopback to the address the game itself worked out.
void Connect(FakePlatform& os) {
    os.http = [](const std::string& url, const std::string& body) {
        const std::string prefix = "http://127.0.0.1:";
        EXPECT_EQ(url.rfind(prefix, 0), 0u) << url;
        const size_t slash = url.find('/', prefix.size());
        httplib::Client client("127.0.0.1", std::stoi(url.substr(prefix.size(), slash - prefix.size())));
        const std::string path = url.substr(slash);
        auto result = body.empty() ? client.Get(path) : client.Post(path, body, "application/x-www-form-urlencoded");
        HttpReply reply;
        if (!result) return reply;
        reply.status = result->status;
        reply.ok = result->status == 200;
        if (reply.ok) reply.body = result->body;
        return reply;
    };
}

class RankServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("kestrilon-rankd-test-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        Start();
    }
    void TearDown() override {
        Stop();
        ::unsetenv("KESTRILON_RANK_SERVER");
        fs::remove_all(folder_);
    }

    // Without a rate limit unless a test asks for one.
    static RankServerOptions Unlimited() {
        RankServerOptions options;
        options.ratePerMinute = 0;
        return options;
    }
    void Start(RankServerOptions options = Unlimited()) {
        options.port = 0;
        options.database = folder_ / "rank.db";
        server_ = std::make_unique<RankServer>(options);
        std::string error;
        ASSERT_TRUE(server_->Start(error)) << error;
        serving_ = std::thread([this] { server_->Run(); });
        ::setenv("KESTRILON_RANK_SERVER", ("http://127.0.0.1:" + std::to_string(server_->Port())).c_str(), 1);
    }
    void Stop() {
        if (!server_) return;
        server_->Stop();
        serving_.join();
        server_.reset();
    }

    httplib::Result Post(std::string_view query, const std::string& body) {
        httplib::Client client("127.0.0.1", server_->Port());
        return client.Post(std::string(kRankPath) + "?" + std::string(query), body, "application/x-www-form-urlencoded");
    }
    httplib::Result Get(std::string_view query) {
        httplib::Client client("127.0.0.1", server_->Port());
        return client.Get(std::string(kRankPath) + "?" + std::string(query));
    }
    std::vector<trank> BoardOf(int dungeon) {
        std::vector<trank> rows;
        std::string error;
        EXPECT_TRUE(server_->Store().Board(dungeon, kRankRows, rows, error)) << error;
        return rows;
    }

    fs::path folder_;
    std::unique_ptr<RankServer> server_;
    std::thread serving_;
};

struct Player {
    Player(std::string name, int number) : game(os, 11) {
        Connect(os);
        game.player.playerName = std::move(name);
        game.player.playerNumber = number;
        game.player.playerComment = "がんばります";
        game.player.level = 12;
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
    }
    FakePlatform os;
    Game game;
    std::vector<std::string> logged;
};

TEST_F(RankServerTest, GameSendsItsScoreAndFindsItselfOnTheBoard) {
    Player rin("Rin", 4242);
    rin.game.player.dungeonClears[1] = 1;
    ASSERT_EQ(SendScore(rin.game, 1, 700), 0) << rin.game.rank.status;
    EXPECT_EQ(rin.game.rank.records[0].name, "Rin");
    EXPECT_EQ(rin.game.rank.records[0].comment, "がんばります");
    EXPECT_EQ(rin.game.rank.records[0].clears, 1);
    EXPECT_EQ(rin.game.rank.records[0].date.find('/') != std::string::npos, true);

    Player aya("Aya", 7);
    ASSERT_EQ(SendScore(aya.game, 1, 900), 0);
    EXPECT_EQ(aya.game.rank.records[0].name, "Aya");
    EXPECT_EQ(aya.game.rank.records[1].name, "Rin");

    ASSERT_TRUE(ReadRanking(rin.game, 1));
    EXPECT_EQ(rin.game.rank.status, kRankRead);
    ShowBoard(rin.game);
    EXPECT_EQ(rin.game.rank.selectedRow, 1);
    EXPECT_TRUE(rin.game.rank.rank_list[1].starts_with("2    700       Rin")) << rin.game.rank.rank_list[1];
    EXPECT_EQ(rin.game.rank.rank_list[2], "3    --------");

    // The game caps what it sends, so a score beyond the board's limit is never refused.
    ASSERT_EQ(SendScore(rin.game, 3, 5000), 0);
    EXPECT_EQ(BoardOf(3).at(0).score, 2999);
    EXPECT_EQ(server_->Store().EntryCount(), 3);
}

TEST_F(RankServerTest, BoardListsEachPlayerOnceByBestScore) {
    ASSERT_EQ(Post("write&2", Body(Entry("A", 1, 500)))->status, 200);
    ASSERT_EQ(Post("write&2", Body(Entry("B", 2, 800)))->status, 200);
    ASSERT_EQ(Post("write&2", Body(Entry("C", 3, 800)))->status, 200);
    ASSERT_EQ(Post("write&2", Body(Entry("A", 1, 300)))->status, 200);  // lower: kept as an entry only
    trank refreshed = Entry("B", 2, 800);
    refreshed.comment = "again";
    ASSERT_EQ(Post("write&2", Body(refreshed))->status, 200);
    ASSERT_EQ(Post("write&2", Body(Entry("A", 2, 100)))->status, 200);  // same name, another player

    const auto board = BoardOf(2);
    ASSERT_EQ(board.size(), 4u);
    EXPECT_EQ(board[0], refreshed) << "an equal score refreshes the row and keeps its place";
    EXPECT_EQ(board[1].name, "C");
    EXPECT_EQ(board[2], Entry("A", 1, 500));
    EXPECT_EQ(board[3].number, 2);
    EXPECT_EQ(server_->Store().EntryCount(), 6) << "every accepted write is kept";
    EXPECT_TRUE(BoardOf(1).empty());

    ASSERT_EQ(Post("write&2", Body(Entry("A", 1, 1999)))->status, 200);
    EXPECT_EQ(BoardOf(2)[0].name, "A");
    // The reply to a write and a later read are the same board.
    const std::string written = Post("write&2", Body(Entry("D", 4, 1)))->body;
    EXPECT_EQ(written, Get("read&2")->body);
}

TEST_F(RankServerTest, MalformedRequestsAreRefusedAndNothingIsStored) {
    auto field = [](trank row) { return RankFieldText(row); };
    trank overCap = Entry("A", 1, 1000);
    trank longName = Entry("ABCDEFGHIJKLMNOPQ", 1, 1);
    trank control = Entry("A", 1, 1);
    control.comment = "line\nbreak";
    trank badDate = Entry("A", 1, 1);
    badDate.date = "13/1";
    trank bigNumber = Entry("A", 100000, 1);
    std::string missing = field(Entry("A", 1, 1));
    missing.resize(missing.rfind("#{", missing.size() - 3));
    missing += "#{";
    std::string negative = field(Entry("A", 1, 1));
    negative.replace(negative.find("#{1#{"), 5, "#{-1#{");
    std::string marker = field(Entry("A", 1, 1));
    marker.replace(0, 1, "<");

    struct Case {
        const char* what;
        bool post;
        std::string query;
        std::string body;
        int status;
    };
    const std::vector<Case> cases = {
        {"bad marker", true, "write&1", BodyAround(marker), 400},
        {"no marker at all", true, "write&1", BodyAround("#{A#{1#{1#{#{1#{1/1#{0#{1#{0#{"), 400},
        {"not %XX", true, "write&1", "name=Rin&score=1", 400},
        {"bad hex digit", true, "write&1", "%4G" + Body(Entry("A", 1, 1)), 400},
        {"not UTF-7", true, "write&1", BodyAround(field(Entry("A", 1, 1))).insert(0, "%2B%2B%26"), 400},
        {"not wrapped", true, "write&1", "%41%82%A0%35", 400},
        {"missing field", true, "write&1", BodyAround(missing), 400},
        {"extra field", true, "write&1", BodyAround(field(Entry("A", 1, 1)) + "x#{"), 400},
        {"no suffix", true, "write&1", BodyAround(field(Entry("A", 1, 1)), ""), 400},
        {"suffix too big", true, "write&1", BodyAround(field(Entry("A", 1, 1)), "99"), 400},
        {"huge body", true, "write&1", std::string(100000, '%'), 413},
        {"unknown dungeon", true, "write&22", Body(Entry("A", 1, 1)), 404},
        {"dungeon zero", false, "read&0", "", 404},
        {"score over the cap", true, "write&1", Body(overCap), 400},
        {"negative number", true, "write&1", BodyAround(negative), 400},
        {"name with #{", true, "write&1", BodyAround(field(Entry("Ri#{n", 1, 1))), 400},
        {"name too long", true, "write&1", Body(longName), 400},
        {"control character", true, "write&1", Body(control), 400},
        {"bad date", true, "write&1", Body(badDate), 400},
        {"player number too big", true, "write&1", Body(bigNumber), 400},
        {"write without body by GET", false, "write&1", "", 405},
        {"read by POST", true, "read&1", Body(Entry("A", 1, 1)), 405},
        {"bad query", false, "read&01", "", 400},
        {"unknown verb", false, "delete&1", "", 400},
        {"no dungeon", false, "read", "", 400},
    };
    for (const Case& c : cases) {
        const auto result = c.post ? Post(c.query, c.body) : Get(c.query);
        ASSERT_TRUE(result) << c.what;
        EXPECT_EQ(result->status, c.status) << c.what;
    }
    httplib::Client client("127.0.0.1", server_->Port());
    EXPECT_EQ(client.Get("/vesk/vesk_rankXexe?read&1")->status, 404);
    EXPECT_EQ(server_->Store().EntryCount(), 0);
    EXPECT_EQ(Get("read&1")->body, "");
    EXPECT_EQ(server_->Counts().writes, 0);
}

TEST_F(RankServerTest, LongestEntryTheGameCanSendIsTaken) {
    trank longest = Entry("ABCDEFGHIJKLMNOP", 99999, RankScoreLimit(21));
    for (int i = 0; i < 300; ++i) longest.comment += i % 2 ? "あ" : "a";
    longest.comment = RankCleanText(longest.comment);
    longest.clears = longest.ex = longest.level = longest.treasure = 999999999;
    longest.date = "12/31";
    ASSERT_EQ(Post("write&21", Body(longest))->status, 200);
    EXPECT_EQ(BoardOf(21).at(0), longest);
}

TEST_F(RankServerTest, AddressOverItsRateIsToldToWait) {
    RankServerOptions options;
    options.ratePerMinute = 6;
    options.burst = 3;
    Stop();
    Start(options);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Get("read&1")->status, 200);
    const auto refused = Get("read&1");
    EXPECT_EQ(refused->status, 429);
    EXPECT_TRUE(refused->has_header("Retry-After"));
    EXPECT_EQ(Post("write&1", Body(Entry("A", 1, 1)))->status, 429);
    EXPECT_EQ(server_->Store().EntryCount(), 0);
}

TEST_F(RankServerTest, BoardsSurviveARestartAndNoticesReachThePlayer) {
    ASSERT_EQ(Post("write&5", Body(Entry("A", 1, 4000)))->status, 200);
    RankServerOptions options = Unlimited();
    options.notice = "今夜メンテナンスします";
    Stop();
    Start(options);
    Player rin("Rin", 1);
    ASSERT_TRUE(ReadRanking(rin.game, 5));
    EXPECT_EQ(rin.game.rank.records[0], Entry("A", 1, 4000));
    EXPECT_EQ(rin.logged, (std::vector<std::string>{"pink2 [m今夜メンテナンスします"}));
}

TEST_F(RankServerTest, SecondServerOnTheSamePortDoesNotStart) {
    RankServerOptions options;
    options.port = server_->Port();
    options.database = folder_ / "other.db";
    RankServer second(options);
    std::string error;
    EXPECT_FALSE(second.Start(error));
    EXPECT_NE(error.find("cannot listen"), std::string::npos) << error;
    EXPECT_EQ(Get("read&1")->status, 200);
}

TEST_F(RankServerTest, SlowClientIsCutOffAfterTheReadTimeout) {
    RankServerOptions options = Unlimited();
    options.timeoutSeconds = 1;
    Stop();
    Start(options);
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(server_->Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string partial = "POST /vesk/vesk_rank.exe?write&1 HTTP/1.1\r\nHost: x\r\n";
    ASSERT_EQ(::send(s, partial.data(), partial.size(), 0), static_cast<ssize_t>(partial.size()));
    timeval wait{.tv_sec = 5, .tv_usec = 0};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    const auto start = std::chrono::steady_clock::now();
    char buffer[256];
    while (::recv(s, buffer, sizeof buffer, 0) > 0) {}
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(s);
    EXPECT_LT(seconds, 3.0) << "the connection is closed, not held";
    EXPECT_EQ(Get("read&1")->status, 200);
}

}  // namespace
}  // namespace kestrilon::testing
