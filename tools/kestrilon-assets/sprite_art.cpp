// Battle sprites: enemies, the fallen-enemy marker and the spirit beasts. Each figure is
// drawn in a 64-unit box scaled to the file's size, on the colour-key background, then
// outlined and lit from the top left.
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "art.h"
#include "data/card_database.h"
#include "paint.h"
#include "sprite_pen.h"

namespace kestrilon::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr Colour kGold = Rgb(240, 200, 60);

enum class Body { Humanoid, Knight, Mage, Gunner, Lancer, Angel, Golem, Blob, Bat, Bird, Wisp, Cloud, Leaf, Imp,
                  Eye, Robot, Beast, Dragon };

struct BodyWord {
    std::string_view word;
    Body body;
};

// Words of enemy names and picture names and the figure they suggest; first match wins.
constexpr BodyWord kBodyWords[] = {
    {"リーフ", Body::Leaf},      {"leaf", Body::Leaf},        {"snow", Body::Leaf},       {"クラウン", Body::Imp},
    {"crown", Body::Imp},        {"蝙蝠", Body::Bat},         {"アメーバ", Body::Blob},   {"スライム", Body::Blob},
    {"火の玉", Body::Wisp},      {"精霊", Body::Wisp},        {"スモッグ", Body::Cloud},  {"朱雀", Body::Bird},
    {"朱鳥", Body::Bird},        {"霊鳥", Body::Bird},        {"天使", Body::Angel},      {"DRAGOON", Body::Dragon},
    {"ドラゴン", Body::Dragon},  {"ロボ", Body::Robot},       {"robo", Body::Robot},      {"テレパス", Body::Eye},
    {"tel", Body::Eye},          {"ワーウルフ", Body::Beast}, {"ガウラ", Body::Beast},    {"ドンゴ", Body::Beast},
    {"アイスマン", Body::Golem}, {"ナイト", Body::Knight},    {"剣士", Body::Knight},     {"ガンマン", Body::Gunner},
    {"槍", Body::Lancer},        {"魔", Body::Mage},          {"術", Body::Mage},         {"召喚", Body::Mage},
    {"使者", Body::Mage},        {"ダーク", Body::Mage},
};

Body BodyOf(const PictureJob& job) {
    for (const BodyWord& w : kBodyWords)
        if (job.label.find(w.word) != std::string::npos || job.name.find(w.word) != std::string::npos) return w.body;
    constexpr Body kPlain[] = {Body::Humanoid, Body::Humanoid, Body::Mage, Body::Knight, Body::Beast, Body::Blob};
    return kPlain[NameSeed(job.name) % std::size(kPlain)];
}

Colour BodyColour(const PictureJob& job, Random& random) {
    if (job.element > 0) return Mix(ElementColour(job.element), Rgb(200, 200, 200), 0.15);
    return Hsv(random.Unit(), 0.45 + random.Unit() * 0.3, 0.75 + random.Unit() * 0.2);
}

void Humanoid(const Pen& p, Body body, Colour main, Random& random, bool special) {
    const Colour skin = Rgb(236, 200, 170);
    const Colour cloth = body == Body::Golem ? main : Scale(main, 0.85);
    const bool robe = body == Body::Mage || body == Body::Angel;
    if (body == Body::Angel) {
        p.Poly({{28, 28}, {4, 14}, {8, 32}, {2, 40}, {26, 40}}, Rgb(236, 236, 250));
        p.Poly({{36, 28}, {60, 14}, {56, 32}, {62, 40}, {38, 40}}, Rgb(236, 236, 250));
    }
    if (special) p.Poly({{20, 24}, {44, 24}, {52, 60}, {12, 60}}, Scale(main, 0.45));  // cape
    if (robe) {
        p.Poly({{24, 26}, {40, 26}, {46, 60}, {18, 60}}, cloth);
    } else {
        p.Box(24, 44, 30, 60, Scale(cloth, 0.7));
        p.Box(34, 44, 40, 60, Scale(cloth, 0.7));
        p.Box(23, 26, 41, 46, cloth);
    }
    const double armY = robe ? 32 : 30;
    p.Stroke({24, 28}, {16, armY + 12}, 5, cloth);
    p.Stroke({40, 28}, {48, armY + 12}, 5, cloth);
    if (body == Body::Golem) {
        p.Box(21, 8, 43, 27, main);
        p.Eyes(32, 17, 10, 2.6, Rgb(60, 120, 200));
        return;
    }
    p.Disc(32, 17, 9, skin);
    p.Eyes(32, 17, 8, 2.4);
    switch (body) {
        case Body::Knight:
            p.Poly({{22, 14}, {42, 14}, {42, 8}, {32, 3}, {22, 8}}, Rgb(190, 196, 210));
            p.Box(48, 18, 51, 46, Rgb(220, 220, 230));
            p.Poly({{8, 30}, {22, 30}, {22, 44}, {15, 50}, {8, 44}}, Mix(main, Rgb(200, 200, 210), 0.4));
            break;
        case Body::Mage:
        case Body::Angel:
            if (body == Body::Mage) p.Poly({{19, 12}, {45, 12}, {40, 1}}, Scale(main, 0.6));
            else p.Stroke({24, 4}, {40, 4}, 2, kGold);
            p.Stroke({50, 14}, {50, 58}, 2.5, Rgb(140, 100, 60));
            p.Disc(50, 12, 4, Mix(main, Rgb(255, 255, 255), 0.5));
            break;
        case Body::Gunner:
            p.Poly({{20, 11}, {44, 11}, {40, 4}, {24, 4}}, Rgb(120, 80, 50));
            p.Stroke({14, 11}, {50, 11}, 2, Rgb(120, 80, 50));
            p.Box(46, 38, 58, 42, Rgb(150, 150, 160));
            break;
        case Body::Lancer:
            p.Stroke({50, 60}, {50, 2}, 2.5, Rgb(150, 110, 70));
            p.Poly({{50, 0}, {54, 10}, {46, 10}}, Rgb(220, 220, 230));
            break;
        default:
            p.Poly({{22, 12}, {42, 12}, {40, 7}, {24, 7}}, Scale(main, 0.5));  // hair band
            if (random.Below(2) == 0) p.Stroke({47, 42}, {56, 22}, 2.5, Rgb(210, 210, 220));
            break;
    }
    if (special) p.Poly({{24, 6}, {27, 0}, {30, 5}, {32, 0}, {34, 5}, {37, 0}, {40, 6}}, kGold);
}

void Creature(const Pen& p, Body body, Colour main) {
    const Colour light = Mix(main, Rgb(255, 255, 255), 0.4);
    switch (body) {
        case Body::Blob:
            p.Poly({{8, 56}, {56, 56}, {54, 40}, {46, 26}, {32, 20}, {18, 26}, {10, 40}}, main);
            p.Oval(22, 32, 6, 4, light);
            p.Eyes(32, 40, 12, 4);
            p.Stroke({27, 49}, {37, 49}, 2, Scale(main, 0.4));
            break;
        case Body::Bat:
            p.Poly({{30, 30}, {2, 14}, {8, 28}, {3, 38}, {14, 34}, {18, 44}, {30, 38}}, Scale(main, 0.7));
            p.Poly({{34, 30}, {62, 14}, {56, 28}, {61, 38}, {50, 34}, {46, 44}, {34, 38}}, Scale(main, 0.7));
            p.Disc(32, 34, 10, main);
            p.Poly({{24, 28}, {26, 16}, {30, 26}}, main);
            p.Poly({{40, 28}, {38, 16}, {34, 26}}, main);
            p.Eyes(32, 32, 8, 2.5, Rgb(220, 30, 30));
            break;
        case Body::Bird:
            p.Poly({{30, 40}, {4, 54}, {12, 44}, {2, 44}, {18, 36}}, Mix(main, Rgb(255, 200, 60), 0.4));
            p.Oval(32, 36, 16, 11, main);
            p.Poly({{30, 30}, {52, 6}, {46, 26}, {58, 20}, {42, 38}}, Scale(main, 0.8));
            p.Disc(46, 24, 7, main);
            p.Poly({{52, 22}, {62, 26}, {52, 28}}, kGold);
            p.Disc(47, 22, 2, kEyeWhite);
            p.Disc(47.5, 22.5, 1.1, kPupil);
            break;
        case Body::Wisp:
            p.Poly({{32, 4}, {42, 20}, {48, 36}, {44, 50}, {32, 58}, {20, 50}, {16, 36}, {22, 20}}, main);
            p.Poly({{32, 18}, {38, 32}, {40, 44}, {32, 52}, {24, 44}, {26, 32}}, light);
            p.Eyes(32, 40, 10, 3);
            break;
        case Body::Cloud:
            for (auto [x, y, r] : std::initializer_list<std::array<double, 3>>{{20, 36, 12}, {32, 28, 14}, {44, 36, 12}, {32, 42, 14}})
                p.Disc(x, y, r, main);
            p.Disc(26, 26, 6, light);
            p.Eyes(32, 36, 12, 3.2);
            p.Poly({{34, 50}, {28, 58}, {33, 58}, {29, 63}, {38, 54}, {33, 54}}, kGold);
            break;
        case Body::Leaf:
            p.Poly({{32, 4}, {46, 16}, {52, 32}, {46, 48}, {32, 58}, {18, 48}, {12, 32}, {18, 16}}, main);
            p.Stroke({32, 8}, {32, 56}, 2, Scale(main, 0.55));
            for (int i = 0; i < 3; ++i) {
                p.Stroke({32, 20.0 + i * 10}, {22, 14.0 + i * 10}, 1.5, Scale(main, 0.55));
                p.Stroke({32, 20.0 + i * 10}, {42, 14.0 + i * 10}, 1.5, Scale(main, 0.55));
            }
            p.Eyes(32, 36, 12, 3.4);
            p.Poly({{14, 28}, {2, 20}, {6, 34}}, light);
            p.Poly({{50, 28}, {62, 20}, {58, 34}}, light);
            break;
        case Body::Imp:
            p.Disc(32, 38, 16, main);
            p.Poly({{18, 30}, {12, 14}, {24, 26}}, Scale(main, 0.6));
            p.Poly({{46, 30}, {52, 14}, {40, 26}}, Scale(main, 0.6));
            p.Poly({{20, 24}, {22, 8}, {27, 16}, {32, 6}, {37, 16}, {42, 8}, {44, 24}}, kGold);
            p.Eyes(32, 38, 12, 3.5, Rgb(200, 40, 160));
            p.Poly({{26, 48}, {38, 48}, {32, 52}}, Scale(main, 0.35));
            break;
        case Body::Eye:
            for (int r = 0; r < 3; ++r) p.Disc(32, 32, 28 - r * 2.0, r % 2 ? Scale(main, 0.35) : Scale(main, 0.8));
            p.Oval(32, 32, 20, 12, kEyeWhite);
            p.Disc(32, 32, 9, main);
            p.Disc(32, 32, 4, kPupil);
            p.Disc(29, 29, 2, kEyeWhite);
            break;
        case Body::Robot:
            p.Box(20, 24, 44, 48, Rgb(150, 156, 170));
            p.Box(24, 8, 40, 24, Rgb(170, 176, 190));
            p.Box(26, 14, 38, 18, Rgb(230, 50, 40));
            p.Stroke({32, 8}, {32, 2}, 1.5, Rgb(170, 176, 190));
            p.Disc(32, 2.5, 2, Rgb(240, 200, 60));
            p.Box(12, 26, 18, 44, Rgb(130, 136, 150));
            p.Box(46, 26, 52, 44, Rgb(130, 136, 150));
            p.Box(22, 48, 30, 60, Rgb(120, 126, 140));
            p.Box(34, 48, 42, 60, Rgb(120, 126, 140));
            p.Box(26, 30, 38, 40, main);
            break;
        case Body::Beast:
        case Body::Dragon: {
            const bool dragon = body == Body::Dragon;
            if (dragon) p.Poly({{26, 30}, {14, 4}, {40, 20}, {30, 32}}, Scale(main, 0.7));
            p.Stroke({10, 36}, {2, 24}, 4, main);  // tail
            p.Oval(28, 40, 18, 11, main);
            for (double x : {16.0, 24.0, 34.0, 40.0}) p.Box(x - 2.5, 46, x + 2.5, 58, Scale(main, 0.75));
            p.Disc(46, 30, 10, main);
            p.Poly({{40, 24}, {42, 12}, {46, 22}}, Scale(main, 0.7));
            p.Poly({{48, 22}, {52, 10}, {54, 24}}, Scale(main, 0.7));
            p.Oval(55, 34, 6, 4, Scale(main, 0.9));
            p.Eyes(47, 28, 7, 2.2, dragon ? Rgb(240, 180, 30) : Rgb(200, 40, 40));
            if (dragon) p.Poly({{12, 32}, {20, 28}, {28, 32}, {36, 28}, {40, 32}}, light);
            break;
        }
        default:
            break;
    }
}

}  // namespace

Canvas DrawEnemy(const PictureJob& job) {
    Canvas c(job.width, job.height);
    c.Clear(kSpriteBackground);
    Random random(job.name);
    const Colour main = BodyColour(job, random);
    const bool special = job.variant == 1;
    // A 60-unit figure in the 64-unit box leaves a margin for the outline.
    const double side = job.width * 60.0 / 64.0;
    Canvas figure(job.width, job.height);
    figure.Clear(kSpriteBackground);
    const Pen pen(figure, side);
    const Body body = special ? Body::Humanoid : BodyOf(job);
    switch (body) {
        case Body::Humanoid:
        case Body::Knight:
        case Body::Mage:
        case Body::Gunner:
        case Body::Lancer:
        case Body::Angel:
        case Body::Golem: Humanoid(pen, body, main, random, special); break;
        default: Creature(pen, body, main); break;
    }
    const int offset = (job.width - static_cast<int>(side)) / 2;
    c.Copy(figure, offset, offset, static_cast<int>(side), static_cast<int>(side));
    c = FinishSprite(std::move(c));
    if (special) Aura(c, Scale(main, 0.6));
    return c;
}

Canvas DrawDeath(const PictureJob& job) {
    Canvas c(job.width, job.height);
    c.Clear(kSpriteBackground);
    const Pen p(c, job.width);
    p.Poly({{16, 58}, {16, 22}, {20, 12}, {32, 7}, {44, 12}, {48, 22}, {48, 58}}, Rgb(130, 130, 140));
    p.Box(30, 18, 34, 44, Rgb(70, 70, 80));
    p.Box(23, 25, 41, 29, Rgb(70, 70, 80));
    p.Poly({{8, 60}, {56, 60}, {52, 54}, {12, 54}}, Rgb(60, 110, 50));
    return FinishSprite(std::move(c));
}

Canvas DrawSpiritBeast(const PictureJob& job) {
    Canvas c(job.width, job.height);
    c.Clear(kSpriteBackground);
    Random random(job.name);
    const Colour main = Mix(ElementColour(job.variant + 1), Rgb(220, 220, 220), 0.2);
    const Pen p(c, job.width);
    const double sway = (job.variant % 3 - 1) * 6.0;
    p.Poly({{32, 8}, {42, 20}, {46, 34}, {40, 46}, {32 + sway, 58}, {24, 46}, {18, 34}, {22, 20}}, main);
    p.Poly({{22, 22}, {10 + sway / 2, 12}, {18, 30}}, Scale(main, 0.8));
    p.Poly({{42, 22}, {54 + sway / 2, 12}, {46, 30}}, Scale(main, 0.8));
    p.Disc(32, 32, 8, Mix(main, Rgb(255, 255, 255), 0.5));
    p.Eyes(32, 30, 9, 2.6);
    for (int i = 0; i < 3 + job.variant % 3; ++i) {
        const double a = random.Unit() * 2 * kPi;
        p.Disc(32 + std::cos(a) * 24, 32 + std::sin(a) * 24, 1.8, Mix(main, Rgb(255, 255, 255), 0.6));
    }
    return FinishSprite(std::move(c));
}

}  // namespace kestrilon::assets
