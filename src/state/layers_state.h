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

constexpr int kLayers = 50;
constexpr int kCacheSlots = 3001;
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

enum LayerSlot { kLayerBackground = 0, kLayerScratch = 1, kLayerZoom = 2, kLayerComposed = 6 };

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

struct PictureSlots {
    std::array<Bitmap, kCacheSlots> bitmaps;
    std::array<std::string, kCacheSlots> names;
    int cursor = 0;
    // Slot of every non-empty name; names are unique because a slot is only claimed on a miss.
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> index;
};

struct Layers {
    // The background and composed layers are full screens from the start, so a frame may
    // copy them without clearing the surface first.
    Layers() {
        LayerTable[kLayerBackground].Resize(kScreenWidth, kScreenHeight);
        LayerTable[kLayerComposed].Resize(kScreenWidth, kScreenHeight);
    }

    Bitmap cg{kScreenWidth, kScreenHeight};   // the drawing surface
    Bitmap bak{kScreenWidth, kScreenHeight};  // overlay, OR-combined onto cg each frame
    Bitmap haikei;                            // loading buffer
    std::array<Bitmap, kLayers> LayerTable;
    std::unique_ptr<PictureSlots> PictureCache = std::make_unique<PictureSlots>();
    std::unique_ptr<PictureSlots> ThumbCache = std::make_unique<PictureSlots>();
    int diskLoads = 0;  // picture files read from disk so far; lets tests see cache hits
};

}  // namespace kestrilon
