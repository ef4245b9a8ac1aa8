// Names the code spells out itself, read from the sources: every sound file must be on
// the game's list, and cards must be named through card references, which the content
// check sees, rather than as bare names and ids.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "data/sound_names.h"

namespace kestrilon {
namespace {

struct SourceLine {
    std::string where;  // file:line below src/
    std::string text;
};

std::vector<SourceLine> SourceLines() {
    const std::filesystem::path root = KESTRILON_SOURCE_DIR;
    std::vector<SourceLine> lines;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".h" && extension != ".cpp") continue;
        std::ifstream in(entry.path());
        std::string text;
        for (int number = 1; std::getline(in, text); ++number) {
            lines.push_back({std::filesystem::relative(entry.path(), root).string() + ":" + std::to_string(number), text});
        }
    }
    return lines;
}

TEST(SourceNamesTest, EverySoundFileTheCodeNamesIsListed) {
    const std::regex literal(R"re("([^"\\]*\.(wav|mp3))")re");
    int names = 0;
    for (const SourceLine& line : SourceLines()) {
        for (std::sregex_iterator it(line.text.begin(), line.text.end(), literal), end; it != end; ++it) {
            const std::string name = (*it)[1];
            const bool listed = (*it)[2] == "wav" ? IsWaveName(name) : IsMusicName(name);
            EXPECT_TRUE(listed) << line.where << ": " << name << " is not in data/sound_names.cpp";
            ++names;
        }
    }
    EXPECT_GT(names, 200) << "the scan should see the card sounds and the effects the code plays";
}

// BookHolds(g, "name"), GainOneCard(g, 2317), CardCollection[255] and their kin.
const std::regex kBareCard(
    R"re(\b(BookHolds|CardIdByName)\s*\([^,()]*,\s*")re"
    R"re(|\b(GainOneCard|GainCard)\s*\([^,()]*,\s*[0-9])re"
    R"re(|\b(CardCollection|BookContents|CardLevel)\s*\[\s*[0-9]+\s*\])re");

TEST(SourceNamesTest, CardsAreNamedInCodeOnlyThroughReferences) {
    ASSERT_TRUE(std::regex_search(std::string(R"(if (BookHolds(g, "蛇の腰巻") >= 1) t += 2;)"), kBareCard));
    ASSERT_TRUE(std::regex_search(std::string("GainOneCard(g, 2317);"), kBareCard));
    ASSERT_TRUE(std::regex_search(std::string("p.CardCollection[255] = 0;"), kBareCard));
    ASSERT_FALSE(std::regex_search(std::string("GainOneCard(g, kReward.id);"), kBareCard));
    for (const SourceLine& line : SourceLines()) {
        EXPECT_FALSE(std::regex_search(line.text, kBareCard))
            << line.where << ": name the card through a CardReference the content check sees: " << line.text;
    }
}

}  // namespace
}  // namespace kestrilon
