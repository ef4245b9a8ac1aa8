#pragma once
// Pango text shared by every canvas: the game's font names, sizes in points at 96 dpi, and a
// cache of laid-out texts. A cached text keeps its coverage once it has been drawn, so drawing
// it again (a log line, a caption, a button, every frame) is a blend of stored coverage in the
// wanted colour, without a call into Cairo or Pango and without allocating.
#include <cstdint>
#include <span>
#include <string_view>

#include "gfx/canvas.h"

namespace kestrilon {

// The installed family that stands in for a font name of the game.
std::string_view FontFamily(std::string_view gameFont);
Size MeasureText(std::string_view text, const Font& font);
// How much of each pixel of its ink rectangle a text covers, 0 .. 255; the rectangle lies at
// (x, y) from the text's top-left corner. The runs list the stretches of each row that are
// covered at all, so that drawing can leave the gaps between letters alone. Valid until the
// next text is laid out.
struct TextCoverage {
    const uint8_t* data = nullptr;
    int stride = 0;  // bytes
    int x = 0;
    int y = 0;
    std::span<const CoverageRun> runs;
};
TextCoverage TextInk(std::string_view text, const Font& font);

}  // namespace kestrilon
