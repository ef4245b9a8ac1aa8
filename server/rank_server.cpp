#include "rank_server.h"

#include <httplib.h>
#include <sys/socket.h>

#include <cstdio>
#include <ctime>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "rate_limit.h"
#include "ranking/protocol.h"
#include "rules.h"
#include "store.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr const char* kRoute = R"(/vesk/vesk_rank\.exe)";
constexpr const char* kReplyType = "text/plain; charset=Shift_JIS";

// What a client sent, fit for one log line: printable ASCII only, cut short.
std::string Printable(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 160)) out += (c >= 0x20 && c < 0x7F) ? c : '?';
    return out;
}

}  // namespace

void RankLog(const std::string& line) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::fprintf(stderr, "%s kestrilon-rankd: %s\n", stamp, line.c_str());
}

struct RankServer::Impl {
    httplib::Server http;
    RateLimiter limiter;
    std::string noticeLine;  // CP932 "[m..." with its line end, or empty

    // Encoded boards by dungeon; a write drops its dungeon's entry.
    std::mutex cacheMutex;
    std::unordered_map<int, std::string> replies;

    explicit Impl(const RankServerOptions& o) : limiter(o.ratePerMinute, o.burst) {}
};

RankServer::RankServer(RankServerOptions options) : options_(std::move(options)) {}

RankServer::~RankServer() { Stop(); }

bool RankServer::Start(std::string& error) {
    const RankServerOptions& o = options_;
    if (o.dungeons < 1 || o.dungeons > 99) {
        error = "the number of dungeons must be 1 ... 99";
        return false;
    }
    if (o.ratePerMinute < 0 || (o.ratePerMinute > 0 && o.burst < 1)) {
        error = "the rate must be 0 or more, and the burst at least 1";
        return false;
    }
    if (o.threads < 1 || o.timeoutSeconds < 1 || o.maxBody < 1) {
        error = "threads, time-out and body size must be positive";
        return false;
    }
    impl_ = std::make_unique<Impl>(o);
    if (!o.notice.empty()) {
        const auto cp932 = Utf8ToCp932(o.notice);
        if (!cp932 || RankCleanText(o.notice) != o.notice) {
            error = "the notice must be one line of text that CP932 can hold";
            return false;
        }
        impl_->noticeLine = "[m" + *cp932 + "\r\n";
    }

    httplib::Server& http = impl_->http;
    const int threads = o.threads;
    http.new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<size_t>(threads)); };
    http.set_payload_max_length(o.maxBody);
    http.set_read_timeout(o.timeoutSeconds, 0);
    http.set_write_timeout(o.timeoutSeconds, 0);
    http.set_keep_alive_timeout(o.timeoutSeconds);
    http.set_keep_alive_max_count(100);
    // Headers and body go out in separate writes; without this each reply waits for a delayed ACK.
    http.set_tcp_nodelay(true);

    auto board = [this](int dungeon, std::string& body) {
        std::lock_guard lock(impl_->cacheMutex);
        auto found = impl_->replies.find(dungeon);
        if (found == impl_->replies.end()) {
            std::vector<trank> rows;
            std::string error;
            if (!store_->Board(dungeon, kRankRows, rows, error)) {
                RankLog("database: " + error);
                return false;
            }
            std::string reply = impl_->noticeLine;
            for (const trank& row : rows) {
                // Every stored text passed the write checks, so it always encodes.
                if (auto line = RankEncodeLine(RankFieldText(row))) {
                    reply += *line;
                    reply += "\r\n";
                }
            }
            found = impl_->replies.emplace(dungeon, std::move(reply)).first;
        }
        body = found->second;
        return true;
    };

    auto handle = [this, board](const httplib::Request& req, httplib::Response& res) {
        auto reject = [&](int status, std::string_view why) {
            ++counts_.rejected;
            res.status = status;
            res.set_content(std::string(why) + "\n", "text/plain");
            RankLog(std::to_string(status) + " " + std::string(why) + ": " + req.method + " " + Printable(req.target) +
                    " from " + req.remote_addr);
        };
        if (!impl_->limiter.Allow(req.remote_addr, RateLimiter::Clock::now())) {
            ++counts_.limited;
            res.status = 429;
            res.set_header("Retry-After", "10");
            res.set_content("too many requests\n", "text/plain");
            return;
        }
        const size_t mark = req.target.find('?');
        const auto query = mark == std::string::npos ? std::nullopt : ParseRankQuery(std::string_view(req.target).substr(mark + 1));
        if (!query) return reject(400, "bad query");
        if (query->dungeon < 1 || query->dungeon > options_.dungeons) return reject(404, "unknown dungeon");

        if (query->verb == RankVerb::Write) {
            if (req.method != "POST") return reject(405, "a write is a POST");
            const RankWrite write = RankDecodeRequestBody(req.body);
            if (!write.row) return reject(400, write.fault);
            if (const auto fault = RankRowFault(*write.row, query->dungeon); !fault.empty()) return reject(400, fault);
            std::string error;
            if (!store_->Add(query->dungeon, *write.row, req.remote_addr, error)) {
                ++counts_.failed;
                RankLog("database: " + error);
                res.status = 503;
                return;
            }
            {
                std::lock_guard lock(impl_->cacheMutex);
                impl_->replies.erase(query->dungeon);
            }
            ++counts_.writes;
            const trank& row = *write.row;
            if (options_.logWrites)
                RankLog("write dungeon " + std::to_string(query->dungeon) + ": " + row.name + " #" +
                        std::to_string(row.number) + " score " + std::to_string(row.score) + " from " + req.remote_addr);
        } else {
            if (req.method != "GET") return reject(405, "a read is a GET");
            ++counts_.reads;
        }
        std::string body;
        if (!board(query->dungeon, body)) {
            ++counts_.failed;
            res.status = 503;
            return;
        }
        res.set_content(std::move(body), kReplyType);
    };
    http.Get(kRoute, handle);
    http.Post(kRoute, handle);
    http.set_exception_handler([this](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        ++counts_.failed;
        res.status = 500;
    });

    // No SO_REUSEPORT, unlike the library's default: a second server on the same port must
    // fail to start rather than quietly share the port.
    int listener = -1;
    http.set_socket_options([&listener](int socket) {
        const int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        listener = socket;
    });
    port_ = o.port == 0 ? http.bind_to_any_port(o.bind) : (http.bind_to_port(o.bind, o.port) ? o.port : -1);
    if (port_ < 0) {
        error = "cannot listen on " + o.bind + ":" + std::to_string(o.port);
        return false;
    }
    // The library listens with a queue of 5 connections; a burst of players beyond that
    // would wait a second for their connection to be retried. Listening again widens it.
    if (listener >= 0) ::listen(listener, SOMAXCONN);

    // Only once the port is ours: a server that cannot listen leaves the database alone.
    store_ = RankStore::Open(o.database, error);
    if (!store_) {
        error = o.database.string() + ": " + error;
        return false;
    }
    return true;
}

void RankServer::Run() {
    if (!impl_) return;
    runCalled_ = true;
    if (!stopRequested_) impl_->http.listen_after_bind();
    runEnded_ = true;
}

void RankServer::Stop() {
    if (!impl_) return;
    stopRequested_ = true;
    // The listener can only be stopped once it runs; a Run that has not looked at the
    // request yet will see it and not start.
    while (runCalled_ && !runEnded_ && !impl_->http.is_running()) std::this_thread::yield();
    impl_->http.stop();
}

}  // namespace kestrilon
