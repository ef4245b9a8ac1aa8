#include "wave_synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

#include "procedural.h"

namespace kestrilon::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRelease = 0.006;  // every tone ends with a short ramp, so none clicks
constexpr double kPeak = 0.89;

// Partials of a small bell or coin, after the modes of a struck plate.
constexpr double kMetalRatios[] = {1.0, 2.76, 5.40, 8.93};
constexpr double kMetalWeights[] = {1.0, 0.55, 0.3, 0.15};

double Oscillator(Osc osc, double phase) {
    const double p = phase - std::floor(phase);
    switch (osc) {
        case Osc::Sine: return std::sin(2 * kPi * p);
        case Osc::Triangle: return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
        case Osc::Square: return p < 0.5 ? 0.8 : -0.8;
        case Osc::Saw: return 2 * p - 1;
        default: return 0;
    }
}

double OnePoleCoefficient(double cutoff) { return 1.0 - std::exp(-2 * kPi * cutoff / kEffectRate); }

void RenderTone(const Tone& tone, Random& random, std::vector<double>& mix) {
    const size_t first = static_cast<size_t>(std::lround(tone.start * kEffectRate));
    const size_t count = static_cast<size_t>(std::lround(tone.length * kEffectRate));
    if (count == 0) return;
    if (mix.size() < first + count) mix.resize(first + count, 0.0);
    const double steps = static_cast<double>(std::max<size_t>(1, count - 1));
    // Glides and decays advance by a constant factor per sample.
    const double freqStep = tone.freqEnd > 0 ? std::pow(tone.freqEnd / tone.freq, 1.0 / steps) : 1.0;
    const double cutoffStep = tone.cutoff > 0 && tone.cutoffEnd > 0 ? std::pow(tone.cutoffEnd / tone.cutoff, 1.0 / steps) : 1.0;
    const double decayStep = tone.decay > 0 ? std::exp(-1.0 / (tone.decay * kEffectRate)) : 1.0;
    const double highpass = tone.highpass > 0 ? std::exp(-2 * kPi * tone.highpass / kEffectRate) : 0.0;
    std::array<double, 4> metalPhase{};
    std::array<double, 4> metalLevel{};
    std::array<double, 4> metalStep{};
    for (size_t k = 0; k < metalLevel.size(); ++k) {
        metalLevel[k] = kMetalWeights[k];
        // Higher partials die away sooner, as on a real bell.
        metalStep[k] = std::exp(-(1.0 + 3.0 * k) / kEffectRate);
    }
    double freq = tone.freq, cutoff = tone.cutoff, coefficient = tone.cutoff > 0 ? OnePoleCoefficient(cutoff) : 1.0;
    double phase = 0, low = 0, highState = 0, lastIn = 0, decay = 1.0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kEffectRate;
        double f = freq;
        if (tone.vibrato > 0) f *= std::pow(2.0, tone.vibrato / 12.0 * std::sin(2 * kPi * tone.vibratoRate * t));
        freq *= freqStep;

        double v = 0;
        if (tone.osc == Osc::Noise) {
            v = random.Signed();
        } else if (tone.osc == Osc::Metal) {
            for (size_t k = 0; k < metalPhase.size(); ++k) {
                metalPhase[k] += f * kMetalRatios[k] / kEffectRate;
                v += std::sin(2 * kPi * metalPhase[k]) * metalLevel[k];
                metalLevel[k] *= metalStep[k];
            }
        } else {
            phase += f / kEffectRate;
            v = Oscillator(tone.osc, phase);
        }
        if (tone.cutoff > 0) {
            if (cutoffStep != 1.0 && i % 32 == 0) coefficient = OnePoleCoefficient(cutoff);
            cutoff *= cutoffStep;
            low += coefficient * (v - low);
            v = low;
        }
        if (tone.highpass > 0) {
            highState = highpass * (highState + v - lastIn);
            lastIn = v;
            v = highState;
        }

        double env = tone.attack > 0 ? std::min(1.0, t / tone.attack) : 1.0;
        if (t > tone.attack) {
            env *= decay;
            decay *= decayStep;
        }
        const double remaining = tone.length - t;
        if (remaining < kRelease) env *= std::max(0.0, remaining / kRelease);
        mix[first + i] += v * env * tone.gain;
    }
}

void PutLe(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<int16_t> RenderEffect(const EffectRecipe& recipe, uint64_t seed) {
    Random random(seed);
    std::vector<double> mix;
    for (const Tone& tone : recipe.tones) RenderTone(tone, random, mix);
    if (recipe.echoDelay > 0 && recipe.echoFeedback > 0) {
        const size_t delay = static_cast<size_t>(recipe.echoDelay * kEffectRate);
        // Room for the echoes to die away below hearing.
        const double repeats = std::ceil(std::log(0.01) / std::log(recipe.echoFeedback));
        mix.resize(mix.size() + delay * static_cast<size_t>(repeats), 0.0);
        for (size_t i = delay; i < mix.size(); ++i) mix[i] += mix[i - delay] * recipe.echoFeedback;
    }
    double peak = 0;
    for (double v : mix) peak = std::max(peak, std::abs(v));
    const double scale = peak > 0 ? std::min(recipe.level, kPeak) / peak : 1.0;
    const size_t fade = std::min(mix.size(), static_cast<size_t>(0.004 * kEffectRate));
    std::vector<int16_t> samples(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) {
        double v = mix[i] * scale;
        if (i + fade >= mix.size()) v *= static_cast<double>(mix.size() - 1 - i) / std::max<size_t>(1, fade);
        samples[i] = static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return samples;
}

bool WriteWav(const std::filesystem::path& file, std::span<const int16_t> samples, int rate, int channels) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLe(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, static_cast<uint32_t>(channels), 2);
    PutLe(out, static_cast<uint32_t>(rate), 4);
    PutLe(out, static_cast<uint32_t>(rate * channels * 2), 4);
    PutLe(out, static_cast<uint32_t>(channels * 2), 2);
    PutLe(out, 16, 2);
    out.write("data", 4);
    PutLe(out, dataBytes, 4);
    for (int16_t s : samples) PutLe(out, static_cast<uint16_t>(s), 2);
    return static_cast<bool>(out);
}

}  // namespace kestrilon::assets
