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
using enum EffectKind;

// One row per shape kind: how it looks, its colour, its size, its length and its elements.
constexpr std::array kRecipes{
    // Circles and rings.
    Recipe{SkyBubbles,              Bubbles,  0xFFCC66,  24, 16,  6},
    Recipe{WhiteRing,               Ring,     0xFFFFFF,  30, 12,  1},
    Recipe{VioletClosingRing,       Implode,  0xCC3399,  70, 20,  1},
    Recipe{LightGreenRing,          Ring,     0x66FF66,  40, 16,  1},
    Recipe{YellowFlash,             Flash,    0x33DDFF,  30, 10,  1},
    Recipe{OrangeRipples,           Ripples,  0x3399FF,  50, 22,  3},
    Recipe{AzureDrops,              Drops,    0xFF9933,  30, 20,  8},
    Recipe{PinkSpiral,              Spiral,   0xCC66FF,  40, 20,  8},
    Recipe{CyanOrbs,                Orbit,    0xFFEE55,  30, 24,  4},
    Recipe{BrownSparks,             Scatter,  0x336699,  40, 14,  7},
    Recipe{TanOval,                 Oval,     0x4488AA,  50, 16,  1},
    Recipe{VioletPulse,             Pulse,    0xFF66AA,  30, 24,  1},
    Recipe{OrangeFlash,             Flash,    0x2266FF,  36, 14,  1},
    Recipe{PaleBlueClosingRing,     Implode,  0xFFDDAA,  50, 16,  1},
    Recipe{GreenSpiral,             Spiral,   0x55DD55,  50, 20, 10},
    Recipe{WhiteClosingRing,        Implode,  0xFFFFFF,  60, 14,  1},
    Recipe{GoldRipples,             Ripples,  0x33CCFF,  45, 22,  3},
    Recipe{BlueDrops,               Drops,    0xFF7722,  40, 22, 10},
    Recipe{GreenBubbles,            Bubbles,  0x44CC88,  28, 24,  8},
    Recipe{YellowSparks,            Scatter,  0x55FFFF,  36, 10, 10},
    Recipe{PurpleOrbs,              Orbit,    0xCC44AA,  36, 26,  3},
    Recipe{RedRing,                 Ring,     0x3333FF,  36, 14,  1},
    Recipe{DarkBrownOval,           Oval,     0x225588,  60, 18,  1},
    Recipe{CyanFlash,               Flash,    0xFFFF66,  28, 12,  1},
    Recipe{PinkPulse,               Pulse,    0xAA66FF,  34, 26,  1},
    Recipe{BlueRipples,             Ripples,  0xFF8844,  55, 24,  4},
    Recipe{VioletBubbles,           Bubbles,  0xDD55AA,  30, 22,  7},
    Recipe{AmberRing,               Ring,     0x22BBFF,  56, 18,  1},
    Recipe{RedClosingRing,          Implode,  0x2222EE,  44, 16,  1},
    Recipe{WhiteOrbs,               Orbit,    0xFFFFFF,  26, 20,  6},
    Recipe{OrangeMissile,           Missile,  0x3388FF,  24, 14,  1},
    Recipe{PaleSparks,              Scatter,  0xFFEEBB,  40, 14,  8},
    Recipe{LemonFlash,              Flash,    0x44EEFF,  44, 12,  1},
    Recipe{AzureSpiral,             Spiral,   0xFF9944,  44, 22, 12},
    Recipe{BigOrangeFlash,          Flash,    0x1188FF,  90, 18,  1},
    Recipe{CrimsonRing,             Ring,     0x3311CC,  48, 16,  1},
    Recipe{RedFlash,                Flash,    0x2233FF,  40, 14,  1},
    Recipe{OrangeBubbles,           Bubbles,  0x2299FF,  30, 20,  9},
    Recipe{CyanRipples,             Ripples,  0xEEDD44,  44, 22,  3},
    Recipe{SkyPulse,                Pulse,    0xFFDD55,  60, 28,  1},
    Recipe{SilverRipples,           Ripples,  0xDDDDDD,  60, 24,  4},
    Recipe{GreenOrbs,               Orbit,    0x55EE77,  40, 24,  5},
    Recipe{VioletDrops,             Drops,    0xEE66AA,  36, 20,  7},
    Recipe{GoldOval,                Oval,     0x44CCFF,  70, 20,  1},
    Recipe{GreenClosingRing,        Implode,  0x66FF99,  56, 18,  1},
    Recipe{PinkSparks,              Scatter,  0xBB77FF,  44, 16,  9},
    Recipe{PaleBlueRing,            Ring,     0xFFCC88,  64, 20,  1},
    Recipe{YellowSpiral,            Spiral,   0x33DDFF,  50, 24, 10},
    Recipe{LightGreenBubbles,       Bubbles,  0x66FF88,  34, 24,  8},
    Recipe{BlueRing,                Ring,     0xFF6633,  40, 16,  1},
    Recipe{GreenRing,               Ring,     0x44DD44,  52, 20,  1},
    Recipe{LargeRedRing,            Ring,     0x4444FF,  64, 24,  1},
    Recipe{WhiteFlash,              Flash,    0xFFFFFF,  50, 10,  1},
    Recipe{RedOrbs,                 Orbit,    0x4455FF,  34, 22,  8},
    Recipe{PurpleClosingRing,       Implode,  0xCC55BB,  66, 20,  1},
    Recipe{GreenRipples,            Ripples,  0x77EE66,  52, 26,  5},
    Recipe{GoldPulse,               Pulse,    0x44CCEE,  44, 30,  1},
    Recipe{PinkOrbs,                Orbit,    0xDD88FF,  50, 40,  6},
    Recipe{BlueSparks,              Scatter,  0xFF8855,  50, 16, 12},
    Recipe{GoldFlashWithRings,      Flash,    0x22CCFF,  40, 24,  1},
    Recipe{YellowClosingRing,       Implode,  0x55EEFF,  40, 14,  1},
    Recipe{SmallRedFlash,           Flash,    0x3344FF,  26,  8,  1},
    Recipe{OrangeRing,              Ring,     0x2288FF,  50, 12,  1},
    Recipe{DarkRedFlash,            Flash,    0x0000CC,  44, 18,  1},
    Recipe{TealDrops,               Drops,    0xCC9900,  40, 22,  9},
    Recipe{DeepGreenSpiral,         Spiral,   0x00CC00,  48, 22, 10},
    Recipe{BrownOval,               Oval,     0x336699,  60, 20,  1},
    Recipe{IceRing,                 Ring,     0xFFEEDD,  56, 20,  1},
    Recipe{MagentaClosingRing,      Implode,  0xCC00CC,  56, 20,  1},
    Recipe{VioletRingWithBubbles,   Ring,     0xFF44CC,  70, 24,  1},
    Recipe{BlueFlashWithRings,      Flash,    0xFF8833,  50, 20,  1},
    Recipe{MagentaOval,             Oval,     0xAA44CC,  60, 18,  1},
    Recipe{YellowBubbles,           Bubbles,  0x44EEFF,  36, 22,  8},
    Recipe{RedDrops,                Drops,    0x3333FF,  36, 20,  9},
    Recipe{WhiteSpiral,             Spiral,   0xFFFFFF,  56, 24, 14},
    Recipe{OrangeOrbs,              Orbit,    0x2299FF,  44, 24,  7},
    Recipe{GoldSparksWithFlashes,   Scatter,  0x33CCFF,  60, 20, 10},
    Recipe{RedRipplesWithRings,     Ripples,  0x3333EE,  60, 24,  4},
    Recipe{PaleGreenRing,           Ring,     0xAAFFAA,  44, 18,  1},
    Recipe{BrownPulse,              Pulse,    0x335577,  40, 26,  1},
    Recipe{OrangeClosingRing,       Implode,  0x2288FF,  60, 18,  1},
    Recipe{BlueOval,                Oval,     0xFF7744,  80, 20,  1},
    Recipe{VioletFlash,             Flash,    0xDD66BB,  46, 14,  1},
    Recipe{PaleRipplesWithSparks,   Ripples,  0x88FFFF,  70, 30,  5},
    Recipe{RedSpiral,               Spiral,   0x3344FF,  60, 26, 16},
    // Lines.
    Recipe{YellowRays,              Rays,     0x55FFFF,  40, 14,  8},
    Recipe{WhiteSlashes,            Slash,    0xFFFFFF,  36, 16,  3},
    Recipe{RedCross,                Cross,    0x4444FF,  36, 14,  1},
    Recipe{YellowBolt,              Bolt,     0x66FFFF,  70, 12,  6},
    Recipe{AzureRain,               Rain,     0xFF9944,  50, 22, 10},
    Recipe{GreenWheel,              Spokes,   0x55EE55,  44, 22,  6},
    Recipe{GoldPillar,              Pillar,   0x44CCFF,  60, 24,  1},
    Recipe{SkyScanLines,            Scan,     0xFFEE66,  50, 20,  5},
    Recipe{RedClaw,                 Claw,     0x3333FF,  50, 14,  3},
    Recipe{OrangeRays,              Rays,     0x2299FF,  56, 16, 12},
    Recipe{PurpleInwardRays,        Converge, 0xCC55BB,  70, 18, 10},
    Recipe{WhiteStar,               Star,     0xFFFFFF,  40, 16,  4},
    Recipe{BlueSlashes,             Slash,    0xFF8844,  44, 18,  4},
    Recipe{VioletBolt,              Bolt,     0xFF66CC,  80, 14,  8},
    Recipe{GreenRain,               Rain,     0x44DD66,  50, 24, 12},
    Recipe{OrangeWheel,             Spokes,   0x3399FF,  56, 24,  8},
    Recipe{WhitePillar,             Pillar,   0xFFFFFF,  70, 26,  1},
    Recipe{RedScanLines,            Scan,     0x4444FF,  56, 22,  6},
    Recipe{WhiteClaw,               Claw,     0xFFFFFF,  56, 14,  3},
    Recipe{YellowBeam,              Beam,     0x55FFFF,  20, 14,  1},
    Recipe{PinkStar,                Star,     0xCC88FF,  44, 18,  6},
    Recipe{SkyInwardRays,           Converge, 0xFFEE55,  60, 16, 12},
    Recipe{RedRays,                 Rays,     0x3333FF,  60, 16, 10},
    Recipe{GoldCross,               Cross,    0x33CCFF,  50, 16,  1},
    Recipe{SilverInwardRays,        Converge, 0xCCCCCC,  30, 12,  6},
    Recipe{OrangeCross,             Cross,    0x3377FF,  44, 14,  1},
    Recipe{VioletRain,              Rain,     0xDD55AA,  50, 22, 10},
    Recipe{GoldStar,                Star,     0x44DDFF,  56, 12,  6},
    Recipe{RedStar,                 Star,     0x4444FF,  56, 12,  6},
    Recipe{GreenSlashes,            Slash,    0x55EE55,  40, 16,  3},
    Recipe{PaleBoltWithSparks,      Bolt,     0xAAFFFF,  80, 16,  7},
    Recipe{VioletWheel,             Spokes,   0xEE66AA,  50, 24,  5},
    Recipe{RedPillar,               Pillar,   0x3333FF,  60, 24,  1},
    Recipe{GreenScanLines,          Scan,     0x55EE55,  50, 20,  5},
    Recipe{BlueClaw,                Claw,     0xFF8844,  50, 14,  3},
    Recipe{PinkRays,                Rays,     0xBB88FF,  50, 18, 16},
    Recipe{GoldInwardRays,          Converge, 0x33CCFF,  80, 20, 14},
    Recipe{BigWhiteStar,            Star,     0xFFFFFF,  90, 20,  8},
    Recipe{WhiteBolt,               Bolt,     0xFFFFFF, 100, 14, 10},
    Recipe{OrangeSlashes,           Slash,    0x2299FF,  70, 18,  5},
    Recipe{PaleBlueRays,            Rays,     0xFFDDAA,  44, 14,  8},
    // Rectangles.
    Recipe{WhiteSquare,             Frame,    0xFFFFFF,  40, 14,  1},
    Recipe{BlueBars,                Shutter,  0xFF8844,  40, 18,  6},
    Recipe{GoldBlocks,              Blocks,   0x33CCFF,  44, 16,  8},
    Recipe{GreenColumns,            Column,   0x55DD55,  40, 22,  5},
    Recipe{RedClosingSquares,       Box,      0x3333EE,  50, 18,  4},
    Recipe{PurpleBand,              Band,     0xCC44AA,  30, 24,  1},
    Recipe{GoldBandWithText,        Band,     0x33CCFF,  40, 30,  1},
    Recipe{RedBarsWithCaption,      Shutter,  0x3333FF,  60, 40,  8},
    Recipe{DarkRedBandWithCaption,  Band,     0x2222AA,  80, 40,  1},
};

constexpr int kIndexedKinds = KindCode(PaleBlueRays) + 1;

constexpr std::array<int16_t, kIndexedKinds> kRecipeIndex = [] {
    std::array<int16_t, kIndexedKinds> index{};
    index.fill(-1);
    for (size_t i = 0; i < kRecipes.size(); ++i)
        index[static_cast<size_t>(KindCode(kRecipes[i].kind))] = static_cast<int16_t>(i);
    return index;
}();

// Kinds that set further effects off while they play.
struct Spawner {
    EffectKind kind;
    uint8_t first;  // first step that spawns
    uint8_t every;  // steps between spawns; 0 = only once
    uint8_t last;
    EffectKind child;
    int16_t spread;    // children land up to this many pixels from the point
    bool passesText;  // the child shows the spawner's text
};

constexpr std::array kSpawners{
    Spawner{GoldFlashWithRings, 4, 4, 20, LightGreenRing, 30, false},
    Spawner{GoldBandWithText, 2, 0, 2, SlidingText, 0, true},
    Spawner{VioletRingWithBubbles, 3, 3, 18, SkyBubbles, 40, false},
    Spawner{BlueFlashWithRings, 4, 4, 16, WhiteRing, 40, false},
    Spawner{PaleBoltWithSparks, 3, 3, 12, YellowSparks, 30, false},
    Spawner{GoldSparksWithFlashes, 4, 5, 19, YellowFlash, 40, false},
    Spawner{RedRipplesWithRings, 5, 5, 20, RedRing, 30, false},
    Spawner{PaleRipplesWithSparks, 4, 4, 24, YellowSparks, 60, false},
    Spawner{RedBarsWithCaption, 2, 0, 2, GoldBigCaption, 0, true},
    Spawner{DarkRedBandWithCaption, 2, 0, 2, RedBigCaption, 0, true},
};

// Spawning is the last thing a kind does in a frame: the child may take this very slot.
void SpawnChildren(const EffectSlot& e) {
    for (const Spawner& s : kSpawners) {
        if (s.kind != e.kind()) continue;
        const bool due = e.step >= s.first && e.step <= s.last &&
                         (s.every == 0 ? e.step == s.first : (e.step - s.first) % s.every == 0);
        if (!due) return;
        const int dx = s.spread > 0 ? e.g.looks.Roll(2 * s.spread + 1) - s.spread : 0;
        const int dy = s.spread > 0 ? e.g.looks.Roll(2 * s.spread + 1) - s.spread : 0;
        SpawnEffect(e.g, e.x() + dx, e.y() + dy, s.child, s.passesText ? e.text() : std::string_view{});
        return;
    }
}

Font Gothic(int size, bool italic = false) { return Font{kGothic, size, true, italic}; }

void CentredText(Canvas& c, int x, int y, std::string_view text, const Font& font, Colour colour) {
    const Size extent = c.TextExtent(text, font);
    c.Text(x - extent.width / 2, y - extent.height / 2, text, font, colour);
}

void DrawRisingNumber(const EffectSlot& e) {
    CentredText(e.cg(), e.x(), e.y() - e.step, e.text(), Gothic(10), ShiftColour(0xFFFFCC, -e.step * 4));
    e.EndAt(40);
}

void DrawHealNumber(const EffectSlot& e) {
    e.y() += e.bounce;
    CentredText(e.cg(), e.x(), e.y() - e.step / 2, e.text(), Gothic(9), ShiftColour(0x66FF66, -e.step * 6));
    e.EndAt(24);
}

void DrawDriftingText(const EffectSlot& e) {
    e.bak().Text(e.x() + e.step, e.y(), e.text(), Gothic(10), ShiftColour(0xFFEE66, -e.step * 4));
    e.EndAt(40);
}

void DrawSinkingText(const EffectSlot& e) {
    e.cg().Text(e.x(), e.y() + e.step / 3, e.text(), Gothic(9), ShiftColour(Rgb(153, 102, 238), 40 - e.step * 5));
    e.EndAt(30);
}

void DrawWavyText(const EffectSlot& e) {
    const int sway = static_cast<int>(std::sin(e.step * 0.6) * 6);
    CentredText(e.bak(), e.x() + sway, e.y() - e.step / 2, e.text(), Gothic(11), ShiftColour(0x33DDFF, -e.step * 4));
    e.EndAt(36);
}

void DrawStars(const EffectSlot& e) {
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

void DrawSlidingText(const EffectSlot& e) {
    const Font font = Gothic(16, true);
    const int width = e.bak().TextWidth(e.text(), font);
    const int left = std::min(400 - width / 2, e.x() - width + e.step * 60);
    e.bak().Text(left, e.y() - 12, e.text(), font, ShiftColour(0x33CCFF, 40 - e.step * 3));
    e.EndAt(40);
}

void DrawGrowingText(const EffectSlot& e) {
    CentredText(e.bak(), e.x(), e.y(), e.text(), Gothic(std::min(8 + e.step / 2, 20)), ShiftColour(0xFFFFFF, -e.step * 6));
    e.EndAt(30);
}

void Mark(const EffectSlot& e, std::string_view mark, Colour colour) {
    DrawLook(e, Ring, colour, 36, 24, 1);
    CentredText(e.bak(), e.x(), e.y(), mark, Gothic(22 - e.step / 4), ShiftColour(colour, -e.step * 5));
    e.EndAt(24);
}

void DrawRisingPicture(const EffectSlot& e) {
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
void DrawFloodedRing(const EffectSlot& e) {
    const int r = std::min(6 + e.step * 4, 40);
    const Colour rim = ShiftColour(0x55FF99, -e.step * 6);
    e.bak().Ellipse({e.x() - r, e.y() - r, e.x() + r + 1, e.y() + r + 1}, rim, 2);
    if (e.bak().Pixel(e.x(), e.y()) == 0) e.bak().FloodFill(e.x(), e.y(), ShiftColour(0x228844, -e.step * 4));
    e.EndAt(20);
}

// The scene under the point shimmers: a copy of it drawn a little off, inside a ring.
void DrawShimmer(const EffectSlot& e) {
    const int dx = static_cast<int>(std::sin(e.step * 1.3) * 4);
    e.bak().Copy(e.cg(), e.x() - 50 + dx, e.y() - 30 - e.step / 2, 100, 60, e.x() - 50, e.y() - 30);
    DrawLook(e, Ring, 0xCCBBAA, 60, 22, 1);
    e.EndAt(22);
}

void DrawRaysWithNumber(const EffectSlot& e) {
    DrawLook(e, Rays, 0x66DDFF, 20, 16, 6);
    CentredText(e.bak(), e.x(), e.y() - e.step * 2, e.text(), Gothic(8), ShiftColour(0x66DDFF, -e.step * 8));
    e.EndAt(16);
}

bool DrawCombined(const EffectSlot& e) {
    switch (e.kind()) {
        case RisingNumber: DrawRisingNumber(e); return true;
        case HealNumber: DrawHealNumber(e); return true;
        case DriftingText: DrawDriftingText(e); return true;
        case SinkingText: DrawSinkingText(e); return true;
        case WavyText: DrawWavyText(e); return true;
        case Stars: DrawStars(e); return true;
        case SlidingText: DrawSlidingText(e); return true;
        case GrowingText: DrawGrowingText(e); return true;
        case GoldBigCaption: DrawBigCaption(e, 0x66EEFF, 6); return true;
        case RedBigCaption: DrawBigCaption(e, 0x4444FF, 6); return true;
        case DaggerMark: Mark(e, "†", 0xDDDDDD); return true;
        case SlashMark: Mark(e, "／", 0x5555FF); return true;
        case RisingPicture: DrawRisingPicture(e); return true;
        case FloodedRing: DrawFloodedRing(e); return true;
        case Shimmer: DrawShimmer(e); return true;
        case RaysWithNumber: DrawRaysWithNumber(e); return true;
        case GoldRingInSquare:
            DrawLook(e, Ring, 0xFFDD66, 40, 18, 1);
            DrawLook(e, Frame, 0xFFAA44, 30, 18, 1);
            e.EndAt(18);
            return true;
        case BlueFlashWheel:
            DrawLook(e, Flash, 0x2299FF, 24, 20, 1);
            DrawLook(e, Spokes, 0x33CCFF, 50, 20, 12);
            e.EndAt(20);
            return true;
        case RedBoxCross:
            DrawLook(e, Box, 0x3333FF, 50, 18, 2);
            DrawLook(e, Cross, 0x5555FF, 16, 18, 1);
            e.EndAt(18);
            return true;
        case BlueFlashRays:
            DrawLook(e, Flash, 0x1144EE, 30, 18, 1);
            DrawLook(e, Rays, 0x22AAFF, 60, 18, 10);
            e.EndAt(18);
            return true;
        case BlueRingRain:
            DrawLook(e, Ring, 0xFFAA44, 50, 22, 1);
            DrawLook(e, Rain, 0xFFCC88, 50, 22, 10);
            e.EndAt(22);
            return true;
        case GreenSpiralWheel:
            DrawLook(e, Spiral, 0x55EE55, 50, 22, 10);
            DrawLook(e, Spokes, 0x99FF99, 44, 22, 4);
            e.EndAt(22);
            return true;
        case ImpactSpark:
            DrawLook(e, Flash, 0x88FFFF, 12, 8, 1);
            DrawLook(e, Star, 0xFFFFFF, 22, 8, 4);
            e.EndAt(8);
            return true;
        default:
            return false;
    }
}

const Recipe* FindRecipe(EffectKind kind) {
    const int code = KindCode(kind);
    if (code < 0 || code >= kIndexedKinds) return nullptr;
    const int16_t i = kRecipeIndex[static_cast<size_t>(code)];
    return i < 0 ? nullptr : &kRecipes[static_cast<size_t>(i)];
}

constexpr std::array kCombinedKinds{
    // Texts.
    RisingNumber, HealNumber, DriftingText, SinkingText, WavyText, Stars, SlidingText, GrowingText, GoldBigCaption,
    RedBigCaption,
    // Marks, a picture, and looks made of several.
    DaggerMark, SlashMark, RisingPicture, FloodedRing, Shimmer, RaysWithNumber, GoldRingInSquare, BlueFlashWheel,
    RedBoxCross, BlueFlashRays, BlueRingRain, GreenSpiralWheel, ImpactSpark,
};

}  // namespace

bool IsShapeKind(EffectKind kind) {
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
