// Card faces, the small card frames of card lines and the hint icon.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "art.h"
#include "data/card_database.h"
#include "paint.h"

namespace kestrilon::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr Colour kWhite = Rgb(255, 255, 255);
// The colours the card lists give to the two kinds.
constexpr Colour kDungeonKind = Rgb(0x66, 0xCC, 0x66);
constexpr Colour kBattleKind = Rgb(0x66, 0x99, 0xCC);

enum class Emblem { Foot, Bread, Drop, Key, Potion, Scroll, Tent, Gear, Escape, Coin, Axe, Sword, Arrow, Bullet,
                    Star, Diamond, Cross, Shield, Down, Swirl, Ring, Bow, Gun, Candy, Summon, Nothing };

bool In(int v, int low, int high) { return v >= low && v <= high; }

// What the card does, by its action code and its equipment flags.
Emblem EmblemOf(const titem& card) {
    const int a = card.action;
    if (card.isArrow >= 1) return Emblem::Arrow;
    if (card.isBullet >= 1) return Emblem::Bullet;
    if (card.isBow >= 1) return Emblem::Bow;
    if (card.isGun >= 1) return Emblem::Gun;
    if (card.kind == 1 || (a > 0 && a < 100)) {
        if (a == 1 || a == 3 || a == 30) return Emblem::Foot;
        if (a == 4) return Emblem::Bread;
        if (a == 2 || a == 31 || a == 39) return Emblem::Drop;
        if (a == 5 || a == 9 || In(a, 24, 26)) return Emblem::Key;
        if (a == 6 || a == 7 || a == 17 || a == 19 || a == 20 || a == 33 || a == 34) return Emblem::Potion;
        if (a == 8) return Emblem::Scroll;
        if (a == 10 || a == 13) return Emblem::Tent;
        if (a == 11) return Emblem::Gear;
        if (a == 12) return Emblem::Escape;
        if (a == 14 || a == 16) return Emblem::Coin;
        if (a == 15 || a == 18) return Emblem::Axe;
        if (In(a, 21, 29)) return Emblem::Swirl;
        if (a == 32) return Emblem::Star;
    }
    if (In(a, 100, 112)) return a == 107 ? Emblem::Arrow : a == 111 ? Emblem::Swirl : Emblem::Sword;
    if (In(a, 200, 208)) return Emblem::Star;
    if (In(a, 600, 609)) return Emblem::Cross;
    if (In(a, 700, 734)) return Emblem::Shield;
    if (In(a, 800, 816)) return Emblem::Down;
    if (a == 900) return Emblem::Nothing;
    if (a == 901) return Emblem::Escape;
    if (a == 902) return Emblem::Candy;
    if (In(a, 920, 922)) return Emblem::Summon;
    if (card.isAbility >= 1) return Emblem::Ring;
    return Emblem::Diamond;
}

std::vector<PointF> StarPoints(double cx, double cy, double outer, double inner, int tips, double turn) {
    std::vector<PointF> points;
    for (int i = 0; i < tips * 2; ++i) {
        const double a = turn + i * kPi / tips;
        const double r = i % 2 ? inner : outer;
        points.push_back({cx + std::sin(a) * r, cy - std::cos(a) * r});
    }
    return points;
}

// The emblem in a box of radius s around (x, y); `hole` is the colour behind it.
void DrawEmblem(Canvas& c, Emblem emblem, double x, double y, double s, Colour fill, Colour hole) {
    const Colour dark = Scale(fill, 0.55);
    switch (emblem) {
        case Emblem::Foot:
            FillEllipse(c, x - s * 0.05, y + s * 0.2, s * 0.32, s * 0.55, fill);
            for (int i = 0; i < 5; ++i)
                FillDisc(c, x - s * 0.38 + i * s * 0.17, y - s * 0.5 + std::abs(i - 1.5) * s * 0.07, s * (0.1 - i * 0.01), fill);
            break;
        case Emblem::Bread:
            FillEllipse(c, x, y, s * 0.85, s * 0.5, fill);
            for (int i = -1; i <= 1; ++i) ThickLine(c, {x + i * s * 0.35 - s * 0.1, y - s * 0.25}, {x + i * s * 0.35 + s * 0.1, y + s * 0.2}, s * 0.08, dark);
            break;
        case Emblem::Drop: {
            std::vector<PointF> drop{{x, y - s * 0.9}};
            for (int i = 0; i <= 16; ++i) {
                const double a = -kPi / 6 + i * (kPi * 4 / 3) / 16;
                drop.push_back({x + std::cos(a) * s * 0.5, y + s * 0.25 + std::sin(a) * s * 0.5});
            }
            FillPolygon(c, drop, fill);
            FillEllipse(c, x - s * 0.2, y + s * 0.15, s * 0.1, s * 0.18, Mix(fill, kWhite, 0.5));
            break;
        }
        case Emblem::Key:
            FillDisc(c, x - s * 0.45, y, s * 0.35, fill);
            FillDisc(c, x - s * 0.45, y, s * 0.16, hole);
            ThickLine(c, {x - s * 0.15, y}, {x + s * 0.85, y}, s * 0.18, fill);
            c.Fill({int(x + s * 0.45), int(y), int(x + s * 0.6), int(y + s * 0.35)}, fill);
            c.Fill({int(x + s * 0.7), int(y), int(x + s * 0.85), int(y + s * 0.28)}, fill);
            break;
        case Emblem::Potion:
            FillDisc(c, x, y + s * 0.25, s * 0.55, fill);
            c.Fill({int(x - s * 0.16), int(y - s * 0.7), int(x + s * 0.16), int(y)}, fill);
            c.Fill({int(x - s * 0.22), int(y - s * 0.9), int(x + s * 0.22), int(y - s * 0.7)}, dark);
            FillEllipse(c, x, y + s * 0.4, s * 0.4, s * 0.22, Mix(fill, kWhite, 0.35));
            break;
        case Emblem::Scroll:
            c.Fill({int(x - s * 0.7), int(y - s * 0.55), int(x + s * 0.7), int(y + s * 0.55)}, fill);
            FillDisc(c, x - s * 0.7, y, s * 0.2, dark);
            FillDisc(c, x + s * 0.7, y, s * 0.2, dark);
            for (int i = 0; i < 4; ++i)
                c.Fill({int(x - s * 0.45), int(y - s * 0.38 + i * s * 0.22), int(x + s * (0.45 - 0.12 * (i % 2))),
                        int(y - s * 0.3 + i * s * 0.22)}, dark);
            break;
        case Emblem::Tent: {
            const PointF tent[] = {{x, y - s * 0.8}, {x + s * 0.9, y + s * 0.6}, {x - s * 0.9, y + s * 0.6}};
            const PointF door[] = {{x, y - s * 0.1}, {x + s * 0.3, y + s * 0.6}, {x - s * 0.3, y + s * 0.6}};
            FillPolygon(c, tent, fill);
            FillPolygon(c, door, dark);
            break;
        }
        case Emblem::Gear:
            FillPolygon(c, StarPoints(x, y, s * 0.8, s * 0.6, 8, 0), fill);
            FillDisc(c, x, y, s * 0.25, hole);
            break;
        case Emblem::Escape: {
            const PointF arrow[] = {{x, y - s * 0.85}, {x + s * 0.6, y - s * 0.15}, {x + s * 0.22, y - s * 0.15},
                                    {x + s * 0.22, y + s * 0.8}, {x - s * 0.22, y + s * 0.8}, {x - s * 0.22, y - s * 0.15},
                                    {x - s * 0.6, y - s * 0.15}};
            FillPolygon(c, arrow, fill);
            break;
        }
        case Emblem::Coin:
            FillDisc(c, x, y, s * 0.75, fill);
            FillDisc(c, x, y, s * 0.58, dark);
            FillDisc(c, x, y, s * 0.5, fill);
            c.Fill({int(x - s * 0.06), int(y - s * 0.32), int(x + s * 0.07), int(y + s * 0.32)}, dark);
            break;
        case Emblem::Axe: {
            ThickLine(c, {x - s * 0.6, y + s * 0.8}, {x + s * 0.3, y - s * 0.7}, s * 0.16, dark);
            const PointF blade[] = {{x + s * 0.05, y - s * 0.75}, {x + s * 0.85, y - s * 0.55}, {x + s * 0.6, y + s * 0.15},
                                    {x + s * 0.1, y - s * 0.25}};
            FillPolygon(c, blade, fill);
            break;
        }
        case Emblem::Sword: {
            const PointF blade[] = {{x + s * 0.85, y - s * 0.85}, {x + s * 0.7, y - s * 0.45}, {x - s * 0.3, y + s * 0.45},
                                    {x - s * 0.45, y + s * 0.3}, {x + s * 0.45, y - s * 0.7}};
            FillPolygon(c, blade, fill);
            ThickLine(c, {x - s * 0.6, y + s * 0.05}, {x - s * 0.05, y + s * 0.6}, s * 0.14, dark);
            ThickLine(c, {x - s * 0.38, y + s * 0.38}, {x - s * 0.7, y + s * 0.7}, s * 0.12, dark);
            FillDisc(c, x - s * 0.75, y + s * 0.75, s * 0.1, fill);
            break;
        }
        case Emblem::Arrow: {
            ThickLine(c, {x - s * 0.8, y + s * 0.8}, {x + s * 0.55, y - s * 0.55}, s * 0.08, fill);
            const PointF head[] = {{x + s * 0.85, y - s * 0.85}, {x + s * 0.25, y - s * 0.6}, {x + s * 0.6, y - s * 0.25}};
            FillPolygon(c, head, fill);
            ThickLine(c, {x - s * 0.8, y + s * 0.8}, {x - s * 0.8, y + s * 0.4}, s * 0.08, dark);
            ThickLine(c, {x - s * 0.8, y + s * 0.8}, {x - s * 0.4, y + s * 0.8}, s * 0.08, dark);
            break;
        }
        case Emblem::Bullet:
            c.Fill({int(x - s * 0.5), int(y - s * 0.2), int(x + s * 0.3), int(y + s * 0.2)}, fill);
            FillEllipse(c, x + s * 0.3, y, s * 0.4, s * 0.2, fill);
            c.Fill({int(x - s * 0.6), int(y - s * 0.22), int(x - s * 0.45), int(y + s * 0.22)}, dark);
            break;
        case Emblem::Star:
            FillPolygon(c, StarPoints(x, y, s * 0.9, s * 0.38, 5, 0), fill);
            FillDisc(c, x, y, s * 0.15, Mix(fill, kWhite, 0.5));
            break;
        case Emblem::Diamond: {
            const PointF d[] = {{x, y - s * 0.85}, {x + s * 0.55, y}, {x, y + s * 0.85}, {x - s * 0.55, y}};
            FillPolygon(c, d, fill);
            const PointF shine[] = {{x, y - s * 0.6}, {x + s * 0.2, y - s * 0.1}, {x, y}, {x - s * 0.2, y - s * 0.1}};
            FillPolygon(c, shine, Mix(fill, kWhite, 0.45));
            break;
        }
        case Emblem::Cross:
            c.Fill({int(x - s * 0.22), int(y - s * 0.75), int(x + s * 0.22), int(y + s * 0.75)}, fill);
            c.Fill({int(x - s * 0.75), int(y - s * 0.22), int(x + s * 0.75), int(y + s * 0.22)}, fill);
            break;
        case Emblem::Shield: {
            const PointF shield[] = {{x - s * 0.7, y - s * 0.7}, {x + s * 0.7, y - s * 0.7}, {x + s * 0.65, y + s * 0.1},
                                     {x, y + s * 0.9}, {x - s * 0.65, y + s * 0.1}};
            FillPolygon(c, shield, fill);
            const PointF inner[] = {{x - s * 0.45, y - s * 0.5}, {x + s * 0.45, y - s * 0.5}, {x + s * 0.4, y + s * 0.05},
                                    {x, y + s * 0.6}, {x - s * 0.4, y + s * 0.05}};
            FillPolygon(c, inner, dark);
            c.Fill({int(x - s * 0.06), int(y - s * 0.5), int(x + s * 0.06), int(y + s * 0.6)}, fill);
            break;
        }
        case Emblem::Down: {
            const PointF arrow[] = {{x, y + s * 0.85}, {x + s * 0.65, y + s * 0.1}, {x + s * 0.24, y + s * 0.1},
                                    {x + s * 0.24, y - s * 0.8}, {x - s * 0.24, y - s * 0.8}, {x - s * 0.24, y + s * 0.1},
                                    {x - s * 0.65, y + s * 0.1}};
            FillPolygon(c, arrow, fill);
            break;
        }
        case Emblem::Swirl: {
            PointF last{x, y};
            for (int i = 1; i <= 40; ++i) {
                const double a = i * 0.42, r = s * 0.85 * i / 40;
                const PointF p{x + std::cos(a) * r, y + std::sin(a) * r};
                ThickLine(c, last, p, s * 0.12, fill);
                last = p;
            }
            break;
        }
        case Emblem::Ring:
            FillDisc(c, x, y + s * 0.15, s * 0.6, fill);
            FillDisc(c, x, y + s * 0.15, s * 0.42, hole);
            FillPolygon(c, StarPoints(x, y - s * 0.5, s * 0.3, s * 0.3, 2, 0), Mix(fill, kWhite, 0.4));
            break;
        case Emblem::Bow: {
            PointF last{x - s * 0.3, y - s * 0.85};
            for (int i = 1; i <= 16; ++i) {
                const double a = -kPi / 2 + i * kPi / 16;
                const PointF p{x - s * 0.3 + std::cos(a) * s * 0.85, y + std::sin(a) * s * 0.85};
                ThickLine(c, last, p, s * 0.14, fill);
                last = p;
            }
            c.Line(int(x - s * 0.3), int(y - s * 0.85), int(x - s * 0.3), int(y + s * 0.85), Mix(fill, kWhite, 0.4));
            break;
        }
        case Emblem::Gun: {
            const PointF gun[] = {{x - s * 0.8, y - s * 0.45}, {x + s * 0.8, y - s * 0.45}, {x + s * 0.8, y - s * 0.1},
                                  {x - s * 0.1, y - s * 0.1}, {x - s * 0.25, y + s * 0.75}, {x - s * 0.7, y + s * 0.75},
                                  {x - s * 0.55, y - s * 0.1}, {x - s * 0.8, y - s * 0.1}};
            FillPolygon(c, gun, fill);
            break;
        }
        case Emblem::Candy: {
            FillEllipse(c, x, y, s * 0.45, s * 0.35, fill);
            const PointF left[] = {{x - s * 0.4, y}, {x - s * 0.9, y - s * 0.4}, {x - s * 0.9, y + s * 0.4}};
            const PointF right[] = {{x + s * 0.4, y}, {x + s * 0.9, y - s * 0.4}, {x + s * 0.9, y + s * 0.4}};
            FillPolygon(c, left, dark);
            FillPolygon(c, right, dark);
            break;
        }
        case Emblem::Summon: {
            c.Ellipse({int(x - s * 0.85), int(y - s * 0.85), int(x + s * 0.85), int(y + s * 0.85)}, fill, 2);
            std::vector<PointF> tips = StarPoints(x, y, s * 0.75, s * 0.75, 3, 0);
            std::vector<Point> star;
            for (int k = 0; k <= 5; ++k) {
                const PointF& p = tips[static_cast<size_t>((k * 4) % 6)];
                star.push_back({int(p.x), int(p.y)});
            }
            c.Polyline(star, fill, 2);
            break;
        }
        case Emblem::Nothing:
            for (int i = -1; i <= 1; ++i) FillDisc(c, x + i * s * 0.4, y, s * 0.1, fill);
            break;
    }
}

}  // namespace

Canvas DrawCardFace(const PictureJob& job) {
    Canvas c(job.width, job.height);
    const titem& card = job.card;
    const int w = job.width, h = job.height;
    const Colour kindColour = job.dungeonCard ? kDungeonKind : kBattleKind;
    const Colour base = job.element > 0 ? ElementColour(job.element) : Mix(Rgb(150, 150, 150), kindColour, 0.45);
    Random random(job.name);

    c.Clear(0);
    c.Rectangle({1, 1, w - 1, h - 1}, Mix(base, kWhite, 0.25), 2);
    VerticalGradient(c, {3, 3, w - 3, h - 3}, Scale(base, 0.42), Scale(base, 0.12));
    // Dungeon cards are striped, battle cards dotted, so the two kinds part at a glance.
    const Colour texture = Scale(base, 0.5);
    if (job.dungeonCard) {
        for (int x = -h; x < w; x += 11) c.Line(x, 3, x + h, 3 + h, texture);
        c.Rectangle({1, 1, w - 1, h - 1}, Mix(base, kWhite, 0.25), 2);
    } else {
        for (int y = 8; y < h - 4; y += 9)
            for (int x = 8 + (y / 9 % 2) * 5; x < w - 4; x += 10) c.Fill({x, y, x + 2, y + 2}, texture);
    }
    Grain(c, {3, 3, w - 3, h - 3}, random, 0.05);

    const Emblem emblem = EmblemOf(card);
    Glow(c, 156, 52, 44, Mix(base, kWhite, 0.2), 0.35);
    DrawEmblem(c, emblem, 156, 52, 26, Mix(Scale(base, 0.95), kWhite, 0.2), Scale(base, 0.3));

    Shade(c, {3, 3, w - 3, 23}, 0.4);
    const Font nameFont = FitFont(c, job.label, Font{kGothic, 10, true}, w - 16, 6);
    ShadowText(c, 8, 5, job.label, nameFont, kWhite);

    Shade(c, {3, h - 21, w - 3, h - 3}, 0.45);
    const Font small{kGothic, 8, true};
    ShadowText(c, 8, h - 19, job.dungeonCard ? "ダンジョン" : "バトル", small, kindColour);
    const std::string_view rarity = RarityLabel(card);
    if (!rarity.empty()) CentredText(c, w / 2 + 4, h - 19, rarity, small, Rgb(200, 190, 150));
    if (job.element > 0) {
        const std::string mark = "◆" + std::string(ElementName(job.element));
        ShadowText(c, w - 8 - c.TextWidth(mark, small), h - 19, mark, small, Mix(base, kWhite, 0.3));
    }
    // The outermost ring is black: the bottom-left pixel keys the picture when it floats.
    c.Rectangle({0, 0, w, h}, 0, 1);
    return c;
}

Canvas DrawCardFrame(const PictureJob& job) {
    Canvas c(job.width, job.height);
    c.Clear(kSpriteBackground);
    // Border colours after the category stars of the hand buttons, brightened to be seen at 16 pixels.
    constexpr std::array<Colour, 8> kMarks = {Rgb(150, 150, 150), Rgb(60, 140, 235), Rgb(215, 215, 225),
                                              Rgb(230, 70, 60),   Rgb(235, 220, 70), Rgb(210, 80, 220),
                                              Rgb(70, 215, 120),  Rgb(140, 140, 245)};
    const Colour body = job.dungeonCard ? Rgb(46, 110, 54) : Rgb(50, 76, 150);
    const Colour mark = kMarks[static_cast<size_t>(job.variant) % kMarks.size()];
    const FrameMark frame = static_cast<FrameMark>(job.variant);
    c.Fill({3, 1, 13, 15}, frame == FrameMark::None ? Mix(body, kWhite, 0.35) : mark);
    c.Fill({4, 2, 12, 14}, body);
    c.Fill({5, 3, 11, 6}, Mix(body, kWhite, 0.3));
    if (frame == FrameMark::None) {
        c.Fill({6, 8, 10, 12}, Mix(body, kWhite, 0.5));
    } else {
        const PointF gem[] = {{8, 7}, {11, 10}, {8, 13}, {5, 10}};
        FillPolygon(c, gem, mark);
    }
    return c;
}

Canvas DrawHintIcon(const PictureJob& job) {
    Canvas c(job.width, job.height);
    c.Clear(kSpriteBackground);
    FillDisc(c, 8, 8, 7, Rgb(120, 90, 10));
    FillDisc(c, 8, 8, 6, Rgb(250, 210, 60));
    FillDisc(c, 7, 6, 2, Rgb(255, 240, 170));
    c.Fill({7, 3, 9, 10}, Rgb(60, 40, 10));
    c.Fill({7, 11, 9, 13}, Rgb(60, 40, 10));
    return c;
}

}  // namespace kestrilon::assets
