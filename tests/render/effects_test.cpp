#include "render/effects.h"

#include <gtest/gtest.h>

#include "render/colour.h"
#include "render/render_support.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

using enum EffectKind;

class EffectsTest : public GameTest {
protected:
    void Frame() {
        g.frame.FrameTick = g.frame.FrameTick >= 999 ? 0 : g.frame.FrameTick + 1;
        g.layers.cg.Clear(0);
        g.layers.bak.Clear(0);
        RenderFrame(g);
    }
    // Frames until the slot is free again, at most limit.
    int FramesToLive(int slot, int limit = 2000) {
        for (int n = 1; n <= limit; ++n) {
            Frame();
            if (g.effects.timer[static_cast<size_t>(slot)] <= 0) return n;
        }
        return -1;
    }
    // Spawns into slot (the ring lands there next).
    void SpawnAt(int slot, int x, int y, EffectKind kind, std::string_view text) {
        g.effects.ring = slot == 0 ? kEffectSlots - 1 : slot - 1;
        SpawnEffect(g, x, y, kind, text);
    }
    EffectTable& fx = g.effects;
};

TEST_F(EffectsTest, SpawnsWalkTheRingAndOverwriteTheOldest) {
    for (int i = 0; i < kEffectSlots; ++i) SpawnEffect(g, i, 10, RedCaption, "x");
    EXPECT_EQ(fx.ring, 0);
    EXPECT_EQ(fx.x[1], 0);
    EXPECT_EQ(fx.x[0], 99);
    SpawnEffect(g, 500, 20, Label, "new");
    EXPECT_EQ(fx.ring, 1);
    EXPECT_EQ(fx.x[2], 1);
    EXPECT_EQ(fx.x[1], 500);
    EXPECT_EQ(fx.kind[1], KindCode(Label));
    EXPECT_EQ(fx.text[1], "new");
    EXPECT_EQ(fx.timer[1], 1);
}

TEST_F(EffectsTest, PlayingProtectedKindsRefuseASpawnButTheRingMovesOn) {
    for (EffectKind kind : {DamageNumber, RisingNumber, Hold, PinkOrbs}) {
        fx.timer[5] = 0;
        SpawnAt(5, 1, 2, kind, "7");
        fx.param1[5] = 42;
        SpawnAt(5, 300, 300, RedCaption, "caption");
        EXPECT_EQ(fx.ring, 5) << KindCode(kind);
        EXPECT_EQ(fx.kind[5], KindCode(kind));
        EXPECT_EQ(fx.param1[5], 42);
        SpawnEffect(g, 300, 300, RedCaption, "caption");
        EXPECT_EQ(fx.kind[6], KindCode(RedCaption)) << "the next spawn takes the following slot";
    }
    // Once the protected effect has ended its slot is free for anyone.
    fx.timer[5] = 0;
    SpawnAt(5, 300, 300, RedCaption, "caption");
    EXPECT_EQ(fx.kind[5], KindCode(RedCaption));
}

TEST_F(EffectsTest, MoversAreRefusedOnlyByKind173) {
    SpawnAt(3, 1, 2, DamageNumber, "9");
    fx.particles[4][0] = 1;
    fx.text[4] = "kept";
    fx.ring = 2;
    SpawnMover(g, 10, 20, 30, 40, BulletTracer);
    EXPECT_EQ(fx.kind[3], KindCode(BulletTracer));
    EXPECT_EQ(fx.fromX[3], 10);
    EXPECT_EQ(fx.param1[3], 10);
    EXPECT_EQ(fx.fromY[3], 20);
    EXPECT_EQ(fx.param2[3], 20);
    EXPECT_EQ(fx.x[3], 30);
    EXPECT_EQ(fx.y[3], 40);
    SpawnMover(g, 0, 0, 5, 5, ArrowTracer);
    EXPECT_EQ(fx.text[4], "kept");
    EXPECT_EQ(fx.particles[4][0], 0);

    SpawnAt(7, 1, 2, Hold, "");
    fx.ring = 6;
    SpawnMover(g, 0, 0, 5, 5, ArrowTracer);
    EXPECT_EQ(fx.kind[7], KindCode(Hold));
    EXPECT_EQ(fx.ring, 7);
}

TEST_F(EffectsTest, SomeKindsAdvanceOnlyEveryOtherFrame) {
    // Frame() counts FrameTick 1, 2, 3 ...: the odd frames advance the slow kinds.
    g.frame.FrameTick = 0;
    SpawnAt(0, 400, 300, RedCaption, "caption");
    EXPECT_EQ(FramesToLive(0), 81);
    g.frame.FrameTick = 0;
    SpawnAt(0, 400, 300, RainbowText, "rainbow");
    EXPECT_EQ(FramesToLive(0), 65);
    EXPECT_TRUE(fx.text[0].empty());
    g.frame.FrameTick = 0;
    SpawnAt(0, 400, 300, RisingNumber, "12");
    EXPECT_EQ(FramesToLive(0), 77);
    // A coloured text at y 0 is off the top once it has risen ten pixels: step 10.
    g.frame.FrameTick = 0;
    SpawnAt(0, 400, 0, RisingPurpleText, "rise");
    EXPECT_EQ(FramesToLive(0), 17);
}

TEST_F(EffectsTest, WeaknessLabelsShowAndLaterSlotsStillPlay) {
    for (EffectKind kind : {WeaknessLabel, ResistanceLabel, Label2, Label3, Label4}) {
        SpawnAt(1, 200, 200, kind, "魔法耐性");
        SpawnAt(2, 600, 300, DamageNumber, "77");
        SpawnAt(3, 400, 400, ElementBurst, "1");
        Frame();
        EXPECT_EQ(fx.timer[1], 2) << KindCode(kind);
        EXPECT_EQ(fx.timer[2], 2);
        EXPECT_EQ(fx.particles[3][0], 1) << "the overlay pass ran";
        EXPECT_TRUE(AnyLit(g.layers.cg, {170, 208, 230, 226})) << "label 10 pixels below the point";
        EXPECT_TRUE(AnyLit(g.layers.cg, {580, 280, 620, 310})) << "the number after it";
        EXPECT_EQ(FramesToLive(1), 40);
    }
}

TEST_F(EffectsTest, MissAndCriticalBounce) {
    SpawnAt(0, 300, 300, Miss, "");
    Frame();
    EXPECT_EQ(fx.y[0], 310);  // step 2 bounces by -10 and Miss rises against it
    Frame();
    EXPECT_EQ(fx.y[0], 304);
    EXPECT_TRUE(AnyLit(g.layers.bak, {300, 270, 380, 300}));
    SpawnAt(1, 300, 300, Critical, "");
    Frame();
    EXPECT_EQ(fx.y[1], 290);
    EXPECT_EQ(FramesToLive(1), 20);
}

TEST_F(EffectsTest, LargeNumberOptionEnlargesLongDamageNumbers) {
    auto drawnWidth = [&](std::string_view number) {
        SpawnAt(0, 400, 300, DamageNumber, number);
        Frame();
        int left = 800, right = 0;
        for (int y = 270; y < 320; ++y)
            for (int x = 300; x < 500; ++x)
                if (g.layers.cg.Pixel(x, y) != 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        fx.timer[0] = 0;
        return right - left;
    };
    const int plain = drawnWidth("12345");
    const int shortPlain = drawnWidth("123");
    g.player.largeNumbers = 1;
    EXPECT_GT(drawnWidth("12345"), plain);
    EXPECT_EQ(drawnWidth("123"), shortPlain);
}

TEST_F(EffectsTest, BigCaptionShrinksUntilItFitsTheScreen) {
    const std::string caption = "秘宝ダイヤモンドの指輪入手!!";
    SpawnAt(0, 400, 200, WhiteBigCaption, caption);
    Frame();
    const int size = fx.param1[0];
    EXPECT_LT(size, 80);
    EXPECT_EQ(fx.param2[0], 15);
    EXPECT_LE(g.layers.bak.TextWidth(caption, Font{kMincho, size, true, false}), kScreenWidth);
    EXPECT_GT(g.layers.bak.TextWidth(caption, Font{kMincho, size + 1, true, false}), kScreenWidth);
    EXPECT_TRUE(HasColour(g.layers.bak, {0, 100, 800, 300}, ShiftColour(0xFFFFFF, -14)));
    EXPECT_EQ(FramesToLive(0), 33);
}

TEST_F(EffectsTest, SpawnerKindsSetOffFurtherEffects) {
    for (EffectKind kind : {GoldFlashWithRings, GoldBandWithText, VioletRingWithBubbles, BlueFlashWithRings,
                            PaleBoltWithSparks, GoldSparksWithFlashes, RedRipplesWithRings, PaleRipplesWithSparks,
                            RedBarsWithCaption, DarkRedBandWithCaption}) {
        fx = EffectTable{};
        SpawnAt(0, 400, 300, kind, "LEVEL UP→5");
        for (int i = 0; i < 40 && fx.timer[0] > 0; ++i) Frame();
        int children = 0;
        for (int s = 1; s < kEffectSlots; ++s)
            if (fx.kind[s] != 0 || fx.timer[s] != 0) ++children;
        EXPECT_GE(children, 1) << KindCode(kind);
    }
    fx = EffectTable{};
    SpawnAt(0, 0, 200, GoldBandWithText, "LEVEL UP→5");
    Frame();
    EXPECT_EQ(fx.kind[1], KindCode(SlidingText));
    EXPECT_EQ(fx.text[1], "LEVEL UP→5");
}

// Every kind with a look of its own draws something and frees its slot by itself.
TEST_F(EffectsTest, EveryDrawnKindShowsAndEnds) {
    WritePicture(os, "effect.bmp", 24, 0x33AAFF);
    g.layers.LayerTable[kLayerComposed].Resize(800, 600);
    g.layers.LayerTable[kLayerComposed].Clear(0x406080);
    const auto kinds = DrawnEffectKinds();
    EXPECT_GE(kinds.size(), 200u);
    for (EffectKind kind : kinds) {
        fx = EffectTable{};
        if (kind == BulletTracer || kind == ArrowTracer || kind == OrangeMissile || kind == YellowBeam) {
            fx.ring = kEffectSlots - 1;
            SpawnMover(g, 200, 400, 500, 250, kind);
        } else {
            const bool picture = kind == RisingPicture || kind == PictureInRays || kind == PictureOverScanLines;
            SpawnAt(0, 400, 300, kind, picture ? "effect.bmp" : kind == ElementBurst ? "3" : "123");
        }
        bool lit = false;
        int frames = 0;
        while (fx.timer[0] > 0 && frames < 800) {
            g.frame.FrameTick = (g.frame.FrameTick + 1) % 1000;
            g.layers.cg.Clear(kind == Shimmer ? 0x808080 : 0);
            g.layers.bak.Clear(0);
            RenderFrame(g);
            ++frames;
            if (!lit) lit = AnyLit(g.layers.bak, {0, 0, 800, 600}) ||
                            (kind != Shimmer && AnyLit(g.layers.cg, {0, 0, 800, 600}));
        }
        EXPECT_TRUE(lit) << "kind " << KindCode(kind);
        EXPECT_LE(fx.timer[0], 0) << "kind " << KindCode(kind) << " still playing after " << frames;
    }
}

// Sparks, flicker and the spread of spawned children come from the cosmetic stream: playing
// every kind leaves the game's own rolls exactly where they were.
TEST_F(EffectsTest, PlayingEveryKindLeavesTheGameStreamAlone) {
    const Rng before = g.rng;
    for (EffectKind kind : DrawnEffectKinds()) {
        SpawnEffect(g, 400, 300, kind, kind == ElementBurst ? "2" : "12");
        SpawnMover(g, 100, 500, 400, 300, kind);
        for (int i = 0; i < 25; ++i) Frame();
    }
    Rng expected = before;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g.rng.Next(), expected.Next());
}

TEST_F(EffectsTest, KindsNobodyDrawsStillFreeTheirSlots) {
    SpawnAt(0, 10, 10, Hold, "");
    SpawnAt(1, 10, 10, ToEffectKind(480), "");
    SpawnAt(2, 10, 10, ToEffectKind(999), "");
    for (int i = 0; i < 80; ++i) Frame();
    EXPECT_LE(fx.timer[0], 0);
    EXPECT_LE(fx.timer[1], 0);
    EXPECT_LE(fx.timer[2], 0);
}

}  // namespace
}  // namespace kestrilon::testing
