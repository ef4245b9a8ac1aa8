// The real server on 127.0.0.1 with a fresh database, asked by the game and by hand.
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

namespace kestrilon::testing {
namespace {

namespace fs = std::filesystem;

trank Entry(std::string name, int number, int score) {
    return {.name = std::move(name), .number = number, .score = score, .comment = "よろしく", .clears = 1,
            .date = "3/14", .ex = 0, .level = 10, .treasure = 0};
}

std::string Body(const trank& row) { return *RankRequestBody(row, 7); }

// A write body around any field text, for what the game never sends.
std::string BodyAround(std::string_view fieldText, std::string_view suffix = "5") {
    std::string body;
    for (char c : *RankEncodeLine(fieldText) + "\x82\xA0" + std::string(suffix)) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
        body += hex;
    }
    return body;
}

// The game's requests go over loopback to the address it worked out itself.
void Connect(FakePlatform& os) {
    os.http = [](const std::string& url, const std::string& body) {
        const size_t portAt = url.rfind(':') + 1, slash = url.find('/', portAt);
        EXPECT_TRUE(url.starts_with("http://127.0.0.1:")) << url;
        httplib::Client client("127.0.0.1", std::stoi(url.substr(portAt, slash - portAt)));
        const std::string path = url.substr(slash);
        const auto result = body.empty() ? client.Get(path) : client.Post(path, body, "application/x-www-form-urlencoded");
        return result && result->status == 200 ? HttpReply{.ok = true, .status = 200, .body = result->body} : HttpReply{};
    };
}

class RankServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        Start(Options());
    }
    void TearDown() override {
        Stop();
        ::unsetenv("KESTRILON_RANK_SERVER");
        fs::remove_all(folder_);
    }
    static RankServerOptions Options() {
        RankServerOptions options;
        options.ratePerMinute = 0;
        return options;
    }
    void Start(RankServerOptions options) {
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
    httplib::Result Post(const std::string& query, const std::string& body) {
        return httplib::Client("127.0.0.1", server_->Port())
            .Post(std::string(kRankPath) + "?" + query, body, "application/x-www-form-urlencoded");
    }
    httplib::Result Get(const std::string& query) {
        return httplib::Client("127.0.0.1", server_->Port()).Get(std::string(kRankPath) + "?" + query);
    }
    std::vector<trank> BoardOf(int dungeon) {
        std::vector<trank> rows;
        std::string error;
        EXPECT_TRUE(server_->Store().Board(dungeon, kRankRows, rows, error)) << error;
        return rows;
    }

    fs::path folder_ = fs::temp_directory_path() / ("kestrilon-rankd-test-" + std::to_string(::getpid()));
    std::unique_ptr<RankServer> server_;
    std::thread serving_;
};

struct Player {
    Player(std::string name, int number) {
        Connect(os);
        game.player.playerName = std::move(name);
        game.player.playerNumber = number;
        game.player.playerComment = "がんばります";
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
    }
    FakePlatform os;
    std::unique_ptr<Game> owned = std::make_unique<Game>(os, 11);  // too large for the stack
    Game& game = *owned;
    std::vector<std::string> logged;
};

TEST_F(RankServerTest, GameSendsItsScoreAndFindsItselfOnTheBoard) {
    Player rin("Rin", 4242), aya("Aya", 7);
    ASSERT_EQ(SendScore(rin.game, 1, 700), 0) << rin.game.rank.status;
    EXPECT_EQ(rin.game.rank.records[0].comment, "がんばります");
    ASSERT_EQ(SendScore(aya.game, 1, 900), 0);
    EXPECT_EQ(aya.game.rank.records[1].name, "Rin");

    ASSERT_TRUE(ReadRanking(rin.game, 1));
    ShowBoard(rin.game);
    EXPECT_EQ(rin.game.rank.selectedRow, 1);
    EXPECT_TRUE(rin.game.rank.rank_list[1].starts_with("2    700       Rin")) << rin.game.rank.rank_list[1];

    // The game caps what it sends, so a score beyond the board's limit is never refused.
    ASSERT_EQ(SendScore(rin.game, 3, 5000), 0);
    EXPECT_EQ(BoardOf(3).at(0).score, 2999);
}

TEST_F(RankServerTest, BoardListsEachPlayerOnceByBestScore) {
    trank refreshed = Entry("B", 2, 800);
    refreshed.comment = "again";
    // A lower score stays an entry only; an equal one refreshes the row but keeps its place.
    for (const trank& row : {Entry("A", 1, 500), Entry("B", 2, 800), Entry("C", 3, 800), Entry("A", 1, 300), refreshed,
                             Entry("A", 2, 100)})
        ASSERT_EQ(Post("write&2", Body(row))->status, 200);
    EXPECT_EQ(BoardOf(2), (std::vector<trank>{refreshed, Entry("C", 3, 800), Entry("A", 1, 500), Entry("A", 2, 100)}));
    EXPECT_EQ(server_->Store().EntryCount(), 6);

    const std::string written = Post("write&2", Body(Entry("A", 1, 1999)))->body;
    EXPECT_EQ(written, Get("read&2")->body);
    EXPECT_EQ(BoardOf(2)[0].name, "A");

    trank longest = Entry("ABCDEFGHIJKLMNOP", 99999, RankScoreLimit(21));
    for (int i = 0; i < 300; ++i) longest.comment += i % 2 ? "あ" : "a";
    longest.comment = RankCleanText(longest.comment);
    longest.clears = longest.ex = longest.level = longest.treasure = 999999999;
    ASSERT_EQ(Post("write&21", Body(longest))->status, 200) << "the longest entry the game can send";
}

TEST_F(RankServerTest, MalformedRequestsAreRefusedAndNothingIsStored) {
    const std::string good = RankFieldText(Entry("A", 1, 1));
    std::string missing = good.substr(0, good.rfind("#{", good.size() - 3) + 2);
    std::string negative = good;
    negative.replace(negative.find("#{1#{"), 5, "#{-1#{");
    trank control = Entry("A", 1, 1);
    control.comment = "line\nbreak";
    trank badDate = Entry("A", 1, 1);
    badDate.date = "13/1";

    const std::vector<std::tuple<const char*, std::string, std::string, int>> cases = {
        // what, query, body (empty for a GET), status
        {"bad marker", "write&1", BodyAround("<" + good.substr(1)), 400},
        {"not %XX", "write&1", "name=Rin&score=1", 400},
        {"not UTF-7", "write&1", "%2B%2B%26" + BodyAround(good), 400},
        {"missing field", "write&1", BodyAround(missing), 400},
        {"field too many", "write&1", BodyAround(good + "x#{"), 400},
        {"no suffix", "write&1", BodyAround(good, ""), 400},
        {"huge body", "write&1", std::string(100000, '%'), 413},
        {"unknown dungeon", "write&22", Body(Entry("A", 1, 1)), 404},
        {"score over the cap", "write&1", Body(Entry("A", 1, 1000)), 400},
        {"negative number", "write&1", BodyAround(negative), 400},
        {"name with #{", "write&1", BodyAround(RankFieldText(Entry("Ri#{n", 1, 1))), 400},
        {"name too long", "write&1", Body(Entry("ABCDEFGHIJKLMNOPQ", 1, 1)), 400},
        {"control character", "write&1", Body(control), 400},
        {"bad date", "write&1", Body(badDate), 400},
        {"write by GET", "write&1", "", 405},
        {"bad query", "read&01", "", 400},
    };
    for (const auto& [what, query, body, status] : cases) {
        const auto result = body.empty() ? Get(query) : Post(query, body);
        ASSERT_TRUE(result) << what;
        EXPECT_EQ(result->status, status) << what;
    }
    EXPECT_EQ(server_->Store().EntryCount(), 0);
    EXPECT_EQ(Get("read&1")->body, "");
}

TEST_F(RankServerTest, AddressOverItsRateIsToldToWait) {
    RankServerOptions options;
    options.ratePerMinute = 6;
    options.burst = 3;
    Stop();
    Start(options);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Get("read&1")->status, 200);
    EXPECT_EQ(Get("read&1")->status, 429);
    EXPECT_EQ(Post("write&1", Body(Entry("A", 1, 1)))->status, 429);
    EXPECT_EQ(server_->Store().EntryCount(), 0);
}

TEST_F(RankServerTest, BoardsSurviveARestartAndNoticesReachThePlayer) {
    ASSERT_EQ(Post("write&5", Body(Entry("A", 1, 4000)))->status, 200);
    RankServerOptions options = Options();
    options.notice = "今夜メンテナンスします";
    Stop();
    Start(options);
    Player rin("Rin", 1);
    ASSERT_TRUE(ReadRanking(rin.game, 5));
    EXPECT_EQ(rin.game.rank.records[0], Entry("A", 1, 4000));
    EXPECT_EQ(rin.logged, (std::vector<std::string>{"pink2 [m今夜メンテナンスします"}));
}

TEST_F(RankServerTest, StalledRequestIsCutOffAndThePortIsNotShared) {
    RankServerOptions options = Options();
    options.timeoutSeconds = 1;
    Stop();
    Start(options);
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{.sin_family = AF_INET, .sin_port = htons(static_cast<uint16_t>(server_->Port())),
                        .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
    ASSERT_EQ(::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string partial = "POST /vesk/vesk_rank.exe?write&1 HTTP/1.1\r\nHost: x\r\n";
    ::send(s, partial.data(), partial.size(), 0);
    const timeval wait{.tv_sec = 5, .tv_usec = 0};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    const auto start = std::chrono::steady_clock::now();
    char buffer[256];
    while (::recv(s, buffer, sizeof buffer, 0) > 0) {}
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 3.0);
    ::close(s);

    options.port = server_->Port();
    options.database = folder_ / "second.db";
    RankServer second(options);
    std::string error;
    EXPECT_FALSE(second.Start(error)) << "a second server on the port";
    EXPECT_FALSE(fs::exists(folder_ / "second.db"));
    EXPECT_EQ(Get("read&1")->status, 200);
}

}  // namespace
}  // namespace kestrilon::testing
