#include "gfx/text_engine.h"

#include <pango/pangocairo.h>

#include <array>
#include <string>

namespace kestrilon {
namespace {

struct CachedLayout {
    uint64_t hash = 0;
    std::string text;
    Font font;
    PangoLayout* layout = nullptr;
    Size size;
};

constexpr size_t kCacheSize = 1024;

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

bool SameFont(const Font& a, const Font& b) {
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic;
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
    }
    ~TextEngine() {
        for (auto& entry : cache_)
            if (entry.layout) g_object_unref(entry.layout);
        g_object_unref(context_);
    }
    TextEngine(const TextEngine&) = delete;
    TextEngine& operator=(const TextEngine&) = delete;

    const CachedLayout& Get(std::string_view text, const Font& font) {
        const uint64_t hash = Hash(text, font);
        CachedLayout& entry = cache_[hash % kCacheSize];
        if (entry.layout && entry.hash == hash && entry.text == text && SameFont(entry.font, font)) return entry;
        if (!entry.layout) entry.layout = pango_layout_new(context_);
        entry.hash = hash;
        entry.text.assign(text);
        entry.font = font;
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
        entry.size = {logical.width, logical.height};
        return entry;
    }

private:
    PangoContext* context_ = nullptr;
    std::array<CachedLayout, kCacheSize> cache_;
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
    if (text.empty()) return {0, Engine().Get(" ", font).size.height};
    return Engine().Get(text, font).size;
}

void DrawTextLayout(cairo_t* cr, int x, int y, std::string_view text, const Font& font, double r, double g, double b) {
    const CachedLayout& entry = Engine().Get(text, font);
    cairo_save(cr);
    cairo_set_source_rgb(cr, r, g, b);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, entry.layout);
    cairo_restore(cr);
}

}  // namespace kestrilon
