// Objects of dungeon events, zoomed in over the scene: springs, chests, traps, trees,
// gates, the camp, the exchange place, strata, holes and the blood mark.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "art.h"
#include "paint.h"
#include "sprite_pen.h"

namespace kestrilon::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr Colour kGoldTrim = Rgb(230, 190, 60);

struct ChestLook {
    Colour body;
    Colour trim;
};

void Floor(const Pen& p, Colour colour) { p.Poly({{6, 78}, {94, 78}, {98, 94}, {2, 94}}, colour); }

void Chest(const Pen& p, ChestLook look, bool open) {
    const Colour dark = Scale(look.body, 0.6);
    if (open) {
        p.Poly({{18, 52}, {22, 16}, {78, 16}, {82, 52}}, dark);
        p.Poly({{24, 20}, {76, 20}, {76, 24}, {24, 24}}, look.trim);
        p.Box(18, 50, 82, 86, look.body);
        p.Box(22, 50, 78, 58, Rgb(40, 24, 16));
        for (int i = 0; i < 7; ++i) p.Oval(28 + i * 7.5, 50 - (i % 2) * 3, 5, 3, Rgb(250, 210, 70));
        p.Disc(50, 44, 5, Rgb(120, 220, 255));
    } else {
        std::initializer_list<PointF> lid = {{18, 54}, {18, 40}, {24, 31}, {36, 26}, {50, 24},
                                             {64, 26}, {76, 31}, {82, 40}, {82, 54}};
        p.Poly(lid, look.body);
        p.Box(18, 52, 82, 86, look.body);
        p.Box(18, 50, 82, 54, look.trim);
        p.Box(44, 46, 56, 62, look.trim);
        p.Oval(50, 53, 2, 2.5, Rgb(40, 24, 16));
        p.Box(49, 54, 51, 58, Rgb(40, 24, 16));
    }
    p.Box(26, 52, 30, 86, look.trim);
    p.Box(70, 52, 74, 86, look.trim);
    p.Box(18, 82, 82, 86, dark);
}

void Spring(const Pen& p) {
    p.Oval(50, 76, 42, 15, Rgb(120, 116, 110));
    p.Oval(50, 75, 34, 10, Rgb(40, 120, 200));
    p.Oval(44, 73, 12, 3, Rgb(150, 210, 250));
    p.Box(46, 40, 54, 74, Rgb(130, 126, 120));
    p.Oval(50, 40, 12, 4, Rgb(140, 136, 130));
    for (int side : {-1, 1})
        for (int i = 0; i < 9; ++i) {
            const double t = i / 8.0;
            p.Disc(50 + side * t * 26, 36 - 22 * std::sin(t * kPi) + t * 30, 2.4 - t, Rgb(120, 200, 250));
        }
}

void Spikes(const Pen& p) {
    Floor(p, Rgb(90, 80, 70));
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 7; ++i) {
            const double x = 12 + i * 12.5 + row * 4, y = 84 - row * 8.0, h = 30 - row * 6.0;
            p.Poly({{x - 5, y}, {x, y - h}, {x + 5, y}}, Rgb(200, 200, 210));
            p.Poly({{x, y}, {x, y - h}, {x + 5, y}}, Rgb(130, 130, 145));
        }
}

void Crack(const Pen& p) {
    Floor(p, Rgb(100, 86, 70));
    p.Poly({{12, 60}, {88, 60}, {94, 78}, {6, 78}}, Rgb(110, 96, 80));
    p.Poly({{20, 70}, {34, 64}, {42, 72}, {56, 62}, {64, 70}, {80, 64}, {76, 70}, {62, 76}, {54, 68}, {44, 78},
            {32, 70}, {22, 76}},
           Rgb(230, 90, 30));
    p.Poly({{30, 69}, {42, 74}, {56, 66}, {66, 72}, {56, 70}, {44, 75}}, Rgb(255, 200, 80));
}

void Cipher(const Pen& p, Random& random) {
    p.Poly({{22, 12}, {78, 12}, {84, 20}, {84, 88}, {16, 88}, {16, 20}}, Rgb(90, 100, 120));
    p.Poly({{24, 20}, {76, 20}, {76, 82}, {24, 82}}, Rgb(60, 66, 84));
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 5; ++col) {
            const double x = 30 + col * 9.5, y = 26 + row * 9.5;
            const Colour rune = Rgb(90, 230, 240);
            switch (random.Below(4)) {
                case 0: p.Stroke({x, y}, {x + 5, y + 5}, 1.2, rune); p.Stroke({x + 5, y}, {x, y + 5}, 1.2, rune); break;
                case 1: p.Stroke({x, y}, {x + 5, y}, 1.2, rune); p.Stroke({x + 2.5, y}, {x + 2.5, y + 5}, 1.2, rune); break;
                case 2: p.Disc(x + 2.5, y + 2.5, 2.2, rune); break;
                default: p.Stroke({x, y + 5}, {x + 2.5, y}, 1.2, rune); p.Stroke({x + 2.5, y}, {x + 5, y + 5}, 1.2, rune); break;
            }
        }
}

void Exchange(const Pen& p) {
    p.Box(10, 58, 90, 88, Rgb(120, 80, 46));
    p.Box(8, 54, 92, 60, Rgb(150, 104, 60));
    for (int stack = 0; stack < 3; ++stack)
        for (int k = 0; k < 3 + stack; ++k) p.Oval(20 + stack * 10, 52 - k * 4.0, 6, 2.5, k % 2 ? Rgb(250, 210, 80) : Rgb(220, 170, 40));
    p.Stroke({70, 54}, {70, 14}, 2.5, Rgb(170, 170, 180));
    p.Stroke({54, 20}, {86, 20}, 2, Rgb(170, 170, 180));
    for (double x : {56.0, 84.0}) {
        p.Stroke({x, 20}, {x, 34}, 1, Rgb(170, 170, 180));
        p.Poly({{x - 8, 34}, {x + 8, 34}, {x + 5, 38}, {x - 5, 38}}, Rgb(200, 180, 90));
    }
}

void Camp(const Pen& p) {
    Floor(p, Rgb(60, 70, 46));
    p.Poly({{8, 80}, {34, 22}, {60, 80}}, Rgb(200, 120, 50));
    p.Poly({{34, 22}, {60, 80}, {66, 76}, {40, 22}}, Rgb(150, 86, 36));
    p.Poly({{26, 80}, {34, 54}, {42, 80}}, Rgb(60, 34, 20));
    p.Stroke({68, 86}, {90, 78}, 4, Rgb(110, 70, 40));
    p.Stroke({68, 78}, {90, 86}, 4, Rgb(100, 64, 36));
    p.Poly({{70, 80}, {74, 60}, {79, 70}, {83, 54}, {88, 80}}, Rgb(240, 120, 30));
    p.Poly({{74, 80}, {78, 66}, {83, 80}}, Rgb(255, 220, 100));
}

void Hole(const Pen& p) {
    p.Oval(50, 66, 46, 22, Rgb(100, 80, 56));
    p.Oval(50, 64, 38, 16, Rgb(40, 28, 20));
    p.Oval(50, 62, 28, 10, Rgb(14, 10, 8));
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        p.Oval(50 + std::cos(a) * 42, 66 + std::sin(a) * 19, 5, 3, Rgb(130, 110, 90));
    }
}

void Trap(const Pen& p) {
    Floor(p, Rgb(80, 74, 66));
    p.Oval(50, 76, 34, 10, Rgb(120, 120, 130));
    PointF last{80, 70};
    for (int i = 0; i <= 8; ++i) {
        const double a = kPi * i / 8, x = 50 + std::cos(a) * 30;
        const double upper = 70 - std::sin(a) * 22;
        p.Poly({{x - 3, upper}, {x, upper + 7}, {x + 3, upper}}, Rgb(210, 210, 220));
        p.Poly({{x - 3, 78}, {x, 71}, {x + 3, 78}}, Rgb(210, 210, 220));
        p.Stroke(last, {x, upper}, 3, Rgb(150, 150, 160));
        last = {x, upper};
    }
    p.Stroke({20, 78}, {80, 78}, 3, Rgb(150, 150, 160));
    p.Box(47, 8, 53, 28, Rgb(240, 50, 40));
    p.Box(47, 32, 53, 38, Rgb(240, 50, 40));
}

void Tree(const Pen& p, Random& random) {
    Floor(p, Rgb(50, 70, 40));
    p.Poly({{42, 86}, {45, 40}, {55, 40}, {58, 86}}, Rgb(110, 74, 44));
    p.Stroke({50, 56}, {30, 40}, 4, Rgb(110, 74, 44));
    p.Stroke({50, 50}, {70, 36}, 4, Rgb(110, 74, 44));
    for (int i = 0; i < 14; ++i)
        p.Disc(50 + random.Range(-30, 30), 30 + random.Range(-20, 14), random.Range(9, 15),
               Mix(Rgb(40, 120, 50), Rgb(80, 170, 70), random.Unit()));
}

void Stump(const Pen& p) {
    Floor(p, Rgb(50, 70, 40));
    p.Box(40, 56, 60, 82, Rgb(110, 74, 44));
    p.Oval(50, 56, 10, 4, Rgb(200, 160, 110));
    p.Oval(50, 56, 5, 2, Rgb(160, 120, 80));
    for (int k = 0; k < 2; ++k) {
        const double y = 80 - k * 9;
        p.Box(8 + k * 6, y - 8, 36 + k * 6, y, Rgb(120, 80, 46));
        p.Oval(36 + k * 6, y - 4, 3, 4, Rgb(200, 160, 110));
        p.Box(64 + k * 4, y - 8, 92, y, Rgb(120, 80, 46));
        p.Oval(64 + k * 4, y - 4, 3, 4, Rgb(200, 160, 110));
    }
}

void Strata(const Pen& p, Random& random) {
    const Colour bands[] = {Rgb(150, 120, 80), Rgb(110, 80, 60), Rgb(170, 150, 110), Rgb(120, 100, 90), Rgb(140, 80, 60),
                            Rgb(100, 96, 100)};
    for (int i = 0; i < 6; ++i) {
        const double top = 20 + i * 11.0;
        p.Poly({{i == 0 ? 20.0 : 10.0, top}, {i == 0 ? 80.0 : 90.0, top - 2}, {92, top + 11}, {8, top + 12}}, bands[i]);
    }
    for (int i = 0; i < 5; ++i) p.Disc(random.Range(20, 80), random.Range(30, 80), 2.2, Rgb(120, 230, 220));
    p.Stroke({70, 88}, {88, 50}, 3, Rgb(120, 80, 46));
    p.Poly({{78, 48}, {98, 56}, {92, 50}, {84, 44}}, Rgb(190, 190, 200));
}

void Gate(const Pen& p) {
    p.Poly({{8, 92}, {8, 30}, {20, 12}, {50, 4}, {80, 12}, {92, 30}, {92, 92}}, Rgb(110, 106, 100));
    p.Poly({{18, 92}, {18, 34}, {28, 20}, {50, 14}, {72, 20}, {82, 34}, {82, 92}}, Rgb(100, 64, 36));
    p.Stroke({50, 14}, {50, 92}, 2, Rgb(60, 36, 20));
    for (double y : {36.0, 60.0, 82.0}) p.Box(18, y, 82, y + 4, Rgb(90, 90, 100));
    p.Box(44, 52, 56, 66, Rgb(200, 170, 60));
    p.Oval(50, 58, 2, 2.5, Rgb(40, 24, 16));
}

void BloodMark(const Pen& p, Random& random) {
    Floor(p, Rgb(80, 74, 66));
    p.Poly({{30, 70}, {40, 60}, {52, 64}, {64, 58}, {74, 66}, {70, 76}, {56, 80}, {42, 78}, {28, 80}}, Rgb(150, 16, 20));
    for (int i = 0; i < 9; ++i) p.Disc(random.Range(16, 84), random.Range(56, 88), random.Range(1.2, 3.2), Rgb(170, 20, 24));
    for (int i = 0; i < 4; ++i) {
        const double x = 40 + i * 7, y = 68 + (i % 2) * 3;
        p.Poly({{x - 4, y}, {x - 1, y - 4}, {x + 4, y - 2}, {x + 3, y + 2}}, Rgb(250, 210, 70));
    }
}

}  // namespace

Canvas DrawEvent(const PictureJob& job) {
    Canvas c(job.width, job.height);
    c.Clear(kSpriteBackground);
    Random random(job.name);
    // A 96-unit figure in a 100-unit box, so the outline never reaches the border.
    Canvas figure(job.width, job.height);
    figure.Clear(kSpriteBackground);
    const Pen p(figure, job.width * 0.96, 100.0);
    const std::string_view n = job.name;
    Colour glow = 0;
    if (n == "mizu.bmp") { Spring(p); glow = Rgb(40, 110, 180); }
    else if (n == "toge.bmp") Spikes(p);
    else if (n == "kiretu.bmp") { Crack(p); glow = Rgb(160, 50, 10); }
    else if (n == "trager1.bmp") Chest(p, {Rgb(150, 96, 50), kGoldTrim}, false);
    else if (n == "trager2.bmp") { Chest(p, {Rgb(150, 96, 50), kGoldTrim}, true); glow = Rgb(170, 140, 40); }
    else if (n == "trager4.bmp") { Chest(p, {Rgb(110, 50, 150), kGoldTrim}, false); glow = Rgb(110, 50, 160); }
    else if (n == "trager3.bmp") { Chest(p, {Rgb(110, 50, 150), kGoldTrim}, true); glow = Rgb(200, 160, 60); }
    else if (n == "trager5.bmp") Chest(p, {Rgb(190, 40, 40), kGoldTrim}, false);
    else if (n == "trager6.bmp") { Chest(p, {Rgb(190, 40, 40), kGoldTrim}, true); glow = Rgb(170, 120, 40); }
    else if (n == "trager7.bmp") Chest(p, {Rgb(130, 136, 150), Rgb(80, 84, 96)}, false);
    else if (n == "trager8.bmp") { Chest(p, {Rgb(130, 136, 150), Rgb(80, 84, 96)}, true); glow = Rgb(150, 150, 170); }
    else if (n == "angou.bmp") { Cipher(p, random); glow = Rgb(30, 120, 140); }
    else if (n == "kankin.bmp") Exchange(p);
    else if (n == "camp.bmp") { Camp(p); glow = Rgb(140, 70, 20); }
    else if (n == "ana.bmp") Hole(p);
    else if (n == "trap.bmp") { Trap(p); glow = Rgb(150, 20, 20); }
    else if (n == "tree1.bmp") Tree(p, random);
    else if (n == "tree2.bmp") Stump(p);
    else if (n == "tisou.bmp") Strata(p, random);
    else if (n == "door.bmp") Gate(p);
    else if (n == "blood.bmp") BloodMark(p, random);
    else Chest(p, {Hsv(random.Unit(), 0.5, 0.7), kGoldTrim}, false);
    // Objects standing on a floor are moved up: the zoom layer shows the picture's middle
    // where the eye expects the object.
    int left = job.width, top = job.height, right = 0, bottom = 0;
    for (int y = 0; y < job.height; ++y)
        for (int x = 0; x < job.width; ++x)
            if (figure.Pixel(x, y) != kSpriteBackground) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
    if (right > left)
        c.Copy(figure, (job.width - (right - left)) / 2, (job.height - (bottom - top)) / 2, right - left, bottom - top,
               left, top);
    c = FinishSprite(std::move(c));
    if (glow != 0) Aura(c, glow);
    return c;
}

}  // namespace kestrilon::assets
