#pragma once
// What the save tests share: the file split into lines and back, a folder read whole, and
// a fresh game with its catalogue filled.
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/card_database.h"
#include "persist/new_game.h"
#include "persist/save_file.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {

inline std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

using Files = std::map<std::string, std::string>;

// Every file of a folder by name, with its bytes.
inline Files FolderFiles(const std::filesystem::path& folder) {
    Files files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        files[entry.path().filename().string()] = ReadFile(entry.path());
    return files;
}

// Files compared by name and bytes; a difference is shown by names and sizes, since gtest's
// line diff of two whole save files would take gigabytes.
inline ::testing::AssertionResult SameFiles(const Files& actual, const Files& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    auto list = [](const Files& files) {
        std::string text;
        for (const auto& [name, bytes] : files) text += " " + name + "(" + std::to_string(bytes.size()) + ")";
        return text;
    };
    return ::testing::AssertionFailure() << "found" << list(actual) << ", expected" << list(expected);
}

class SaveFileTest : public GameTest {
protected:
    void SetUp() override {
        NewGameValues(g);
        FillCardDatabase(g);
    }
    // Line n (1-based) of the file as the game writes it now.
    std::vector<std::string> Lines() { return SplitCrLf(SaveText(g)); }
    std::string Line(const std::vector<std::string>& lines, int n) { return lines[static_cast<size_t>(n - 1)]; }
    void Put(const std::string& relative, const std::vector<std::string>& lines) { os.WriteFile(relative, JoinCrLf(lines)); }
    std::filesystem::path Dat2() { return os.ProgramFolder() / "dat2"; }
};

}  // namespace kestrilon::testing
