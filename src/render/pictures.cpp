#include "render/pictures.h"

#include <array>

#include "render/background.h"
#include "state/game.h"

namespace kestrilon {
namespace {

// Pictures drawn at their own size; all others are small sprites doubled once at load.
constexpr std::array<std::string_view, 14> kOwnSizeParts = {
    "pet",     "card",    "unit118", "leaf",    "crown",   "unit107",   "unit103",
    "unit102", "unit105", "unit112", "unit114", "unit116", "unit117", "unit_snow"};

bool KeepsOwnSize(std::string_view name) {
    if (name == "hint.bmp") return true;
    for (auto part : kOwnSizeParts)
        if (name.find(part) != std::string_view::npos) return true;
    return false;
}

std::filesystem::path PicturePath(const Game& g, std::string_view name) {
    return g.os.ProgramFolder() / "cg" / std::filesystem::path(std::string(name));
}

bool LoadPicture(Game& g, Bitmap& into, std::string_view name) {
    ++g.layers.diskLoads;
    return into.LoadFile(PicturePath(g, name));
}

// Finds the slot holding name (the last one when several do), or takes the next slot of
// the ring for it. Returns the slot and whether the picture is already there.
std::pair<int, bool> FindOrClaim(PictureSlots& cache, std::string_view name) {
    if (name.empty()) {
        for (int i = kCacheSlots - 1; i >= 0; --i)
            if (cache.names[static_cast<size_t>(i)].empty()) return {i, true};
    } else if (auto found = cache.index.find(name); found != cache.index.end()) {
        return {found->second, true};
    }
    cache.cursor = cache.cursor >= kCacheSlots - 1 ? 0 : cache.cursor + 1;
    std::string& slotName = cache.names[static_cast<size_t>(cache.cursor)];
    if (!slotName.empty()) cache.index.erase(slotName);
    slotName.assign(name);
    if (!slotName.empty()) cache.index.emplace(slotName, cache.cursor);
    return {cache.cursor, false};
}

}  // namespace

bool PictureKeepsOwnSize(std::string_view name) { return KeepsOwnSize(name); }

const Bitmap& PictureCacheGet(Game& g, std::string_view name) {
    PictureSlots& cache = *g.layers.PictureCache;
    const auto [slot, hit] = FindOrClaim(cache, name);
    Bitmap& bitmap = cache.bitmaps[static_cast<size_t>(slot)];
    if (hit) return bitmap;
    if (KeepsOwnSize(name)) {
        if (!LoadPicture(g, bitmap, name)) bitmap.Resize(0, 0);
    } else {
        Bitmap& scratch = g.layers.LayerTable[kLayerScratch];
        if (LoadPicture(g, scratch, name)) {
            bitmap.Resize(scratch.Width() * 2, scratch.Height() * 2);
            // A plain copy: the scratch slot is transparent, but the doubled picture must keep
            // every pixel so that its own bottom-left colour stays the key.
            bitmap.StretchCopy(scratch, {0, 0, bitmap.Width(), bitmap.Height()});
        } else {
            bitmap.Resize(0, 0);
        }
    }
    bitmap.SetTransparent(true);
    return bitmap;
}

const Bitmap& ThumbCacheGet(Game& g, std::string_view name) {
    PictureSlots& cache = *g.layers.ThumbCache;
    const auto [slot, hit] = FindOrClaim(cache, name);
    Bitmap& bitmap = cache.bitmaps[static_cast<size_t>(slot)];
    if (hit) return bitmap;
    bitmap.Resize(198, 98);
    if (LoadPicture(g, g.layers.haikei, name)) bitmap.Copy(g.layers.haikei, 0, 0, 198, 98);
    return bitmap;
}

void ShowPicture(Game& g, std::string_view name) {
    if (!LoadPicture(g, g.layers.haikei, name)) return;
    g.layers.LayerTable[kLayerBackground].Copy(g.layers.haikei, 0, 0, g.layers.haikei.Width(),
                                               g.layers.haikei.Height());
    g.frame.BackgroundDirty = 1;
    RebuildBackground(g);
}

std::string CardFramePicture(const Game& g, int id) {
    if (!CardDatabase::ValidId(id)) return "card_b.bmp";
    const titem& card = g.cards[id];
    const bool dungeon = card.kind == 1;
    std::string_view name = dungeon ? "card_d.bmp" : "card_b.bmp";
    auto mark = [&](int32_t flag, std::string_view dungeonName, std::string_view battleName) {
        if (flag >= 1) name = dungeon ? dungeonName : battleName;
    };
    mark(card.isUltraRare, "card_d_ex.bmp", "card_b_ex.bmp");
    mark(card.isRare, "card_d_boss.bmp", "card_b_boss.bmp");
    mark(card.isTreasure, "card_d_ex2.bmp", "card_b_ex2.bmp");
    mark(card.isSecret, "card_d_hihou.bmp", "card_b_hihou.bmp");
    mark(card.isPaid, "card_d_ex3.bmp", "card_b_ex3.bmp");
    mark(card.isCalling, "card_d_death.bmp", "card_b_death.bmp");
    mark(card.isLure, "card_d_clear.bmp", "card_b_clear.bmp");
    return std::string(name);
}

}  // namespace kestrilon
