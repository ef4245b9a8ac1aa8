#pragma once
// The book preset panel macro_box: six rows of LOAD, SAVE and a name edit, "元に戻す",
// "ブックReset", "Txt出力" and "<BACK>", drawn over the left of the surface.
#include <array>
#include <string>
#include <string_view>

#include "gfx/canvas.h"
#include "state/player.h"

namespace kestrilon {

struct Game;

constexpr Rect kMacroBoxRect{0, 0, 432, 601};
// A preset name is one line of the save file: at most this many CP932 bytes.
constexpr int kPresetNameBytes = 40;

struct MacroBox {
    std::array<std::string, kPresets> names;  // the edits macro_l .. macro_l6
    int focus = -1;                           // the row whose edit takes typed text; -1 none
    bool shown = false;                       // the edits hold the names of this opening
};

// What a point of the panel is.
struct MacroPart {
    enum Kind { None, Load, Save, Edit, Undo, Reset, Export, Back } kind = None;
    int row = 0;  // 1..6 for Load, Save and Edit
};

Rect MacroLoadRect(int row);
Rect MacroSaveRect(int row);
Rect MacroEditRect(int row);
constexpr Rect kMacroUndoRect{16, 400, 156, 440};
constexpr Rect kMacroResetRect{16, 470, 156, 510};
constexpr Rect kMacroExportRect{172, 470, 312, 510};
constexpr Rect kMacroBackRect{16, 540, 416, 590};

MacroPart MacroPartAt(int x, int y);

// Fills the edits when the panel has just been opened; call after anything that may open it.
void SyncMacroBox(Game& g, MacroBox& box);
// A press while the panel is shown. Every press lands on the panel or beside it; a right
// click anywhere closes it as "<BACK>" does.
void MacroBoxMouseDown(Game& g, MacroBox& box, int x, int y, bool right);
// Typed text into the edit that has the focus; control characters and characters the save
// file cannot hold are dropped.
void MacroTyped(MacroBox& box, std::string_view text);
void MacroBackspace(MacroBox& box);
// "<BACK>": keeps the names and returns to book editing.
void macro_back_bClick(Game& g, MacroBox& box);

void DrawMacroBox(Game& g, const MacroBox& box);

}  // namespace kestrilon
