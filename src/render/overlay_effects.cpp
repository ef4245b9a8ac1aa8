#include <algorithm>
#include <array>
#include <cmath>

#include "data/card_database.h"
#include "render/colour.h"
#include "render/effect_draw.h"
#include "render/effects.h"
#include "render/pictures.h"
#include "text/text.h"

namespace kestrilon {
namespace {

using enum Look;
using enum EffectKind;

constexpr double kPi = 3.1415;

// The burst's scratch block: a header of three values, then 20 particles of 11 values.
constexpr int kBurstParticles = 20;
constexpr int kHeader = 3;
constexpr int kParticleStride = 11;
enum ParticleField { kAngle, kOriginX, kOriginY, kDistance, kSpeed, kLength, kLife };

void EndOverlay(const EffectSlot& e, int lastStep) {
    if (e.step >= lastStep) e.timer() = -1;
}

// The whole coordinate is cut toward zero, origin included, not only the offset.
Point AlongAngle(const int* particle, int r) {
    const double a = particle[kAngle] * kPi / 180.0;
    return {static_cast<int>(particle[kOriginX] + std::cos(a) * r), static_cast<int>(particle[kOriginY] + std::sin(a) * r)};
}

void Burst(const EffectSlot& e) {
    const int s = IntOr0(e.text());
    auto& block = e.fx().particles[static_cast<size_t>(e.slot)];
    if (block[0] == 0) {
        for (int i = 0; i < kBurstParticles; ++i) {
            int* p = &block[static_cast<size_t>(kHeader + i * kParticleStride)];
            p[kAngle] = e.g.looks.Roll(360);
            p[kOriginX] = e.x();
            p[kOriginY] = e.y();
            p[kLength] = e.g.looks.Roll(3 * s + 10) + 6 * s + 6;
            p[kLife] = e.g.looks.Roll(9) + 1;
            p[kSpeed] = e.g.looks.Roll(5) + p[kLength] + 8 * s;
            p[kDistance] = e.g.looks.Roll(10) + 3 * s + 20;
        }
        block[0] = 1;
    }
    const Colour base = ElementColour(e.g.battle.chainElement);
    for (int i = 0; i < kBurstParticles; ++i) {
        int* p = &block[static_cast<size_t>(kHeader + i * kParticleStride)];
        if (p[kLife] <= 0) continue;
        p[kLife] += 1;
        p[kSpeed] = std::max(1, p[kSpeed] - p[kSpeed] / 3 - 1);
        p[kDistance] += p[kSpeed];
        p[kLength] = std::max(1, p[kLength] - p[kLength] / 4 - 1);
        const Point a = AlongAngle(p, p[kDistance] - p[kLength]);
        const Point b = AlongAngle(p, p[kDistance] + p[kLength]);
        e.bak().Line(a.x, a.y, b.x, b.y, ShiftColour(base, 108 - 18 * p[kLife]), std::max(1, s - p[kLife] + 5));
    }
    EndOverlay(e, 12);
}

constexpr std::array<Colour, 6> kBulletColours{0xE1DC00, 0x00FF00, 0x7BC41A, 0x879827, 0x857C2C, 0x6B5A34};
constexpr std::array<Colour, 6> kArrowColours{0x70D7FE, 0x0062C4, 0x0080FF, 0x33D7FF, 0x36ADFC, 0x4099FD};

// A projectile's trail from its source to its point: six strokes of a sixth of the path each,
// then one line along the whole path, all in the colour and width of the step; the impact
// goes off at step 2. The colour cycles with (step - 2) mod 6; index 0 is also the colour of
// any step before 2, whose remainder is negative.
void Tracer(const EffectSlot& e, const std::array<Colour, 6>& colours) {
    const int step = e.step;
    const int pen = std::max(1, (7 - step) / 2);
    const int phase = std::max(0, (step - 2) % 6);
    const Colour colour = ShiftColour(colours[static_cast<size_t>(phase)], -10 * step);
    const int x0 = e.fromX();
    const int y0 = e.fromY();
    const int dx = e.x() - x0;
    const int dy = e.y() - y0;
    for (int k = 0; k < 6; ++k)
        e.bak().Line(x0 + dx * k / 6, y0 + dy * k / 6, x0 + dx * (k + 1) / 6, y0 + dy * (k + 1) / 6, colour, pen);
    e.bak().Line(x0, y0, e.x(), e.y(), colour, pen);
    EndOverlay(e, 6);
    if (step == 2) SpawnEffect(e.g, e.x(), e.y(), ImpactSpark, "");
}

// Red or golden banner: it holds still, then from step 30 shrinks and drifts upwards.
void BigBanner(const EffectSlot& e, Colour shadow, Colour caption) {
    if (e.step == 2) {
        e.param1() = 40;
        e.param2() = 0;
    }
    if (e.step >= 30) {
        e.param1() = std::max(8, e.param1() - 1);
        e.param2() -= 1;
        e.y() += e.param2() / 3 - 1;
    }
    const Font font{kMincho, std::max(e.param1(), 1), true, false};
    const Size extent = e.bak().TextExtent(e.text(), font);
    e.bak().Text(403 - extent.width / 2, e.y() - extent.height / 2 + 3, e.text(), font, shadow);
    e.bak().Text(400 - extent.width / 2, e.y() - extent.height / 2, e.text(), font, caption);
    EndOverlay(e, 60);
}

void PictureWithLines(const EffectSlot& e, Look lines, Colour colour, int slide) {
    DrawLook(e, lines, colour, 80, 20, 12);
    const Bitmap& picture = PictureCacheGet(e.g, e.text());
    if (!picture.Empty())
        e.bak().Draw(picture, e.x() - picture.Width() / 2 + slide, e.y() - picture.Height() / 2);
    EndOverlay(e, 20);
}

constexpr std::array kOverlayRecipes{
    Recipe{PaleCyanRing,            Ring,     0xFFFF88,  50, 16,  1},
    Recipe{PinkRipples,             Ripples,  0xFF99FF,  60, 20,  3},
    Recipe{LimePulse,               Pulse,    0x88FFCC,  50, 24,  1},
    Recipe{PeachOrbs,               Orbit,    0x66AAFF,  40, 22,  6},
    Recipe{LargeWhiteClosingRing,   Implode,  0xFFFFFF,  70, 16,  1},
    Recipe{CoralFlash,              Flash,    0x4466FF,  50, 14,  1},
    Recipe{PaleBlueRipples,         Ripples,  0xFFDD88,  70, 26,  4},
    Recipe{PaleBubbles,             Bubbles,  0xFFEE99,  40, 24, 10},
    Recipe{PalePinkSpiral,          Spiral,   0xFFAAFF,  60, 24, 12},
    Recipe{PaleYellowRays,          Rays,     0xAAFFFF,  70, 16, 14},
    Recipe{BlueInwardRays,          Converge, 0xFFCC66,  80, 18, 16},
    Recipe{SkyRain,                 Rain,     0xFFBB66,  50, 22, 12},
    Recipe{TanPillar,               Pillar,   0x66AACC,  50, 22,  1},
    Recipe{PaleWheel,               Spokes,   0xFFEECC,  50, 20,  8},
    Recipe{PaleYellowStar,          Star,     0xCCFFFF,  80, 18,  8},
    Recipe{ScarletClosingSquares,   Box,      0x2222FF,  60, 24,  5},
    Recipe{DeepBlueBars,            Shutter,  0xFF6633,  50, 20,  6},
    Recipe{PurpleBlocks,            Blocks,   0xCC44AA,  50, 20, 10},
    Recipe{RedSquareWithBursts,     Frame,    0x3355FF,  60, 20,  1},
    Recipe{BlueBarsWithRings,       Shutter,  0xFFCC44,  50, 24,  8},
};

const Recipe* FindOverlayRecipe(EffectKind kind) {
    for (const Recipe& r : kOverlayRecipes)
        if (r.kind == kind) return &r;
    return nullptr;
}

}  // namespace

bool IsOverlayKind(EffectKind kind) {
    return kind == ElementBurst || kind == PictureInRays || kind == PictureOverScanLines || kind == RedBanner ||
           kind == GoldBanner || kind == BulletTracer || kind == ArrowTracer || kind == GreyDagger ||
           kind == RedRingsAndRays || FindOverlayRecipe(kind) != nullptr;
}

bool DrawOverlayKind(const EffectSlot& e) {
    switch (e.kind()) {
        case ElementBurst: Burst(e); return true;
        case BulletTracer: Tracer(e, kBulletColours); return true;
        case ArrowTracer: Tracer(e, kArrowColours); return true;
        case RedBanner: BigBanner(e, 0x000033, 0x0000FF); return true;
        case GoldBanner: BigBanner(e, 0x002233, 0x00EEFF); return true;
        case PictureInRays: PictureWithLines(e, Converge, 0xFFDDAA, 0); return true;
        case PictureOverScanLines: PictureWithLines(e, Scan, 0xAADDFF, 40 - e.step * 4); return true;
        case GreyDagger:
            DrawLook(e, Ripples, 0x999999, 60, 30, 3);
            e.bak().Text(e.x() - 10, e.y() - 16 - e.step / 3, "†", Font{kGothic, 24, true, false},
                         ShiftColour(0xEEEEEE, -e.step * 4));
            EndOverlay(e, 30);
            return true;
        case RedRingsAndRays:
            DrawLook(e, Ripples, 0x3333FF, 70, 24, 3);
            DrawLook(e, Rays, 0x2222CC, 60, 24, 12);
            EndOverlay(e, 24);
            return true;
        default:
            break;
    }
    const Recipe* r = FindOverlayRecipe(e.kind());
    if (!r) return false;
    DrawLook(e, r->look, r->colour, r->size, r->steps, r->count);
    EndOverlay(e, r->steps);
    // The two rectangle kinds set off bursts and rings as they open.
    if (e.kind() == RedSquareWithBursts && (e.step == 4 || e.step == 10))
        SpawnEffect(e.g, e.x() + e.g.looks.Roll(61) - 30, e.y() + e.g.looks.Roll(41) - 20, ElementBurst, "1");
    if (e.kind() == BlueBarsWithRings && (e.step == 4 || e.step == 12))
        SpawnEffect(e.g, e.x() + e.g.looks.Roll(61) - 30, e.y(), PaleCyanRing, "");
    return true;
}

}  // namespace kestrilon
