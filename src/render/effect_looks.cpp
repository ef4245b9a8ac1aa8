#include <algorithm>
#include <array>
#include <cmath>

#include "render/colour.h"
#include "render/effect_draw.h"

namespace kestrilon {
namespace {

constexpr double kPi = 3.1415;

Point Polar(int cx, int cy, double degrees, double r) {
    const double a = degrees * kPi / 180.0;
    return {cx + static_cast<int>(std::cos(a) * r), cy + static_cast<int>(std::sin(a) * r)};
}

// Scales all three channels, so dark colours fade as visibly as bright ones.
Colour Dimmed(Colour c, int outOf256) {
    return Rgb(RedOf(c) * outOf256 / 256, GreenOf(c) * outOf256 / 256, BlueOf(c) * outOf256 / 256);
}

Rect Around(Point p, int rx, int ry) { return {p.x - rx, p.y - ry, p.x + rx + 1, p.y + ry + 1}; }

void Circle(Canvas& c, Point p, int r, Colour pen, int penWidth = 1) {
    if (r >= 1) c.Ellipse(Around(p, r, r), pen, penWidth);
}

void Disc(Canvas& c, Point p, int r, Colour colour) {
    if (r >= 1) c.Ellipse(Around(p, r, r), colour, 1, colour);
}

// Everything a look needs about where it is in its life.
struct Moment {
    Point centre;
    int step;
    int steps;
    double progress;  // 0 at the first drawn step, 1 at the last
    int seed;         // spreads the elements of two equal effects differently
    Colour colour;    // the look's colour darkened as it ages
};

void DrawEllipses(Canvas& c, const Moment& m, Look look, int size, int count, const EffectSlot& e) {
    const Point p = m.centre;
    const double q = m.progress;
    switch (look) {
        case Look::Ring:
            Circle(c, p, 2 + static_cast<int>(size * q), m.colour, std::max(1, 3 - static_cast<int>(3 * q)));
            break;
        case Look::Implode:
            Circle(c, p, 2 + static_cast<int>(size * (1 - q)), m.colour, 2);
            break;
        case Look::Ripples:
            for (int k = 0; k < count; ++k) {
                const double local = q * 1.6 - k * 0.3;
                if (local > 0 && local <= 1) Circle(c, p, static_cast<int>(size * local), ShiftColour(m.colour, -k * 30));
            }
            break;
        case Look::Flash:
            Disc(c, p, static_cast<int>(size * (0.4 + 0.6 * q)), Dimmed(m.colour, 256 - static_cast<int>(60 * q)));
            break;
        case Look::Orbit:
            for (int k = 0; k < count; ++k)
                Disc(c, Polar(p.x, p.y, m.step * 25 + k * 360 / count + m.seed, size * (1 - 0.5 * q)), 2 + size / 12,
                     m.colour);
            break;
        case Look::Bubbles:
            for (int k = 0; k < count; ++k) {
                const uint32_t spread = (static_cast<uint32_t>(k + 1) * 2654435761u + static_cast<uint32_t>(m.seed)) >> 16;
                const int bx = p.x + static_cast<int>(spread % static_cast<uint32_t>(2 * size + 1)) - size;
                const int rise = (m.step * 3 + (k * 5 % count) * size * 3 / (2 * count)) % (size * 3 / 2 + 1);
                Circle(c, {bx, p.y + size / 2 - rise}, 2 + (k + m.step / 3) % 4, m.colour);
            }
            break;
        case Look::Drops:
            for (int k = 0; k < count; ++k) {
                const int dx = p.x - size + 2 * size * k / std::max(1, count - 1);
                const int fall = (m.step * 7 + k * 13) % (size + 1);
                c.Ellipse(Around({dx, p.y - size + fall}, 2, 4), m.colour, 1, m.colour);
            }
            break;
        case Look::Scatter:
            for (int k = 0; k < count; ++k)
                Disc(c, Polar(p.x, p.y, k * 360 / count + m.seed % 360, size * q),
                     std::max(1, static_cast<int>(size / 6 * (1 - q)) + 1), m.colour);
            break;
        case Look::Oval:
            c.Ellipse(Around(p, 4 + static_cast<int>(size * 1.5 * q), 2 + static_cast<int>(size * q / 3)), m.colour, 2);
            break;
        case Look::Spiral:
            for (int k = 0; k < count; ++k)
                Disc(c, Polar(p.x, p.y, k * 45 + m.step * 18 + m.seed, size * q * (k + 1) / count), 2, m.colour);
            break;
        case Look::Pulse: {
            const int r = static_cast<int>(size * (0.65 + 0.35 * std::sin(m.step * 0.9)));
            Circle(c, p, r, m.colour, 2);
            Circle(c, p, r * 3 / 5, ShiftColour(m.colour, -40));
            break;
        }
        case Look::Missile: {
            // A mover flies from its source to its point and bursts there.
            const Point from{e.fromX(), e.fromY()};
            for (int k = 3; k >= 0; --k) {
                const double at = std::clamp(q * 1.25 - k * 0.06, 0.0, 1.0);
                const Point head{from.x + static_cast<int>((p.x - from.x) * at), from.y + static_cast<int>((p.y - from.y) * at)};
                Disc(c, head, std::max(1, size / 4 + 3 - k), ShiftColour(m.colour, -k * 40));
            }
            if (q >= 0.8) Circle(c, p, static_cast<int>(size * (q - 0.8) * 5), m.colour, 2);
            break;
        }
        default:
            break;
    }
}

void DrawLines(Canvas& c, const Moment& m, Look look, int size, int count, const EffectSlot& e) {
    const Point p = m.centre;
    const double q = m.progress;
    switch (look) {
        case Look::Rays:
            for (int k = 0; k < count; ++k) {
                const double a = k * 360.0 / count + m.seed;
                const Point a0 = Polar(p.x, p.y, a, size * q * 0.5);
                const Point a1 = Polar(p.x, p.y, a, size * q + 6);
                c.Line(a0.x, a0.y, a1.x, a1.y, m.colour, 2);
            }
            break;
        case Look::Converge:
            for (int k = 0; k < count; ++k) {
                const double a = k * 360.0 / count + m.seed;
                const Point a0 = Polar(p.x, p.y, a, size * (1 - q) * 0.3);
                const Point a1 = Polar(p.x, p.y, a, size * (1 - q) + 4);
                c.Line(a0.x, a0.y, a1.x, a1.y, m.colour);
            }
            break;
        case Look::Slash:
            for (int k = 0; k < count; ++k) {
                const int start = 1 + k * m.steps / (2 * count);
                if (m.step <= start) continue;
                const double reach = std::min(1.0, (m.step - start) / 4.0);
                const int x0 = p.x - size + k * 10;
                c.Line(x0, p.y - size, x0 + static_cast<int>(2 * size * reach), p.y - size + static_cast<int>(2 * size * reach),
                       m.colour, 2);
            }
            break;
        case Look::Cross: {
            const int r = static_cast<int>(size * q) + 2;
            const int pen = std::max(1, 3 - static_cast<int>(2 * q));
            c.Line(p.x - r, p.y - r, p.x + r, p.y + r, m.colour, pen);
            c.Line(p.x + r, p.y - r, p.x - r, p.y + r, m.colour, pen);
            break;
        }
        case Look::Bolt: {
            std::array<Point, 16> points;
            const int n = std::clamp(count, 2, 15);
            for (int k = 0; k <= n; ++k) {
                const int jitter = k == 0 || k == n ? 0 : e.g.looks.Roll(size / 2 + 1) - size / 4;
                points[static_cast<size_t>(k)] = {p.x + jitter, p.y - 2 * size + 2 * size * k / n};
            }
            c.Polyline(std::span<const Point>(points.data(), static_cast<size_t>(n + 1)), m.colour, 2);
            break;
        }
        case Look::Rain:
            for (int k = 0; k < count; ++k) {
                const int sx = p.x - size + 2 * size * k / count;
                const int sy = p.y - size + (m.step * 12 + k * 29) % (2 * size + 1);
                c.Line(sx, sy, sx - 4, sy + 14, m.colour);
            }
            break;
        case Look::Spokes:
            for (int k = 0; k < count; ++k) {
                const double a = k * 360.0 / count + m.step * 20;
                const Point a0 = Polar(p.x, p.y, a, size / 4.0);
                const Point a1 = Polar(p.x, p.y, a, size);
                c.Line(a0.x, a0.y, a1.x, a1.y, m.colour, 2);
            }
            break;
        case Look::Pillar: {
            const int half = static_cast<int>(size * std::sin(kPi * q) / 3) + 1;
            for (int k = -half; k <= half; k += 3)
                c.Line(p.x + k, 0, p.x + k, p.y + size, ShiftColour(m.colour, -std::abs(k) * 8));
            break;
        }
        case Look::Scan:
            for (int k = 0; k < count; ++k) {
                const int ly = p.y - size + static_cast<int>(2 * size * q) + k * 4 - count * 2;
                c.Line(p.x - size, ly, p.x + size, ly, ShiftColour(m.colour, -k * 20));
            }
            break;
        case Look::Claw: {
            const double reach = std::min(1.0, q * 2);
            for (int k = 0; k < 3; ++k) {
                const int x0 = p.x - size / 4 + k * size / 4;
                c.Line(x0, p.y - size / 2, x0 - static_cast<int>(size * reach / 2), p.y - size / 2 + static_cast<int>(size * reach),
                       m.colour, 2);
            }
            break;
        }
        case Look::Beam: {
            const Point from{e.fromX(), e.fromY()};
            const double reach = std::min(1.0, q * 2);
            const Point head{from.x + static_cast<int>((p.x - from.x) * reach), from.y + static_cast<int>((p.y - from.y) * reach)};
            c.Line(from.x, from.y, head.x, head.y, m.colour, std::max(1, static_cast<int>(4 * (1 - q)) + 1));
            if (reach >= 1) {
                c.Line(p.x - size / 3, p.y, p.x + size / 3, p.y, m.colour);
                c.Line(p.x, p.y - size / 3, p.x, p.y + size / 3, m.colour);
            }
            break;
        }
        case Look::Star: {
            const double length = size * std::sin(kPi * std::max(q, 0.1));
            for (int k = 0; k < count; ++k) {
                const double a = k * 180.0 / count + m.seed;
                const Point a0 = Polar(p.x, p.y, a, length);
                const Point a1 = Polar(p.x, p.y, a + 180, length);
                c.Line(a0.x, a0.y, a1.x, a1.y, m.colour);
            }
            break;
        }
        default:
            break;
    }
}

void DrawRectangles(Canvas& c, const Moment& m, Look look, int size, int count) {
    const Point p = m.centre;
    const double q = m.progress;
    switch (look) {
        case Look::Frame: {
            const int half = 2 + static_cast<int>(size * q);
            c.Rectangle(Around(p, half, half), m.colour, 2);
            break;
        }
        case Look::Shutter:
            for (int k = 0; k < count; ++k) {
                const int top = p.y - size + k * 2 * size / count;
                const int height = 1 + static_cast<int>(size / count * q);
                c.Fill({p.x - size * 3 / 2, top, p.x + size * 3 / 2, top + height}, m.colour);
            }
            break;
        case Look::Blocks:
            for (int k = 0; k < count; ++k) {
                const Point at = Polar(p.x, p.y, k * 360 / count + m.seed % 360, size * q);
                const int half = std::max(2, static_cast<int>(size / 5 * (1 - q)) + 2);
                c.Rectangle(Around(at, half, half), m.colour, 1, m.colour);
            }
            break;
        case Look::Column:
            for (int k = 0; k < count; ++k) {
                const int cx = p.x - size + 2 * size * k / std::max(1, count - 1);
                const int height = static_cast<int>(2 * size * std::sin(kPi * std::min(1.0, q + k * 0.1))) + 2;
                c.Rectangle({cx - 3, p.y - height, cx + 4, p.y}, m.colour, 1);
            }
            break;
        case Look::Band: {
            const int height = static_cast<int>(size * std::sin(kPi * std::max(q, 0.05))) + 1;
            c.Fill({0, p.y - height / 2, kScreenWidth, p.y + height / 2 + 1}, ShiftColour(m.colour, -60));
            c.Line(0, p.y - height / 2 - 2, kScreenWidth, p.y - height / 2 - 2, m.colour);
            c.Line(0, p.y + height / 2 + 2, kScreenWidth, p.y + height / 2 + 2, m.colour);
            break;
        }
        case Look::Box:
            for (int k = 0; k < count; ++k) {
                const int half = static_cast<int>(size * (1 - q)) + k * 6 + 1;
                c.Rectangle(Around(p, half, half), ShiftColour(m.colour, -k * 25), 1);
            }
            break;
        default:
            break;
    }
}

}  // namespace

void DrawLook(const EffectSlot& e, Look look, Colour colour, int size, int steps, int count) {
    const int last = std::max(steps, 2);
    Moment m;
    m.centre = {e.x(), e.y()};
    m.step = e.step;
    m.steps = last;
    m.progress = std::clamp((e.step - 2) / static_cast<double>(last - 2 > 0 ? last - 2 : 1), 0.0, 1.0);
    m.seed = e.slot * 37 + KindCode(e.kind()) * 11;
    m.colour = Dimmed(colour, 256 - std::min(e.step, last) * 140 / last);
    count = std::max(count, 1);
    Canvas& c = e.bak();
    if (look <= Look::Missile)
        DrawEllipses(c, m, look, size, count, e);
    else if (look <= Look::Star)
        DrawLines(c, m, look, size, count, e);
    else
        DrawRectangles(c, m, look, size, count);
}

}  // namespace kestrilon
