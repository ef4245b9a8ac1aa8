#include "render/message_log.h"

#include <algorithm>
#include <charconv>

#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr Font kLogFont{kGothic, 12, true, false};
constexpr Font kBadgeFont{kGothic, 8, true, false};
constexpr Font kWaitMarkFont{kGothic, 10, true, false};
constexpr std::string_view kIndent = "　";

size_t NextCharEnd(std::string_view s, size_t i) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    return i;
}

size_t CharStart(std::string_view s, size_t i) {
    while (i > 0 && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
    return i;
}

// Makes room at entry 0; the entry that falls off the old end lends its buffers to the new one.
LogEntry& Push(MessageLog& log) {
    std::rotate(log.entries.begin(), log.entries.end() - 1, log.entries.end());
    return log.entries[0];
}

void SetEntry(LogEntry& entry, std::string_view text, int code, std::string_view icon, int badge) {
    entry.text.assign(text);
    entry.icon.assign(icon);
    entry.colourCode = code;
    entry.badge = badge;
    entry.age = 0;
}

bool IsNarrowScene(Screen s) { return s == Screen::Shop || s == Screen::Synthesis || s == Screen::Altar; }
bool IsLongListScene(Screen s) {
    return s == Screen::DungeonList || s == Screen::RankingList || s == Screen::OrbList || s == Screen::CatalogueList;
}

}  // namespace

size_t WrapLineLength(const Canvas& canvas, std::string_view text, const Font& font, int width) {
    const std::string_view line = text.substr(0, text.find('\n'));
    if (line.empty()) return 0;
    const int lineWidth = canvas.TextWidth(line, font);
    if (lineWidth <= width) return line.size();
    // Longest prefix that fits. Widths grow almost in proportion to the text, so guessing the
    // cut from the widths on both sides needs only two or three measurements of new text.
    size_t fits = 0;
    int fitsWidth = 0;
    size_t tooWide = line.size();
    int tooWideWidth = lineWidth;
    for (int round = 0;; ++round) {
        const size_t next = NextCharEnd(line, fits);
        if (next >= tooWide) break;
        // Mixed scripts can make the guesses creep; halving then keeps the count logarithmic.
        const double share = round < 3 ? static_cast<double>(width - fitsWidth) / std::max(1, tooWideWidth - fitsWidth) : 0.5;
        size_t guess = CharStart(line, fits + static_cast<size_t>(share * static_cast<double>(tooWide - fits)));
        guess = std::clamp(guess, next, CharStart(line, tooWide - 1));
        const int guessWidth = canvas.TextWidth(line.substr(0, guess), font);
        if (guessWidth <= width) {
            fits = guess;
            fitsWidth = guessWidth;
        } else {
            tooWide = guess;
            tooWideWidth = guessWidth;
        }
    }
    if (fits == 0) fits = NextCharEnd(line, 0);
    // Like the edit box: break after the last blank when the cut falls inside a word.
    if (line[fits] != ' ') {
        const size_t blank = line.substr(0, fits).rfind(' ');
        if (blank != std::string_view::npos && blank > 0) fits = blank + 1;
    }
    while (fits < line.size() && line[fits] == ' ') ++fits;
    return fits;
}

void Log(Game& g, std::string_view text) { LogBadge(g, text, "silver", 0, ""); }

void LogColour(Game& g, std::string_view text, std::string_view colourName) {
    LogBadge(g, text, colourName, 0, "");
}

void LogIcon(Game& g, std::string_view text, std::string_view colourName, std::string_view icon) {
    if (icon == "hint.bmp") PlayEffect(g, "b.wav");
    LogBadge(g, text, colourName, 0, icon);
}

void LogBadge(Game& g, std::string_view text, std::string_view colourName, int badge, std::string_view icon) {
    g.os.Logged(text, colourName);
    const int code = ColourCode(colourName);
    if (g.dungeon.entered == 0) badge = 0;
    MessageLog& log = g.log;
    const size_t firstLength = WrapLineLength(g.layers.cg, text, kFormFont, kLogWrapWidth);
    std::string_view rest = text.substr(firstLength);
    if (!rest.empty() && rest.front() == '\n') rest.remove_prefix(1);
    if (rest.empty() || colourName.find("small") != std::string_view::npos) {
        SetEntry(Push(log), text, code, icon, badge);
        return;
    }
    SetEntry(Push(log), text.substr(0, firstLength), code, icon, badge);
    const std::string_view second = rest.substr(0, WrapLineLength(g.layers.cg, rest, kFormFont, kLogWrapWidth));
    LogEntry& continuation = Push(log);
    SetEntry(continuation, kIndent, code, "", 0);
    continuation.text.append(second);
}

void ClearLog(Game& g) {
    for (int i = 0; i < 20; ++i) {
        LogEntry& entry = g.log.entries[static_cast<size_t>(i)];
        entry.text.clear();
        entry.icon.clear();
        entry.colourCode = 0;
    }
}

void DrawLog(Game& g) {
    const ScreenState& screen = g.screen;
    const bool narrow = screen.editBookKind > 0 || IsNarrowScene(screen.Current());
    int lines = 14;
    if (narrow) lines = 5;
    if (screen.presetPanelOpen) lines = 3;
    Canvas& cg = g.layers.cg;
    for (int n = 0; n < lines; ++n) {
        LogEntry& entry = g.log.entries[static_cast<size_t>(n)];
        if (entry.text.empty()) continue;
        int x = 2;
        int y = 310 - (n * 20 + 20);
        if (narrow) y = 230 - (n * 20 + 20);
        if (screen.presetPanelOpen) {
            x = 434;
            y = 580 - n * 20;
        }
        if (IsLongListScene(screen.Current())) {
            if (screen.listEntries > 8) y = 275 - n * 20;
            if (screen.listEntries > 12) y = 175 - n * 20;
            if (screen.listEntries > 16) y = 75 - n * 20;
            if (screen.listEntries > 20) y = -25 - n * 20;
        }
        Colour colour = ShiftColour(CodeColour(entry.colourCode, g.frame.FrameTick + n), 42 - n * 7);
        if (screen.storyRunning || screen.openingPlaying) {
            entry.age = std::min(entry.age + 1, 10);
            colour = ShiftColour(colour, entry.age * 20 - 200);
        }
        int textX = x;
        if (!entry.icon.empty()) {
            const Bitmap& icon = PictureCacheGet(g, entry.icon);
            if (!icon.Empty()) cg.Draw(icon, x, y);
            textX = x + 18;
        }
        cg.Text(textX, y, entry.text, kLogFont, colour, 0);
        int w = textX + cg.TextWidth(entry.text, kLogFont);
        if (entry.badge > 0) {
            std::array<char, 16> badge{'+'};
            const auto end = std::to_chars(badge.data() + 1, badge.data() + badge.size(), entry.badge).ptr;
            const std::string_view badgeText(badge.data(), static_cast<size_t>(end - badge.data()));
            cg.Text(w + 2, y + 5, badgeText, kBadgeFont, ShiftColour(0x00AA00, -4 * n), 0);
            w += cg.TextWidth(badgeText, kBadgeFont) + 10;
        }
        if (n == 0 && g.script.Running())
            cg.Text(w, y - g.frame.FrameTick % 3 + 2, "▼", kWaitMarkFont, colour, 0);
    }
}

}  // namespace kestrilon
