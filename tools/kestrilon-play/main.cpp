// kestrilon-play: plays the game headlessly from a script, one command a line.
//   kestrilon-play [--seed N] [--folder DIR] [--network] [SCRIPT]
// Without --folder the game runs in a temporary copy of the built program folder with no
// save file; with it, in DIR as it is. Commands come from SCRIPT or standard input. The
// ranking's requests fail unless --network lets them reach the server of the game's build
// setting or of KESTRILON_RANK_SERVER.
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "net/http.h"
#include "scripted_platform.h"
#include "session.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUsage = "usage: kestrilon-play [--seed N] [--folder DIR] [--network] [SCRIPT]";

struct Options {
    uint64_t seed = 1;
    std::optional<fs::path> folder;
    std::optional<fs::path> script;
    bool network = false;
};

int Fail(std::string_view why) {
    std::cout.flush();
    std::cerr << "kestrilon-play: " << why << '\n';
    return 1;
}

std::optional<Options> ReadOptions(int argc, char** argv, std::string& problem) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue) {
            const std::string_view n = argv[++i];
            const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), o.seed);
            if (ec != std::errc() || end != n.data() + n.size()) {
                problem = "--seed expects a number";
                return std::nullopt;
            }
        } else if (arg == "--network") {
            o.network = true;
        } else if (arg == "--folder" && hasValue) {
            o.folder = argv[++i];
        } else if (!arg.starts_with("-") && !o.script) {
            o.script = arg;
        } else {
            problem = kUsage;
            return std::nullopt;
        }
    }
    return o;
}

// The program folder the build fills, found from where this tool lies.
fs::path BuiltGameFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return self.parent_path() / KESTRILON_PLAY_GAME_FOLDER;
}

// Pictures and sounds come from the built folder; dat2/ stays empty, so the game starts new.
std::string CopyAssets(const fs::path& from, const fs::path& to) {
    for (const char* sub : {"cg", "dat"}) {
        if (!fs::is_directory(from / sub)) return "no built program folder with " + std::string(sub) + "/ beside the tool";
        std::error_code ec;
        fs::copy(from / sub, to / sub, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
        if (ec) return "cannot copy the program folder: " + ec.message();
    }
    return "";
}

int Play(kestrilon::tools::ScriptedPlatform& os, const Options& options, std::istream& script) {
    os.seed = options.seed;
    if (options.network)
        os.http = [](const std::string& url, const std::string& body) {
            return kestrilon::HttpExchange(url, body.empty() ? nullptr : &body);
        };
    kestrilon::play::PlaySession session(os, std::cout);
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        const std::string problem = session.Run(line);
        if (!problem.empty()) return Fail("line " + std::to_string(number) + ": " + problem);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string problem;
    const std::optional<Options> options = ReadOptions(argc, argv, problem);
    if (!options) return Fail(problem);

    std::ifstream file;
    if (options->script) {
        file.open(*options->script);
        if (!file) return Fail("cannot read " + options->script->string());
    }
    std::istream& script = options->script ? static_cast<std::istream&>(file) : std::cin;

    if (options->folder) {
        if (!fs::is_directory(*options->folder)) return Fail("no folder " + options->folder->string());
        kestrilon::tools::ScriptedPlatform os(*options->folder);
        return Play(os, *options, script);
    }
    kestrilon::tools::ScriptedPlatform os;
    if (std::string copy = CopyAssets(BuiltGameFolder(), os.ProgramFolder()); !copy.empty()) return Fail(copy);
    return Play(os, *options, script);
}
