// A frame of the renderer must not allocate: counts every operator new while it draws.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "render/effects.h"
#include "render/message_log.h"
#include "support/game_fixture.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<int> allocations{0};

}  // namespace

// The replacement pair is malloc and free on both sides; GCC cannot see that through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kestrilon::testing {
namespace {

using FrameAllocationTest = GameTest;

TEST_F(FrameAllocationTest, ABusyFrameAllocatesNothing) {
    g.dungeon.entered = 1;
    g.script.lines[1] = "続き";
    for (int i = 0; i < 14; ++i) LogBadge(g, "　スライムに 123ダメージ与えた!", i % 2 ? "rainbow" : "silver", i, "");
    constexpr int kKinds[] = {0, 1, 2, 4, 5, 6, 8, 16, 17, 18, 20, 22, 23, 24, 26, 97, 162, 213, 255, 301,
                              312, 400, 3, 12, 57, 140, 252, 254, 349, 352, 401, 500, 505, 507, 584, 596};
    for (int i = 0; i < 100; ++i) {
        const EffectKind kind = ToEffectKind(kKinds[i % std::size(kKinds)]);
        SpawnEffect(g, 100 + (i * 37) % 600, 100 + (i * 53) % 400, kind, kind == EffectKind::ElementBurst ? "2" : "遠隔耐性");
    }
    SpawnMover(g, 600, 300, 200, 200, EffectKind::BulletTracer);
    // The first frames fill the text and picture caches; after that nothing new is needed.
    for (int i = 0; i < 3; ++i) RenderFrame(g);
    allocations = 0;
    counting = true;
    for (int i = 0; i < 5; ++i) {
        g.frame.FrameTick = (g.frame.FrameTick + 1) % 1000;
        RenderFrame(g);
    }
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
}

}  // namespace
}  // namespace kestrilon::testing
