#pragma once
// Background music: calm procedural loops, composed from a style per track name and
// rendered around a circle, so the end runs straight into the beginning.
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace kestrilon::assets {

constexpr int kMusicRate = 44100;

struct MusicLoop {
    std::vector<int16_t> samples;  // interleaved stereo
    int rate = kMusicRate;
    double Seconds() const { return static_cast<double>(samples.size()) / 2.0 / rate; }
};

enum class Part : uint8_t { Melody, Harmony, Bass, Drums };

struct ScoreNote {
    double start;   // seconds from the loop start
    double length;  // seconds held
    int midi;
    Part part;
};

// What a track plays, before it is rendered.
struct Score {
    double seconds = 0;
    int tonic = 0;                    // pitch class 0..11
    std::array<bool, 12> inScale{};   // pitch classes of the track's scale
    std::vector<ScoreNote> notes;
};

Score ComposeScore(std::string_view name);
MusicLoop ComposeLoop(std::string_view name);
// The track names that have a style written for them; others borrow one.
std::vector<std::string_view> MusicStyleNames();
// Constant-bitrate MPEG-1 Layer III with a leading info frame that tells gapless
// players the encoder delay.
bool EncodeMp3(const MusicLoop& loop, const std::filesystem::path& file);

}  // namespace kestrilon::assets
