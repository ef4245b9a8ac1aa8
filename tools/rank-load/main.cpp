// rank-load: many clients writing and reading boards on loopback for a bounded time, then a
// check that every accepted write is on its board. Without --port it runs its own server on
// a free port with a temporary database.
#include <httplib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <vector>

#include "rank_server.h"
#include "ranking/protocol.h"

namespace {

using namespace kestrilon;
using Clock = std::chrono::steady_clock;

constexpr int kDungeons = 21;
constexpr int kMaxClients = 200;
constexpr double kMaxSeconds = 120;

struct Options {
    int clients = 50;
    double seconds = 20;
    int port = 0;  // 0: start a server here
    int threads = 8;
};

struct Written {
    int dungeon;
    std::string name;
    int number;
    int score;
};

struct ClientResult {
    std::vector<double> latencies;  // milliseconds
    std::vector<Written> accepted;
    long long reads = 0;
    long long limited = 0;
    long long failed = 0;  // other statuses and broken connections
    std::map<std::string, long long> failures;
};

// A name of letters only, one per client, as the game's name entry allows.
std::string ClientName(int client) {
    std::string name = "Load";
    for (int c = client;; c /= 26) {
        name += static_cast<char>('a' + c % 26);
        if (c < 26) break;
    }
    return name;
}

void RunClient(int client, int port, Clock::time_point deadline, ClientResult& out) {
    // Like the game: a new connection for every request, without delayed small writes.
    httplib::Client http("127.0.0.1", port);
    http.set_tcp_nodelay(true);
    http.set_connection_timeout(5);
    http.set_read_timeout(10);
    std::mt19937 rng(static_cast<unsigned>(client) * 7919u + 1);
    const std::string path(kRankPath);
    for (int i = 0; Clock::now() < deadline && i < 100000; ++i) {
        const int dungeon = 1 + static_cast<int>(rng() % kDungeons);
        const bool write = i % 2 == 0;
        trank row;
        if (write) {
            row.name = ClientName(client);
            row.number = i;  // with the name, unique to this write
            row.score = static_cast<int>(rng() % static_cast<unsigned>(RankScoreLimit(dungeon) + 1));
            row.comment = "負荷試験";
            row.clears = 1;
            row.date = "1/1";
            row.level = 5;
        }
        const auto start = Clock::now();
        const auto result =
            write ? http.Post(path + "?write&" + std::to_string(dungeon), *RankRequestBody(row, i % kRankSuffixes),
                              "application/x-www-form-urlencoded")
                  : http.Get(path + "?read&" + std::to_string(dungeon));
        out.latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!result || (result->status != 200 && result->status != 429)) {
            ++out.failed;
            ++out.failures[result ? "status " + std::to_string(result->status) : httplib::to_string(result.error())];
        } else if (result->status == 429) {
            ++out.limited;
        } else if (write) {
            out.accepted.push_back({dungeon, row.name, row.number, row.score});
        } else {
            ++out.reads;
        }
    }
}

double Percentile(std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    const size_t at = std::min(sorted.size() - 1, static_cast<size_t>(p * static_cast<double>(sorted.size())));
    return sorted[at];
}

// Reads every board back the way the game does and counts accepted writes that are missing.
// A write may be off a board only when the board is full and the write scored below its end.
bool Verify(int port, const std::vector<Written>& accepted, long long& checked, long long& belowFullBoard) {
    httplib::Client http("127.0.0.1", port);
    http.set_read_timeout(30);
    std::map<int, std::set<std::tuple<std::string, int, int>>> boards;
    std::map<int, int> lowest;
    std::map<int, size_t> sizes;
    for (int d = 1; d <= kDungeons; ++d) {
        const auto result = http.Get(std::string(kRankPath) + "?read&" + std::to_string(d));
        if (!result || result->status != 200) {
            std::fprintf(stderr, "rank-load: board %d could not be read\n", d);
            return false;
        }
        auto& board = boards[d];
        for (const std::string& line : RankSplitLines(result->body)) {
            const auto decoded = RankDecodeLine(line);
            if (!decoded || !RankIsRecordLine(*decoded)) continue;
            const trank row = RankParseRecord(*decoded);
            board.emplace(row.name, row.number, row.score);
            lowest[d] = row.score;
        }
        sizes[d] = board.size();
    }
    long long missing = 0;
    for (const Written& w : accepted) {
        ++checked;
        if (boards[w.dungeon].contains({w.name, w.number, w.score})) continue;
        if (sizes[w.dungeon] >= static_cast<size_t>(kRankRows) && w.score <= lowest[w.dungeon]) {
            ++belowFullBoard;
            continue;
        }
        if (++missing <= 5)
            std::fprintf(stderr, "rank-load: missing from board %d: %s #%d score %d\n", w.dungeon, w.name.c_str(), w.number,
                         w.score);
    }
    if (missing > 0) std::fprintf(stderr, "rank-load: %lld accepted writes missing\n", missing);
    return missing == 0;
}

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view arg = argv[i];
        const double value = std::atof(argv[i + 1]);
        if (arg == "--clients") o.clients = static_cast<int>(value);
        else if (arg == "--seconds") o.seconds = value;
        else if (arg == "--port") o.port = static_cast<int>(value);
        else if (arg == "--threads") o.threads = static_cast<int>(value);
        else return false;
    }
    return argc % 2 == 1 && o.clients >= 1 && o.clients <= kMaxClients && o.seconds > 0 && o.seconds <= kMaxSeconds &&
           o.port >= 0 && o.port <= 65535 && o.threads >= 1 && o.threads <= 256;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: rank-load [--clients 1..%d] [--seconds 0..%g] [--port N] [--threads N]\n"
                     "  --port: a kestrilon-rankd already running on 127.0.0.1 (run it with --rate 0);\n"
                     "  without it a server runs here, with --threads threads and a temporary database\n",
                     kMaxClients, kMaxSeconds);
        return 2;
    }

    std::unique_ptr<RankServer> server;
    std::thread serving;
    const auto folder = std::filesystem::temp_directory_path() / ("rank-load-" + std::to_string(::getpid()));
    int port = o.port;
    if (port == 0) {
        std::filesystem::create_directories(folder);
        RankServerOptions options;
        options.port = 0;
        options.database = folder / "rank.db";
        options.ratePerMinute = 0;
        options.threads = o.threads;
        options.logWrites = false;  // a line per write would drown the figures
        server = std::make_unique<RankServer>(options);
        std::string error;
        if (!server->Start(error)) {
            std::fprintf(stderr, "rank-load: %s\n", error.c_str());
            return 1;
        }
        serving = std::thread([&] { server->Run(); });
        port = server->Port();
    }

    std::vector<ClientResult> results(static_cast<size_t>(o.clients));
    std::vector<std::thread> clients;
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(o.seconds));
    for (int c = 0; c < o.clients; ++c)
        clients.emplace_back(RunClient, c, port, deadline, std::ref(results[static_cast<size_t>(c)]));
    for (auto& t : clients) t.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();

    std::vector<double> latencies;
    std::vector<Written> accepted;
    long long reads = 0, limited = 0, failed = 0;
    std::map<std::string, long long> failures;
    for (auto& r : results) {
        for (const auto& [why, n] : r.failures) failures[why] += n;
        latencies.insert(latencies.end(), r.latencies.begin(), r.latencies.end());
        accepted.insert(accepted.end(), r.accepted.begin(), r.accepted.end());
        reads += r.reads;
        limited += r.limited;
        failed += r.failed;
    }
    std::sort(latencies.begin(), latencies.end());
    long long checked = 0, belowFullBoard = 0;
    const bool complete = Verify(port, accepted, checked, belowFullBoard);

    std::printf("clients %d, %.1f s: %zu requests, %.0f requests/s\n", o.clients, elapsed, latencies.size(),
                static_cast<double>(latencies.size()) / elapsed);
    std::printf("latency ms: median %.2f, 99th percentile %.2f, max %.2f\n", Percentile(latencies, 0.5),
                Percentile(latencies, 0.99), latencies.empty() ? 0.0 : latencies.back());
    std::printf("writes accepted %zu, reads %lld, rate-limited %lld, failed %lld\n", accepted.size(), reads, limited,
                failed);
    for (const auto& [why, n] : failures) std::printf("  failed: %lld x %s\n", n, why.c_str());
    std::printf("accepted writes read back: %lld on their boards, %lld below a full board, %s\n",
                checked - belowFullBoard, belowFullBoard, complete ? "none missing" : "SOME MISSING");

    if (server) {
        server->Stop();
        serving.join();
        server.reset();
        std::filesystem::remove_all(folder);
    }
    return complete && failed == 0 ? 0 : 1;
}
