#pragma once
// The table of short-lived screen effects and the renderer that draws them.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace kestrilon {

struct Game;

constexpr int kEffectSlots = 100;
constexpr int kParticleInts = 230;

struct EffectTable {
    // Room for the longest caption up front, so spawning during a frame does not allocate.
    EffectTable() {
        for (std::string& t : text) t.reserve(96);
    }

    std::array<int, kEffectSlots> timer{};
    std::array<int, kEffectSlots> kind{};
    std::array<int, kEffectSlots> x{};
    std::array<int, kEffectSlots> y{};
    std::array<int, kEffectSlots> fromX{};
    std::array<int, kEffectSlots> fromY{};
    std::array<int, kEffectSlots> param1{};
    std::array<int, kEffectSlots> param2{};
    std::array<std::string, kEffectSlots> text;
    std::array<std::array<int, kParticleInts>, kEffectSlots> particles{};
    int ring = 0;
};

void SpawnEffect(Game& g, int x, int y, int kind, std::string_view text);
void SpawnMover(Game& g, int fromX, int fromY, int toX, int toY, int kind);
// Log, then the effect pass, then the overlay pass; once per frame.
void RenderFrame(Game& g);

// Every kind that draws something of its own, in ascending order (for tools and tests).
std::span<const int> DrawnEffectKinds();

}  // namespace kestrilon
