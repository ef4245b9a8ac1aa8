#include "render/colour.h"

#include <algorithm>
#include <array>

namespace kestrilon {
namespace {

struct NamedCode {
    std::string_view name;
    int code;
};

constexpr std::array<NamedCode, 27> kColourNames{{
    {"green", 301},     {"yellow", 302},     {"blue", 303},       {"pink", 304},    {"purple", 305},
    {"aqua", 306},      {"red", 307},        {"yellow2", 308},    {"hint", 309},    {"pink2", 310},
    {"rainbow", 312},   {"gray", 313},       {"green2", 314},     {"red2", 315},    {"silver", 316},
    {"red3", 317},      {"orange", 318},     {"pink3", 319},      {"pink4", 320},   {"aqua2", 321},
    {"gray_blue", 322}, {"green_blue", 323}, {"dark_blue", 324},  {"blue2", 325},   {"pink5", 326},
    {"aqua3", 327},     {"yellow3", 328},
}};

// Ten-phase palettes keep six values: phase 0, the pairs (2, 8), (3, 7), (4, 6), phase 5,
// and the pair (1, 9).
struct TenPhase {
    int code;
    std::array<Colour, 6> values;
};

constexpr std::array<TenPhase, 11> kTenPhase{{
    {301, {0x12EA00, 0x0FBF00, 0x0EB500, 0x0DB500, 0x0CB500, 0x10DB00}},
    {302, {0x00E8FF, 0x02C4DF, 0x02ADDF, 0x029DDF, 0x0287DF, 0x00D8E8}},
    {304, {0xB55AFF, 0x9B37FF, 0x8A15FF, 0x7900FB, 0x6600E3, 0xA54AFF}},
    {305, {0xFF3C9D, 0xF7007B, 0xD90268, 0xBF0058, 0xA81F42, 0xFF178B}},
    {306, {0xF8EC7E, 0xF5E44E, 0xF3E034, 0xF1DC1F, 0xE8D20F, 0xF7E864}},
    {307, {0x4646FF, 0x0606FF, 0x0000D9, 0x0000C4, 0x0000B5, 0x2626FF}},
    {308, {0x88DDDD, 0x66BBBB, 0x55AAAA, 0x559999, 0x558888, 0x77CCCC}},
    {309, {0x996633, 0xAA8855, 0xBB9966, 0xBBAA77, 0xCCAA88, 0xAA7744}},
    {318, {0x6688EE, 0x5979C9, 0x5070C0, 0x4969B9, 0x4060B0, 0x6080E0}},
    {319, {0xFF40EE, 0xDD10BB, 0xBB00B0, 0xB000A9, 0xA900A0, 0xEE30DD}},
    {320, {0xFF99EE, 0xDD77BB, 0xBB66B0, 0xB060A9, 0xA959A0, 0xEE88DD}},
}};

// Which of the six values each of the ten phases uses.
constexpr std::array<int, 10> kTenPhaseColumn{0, 5, 1, 2, 3, 4, 3, 2, 1, 5};

constexpr std::array<Colour, 8> kPalePink{0xDDCCFF, 0xCCBBFF, 0xBBAAEE, 0xAA99DD,
                                          0x9988CC, 0xAA99DD, 0xBBAAEE, 0xCCBBFF};
constexpr std::array<Colour, 12> kRainbow{0x0000FF, 0x0099FF, 0x00FFFF, 0x00FF99, 0x00FF00, 0x99FF00,
                                          0xFFFF00, 0xFF9900, 0xFF0000, 0xFF0099, 0xFF00FF, 0x9900FF};

struct FixedCode {
    int code;
    Colour colour;
};

constexpr std::array<FixedCode, 14> kFixed{{
    {303, 0x996633}, {313, 0x666666}, {314, 0x66CC66}, {315, 0x000099}, {316, 0x999999},
    {317, 0x6666FF}, {321, 0xDDCC66}, {322, 0x996600}, {323, 0x66CC00}, {324, 0x666633},
    {325, 0x999966}, {326, 0x9966CC}, {327, 0x99AA33}, {328, 0x55AAAA},
}};

int Modulo(int value, int m) {
    const int r = value % m;
    return r < 0 ? r + m : r;
}

}  // namespace

Colour ShiftColour(Colour colour, int amount) {
    int channel[3] = {RedOf(colour) + amount, GreenOf(colour) + amount, BlueOf(colour) + amount};
    int spill = 0;
    for (int c : channel) {
        if (c > 255) spill += c - 255;
        if (c < 0) spill += c;
    }
    spill /= 2;
    for (int& c : channel) c = std::clamp(std::clamp(c, 0, 255) + spill, 0, 255);
    return Rgb(channel[0], channel[1], channel[2]);
}

int ColourCode(std::string_view colourName) {
    for (const NamedCode& named : kColourNames)
        if (named.name == colourName) return named.code;
    return kDefaultColourCode;
}

Colour CodeColour(int code, int phase) {
    if (code == 310) return kPalePink[static_cast<size_t>(Modulo(phase, 8))];
    if (code == 312) return kRainbow[static_cast<size_t>(Modulo(phase, 12))];
    for (const TenPhase& palette : kTenPhase)
        if (palette.code == code)
            return palette.values[static_cast<size_t>(kTenPhaseColumn[static_cast<size_t>(Modulo(phase, 10))])];
    for (const FixedCode& fixed : kFixed)
        if (fixed.code == code) return fixed.colour;
    return 0xC0C0C0;
}

}  // namespace kestrilon
