// Full-screen pictures: the splash, the title pictures, the menu hall and the dungeon
// backgrounds. They stay dark, because sprites and zoomed pictures are OR-combined onto
// them and white text is written over them.
#include <array>
#include <cmath>
#include <vector>

#include "art.h"
#include "paint.h"

namespace kestrilon::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 800;
constexpr int kH = 600;

// Smooth 1-D value noise with a few octaves, for ridges and waves.
class Ridge1D {
public:
    Ridge1D(Random& random, int octaves) {
        for (auto& v : values_) v = random.Unit();
        octaves_ = octaves;
    }
    // Roughly 0..1.
    double At(double x) const {
        double sum = 0, weight = 1, total = 0, f = 1;
        for (int o = 0; o < octaves_; ++o) {
            sum += Lattice(x * f + o * 17.0) * weight;
            total += weight;
            weight *= 0.5;
            f *= 2.1;
        }
        return sum / total;
    }

private:
    double Lattice(double x) const {
        const double fl = std::floor(x);
        const int i = static_cast<int>(fl);
        const double t = x - fl;
        const double s = (1 - std::cos(t * kPi)) / 2;
        const double a = values_[static_cast<size_t>(i & 255)];
        const double b = values_[static_cast<size_t>((i + 1) & 255)];
        return a + (b - a) * s;
    }
    std::array<double, 256> values_{};
    int octaves_ = 1;
};

// A silhouette from baseY (its mean top) down to the bottom of the picture.
void Silhouette(Canvas& c, Random& random, double baseY, double amplitude, double wavelength, int octaves,
                Colour colour, double bottom = kH) {
    Ridge1D ridge(random, octaves);
    std::vector<PointF> points;
    points.push_back({-1, bottom});
    for (int x = -1; x <= kW + 1; x += 4) points.push_back({double(x), baseY - amplitude * (ridge.At(x / wavelength) - 0.5) * 2});
    points.push_back({kW + 1.0, bottom});
    FillPolygon(c, points, colour);
}

void Clouds(Canvas& c, Random& random, Rect area, int count, Colour colour, double strength) {
    for (int i = 0; i < count; ++i) {
        const double cx = area.left + random.Unit() * area.Width();
        const double cy = area.top + random.Unit() * area.Height();
        const double r = 40 + random.Unit() * 90;
        for (int k = 0; k < 4; ++k)
            Glow(c, cx + random.Range(-r, r), cy + random.Range(-r / 4, r / 4), r * random.Range(0.5, 1.0), colour,
                 strength);
    }
}

void Bricks(Canvas& c, Random& random, Rect area, int bw, int bh, Colour base, Colour mortar, double variation) {
    c.Fill(area, mortar);
    for (int row = 0, y = area.top; y < area.bottom; ++row, y += bh) {
        const int offset = (row % 2) * bw / 2;
        for (int x = area.left - offset; x < area.right; x += bw) {
            const Colour brick = Scale(base, 1.0 + random.Signed() * variation);
            c.Fill({std::max(x + 1, area.left), y + 1, std::min(x + bw - 1, area.right), std::min(y + bh - 1, area.bottom)},
                   brick);
        }
    }
    Grain(c, area, random, 0.08);
}

// Floor, ceiling and side walls meeting in a vanishing point.
void Corridor(Canvas& c, Random& random, PointF vanish, Colour wall, Colour floor, Colour ceiling) {
    const double hw = 120, hh = 80;  // the far opening
    const PointF far[] = {{vanish.x - hw, vanish.y - hh}, {vanish.x + hw, vanish.y - hh},
                          {vanish.x + hw, vanish.y + hh}, {vanish.x - hw, vanish.y + hh}};
    const PointF ceil[] = {{0, 0}, {kW, 0}, far[1], far[0]};
    const PointF flr[] = {far[3], far[2], {kW, kH}, {0, kH}};
    const PointF left[] = {{0, 0}, far[0], far[3], {0, kH}};
    const PointF right[] = {far[1], {kW, 0}, {kW, kH}, far[2]};
    FillPolygon(c, ceil, ceiling);
    FillPolygon(c, flr, floor);
    FillPolygon(c, left, wall);
    FillPolygon(c, right, Scale(wall, 0.85));
    c.Fill({int(far[0].x), int(far[0].y), int(far[2].x), int(far[2].y)}, Scale(wall, 0.25));
    Grain(c, {0, 0, kW, kH}, random, 0.1);
    // Joints of the wall slabs, closer together towards the far end.
    for (int i = 1; i < 9; ++i) {
        const double t = 1.0 - std::pow(0.72, i);
        const double lx = t * far[0].x, ly0 = t * far[0].y, ly1 = kH + t * (far[3].y - kH);
        const double rx = kW + t * (far[1].x - kW);
        const Colour line = Scale(wall, 0.6);
        c.Line(int(lx), int(ly0), int(lx), int(ly1), line);
        c.Line(int(rx), int(ly0), int(rx), int(ly1), line);
    }
    Glow(c, vanish.x, vanish.y, 260, Rgb(0, 0, 0), 0.7);
}

void Water(Canvas& c, Random& random, Rect area, Colour deep, Colour shine) {
    VerticalGradient(c, area, Scale(deep, 0.6), deep);
    for (int i = 0; i < 160; ++i) {
        const int y = area.top + random.Below(area.Height());
        const double depth = double(y - area.top) / std::max(1, area.Height());
        const int len = 10 + static_cast<int>(depth * 60 * random.Unit());
        const int x = area.left + random.Below(area.Width());
        c.Line(x, y, x + len, y, Mix(deep, shine, 0.3 + 0.5 * random.Unit()));
    }
}

void Torch(Canvas& c, double x, double y) {
    Glow(c, x, y, 90, Rgb(120, 60, 10), 0.55);
    FillEllipse(c, x, y, 5, 9, Rgb(230, 150, 40));
    FillEllipse(c, x, y + 2, 3, 5, Rgb(255, 230, 150));
    c.Fill({int(x) - 2, int(y) + 9, int(x) + 2, int(y) + 30}, Rgb(50, 30, 15));
}

void Tunnel(Canvas& c, Random& random) {
    VerticalGradient(c, {0, 0, kW, kH}, Rgb(28, 26, 30), Rgb(18, 16, 20));
    Grain(c, {0, 0, kW, kH}, random, 0.15);
    for (int i = 0; i < 12; ++i) {
        const double s = std::pow(0.8, i);
        const double rx = 420 * s, ry = 330 * s;
        const Colour ring = Scale(Rgb(70, 64, 70), 0.35 + 0.65 * s);
        for (int k = 0; k < 24; ++k) {
            const double a0 = kPi * (1.0 + k / 24.0), a1 = kPi * (1.0 + (k + 1) / 24.0);
            c.Line(int(400 + std::cos(a0) * rx), int(330 + std::sin(a0) * ry), int(400 + std::cos(a1) * rx),
                   int(330 + std::sin(a1) * ry), ring, 2);
        }
        c.Line(int(400 - rx), 330, int(400 - rx), kH, ring, 2);
        c.Line(int(400 + rx), 330, int(400 + rx), kH, ring, 2);
    }
    Glow(c, 400, 330, 120, Rgb(60, 70, 90), 0.5);
    for (int x = 0; x < kW; x += 40) c.Line(400 + (x - 400) / 8, 340, x, kH, Rgb(34, 30, 34));
}

void Hills(Canvas& c, Random& random, bool snow) {
    const Colour top = snow ? Rgb(44, 52, 72) : Rgb(16, 24, 52);
    const Colour low = snow ? Rgb(86, 94, 112) : Rgb(58, 60, 84);
    VerticalGradient(c, {0, 0, kW, 360}, top, low);
    if (!snow) Stars(c, {0, 0, kW, 200}, 120, random, 140);
    Clouds(c, random, {0, 40, kW, 220}, 6, snow ? Rgb(120, 126, 140) : Rgb(70, 74, 100), 0.25);
    const std::array<Colour, 3> layers = snow ? std::array<Colour, 3>{Rgb(92, 100, 120), Rgb(74, 82, 102), Rgb(58, 64, 84)}
                                              : std::array<Colour, 3>{Rgb(30, 46, 52), Rgb(22, 40, 30), Rgb(14, 28, 18)};
    Silhouette(c, random, 300, 50, 160, 3, layers[0]);
    Silhouette(c, random, 360, 40, 220, 3, layers[1]);
    Silhouette(c, random, 440, 30, 300, 2, layers[2]);
    const PointF path[] = {{370, 360}, {430, 360}, {620, kH}, {180, kH}};
    FillPolygon(c, path, snow ? Rgb(100, 104, 118) : Rgb(46, 40, 28), 0.8);
    Grain(c, {0, 300, kW, kH}, random, 0.06);
    if (snow)
        for (int i = 0; i < 260; ++i) {
            const int x = random.Below(kW), y = random.Below(kH);
            FillDisc(c, x, y, random.Range(0.8, 2.2), Rgb(170, 176, 190), 0.8);
        }
}

void Blocks(Canvas& c, Random& random, bool temple) {
    const Colour base = temple ? Rgb(40, 48, 64) : Rgb(52, 48, 42);
    Bricks(c, random, {0, 0, kW, 470}, 110, 55, base, Scale(base, 0.45), 0.18);
    VerticalGradient(c, {0, 470, kW, kH}, Scale(base, 0.7), Scale(base, 0.4));
    Grain(c, {0, 470, kW, kH}, random, 0.1);
    if (temple) {
        for (int x : {90, 250, 550, 710}) {
            c.Fill({x - 28, 0, x + 28, 480}, Rgb(58, 64, 82));
            c.Fill({x - 28, 0, x - 18, 480}, Rgb(74, 82, 102));
            c.Fill({x - 36, 470, x + 36, 490}, Rgb(66, 72, 90));
        }
        for (int i = 0; i < 16; ++i)
            Glow(c, random.Range(40, 760), random.Range(60, 420), random.Range(8, 18), Rgb(90, 200, 220), 0.6);
        Glow(c, 400, -40, 360, Rgb(90, 110, 140), 0.35);
    } else {
        const PointF arch[] = {{300, 470}, {300, 220}, {330, 170}, {400, 150}, {470, 170}, {500, 220}, {500, 470}};
        FillPolygon(c, arch, Rgb(14, 12, 12));
        c.Fill({296, 230, 304, 470}, Rgb(70, 64, 56));
        c.Fill({496, 230, 504, 470}, Rgb(70, 64, 56));
        Torch(c, 250, 260);
        Torch(c, 550, 260);
    }
}

void BrickHall(Canvas& c, Random& random, int variant) {
    const Colour base = variant == 2 ? Rgb(50, 30, 60) : variant == 1 ? Rgb(60, 40, 30) : Rgb(76, 36, 28);
    Bricks(c, random, {0, 0, kW, kH}, 64, 26, base, Scale(base, 0.4), 0.2);
    VerticalGradient(c, {0, 480, kW, kH}, Scale(base, 0.45), Scale(base, 0.25));
    if (variant == 1) {  // a mine: timber frames, rails, lamps
        for (int x : {120, 680}) c.Fill({x - 16, 60, x + 16, 480}, Rgb(56, 38, 22));
        c.Fill({100, 50, 700, 82}, Rgb(62, 42, 24));
        for (int i = 0; i < 2; ++i) {
            const int x0 = i == 0 ? 330 : 470;
            c.Line(x0, 480, i == 0 ? 120 : 680, kH, Rgb(110, 104, 100), 3);
        }
        for (int k = 0; k < 6; ++k) {
            const int y = 490 + k * k * 4;
            c.Line(330 - (y - 480) * 210 / 120, y, 470 + (y - 480) * 210 / 120, y, Rgb(60, 42, 26), 3);
        }
        Glow(c, 200, 120, 100, Rgb(140, 110, 40), 0.5);
        Glow(c, 600, 120, 100, Rgb(140, 110, 40), 0.5);
        FillDisc(c, 200, 120, 7, Rgb(240, 200, 90));
        FillDisc(c, 600, 120, 7, Rgb(240, 200, 90));
    } else if (variant == 2) {  // a sealed gate: a glowing circle of signs
        Glow(c, 400, 260, 260, Rgb(80, 20, 110), 0.5);
        c.Ellipse({200, 60, 600, 460}, Rgb(170, 90, 210), 3);
        c.Ellipse({240, 100, 560, 420}, Rgb(130, 70, 170), 2);
        std::array<Point, 6> star{};
        for (int k = 0; k < 5; ++k) {
            const double a = -kPi / 2 + k * 4 * kPi / 5;
            star[static_cast<size_t>(k)] = {int(400 + std::cos(a) * 160), int(260 + std::sin(a) * 160)};
        }
        star[5] = star[0];
        c.Polyline(star, Rgb(190, 120, 230), 2);
    } else {
        for (int x : {140, 400, 660}) Torch(c, x, 200);
    }
}

void Town(Canvas& c, Random& random) {
    VerticalGradient(c, {0, 0, kW, 420}, Rgb(24, 16, 48), Rgb(96, 50, 52));
    Stars(c, {0, 0, kW, 180}, 80, random, 150);
    Glow(c, 620, 110, 70, Rgb(150, 130, 110), 0.5);
    FillDisc(c, 620, 110, 22, Rgb(180, 170, 150));
    for (int layer = 0; layer < 2; ++layer) {
        const Colour body = layer == 0 ? Rgb(34, 26, 44) : Rgb(16, 12, 22);
        int x = -random.Below(40);
        while (x < kW) {
            const int w = 50 + random.Below(70);
            const int top = (layer == 0 ? 240 : 300) + random.Below(90);
            c.Fill({x, top, x + w - 4, kH}, body);
            if (random.Below(3) == 0) {
                const PointF roof[] = {{double(x - 4), double(top)}, {x + w / 2.0 - 2, top - 30.0}, {double(x + w), double(top)}};
                FillPolygon(c, roof, body);
            }
            for (int wy = top + 14; wy < kH - 20; wy += 22)
                for (int wx = x + 8; wx < x + w - 14; wx += 16)
                    if (random.Below(layer == 0 ? 5 : 3) == 0)
                        c.Fill({wx, wy, wx + 7, wy + 10}, Mix(Rgb(200, 150, 60), Rgb(230, 200, 120), random.Unit()));
            x += w;
        }
    }
    Shade(c, {0, 0, kW, kH}, 0.75);
}

void Waterway(Canvas& c, Random& random) {
    Corridor(c, random, {400, 260}, Rgb(44, 50, 60), Rgb(30, 50, 70), Rgb(26, 28, 34));
    const PointF channel[] = {{330, 340}, {470, 340}, {640, kH}, {160, kH}};
    FillPolygon(c, channel, Rgb(20, 50, 80));
    for (int i = 0; i < 90; ++i) {
        const double t = random.Unit();
        const int y = int(340 + t * t * 260);
        const double half = 70 + (y - 340) * 240.0 / 260;
        const int x = int(400 + random.Range(-half, half - 30));
        c.Line(x, y, x + int(8 + t * 40), y, Rgb(60, 110, 150));
    }
    Glow(c, 400, 600, 300, Rgb(30, 80, 110), 0.3);
}

void River(Canvas& c, Random& random) {
    VerticalGradient(c, {0, 0, kW, 300}, Rgb(10, 14, 34), Rgb(40, 44, 76));
    Stars(c, {0, 0, kW, 260}, 160, random, 160);
    FillDisc(c, 200, 90, 26, Rgb(190, 190, 170));
    Glow(c, 200, 90, 90, Rgb(120, 120, 110), 0.35);
    Silhouette(c, random, 290, 20, 120, 3, Rgb(16, 28, 26));
    Water(c, random, {0, 320, kW, kH}, Rgb(20, 40, 70), Rgb(110, 130, 160));
    for (int k = 0; k < 30; ++k) {
        const int y = 330 + k * 9;
        const int w = 12 + k;
        c.Line(200 - w, y, 200 + w, y, Rgb(150, 150, 130));
    }
    const PointF bank[] = {{0, 330}, {260, 330}, {120, kH}, {0, kH}};
    FillPolygon(c, bank, Rgb(14, 24, 18));
}

void Jungle(Canvas& c, Random& random) {
    VerticalGradient(c, {0, 0, kW, kH}, Rgb(10, 34, 22), Rgb(6, 18, 10));
    for (int i = 0; i < 14; ++i) {
        const double x = random.Range(0, kW), w = random.Range(14, 40);
        const PointF trunk[] = {{x - w / 2, kH}, {x - w / 3, 0}, {x + w / 3, 0}, {x + w / 2, kH}};
        FillPolygon(c, trunk, Mix(Rgb(30, 22, 14), Rgb(46, 34, 20), random.Unit()));
    }
    for (int i = 0; i < 140; ++i) {
        const Colour leaf = Mix(Rgb(16, 56, 24), Rgb(40, 90, 34), random.Unit());
        FillEllipse(c, random.Range(0, kW), random.Range(-40, 330), random.Range(20, 60), random.Range(10, 30), leaf, 0.9);
    }
    for (int i = 0; i < 6; ++i) Glow(c, random.Range(100, 700), random.Range(100, 300), 50, Rgb(200, 70, 30), 0.35);
    for (int i = 0; i < 90; ++i)
        FillEllipse(c, random.Range(0, kW), random.Range(440, kH), random.Range(10, 30), random.Range(4, 10),
                    Mix(Rgb(14, 44, 18), Rgb(30, 70, 24), random.Unit()));
    Grain(c, {0, 0, kW, kH}, random, 0.08);
}

void Cliff(Canvas& c, Random& random) {
    VerticalGradient(c, {0, 0, kW, 380}, Rgb(20, 40, 64), Rgb(70, 90, 100));
    Clouds(c, random, {0, 40, kW, 260}, 5, Rgb(110, 120, 130), 0.25);
    Water(c, random, {0, 380, kW, kH}, Rgb(16, 38, 60), Rgb(90, 120, 140));
    Ridge1D edge(random, 4);
    std::vector<PointF> rock{{-1, -1}, {-1, kH + 1.0}};
    for (int y = kH; y >= -1; y -= 6) rock.push_back({300 + 120 * (edge.At(y / 40.0) - 0.5) * 2 - y * 0.12, double(y)});
    FillPolygon(c, rock, Rgb(46, 42, 40));
    Grain(c, {0, 0, 420, kH}, random, 0.2);
    for (int i = 0; i < 7; ++i) {
        const int x = 480 + random.Below(280), y = 80 + random.Below(160), s = 6 + random.Below(8);
        const Point bird[] = {{x - s, y - s / 2}, {x, y}, {x + s, y - s / 2}};
        c.Polyline(bird, Rgb(170, 180, 190), 2);
    }
}

void Ruins(Canvas& c, Random& random) {
    Corridor(c, random, {420, 250}, Rgb(50, 44, 38), Rgb(36, 32, 26), Rgb(24, 22, 20));
    for (int i = 0; i < 40; ++i) {
        const double y = random.Range(400, kH);
        FillEllipse(c, random.Range(0, kW), y, random.Range(6, 22) * y / 500, random.Range(4, 10) * y / 500,
                    Mix(Rgb(44, 40, 34), Rgb(70, 64, 54), random.Unit()));
    }
    for (int i = 0; i < 5; ++i) {
        Point crack[6];
        int x = 40 + random.Below(160), y = 80 + random.Below(300);
        for (Point& p : crack) {
            p = {x, y};
            x += random.Below(30) - 8;
            y += 12 + random.Below(24);
        }
        c.Polyline(crack, Rgb(18, 16, 14), 2);
    }
}

void Space(Canvas& c, Random& random) {
    VerticalGradient(c, {0, 0, kW, kH}, Rgb(2, 2, 10), Rgb(8, 6, 24));
    for (int i = 0; i < 26; ++i) {
        const double t = i / 25.0;
        Glow(c, t * kW, 80 + t * 380 + random.Range(-40, 40), random.Range(60, 140),
             Mix(Rgb(60, 30, 90), Rgb(30, 70, 100), random.Unit()), 0.22);
    }
    Stars(c, {0, 0, kW, kH}, 700, random, 200);
    FillDisc(c, 640, 430, 70, Rgb(50, 60, 100));
    FillDisc(c, 620, 410, 62, Rgb(70, 84, 130));
    FillDisc(c, 600, 392, 40, Rgb(84, 100, 150), 0.5);
    c.Ellipse({520, 410, 760, 450}, Rgb(120, 120, 150), 2);
}

void SkyScape(Canvas& c, Random& random, bool hell) {
    if (hell) {
        VerticalGradient(c, {0, 0, kW, kH}, Rgb(20, 2, 4), Rgb(90, 16, 6));
        Clouds(c, random, {0, 0, kW, 300}, 9, Rgb(10, 0, 0), 0.5);
        Silhouette(c, random, 470, 60, 90, 4, Rgb(12, 4, 4));
        Glow(c, 400, 640, 420, Rgb(200, 60, 10), 0.35);
        for (int i = 0; i < 160; ++i)
            FillDisc(c, random.Range(0, kW), random.Range(0, kH), random.Range(0.8, 2.0),
                     Mix(Rgb(230, 120, 30), Rgb(255, 200, 80), random.Unit()));
    } else {
        VerticalGradient(c, {0, 0, kW, kH}, Rgb(14, 16, 52), Rgb(60, 50, 96));
        Stars(c, {0, 0, kW, 260}, 140, random, 170);
        Clouds(c, random, {0, 200, kW, kH}, 12, Rgb(110, 110, 160), 0.22);
        for (int i = 0; i < 3; ++i) {
            const double x = 140 + i * 260 + random.Range(-40, 40), y = 240 + random.Range(-60, 80);
            const PointF island[] = {{x - 70, y}, {x + 70, y}, {x + 30, y + 40}, {x, y + 70}, {x - 30, y + 40}};
            FillPolygon(c, island, Rgb(36, 30, 44));
            c.Fill({int(x) - 70, int(y) - 6, int(x) + 70, int(y)}, Rgb(40, 70, 50));
        }
    }
}

void Rocks(Canvas& c, Random& random, bool twilight) {
    VerticalGradient(c, {0, 0, kW, 400}, twilight ? Rgb(40, 20, 60) : Rgb(34, 36, 44),
                     twilight ? Rgb(150, 70, 40) : Rgb(70, 68, 66));
    if (twilight) {
        FillDisc(c, 560, 360, 50, Rgb(220, 120, 50));
        Glow(c, 560, 360, 200, Rgb(200, 90, 40), 0.4);
    }
    Silhouette(c, random, 330, 80, 110, 4, twilight ? Rgb(40, 24, 36) : Rgb(52, 50, 50));
    Silhouette(c, random, 420, 40, 180, 3, twilight ? Rgb(26, 16, 24) : Rgb(38, 36, 34));
    for (int i = 0; i < 9; ++i) {
        const double x = random.Range(0, kW), y = random.Range(440, 560), r = random.Range(26, 70);
        const Colour rock = twilight ? Rgb(34, 22, 30) : Rgb(58, 54, 50);
        FillEllipse(c, x, y, r, r * 0.7, rock);
        FillEllipse(c, x - r * 0.25, y - r * 0.25, r * 0.5, r * 0.3, Scale(rock, 1.35));
    }
    Grain(c, {0, 300, kW, kH}, random, 0.12);
}

void Dream(Canvas& c, Random& random) {
    VerticalGradient(c, {0, 0, kW, kH}, Rgb(40, 14, 50), Rgb(80, 30, 70));
    for (int i = 0; i < 30; ++i)
        Glow(c, random.Range(0, kW), random.Range(0, kH), random.Range(20, 90),
             Mix(Rgb(200, 110, 170), Rgb(160, 140, 220), random.Unit()), 0.3);
    for (int i = 0; i < 120; ++i)
        FillEllipse(c, random.Range(0, kW), random.Range(0, kH), random.Range(2, 5), random.Range(1, 3),
                    Rgb(220, 150, 190), 0.7);
    Silhouette(c, random, 520, 20, 200, 2, Rgb(30, 10, 34));
}

void Sunset(Canvas& c, Random& random) {
    VerticalGradient(c, {0, 0, kW, 330}, Rgb(30, 20, 60), Rgb(170, 80, 50));
    Clouds(c, random, {0, 60, kW, 260}, 6, Rgb(120, 60, 70), 0.3);
    FillDisc(c, 400, 330, 70, Rgb(230, 140, 60));
    Glow(c, 400, 330, 260, Rgb(220, 110, 50), 0.35);
    Water(c, random, {0, 330, kW, kH}, Rgb(40, 24, 50), Rgb(200, 110, 60));
    for (int k = 0; k < 26; ++k) {
        const int y = 336 + k * 10, w = 60 - k;
        c.Line(400 - w, y, 400 + w, y, Rgb(230, 150, 70));
    }
    const PointF pier[] = {{620, 400}, {800, 390}, {800, 420}, {620, 410}};
    FillPolygon(c, pier, Rgb(20, 12, 20));
    for (int x = 630; x < 800; x += 30) c.Fill({x, 400, x + 4, 470}, Rgb(20, 12, 20));
}

enum class Motif { Tunnel, Hills, Snow, Blocks, Temple, Bricks, Mine, Seal, Town, Waterway, River, Jungle, Cliff,
                   Ruins, Space, Sky, Hell, Rocks, Twilight, Dream, Sunset };

struct Theme {
    std::string_view stem;
    Motif motif;
};

// Picture stems of the dungeon table and what they show; longer stems first, so that
// "renga2" is not taken for "renga".
constexpr Theme kThemes[] = {
    {"hill_white", Motif::Snow}, {"block2", Motif::Temple}, {"renga2", Motif::Mine}, {"renga3", Motif::Seal},
    {"suiro2", Motif::River},    {"sky2", Motif::Hell},     {"rock2", Motif::Twilight}, {"sayonara", Motif::Sunset},
    {"jungle", Motif::Jungle},   {"danjon", Motif::Ruins},  {"block", Motif::Blocks}, {"renga", Motif::Bricks},
    {"suiro", Motif::Waterway},  {"kabe", Motif::Tunnel},   {"hill", Motif::Hills},   {"town", Motif::Town},
    {"gake", Motif::Cliff},      {"utyu", Motif::Space},    {"rock", Motif::Rocks},   {"sky", Motif::Sky},
    {"her", Motif::Dream},       {"snow", Motif::Snow},     {"white", Motif::Snow},
};

Motif MotifOf(std::string_view name) {
    for (const Theme& theme : kThemes)
        if (name.substr(0, theme.stem.size()) == theme.stem) return theme.motif;
    return static_cast<Motif>(NameSeed(name) % (static_cast<uint64_t>(Motif::Sunset) + 1));
}

void DrawLogo(Canvas& c, Colour glow, Colour letters) {
    const Font big{kGothic, 46, true};
    const std::string_view logo = "KESTRILON";
    const int w = c.TextWidth(logo, big);
    const int x = 400 - w / 2, y = 120;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (dx * dx + dy * dy <= 10) c.Text(x + dx, y + dy, logo, big, glow);
    c.Text(x, y, logo, big, letters);
    const int lineY = y + c.TextExtent(logo, big).height + 6;
    c.Fill({400 - w / 2, lineY, 400 + w / 2, lineY + 2}, Scale(letters, 0.7));
    FillPolygon(c, std::array<PointF, 4>{{{400, lineY - 6.0}, {406, lineY + 1.0}, {400, lineY + 8.0}, {394, lineY + 1.0}}},
                letters);
}

// Cards fanned below the logo, in the attribute colours.
void CardFan(Canvas& c, Random& random) {
    constexpr Colour kColours[] = {Rgb(204, 0, 0), Rgb(0, 153, 204), Rgb(0, 204, 0), Rgb(204, 0, 204), Rgb(255, 153, 153)};
    for (int i = 0; i < 5; ++i) {
        const double angle = (i - 2) * 0.22 + random.Range(-0.03, 0.03);
        const double cx = 400 + (i - 2) * 56, cy = 300 + std::abs(i - 2) * 10;
        const double hw = 34, hh = 50;
        std::array<PointF, 4> card{};
        const double corners[4][2] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
        for (int k = 0; k < 4; ++k) {
            const double x = corners[k][0], y = corners[k][1];
            card[static_cast<size_t>(k)] = {cx + x * std::cos(angle) - y * std::sin(angle),
                                            cy + x * std::sin(angle) + y * std::cos(angle)};
        }
        Glow(c, cx, cy, 90, Scale(kColours[i], 0.6), 0.25);
        FillPolygon(c, card, Rgb(200, 196, 180));
        std::array<PointF, 4> inner = card;
        for (PointF& p : inner) p = {cx + (p.x - cx) * 0.84, cy + (p.y - cy) * 0.88};
        FillPolygon(c, inner, Scale(kColours[i], 0.55));
        FillDisc(c, cx, cy, 10, Scale(kColours[i], 1.2));
    }
}

}  // namespace

Canvas DrawSplash(const PictureJob& job) {
    Canvas c(job.width, job.height);
    Random random(job.name);
    VerticalGradient(c, {0, 0, kW, kH}, Rgb(2, 3, 12), Rgb(10, 14, 40));
    Stars(c, {0, 0, kW, kH}, 420, random, 170);
    for (int r = 150; r <= 156; ++r) c.Ellipse({400 - r, 300 - r, 400 + r, 300 + r}, Rgb(30 + (r - 150) * 4, 40, 80));
    Glow(c, 400, 300, 150, Rgb(0, 0, 0), 0.6);
    Silhouette(c, random, 540, 30, 120, 3, Rgb(4, 5, 14));
    return c;
}

Canvas DrawTitleScreen(const PictureJob& job) {
    struct Palette {
        Colour top, horizon, orb, ground, glow, letters;
        bool stars;
    };
    // 0.jpg and the four pictures earned later: dawn, a gold sky, a red moon, an aurora.
    Palette p{Rgb(4, 8, 30), Rgb(30, 40, 90), Rgb(210, 214, 230), Rgb(8, 10, 24), Rgb(40, 60, 140), Rgb(230, 236, 255), true};
    if (job.name == "pic00.jpg") p = {Rgb(30, 20, 70), Rgb(190, 100, 60), Rgb(250, 190, 110), Rgb(20, 12, 24), Rgb(160, 70, 40), Rgb(255, 240, 220), false};
    if (job.name == "pic02.jpg") p = {Rgb(10, 30, 40), Rgb(150, 130, 60), Rgb(250, 230, 150), Rgb(12, 16, 16), Rgb(150, 120, 30), Rgb(255, 244, 200), false};
    if (job.name == "pic01.jpg") p = {Rgb(12, 0, 4), Rgb(80, 10, 14), Rgb(200, 40, 30), Rgb(8, 2, 4), Rgb(140, 10, 10), Rgb(255, 220, 220), true};
    if (job.name == "pic03.jpg") p = {Rgb(6, 4, 24), Rgb(40, 20, 70), Rgb(200, 190, 240), Rgb(6, 4, 14), Rgb(90, 40, 150), Rgb(240, 230, 255), true};
    Canvas c(job.width, job.height);
    Random random(job.name);
    VerticalGradient(c, {0, 0, kW, 400}, p.top, p.horizon);
    VerticalGradient(c, {0, 400, kW, kH}, p.ground, Scale(p.ground, 0.5));
    if (p.stars) Stars(c, {0, 0, kW, 380}, 300, random, 200);
    if (job.name == "pic03.jpg")
        for (int i = 0; i < 40; ++i) {
            const double t = i / 39.0;
            Glow(c, t * kW, 190 + 60 * std::sin(t * 7), 70, i % 2 ? Rgb(40, 160, 110) : Rgb(110, 60, 170), 0.25);
        }
    const bool sunrise = job.name == "pic00.jpg";
    const double orbX = sunrise ? 400 : 640, orbY = sunrise ? 380 : 90, orbR = sunrise ? 80 : 38;
    Glow(c, orbX, orbY, orbR * 4, p.orb, 0.3);
    FillDisc(c, orbX, orbY, orbR, p.orb);
    Silhouette(c, random, 360, 40, 140, 4, Scale(p.horizon, 0.45));
    Silhouette(c, random, 400, 24, 220, 3, p.ground);
    if (job.name == "pic01.jpg")
        for (int i = 0; i < 7; ++i) {
            const int x = 60 + i * 110 + random.Below(40), y = 380 + random.Below(20);
            c.Fill({x - 2, y - 30, x + 2, y}, Rgb(30, 10, 12));
            c.Fill({x - 10, y - 22, x + 10, y - 18}, Rgb(30, 10, 12));
        }
    CardFan(c, random);
    Glow(c, 400, 150, 260, p.glow, 0.3);
    DrawLogo(c, p.glow, p.letters);
    Vignette(c, 0.5);
    return c;
}

Canvas DrawMenuScreen(const PictureJob& job) {
    Canvas c(job.width, job.height);
    Random random(job.name);
    VerticalGradient(c, {0, 0, kW, 330}, Rgb(22, 20, 34), Rgb(34, 30, 46));
    VerticalGradient(c, {0, 330, kW, kH}, Rgb(26, 22, 30), Rgb(12, 10, 14));
    Grain(c, {0, 0, kW, kH}, random, 0.06);
    for (int x = -800; x <= 1600; x += 80) c.Line(400 + (x - 400) / 10, 330, x, kH, Rgb(40, 34, 46));
    for (int k = 0; k < 8; ++k) {
        const int y = 330 + static_cast<int>(270 * std::pow(k / 7.0, 2));
        c.Line(0, y, kW, y, Rgb(40, 34, 46));
    }
    for (int x : {60, 220, 580, 740}) {
        const int w = x == 60 || x == 740 ? 44 : 30;
        const int bottom = x == 60 || x == 740 ? 540 : 420;
        c.Fill({x - w / 2, 0, x + w / 2, bottom}, Rgb(36, 32, 48));
        c.Fill({x - w / 2, 0, x - w / 2 + 6, bottom}, Rgb(50, 46, 64));
        c.Fill({x - w / 2 - 6, bottom - 12, x + w / 2 + 6, bottom}, Rgb(44, 40, 56));
    }
    Glow(c, 400, 0, 340, Rgb(90, 80, 120), 0.35);
    Glow(c, 400, 330, 160, Rgb(60, 50, 90), 0.25);
    Vignette(c, 0.6);
    return c;
}

Canvas DrawDungeonBackground(const PictureJob& job) {
    Canvas c(job.width, job.height);
    Random random(job.name);
    switch (MotifOf(job.name)) {
        case Motif::Tunnel: Tunnel(c, random); break;
        case Motif::Hills: Hills(c, random, false); break;
        case Motif::Snow: Hills(c, random, true); break;
        case Motif::Blocks: Blocks(c, random, false); break;
        case Motif::Temple: Blocks(c, random, true); break;
        case Motif::Bricks: BrickHall(c, random, 0); break;
        case Motif::Mine: BrickHall(c, random, 1); break;
        case Motif::Seal: BrickHall(c, random, 2); break;
        case Motif::Town: Town(c, random); break;
        case Motif::Waterway: Waterway(c, random); break;
        case Motif::River: River(c, random); break;
        case Motif::Jungle: Jungle(c, random); break;
        case Motif::Cliff: Cliff(c, random); break;
        case Motif::Ruins: Ruins(c, random); break;
        case Motif::Space: Space(c, random); break;
        case Motif::Sky: SkyScape(c, random, false); break;
        case Motif::Hell: SkyScape(c, random, true); break;
        case Motif::Rocks: Rocks(c, random, false); break;
        case Motif::Twilight: Rocks(c, random, true); break;
        case Motif::Dream: Dream(c, random); break;
        case Motif::Sunset: Sunset(c, random); break;
    }
    Vignette(c, 0.55);
    // Sprites are OR-combined onto the upper half: keep it from washing them out.
    for (int y = 0; y < 400; y += 4) Shade(c, {0, y, kW, y + 4}, 0.7 + 0.3 * y / 400.0);
    return c;
}

}  // namespace kestrilon::assets
