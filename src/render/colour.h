#pragma once
// Colour arithmetic shared by the log, the effects and every screen that pulses a colour.
#include <string_view>

#include "gfx/canvas.h"

namespace kestrilon {

// Adds amount to red, green and blue; whatever a channel loses to clamping is spread,
// halved, over all three, so brightening a saturated channel spills into the others.
Colour ShiftColour(Colour colour, int amount);

// Log colour codes: 301..328 for the named colours, 4 for anything else.
constexpr int kDefaultColourCode = 4;
constexpr int kRainbowCode = 312;
int ColourCode(std::string_view colourName);
// The colour of a code at a blinking phase; fixed colours ignore the phase. The phase is
// reduced by the code's own palette length (10, 8 or 12).
Colour CodeColour(int code, int phase);

}  // namespace kestrilon
