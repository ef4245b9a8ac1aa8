#include "dungeon/story.h"

#include <array>

#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr std::string_view kBeginningMusic = "始まりの調べ-3.mp3";
constexpr std::string_view kCallMusic = "呼び声-41.mp3";
constexpr std::string_view kFarAwayMusic = "遠方より来る-34.mp3";

constexpr int kCallFirst = 100;
constexpr int kDarknessFirst = 200;

bool IsCallPage(int page) { return page >= kCallFirst && page < kDarknessFirst; }
bool IsDarknessPage(int page) { return page >= kDarknessFirst; }

std::string WithName(std::string_view line, std::string_view name) {
    std::string out;
    for (size_t at = line.find(kPlayerNameMark); at != std::string_view::npos; at = line.find(kPlayerNameMark)) {
        out.append(line.substr(0, at));
        out.append(name);
        line.remove_prefix(at + kPlayerNameMark.size());
    }
    out.append(line);
    return out;
}

// The counter of the page's set reaches one past the page's place in the set; a page
// shown again, or out of turn, moves it by one at most.
[[maybe_unused]] void CountPageViewed(PlayerState& p, int page) {
    int32_t& progress = IsDarknessPage(page) ? p.unlockFlags[kFlagDarknessProgress]
                        : IsCallPage(page)   ? p.unlockFlags[kFlagCallProgress]
                                             : p.storyPagesRead;
    const int place = IsDarknessPage(page) ? page - kDarknessFirst : IsCallPage(page) ? page - kCallFirst : page;
    if (progress < place + 1) ++progress;
}

}  // namespace

const StoryPage* FindStoryPage(int page) {
    for (std::span<const StoryPage> set : {AwakeningPages(), CallPages(), DarknessPages()}) {
        for (const StoryPage& candidate : set)
            if (candidate.number == page) return &candidate;
    }
    return nullptr;
}

std::vector<std::string> StoryPageScript(int page, std::string_view playerName) {
    const StoryPage* found = FindStoryPage(page);
    if (found == nullptr) return {};
    std::vector<std::string> script;
    // Every call after the first begins with a pause line of its own.
    if (IsCallPage(page) && page > kCallFirst) script.emplace_back("....");
    for (std::string_view line : found->lines) script.push_back(WithName(line, playerName));
    if (found->reward.id != 0) script.push_back("item" + FormatInt(found->reward.id));
    if (!found->closing.empty()) script.push_back(WithName(found->closing, playerName));
    script.emplace_back("menu1");
    return script;
}

std::string_view StoryPageMusic(int page) {
    if (IsCallPage(page) || page == 208 || page == 209) return kCallMusic;
    if (page >= kDarknessFirst && page <= 206) return kFarAwayMusic;
    return kBeginningMusic;
}

std::string_view StoryPageColour(int page) {
    if (IsCallPage(page)) return "pink5";
    if (page == kDarknessFirst) return "blue";
    return "silver";
}

std::span<const CardReference> StoryCardReferences() {
    static const std::vector<CardReference> references = [] {
        std::vector<CardReference> out;
        for (std::span<const StoryPage> set : {AwakeningPages(), CallPages(), DarknessPages()}) {
            for (const StoryPage& page : set)
                if (page.reward.id != 0) out.push_back(page.reward);
        }
        return out;
    }();
    return references;
}

}  // namespace kestrilon
