#pragma once
// Procedural placeholder art, one drawing per picture kind. Every picture is a pure
// function of its job, so a build always writes the same files.
#include "asset_plan.h"
#include "gfx/canvas.h"

namespace kestrilon::assets {

// Sprites keep this colour in every pixel that is not part of the figure; the game takes
// the bottom-left pixel as the transparent colour, and black adds nothing when a sprite
// is OR-combined onto the scene.
constexpr Colour kSpriteBackground = 0x000000;

Canvas DrawPicture(const PictureJob& job);

Canvas DrawSplash(const PictureJob& job);
Canvas DrawTitleScreen(const PictureJob& job);
Canvas DrawMenuScreen(const PictureJob& job);
Canvas DrawDungeonBackground(const PictureJob& job);
Canvas DrawCardFace(const PictureJob& job);
Canvas DrawCardFrame(const PictureJob& job);
Canvas DrawHintIcon(const PictureJob& job);
Canvas DrawEnemy(const PictureJob& job);
Canvas DrawDeath(const PictureJob& job);
Canvas DrawSpiritBeast(const PictureJob& job);
Canvas DrawEvent(const PictureJob& job);

}  // namespace kestrilon::assets
