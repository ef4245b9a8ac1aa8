#include "menu/click_script.h"

#include "menu/menu.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

bool StartsWith(std::string_view line, std::string_view head) { return line.substr(0, head.size()) == head; }

// The picture of a "cg " line; blanks after the tag are not part of the name.
std::string_view PictureName(std::string_view line) {
    std::string_view name = line.substr(3);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    return name;
}

}  // namespace

void AppendScriptLine(Game& g, std::string_view line) {
    auto& lines = g.script.lines;
    for (int i = 1; i <= kScriptLines; ++i) {
        if (lines[static_cast<size_t>(i)].empty()) {
            lines[static_cast<size_t>(i)].assign(line);
            return;
        }
    }
    lines[1].assign(line);
}

void RemoveScriptHead(Game& g) {
    auto& lines = g.script.lines;
    for (int i = 1; i < kScriptLines; ++i) lines[static_cast<size_t>(i)].swap(lines[static_cast<size_t>(i + 1)]);
    // The swaps carried the old head to the end; the last entry keeps what it held.
    lines[kScriptLines] = lines[kScriptLines - 1];
}

void EndScript(Game& g) {
    ShowPicture(g, "1.jpg");
    for (std::string& line : g.script.lines) line.clear();
}

ScriptReward RevealScriptLine(Game& g) {
    // A queue filled with picture lines never empties (its last entry is kept), so one
    // click handles at most one queue's worth of them.
    for (int chained = 0; chained < kScriptLines; ++chained) {
        const std::string& head = g.script.lines[1];
        if (StartsWith(head, "cg ")) {
            g.frame.PictureLock = 1;
            const std::string name(PictureName(head));
            ShowPicture(g, name);
            RemoveScriptHead(g);
            continue;
        }
        if (head == "cgoff") {
            g.frame.PictureLock = 0;
            g.frame.BackgroundDirty = 1;
            RemoveScriptHead(g);
            continue;
        }
        if (StartsWith(head, "menu")) {
            const int screen = IntOr0(std::string_view(head).substr(4));
            EndScript(g);
            OpenScreen(g, ScreenFromCode(screen));
            return {};
        }
        if (StartsWith(head, "gold")) {
            const int amount = IntOr0(std::string_view(head).substr(4));
            RemoveScriptHead(g);
            return {ScriptReward::Kind::Money, amount};
        }
        if (StartsWith(head, "item")) {
            const int id = IntOr0(std::string_view(head).substr(4));
            RemoveScriptHead(g);
            return {ScriptReward::Kind::Card, id};
        }
        LogColour(g, head, g.script.storyColour);
        RemoveScriptHead(g);
        return {};
    }
    return {};
}

}  // namespace kestrilon
