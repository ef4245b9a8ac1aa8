#include "paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestrilon::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

uint32_t ToPixel(Colour c) {
    return 0xFF000000u | (static_cast<uint32_t>(RedOf(c)) << 16) | (static_cast<uint32_t>(GreenOf(c)) << 8) |
           static_cast<uint32_t>(BlueOf(c));
}

Colour FromPixel(uint32_t p) { return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

int Clamp255(double v) { return static_cast<int>(std::clamp(std::lround(v), 0L, 255L)); }

void BlendInto(uint32_t& pixel, Colour c, double alpha) {
    if (alpha >= 1.0) {
        pixel = ToPixel(c);
    } else if (alpha > 0.0) {
        pixel = ToPixel(Mix(FromPixel(pixel), c, alpha));
    }
}

}  // namespace

Colour Mix(Colour a, Colour b, double t) {
    return Rgb(Clamp255(RedOf(a) + (RedOf(b) - RedOf(a)) * t), Clamp255(GreenOf(a) + (GreenOf(b) - GreenOf(a)) * t),
               Clamp255(BlueOf(a) + (BlueOf(b) - BlueOf(a)) * t));
}

Colour Scale(Colour c, double factor) {
    return Rgb(Clamp255(RedOf(c) * factor), Clamp255(GreenOf(c) * factor), Clamp255(BlueOf(c) * factor));
}

Colour Hsv(double hue, double saturation, double value) {
    hue -= std::floor(hue);
    const double h = hue * 6.0;
    const int sector = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = value * (1 - saturation), q = value * (1 - saturation * f), t = value * (1 - saturation * (1 - f));
    double r = value, g = t, b = p;
    switch (sector) {
        case 1: r = q; g = value; b = p; break;
        case 2: r = p; g = value; b = t; break;
        case 3: r = p; g = q; b = value; break;
        case 4: r = t; g = p; b = value; break;
        case 5: r = value; g = p; b = q; break;
        default: break;
    }
    return Rgb(Clamp255(r * 255), Clamp255(g * 255), Clamp255(b * 255));
}

Colour NotBlack(Colour c) { return c == 0 ? Rgb(1, 1, 1) : c; }

void VerticalGradient(Canvas& canvas, Rect r, Colour top, Colour bottom) {
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, canvas.Width());
    r.bottom = std::min(r.bottom, canvas.Height());
    if (r.Width() <= 0 || r.Height() <= 0) return;
    uint32_t* data = canvas.Data();
    const int stride = canvas.Stride();
    for (int y = r.top; y < r.bottom; ++y) {
        const double t = r.Height() > 1 ? static_cast<double>(y - r.top) / (r.Height() - 1) : 0.0;
        const uint32_t pixel = ToPixel(Mix(top, bottom, t));
        std::fill(data + static_cast<size_t>(y) * stride + r.left, data + static_cast<size_t>(y) * stride + r.right,
                  pixel);
    }
}

void Glow(Canvas& canvas, double cx, double cy, double radius, Colour c, double strength) {
    if (radius <= 0) return;
    const int x0 = std::max(0, static_cast<int>(std::floor(cx - radius)));
    const int x1 = std::min(canvas.Width(), static_cast<int>(std::ceil(cx + radius)) + 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - radius)));
    const int y1 = std::min(canvas.Height(), static_cast<int>(std::ceil(cy + radius)) + 1);
    if (x0 >= x1 || y0 >= y1) return;
    uint32_t* data = canvas.Data();
    const int stride = canvas.Stride();
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            if (d >= 1.0) continue;
            const double w = (1.0 - d) * (1.0 - d) * strength;
            BlendInto(data[static_cast<size_t>(y) * stride + x], c, w);
        }
    }
}

void FillPolygon(Canvas& canvas, std::span<const PointF> points, Colour c, double alpha) {
    if (points.size() < 3 || canvas.Empty()) return;
    double top = points[0].y, bottom = points[0].y;
    for (const PointF& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int y1 = std::min(canvas.Height(), static_cast<int>(std::ceil(bottom)) + 1);
    uint32_t* data = canvas.Data();
    const int stride = canvas.Stride();
    std::vector<double> crossings;
    for (int y = y0; y < y1; ++y) {
        const double sy = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const PointF& a = points[i];
            const PointF& b = points[(i + 1) % points.size()];
            if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                crossings.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int xa = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
            const int xb = std::min(canvas.Width(), static_cast<int>(std::ceil(crossings[i + 1] - 0.5)));
            uint32_t* row = data + static_cast<size_t>(y) * stride;
            for (int x = xa; x < xb; ++x) BlendInto(row[x], c, alpha);
        }
    }
}

void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Colour c, double alpha) {
    if (rx <= 0 || ry <= 0) return;
    const int steps = std::clamp(static_cast<int>((rx + ry) * 1.5), 12, 256);
    std::vector<PointF> points(static_cast<size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        const double a = 2 * kPi * i / steps;
        points[static_cast<size_t>(i)] = {cx + std::cos(a) * rx, cy + std::sin(a) * ry};
    }
    FillPolygon(canvas, points, c, alpha);
}

void FillDisc(Canvas& canvas, double cx, double cy, double radius, Colour c, double alpha) {
    FillEllipse(canvas, cx, cy, radius, radius, c, alpha);
}

void ThickLine(Canvas& canvas, PointF a, PointF b, double width, Colour c, double alpha) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0) return;
    const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
    const PointF quad[] = {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
    FillPolygon(canvas, quad, c, alpha);
}

void Grain(Canvas& canvas, Rect r, Random& random, double amount) {
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, canvas.Width());
    r.bottom = std::min(r.bottom, canvas.Height());
    uint32_t* data = canvas.Data();
    const int stride = canvas.Stride();
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            uint32_t& pixel = data[static_cast<size_t>(y) * stride + x];
            pixel = ToPixel(Scale(FromPixel(pixel), 1.0 + random.Signed() * amount));
        }
    }
}

void Shade(Canvas& canvas, Rect r, double factor) {
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, canvas.Width());
    r.bottom = std::min(r.bottom, canvas.Height());
    uint32_t* data = canvas.Data();
    const int stride = canvas.Stride();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            uint32_t& pixel = data[static_cast<size_t>(y) * stride + x];
            pixel = ToPixel(Scale(FromPixel(pixel), factor));
        }
}

void Vignette(Canvas& canvas, double strength) {
    const double cx = canvas.Width() / 2.0, cy = canvas.Height() / 2.0;
    const double reach2 = cx * cx + cy * cy;
    uint32_t* data = canvas.Data();
    const int stride = canvas.Stride();
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const double d2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / reach2;
            uint32_t& pixel = data[static_cast<size_t>(y) * stride + x];
            pixel = ToPixel(Scale(FromPixel(pixel), 1.0 - strength * d2));
        }
}

void Stars(Canvas& canvas, Rect r, int count, Random& random, int brightest) {
    for (int i = 0; i < count; ++i) {
        const int x = r.left + random.Below(r.Width());
        const int y = r.top + random.Below(r.Height());
        const double level = random.Unit();
        const int v = static_cast<int>(brightest * (0.3 + 0.7 * level * level));
        const Colour star = Mix(Rgb(v, v, v), Rgb(v * 3 / 4, v * 4 / 5, v), random.Unit());
        canvas.SetPixel(x, y, star);
        if (level > 0.93) {
            const Colour halo = Scale(star, 0.45);
            canvas.SetPixel(x - 1, y, halo);
            canvas.SetPixel(x + 1, y, halo);
            canvas.SetPixel(x, y - 1, halo);
            canvas.SetPixel(x, y + 1, halo);
        }
    }
}

Font FitFont(const Canvas& canvas, std::string_view text, Font font, int maxWidth, int minSize) {
    while (font.size > minSize && canvas.TextWidth(text, font) > maxWidth) --font.size;
    return font;
}

void ShadowText(Canvas& canvas, int x, int y, std::string_view text, const Font& font, Colour c, Colour shadow) {
    canvas.Text(x + 1, y + 1, text, font, shadow);
    canvas.Text(x, y, text, font, c);
}

void CentredText(Canvas& canvas, int cx, int y, std::string_view text, const Font& font, Colour c, Colour shadow) {
    ShadowText(canvas, cx - canvas.TextWidth(text, font) / 2, y, text, font, c, shadow);
}

}  // namespace kestrilon::assets
