#pragma once
// Deterministic randomness for the generated assets: the same name always gives the same
// picture or sound, on every machine, so nothing depends on the standard distributions.
#include <cstdint>
#include <string_view>

namespace kestrilon::assets {

// FNV-1a over the bytes of a name.
constexpr uint64_t NameSeed(std::string_view name) {
    uint64_t h = 14695981039346656037ull;
    for (char c : name) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

// SplitMix64: small, fast and good enough for textures and noise.
class Random {
public:
    explicit constexpr Random(uint64_t seed) : state_(seed) {}
    explicit constexpr Random(std::string_view name) : state_(NameSeed(name)) {}

    constexpr uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (0 for n <= 0).
    constexpr int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    // [0, 1)
    constexpr double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    constexpr double Range(double low, double high) { return low + (high - low) * Unit(); }
    // -1 .. 1, for audio noise.
    constexpr double Signed() { return Unit() * 2.0 - 1.0; }

private:
    uint64_t state_;
};

}  // namespace kestrilon::assets
