#include "gfx/text_engine.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace kestrilon {
namespace {

// One text in one font: its layout, its extent and, once drawn, the coverage of its ink.
struct CachedText {
    uint64_t hash = 0;
    std::string text;
    std::string fontName;
    int size = 0;
    bool bold = false;
    bool italic = false;
    PangoLayout* layout = nullptr;
    Size extent;
    uint32_t lastUse = 0;
    // Coverage of the ink rectangle, which lies at (inkX, inkY) from the layout's corner.
    bool rasterised = false;
    int inkX = 0;
    int inkY = 0;
    int inkWidth = 0;
    int inkHeight = 0;
    int coverageStride = 0;
    std::vector<uint8_t> coverage;
    std::vector<CoverageRun> runs;

    bool Holds(uint64_t h, std::string_view t, const Font& font) const {
        return layout && hash == h && size == font.size && bold == font.bold && italic == font.italic &&
               text == t && fontName == font.name;
    }
};

// Eight ways a set, the least recently used one giving way: a frame's few hundred texts
// stay put while the wrap measurements of new log lines come and go.
constexpr size_t kSets = 128;
constexpr size_t kWays = 8;
// Room for a wrapped log line, so that replacing a text rarely grows its string.
constexpr size_t kTextRoom = 128;

uint64_t Hash(std::string_view text, const Font& font) {
    uint64_t h = 14695981039346656037ull;
    auto mix = [&h](uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    for (char c : text) mix(static_cast<unsigned char>(c));
    for (char c : font.name) mix(static_cast<unsigned char>(c));
    mix(static_cast<uint64_t>(font.size) * 4 + (font.bold ? 2 : 0) + (font.italic ? 1 : 0));
    return h;
}

class TextEngine {
public:
    TextEngine() {
        context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
        pango_cairo_context_set_resolution(context_, 96.0);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        pango_cairo_context_set_font_options(context_, options);
        cairo_font_options_destroy(options);
        for (auto& set : cache_)
            for (CachedText& entry : set) {
                entry.text.reserve(kTextRoom);
                entry.fontName.reserve(32);
            }
    }
    ~TextEngine() {
        for (auto& set : cache_)
            for (CachedText& entry : set)
                if (entry.layout) g_object_unref(entry.layout);
        g_object_unref(context_);
    }
    TextEngine(const TextEngine&) = delete;
    TextEngine& operator=(const TextEngine&) = delete;

    CachedText& Get(std::string_view text, const Font& font) {
        const uint64_t hash = Hash(text, font);
        auto& set = cache_[hash % kSets];
        ++clock_;
        CachedText* oldest = &set[0];
        for (CachedText& entry : set) {
            if (entry.Holds(hash, text, font)) {
                entry.lastUse = clock_;
                return entry;
            }
            if (entry.lastUse < oldest->lastUse) oldest = &entry;
        }
        Lay(*oldest, hash, text, font);
        oldest->lastUse = clock_;
        return *oldest;
    }

    static void Rasterise(CachedText& entry) {
        entry.rasterised = true;
        PangoRectangle ink;
        pango_layout_get_pixel_extents(entry.layout, &ink, nullptr);
        entry.inkX = ink.x;
        entry.inkY = ink.y;
        entry.inkWidth = std::max(ink.width, 0);
        entry.inkHeight = std::max(ink.height, 0);
        entry.coverage.clear();
        entry.runs.clear();
        if (entry.inkWidth == 0 || entry.inkHeight == 0) return;
        entry.coverageStride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, entry.inkWidth);
        entry.coverage.assign(static_cast<size_t>(entry.coverageStride) * static_cast<size_t>(entry.inkHeight), 0);
        cairo_surface_t* surface = cairo_image_surface_create_for_data(
            entry.coverage.data(), CAIRO_FORMAT_A8, entry.inkWidth, entry.inkHeight, entry.coverageStride);
        cairo_t* cr = cairo_create(surface);
        cairo_move_to(cr, -ink.x, -ink.y);
        pango_cairo_show_layout(cr, entry.layout);
        cairo_destroy(cr);
        cairo_surface_finish(surface);
        cairo_surface_destroy(surface);
        FindRuns(entry);
    }

    // The covered stretches of each row; gaps of a few pixels are bridged, since blending an
    // uncovered pixel changes nothing and longer runs blend faster.
    static void FindRuns(CachedText& entry) {
        constexpr int kBridge = 4;
        entry.runs.clear();
        for (int row = 0; row < entry.inkHeight; ++row) {
            const uint8_t* cover = entry.coverage.data() + static_cast<size_t>(row) * entry.coverageStride;
            int col = 0;
            while (col < entry.inkWidth) {
                while (col < entry.inkWidth && cover[col] == 0) ++col;
                if (col == entry.inkWidth) break;
                const int left = col;
                int end = col;
                int gap = 0;
                for (; col < entry.inkWidth && gap < kBridge; ++col) {
                    if (cover[col] != 0) {
                        end = col + 1;
                        gap = 0;
                    } else {
                        ++gap;
                    }
                }
                entry.runs.push_back({static_cast<uint16_t>(row), static_cast<uint16_t>(left),
                                      static_cast<uint16_t>(end - left)});
                col = end;
            }
        }
    }

private:
    void Lay(CachedText& entry, uint64_t hash, std::string_view text, const Font& font) {
        if (!entry.layout) entry.layout = pango_layout_new(context_);
        entry.hash = hash;
        entry.text.assign(text);
        entry.fontName.assign(font.name);
        entry.size = font.size;
        entry.bold = font.bold;
        entry.italic = font.italic;
        entry.rasterised = false;
        PangoFontDescription* desc = pango_font_description_new();
        const std::string family(FontFamily(font.name));
        pango_font_description_set_family(desc, family.c_str());
        pango_font_description_set_absolute_size(desc, font.size * 96.0 / 72.0 * PANGO_SCALE);
        pango_font_description_set_weight(desc, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_style(desc, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
        pango_layout_set_font_description(entry.layout, desc);
        pango_font_description_free(desc);
        pango_layout_set_text(entry.layout, entry.text.data(), static_cast<int>(entry.text.size()));
        PangoRectangle logical;
        pango_layout_get_pixel_extents(entry.layout, nullptr, &logical);
        entry.extent = {logical.width, logical.height};
    }

    PangoContext* context_ = nullptr;
    std::array<std::array<CachedText, kWays>, kSets> cache_;
    uint32_t clock_ = 0;
};

TextEngine& Engine() {
    static TextEngine engine;
    return engine;
}

}  // namespace

std::string_view FontFamily(std::string_view gameFont) {
    if (gameFont == kGothic) return "IPAPGothic";
    if (gameFont == kMincho) return "IPAPMincho";
    return gameFont;
}

Size MeasureText(std::string_view text, const Font& font) {
    if (text.empty()) return {0, Engine().Get(" ", font).extent.height};
    return Engine().Get(text, font).extent;
}

TextCoverage TextInk(std::string_view text, const Font& font) {
    if (text.empty()) return {};
    CachedText& entry = Engine().Get(text, font);
    if (!entry.rasterised) TextEngine::Rasterise(entry);
    if (entry.coverage.empty()) return {};
    return {entry.coverage.data(), entry.coverageStride, entry.inkX, entry.inkY, entry.runs};
}

}  // namespace kestrilon
