// Counts heap allocations while a refill runs: the refill happens at every menu rebuild
// and must reuse the storage of the previous one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "data/card_database.h"
#include "support/game_fixture.h"

// The replaced operators below pair malloc with free themselves.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
thread_local bool counting = false;
thread_local long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kestrilon {
namespace {

using testing::GameTest;

TEST_F(GameTest, RefillAllocatesNothing) {
    g.player.level = 4;
    g.player.unlockFlags[6] = 1;
    g.player.CardLevel[5] = 2;
    g.player.BookContents[26] = 3;
    FillCardDatabase(g);
    counting = true;
    allocations = 0;
    FillCardDatabase(g);
    FillCardDatabase(g);
    counting = false;
    EXPECT_EQ(allocations, 0);
}

TEST_F(GameTest, PreviewAllocatesNothingOnceFilled) {
    FillCardDatabase(g);
    ASSERT_TRUE(PreviewStrengthening(g, 5));
    counting = true;
    allocations = 0;
    PreviewStrengthening(g, 5);
    counting = false;
    EXPECT_EQ(allocations, 0);
}

}  // namespace
}  // namespace kestrilon
