#pragma once
// Name entry: the panel name_box with its labels, the edit name_l and the "OK" button.
#include <string>
#include <string_view>

#include "gfx/canvas.h"

namespace kestrilon {

struct Game;

constexpr int kNameMaxLength = 16;
constexpr Rect kNameBoxRect{0, 400, 801, 601};
// The button Button1 ("OK") in surface coordinates.
constexpr Rect kNameOkRect{640, 530, 790, 590};

struct NameBox {
    std::string name_l;  // text of the edit
};

// Replaces the characters a ranking line or file name cannot carry with ".", and "は" with "ハ".
std::string CleanName(std::string_view name);

// Typed text goes into the edit: letters only, at most 16 of them.
void NameTyped(NameBox& box, std::string_view text);
void NameBackspace(NameBox& box);
// "OK": clean the name, ask, and on Yes start a new game under it.
void Button1Click(Game& g, NameBox& box);
// The panel over the composed frame while it is shown.
void DrawNameBox(Game& g, const NameBox& box);

}  // namespace kestrilon
