#include <gtest/gtest.h>
#include <pango/pangocairo.h>

#include <deque>
#include <string>
#include <vector>

#include "gfx/canvas.h"
#include "gfx/text_engine.h"
#include "state/rng.h"
#include "support/fake_platform.h"

namespace kestrilon {
namespace {

TEST(Canvas, FillAndCopyStayInside) {
    Canvas c(10, 10);
    c.Fill({-5, -5, 3, 3}, Rgb(255, 0, 0));
    EXPECT_EQ(c.Pixel(2, 2), Rgb(255, 0, 0));
    EXPECT_EQ(c.Pixel(3, 3), 0u);
    Canvas d(4, 4);
    d.Copy(c, -1, -1, 10, 10);
    EXPECT_EQ(d.Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(d.Pixel(2, 2), 0u);
}

// The fill reaches exactly the 4-connected area of the start pixel's colour, on noise full of
// holes and narrow passages, checked against a plain breadth-first walk; a canvas that is one
// area is filled whole.
TEST(Canvas, FloodFillReachesExactlyTheConnectedArea) {
    constexpr int kWidth = 61, kHeight = 47;
    constexpr Colour kWall = Rgb(200, 0, 0), kFill = Rgb(0, 0, 255);
    Rng rng(3);
    for (int round = 0; round < 20; ++round) {
        Canvas c(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (rng.Roll(100) < 20 + round * 2) c.SetPixel(x, y, kWall);
        const int sx = rng.Roll(kWidth), sy = rng.Roll(kHeight);
        const Colour target = c.Pixel(sx, sy);
        std::vector<bool> inside(kWidth * kHeight, false);
        std::deque<Point> queue{{sx, sy}};
        inside[sy * kWidth + sx] = true;
        while (!queue.empty()) {
            const Point p = queue.front();
            queue.pop_front();
            for (const Point n : {Point{p.x - 1, p.y}, Point{p.x + 1, p.y}, Point{p.x, p.y - 1}, Point{p.x, p.y + 1}}) {
                if (n.x < 0 || n.y < 0 || n.x >= kWidth || n.y >= kHeight || inside[n.y * kWidth + n.x]) continue;
                if (c.Pixel(n.x, n.y) != target) continue;
                inside[n.y * kWidth + n.x] = true;
                queue.push_back(n);
            }
        }
        Canvas before(kWidth, kHeight);
        before.Copy(c, 0, 0, kWidth, kHeight);
        c.FloodFill(sx, sy, kFill);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(c.Pixel(x, y), inside[y * kWidth + x] ? kFill : before.Pixel(x, y))
                    << "round " << round << " at " << x << ", " << y;
    }
    Canvas plain(800, 600);
    plain.FloodFill(400, 300, kFill);
    EXPECT_EQ(plain.Pixel(0, 0), kFill);
    EXPECT_EQ(plain.Pixel(799, 599), kFill);
}

TEST(Canvas, TransparentSourceSkipsItsKeyColour) {
    Canvas sprite(4, 4);
    sprite.Clear(Rgb(0, 255, 0));  // the bottom-left pixel gives the key
    sprite.SetPixel(1, 1, Rgb(9, 9, 9));
    sprite.SetTransparent(true);
    Canvas target(4, 4);
    target.Clear(Rgb(1, 2, 3));
    target.Draw(sprite, 0, 0);
    EXPECT_EQ(target.Pixel(0, 0), Rgb(1, 2, 3));
    EXPECT_EQ(target.Pixel(1, 1), Rgb(9, 9, 9));
}

TEST(Canvas, OrCombineAddsLight) {
    Canvas a(2, 1), b(2, 1);
    a.SetPixel(0, 0, Rgb(0x10, 0x01, 0x80));
    b.SetPixel(0, 0, Rgb(0x01, 0x10, 0x08));
    a.OrCombine(b, 0, 0, 2, 1);
    EXPECT_EQ(a.Pixel(0, 0), Rgb(0x11, 0x11, 0x88));
    EXPECT_EQ(a.Pixel(1, 0), 0u);
}

TEST(Canvas, StretchDoublesPixels) {
    Canvas small(2, 1);
    small.SetPixel(1, 0, Rgb(200, 100, 50));
    Canvas big(4, 2);
    big.Stretch(small, {0, 0, 4, 2});
    EXPECT_EQ(big.Pixel(1, 1), 0u);
    EXPECT_EQ(big.Pixel(2, 0), Rgb(200, 100, 50));
    EXPECT_EQ(big.Pixel(3, 1), Rgb(200, 100, 50));
}

TEST(Canvas, SelfCopyMovesThePicture) {
    Canvas c(4, 4);
    c.Fill({0, 0, 4, 1}, Rgb(255, 255, 255));
    c.Copy(c, 0, 2, 4, 4, 0, 0);
    EXPECT_EQ(c.Pixel(0, 2), Rgb(255, 255, 255));
    EXPECT_EQ(c.Pixel(0, 3), 0u);
}

TEST(Canvas, TextHasExtentAndInk) {
    Canvas c(200, 50);
    const Font font{.size = 12};
    const Size size = c.TextExtent("ＨＰ 100/100", font);
    EXPECT_GT(size.width, 40);
    EXPECT_GT(size.height, 10);
    EXPECT_GT(c.TextWidth("ああああ", font), c.TextWidth("ああ", font));
    c.Text(5, 5, "ＨＰ", font, Rgb(255, 255, 255), Rgb(0, 0, 80));
    int ink = 0, background = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 200; ++x) {
            if (c.Pixel(x, y) == Rgb(255, 255, 255)) ++ink;
            if (c.Pixel(x, y) == Rgb(0, 0, 80)) ++background;
        }
    EXPECT_GT(ink, 10);
    EXPECT_GT(background, 10);
    EXPECT_EQ(c.Pixel(150, 40), 0u);
}

// Stored text blends like Cairo drawing the same layout over the same pixels, to within the
// rounding of one step, also where it runs off the edge.
TEST(Canvas, StoredTextMatchesTextDrawnByCairo) {
    const Font font{.size = 12, .italic = true};
    const std::string_view text = "ダメージ 123 Wg";
    const Colour colour = Rgb(250, 120, 30);
    for (const Point at : {Point{6, 4}, Point{-9, -5}}) {
        // The first drawing lays the text out and stores it; the second one draws from the store.
        Canvas first(160, 30), drawn(160, 30), reference(160, 30);
        first.Text(at.x, at.y, text, font, colour);
        drawn.Clear(Rgb(20, 60, 200));
        drawn.Text(at.x, at.y, text, font, colour);

        reference.Clear(Rgb(20, 60, 200));
        cairo_t* cr = cairo_create(reference.Surface());
        PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
        pango_cairo_context_set_resolution(context, 96.0);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        pango_cairo_context_set_font_options(context, options);
        PangoLayout* layout = pango_layout_new(context);
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family(desc, std::string(FontFamily(font.name)).c_str());
        pango_font_description_set_absolute_size(desc, 16.0 * PANGO_SCALE);
        pango_font_description_set_weight(desc, PANGO_WEIGHT_BOLD);
        pango_font_description_set_style(desc, PANGO_STYLE_ITALIC);
        pango_layout_set_font_description(layout, desc);
        pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
        cairo_set_source_rgb(cr, 250 / 255.0, 120 / 255.0, 30 / 255.0);
        cairo_move_to(cr, at.x, at.y);
        pango_cairo_show_layout(cr, layout);
        cairo_surface_flush(reference.Surface());
        pango_font_description_free(desc);
        cairo_font_options_destroy(options);
        g_object_unref(layout);
        g_object_unref(context);
        cairo_destroy(cr);

        int inked = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 160; ++x) {
                const Colour want = reference.Pixel(x, y), got = drawn.Pixel(x, y);
                if (want != Rgb(20, 60, 200)) ++inked;
                ASSERT_NEAR(RedOf(got), RedOf(want), 1) << x << ", " << y;
                ASSERT_NEAR(GreenOf(got), GreenOf(want), 1) << x << ", " << y;
                ASSERT_NEAR(BlueOf(got), BlueOf(want), 1) << x << ", " << y;
            }
        EXPECT_GT(inked, 100);
    }
}

TEST(Canvas, LoadsBmpFilesAndRefusesBrokenOnes) {
    testing::FakePlatform os;
    os.WriteBmp("cg/a.bmp", 3, 2, Rgb(10, 20, 30));
    os.WriteFile("cg/broken.jpg", "not a jpeg");
    Canvas c(5, 5);
    ASSERT_TRUE(c.LoadFile(os.ProgramFolder() / "cg/a.bmp"));
    EXPECT_EQ(c.Width(), 3);
    EXPECT_EQ(c.Height(), 2);
    EXPECT_EQ(c.Pixel(2, 1), Rgb(10, 20, 30));
    EXPECT_FALSE(c.LoadFile(os.ProgramFolder() / "cg/broken.jpg"));
    EXPECT_FALSE(c.LoadFile(os.ProgramFolder() / "cg/missing.bmp"));
    EXPECT_EQ(c.Width(), 3);  // a failed load keeps the picture
}

TEST(Canvas, LoadsJpegFiles) {
    testing::FakePlatform os;
    os.WriteJpeg("cg/pic.jpg", 40, 20, Rgb(200, 40, 40));
    Canvas c;
    ASSERT_TRUE(c.LoadFile(os.ProgramFolder() / "cg/pic.jpg"));
    EXPECT_EQ(c.Width(), 40);
    EXPECT_EQ(c.Height(), 20);
    const Colour p = c.Pixel(20, 10);
    EXPECT_NEAR(RedOf(p), 200, 8);
    EXPECT_NEAR(GreenOf(p), 40, 8);
    EXPECT_NEAR(BlueOf(p), 40, 8);
}

}  // namespace
}  // namespace kestrilon
