#pragma once
// The table of short-lived screen effects.
#include <array>
#include <string>

namespace kestrilon {

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

}  // namespace kestrilon
