#pragma once
// The coloured message log drawn over the play field, newest line first.
#include <array>
#include <string>
#include <string_view>

#include "render/colour.h"

namespace kestrilon {

struct Game;

// Lines wrap at this width in the form font, as the hidden edit box of the form did.
constexpr int kLogWrapWidth = 498;
constexpr Font kFormFont{kGothic, 11, true, false};

void Log(Game& g, std::string_view text);
void LogColour(Game& g, std::string_view text, std::string_view colourName);
void LogIcon(Game& g, std::string_view text, std::string_view colourName, std::string_view icon);
void LogBadge(Game& g, std::string_view text, std::string_view colourName, int badge, std::string_view icon);
void ClearLog(Game& g);
void DrawLog(Game& g);

// Byte length of the first line of text when it is wrapped at width pixels in font.
size_t WrapLineLength(const Canvas& canvas, std::string_view text, const Font& font, int width);

}  // namespace kestrilon
