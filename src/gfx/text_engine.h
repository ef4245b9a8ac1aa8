#pragma once
// Pango text shared by every canvas: the game's font names, sizes in points at 96 dpi,
// and a cache of laid-out texts so that lines drawn every frame are shaped once.
#include <string_view>

#include "gfx/canvas.h"

namespace kestrilon {

// The installed family that stands in for a font name of the game.
std::string_view FontFamily(std::string_view gameFont);
Size MeasureText(std::string_view text, const Font& font);
void DrawTextLayout(cairo_t* cr, int x, int y, std::string_view text, const Font& font, double r, double g, double b);

}  // namespace kestrilon
