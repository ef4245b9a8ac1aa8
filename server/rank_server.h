#pragma once
// kestrilon-rankd: answers the game's ranking requests over HTTP.
#include <atomic>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace kestrilon {

class RankStore;

struct RankServerOptions {
    std::string bind = "127.0.0.1";
    int port = 8177;  // 0: any free port, see Port()
    std::filesystem::path database = "kestrilon-rank.db";
    int dungeons = 21;              // boards 1 ... dungeons exist
    double ratePerMinute = 60;      // per client address; 0 turns the limit off
    double burst = 20;              // requests an address may make at once
    int threads = 8;
    std::string notice;             // a line for every player's log, sent before each board
    int timeoutSeconds = 5;         // reading a request, writing a reply, an idle connection
    size_t maxBody = 8192;          // bytes; the longest write the game can send is under 3000
    bool logWrites = true;          // a log line per accepted write; refusals are always logged
};

struct RankServerCounts {
    std::atomic<long long> writes{0};
    std::atomic<long long> reads{0};
    std::atomic<long long> rejected{0};  // 4xx other than the rate limit
    std::atomic<long long> limited{0};   // 429
    std::atomic<long long> failed{0};    // 5xx: the database let us down
};

class RankServer {
public:
    explicit RankServer(RankServerOptions options);
    ~RankServer();
    RankServer(const RankServer&) = delete;
    RankServer& operator=(const RankServer&) = delete;

    // Opens the database and binds the port; false with the reason in `error`.
    bool Start(std::string& error);
    // Serves until Stop() is called (from another thread or a signal watcher).
    void Run();
    void Stop();
    int Port() const { return port_; }
    RankStore& Store() { return *store_; }
    const RankServerCounts& Counts() const { return counts_; }

private:
    struct Impl;
    RankServerOptions options_;
    std::unique_ptr<RankStore> store_;
    std::unique_ptr<Impl> impl_;
    RankServerCounts counts_;
    int port_ = 0;
    std::atomic<bool> runCalled_{false};
    std::atomic<bool> runEnded_{false};
    std::atomic<bool> stopRequested_{false};
};

// One line on standard error, with the time in front.
void RankLog(const std::string& line);

}  // namespace kestrilon
