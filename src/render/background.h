#pragma once

namespace kestrilon {

struct Game;

// Composes layer 6 from the background picture and the header line, unless a
// full-screen picture of the click script holds the screen.
void RebuildBackground(Game& g);

}  // namespace kestrilon
