#include "render/effects.h"

#include <array>
#include <vector>

#include "render/effect_draw.h"
#include "render/message_log.h"

namespace kestrilon {
namespace {

using enum EffectKind;

// A kind nobody draws would otherwise hold its slot for ever.
constexpr int kUndrawnKindSteps = 60;
// The effect pass leaves the kinds after this one to the overlay pass.
constexpr EffectKind kLastMainPassKind = PaleBlueRays;
constexpr EffectKind kFirstOverlayKind = ElementBurst;

size_t AdvanceRing(EffectTable& fx) {
    fx.ring = fx.ring >= kEffectSlots - 1 ? 0 : fx.ring + 1;
    return static_cast<size_t>(fx.ring);
}

bool HalfSpeed(EffectKind kind) {
    return kind == RainbowText || kind == RisingNumber || (kind >= RisingGreenText && kind <= RisingRainbowText);
}

// Kinds whose playing slot a SpawnEffect may not take.
bool RefusesSpawns(EffectKind kind) {
    return kind == DamageNumber || kind == RisingNumber || kind == Hold || kind == PinkOrbs;
}

// The vertical steps of a bouncing number: up, a short fall past its line, a settle, and a
// slow sink until it ends.
constexpr std::array<int, 10> kBounceSteps = {-12, -12, -10, 6, 4, -3, -2, 3, 2, -1};
int Bounce(int step) {
    if (step >= 0 && step < static_cast<int>(kBounceSteps.size())) return kBounceSteps[static_cast<size_t>(step)];
    return step >= 10 && step <= 99 ? 1 : 0;
}

void DrawEffects(Game& g) {
    EffectTable& fx = g.effects;
    for (int i = 0; i < kEffectSlots; ++i) {
        const size_t s = static_cast<size_t>(i);
        if (fx.timer[s] <= 0) continue;
        const EffectKind kind = ToEffectKind(fx.kind[s]);
        fx.timer[s] += HalfSpeed(kind) ? g.frame.FrameTick % 2 : 1;
        const EffectSlot e{g, i, fx.timer[s], Bounce(fx.timer[s])};
        if (kind > kLastMainPassKind) continue;
        if (!DrawFixedKind(e) && !DrawShapeKind(e)) e.EndAt(kUndrawnKindSteps);
    }
}

void DrawOverlayEffects(Game& g) {
    EffectTable& fx = g.effects;
    for (int i = 0; i < kEffectSlots; ++i) {
        const size_t s = static_cast<size_t>(i);
        const EffectKind kind = ToEffectKind(fx.kind[s]);
        if (fx.timer[s] <= 0 || kind <= kLastMainPassKind) continue;
        const EffectSlot e{g, i, fx.timer[s], Bounce(fx.timer[s])};
        if (kind >= kFirstOverlayKind && DrawOverlayKind(e)) continue;
        if (e.step >= kUndrawnKindSteps) fx.timer[s] = -1;
    }
}

}  // namespace

int CharCount(std::string_view text) {
    int count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

void SpawnEffect(Game& g, int x, int y, EffectKind kind, std::string_view text) {
    EffectTable& fx = g.effects;
    const size_t s = AdvanceRing(fx);
    if (fx.timer[s] >= 1 && RefusesSpawns(ToEffectKind(fx.kind[s]))) return;
    fx.timer[s] = 1;
    fx.x[s] = fx.fromX[s] = x;
    fx.y[s] = fx.fromY[s] = y;
    fx.param1[s] = fx.param2[s] = 0;
    fx.kind[s] = KindCode(kind);
    fx.text[s].assign(text);
    fx.particles[s][0] = 0;
}

void SpawnMover(Game& g, int fromX, int fromY, int toX, int toY, EffectKind kind) {
    EffectTable& fx = g.effects;
    const size_t s = AdvanceRing(fx);
    if (fx.timer[s] >= 1 && ToEffectKind(fx.kind[s]) == Hold) return;
    fx.timer[s] = 1;
    fx.x[s] = toX;
    fx.y[s] = toY;
    fx.fromX[s] = fx.param1[s] = fromX;
    fx.fromY[s] = fx.param2[s] = fromY;
    fx.kind[s] = KindCode(kind);
    fx.particles[s][0] = 0;
}

void RenderFrame(Game& g) {
    DrawLog(g);
    DrawEffects(g);
    DrawOverlayEffects(g);
}

std::span<const EffectKind> DrawnEffectKinds() {
    static const std::vector<EffectKind> kinds = [] {
        std::vector<EffectKind> all;
        for (int code = 0; code < 1000; ++code) {
            const EffectKind kind = ToEffectKind(code);
            if (IsFixedKind(kind) || IsShapeKind(kind) || IsOverlayKind(kind)) all.push_back(kind);
        }
        return all;
    }();
    return kinds;
}

}  // namespace kestrilon
