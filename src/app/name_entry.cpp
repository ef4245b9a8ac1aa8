#include "app/name_entry.h"

#include <array>

#include "persist/new_game.h"
#include "render/message_log.h"
#include "menu/menu.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kGrey = Rgb(128, 128, 128);
constexpr Rect kEditRect{180, 415, 790, 515};
// An 80-pixel font: sizes are points at 96 dpi.
constexpr Font kEditFont{.size = 60, .bold = true};

}  // namespace

std::string CleanName(std::string_view name) {
    // Every character here is a single byte in UTF-8, so a byte-wise replacement never
    // touches part of a wider character; that also holds for "\".
    static constexpr std::array<std::string_view, 12> kToDot = {
        ",", "/", "\\", "\"", "?", "|", "<", ">", ":", "*", "&", "{"};
    std::string clean(name);
    for (std::string_view c : kToDot) ReplaceAll(clean, c, ".");
    ReplaceAll(clean, "は", "ハ");
    return clean;
}

void NameTyped(NameBox& box, std::string_view text) {
    for (char c : text) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (letter && box.name_l.size() < kNameMaxLength) box.name_l.push_back(c);
    }
}

void NameBackspace(NameBox& box) {
    if (!box.name_l.empty()) box.name_l.pop_back();
}

void Button1Click(Game& g, NameBox& box) {
    box.name_l = CleanName(box.name_l);
    if (!g.os.Confirm("【" + box.name_l + "】という名前でよろしいですか？")) return;
    NewGameValues(g);
    g.player.playerName = box.name_l;
    g.player.playerNumber = g.Roll(100000);
    g.screen.nameBoxOpen = false;
    OpenScreen(g, Screen::MainMenu);
    ClearChoiceList(g);
    Log(g, "あなたは、この異空間に降臨した....");
    PlayEffect(g, "start.wav");
}

void DrawNameBox(Game& g, const NameBox& box) {
    Bitmap& cg = g.layers.cg;
    cg.Fill(kNameBoxRect, 0);
    cg.Text(12, 410, "NAME", Font{.size = 40, .bold = true}, kWhite);
    cg.Text(14, 478, "ALPHABET ONLY", Font{.size = 11, .bold = true}, kGrey);

    cg.Rectangle(kEditRect, kGrey, 1, kWhite);
    // Like a scrolled edit, a name too wide to fit shows its end, where the caret is.
    std::string_view shown = box.name_l;
    int width = cg.TextWidth(shown, kEditFont);
    while (!shown.empty() && width > kEditRect.Width() - 24) {
        shown.remove_prefix(1);
        width = cg.TextWidth(shown, kEditFont);
    }
    const int textTop = kEditRect.top + (kEditRect.Height() - cg.TextExtent("W", kEditFont).height) / 2;
    cg.Text(kEditRect.left + 8, textTop, shown, kEditFont, 0);
    // A blinking caret shows where typed letters go.
    if (g.frame.FrameTick % 10 < 5) {
        const int caretX = kEditRect.left + 10 + width;
        cg.Fill({caretX, kEditRect.top + 10, caretX + 3, kEditRect.bottom - 10}, 0);
    }

    cg.Rectangle(kNameOkRect, kWhite, 1, Rgb(64, 64, 64));
    const Font okFont{.size = 16, .bold = true};
    const Size ok = cg.TextExtent("OK", okFont);
    cg.Text(kNameOkRect.left + (kNameOkRect.Width() - ok.width) / 2,
            kNameOkRect.top + (kNameOkRect.Height() - ok.height) / 2, "OK", okFont, kWhite);
}

}  // namespace kestrilon
