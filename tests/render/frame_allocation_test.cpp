// Frames must not allocate once what they show has been drawn before. This program counts the
// allocations of the test's own thread while a test asks it to: C++ new on its own, and the
// malloc family, which is what Cairo, Pango and GLib allocate with. Threads of the libraries
// (fontconfig reads its configuration on one) are not the frame's doing and are not counted.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "app/frame.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "render/render_support.h"
#include "support/game_fixture.h"

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t size);
void __libc_free(void* p);
}

namespace {

thread_local bool counting = false;
std::atomic<int> newCalls{0};
std::atomic<int> mallocCalls{0};

}  // namespace

extern "C" void* malloc(size_t size) noexcept {
    if (counting) ++mallocCalls;
    return __libc_malloc(size);
}
extern "C" void* calloc(size_t count, size_t size) noexcept {
    if (counting) ++mallocCalls;
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* p, size_t size) noexcept {
    if (counting) ++mallocCalls;
    return __libc_realloc(p, size);
}
extern "C" void free(void* p) noexcept { __libc_free(p); }

// The replacement pair is malloc and free on both sides; GCC cannot see that through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    if (counting) ++newCalls;
    if (void* p = __libc_malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { __libc_free(p); }
void operator delete(void* p, std::size_t) noexcept { __libc_free(p); }

namespace kestrilon::testing {
namespace {

using enum EffectKind;

class FrameAllocationTest : public GameTest {
protected:
    void SetUp() override {
        Bitmap& composed = g.layers.LayerTable[kLayerComposed];
        composed.Clear(Rgb(40, 30, 60));
        composed.Fill({300, 200, 500, 400}, Rgb(120, 90, 60));
    }
    // What the game frame does around the renderer: the background copy, a cleared overlay
    // and the OR-combine.
    void PlayFrame() {
        g.frame.FrameTick = (g.frame.FrameTick + 1) % 1000;
        g.layers.cg.Copy(g.layers.LayerTable[kLayerComposed], 0, 0, kScreenWidth, kScreenHeight);
        g.layers.bak.Clear(0);
        RenderFrame(g);
        g.layers.cg.OrCombine(g.layers.bak, 0, 0, kScreenWidth, kScreenHeight);
    }
    void StartCounting() {
        newCalls = 0;
        mallocCalls = 0;
        counting = true;
    }
    void StopCounting() { counting = false; }
};

bool IsMover(EffectKind kind) {
    return kind == BulletTracer || kind == ArrowTracer || kind == OrangeMissile || kind == YellowBeam;
}

// Every kind the renderer draws, a batch at a time: the first play of a batch fills the text
// and picture caches, a second play of the very same frames must find everything there.
TEST_F(FrameAllocationTest, EveryKindReplaysWithoutNew) {
    WritePicture(os, "effect.bmp", 24, 0x33AAFF);
    const auto kinds = DrawnEffectKinds();
    constexpr size_t kBatch = 60;
    constexpr int kFrames = 45;
    for (size_t first = 0; first < kinds.size(); first += kBatch) {
        g.effects = EffectTable{};
        for (size_t i = first; i < std::min(first + kBatch, kinds.size()); ++i) {
            const EffectKind kind = kinds[i];
            const int x = 100 + static_cast<int>(i * 37 % 600);
            const int y = 100 + static_cast<int>(i * 53 % 400);
            const bool picture = kind == RisingPicture || kind == PictureInRays || kind == PictureOverScanLines;
            if (IsMover(kind))
                SpawnMover(g, 700, 500, x, y, kind);
            else
                SpawnEffect(g, x, y, kind, picture ? "effect.bmp" : kind == ElementBurst ? "2" : "遠隔耐性");
        }
        const auto start = std::make_unique<EffectTable>(g.effects);
        const Rng looks = g.looks;
        const int tick = g.frame.FrameTick;
        for (int i = 0; i < kFrames; ++i) PlayFrame();

        g.effects = *start;
        g.looks = looks;
        g.frame.FrameTick = tick;
        StartCounting();
        for (int i = 0; i < kFrames; ++i) PlayFrame();
        StopCounting();
        EXPECT_EQ(newCalls.load(), 0) << "batch from kind " << KindCode(kinds[first]) << " (malloc " << mallocCalls << ")";
    }
}

// The log and the texts that stay on screen for many frames are laid out once: later frames
// only blend the stored text, without a call into Cairo or Pango.
TEST_F(FrameAllocationTest, LogCaptionsAndSplashDrawWithoutAllocating) {
    g.dungeon.entered = 1;
    g.script.lines[1] = "続き";  // puts the wait mark after the newest line
    for (int i = 0; i < 14; ++i)
        LogBadge(g, "　スライムに " + std::to_string(100 + i) + "ダメージ与えた!", i % 2 ? "rainbow" : "silver",
                 i % 3 ? 0 : 30, i == 5 ? "hint.bmp" : "");
    for (EffectKind kind : {DamageNumber, RedNumber, MagentaNumber, MulticolourText, RedCaption, Label, ResistanceLabel,
                            BlinkingRedCaption, ElementCaption, Miss, Critical, MintNumber, RisingGreenText,
                            RisingRainbowText, WhiteBigCaption, RedBanner, GoldBanner})
        SpawnEffect(g, 400, 300, kind, "1234");
    for (int i = 0; i < 3; ++i) PlayFrame();
    StartCounting();
    for (int i = 0; i < 5; ++i) PlayFrame();
    StopCounting();
    EXPECT_EQ(mallocCalls.load(), 0) << "game frames";
    EXPECT_EQ(newCalls.load(), 0);

    g.frame.TitleState = TitleCode(TitleState::Splash);
    ComposeFrame(g);
    StartCounting();
    for (int i = 0; i < 3; ++i) ComposeFrame(g);
    StopCounting();
    EXPECT_EQ(mallocCalls.load(), 0) << "splash frames";
}

}  // namespace
}  // namespace kestrilon::testing
