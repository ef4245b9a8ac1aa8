#pragma once
// Book presets: six stored books per book kind, the snapshot from before the edit began,
// emptying the book, and the panel macro_box's open and close. Every operation serves the
// book being edited and never touches a card of the other kind.
#include <array>
#include <string>
#include <string_view>

#include "state/books_state.h"
#include "state/player.h"

namespace kestrilon {

struct Game;

// The book being edited; the dungeon book when no edit is on.
Book EditedBook(const Game& g);
// Whether the card id exists and belongs to the book.
bool InBook(const Game& g, int id, Book book);
// "Ｄ.ブック" or "バトルブック" presets' names, rows 1..6 at 0..5.
std::array<std::string, kPresets>& PresetNames(Game& g, Book book);
// The panel's title for the edited book.
std::string_view PresetPanelTitle(Book book);

// Book editing began: "元に戻す" returns to this state.
void TakeEditSnapshot(Game& g);

// The operations behind the panel's buttons, without their questions. Preset k is 1..6;
// loading preset 0 restores the snapshot. A load never puts more copies into the book
// than the player owns; each shortage is logged with the number of copies missing.
void LoadPreset(Game& g, int k);
void SavePreset(Game& g, int k);
void EmptyBook(Game& g);

// The buttons: ask, and act only on Yes ("ブックReset" asks twice).
void PresetLoadClick(Game& g, int k);
void PresetSaveClick(Game& g, int k);
void UndoClick(Game& g);
void ResetClick(Game& g);

// "＞ブック管理": clears the card list and shows the panel.
void OpenPresetPanel(Game& g);
// "<BACK>" or a right click: keeps the typed names, hides the panel, back to book editing.
void ClosePresetPanel(Game& g, const std::array<std::string, kPresets>& names);

}  // namespace kestrilon
