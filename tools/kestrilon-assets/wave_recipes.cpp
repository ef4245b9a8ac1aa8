// What every wave effect sounds like: clicks for the interface, coins and chimes for
// rewards, footsteps and doors in the dungeon, hits, spells and fanfares in battle.
#include <cmath>
#include <initializer_list>
#include <map>
#include <string>

#include "procedural.h"
#include "wave_synth.h"

namespace kestrilon::assets {
namespace {

double N(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

Tone Ping(double at, double freq, double decay, double gain, Osc osc = Osc::Sine) {
    return {.start = at, .length = decay * 6, .osc = osc, .freq = freq, .gain = gain, .attack = 0.002, .decay = decay};
}

Tone Blip(double at, double length, Osc osc, double freq, double gain) {
    return {.start = at, .length = length, .osc = osc, .freq = freq, .gain = gain};
}

Tone Sweep(double at, double length, Osc osc, double from, double to, double gain, double decay = 0) {
    return {.start = at, .length = length, .osc = osc, .freq = from, .freqEnd = to, .gain = gain, .decay = decay};
}

Tone Hiss(double at, double length, double cutoff, double gain, double decay = 0, double highpass = 0) {
    return {.start = at, .length = length, .osc = Osc::Noise, .gain = gain, .decay = decay, .cutoff = cutoff,
            .highpass = highpass};
}

Tone Thud(double at, double freq, double gain) { return Sweep(at, 0.16, Osc::Sine, freq, freq * 0.4, gain, 0.04); }

Tone Filtered(Tone t, double cutoff, double cutoffEnd = 0) {
    t.cutoff = cutoff;
    t.cutoffEnd = cutoffEnd;
    return t;
}
Tone Vib(Tone t, double depth, double rate) {
    t.vibrato = depth;
    t.vibratoRate = rate;
    return t;
}
Tone Soft(Tone t, double attack) {
    t.attack = attack;
    return t;
}

// Notes one after another, each ringing for `ring` seconds.
void Arp(std::vector<Tone>& tones, double at, double step, std::initializer_list<int> notes, Osc osc, double ring,
         double gain) {
    for (int note : notes) {
        tones.push_back(Ping(at, N(note), ring, gain, osc));
        at += step;
    }
}

void Step(std::vector<Tone>& tones, double at, double gain) {
    tones.push_back(Thud(at, 150, gain));
    tones.push_back(Hiss(at, 0.05, 900, gain * 0.5, 0.015));
}

using Recipes = std::map<std::string, EffectRecipe, std::less<>>;

void Interface(Recipes& r) {
    r["1.wav"] = {{Blip(0, 0.012, Osc::Square, 2000, 0.22), Hiss(0, 0.01, 7000, 0.25, 0.003)}};
    r["b.wav"] = {{Ping(0, N(88), 0.18, 0.3), Ping(0.08, N(93), 0.22, 0.25)}, 0.11, 0.3};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.07, {72, 76, 79, 84}, Osc::Triangle, 0.25, 0.35);
        for (int n : {72, 76, 79}) e.tones.push_back(Soft(Ping(0.28, N(n), 0.35, 0.15), 0.02));
        r["start.wav"] = e;
    }
    r["try.wav"] = {{Thud(0, 110, 0.7), Filtered(Sweep(0.04, 0.5, Osc::Saw, 220, 440, 0.16, 0.25), 1400),
                     Filtered(Soft(Hiss(0, 0.5, 600, 0.3, 0.2), 0.15), 600, 3000)}};
    {
        EffectRecipe e;
        const std::pair<double, int> melody[] = {{0, 67}, {0.12, 72}, {0.24, 76}, {0.36, 79}, {0.58, 76}};
        for (auto [at, n] : melody) e.tones.push_back(Filtered(Blip(at, 0.16, Osc::Saw, N(n), 0.2), 2600));
        e.tones.push_back(Vib(Filtered(Blip(0.7, 0.9, Osc::Saw, N(79), 0.22), 2600), 0.15, 5.5));
        for (int n : {72, 76}) e.tones.push_back(Filtered(Soft(Blip(0.7, 0.9, Osc::Saw, N(n), 0.14), 0.03), 1800));
        e.tones.push_back(Thud(0.7, 90, 0.5));
        r["map_clear.wav"] = e;
    }
    r["card0.wav"] = {{Hiss(0, 0.06, 9000, 0.45, 0.02, 2000)}};
    r["card_out.wav"] = {{Filtered(Hiss(0, 0.14, 6000, 0.4, 0.06, 800), 6000, 1500),
                          Sweep(0, 0.12, Osc::Sine, 900, 400, 0.15)}};
    {
        EffectRecipe e;
        e.tones = {Filtered(Blip(0, 0.1, Osc::Square, N(76), 0.2), 3000), Filtered(Blip(0.1, 0.1, Osc::Square, N(72), 0.2), 3000),
                   Filtered(Sweep(0.2, 0.3, Osc::Square, N(69), N(68), 0.2, 0.12), 3000)};
        r["item_lost.wav"] = e;
    }
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.05, {84, 88, 91, 96}, Osc::Metal, 0.3, 0.22);
        for (int n : {84, 88, 91}) e.tones.push_back(Vib(Soft(Ping(0.2, N(n), 0.5, 0.12), 0.05), 0.1, 7));
        e.echoDelay = 0.13;
        e.echoFeedback = 0.35;
        r["reaitem1.wav"] = e;
    }
}

void Rewards(Recipes& r) {
    r["item_get.wav"] = {{Blip(0, 0.07, Osc::Square, N(83), 0.2), Ping(0.07, N(88), 0.12, 0.2, Osc::Square)}};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.06, {79, 83, 86, 91}, Osc::Triangle, 0.15, 0.3);
        e.tones.push_back(Ping(0.24, N(91), 0.4, 0.2, Osc::Metal));
        e.echoDelay = 0.12;
        e.echoFeedback = 0.3;
        r["new.wav"] = e;
    }
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.1, {74, 78, 81}, Osc::Triangle, 0.12, 0.3);
        e.tones.push_back(Vib(Ping(0.3, N(86), 0.35, 0.3, Osc::Triangle), 0.12, 6));
        r["quest_item.wav"] = e;
    }
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.045, {72, 74, 76, 77, 79, 81, 83}, Osc::Square, 0.06, 0.12);
        for (int n : {84, 88, 91}) e.tones.push_back(Filtered(Ping(0.32, N(n), 0.3, 0.14, Osc::Square), 4000));
        r["gousei_lvup.wav"] = e;
    }
    r["bp.wav"] = {{Sweep(0, 0.18, Osc::Sine, 300, 900, 0.4), Ping(0.18, 1200, 0.12, 0.3)}};
    r["coin.wav"] = {{Blip(0, 0.06, Osc::Square, N(83), 0.18), Ping(0.06, N(88), 0.12, 0.18, Osc::Square)}};
    r["kinkai.wav"] = {{Ping(0, 1200, 0.2, 0.35, Osc::Metal), Ping(0.07, 1650, 0.25, 0.3, Osc::Metal), Thud(0, 180, 0.4)}};
    {
        EffectRecipe e;
        for (double at : {0.0, 0.16, 0.32}) {
            e.tones.push_back(Hiss(at, 0.08, 3200, 0.45, 0.03, 300));
            e.tones.push_back(Thud(at, 160, 0.3));
        }
        r["taberu.wav"] = e;
    }
    {
        EffectRecipe e;
        for (int i = 0; i < 7; ++i) e.tones.push_back(Hiss(i * 0.028, 0.02, 7000, 0.3, 0.006, 1500));
        r["card.wav"] = e;
    }
    r["save.wav"] = {{Ping(0, N(76), 0.2, 0.3), Ping(0.1, N(83), 0.3, 0.3)}, 0.1, 0.25};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.03, {72, 76, 79, 83}, Osc::Triangle, 0.5, 0.2);
        r["gaku.wav"] = e;
    }
    {
        EffectRecipe e;
        const int notes[] = {72, 76, 79, 76, 84};
        for (int i = 0; i < 5; ++i) e.tones.push_back(Filtered(Blip(i * 0.08, 0.07, Osc::Square, N(notes[i]), 0.16), 3000));
        r["happy.wav"] = e;
    }
    {
        EffectRecipe e;
        e.tones.push_back(Vib(Sweep(0, 0.6, Osc::Sine, 400, 1600, 0.3), 1.0, 12));
        for (double at : {0.1, 0.25, 0.4}) e.tones.push_back(Ping(at, 2200 + at * 1500, 0.08, 0.12, Osc::Metal));
        e.tones.push_back(Ping(0.6, N(96), 0.3, 0.25, Osc::Metal));
        e.echoDelay = 0.1;
        e.echoFeedback = 0.3;
        r["make.wav"] = e;
    }
    r["katan.wav"] = {{Ping(0, 820, 0.025, 0.5, Osc::Triangle), Hiss(0, 0.02, 4000, 0.3, 0.005),
                       Ping(0.09, 600, 0.03, 0.45, Osc::Triangle), Hiss(0.09, 0.02, 3000, 0.3, 0.005)}};
}

void Dungeon(Recipes& r) {
    {
        EffectRecipe e;
        Step(e.tones, 0, 0.6);
        Step(e.tones, 0.22, 0.5);
        r["walk.wav"] = e;
    }
    {
        EffectRecipe e;
        for (int i = 0; i < 4; ++i) Step(e.tones, i * 0.2, 0.55 - i * 0.08);
        e.tones.push_back(Filtered(Soft(Hiss(0.1, 0.7, 2000, 0.2, 0.3), 0.2), 2000, 500));
        r["walk2.wav"] = e;
    }
    {
        EffectRecipe e;
        Step(e.tones, 0, 0.6);
        r["foot.wav"] = e;
    }
    r["door.wav"] = {{Vib(Filtered(Soft(Sweep(0, 0.5, Osc::Saw, 90, 140, 0.18), 0.05), 900), 0.6, 3), Thud(0.5, 80, 0.7),
                      Hiss(0.5, 0.12, 400, 0.3, 0.05)}};
    r["keyopen.wav"] = {{Ping(0, 2500, 0.03, 0.3, Osc::Metal), Hiss(0, 0.01, 8000, 0.2, 0.003),
                         Ping(0.1, 1800, 0.05, 0.35, Osc::Metal), Hiss(0.1, 0.015, 6000, 0.2, 0.004)}};
    r["trap.wav"] = {{Hiss(0, 0.05, 8000, 0.6, 0.01), Ping(0, 900, 0.1, 0.3, Osc::Metal), Thud(0, 100, 0.6)}};
    r["hazure.wav"] = {{Filtered(Blip(0, 0.2, Osc::Square, N(67), 0.2), 1500), Filtered(Blip(0.22, 0.2, Osc::Square, N(66), 0.2), 1500),
                        Vib(Filtered(Blip(0.44, 0.5, Osc::Square, N(65), 0.2), 1500), 0.4, 6)}};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.18, {79, 76, 72}, Osc::Triangle, 0.3, 0.28);
        for (int n : {60, 64, 67}) e.tones.push_back(Soft(Ping(0.54, N(n), 0.45, 0.14), 0.05));
        e.echoDelay = 0.15;
        e.echoFeedback = 0.3;
        r["home.wav"] = e;
    }
    {
        EffectRecipe e;
        e.tones = {Soft(Blip(0, 1.3, Osc::Sine, N(57), 0.2), 0.35), Soft(Blip(0, 1.3, Osc::Sine, N(64), 0.14), 0.35)};
        for (double at : {0.2, 0.26, 0.32, 0.8, 0.86, 0.92}) e.tones.push_back(Blip(at, 0.03, Osc::Sine, 4200, 0.05));
        r["night.wav"] = e;
    }
    {
        EffectRecipe e;
        Random random("water.wav");
        for (int i = 0; i < 8; ++i) e.tones.push_back(Sweep(random.Range(0, 0.45), 0.05, Osc::Sine, 400, 1200, 0.2));
        e.tones.push_back(Soft(Hiss(0, 0.55, 1200, 0.06), 0.1));
        r["water.wav"] = e;
    }
    {
        EffectRecipe e;
        for (double at : {0.0, 0.18, 0.36}) {
            e.tones.push_back(Hiss(at, 0.1, 1500, 0.5, 0.04));
            e.tones.push_back(Thud(at, 120, 0.4));
            e.tones.push_back(Ping(at + 0.05, 3000 - at * 1000, 0.02, 0.08, Osc::Metal));
        }
        r["tisou.wav"] = e;
    }
    r["undou.wav"] = {{Vib(Sweep(0, 0.12, Osc::Sine, 220, 660, 0.4), 2, 18), Vib(Sweep(0.12, 0.22, Osc::Sine, 660, 330, 0.4, 0.1), 2, 18)}};
    {
        EffectRecipe e;
        for (int i = 0; i < 6; ++i) {
            e.tones.push_back(Hiss(i * 0.06, 0.01, 9000, 0.25, 0.003, 2000));
            e.tones.push_back(Blip(i * 0.06, 0.012, Osc::Square, 1100 + (i % 3) * 90, 0.1));
        }
        r["moji.wav"] = e;
    }
    r["no.wav"] = {{Filtered(Blip(0, 0.12, Osc::Square, 150, 0.3), 1200), Filtered(Blip(0.16, 0.14, Osc::Square, 140, 0.3), 1200)}};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.07, {88, 92, 95}, Osc::Metal, 0.3, 0.25);
        e.tones.push_back(Vib(Soft(Ping(0.21, N(100), 0.4, 0.1), 0.02), 0.2, 9));
        e.echoDelay = 0.12;
        e.echoFeedback = 0.35;
        r["rare.wav"] = e;
    }
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.08, {76, 81, 85}, Osc::Triangle, 0.12, 0.3);
        e.tones.push_back(Vib(Ping(0.24, N(88), 0.4, 0.3, Osc::Triangle), 0.15, 6));
        e.tones.push_back(Filtered(Ping(0.24, N(76), 0.3, 0.1, Osc::Square), 2500));
        r["item_Get.wav"] = e;
    }
    r["hanmer.wav"] = {{Ping(0, 600, 0.25, 0.45, Osc::Metal), Hiss(0, 0.03, 5000, 0.4, 0.008), Thud(0, 120, 0.4),
                        Ping(0.3, 640, 0.25, 0.4, Osc::Metal), Hiss(0.3, 0.03, 5000, 0.35, 0.008)}};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.03, {69, 72, 76, 81}, Osc::Triangle, 0.6, 0.2);
        r["gaku2.wav"] = e;
    }
    {
        EffectRecipe e;
        Random random("coin_many_in.wav");
        for (int i = 0; i < 12; ++i)
            e.tones.push_back(Ping(i * 0.055 + random.Range(0, 0.03), random.Range(2000, 3500), 0.06, 0.25 - i * 0.012, Osc::Metal));
        r["coin_many_in.wav"] = e;
    }
    {
        EffectRecipe e;
        for (double at : {0.0, 0.11, 0.22}) e.tones.push_back(Filtered(Blip(at, 0.09, Osc::Square, N(72), 0.2), 3000));
        e.tones.push_back(Vib(Filtered(Blip(0.33, 0.6, Osc::Saw, N(79), 0.22), 2800), 0.15, 5));
        for (int n : {72, 76}) e.tones.push_back(Filtered(Blip(0.33, 0.6, Osc::Saw, N(n), 0.12), 2000));
        r["great.wav"] = e;
    }
    {
        EffectRecipe e;
        for (int i = 0; i < 4; ++i) e.tones.push_back(Filtered(Blip(i * 0.13, 0.12, Osc::Square, i % 2 ? 660 : 880, 0.2), 3500));
        r["keikoku.wav"] = e;
    }
    r["kaminari.wav"] = {{Hiss(0, 0.08, 7000, 0.7, 0.03), Hiss(0.03, 1.5, 320, 0.9, 0.45), Sweep(0, 1.2, Osc::Sine, 60, 35, 0.4, 0.4)}};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.09, {79, 84, 88, 91}, Osc::Sine, 0.3, 0.3);
        e.echoDelay = 0.12;
        e.echoFeedback = 0.3;
        r["learn.wav"] = e;
    }
    r["blood.wav"] = {{Hiss(0, 0.2, 900, 0.6, 0.08), Sweep(0, 0.25, Osc::Sine, 300, 80, 0.45, 0.1)}};
    r["holl.wav"] = {{Vib(Sweep(0, 0.9, Osc::Sine, 1400, 200, 0.3), 0.3, 7), Thud(0.9, 110, 0.7), Hiss(0.9, 0.1, 600, 0.3, 0.04)}};
    r["ok2.wav"] = {{Ping(0, N(84), 0.08, 0.3, Osc::Triangle), Ping(0.08, N(91), 0.25, 0.3, Osc::Triangle)}};
}

void Battle(Recipes& r) {
    r["enemy.wav"] = {{Filtered(Soft(Blip(0, 0.8, Osc::Saw, 55, 0.3), 0.3), 600), Filtered(Soft(Blip(0, 0.8, Osc::Saw, 58, 0.25), 0.3), 600),
                       Soft(Sweep(0, 0.8, Osc::Sine, 110, 82, 0.3), 0.2)}};
    r["boss.wav"] = {{Filtered(Blip(0, 1.2, Osc::Saw, 65.4, 0.3), 1500, 400), Filtered(Blip(0, 1.2, Osc::Saw, 98, 0.25), 1500, 400),
                      Filtered(Blip(0, 1.2, Osc::Saw, 130.8, 0.2), 1500, 400), Hiss(0, 0.3, 2000, 0.5, 0.08),
                      Sweep(0, 1.2, Osc::Sine, 45, 35, 0.5, 0.5)}};
    r["dragon.wav"] = {{Vib(Filtered(Sweep(0, 1.0, Osc::Saw, 90, 60, 0.4, 0.5), 1200), 1.5, 25),
                        Filtered(Soft(Hiss(0, 1.0, 1800, 0.5, 0.5), 0.05), 1800, 600)}};
    r["turn.wav"] = {{Blip(0, 0.05, Osc::Square, N(81), 0.15)}};
    r["turn2.wav"] = {{Blip(0, 0.06, Osc::Square, N(76), 0.18), Ping(0.06, N(81), 0.06, 0.18, Osc::Square)}};
    r["target.wav"] = {{Ping(0, 2400, 0.04, 0.25), Blip(0, 0.01, Osc::Square, 1200, 0.12)}};
    r["damage.wav"] = {{Hiss(0, 0.15, 3000, 0.7, 0.04), Sweep(0, 0.15, Osc::Sine, 160, 60, 0.7, 0.05)}};
    r["damage2.wav"] = {{Hiss(0, 0.25, 2000, 0.8, 0.07), Sweep(0, 0.25, Osc::Sine, 120, 40, 0.8, 0.08),
                         Filtered(Ping(0, 80, 0.05, 0.3, Osc::Square), 800)}};
    r["damage3.wav"] = {{Hiss(0, 0.04, 9000, 0.6, 0.01), Hiss(0.01, 0.35, 2500, 0.8, 0.1), Sweep(0, 0.3, Osc::Sine, 200, 40, 0.8, 0.1),
                         Ping(0, 1500, 0.1, 0.25, Osc::Metal)}};
    r["miss.wav"] = {{Filtered(Soft(Hiss(0, 0.25, 800, 0.4, 0, 300), 0.08), 800, 4000)}};
    r["bougyo.wav"] = {{Ping(0, 700, 0.15, 0.45, Osc::Metal), Ping(0, 1050, 0.1, 0.25, Osc::Metal), Hiss(0, 0.02, 6000, 0.3, 0.005)}};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.06, {84, 88, 91, 96, 100}, Osc::Sine, 0.3, 0.22);
        e.tones.push_back(Soft(Sweep(0, 0.6, Osc::Triangle, N(72), N(84), 0.12), 0.2));
        e.echoDelay = 0.1;
        e.echoFeedback = 0.3;
        r["kaifuku.wav"] = e;
    }
    r["kaijyo.wav"] = {{Sweep(0, 0.4, Osc::Sine, 600, 2400, 0.3), Ping(0.4, 2400, 0.3, 0.25, Osc::Metal)}, 0.1, 0.25};
    r["up.wav"] = {{Filtered(Sweep(0, 0.35, Osc::Square, 300, 1200, 0.16), 2500), Sweep(0, 0.35, Osc::Triangle, 600, 2400, 0.15)}};
    r["down.wav"] = {{Filtered(Sweep(0, 0.4, Osc::Square, 900, 200, 0.16), 2000), Sweep(0, 0.4, Osc::Triangle, 450, 100, 0.15)}};
    {
        EffectRecipe e;
        e.tones.push_back(Soft(Hiss(0, 0.6, 2500, 0.55, 0.3), 0.05));
        Random random("fire.wav");
        for (int i = 0; i < 10; ++i) e.tones.push_back(Hiss(random.Range(0, 0.5), 0.008, 6000, 0.4, 0.002));
        r["fire.wav"] = e;
    }
    r["wind.wav"] = {{Filtered(Soft(Hiss(0, 0.8, 500, 0.45, 0, 150), 0.25), 500, 2500)}};
    r["denki.wav"] = {{Vib(Filtered(Blip(0, 0.5, Osc::Square, 110, 0.25), 4000), 3, 40), Hiss(0, 0.5, 9000, 0.15, 0.2, 3000)}};
    r["dark.wav"] = {{Filtered(Soft(Sweep(0, 0.9, Osc::Saw, 65, 45, 0.3), 0.1), 500), Filtered(Soft(Sweep(0, 0.9, Osc::Saw, 69, 47, 0.25), 0.1), 500),
                      Soft(Sweep(0, 0.9, Osc::Sine, 130, 90, 0.3, 0.5), 0.1)}};
    {
        EffectRecipe e;
        for (int i = 0; i < 6; ++i) e.tones.push_back(Sweep(i * 0.07, 0.06, Osc::Sine, 500 + i * 60, 1500 + i * 80, 0.22));
        r["awa.wav"] = e;
    }
    r["bress.wav"] = {{Filtered(Soft(Hiss(0, 0.7, 1500, 0.6, 0.4), 0.15), 1500, 600), Filtered(Blip(0, 0.6, Osc::Saw, 80, 0.15), 300)}};
    r["ken.wav"] = {{Filtered(Hiss(0, 0.12, 3000, 0.45, 0, 2000), 3000, 9000), Ping(0.05, 3200, 0.15, 0.2, Osc::Metal)}};
    r["gun.wav"] = {{Hiss(0, 0.25, 7000, 0.9, 0.05), Sweep(0, 0.15, Osc::Sine, 200, 50, 0.8, 0.04)}};
    r["punch.wav"] = {{Sweep(0, 0.12, Osc::Sine, 180, 50, 0.8, 0.04), Hiss(0, 0.06, 1200, 0.4, 0.02)}};
    r["yari.wav"] = {{Filtered(Hiss(0, 0.18, 4000, 0.4, 0, 800), 4000, 1500), Ping(0.12, 2200, 0.08, 0.25, Osc::Metal)}};
    r["yari2.wav"] = {{Filtered(Hiss(0, 0.14, 4000, 0.4, 0, 800), 4000, 1500), Ping(0.1, 2200, 0.07, 0.22, Osc::Metal),
                       Filtered(Hiss(0.16, 0.14, 4500, 0.4, 0, 800), 4500, 1500), Ping(0.26, 2500, 0.08, 0.22, Osc::Metal)}};
    r["magic.wav"] = {{Vib(Sweep(0, 0.35, Osc::Sine, 800, 2000, 0.3), 0.5, 20), Sweep(0, 0.35, Osc::Triangle, 400, 1000, 0.12),
                       Ping(0.1, 3000, 0.05, 0.1, Osc::Metal), Ping(0.2, 3600, 0.05, 0.1, Osc::Metal), Ping(0.3, 4200, 0.08, 0.1, Osc::Metal)},
                      0.09, 0.25};
    r["mono.wav"] = {{Sweep(0, 0.12, Osc::Sine, 500, 700, 0.35), Ping(0.1, 900, 0.06, 0.2)}};
    {
        EffectRecipe e;
        for (int n : {84, 91, 100}) e.tones.push_back(Ping(0, N(n), 0.45, 0.2, Osc::Metal));
        for (int n : {72, 76, 79}) e.tones.push_back(Soft(Blip(0, 1.0, Osc::Sine, N(n), 0.1), 0.2));
        e.echoDelay = 0.14;
        e.echoFeedback = 0.35;
        r["sin.wav"] = e;
    }
    {
        EffectRecipe e;
        for (int i = 0; i < 3; ++i) e.tones.push_back(Blip(i * 0.05, 0.04, Osc::Square, N(88 + i * 3 + (i > 1)), 0.14));
        r["ren.wav"] = e;
    }
    r["rp.wav"] = {{Ping(0, N(93), 0.15, 0.3, Osc::Triangle), Ping(0.03, N(100), 0.12, 0.12)}};
    r["tel.wav"] = {{Vib(Sweep(0, 0.5, Osc::Sine, 300, 1800, 0.28), 3, 14), Vib(Sweep(0.25, 0.5, Osc::Sine, 1800, 300, 0.2), 3, 14)}};
    r["core.wav"] = {{Vib(Soft(Ping(0, 55, 0.4, 0.4), 0.1), 0.1, 4), Soft(Ping(0, 110, 0.35, 0.3), 0.1),
                      Soft(Ping(0, 165, 0.3, 0.15, Osc::Triangle), 0.1)}};
    r["zoku.wav"] = {{Ping(0, N(91), 0.3, 0.25, Osc::Metal), Ping(0.06, N(96), 0.35, 0.22, Osc::Metal)}, 0.1, 0.25};
    {
        EffectRecipe e;
        Arp(e.tones, 0, 0.05, {72, 76, 79, 84, 88, 91}, Osc::Square, 0.08, 0.13);
        e.tones.push_back(Ping(0.3, N(96), 0.35, 0.22, Osc::Metal));
        r["combo6.wav"] = e;
    }
    {
        EffectRecipe e;
        for (int n : {72, 79, 84, 88}) e.tones.push_back(Vib(Soft(Blip(0, 0.8, Osc::Sine, N(n), 0.12), 0.1), 0.25, 9));
        e.tones.push_back(Ping(0, N(96), 0.3, 0.15, Osc::Metal));
        r["baria.wav"] = e;
    }
    {
        EffectRecipe e;
        e.tones.push_back(Hiss(0, 0.4, 12000, 0.45, 0.12, 4000));
        Random random("baria2.wav");
        for (int i = 0; i < 8; ++i) e.tones.push_back(Ping(random.Range(0, 0.2), random.Range(3000, 6000), 0.06, 0.15, Osc::Metal));
        r["baria2.wav"] = e;
    }
    r["hansya.wav"] = {{Ping(0, 2000, 0.2, 0.3, Osc::Metal), Sweep(0, 0.15, Osc::Sine, 1200, 2400, 0.2)}, 0.09, 0.5};
    r["kyuusyuu.wav"] = {{Vib(Sweep(0, 0.5, Osc::Sine, 1600, 200, 0.3), 1, 10), Filtered(Soft(Hiss(0, 0.5, 1000, 0.25), 0.1), 1000, 300)}};
    r["hissatu.wav"] = {{Hiss(0, 0.3, 4000, 0.8, 0.1), Sweep(0, 0.3, Osc::Sine, 150, 40, 0.8, 0.1),
                         Filtered(Sweep(0.05, 0.6, Osc::Saw, 200, 1600, 0.18), 3000), Ping(0.6, 2600, 0.3, 0.25, Osc::Metal)}};
    r["syoukan.wav"] = {{Filtered(Soft(Blip(0, 1.0, Osc::Saw, N(60), 0.14), 0.4), 1500), Filtered(Soft(Blip(0, 1.0, Osc::Saw, N(67), 0.12), 0.4), 1500),
                         Filtered(Soft(Blip(0, 1.0, Osc::Saw, N(72), 0.1), 0.4), 1500), Sweep(0, 0.8, Osc::Sine, 200, 1000, 0.2),
                         Ping(0.8, N(96), 0.4, 0.2, Osc::Metal)}};
    r["syoukan_turn.wav"] = {{Ping(0, N(84), 0.06, 0.2, Osc::Triangle), Ping(0.07, N(91), 0.1, 0.2, Osc::Triangle)}};
    {
        EffectRecipe e;
        for (int i = 0; i < 4; ++i) Step(e.tones, i * 0.09, 0.45);
        e.tones.push_back(Filtered(Soft(Hiss(0.1, 0.5, 2000, 0.3, 0.2), 0.1), 2000, 500));
        r["nigeru.wav"] = e;
    }
    r["senmetu.wav"] = {{Hiss(0, 1.4, 5000, 0.9, 0.4), Hiss(0, 1.5, 300, 0.9, 0.6), Sweep(0, 1.0, Osc::Sine, 80, 30, 0.6, 0.4)}};
    r["death.wav"] = {{Filtered(Sweep(0, 0.5, Osc::Square, 400, 80, 0.22), 1500), Hiss(0, 0.4, 1500, 0.35, 0.2)}};
    {
        EffectRecipe e;
        const std::pair<double, int> phrase[] = {{0, 76}, {0.4, 72}, {0.8, 69}, {1.2, 64}};
        for (auto [at, n] : phrase) {
            const double length = n == 64 ? 1.4 : 0.42;
            e.tones.push_back(Soft(Blip(at, length, Osc::Triangle, N(n), 0.3), 0.02));
            e.tones.push_back(Soft(Blip(at, length, Osc::Sine, N(n - 12), 0.15), 0.02));
        }
        e.tones.push_back(Filtered(Soft(Blip(0, 2.6, Osc::Saw, N(45), 0.12), 0.3), 500));
        e.echoDelay = 0.2;
        e.echoFeedback = 0.3;
        r["gameover.wav"] = e;
    }
    r["muti.wav"] = {{Soft(Hiss(0, 0.1, 3000, 0.3, 0, 1000), 0.08), Hiss(0.1, 0.05, 10000, 0.8, 0.012, 3000),
                      Sweep(0.1, 0.05, Osc::Sine, 3000, 800, 0.3)}};
    r["ya.wav"] = {{Soft(Hiss(0, 0.15, 6000, 0.3, 0, 2000), 0.1), Sweep(0.15, 0.1, Osc::Sine, 300, 120, 0.6, 0.03),
                    Hiss(0.15, 0.03, 1500, 0.4, 0.01)}};
}

const Recipes& AllRecipes() {
    static const Recipes recipes = [] {
        Recipes r;
        Interface(r);
        Rewards(r);
        Dungeon(r);
        Battle(r);
        // Ticks that come with every click and turn stay in the background.
        for (const char* tick : {"1.wav", "card0.wav", "card.wav", "moji.wav", "turn.wav", "target.wav", "ren.wav"})
            r[tick].level = 0.45;
        return r;
    }();
    return recipes;
}

}  // namespace

std::vector<std::string_view> EffectRecipeNames() {
    std::vector<std::string_view> names;
    for (const auto& [name, recipe] : AllRecipes()) names.emplace_back(name);
    return names;
}

EffectRecipe EffectFor(std::string_view name) {
    const Recipes& recipes = AllRecipes();
    if (auto found = recipes.find(name); found != recipes.end()) return found->second;
    Random random(name);
    const int note = 72 + random.Below(24);
    return {{Ping(0, N(note), 0.12, 0.3, Osc::Triangle), Ping(0.07, N(note + 7), 0.15, 0.2, Osc::Triangle)}};
}

}  // namespace kestrilon::assets
