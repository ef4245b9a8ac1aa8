#include "sprite_pen.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestrilon::assets {
namespace {

uint32_t ToPixel(Colour c) {
    return 0xFF000000u | (static_cast<uint32_t>(RedOf(c)) << 16) | (static_cast<uint32_t>(GreenOf(c)) << 8) |
           static_cast<uint32_t>(BlueOf(c));
}

Colour FromPixel(uint32_t p) { return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

// Every background pixel next to the figure becomes the outline colour.
void Outline(Canvas& c) {
    const int w = c.Width(), h = c.Height(), stride = c.Stride();
    uint32_t* data = c.Data();
    const uint32_t background = ToPixel(kSpriteBackground);
    std::vector<uint8_t> figure(static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) figure[static_cast<size_t>(y * w + x)] = data[static_cast<size_t>(y) * stride + x] != background;
    auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && figure[static_cast<size_t>(y * w + x)]; };
    const uint32_t outline = ToPixel(kOutline);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!at(x, y) && (at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1)))
                data[static_cast<size_t>(y) * stride + x] = outline;
}

void Light(Canvas& c) {
    const int w = c.Width(), h = c.Height(), stride = c.Stride();
    uint32_t* data = c.Data();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t& pixel = data[static_cast<size_t>(y) * stride + x];
            const Colour p = FromPixel(pixel);
            if (p == kSpriteBackground || p == kOutline) continue;
            pixel = ToPixel(NotBlack(Scale(p, 1.18 - 0.38 * y / h - 0.12 * x / w)));
        }
}

}  // namespace

void Pen::Disc(double x, double y, double r, Colour col) const { FillDisc(c_, x * u_, y * u_, r * u_, NotBlack(col)); }

void Pen::Oval(double x, double y, double rx, double ry, Colour col) const {
    FillEllipse(c_, x * u_, y * u_, rx * u_, ry * u_, NotBlack(col));
}

void Pen::Poly(std::initializer_list<PointF> points, Colour col) const {
    std::vector<PointF> scaled;
    scaled.reserve(points.size());
    for (const PointF& p : points) scaled.push_back({p.x * u_, p.y * u_});
    FillPolygon(c_, scaled, NotBlack(col));
}

void Pen::Stroke(PointF a, PointF b, double width, Colour col) const {
    ThickLine(c_, {a.x * u_, a.y * u_}, {b.x * u_, b.y * u_}, std::max(1.0, width * u_), NotBlack(col));
}

void Pen::Box(double l, double t, double r, double b, Colour col) const { Poly({{l, t}, {r, t}, {r, b}, {l, b}}, col); }

void Pen::Eyes(double x, double y, double gap, double r, Colour iris) const {
    for (double dx : {-gap / 2, gap / 2}) {
        Disc(x + dx, y, r, kEyeWhite);
        Disc(x + dx + r * 0.2, y + r * 0.1, r * 0.55, iris);
    }
}

Canvas FinishSprite(Canvas c) {
    Light(c);
    Outline(c);
    const int w = c.Width(), h = c.Height();
    c.Fill({0, 0, w, 1}, kSpriteBackground);
    c.Fill({0, h - 1, w, h}, kSpriteBackground);
    c.Fill({0, 0, 1, h}, kSpriteBackground);
    c.Fill({w - 1, 0, w, h}, kSpriteBackground);
    return c;
}

void Aura(Canvas& c, Colour colour) {
    const double cx = c.Width() / 2.0, cy = c.Height() / 2.0, radius = c.Width() * 0.48;
    const int stride = c.Stride();
    uint32_t* data = c.Data();
    const uint32_t background = ToPixel(kSpriteBackground);
    for (int y = 1; y < c.Height() - 1; ++y)
        for (int x = 1; x < c.Width() - 1; ++x) {
            uint32_t& pixel = data[static_cast<size_t>(y) * stride + x];
            if (pixel != background) continue;
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            if (d >= 1.0) continue;
            const double weight = 0.45 * (1 - d) * (1 - d);
            pixel = ToPixel(Scale(colour, weight));
        }
}

}  // namespace kestrilon::assets
