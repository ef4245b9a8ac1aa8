#include "dungeon/story.h"

#include "menu/click_script.h"
#include "menu/menu.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr std::string_view kBeginningMusic = "始まりの調べ-3.mp3";
constexpr std::string_view kCallMusic = "呼び声-41.mp3";
constexpr std::string_view kFarAwayMusic = "遠方より来る-34.mp3";

constexpr int kCallFirst = 100;
constexpr int kDarknessFirst = 200;

// The click-script line that ends a sequence on a screen.
std::string BackTo(Screen screen) { return "menu" + FormatInt(ScreenCode(screen)); }

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
void CountPageViewed(PlayerState& p, int page) {
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
    script.push_back(BackTo(Screen::MainMenu));
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

void ShowStoryPage(Game& g, int page) {
    const std::vector<std::string> script = StoryPageScript(page, g.player.playerName);
    if (script.empty()) return;
    ClearLog(g);
    Log(g, "....");
    g.screen.storyRunning = true;
    g.player.runFlags[kRunEventVisited] = 1;
    g.script.storyColour.assign(StoryPageColour(page));
    PlayMusic(g, StoryPageMusic(page));
    for (const std::string& line : script) AppendScriptLine(g, line);
    CountPageViewed(g.player, page);
}

void ShowOpening(Game& g) {
    ShowPicture(g, "1.jpg");
    g.screen.openingPlaying = true;
    // A darkness page may have left its colour; the opening always reads the same.
    g.script.storyColour.assign("silver");
    PlayMusic(g, kBeginningMusic);
    Log(g, "................");
    for (std::string_view line : OpeningLines()) AppendScriptLine(g, line);
    AppendScriptLine(g, BackTo(Screen::TitleMenu));
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
