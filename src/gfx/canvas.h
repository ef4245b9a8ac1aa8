#pragma once
// Drawing surfaces. Colours are 0x00BBGGRR (red in the low byte) everywhere, as the game
// tables write them. Shapes are drawn aliased, pixel for pixel, with the usual
// "right and bottom edges excluded" rule for rectangles and ellipses.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

namespace kestrilon {

using Colour = uint32_t;  // 0x00BBGGRR

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

constexpr std::string_view kGothic = "ＭＳ Ｐゴシック";
constexpr std::string_view kMincho = "ＭＳ Ｐ明朝";

struct Font {
    std::string_view name = kGothic;
    int size = 10;  // points at 96 dpi
    bool bold = true;
    bool italic = false;
};

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

// A stretch of one row of a coverage mask: row, first column and length.
struct CoverageRun {
    uint16_t row;
    uint16_t left;
    uint16_t length;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// An ARGB image with drawing operations. A bitmap marked transparent skips the pixels
// of its key colour (the bottom-left pixel) when it is drawn onto another canvas.
class Canvas {
public:
    Canvas();
    Canvas(int width, int height);
    ~Canvas();
    Canvas(Canvas&&) noexcept;
    Canvas& operator=(Canvas&&) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // New size; the content becomes black.
    void Resize(int width, int height);

    // Loading: ".jpg"/".jpeg" through libjpeg, anything else as a BMP file.
    // On failure the canvas is left as it was and false is returned.
    bool LoadFile(const std::filesystem::path& file);

    // Colour-key transparency with the bottom-left pixel as key ("automatic" colour).
    void SetTransparent(bool on);
    bool Transparent() const { return transparent_; }
    Colour KeyColour() const;

    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);

    // Fill the pixels left..right-1, top..bottom-1.
    void Fill(Rect r, Colour c);
    void Clear(Colour c) { Fill({0, 0, width_, height_}, c); }

    // Block copy of a w x h area of src (from sx, sy) to (dx, dy), every pixel as it is.
    void Copy(const Canvas& src, int dx, int dy, int w, int h, int sx = 0, int sy = 0);
    // Draws the whole source at (dx, dy); a transparent source keeps its key-coloured pixels out.
    void Draw(const Canvas& src, int dx, int dy);
    // Stretch the source rectangle onto the destination rectangle (nearest pixel); a
    // transparent source keeps its key-coloured pixels out.
    void Stretch(const Canvas& src, Rect dst, Rect srcRect);
    void Stretch(const Canvas& src, Rect dst) { Stretch(src, dst, {0, 0, src.Width(), src.Height()}); }
    // Stretch of the whole source that copies every pixel as it is, key colour included.
    void StretchCopy(const Canvas& src, Rect dst);
    // Bitwise OR of the source pixels onto this canvas (key-coloured pixels of a
    // transparent source are skipped).
    void OrCombine(const Canvas& src, int dx, int dy, int w, int h, int sx = 0, int sy = 0);

    // Lines include their start point and exclude their end point.
    void Line(int x1, int y1, int x2, int y2, Colour c, int penWidth = 1);
    void Polyline(std::span<const Point> points, Colour c, int penWidth = 1);
    // Outline in pen colour; filled with the brush colour unless brush is negative.
    void Ellipse(Rect r, Colour pen, int penWidth = 1, int64_t brush = -1);
    void Rectangle(Rect r, Colour pen, int penWidth = 1, int64_t brush = -1);
    // Flood fill of the area of the colour at (x, y). Its bookkeeping is allocated on the first
    // fill of a canvas of this size, so filling every frame allocates nothing.
    void FloodFill(int x, int y, Colour c);

    // Text with its top-left corner at (x, y); a non-negative background fills the text's box.
    void Text(int x, int y, std::string_view text, const Font& font, Colour c, int64_t background = -1);
    Size TextExtent(std::string_view text, const Font& font) const;
    int TextWidth(std::string_view text, const Font& font) const { return TextExtent(text, font).width; }

    // Raw access for the window upload and for tests: Cairo ARGB32, one uint32 per pixel.
    const uint32_t* Data() const;
    uint32_t* Data();
    int Stride() const;  // in pixels
    cairo_surface_t* Surface() const { return surface_; }
    // Writes the canvas as a PNG file (tools and developer views).
    bool SavePng(const std::filesystem::path& file) const;

private:
    void Release();
    // Nearest-pixel scaling of srcRect onto dst; with honourKey the key-coloured pixels of a
    // transparent source are left out.
    void StretchPixels(const Canvas& src, Rect dst, Rect srcRect, bool honourKey);
    cairo_t* Context();
    // Moves each pixel under the runs of a coverage mask placed at (x, y) toward c by the
    // coverage byte given for it.
    void BlendCoverage(const uint8_t* coverage, int stride, std::span<const CoverageRun> runs, int x, int y, Colour c);

    // A run of a row the flood fill has filled and whose rows above and below are still to look at.
    struct FillRun {
        int y;
        int left;
        int right;
    };

    int width_ = 0;
    int height_ = 0;
    bool transparent_ = false;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    std::vector<FillRun> fillRuns_;
};

using Bitmap = Canvas;

}  // namespace kestrilon
