#include <gtest/gtest.h>

#include <cmath>

#include "data/card_database.h"
#include "render/colour.h"
#include "render/effects.h"
#include "render/render_support.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

using enum EffectKind;

class OverlayTest : public GameTest {
protected:
    void Frame() {
        g.frame.FrameTick = (g.frame.FrameTick + 1) % 1000;
        g.layers.cg.Clear(0);
        g.layers.bak.Clear(0);
        RenderFrame(g);
    }
    EffectTable& fx = g.effects;
};

struct Particle {
    int angle, x, y, distance, speed, length, life;
};

TEST_F(OverlayTest, BurstOfStrengthZeroDrawsAllTwentyParticles) {
    g.battle.chainElement = 2;
    fx.ring = kEffectSlots - 1;
    SpawnEffect(g, 300, 250, ElementBurst, "0");
    // The same rolls, in the same order, give the particles the burst must hold.
    Rng replay = g.looks;
    std::array<Particle, 20> expected{};
    for (Particle& p : expected) {
        p.angle = replay.Roll(360);
        p.x = 300;
        p.y = 250;
        p.length = replay.Roll(10) + 6;
        p.life = replay.Roll(9) + 1;
        p.speed = replay.Roll(5) + p.length;
        p.distance = replay.Roll(10) + 20;
        p.life += 1;
        p.speed = std::max(1, p.speed - p.speed / 3 - 1);
        p.distance += p.speed;
        p.length = std::max(1, p.length - p.length / 4 - 1);
    }
    Frame();
    ASSERT_EQ(fx.particles[0][0], 1);
    for (int i = 0; i < 20; ++i) {
        const int* p = &fx.particles[0][static_cast<size_t>(3 + i * 11)];
        const Particle& e = expected[static_cast<size_t>(i)];
        EXPECT_EQ(p[0], e.angle) << i;
        EXPECT_EQ(p[1], e.x);
        EXPECT_EQ(p[2], e.y);
        EXPECT_EQ(p[3], e.distance) << i;
        EXPECT_EQ(p[4], e.speed) << i;
        EXPECT_EQ(p[5], e.length) << i;
        EXPECT_EQ(p[6], e.life) << i;
        // Each streak is lit in the fire colour shifted by its life: its middle point shows it.
        const double a = e.angle * 3.1415 / 180.0;
        const int mx = 300 + static_cast<int>(std::cos(a) * e.distance);
        const int my = 250 + static_cast<int>(std::sin(a) * e.distance);
        EXPECT_TRUE(AnyLit(g.layers.bak, {mx - 2, my - 2, mx + 3, my + 3})) << "particle " << i;
    }
    for (int step = 3; step < 12; ++step) {
        Frame();
        ASSERT_GT(fx.timer[0], 0) << "step " << step;
    }
    Frame();
    EXPECT_EQ(fx.timer[0], -1);
}

// A particle's end points are cut to whole pixels where they land, origin included: on the
// left of the origin that is one pixel further out than cutting the offset alone.
TEST_F(OverlayTest, BurstCutsTheFinalCoordinateToWholePixels) {
    g.battle.chainElement = 2;
    fx.ring = kEffectSlots - 1;
    SpawnEffect(g, 400, 300, ElementBurst, "0");
    auto& block = fx.particles[0];
    block[0] = 1;  // set up already, with a single live particle pointing left
    for (int i = 0; i < 20; ++i) block[static_cast<size_t>(3 + i * 11 + 6)] = 0;
    int* p = &block[3];
    p[0] = 180;  // angle
    p[1] = 400;  // origin
    p[2] = 300;
    p[3] = 40;  // distance, speed, length, life
    p[4] = 3;
    p[5] = 5;
    p[6] = 5;
    Frame();
    // Now distance 41 and length 3: the streak runs from 38 to 44 pixels left of the origin,
    // that is from x 362.0000002 to 356.0000002, one pixel wide in the plain element colour.
    Canvas expected(kScreenWidth, kScreenHeight);
    expected.Line(362, 300, 356, 300, ElementColour(2), 1);
    for (int y = 295; y < 305; ++y)
        for (int x = 340; x < 400; ++x) ASSERT_EQ(g.layers.bak.Pixel(x, y), expected.Pixel(x, y)) << x << ", " << y;
}

// All strokes of a tracer lie on its path in the one colour of the step, ShiftColour(cycle
// colour, -10 x step), and at the width of the step, (7 - step) / 2 but at least 1.
TEST_F(OverlayTest, TracerStrokesShareTheColourAndWidthOfTheirStep) {
    struct Tracer {
        EffectKind kind;
        std::array<Colour, 6> cycle;  // by (step - 2) mod 6
    };
    for (const Tracer& t : {Tracer{BulletTracer, {0xE1DC00, 0x00FF00, 0x7BC41A, 0x879827, 0x857C2C, 0x6B5A34}},
                            Tracer{ArrowTracer, {0x70D7FE, 0x0062C4, 0x0080FF, 0x33D7FF, 0x36ADFC, 0x4099FD}}}) {
        fx = EffectTable{};
        fx.ring = kEffectSlots - 1;
        SpawnMover(g, 100, 300, 460, 300, t.kind);
        for (int step = 2; step <= 6; ++step) {
            Frame();
            Canvas expected(kScreenWidth, kScreenHeight);
            expected.Line(100, 300, 460, 300, ShiftColour(t.cycle[static_cast<size_t>(step - 2)], -10 * step),
                          std::max(1, (7 - step) / 2));
            // Short of the impact at the far end.
            for (int y = 290; y < 310; ++y)
                for (int x = 90; x < 430; ++x)
                    ASSERT_EQ(g.layers.bak.Pixel(x, y), expected.Pixel(x, y))
                        << KindCode(t.kind) << " step " << step << " at " << x << ", " << y;
        }
    }
}

TEST_F(OverlayTest, TracersSetOffTheirImpactAtStepTwoWhateverTheDistance) {
    for (EffectKind kind : {BulletTracer, ArrowTracer}) {
        for (int distance : {0, 1, 400}) {
            fx = EffectTable{};
            fx.ring = kEffectSlots - 1;
            SpawnMover(g, 200, 300, 200 + distance, 300, kind);
            Frame();
            EXPECT_EQ(fx.kind[1], KindCode(ImpactSpark)) << KindCode(kind) << " over " << distance;
            EXPECT_EQ(fx.x[1], 200 + distance);
            EXPECT_EQ(fx.y[1], 300);
            EXPECT_TRUE(AnyLit(g.layers.bak, {190, 290, 220 + distance, 310}));
            int frames = 1;
            while (fx.timer[0] > 0 && frames < 20) {
                Frame();
                ++frames;
            }
            EXPECT_EQ(frames, 5) << "ends after step 6";
            int impacts = 0;
            for (int s = 1; s < kEffectSlots; ++s) impacts += fx.kind[s] == KindCode(ImpactSpark);
            EXPECT_EQ(impacts, 1);
        }
    }
}

TEST_F(OverlayTest, BigBannersAreRedOrGoldAndDriftAwayAfterStep30) {
    for (auto [kind, caption] : {std::pair{RedBanner, Colour{0x0000FF}}, std::pair{GoldBanner, Colour{0x00EEFF}}}) {
        fx = EffectTable{};
        fx.ring = kEffectSlots - 1;
        SpawnEffect(g, 0, 200, kind, "勝利");
        Frame();
        EXPECT_TRUE(HasColour(g.layers.bak, {300, 150, 500, 250}, caption)) << KindCode(kind);
        EXPECT_FALSE(AnyLit(g.layers.bak, {0, 0, 250, 600})) << "centred on the middle column";
        const int size = fx.param1[0];
        for (int step = 3; step < 30; ++step) Frame();
        EXPECT_EQ(fx.y[0], 200);
        EXPECT_EQ(fx.param1[0], size);
        Frame();
        Frame();
        EXPECT_LT(fx.param1[0], size);
        EXPECT_LT(fx.y[0], 200);
        int frames = 30;
        while (fx.timer[0] > 0 && frames < 100) {
            Frame();
            ++frames;
        }
        EXPECT_EQ(frames, 59) << "ends after step 60";
    }
}

}  // namespace
}  // namespace kestrilon::testing
