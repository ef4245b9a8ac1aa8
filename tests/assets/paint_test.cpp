// The drawing helpers and the seeded randomness under all of the art.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "paint.h"
#include "procedural.h"

namespace kestrilon {
namespace {

using assets::PointF;

int CountColour(const Canvas& c, Colour colour) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) n += c.Pixel(x, y) == colour;
    return n;
}

TEST(ColourTest, MixScaleAndHsvGiveTheExpectedChannels) {
    EXPECT_EQ(assets::Mix(Rgb(0, 0, 0), Rgb(200, 100, 50), 0.0), Rgb(0, 0, 0));
    EXPECT_EQ(assets::Mix(Rgb(0, 0, 0), Rgb(200, 100, 50), 1.0), Rgb(200, 100, 50));
    EXPECT_EQ(assets::Mix(Rgb(0, 0, 0), Rgb(200, 100, 50), 0.5), Rgb(100, 50, 25));
    EXPECT_EQ(assets::Scale(Rgb(100, 200, 250), 2.0), Rgb(200, 255, 255));  // clamped, not wrapped
    EXPECT_EQ(assets::Scale(Rgb(100, 200, 250), -1.0), Rgb(0, 0, 0));
    EXPECT_EQ(assets::Hsv(0.0, 1.0, 1.0), Rgb(255, 0, 0));
    EXPECT_EQ(assets::Hsv(1.0 / 3, 1.0, 1.0), Rgb(0, 255, 0));
    EXPECT_EQ(assets::Hsv(2.0 / 3, 1.0, 1.0), Rgb(0, 0, 255));
    EXPECT_EQ(assets::Hsv(1.25, 0.0, 0.5), Rgb(128, 128, 128));
    EXPECT_NE(assets::NotBlack(0), 0u);
    EXPECT_EQ(assets::NotBlack(Rgb(3, 4, 5)), Rgb(3, 4, 5));
}

TEST(PolygonTest, FillsThePixelsWhoseCentresLieInside) {
    Canvas c(20, 20);
    const PointF square[] = {{2, 3}, {12, 3}, {12, 9}, {2, 9}};
    assets::FillPolygon(c, square, Rgb(255, 0, 0));
    EXPECT_EQ(CountColour(c, Rgb(255, 0, 0)), 10 * 6);
    EXPECT_EQ(c.Pixel(2, 3), Rgb(255, 0, 0));
    EXPECT_EQ(c.Pixel(11, 8), Rgb(255, 0, 0));
    EXPECT_EQ(c.Pixel(12, 8), 0u);
    EXPECT_EQ(c.Pixel(11, 9), 0u);

    // Half of a 10 x 10 square, give or take the diagonal.
    Canvas t(20, 20);
    const PointF triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    assets::FillPolygon(t, triangle, Rgb(0, 255, 0));
    EXPECT_NEAR(CountColour(t, Rgb(0, 255, 0)), 50, 6);
}

TEST(PolygonTest, ClipsAtTheCanvasAndBlendsWithAlpha) {
    Canvas c(10, 10);
    c.Clear(Rgb(100, 100, 100));
    const PointF big[] = {{-50, -50}, {60, -50}, {60, 60}, {-50, 60}};
    assets::FillPolygon(c, big, Rgb(200, 0, 0), 0.5);
    EXPECT_EQ(CountColour(c, Rgb(150, 50, 50)), 100);
    assets::FillDisc(c, 5, 5, 3, Rgb(0, 0, 255));
    EXPECT_EQ(c.Pixel(5, 5), Rgb(0, 0, 255));
    EXPECT_EQ(c.Pixel(0, 0), Rgb(150, 50, 50));
}

TEST(GlowTest, FallsOffFromTheCentreAndStopsAtTheRadius) {
    Canvas c(41, 41);
    assets::Glow(c, 20.5, 20.5, 15, Rgb(200, 200, 200), 1.0);
    EXPECT_GT(RedOf(c.Pixel(20, 20)), 180);
    EXPECT_GT(RedOf(c.Pixel(20, 20)), RedOf(c.Pixel(27, 20)));
    EXPECT_GT(RedOf(c.Pixel(27, 20)), RedOf(c.Pixel(32, 20)));
    EXPECT_EQ(c.Pixel(20, 37), 0u);
    EXPECT_EQ(c.Pixel(0, 0), 0u);
}

TEST(GradientTest, RunsFromTheTopColourToTheBottomColour) {
    Canvas c(4, 11);
    assets::VerticalGradient(c, {0, 0, 4, 11}, Rgb(0, 0, 0), Rgb(100, 200, 0));
    EXPECT_EQ(c.Pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(c.Pixel(3, 10), Rgb(100, 200, 0));
    EXPECT_EQ(c.Pixel(2, 5), Rgb(50, 100, 0));
    assets::Shade(c, {0, 10, 4, 11}, 0.5);
    EXPECT_EQ(c.Pixel(1, 10), Rgb(50, 100, 0));
}

TEST(GrainTest, TheSameSeedGivesTheSameTexture) {
    Canvas a(16, 16), b(16, 16), other(16, 16);
    for (Canvas* c : {&a, &b, &other}) c->Clear(Rgb(100, 100, 100));
    assets::Random ra("stone"), rb("stone"), rc("wood");
    assets::Grain(a, {0, 0, 16, 16}, ra, 0.2);
    assets::Grain(b, {0, 0, 16, 16}, rb, 0.2);
    assets::Grain(other, {0, 0, 16, 16}, rc, 0.2);
    int same = 0, differ = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            same += a.Pixel(x, y) == b.Pixel(x, y);
            differ += a.Pixel(x, y) != other.Pixel(x, y);
            EXPECT_NEAR(RedOf(a.Pixel(x, y)), 100, 20);
        }
    EXPECT_EQ(same, 256);
    EXPECT_GT(differ, 128);
}

TEST(FontTest, FitFontShrinksALongNameUntilItFits) {
    Canvas c(200, 40);
    const Font start{kGothic, 12, true};
    const std::string_view name = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv7とても長い名前のカード";
    const Font fitted = assets::FitFont(c, name, start, 150, 6);
    EXPECT_LT(fitted.size, start.size);
    EXPECT_TRUE(c.TextWidth(name, fitted) <= 150 || fitted.size == 6);
    EXPECT_EQ(assets::FitFont(c, "足", start, 150, 6).size, 12);
}

TEST(RandomTest, NamesSeedStablyAndDrawsStayInRange) {
    EXPECT_EQ(assets::NameSeed(""), 14695981039346656037ull);
    EXPECT_EQ(assets::NameSeed("a"), 0xAF63DC4C8601EC8Cull);
    EXPECT_NE(assets::NameSeed("unit1.bmp"), assets::NameSeed("unit10.bmp"));
    assets::Random r("dice");
    std::array<int, 6> counts{};
    for (int i = 0; i < 6000; ++i) {
        const int v = r.Below(6);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 6);
        ++counts[static_cast<size_t>(v)];
        const double u = r.Unit();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
    for (int n : counts) EXPECT_NEAR(n, 1000, 150);
    EXPECT_EQ(r.Below(0), 0);
    assets::Random a(7), b(7);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(a.Next(), b.Next());
}

}  // namespace
}  // namespace kestrilon
