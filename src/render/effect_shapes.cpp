#include <algorithm>
#include <array>
#include <cmath>

#include "render/colour.h"
#include "render/effect_draw.h"
#include "render/effects.h"
#include "render/pictures.h"

namespace kestrilon {
namespace {

using enum Look;

// One row per shape kind: how it looks, its colour, its size, its length and its elements.
constexpr std::array kRecipes{
    // Circles and rings.
    Recipe{10, Bubbles, 0xFFCC66, 24, 16, 6},   Recipe{11, Ring, 0xFFFFFF, 30, 12, 1},
    Recipe{12, Implode, 0xCC3399, 70, 20, 1},   Recipe{21, Ring, 0x66FF66, 40, 16, 1},
    Recipe{25, Flash, 0x33DDFF, 30, 10, 1},     Recipe{28, Ripples, 0x3399FF, 50, 22, 3},
    Recipe{29, Drops, 0xFF9933, 30, 20, 8},     Recipe{33, Spiral, 0xCC66FF, 40, 20, 8},
    Recipe{34, Orbit, 0xFFEE55, 30, 24, 4},     Recipe{35, Scatter, 0x336699, 40, 14, 7},
    Recipe{36, Oval, 0x4488AA, 50, 16, 1},      Recipe{37, Pulse, 0xFF66AA, 30, 24, 1},
    Recipe{40, Flash, 0x2266FF, 36, 14, 1},     Recipe{41, Implode, 0xFFDDAA, 50, 16, 1},
    Recipe{42, Spiral, 0x55DD55, 50, 20, 10},   Recipe{43, Implode, 0xFFFFFF, 60, 14, 1},
    Recipe{44, Ripples, 0x33CCFF, 45, 22, 3},   Recipe{50, Drops, 0xFF7722, 40, 22, 10},
    Recipe{51, Bubbles, 0x44CC88, 28, 24, 8},   Recipe{52, Scatter, 0x55FFFF, 36, 10, 10},
    Recipe{54, Orbit, 0xCC44AA, 36, 26, 3},     Recipe{58, Ring, 0x3333FF, 36, 14, 1},
    Recipe{59, Oval, 0x225588, 60, 18, 1},      Recipe{60, Flash, 0xFFFF66, 28, 12, 1},
    Recipe{64, Pulse, 0xAA66FF, 34, 26, 1},     Recipe{70, Ripples, 0xFF8844, 55, 24, 4},
    Recipe{71, Bubbles, 0xDD55AA, 30, 22, 7},   Recipe{75, Ring, 0x22BBFF, 56, 18, 1},
    Recipe{76, Implode, 0x2222EE, 44, 16, 1},   Recipe{77, Orbit, 0xFFFFFF, 26, 20, 6},
    Recipe{78, Missile, 0x3388FF, 24, 14, 1},   Recipe{79, Scatter, 0xFFEEBB, 40, 14, 8},
    Recipe{82, Flash, 0x44EEFF, 44, 12, 1},     Recipe{83, Spiral, 0xFF9944, 44, 22, 12},
    Recipe{88, Flash, 0x1188FF, 90, 18, 1},     Recipe{92, Ring, 0x3311CC, 48, 16, 1},
    Recipe{93, Flash, 0x2233FF, 40, 14, 1},     Recipe{94, Bubbles, 0x2299FF, 30, 20, 9},
    Recipe{96, Ripples, 0xEEDD44, 44, 22, 3},   Recipe{111, Pulse, 0xFFDD55, 60, 28, 1},
    Recipe{113, Ripples, 0xDDDDDD, 60, 24, 4},  Recipe{117, Orbit, 0x55EE77, 40, 24, 5},
    Recipe{118, Drops, 0xEE66AA, 36, 20, 7},    Recipe{120, Oval, 0x44CCFF, 70, 20, 1},
    Recipe{121, Implode, 0x66FF99, 56, 18, 1},  Recipe{127, Scatter, 0xBB77FF, 44, 16, 9},
    Recipe{128, Ring, 0xFFCC88, 64, 20, 1},     Recipe{139, Spiral, 0x33DDFF, 50, 24, 10},
    Recipe{140, Bubbles, 0x66FF88, 34, 24, 8},  Recipe{146, Ring, 0xFF6633, 40, 16, 1},
    Recipe{147, Ring, 0x44DD44, 52, 20, 1},     Recipe{148, Ring, 0x4444FF, 64, 24, 1},
    Recipe{157, Flash, 0xFFFFFF, 50, 10, 1},    Recipe{159, Orbit, 0x4455FF, 34, 22, 8},
    Recipe{161, Implode, 0xCC55BB, 66, 20, 1},  Recipe{171, Ripples, 0x77EE66, 52, 26, 5},
    Recipe{176, Pulse, 0x44CCEE, 44, 30, 1},    Recipe{177, Orbit, 0xDD88FF, 50, 40, 6},
    Recipe{179, Scatter, 0xFF8855, 50, 16, 12}, Recipe{248, Flash, 0x22CCFF, 40, 24, 1},
    Recipe{251, Implode, 0x55EEFF, 40, 14, 1},  Recipe{252, Flash, 0x3344FF, 26, 8, 1},
    Recipe{253, Ring, 0x2288FF, 50, 12, 1},     Recipe{320, Flash, 0x0000CC, 44, 18, 1},
    Recipe{321, Drops, 0xCC9900, 40, 22, 9},    Recipe{322, Spiral, 0x00CC00, 48, 22, 10},
    Recipe{323, Oval, 0x336699, 60, 20, 1},     Recipe{324, Ring, 0xFFEEDD, 56, 20, 1},
    Recipe{325, Implode, 0xCC00CC, 56, 20, 1},  Recipe{349, Ring, 0xFF44CC, 70, 24, 1},
    Recipe{350, Flash, 0xFF8833, 50, 20, 1},    Recipe{353, Oval, 0xAA44CC, 60, 18, 1},
    Recipe{370, Bubbles, 0x44EEFF, 36, 22, 8},  Recipe{371, Drops, 0x3333FF, 36, 20, 9},
    Recipe{372, Spiral, 0xFFFFFF, 56, 24, 14},  Recipe{373, Orbit, 0x2299FF, 44, 24, 7},
    Recipe{379, Scatter, 0x33CCFF, 60, 20, 10}, Recipe{381, Ripples, 0x3333EE, 60, 24, 4},
    Recipe{391, Ring, 0xAAFFAA, 44, 18, 1},     Recipe{392, Pulse, 0x335577, 40, 26, 1},
    Recipe{394, Implode, 0x2288FF, 60, 18, 1},  Recipe{395, Oval, 0xFF7744, 80, 20, 1},
    Recipe{396, Flash, 0xDD66BB, 46, 14, 1},    Recipe{399, Ripples, 0x88FFFF, 70, 30, 5},
    Recipe{446, Spiral, 0x3344FF, 60, 26, 16},
    // Lines.
    Recipe{39, Rays, 0x55FFFF, 40, 14, 8},      Recipe{53, Slash, 0xFFFFFF, 36, 16, 3},
    Recipe{56, Cross, 0x4444FF, 36, 14, 1},     Recipe{57, Bolt, 0x66FFFF, 70, 12, 6},
    Recipe{62, Rain, 0xFF9944, 50, 22, 10},     Recipe{63, Spokes, 0x55EE55, 44, 22, 6},
    Recipe{90, Pillar, 0x44CCFF, 60, 24, 1},    Recipe{122, Scan, 0xFFEE66, 50, 20, 5},
    Recipe{137, Claw, 0x3333FF, 50, 14, 3},     Recipe{149, Rays, 0x2299FF, 56, 16, 12},
    Recipe{150, Converge, 0xCC55BB, 70, 18, 10}, Recipe{156, Star, 0xFFFFFF, 40, 16, 4},
    Recipe{158, Slash, 0xFF8844, 44, 18, 4},    Recipe{163, Bolt, 0xFF66CC, 80, 14, 8},
    Recipe{164, Rain, 0x44DD66, 50, 24, 12},    Recipe{165, Spokes, 0x3399FF, 56, 24, 8},
    Recipe{166, Pillar, 0xFFFFFF, 70, 26, 1},   Recipe{168, Scan, 0x4444FF, 56, 22, 6},
    Recipe{169, Claw, 0xFFFFFF, 56, 14, 3},     Recipe{170, Beam, 0x55FFFF, 20, 14, 1},
    Recipe{172, Star, 0xCC88FF, 44, 18, 6},     Recipe{174, Converge, 0xFFEE55, 60, 16, 12},
    Recipe{175, Rays, 0x3333FF, 60, 16, 10},    Recipe{180, Cross, 0x33CCFF, 50, 16, 1},
    Recipe{187, Converge, 0xCCCCCC, 30, 12, 6}, Recipe{221, Cross, 0x3377FF, 44, 14, 1},
    Recipe{249, Rain, 0xDD55AA, 50, 22, 10},    Recipe{256, Star, 0x44DDFF, 56, 12, 6},
    Recipe{257, Star, 0x4444FF, 56, 12, 6},     Recipe{277, Slash, 0x55EE55, 40, 16, 3},
    Recipe{352, Bolt, 0xAAFFFF, 80, 16, 7},     Recipe{377, Spokes, 0xEE66AA, 50, 24, 5},
    Recipe{380, Pillar, 0x3333FF, 60, 24, 1},   Recipe{389, Scan, 0x55EE55, 50, 20, 5},
    Recipe{390, Claw, 0xFF8844, 50, 14, 3},     Recipe{393, Rays, 0xBB88FF, 50, 18, 16},
    Recipe{398, Converge, 0x33CCFF, 80, 20, 14}, Recipe{403, Star, 0xFFFFFF, 90, 20, 8},
    Recipe{406, Bolt, 0xFFFFFF, 100, 14, 10},   Recipe{407, Slash, 0x2299FF, 70, 18, 5},
    Recipe{467, Rays, 0xFFDDAA, 44, 14, 8},
    // Rectangles.
    Recipe{3, Frame, 0xFFFFFF, 40, 14, 1},      Recipe{9, Shutter, 0xFF8844, 40, 18, 6},
    Recipe{27, Blocks, 0x33CCFF, 44, 16, 8},    Recipe{55, Column, 0x55DD55, 40, 22, 5},
    Recipe{116, Box, 0x3333EE, 50, 18, 4},      Recipe{314, Band, 0xCC44AA, 30, 24, 1},
    Recipe{254, Band, 0x33CCFF, 40, 30, 1},     Recipe{401, Shutter, 0x3333FF, 60, 40, 8},
    Recipe{404, Band, 0x2222AA, 80, 40, 1},
};

constexpr int kIndexedKinds = 468;

constexpr std::array<int16_t, kIndexedKinds> kRecipeIndex = [] {
    std::array<int16_t, kIndexedKinds> index{};
    index.fill(-1);
    for (size_t i = 0; i < kRecipes.size(); ++i) index[static_cast<size_t>(kRecipes[i].kind)] = static_cast<int16_t>(i);
    return index;
}();

// Kinds that set further effects off while they play.
struct Spawner {
    int16_t kind;
    uint8_t first;  // first step that spawns
    uint8_t every;  // steps between spawns; 0 = only once
    uint8_t last;
    int16_t child;
    int16_t spread;    // children land up to this many pixels from the point
    bool passesText;  // the child shows the spawner's text
};

constexpr std::array kSpawners{
    Spawner{248, 4, 4, 20, 21, 30, false},  Spawner{254, 2, 0, 2, 255, 0, true},
    Spawner{349, 3, 3, 18, 10, 40, false},  Spawner{350, 4, 4, 16, 11, 40, false},
    Spawner{352, 3, 3, 12, 52, 30, false},  Spawner{379, 4, 5, 19, 25, 40, false},
    Spawner{381, 5, 5, 20, 58, 30, false},  Spawner{399, 4, 4, 24, 52, 60, false},
    Spawner{401, 2, 0, 2, 402, 0, true},    Spawner{404, 2, 0, 2, 405, 0, true},
};

// Spawning is the last thing a kind does in a frame: the child may take this very slot.
void SpawnChildren(const EffectSlot& e) {
    for (const Spawner& s : kSpawners) {
        if (s.kind != e.kind()) continue;
        const bool due = e.step >= s.first && e.step <= s.last &&
                         (s.every == 0 ? e.step == s.first : (e.step - s.first) % s.every == 0);
        if (!due) return;
        const int dx = s.spread > 0 ? e.g.Roll(2 * s.spread + 1) - s.spread : 0;
        const int dy = s.spread > 0 ? e.g.Roll(2 * s.spread + 1) - s.spread : 0;
        SpawnEffect(e.g, e.x() + dx, e.y() + dy, s.child, s.passesText ? e.text() : std::string_view{});
        return;
    }
}

Font Gothic(int size, bool italic = false) { return Font{kGothic, size, true, italic}; }

void CentredText(Canvas& c, int x, int y, std::string_view text, const Font& font, Colour colour) {
    const Size extent = c.TextExtent(text, font);
    c.Text(x - extent.width / 2, y - extent.height / 2, text, font, colour);
}

void RisingNumber(const EffectSlot& e) {
    CentredText(e.cg(), e.x(), e.y() - e.step, e.text(), Gothic(10), ShiftColour(0xFFFFCC, -e.step * 4));
    e.EndAt(40);
}

void HealNumber(const EffectSlot& e) {
    e.y() += e.bounce;
    CentredText(e.cg(), e.x(), e.y() - e.step / 2, e.text(), Gothic(9), ShiftColour(0x66FF66, -e.step * 6));
    e.EndAt(24);
}

void DriftingText(const EffectSlot& e) {
    e.bak().Text(e.x() + e.step, e.y(), e.text(), Gothic(10), ShiftColour(0xFFEE66, -e.step * 4));
    e.EndAt(40);
}

void ScoreGain(const EffectSlot& e) {
    e.cg().Text(e.x(), e.y() + e.step / 3, e.text(), Gothic(9), ShiftColour(Rgb(153, 102, 238), 40 - e.step * 5));
    e.EndAt(30);
}

void WavyText(const EffectSlot& e) {
    const int sway = static_cast<int>(std::sin(e.step * 0.6) * 6);
    CentredText(e.bak(), e.x() + sway, e.y() - e.step / 2, e.text(), Gothic(11), ShiftColour(0x33DDFF, -e.step * 4));
    e.EndAt(36);
}

void Stars(const EffectSlot& e) {
    for (int k = 0; k < 5; ++k) {
        const int size = 8 + (e.step + k * 3) % 7;
        const double angle = (k * 72 + e.slot * 13) * 3.1415 / 180.0;
        const int reach = 14 + (k * 7) % 3 * 8;
        const int sx = e.x() + static_cast<int>(std::cos(angle) * reach);
        const int sy = e.y() + static_cast<int>(std::sin(angle) * reach) - e.step;
        const Colour colour = ShiftColour(0x33DDFF, (e.step + k) % 4 * 30 - e.step * 4);
        CentredText(e.bak(), sx, sy, "★", Gothic(size), colour);
    }
    e.EndAt(30);
}

void LevelUpText(const EffectSlot& e) {
    const Font font = Gothic(16, true);
    const int width = e.bak().TextWidth(e.text(), font);
    const int left = std::min(400 - width / 2, e.x() - width + e.step * 60);
    e.bak().Text(left, e.y() - 12, e.text(), font, ShiftColour(0x33CCFF, 40 - e.step * 3));
    e.EndAt(40);
}

void ZoomText(const EffectSlot& e) {
    CentredText(e.bak(), e.x(), e.y(), e.text(), Gothic(std::min(8 + e.step / 2, 20)), ShiftColour(0xFFFFFF, -e.step * 6));
    e.EndAt(30);
}

void Mark(const EffectSlot& e, std::string_view mark, Colour colour) {
    DrawLook(e, Ring, colour, 36, 24, 1);
    CentredText(e.bak(), e.x(), e.y(), mark, Gothic(22 - e.step / 4), ShiftColour(colour, -e.step * 5));
    e.EndAt(24);
}

void Picture(const EffectSlot& e) {
    const Bitmap& picture = PictureCacheGet(e.g, e.text());
    if (!picture.Empty()) {
        const int percent = std::min(100, 40 + e.step * 8);
        const int hw = picture.Width() * percent / 200;
        const int hh = picture.Height() * percent / 200;
        e.bak().Stretch(picture, {e.x() - hw, e.y() - hh - e.step, e.x() + hw, e.y() + hh - e.step});
    }
    e.EndAt(24);
}

// A ring whose inside is flooded once it has closed.
void FilledSplash(const EffectSlot& e) {
    const int r = std::min(6 + e.step * 4, 40);
    const Colour rim = ShiftColour(0x55FF99, -e.step * 6);
    e.bak().Ellipse({e.x() - r, e.y() - r, e.x() + r + 1, e.y() + r + 1}, rim, 2);
    if (e.bak().Pixel(e.x(), e.y()) == 0) e.bak().FloodFill(e.x(), e.y(), ShiftColour(0x228844, -e.step * 4));
    e.EndAt(20);
}

// The scene under the point shimmers: a copy of it drawn a little off, inside a ring.
void Shimmer(const EffectSlot& e) {
    const int dx = static_cast<int>(std::sin(e.step * 1.3) * 4);
    e.bak().Copy(e.cg(), e.x() - 50 + dx, e.y() - 30 - e.step / 2, 100, 60, e.x() - 50, e.y() - 30);
    DrawLook(e, Ring, 0xCCBBAA, 60, 22, 1);
    e.EndAt(22);
}

void ChargeMark(const EffectSlot& e) {
    DrawLook(e, Rays, 0x66DDFF, 20, 16, 6);
    CentredText(e.bak(), e.x(), e.y() - e.step * 2, e.text(), Gothic(8), ShiftColour(0x66DDFF, -e.step * 8));
    e.EndAt(16);
}

bool DrawCombined(const EffectSlot& e) {
    switch (e.kind()) {
        case 4: RisingNumber(e); return true;
        case 17: HealNumber(e); return true;
        case 19: DriftingText(e); return true;
        case 20: ScoreGain(e); return true;
        case 107: WavyText(e); return true;
        case 162: Stars(e); return true;
        case 255: LevelUpText(e); return true;
        case 397: ZoomText(e); return true;
        case 402: DrawBigCaption(e, 0x66EEFF, 6); return true;
        case 405: DrawBigCaption(e, 0x4444FF, 6); return true;
        case 30: Mark(e, "†", 0xDDDDDD); return true;
        case 31: Mark(e, "／", 0x5555FF); return true;
        case 250: Picture(e); return true;
        case 129: FilledSplash(e); return true;
        case 160: Shimmer(e); return true;
        case 188: ChargeMark(e); return true;
        case 32:
            DrawLook(e, Ring, 0xFFDD66, 40, 18, 1);
            DrawLook(e, Frame, 0xFFAA44, 30, 18, 1);
            e.EndAt(18);
            return true;
        case 66:
            DrawLook(e, Flash, 0x2299FF, 24, 20, 1);
            DrawLook(e, Spokes, 0x33CCFF, 50, 20, 12);
            e.EndAt(20);
            return true;
        case 178:
            DrawLook(e, Box, 0x3333FF, 50, 18, 2);
            DrawLook(e, Cross, 0x5555FF, 16, 18, 1);
            e.EndAt(18);
            return true;
        case 189:
            DrawLook(e, Flash, 0x1144EE, 30, 18, 1);
            DrawLook(e, Rays, 0x22AAFF, 60, 18, 10);
            e.EndAt(18);
            return true;
        case 190:
            DrawLook(e, Ring, 0xFFAA44, 50, 22, 1);
            DrawLook(e, Rain, 0xFFCC88, 50, 22, 10);
            e.EndAt(22);
            return true;
        case 191:
            DrawLook(e, Spiral, 0x55EE55, 50, 22, 10);
            DrawLook(e, Spokes, 0x99FF99, 44, 22, 4);
            e.EndAt(22);
            return true;
        case 266:
            DrawLook(e, Flash, 0x88FFFF, 12, 8, 1);
            DrawLook(e, Star, 0xFFFFFF, 22, 8, 4);
            e.EndAt(8);
            return true;
        default:
            return false;
    }
}

const Recipe* FindRecipe(int kind) {
    if (kind < 0 || kind >= kIndexedKinds) return nullptr;
    const int16_t i = kRecipeIndex[static_cast<size_t>(kind)];
    return i < 0 ? nullptr : &kRecipes[static_cast<size_t>(i)];
}

constexpr std::array<int16_t, 23> kCombinedKinds{4,   17,  19,  20,  30,  31,  32,  66,  107, 129, 160, 162,
                                                 178, 188, 189, 190, 191, 250, 255, 266, 397, 402, 405};

}  // namespace

bool IsShapeKind(int kind) {
    return FindRecipe(kind) != nullptr ||
           std::find(kCombinedKinds.begin(), kCombinedKinds.end(), kind) != kCombinedKinds.end();
}

bool DrawShapeKind(const EffectSlot& e) {
    if (const Recipe* r = FindRecipe(e.kind())) {
        DrawLook(e, r->look, r->colour, r->size, r->steps, r->count);
        e.EndAt(r->steps);
        SpawnChildren(e);
        return true;
    }
    return DrawCombined(e);
}

}  // namespace kestrilon
