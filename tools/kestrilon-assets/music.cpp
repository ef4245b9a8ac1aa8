#include "music.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "procedural.h"

namespace kestrilon::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFade = 0.03;  // seconds at each end, so a restart never clicks

enum class Mode { Major, Minor, Dorian, Phrygian };
constexpr std::array<std::array<int, 7>, 4> kScales = {{
    {0, 2, 4, 5, 7, 9, 11},
    {0, 2, 3, 5, 7, 8, 10},
    {0, 2, 3, 5, 7, 9, 10},
    {0, 1, 3, 5, 7, 8, 10},
}};

enum class Voice { Pluck, Bell, Pad, Strings, Flute, Brass, Bass, Kick, Snare, Hat, Tom };

struct Style {
    std::string_view name;
    double bpm;
    int bars;                   // of four beats; the loop is exactly this long
    int root;                   // MIDI note of the melody's tonic
    Mode mode;
    std::array<int, 8> chords;  // scale degree of each bar's chord, repeating
    Voice lead;
    int arpPerBeat;             // accompaniment notes per beat
    bool bass;
    bool drums;
    bool toms;                  // drums as slow toms instead of a kit
    double busy;                // 0 calm .. 1 driving: shorter melody notes
    double reverb;
};

// Opening and title, the two story moods, the boss battles and the EX battles.
constexpr Style kStyles[] = {
    {"始まりの調べ-3.mp3", 76, 16, 74, Mode::Major, {0, 4, 5, 3, 0, 4, 3, 4}, Voice::Bell, 2, false, false, false, 0.2, 0.32},
    {"呼び声-41.mp3", 66, 12, 69, Mode::Dorian, {0, 6, 5, 6, 0, 3, 6, 4}, Voice::Flute, 1, true, false, false, 0.15, 0.38},
    {"遠方より来る-34.mp3", 60, 10, 76, Mode::Minor, {0, 3, 5, 4, 0, 5, 3, 4}, Voice::Strings, 2, false, false, false, 0.1, 0.42},
    {"聖戦-4.mp3", 104, 20, 72, Mode::Minor, {0, 5, 2, 6, 0, 5, 6, 4}, Voice::Brass, 2, true, true, false, 0.6, 0.22},
    {"未知-34.mp3", 92, 16, 66, Mode::Phrygian, {0, 1, 0, 6, 0, 1, 5, 4}, Voice::Bell, 2, true, false, true, 0.45, 0.3},
};

struct Note {
    double start;   // seconds
    double length;  // seconds the note is held
    int midi;
    double freq;
    Voice voice;
    Part part;
    double gain;
    double pan;     // -1 left .. 1 right
};

double Freq(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

class Composer {
public:
    explicit Composer(const Style& style) : s_(style), random_(style.name), beat_(60.0 / style.bpm) {}

    std::vector<Note> Compose() {
        for (int bar = 0; bar < s_.bars; ++bar) {
            Pad(bar);
            Arpeggio(bar);
            if (s_.bass) Bass(bar);
            if (s_.drums || s_.toms) Drums(bar);
        }
        Melody();
        return std::move(notes_);
    }
    double Seconds() const { return s_.bars * 4 * beat_; }

private:
    int Chord(int bar) const { return s_.chords[static_cast<size_t>(bar % 8)]; }
    // MIDI note of scale degree d (0 the tonic; 7 the octave above).
    int Midi(int degree, int octaveShift = 0) const {
        const int octave = static_cast<int>(std::floor(degree / 7.0));
        const int step = degree - octave * 7;
        return s_.root + 12 * (octave + octaveShift) + kScales[static_cast<size_t>(s_.mode)][static_cast<size_t>(step)];
    }
    bool InChord(int degree, int bar) const {
        const int d = ((degree % 7) + 7) % 7;
        const int c = Chord(bar);
        return d == c % 7 || d == (c + 2) % 7 || d == (c + 4) % 7;
    }
    void Add(double beatAt, double beats, int midi, Voice voice, double gain, double pan) {
        Part part = Part::Harmony;
        if (voice == s_.lead) part = Part::Melody;
        if (voice == Voice::Bass) part = Part::Bass;
        if (voice == Voice::Kick || voice == Voice::Snare || voice == Voice::Hat || voice == Voice::Tom) part = Part::Drums;
        notes_.push_back({beatAt * beat_, beats * beat_, midi, Freq(midi), voice, part, gain, pan});
    }

    void Pad(int bar) {
        const int c = Chord(bar);
        const double pans[] = {-0.5, 0.0, 0.5};
        for (int i = 0; i < 3; ++i) Add(bar * 4, 4.3, Midi(c + 2 * i, -2), Voice::Pad, 0.05, pans[i]);
    }
    void Arpeggio(int bar) {
        const int c = Chord(bar);
        const int shape[] = {0, 2, 4, 7, 4, 2, 0, 4};
        const int count = 4 * s_.arpPerBeat;
        for (int i = 0; i < count; ++i) {
            const int degree = c + shape[i % 8];
            Add(bar * 4 + static_cast<double>(i) / s_.arpPerBeat, 1.0, Midi(degree, -1), Voice::Pluck,
                0.075 - 0.01 * (i % 2), i % 2 ? 0.35 : -0.35);
        }
    }
    // Root, fifth and octave as degrees of the scale, so a diminished chord keeps its own fifth.
    void Bass(int bar) {
        const int c = Chord(bar);
        if (s_.drums) {
            const int pattern[] = {0, 0, 7, 0, 0, 4, 0, 7};
            for (int i = 0; i < 8; ++i) Add(bar * 4 + i * 0.5, 0.45, Midi(c + pattern[i], -2), Voice::Bass, 0.16, 0);
        } else {
            Add(bar * 4, 1.9, Midi(c, -2), Voice::Bass, 0.16, 0);
            Add(bar * 4 + 2, 1.9, Midi(c + (bar % 2 ? 4 : 0), -2), Voice::Bass, 0.13, 0);
        }
    }
    void Drums(int bar) {
        if (s_.toms) {
            Add(bar * 4, 0.5, 40, Voice::Tom, 0.3, -0.2);
            Add(bar * 4 + 2.5, 0.5, 43, Voice::Tom, 0.22, 0.2);
            for (int i = 0; i < 4; ++i) Add(bar * 4 + i + 0.5, 0.1, 90, Voice::Hat, 0.05, 0.4);
            return;
        }
        Add(bar * 4, 0.5, 36, Voice::Kick, 0.45, 0);
        Add(bar * 4 + 2, 0.5, 36, Voice::Kick, 0.4, 0);
        if (bar % 2) Add(bar * 4 + 3.5, 0.5, 36, Voice::Kick, 0.3, 0);
        Add(bar * 4 + 1, 0.3, 38, Voice::Snare, 0.2, 0.1);
        Add(bar * 4 + 3, 0.3, 38, Voice::Snare, 0.22, 0.1);
        for (int i = 0; i < 8; ++i) Add(bar * 4 + i * 0.5, 0.1, 90, Voice::Hat, i % 2 ? 0.04 : 0.06, -0.3);
    }

    std::vector<double> Rhythm() {
        static constexpr std::array<std::array<double, 4>, 8> kRhythms = {{
            {4, 0, 0, 0}, {2, 2, 0, 0}, {3, 1, 0, 0}, {2, 1, 1, 0}, {1, 1, 2, 0}, {1.5, 0.5, 2, 0}, {1, 1, 1, 1}, {0.5, 0.5, 1, 2},
        }};
        // Calm tracks draw from the long patterns, driving ones from the short.
        const int first = static_cast<int>(s_.busy * 3);
        const auto& pick = kRhythms[static_cast<size_t>(first + random_.Below(5))];
        std::vector<double> lengths;
        for (double v : pick)
            if (v > 0) lengths.push_back(v);
        return lengths;
    }

    struct MelodyNote {
        double beat;  // within the bar
        double beats;
        int degree;
        bool rest;
    };
    using Phrase = std::vector<std::vector<MelodyNote>>;  // bars of notes

    Phrase NewPhrase(int firstBar, int bars, int& degree) {
        Phrase phrase;
        for (int b = 0; b < bars; ++b) {
            std::vector<MelodyNote> notes;
            double at = 0;
            for (double len : Rhythm()) {
                constexpr int kSteps[] = {-2, -1, -1, 0, 1, 1, 2, 3, -3};
                degree += kSteps[random_.Below(9)];
                degree = std::clamp(degree, -2, 9);
                if (at == 0 || at == 2) degree = Snap(degree, firstBar + b);
                const bool rest = !notes.empty() && random_.Below(7) == 0;
                notes.push_back({at, len, degree, rest});
                at += len;
            }
            phrase.push_back(std::move(notes));
        }
        return phrase;
    }
    int Snap(int degree, int bar) const {
        for (int d : {0, 1, -1, 2, -2})
            if (InChord(degree + d, bar)) return degree + d;
        return degree;
    }

    void Melody() {
        int degree = 2;
        Phrase theme;
        const int phraseBars = 4;
        for (int start = 0, index = 0; start < s_.bars; start += phraseBars, ++index) {
            const int bars = std::min(phraseBars, s_.bars - start);
            Phrase phrase;
            if (index == 0 || index % 2 == 1 || static_cast<int>(theme.size()) < bars) {
                phrase = NewPhrase(start, bars, degree);
                if (index == 0) theme = phrase;
            } else {
                // The theme comes back, fitted to the chords it now meets.
                phrase.assign(theme.begin(), theme.begin() + bars);
                for (int b = 0; b < bars; ++b)
                    for (MelodyNote& n : phrase[static_cast<size_t>(b)])
                        if (n.beat == 0 || n.beat == 2) n.degree = Snap(n.degree, start + b);
            }
            for (int b = 0; b < bars; ++b) {
                const int bar = start + b;
                if (bar == s_.bars - 1) {
                    // Home on the tonic, so the loop closes where it began.
                    Add(bar * 4, 3.5, Midi(0), s_.lead, LeadGain(), 0);
                    continue;
                }
                for (const MelodyNote& n : phrase[static_cast<size_t>(b)])
                    if (!n.rest) Add(bar * 4 + n.beat, n.beats * 0.92, Midi(n.degree), s_.lead, LeadGain(), 0.05);
            }
        }
    }
    double LeadGain() const { return s_.lead == Voice::Bell ? 0.13 : s_.lead == Voice::Brass ? 0.09 : 0.12; }

    const Style& s_;
    Random random_;
    double beat_;
    std::vector<Note> notes_;
};

// One-pole low-pass, run twice for a softer slope.
struct LowPass {
    double a = 0, y1 = 0, y2 = 0;
    void Set(double cutoff, double rate) { a = 1.0 - std::exp(-2 * kPi * cutoff / rate); }
    double Run(double x) {
        y1 += a * (x - y1);
        y2 += a * (y1 - y2);
        return y2;
    }
};

double Tail(Voice v) {
    switch (v) {
        case Voice::Pluck: return 1.6;
        case Voice::Bell: return 2.8;
        case Voice::Pad: return 1.2;
        case Voice::Strings: return 0.6;
        case Voice::Flute: return 0.25;
        case Voice::Brass: return 0.2;
        case Voice::Bass: return 0.1;
        case Voice::Kick: return 0.4;
        case Voice::Snare: return 0.25;
        case Voice::Hat: return 0.08;
        case Voice::Tom: return 0.5;
    }
    return 0.2;
}

// A sine wave by rotation: one multiply-add per sample instead of a call to sin.
struct Phasor {
    double re = 1, im = 0, c = 1, s = 0;
    explicit Phasor(double freq, int rate) : c(std::cos(2 * kPi * freq / rate)), s(std::sin(2 * kPi * freq / rate)) {}
    double Next() {
        const double value = im;
        const double r = re * c - im * s;
        im = re * s + im * c;
        re = r;
        return value;
    }
    void Renormalise() {
        const double m = std::hypot(re, im);
        re /= m;
        im /= m;
    }
};

double Decay(double perSecond, int rate) { return std::exp(-perSecond / rate); }

bool Percussive(Voice v) {
    return v == Voice::Pluck || v == Voice::Bell || v == Voice::Kick || v == Voice::Snare || v == Voice::Hat ||
           v == Voice::Tom;
}

// Renders one note and adds it around the loop.
void RenderNote(const Note& n, int rate, std::vector<float>& left, std::vector<float>& right, Random& random) {
    const size_t loop = left.size();
    const size_t first = static_cast<size_t>(std::lround(n.start * rate));
    const double total = Percussive(n.voice) ? Tail(n.voice) : n.length + Tail(n.voice);
    const size_t count = static_cast<size_t>(total * rate);
    const size_t held = static_cast<size_t>(n.length * rate);
    const double gl = n.gain * std::cos((n.pan + 1) * kPi / 4), gr = n.gain * std::sin((n.pan + 1) * kPi / 4);
    const double dt = 1.0 / rate;

    std::vector<Phasor> partials;
    std::array<double, 4> level{}, levelStep{};
    for (int k = 1; k <= 4; ++k) {
        partials.emplace_back(n.freq * k, rate);
        level[static_cast<size_t>(k - 1)] = 1.0 / std::pow(k, 1.3);
        levelStep[static_cast<size_t>(k - 1)] = Decay(1.8 + 1.4 * k, rate);
    }
    Phasor modulator(n.freq * 3.5, rate), shimmer(n.freq * 2.01, rate);
    double index = 1.5, amp = 1.0, shimmerLevel = 0.2;
    const double indexStep = Decay(2.5, rate), ampStep = Decay(1.1, rate), shimmerStep = Decay(2.0, rate);
    const double releaseTime = n.voice == Voice::Pad || n.voice == Voice::Strings ? Tail(n.voice) / 4
                               : n.voice == Voice::Flute                          ? 0.06
                               : n.voice == Voice::Brass                          ? 0.05
                                                                                  : 0.025;
    const double releaseStep = Decay(1.0 / releaseTime, rate);
    const double hitStep = Decay(n.voice == Voice::Kick ? 8 : n.voice == Voice::Tom ? 6 : n.voice == Voice::Snare ? 22 : 60, rate);
    const double sweepStep = Decay(n.voice == Voice::Kick ? 30 : 12, rate);
    const double bassStep = Decay(1.0 / 0.8, rate);
    double release = 1.0, hit = 1.0, sweep = 1.0, bassLevel = 1.0;

    LowPass filter, breath;
    if (n.voice == Voice::Pad || n.voice == Voice::Strings)
        filter.Set(std::min(n.freq * (n.voice == Voice::Pad ? 3.0 : 5.0), 3000.0), rate);
    breath.Set(2500, rate);
    double phase = 0, phase2 = 0, phase3 = 0, last = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = i * dt;
        if (i > held) release *= releaseStep;
        double v = 0;
        switch (n.voice) {
            case Voice::Pluck:
                for (size_t k = 0; k < partials.size(); ++k) {
                    v += partials[k].Next() * level[k];
                    level[k] *= levelStep[k];
                }
                v *= std::min(1.0, t / 0.003);
                break;
            case Voice::Bell:
                phase += n.freq * dt;
                v = std::sin(2 * kPi * phase + index * modulator.Next()) * amp + shimmer.Next() * shimmerLevel;
                index *= indexStep;
                amp *= ampStep;
                shimmerLevel *= shimmerStep;
                v *= std::min(1.0, t / 0.002);
                break;
            case Voice::Pad:
            case Voice::Strings: {
                const double vib = n.voice == Voice::Strings ? 1 + 0.004 * std::sin(2 * kPi * 5 * t) * std::min(1.0, t / 0.4) : 1;
                phase += n.freq * vib * dt;
                phase2 += n.freq * 1.004 * vib * dt;
                phase3 += n.freq * 0.997 * vib * dt;
                const double saw = (phase - std::floor(phase)) + (phase2 - std::floor(phase2)) + (phase3 - std::floor(phase3));
                v = filter.Run((saw - 1.5) / 1.5);
                v *= std::min(1.0, t / (n.voice == Voice::Pad ? 0.6 : 0.15)) * release;
                break;
            }
            case Voice::Flute: {
                const double vib = 1 + 0.007 * std::sin(2 * kPi * 5 * t) * std::clamp((t - 0.15) / 0.3, 0.0, 1.0);
                phase += n.freq * vib * dt;
                const double x = 2 * kPi * phase, sx = std::sin(x), cx = std::cos(x);
                v = sx + 0.25 * 2 * sx * cx + 0.08 * (3 * sx - 4 * sx * sx * sx);
                v += breath.Run(random.Signed()) * 0.15;
                v *= std::min(1.0, t / 0.06) * release;
                break;
            }
            case Voice::Brass: {
                const double swell = std::min(1.0, t / 0.05) * (0.6 + 0.4 * std::exp(-t * 4));
                if (i % 16 == 0) filter.Set(n.freq * (1.5 + 4 * swell), rate);
                phase += n.freq * (1 + 0.003 * std::sin(2 * kPi * 5.5 * t)) * dt;
                v = filter.Run(2 * (phase - std::floor(phase)) - 1) * swell * release;
                break;
            }
            case Voice::Bass: {
                phase += n.freq * dt;
                const double x = 2 * kPi * phase, sx = std::sin(x);
                v = std::tanh(1.5 * (sx + 0.3 * 2 * sx * std::cos(x)));
                v *= std::min(1.0, t / 0.005) * bassLevel * release;
                if (i <= held) bassLevel *= bassStep;
                break;
            }
            case Voice::Kick:
            case Voice::Tom:
                phase += (n.voice == Voice::Kick ? 45 + 75 * sweep : n.freq * 2 + 60 * sweep) * dt;
                v = std::sin(2 * kPi * phase) * hit;
                sweep *= sweepStep;
                hit *= hitStep;
                break;
            case Voice::Snare: {
                const double noise = random.Signed();
                v = (noise - last) * 0.6 * hit + 0.4 * std::sin(2 * kPi * 180 * t) * hit * hit;
                last = noise * 0.5;
                hit *= hitStep;
                break;
            }
            case Voice::Hat: {
                const double noise = random.Signed();
                v = (noise - last) * 0.5 * hit;
                last = noise;
                hit *= hitStep;
                break;
            }
        }
        if (i % 4096 == 4095) {
            for (Phasor& p : partials) p.Renormalise();
            modulator.Renormalise();
            shimmer.Renormalise();
        }
        size_t at = first + i;
        while (at >= loop) at -= loop;
        left[at] += static_cast<float>(v * gl);
        right[at] += static_cast<float>(v * gr);
    }
}

// A small Schroeder reverb run twice around the loop, so its tail at the end of the
// loop is already sounding at the start.
void Reverb(std::vector<float>& channel, double wet, int spread) {
    constexpr std::array<int, 4> kCombs = {1557, 1617, 1491, 1422};
    constexpr std::array<int, 2> kAllPasses = {225, 556};
    std::array<std::vector<double>, 4> combs;
    std::array<double, 4> damp{};
    std::array<size_t, 4> combAt{};
    std::array<std::vector<double>, 2> passes;
    std::array<size_t, 2> passAt{};
    for (size_t k = 0; k < combs.size(); ++k) combs[k].assign(static_cast<size_t>(kCombs[k] + spread), 0.0);
    for (size_t k = 0; k < passes.size(); ++k) passes[k].assign(static_cast<size_t>(kAllPasses[k] + spread / 2), 0.0);
    std::vector<float> out(channel.size());
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < channel.size(); ++i) {
            const double in = channel[i] * 0.3;
            double sum = 0;
            for (size_t k = 0; k < combs.size(); ++k) {
                double& cell = combs[k][combAt[k]];
                damp[k] = cell * 0.7 + damp[k] * 0.3;
                sum += cell;
                cell = in + damp[k] * 0.8;
                if (++combAt[k] == combs[k].size()) combAt[k] = 0;
            }
            for (size_t k = 0; k < passes.size(); ++k) {
                double& cell = passes[k][passAt[k]];
                const double y = cell - sum * 0.5;
                cell = sum + cell * 0.5;
                sum = y;
                if (++passAt[k] == passes[k].size()) passAt[k] = 0;
            }
            if (pass == 1) out[i] = static_cast<float>(channel[i] + sum * wet);
        }
    }
    channel = std::move(out);
}

const Style& StyleFor(std::string_view name) {
    for (const Style& style : kStyles)
        if (style.name == name) return style;
    return kStyles[NameSeed(name) % std::size(kStyles)];
}

}  // namespace

std::vector<std::string_view> MusicStyleNames() {
    std::vector<std::string_view> names;
    for (const Style& style : kStyles) names.push_back(style.name);
    return names;
}

Score ComposeScore(std::string_view name) {
    const Style& style = StyleFor(name);
    Composer composer(style);
    Score score;
    score.seconds = composer.Seconds();
    score.tonic = style.root % 12;
    for (int step : kScales[static_cast<size_t>(style.mode)]) score.inScale[static_cast<size_t>((style.root + step) % 12)] = true;
    for (const Note& note : composer.Compose()) score.notes.push_back({note.start, note.length, note.midi, note.part});
    return score;
}

MusicLoop ComposeLoop(std::string_view name) {
    const Style& style = StyleFor(name);
    Composer composer(style);
    const std::vector<Note> notes = composer.Compose();
    MusicLoop loop;
    const size_t frames = static_cast<size_t>(std::lround(composer.Seconds() * loop.rate));
    std::vector<float> left(frames, 0.0f), right(frames, 0.0f);
    Random random(NameSeed(name) ^ 0x5DEECE66Dull);
    for (const Note& note : notes) RenderNote(note, loop.rate, left, right, random);
    Reverb(left, style.reverb, 0);
    Reverb(right, style.reverb, 23);

    double peak = 1e-9;
    for (size_t i = 0; i < frames; ++i) peak = std::max({peak, std::abs(double(left[i])), std::abs(double(right[i]))});
    const double scale = 0.8 / peak;
    const size_t fade = static_cast<size_t>(kFade * loop.rate);
    loop.samples.resize(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        double g = scale;
        if (i < fade) g *= 0.5 - 0.5 * std::cos(kPi * i / fade);
        if (i + fade >= frames) g *= 0.5 - 0.5 * std::cos(kPi * (frames - 1 - i) / fade);
        loop.samples[2 * i] = static_cast<int16_t>(std::lround(std::clamp(left[i] * g, -1.0, 1.0) * 32767));
        loop.samples[2 * i + 1] = static_cast<int16_t>(std::lround(std::clamp(right[i] * g, -1.0, 1.0) * 32767));
    }
    return loop;
}

}  // namespace kestrilon::assets
