#pragma once
// The drawing surface, the overlay, the loading buffer, the 50 off-screen layers and the
// two picture caches. Everything here is created once at start-up.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "gfx/canvas.h"

namespace kestrilon {

struct Game;

// Pictures by file name below cg/. The result stays valid until the slot is reused.
const Bitmap& PictureCacheGet(Game& g, std::string_view name);
const Bitmap& ThumbCacheGet(Game& g, std::string_view name);
// True for the pictures the picture cache keeps at their own size; it doubles all others.
bool PictureKeepsOwnSize(std::string_view name);
// Loads a picture as the background and rebuilds the composed background.
void ShowPicture(Game& g, std::string_view name);
// The enemy or event picture zooming in; "not" or an empty name slides it out.
void ZoomPictureLoad(Game& g, std::string_view name);
// Frame picture of a card's line in lists and in the log; a name that lives as long as the program.
std::string_view CardFramePicture(const Game& g, int id);

}  // namespace kestrilon
