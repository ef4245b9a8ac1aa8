#pragma once
// A small synthesizer for the sound effects: each effect is a handful of tones
// (oscillators or noise with a glide, an envelope and a filter), mixed, echoed and
// written as 16-bit mono PCM.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace kestrilon::assets {

constexpr int kEffectRate = 44100;

enum class Osc : uint8_t { Sine, Triangle, Square, Saw, Noise, Metal };

struct Tone {
    double start = 0;       // seconds from the start of the effect
    double length = 0.1;    // seconds, the release included
    Osc osc = Osc::Sine;
    double freq = 440;      // Hz at the start (noise: ignored)
    double freqEnd = 0;     // Hz at the end, an exponential glide; 0 keeps freq
    double gain = 0.5;
    double attack = 0.003;  // seconds
    double decay = 0;       // time constant of an exponential decay; 0 holds the level
    double cutoff = 0;      // low-pass in Hz at the start; 0 = open
    double cutoffEnd = 0;   // low-pass at the end; 0 keeps cutoff
    double highpass = 0;    // Hz; 0 = none
    double vibrato = 0;     // depth in semitones
    double vibratoRate = 6; // Hz
};

struct EffectRecipe {
    std::vector<Tone> tones;
    double echoDelay = 0;     // seconds; 0 = no echo
    double echoFeedback = 0;  // 0..1
    double level = 0.75;      // peak of the finished effect, full scale 1
};

// Mixes the tones, brings the peak to the recipe's level and ends in silence.
std::vector<int16_t> RenderEffect(const EffectRecipe& recipe, uint64_t seed);
bool WriteWav(const std::filesystem::path& file, std::span<const int16_t> samples, int rate, int channels = 1);

// The recipe for a wave file name; names the tool does not know get a short chime of
// their own.
EffectRecipe EffectFor(std::string_view name);
// The names that have a recipe written for them.
std::vector<std::string_view> EffectRecipeNames();

}  // namespace kestrilon::assets
