// kestrilon-rankd [options]: the ranking server. Logs go to standard error; SIGTERM or
// SIGINT stops it cleanly.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#include "rank_server.h"
#include "store.h"

namespace {

constexpr const char* kUsage = R"(usage: kestrilon-rankd [options]
  --bind ADDRESS     address to listen on (default 127.0.0.1)
  --port N           port to listen on (default 8177; 0 picks a free one)
  --database FILE    SQLite file of the boards (default kestrilon-rank.db)
  --dungeons N       boards 1 ... N exist (default 21)
  --rate N           requests per minute per client address, 0 for no limit (default 60)
  --burst N          requests an address may make at once (default 20)
  --threads N        requests served at once (default 8)
  --timeout S        seconds to read a request or write a reply (default 5)
  --notice TEXT      a line sent before every board, shown in each player's log
  --quiet            no log line per accepted write (refusals and errors are still logged)
)";

bool Number(const char* text, double& into) {
    char* end = nullptr;
    into = std::strtod(text, &end);
    return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    kestrilon::RankServerOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--quiet") {
            options.logWrites = false;
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "kestrilon-rankd: %s needs a value\n%s", argv[i], kUsage);
            return 2;
        }
        const char* value = argv[++i];
        double n = 0;
        const bool numeric = Number(value, n);
        if (arg == "--bind") {
            options.bind = value;
        } else if (arg == "--database") {
            options.database = value;
        } else if (arg == "--notice") {
            options.notice = value;
        } else if (!numeric) {
            std::fprintf(stderr, "kestrilon-rankd: unknown option or bad number: %s %s\n%s", argv[i - 1], value, kUsage);
            return 2;
        } else if (arg == "--port" && n >= 0 && n <= 65535) {
            options.port = static_cast<int>(n);
        } else if (arg == "--dungeons") {
            options.dungeons = static_cast<int>(n);
        } else if (arg == "--rate") {
            options.ratePerMinute = n;
        } else if (arg == "--burst") {
            options.burst = n;
        } else if (arg == "--threads" && n >= 1 && n <= 256) {
            options.threads = static_cast<int>(n);
        } else if (arg == "--timeout" && n >= 1 && n <= 600) {
            options.timeoutSeconds = static_cast<int>(n);
        } else {
            std::fprintf(stderr, "kestrilon-rankd: unknown option or value out of range: %s %s\n%s", argv[i - 1], value,
                         kUsage);
            return 2;
        }
    }

    // Signals are taken by one waiting thread rather than a handler, so stopping the server
    // runs as ordinary code. The mask is set before any thread exists so every thread inherits it.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    kestrilon::RankServer server(options);
    std::string error;
    if (!server.Start(error)) {
        kestrilon::RankLog("cannot start: " + error);
        return 1;
    }
    kestrilon::RankLog("listening on " + options.bind + ":" + std::to_string(server.Port()) + ", database " +
                       options.database.string() + ", " + std::to_string(server.Store().EntryCount()) + " entries");

    // Whoever ends the serving first says so: the watcher on a signal, or Run ending by itself.
    std::atomic<bool> serving{true};
    std::thread watcher([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        if (!serving.exchange(false)) return;
        kestrilon::RankLog(std::string("stopping on ") + (signal == SIGTERM ? "SIGTERM" : "SIGINT"));
        server.Stop();
    });
    server.Run();
    if (serving.exchange(false)) kill(getpid(), SIGTERM);  // wakes the watcher
    watcher.join();

    const auto& c = server.Counts();
    kestrilon::RankLog("stopped: " + std::to_string(c.writes) + " writes, " + std::to_string(c.reads) + " reads, " +
                       std::to_string(c.rejected) + " rejected, " + std::to_string(c.limited) + " rate-limited, " +
                       std::to_string(c.failed) + " failed");
    return 0;
}
