#pragma once
// Pixel-level helpers on top of Canvas for the procedural art: gradients, soft glows,
// filled polygons, textures and shadowed text. All of them are deterministic.
#include <span>
#include <string_view>

#include "gfx/canvas.h"
#include "procedural.h"

namespace kestrilon::assets {

struct PointF {
    double x = 0;
    double y = 0;
};

Colour Mix(Colour a, Colour b, double t);  // t = 0 gives a, 1 gives b
Colour Scale(Colour c, double factor);     // each channel times factor, clamped
Colour Hsv(double hue, double saturation, double value);  // hue in turns (0..1)
// Never pure black: keeps a sprite's body apart from its colour-keyed background.
Colour NotBlack(Colour c);

void VerticalGradient(Canvas& canvas, Rect r, Colour top, Colour bottom);
// Blends c over the pixels of a disc whose weight falls from `strength` at the centre
// to 0 at `radius`.
void Glow(Canvas& canvas, double cx, double cy, double radius, Colour c, double strength);
// Even-odd scanline fill, sampled at pixel centres; alpha blends over what is there.
void FillPolygon(Canvas& canvas, std::span<const PointF> points, Colour c, double alpha = 1.0);
void FillDisc(Canvas& canvas, double cx, double cy, double radius, Colour c, double alpha = 1.0);
void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Colour c, double alpha = 1.0);
// Thick line as a filled quad.
void ThickLine(Canvas& canvas, PointF a, PointF b, double width, Colour c, double alpha = 1.0);
// Multiplies the pixels of r by 1 +- amount at random, for stone, wood and sand.
void Grain(Canvas& canvas, Rect r, Random& random, double amount);
// Multiplies the pixels of r by factor (darkening bands behind text).
void Shade(Canvas& canvas, Rect r, double factor);
// Darkens towards the edges.
void Vignette(Canvas& canvas, double strength);
void Stars(Canvas& canvas, Rect r, int count, Random& random, int brightest);

// The font shrunk (down to minSize) until text fits in maxWidth pixels.
Font FitFont(const Canvas& canvas, std::string_view text, Font font, int maxWidth, int minSize);
void ShadowText(Canvas& canvas, int x, int y, std::string_view text, const Font& font, Colour c,
                Colour shadow = Rgb(8, 8, 8));
void CentredText(Canvas& canvas, int cx, int y, std::string_view text, const Font& font, Colour c,
                 Colour shadow = Rgb(8, 8, 8));

}  // namespace kestrilon::assets
