#include "gfx/canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "gfx/image_file.h"
#include "gfx/text_engine.h"

namespace kestrilon {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t ToPixel(Colour c) {
    return kOpaque | (static_cast<uint32_t>(RedOf(c)) << 16) | (static_cast<uint32_t>(GreenOf(c)) << 8) |
           static_cast<uint32_t>(BlueOf(c));
}

Colour FromPixel(uint32_t p) { return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

void SetSource(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0);
}

// Clips a copy of w x h pixels from (sx, sy) in a source of sw x sh to (dx, dy) in a
// destination of dw x dh. Returns false when nothing is left.
bool ClipCopy(int& dx, int& dy, int& w, int& h, int& sx, int& sy, int sw, int sh, int dw, int dh) {
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, sw - sx, dw - dx});
    h = std::min({h, sh - sy, dh - dy});
    return w > 0 && h > 0;
}

}  // namespace

Canvas::Canvas() = default;

Canvas::Canvas(int width, int height) { Resize(width, height); }

Canvas::~Canvas() { Release(); }

Canvas::Canvas(Canvas&& other) noexcept { *this = std::move(other); }

Canvas& Canvas::operator=(Canvas&& other) noexcept {
    if (this != &other) {
        Release();
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        transparent_ = std::exchange(other.transparent_, false);
        surface_ = std::exchange(other.surface_, nullptr);
        cr_ = std::exchange(other.cr_, nullptr);
        fillRuns_ = std::move(other.fillRuns_);
    }
    return *this;
}

void Canvas::Release() {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
    cr_ = nullptr;
    surface_ = nullptr;
    width_ = height_ = 0;
}

void Canvas::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (surface_ && width == width_ && height == height_) {
        Clear(0);
        return;
    }
    const bool keepTransparent = transparent_;
    Release();
    transparent_ = keepTransparent;
    if (width == 0 || height == 0) return;
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    width_ = width;
    height_ = height;
    Clear(0);
}

cairo_t* Canvas::Context() {
    if (!cr_ && surface_) {
        cr_ = cairo_create(surface_);
        cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    }
    return cr_;
}

const uint32_t* Canvas::Data() const {
    if (!surface_) return nullptr;
    cairo_surface_flush(surface_);
    return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface_));
}

uint32_t* Canvas::Data() {
    if (!surface_) return nullptr;
    cairo_surface_flush(surface_);
    cairo_surface_mark_dirty(surface_);
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_));
}

int Canvas::Stride() const { return surface_ ? cairo_image_surface_get_stride(surface_) / 4 : 0; }

bool Canvas::LoadFile(const std::filesystem::path& file) {
    DecodedImage image;
    if (!DecodeImageFile(file, image)) return false;
    Resize(image.width, image.height);
    if (Empty()) return false;
    uint32_t* dst = Data();
    const int stride = Stride();
    for (int y = 0; y < height_; ++y) {
        std::memcpy(dst + static_cast<size_t>(y) * stride, image.pixels.data() + static_cast<size_t>(y) * width_,
                    static_cast<size_t>(width_) * 4);
    }
    return true;
}

void Canvas::SetTransparent(bool on) { transparent_ = on; }

Colour Canvas::KeyColour() const { return Empty() ? 0 : Pixel(0, height_ - 1); }

Colour Canvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return FromPixel(Data()[static_cast<size_t>(y) * Stride() + x]);
}

void Canvas::SetPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Data()[static_cast<size_t>(y) * Stride() + x] = ToPixel(c);
}

void Canvas::Fill(Rect r, Colour c) {
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, width_);
    r.bottom = std::min(r.bottom, height_);
    if (r.left >= r.right || r.top >= r.bottom) return;
    uint32_t* data = Data();
    const int stride = Stride();
    const uint32_t p = ToPixel(c);
    for (int y = r.top; y < r.bottom; ++y) {
        std::fill_n(data + static_cast<size_t>(y) * stride + r.left, r.right - r.left, p);
    }
}

void Canvas::Copy(const Canvas& src, int dx, int dy, int w, int h, int sx, int sy) {
    if (src.Empty() || Empty()) return;
    if (!ClipCopy(dx, dy, w, h, sx, sy, src.width_, src.height_, width_, height_)) return;
    const uint32_t* from = src.Data();
    const int fromStride = src.Stride();
    uint32_t* to = Data();
    const int toStride = Stride();
    if (&src == this) {
        // Overlapping self-copy (the screen shake): rows in the order that reads each before it is overwritten.
        for (int i = 0; i < h; ++i) {
            const int y = dy > sy ? h - 1 - i : i;
            std::memmove(to + static_cast<size_t>(dy + y) * toStride + dx,
                         from + static_cast<size_t>(sy + y) * fromStride + sx, static_cast<size_t>(w) * 4);
        }
        return;
    }
    for (int y = 0; y < h; ++y)
        std::memcpy(to + static_cast<size_t>(dy + y) * toStride + dx, from + static_cast<size_t>(sy + y) * fromStride + sx,
                    static_cast<size_t>(w) * 4);
}

void Canvas::Draw(const Canvas& src, int dx, int dy) {
    if (!src.transparent_) {
        Copy(src, dx, dy, src.width_, src.height_);
        return;
    }
    int w = src.width_, h = src.height_, sx = 0, sy = 0;
    if (src.Empty() || Empty() || !ClipCopy(dx, dy, w, h, sx, sy, src.width_, src.height_, width_, height_)) return;
    const uint32_t* from = src.Data();
    const int fromStride = src.Stride();
    uint32_t* to = Data();
    const int toStride = Stride();
    const uint32_t key = ToPixel(src.KeyColour());
    for (int y = 0; y < h; ++y) {
        const uint32_t* s = from + static_cast<size_t>(sy + y) * fromStride + sx;
        uint32_t* d = to + static_cast<size_t>(dy + y) * toStride + dx;
        for (int x = 0; x < w; ++x)
            if (s[x] != key) d[x] = s[x];
    }
}

void Canvas::StretchPixels(const Canvas& src, Rect dst, Rect srcRect, bool honourKey) {
    if (src.Empty() || Empty() || &src == this || dst.Width() <= 0 || dst.Height() <= 0 || srcRect.Width() <= 0 ||
        srcRect.Height() <= 0)
        return;
    const uint32_t* from = src.Data();
    const int fromStride = src.Stride();
    uint32_t* to = Data();
    const int toStride = Stride();
    const bool keyed = honourKey && src.transparent_;
    const uint32_t key = ToPixel(src.KeyColour());
    const int x0 = std::max(dst.left, 0), x1 = std::min(dst.right, width_);
    const int y0 = std::max(dst.top, 0), y1 = std::min(dst.bottom, height_);
    for (int y = y0; y < y1; ++y) {
        const int sy = srcRect.top + static_cast<int>(static_cast<int64_t>(y - dst.top) * srcRect.Height() / dst.Height());
        if (sy < 0 || sy >= src.height_) continue;
        const uint32_t* s = from + static_cast<size_t>(sy) * fromStride;
        uint32_t* d = to + static_cast<size_t>(y) * toStride;
        for (int x = x0; x < x1; ++x) {
            const int sx = srcRect.left + static_cast<int>(static_cast<int64_t>(x - dst.left) * srcRect.Width() / dst.Width());
            if (sx < 0 || sx >= src.width_) continue;
            if (!keyed || s[sx] != key) d[x] = s[sx];
        }
    }
}

void Canvas::Stretch(const Canvas& src, Rect dst, Rect srcRect) {
    StretchPixels(src, dst, srcRect, true);
}

void Canvas::StretchCopy(const Canvas& src, Rect dst) {
    StretchPixels(src, dst, {0, 0, src.Width(), src.Height()}, false);
}

void Canvas::OrCombine(const Canvas& src, int dx, int dy, int w, int h, int sx, int sy) {
    if (src.Empty() || Empty() || &src == this) return;
    if (!ClipCopy(dx, dy, w, h, sx, sy, src.width_, src.height_, width_, height_)) return;
    const uint32_t* from = src.Data();
    const int fromStride = src.Stride();
    uint32_t* to = Data();
    const int toStride = Stride();
    const bool keyed = src.transparent_;
    const uint32_t key = ToPixel(src.KeyColour());
    for (int y = 0; y < h; ++y) {
        const uint32_t* s = from + static_cast<size_t>(sy + y) * fromStride + sx;
        uint32_t* d = to + static_cast<size_t>(dy + y) * toStride + dx;
        if (keyed) {
            for (int x = 0; x < w; ++x)
                if (s[x] != key) d[x] |= s[x];
        } else {
            for (int x = 0; x < w; ++x) d[x] |= s[x];
        }
    }
}

void Canvas::Line(int x1, int y1, int x2, int y2, Colour c, int penWidth) {
    const Point points[] = {{x1, y1}, {x2, y2}};
    Polyline(points, c, penWidth);
}

void Canvas::Polyline(std::span<const Point> points, Colour c, int penWidth) {
    cairo_t* cr = Context();
    if (!cr || points.size() < 2) return;
    penWidth = std::max(penWidth, 1);
    // Odd pen widths sit on pixel centres, as the pixels of a one-pixel line do.
    const double offset = (penWidth % 2) ? 0.5 : 0.0;
    cairo_new_path(cr);
    cairo_move_to(cr, points[0].x + offset, points[0].y + offset);
    for (size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].x + offset, points[i].y + offset);
    cairo_set_line_width(cr, penWidth);
    cairo_set_line_cap(cr, penWidth > 1 ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetSource(cr, c);
    cairo_stroke(cr);
}

void Canvas::Ellipse(Rect r, Colour pen, int penWidth, int64_t brush) {
    cairo_t* cr = Context();
    if (!cr || r.Width() <= 0 || r.Height() <= 0) return;
    const double w = r.Width(), h = r.Height();
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, r.left + w / 2.0, r.top + h / 2.0);
    cairo_scale(cr, w / 2.0, h / 2.0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979);
    cairo_restore(cr);
    if (brush >= 0) {
        SetSource(cr, static_cast<Colour>(brush));
        cairo_fill_preserve(cr);
    }
    if (penWidth > 0) {
        cairo_set_line_width(cr, penWidth);
        SetSource(cr, pen);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

void Canvas::Rectangle(Rect r, Colour pen, int penWidth, int64_t brush) {
    if (r.Width() <= 0 || r.Height() <= 0 || Empty()) return;
    if (brush >= 0) Fill(r, static_cast<Colour>(brush));
    if (penWidth <= 0) return;
    const int pw = std::min({penWidth, r.Width(), r.Height()});
    Fill({r.left, r.top, r.right, r.top + pw}, pen);
    Fill({r.left, r.bottom - pw, r.right, r.bottom}, pen);
    Fill({r.left, r.top, r.left + pw, r.bottom}, pen);
    Fill({r.right - pw, r.top, r.right, r.bottom}, pen);
}

void Canvas::FloodFill(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint32_t* data = Data();
    const int stride = Stride();
    const uint32_t target = data[static_cast<size_t>(y) * stride + x];
    const uint32_t fill = ToPixel(c);
    if (target == fill) return;
    // A run is filled as soon as it is found, whole, so the runs found in one row are kept apart
    // by pixels of other colours: no row yields more than (width + 1) / 2 of them.
    const size_t capacity = static_cast<size_t>(height_) * static_cast<size_t>((width_ + 1) / 2);
    if (fillRuns_.size() < capacity) fillRuns_.resize(capacity);
    size_t pending = 0;
    auto claim = [&](int row, int from) {
        uint32_t* pixels = data + static_cast<size_t>(row) * stride;
        int left = from, right = from;
        while (left > 0 && pixels[left - 1] == target) --left;
        while (right < width_ - 1 && pixels[right + 1] == target) ++right;
        std::fill(pixels + left, pixels + right + 1, fill);
        fillRuns_[pending++] = {row, left, right};
        return right;
    };
    claim(y, x);
    while (pending > 0) {
        const FillRun run = fillRuns_[--pending];
        for (const int row : {run.y - 1, run.y + 1}) {
            if (row < 0 || row >= height_) continue;
            const uint32_t* pixels = data + static_cast<size_t>(row) * stride;
            for (int i = run.left; i <= run.right; ++i)
                if (pixels[i] == target) i = claim(row, i);
        }
    }
}

void Canvas::Text(int x, int y, std::string_view text, const Font& font, Colour c, int64_t background) {
    if (Empty() || text.empty()) return;
    if (background >= 0) {
        const Size size = TextExtent(text, font);
        Fill({x, y, x + size.width, y + size.height}, static_cast<Colour>(background));
    }
    const TextCoverage ink = TextInk(text, font);
    BlendCoverage(ink.data, ink.stride, ink.runs, x + ink.x, y + ink.y, c);
}

void Canvas::BlendCoverage(const uint8_t* coverage, int stride, std::span<const CoverageRun> runs, int x, int y,
                           Colour c) {
    if (!coverage || Empty()) return;
    uint32_t* data = Data();
    const int pixelStride = Stride();
    // Red and blue travel together in two 16-bit lanes of one word, green on its own: every
    // product stays below 255 * 255, so the lanes never carry into each other.
    const uint32_t pen = ToPixel(c);
    const uint32_t penRedBlue = pen & 0x00FF00FFu;
    const uint32_t penGreen = (pen >> 8) & 0xFFu;
    for (const CoverageRun& run : runs) {
        const int row = y + run.row;
        if (row < 0 || row >= height_) continue;
        const int x0 = std::max(x + run.left, 0);
        const int x1 = std::min(x + run.left + run.length, width_);
        const uint8_t* cover = coverage + static_cast<size_t>(run.row) * stride + (x0 - x);
        uint32_t* out = data + static_cast<size_t>(row) * pixelStride + x0;
        // Each channel moves toward the colour by the coverage, as Cairo's OVER draws onto an
        // opaque surface, rounded to the nearest: (v + 127) / 255 taken as (v' + (v' >> 8)) >> 8
        // with v' = v + 128.
        for (int i = 0; i < x1 - x0; ++i) {
            const uint32_t a = cover[i];
            const uint32_t keep = 255 - a;
            const uint32_t p = out[i];
            uint32_t redBlue = penRedBlue * a + (p & 0x00FF00FFu) * keep + 0x00800080u;
            redBlue = ((redBlue + ((redBlue >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
            uint32_t green = penGreen * a + ((p >> 8) & 0xFFu) * keep + 0x80u;
            green = (green + (green >> 8)) >> 8;
            out[i] = kOpaque | redBlue | (green << 8);
        }
    }
}

Size Canvas::TextExtent(std::string_view text, const Font& font) const { return MeasureText(text, font); }

bool Canvas::SavePng(const std::filesystem::path& file) const {
    if (!surface_) return false;
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, file.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace kestrilon
