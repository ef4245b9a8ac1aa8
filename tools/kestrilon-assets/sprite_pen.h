#pragma once
// Drawing figures for colour-keyed sprites: shapes in a box of `units` units scaled to
// the picture, then lit, outlined and kept off the border.
#include <initializer_list>

#include "art.h"
#include "paint.h"

namespace kestrilon::assets {

constexpr Colour kOutline = Rgb(24, 22, 28);
constexpr Colour kEyeWhite = Rgb(240, 240, 235);
constexpr Colour kPupil = Rgb(30, 20, 30);

class Pen {
public:
    Pen(Canvas& canvas, double side, double units = 64.0) : c_(canvas), u_(side / units) {}
    void Disc(double x, double y, double r, Colour col) const;
    void Oval(double x, double y, double rx, double ry, Colour col) const;
    void Poly(std::initializer_list<PointF> points, Colour col) const;
    void Stroke(PointF a, PointF b, double width, Colour col) const;
    void Box(double l, double t, double r, double b, Colour col) const;
    void Eyes(double x, double y, double gap, double r, Colour iris = kPupil) const;

private:
    Canvas& c_;
    double u_;
};

// Lights the figure from the top left, outlines it and clears the border, so that the
// bottom-left pixel is the background colour.
Canvas FinishSprite(Canvas c);
// A soft halo on the background pixels only, for the special enemies.
void Aura(Canvas& c, Colour colour);

}  // namespace kestrilon::assets
