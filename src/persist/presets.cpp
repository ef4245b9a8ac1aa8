#include "persist/presets.h"

#include <algorithm>

#include "menu/menu.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {

Book EditedBook(const Game& g) { return g.screen.editBookKind == 2 ? Book::Battle : Book::Dungeon; }

bool InBook(const Game& g, int id, Book book) {
    const titem& card = g.cards[id];
    return card.Exists() && card.kind == static_cast<int32_t>(book);
}

std::array<std::string, kPresets>& PresetNames(Game& g, Book book) {
    return book == Book::Battle ? g.player.battlePresetNames : g.player.dungeonPresetNames;
}

std::string_view PresetPanelTitle(Book book) {
    return book == Book::Battle ? "<バトルブック プリセット>" : "<Ｄ.ブック プリセット>";
}

void TakeEditSnapshot(Game& g) {
    g.books.editSnapshot = g.player.BookContents;
    g.books.editSnapshotTaken = true;
}

void LoadPreset(Game& g, int k) {
    EXPECTS(k >= 0 && k <= kPresets);
    const Book book = EditedBook(g);
    const CardCounts& source = k == 0 ? g.books.editSnapshot : g.player.presetCounts[static_cast<size_t>(k - 1)];
    CardCounts& contents = g.player.BookContents;
    for (int id = 0; id < kCardIds; ++id)
        if (InBook(g, id, book)) contents[static_cast<size_t>(id)] = 0;
    for (int id = 0; id < kCardIds; ++id) {
        const int32_t wanted = source[static_cast<size_t>(id)];
        if (wanted <= 0 || !InBook(g, id, book)) continue;
        const int32_t owned = std::max(g.player.CardCollection[static_cast<size_t>(id)], 0);
        int32_t used = wanted;
        if (owned < wanted) {
            used = owned;
            // The player needs to know how many copies to find, not how many the preset held.
            std::string line = "　" + g.cards[id].name + "が ";
            AppendInt(line, wanted - owned);
            line += "枚不足していました";
            Log(g, line);
        }
        contents[static_cast<size_t>(id)] = used;
    }
    PlayEffect(g, "card.wav");
    if (k == 0) {
        Log(g, "　編集前の状態に戻しました");
    } else {
        std::string line = "　<SET ";
        AppendInt(line, k);
        line += ">『" + PresetNames(g, book)[static_cast<size_t>(k - 1)] + "』 から、ロード完了";
        Log(g, line);
    }
    PlayEffect(g, "1.wav");
}

void SavePreset(Game& g, int k) {
    EXPECTS(k >= 1 && k <= kPresets);
    const Book book = EditedBook(g);
    CardCounts& preset = g.player.presetCounts[static_cast<size_t>(k - 1)];
    for (int id = 0; id < kCardIds; ++id)
        if (InBook(g, id, book)) preset[static_cast<size_t>(id)] = g.player.BookContents[static_cast<size_t>(id)];
    PlayEffect(g, "save.wav");
    std::string line = "　<SET ";
    AppendInt(line, k);
    line += "> に、セーブ完了";
    Log(g, line);
    PlayEffect(g, "1.wav");
}

void EmptyBook(Game& g) {
    const Book book = EditedBook(g);
    for (int id = 0; id < kCardIds; ++id) {
        int32_t& count = g.player.BookContents[static_cast<size_t>(id)];
        if (count > 0 && InBook(g, id, book)) count = 0;
    }
    Log(g, "ブックを空にしました");
    PlayEffect(g, "card.wav");
}

void PresetLoadClick(Game& g, int k) {
    std::string question = "【!】現在のブックに<SET ";
    AppendInt(question, k);
    question += ">を LOAD しても良いですか？";
    if (g.os.Confirm(question)) LoadPreset(g, k);
}

void PresetSaveClick(Game& g, int k) {
    std::string question = "【!】<SET ";
    AppendInt(question, k);
    question += ">に、現在のブックの状態を SAVE しても良いですか？";
    if (g.os.Confirm(question)) SavePreset(g, k);
}

void UndoClick(Game& g) {
    if (g.os.Confirm("【!】編集前の状態にブックを戻してもよいですか？")) LoadPreset(g, 0);
}

void ResetClick(Game& g) {
    if (!g.os.Confirm("【!】ブックを空にして良いですか？")) return;
    if (!g.os.Confirm("【!!】本当に良いですか？")) return;
    EmptyBook(g);
}

void OpenPresetPanel(Game& g) {
    // An edit begun some other way than from the main menu still gets a state to return to:
    // the book as it stood when the panel first opened.
    if (!g.books.editSnapshotTaken) TakeEditSnapshot(g);
    ClearChoiceList(g);
    g.screen.presetPanelOpen = true;
}

void ClosePresetPanel(Game& g, const std::array<std::string, kPresets>& names) {
    PresetNames(g, EditedBook(g)) = names;
    g.screen.presetPanelOpen = false;
    OpenScreen(g, Screen::BookEdit);
}

}  // namespace kestrilon
