// The synthesized effects and the music loops as samples, before they become files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "asset_plan.h"
#include "data/sound_names.h"
#include "music.h"
#include "procedural.h"
#include "support/game_fixture.h"
#include "wave_synth.h"

namespace kestrilon {
namespace {

using assets::EffectFor;
using assets::RenderEffect;

double Rms(const std::vector<int16_t>& s, size_t from, size_t to, size_t stride = 1) {
    double sum = 0;
    size_t n = 0;
    for (size_t i = from; i < to; i += stride, ++n) sum += double(s[i]) * s[i];
    return n ? std::sqrt(sum / n) : 0;
}

template <typename Names>
std::set<std::string_view> AsSet(const Names& names) {
    return std::set<std::string_view>(names.begin(), names.end());
}

// The set on disk is the game's sound list, no more and no less, and no listed sound
// falls back to the chime or the borrowed style that unknown names get.
class SoundListTest : public testing::GameTest {};

TEST_F(SoundListTest, TheGeneratorMakesExactlyTheListedSoundsEachWithItsOwnRecipe) {
    const assets::AssetPlan plan = assets::PlanAssets(g);
    EXPECT_EQ(plan.waves, std::vector<std::string>(WaveNames().begin(), WaveNames().end()));
    EXPECT_EQ(plan.music, std::vector<std::string>(MusicNames().begin(), MusicNames().end()));
    EXPECT_EQ(AsSet(WaveNames()).size(), WaveNames().size()) << "a wave is listed twice";
    EXPECT_EQ(AsSet(MusicNames()).size(), MusicNames().size()) << "a track is listed twice";
    EXPECT_EQ(AsSet(assets::EffectRecipeNames()), AsSet(WaveNames()));
    EXPECT_EQ(AsSet(assets::MusicStyleNames()), AsSet(MusicNames()));
}

TEST(EffectTest, EveryEffectStaysBelowFullScaleAndFadesToSilence) {
    for (std::string_view name : WaveNames()) {
        const std::vector<int16_t> s = RenderEffect(EffectFor(name), assets::NameSeed(name));
        ASSERT_GT(s.size(), 100u) << name;
        int peak = 0;
        for (int16_t v : s) peak = std::max(peak, std::abs(int(v)));
        EXPECT_LE(peak, 29200) << name;  // headroom under 32767
        EXPECT_EQ(s.back(), 0) << name;
        EXPECT_LT(std::abs(int(s.front())), 2000) << name << " starts with a jump";
    }
}

TEST(EffectTest, EffectsDifferFromEachOtherAndUnknownNamesStillSound) {
    std::set<std::vector<int16_t>> distinct;
    int count = 0;
    for (std::string_view name : WaveNames()) {
        distinct.insert(RenderEffect(EffectFor(name), assets::NameSeed(name)));
        ++count;
    }
    EXPECT_EQ(static_cast<int>(distinct.size()), count);
    const std::vector<int16_t> unknown = RenderEffect(EffectFor("no_such_effect.wav"), 1);
    EXPECT_GT(Rms(unknown, 0, unknown.size()), 500);
}

TEST(EffectTest, ClicksAreShortAndFanfaresLong) {
    auto seconds = [](std::string_view name) {
        return RenderEffect(EffectFor(name), assets::NameSeed(name)).size() / double(assets::kEffectRate);
    };
    EXPECT_LT(seconds("1.wav"), 0.05);
    EXPECT_LT(seconds("target.wav"), 0.3);
    EXPECT_GT(seconds("map_clear.wav"), 1.0);
    EXPECT_GT(seconds("gameover.wav"), 2.0);
}

TEST(EffectTest, EchoRingsOnAfterTheLastTone) {
    assets::EffectRecipe dry{{{.start = 0, .length = 0.1, .freq = 880, .gain = 0.5}}};
    assets::EffectRecipe wet = dry;
    wet.echoDelay = 0.1;
    wet.echoFeedback = 0.5;
    const auto a = RenderEffect(dry, 1), b = RenderEffect(wet, 1);
    EXPECT_EQ(a.size(), size_t(0.1 * assets::kEffectRate));
    ASSERT_GT(b.size(), size_t(0.3 * assets::kEffectRate));
    const size_t second = size_t(0.1 * assets::kEffectRate);
    EXPECT_GT(Rms(b, second, second + 4000), 1000);  // the first repeat
}

TEST(MusicTest, LoopsAreCalmStereoHalfMinutesThatStartAndEndInSilence) {
    for (std::string_view name : MusicNames()) {
        const assets::MusicLoop loop = assets::ComposeLoop(name);
        EXPECT_GE(loop.Seconds(), 30.0) << name;
        EXPECT_LE(loop.Seconds(), 60.0) << name;
        const std::vector<int16_t>& s = loop.samples;
        ASSERT_EQ(s.size() % 2, 0u);
        // The ends meet at silence, so a restart does not click.
        for (size_t i = 0; i < 8; ++i) {
            EXPECT_LT(std::abs(int(s[i])), 50) << name;
            EXPECT_LT(std::abs(int(s[s.size() - 1 - i])), 50) << name;
        }
        // Music plays right up to the loop point on both sides and in both channels.
        const size_t second = 2 * size_t(loop.rate);
        EXPECT_GT(Rms(s, second / 10, second), 800) << name;
        EXPECT_GT(Rms(s, s.size() - second, s.size() - second / 10), 800) << name;
        EXPECT_GT(Rms(s, 1, s.size(), 2), 800) << name;
        int peak = 0;
        for (int16_t v : s) peak = std::max(peak, std::abs(int(v)));
        EXPECT_LE(peak, 26300) << name;
    }
}

TEST(MusicTest, TracksAreDistinctAndTheSameOnEveryRun) {
    const assets::MusicLoop a = assets::ComposeLoop("遠方より来る-34.mp3");
    const assets::MusicLoop b = assets::ComposeLoop("遠方より来る-34.mp3");
    const assets::MusicLoop c = assets::ComposeLoop("未知-34.mp3");
    EXPECT_EQ(a.samples, b.samples);
    EXPECT_NE(a.samples.size(), c.samples.size());
}

// Crossings of zero going upwards, a plain measure of pitch.
int UpCrossings(const std::vector<int16_t>& s, size_t from, size_t to) {
    int n = 0;
    for (size_t i = from + 1; i < to; ++i) n += s[i - 1] < 0 && s[i] >= 0;
    return n;
}

TEST(SynthTest, ToneFrequencyGlideAndDecayComeOutAsAsked) {
    const auto steady = RenderEffect({{{.start = 0, .length = 1.0, .freq = 441, .gain = 0.5}}}, 1);
    EXPECT_NEAR(UpCrossings(steady, 0, steady.size()), 441, 2);

    const auto glide = RenderEffect({{{.start = 0, .length = 1.0, .freq = 200, .freqEnd = 800, .gain = 0.5}}}, 1);
    const size_t tenth = glide.size() / 10;
    EXPECT_NEAR(UpCrossings(glide, 0, tenth), 21, 3);
    EXPECT_NEAR(UpCrossings(glide, glide.size() - tenth, glide.size()), 76, 4);

    const auto decaying =
        RenderEffect({{{.start = 0, .length = 1.0, .freq = 1000, .gain = 0.5, .attack = 0, .decay = 0.1}}}, 1);
    const size_t rate = assets::kEffectRate;
    const double early = Rms(decaying, 0, rate / 20), later = Rms(decaying, rate / 10, rate / 10 + rate / 20);
    EXPECT_NEAR(later / early, std::exp(-1.0), 0.08);
}

TEST(SynthTest, LowPassTamesNoiseAndTonesStartWhereTheyAreScheduled) {
    const auto open = RenderEffect({{{.start = 0, .length = 0.5, .osc = assets::Osc::Noise, .gain = 0.5}}}, 3);
    const auto dull = RenderEffect({{{.start = 0, .length = 0.5, .osc = assets::Osc::Noise, .gain = 0.5, .cutoff = 500}}}, 3);
    auto roughness = [](const std::vector<int16_t>& s) {
        double sum = 0;
        for (size_t i = 1; i < s.size(); ++i) sum += std::abs(double(s[i]) - s[i - 1]);
        return sum / s.size();
    };
    EXPECT_LT(roughness(dull) * 5, roughness(open));

    const auto late = RenderEffect({{{.start = 0.25, .length = 0.1, .freq = 500, .gain = 0.5}}}, 1);
    const size_t start = size_t(0.25 * assets::kEffectRate);
    EXPECT_EQ(late.size(), start + size_t(0.1 * assets::kEffectRate));
    EXPECT_EQ(Rms(late, 0, start), 0.0);
    EXPECT_GT(Rms(late, start, late.size()), 1000);
}

TEST(SynthTest, StereoWaveHeaderDescribesItsFrames) {
    const std::vector<int16_t> frames = {1, -1, 2, -2};
    const auto file = std::filesystem::temp_directory_path() / "kestrilon-assets-test.wav";
    ASSERT_TRUE(assets::WriteWav(file, frames, 22050, 2));
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_EQ(b.size(), 44u + 8);
    auto le = [&](size_t at, int n) {
        uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + size_t(i)];
        return v;
    };
    EXPECT_EQ(le(22, 2), 2u);
    EXPECT_EQ(le(24, 4), 22050u);
    EXPECT_EQ(le(28, 4), 22050u * 4);  // bytes a second
    EXPECT_EQ(le(32, 2), 4u);          // bytes a frame
    EXPECT_EQ(le(40, 4), 8u);
    EXPECT_EQ(static_cast<int16_t>(le(50, 2)), -2);
    std::filesystem::remove(file);
}

TEST(ScoreTest, EveryPitchedNoteIsInTheTrackScaleAndTheMelodyComesHome) {
    for (std::string_view name : MusicNames()) {
        const assets::Score score = assets::ComposeScore(name);
        EXPECT_GE(score.seconds, 30.0) << name;
        EXPECT_LE(score.seconds, 60.0) << name;
        const assets::ScoreNote* last = nullptr;
        int melody = 0;
        for (const assets::ScoreNote& n : score.notes) {
            EXPECT_GE(n.start, 0.0) << name;
            EXPECT_LT(n.start, score.seconds) << name;
            if (n.part == assets::Part::Drums) continue;
            EXPECT_TRUE(score.inScale[static_cast<size_t>(n.midi % 12)]) << name << " plays " << n.midi;
            EXPECT_GE(n.midi, 24) << name;
            EXPECT_LE(n.midi, 96) << name;
            if (n.part == assets::Part::Melody) {
                ++melody;
                if (!last || n.start > last->start) last = &n;
            }
        }
        EXPECT_GE(melody, 12) << name;
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last->midi % 12, score.tonic) << name;
        EXPECT_GT(last->start + last->length, score.seconds * 0.95) << name;  // it holds into the loop point
    }
}

TEST(ScoreTest, TheThemeReturnsInTheThirdPhrase) {
    const assets::Score score = assets::ComposeScore("始まりの調べ-3.mp3");
    const double bar = score.seconds / 16;
    auto phrase = [&](int firstBar) {
        std::vector<std::pair<long, int>> notes;
        for (const assets::ScoreNote& n : score.notes)
            if (n.part == assets::Part::Melody && n.start >= firstBar * bar - 1e-6 && n.start < (firstBar + 4) * bar - 1e-6)
                notes.push_back({std::lround((n.start - firstBar * bar) * 1000), n.midi});
        return notes;
    };
    const auto first = phrase(0), third = phrase(8);
    ASSERT_EQ(first.size(), third.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].first, third[i].first);  // the same rhythm
        EXPECT_LE(std::abs(first[i].second - third[i].second), 4);  // the same line, fitted to its chords
    }
}

}  // namespace
}  // namespace kestrilon
