#pragma once
#include <cstdint>

namespace kestrilon {

// The seed of the cosmetic stream that goes with a game seed: a stream of its own, yet the
// same looks for the same game.
constexpr uint64_t LooksSeed(uint64_t gameSeed) { return gameSeed ^ 0x6A09E667F3BCC909ull; }

// xoshiro256** seeded through splitmix64; Roll maps it to 0 .. n-1 with our own
// arithmetic so that a seed gives the same game with every compiler and library.
class Rng {
public:
    explicit Rng(uint64_t seed = 1) { Seed(seed); }

    void Seed(uint64_t seed) {
        for (auto& word : state_) {
            seed += 0x9E3779B97F4A7C15ull;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    uint64_t Next() {
        const uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return result;
    }

    // Uniform integer 0 .. n-1; 0 for n <= 0.
    int Roll(int n) {
        if (n <= 0) return 0;
        __extension__ typedef unsigned __int128 Wide;
        const Wide wide = static_cast<Wide>(Next()) * static_cast<uint64_t>(n);
        return static_cast<int>(wide >> 64);
    }

private:
    static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t state_[4]{};
};

}  // namespace kestrilon
