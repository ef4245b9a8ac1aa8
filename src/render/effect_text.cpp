#include <algorithm>
#include <array>

#include "data/card_database.h"
#include "render/colour.h"
#include "render/effect_draw.h"

namespace kestrilon {
namespace {

using enum EffectKind;

constexpr std::string_view kMiss = "M i s s";
constexpr std::string_view kCritical = "CRITICAL!";

Font Gothic(int size, bool italic = false) { return Font{kGothic, size, true, italic}; }

// A black shadow one pixel down and right, then the text.
void Shadowed(Canvas& c, int left, int top, std::string_view text, const Font& font, Colour colour) {
    c.Text(left + 1, top + 1, text, font, 0);
    c.Text(left, top, text, font, colour);
}

// Damage-number colours by half the step: index 0..9, and the last value for anything later.
using FadeTable = std::array<Colour, 11>;
constexpr FadeTable kWhiteNumber{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x55FFFF, 0x00FFFF, 0x00CCFF,
                                 0x0088FF, 0x0055CC, 0x003399, 0x000044, 0x000011};
constexpr FadeTable kRedNumber{0x0000AA, 0x0000AA, 0x0000AA, 0x0000FF, 0x0000DD, 0x0000BB,
                               0x000099, 0x000077, 0x000055, 0x000033, 0x000011};
constexpr FadeTable kMagentaNumber{0xEE00FF, 0xEE00FF, 0xEE00FF, 0xDD00FF, 0xBB00DD, 0x9900BB,
                                   0x770099, 0x550077, 0x330055, 0x220033, 0x000011};

void NumberPopup(const EffectSlot& e, const FadeTable& fade, int size) {
    const Font font = Gothic(size);
    const Size extent = e.cg().TextExtent(e.text(), font);
    const Colour colour = fade[static_cast<size_t>(std::min(e.step / 2, 10))];
    e.cg().Text(e.x() - extent.width / 2, e.y() - e.step / 2 - extent.height / 2, e.text(), font, colour);
    e.EndAt(20);
}

int DamageNumberSize(const Game& g, std::string_view text) {
    const int chars = CharCount(text);
    int size = chars <= 2 ? 7 : chars >= 6 ? 11 : chars + 5;
    if (g.player.largeNumbers != 0 && chars > 3) ++size;
    return size;
}

void DrawRainbowText(const EffectSlot& e) {
    const Font font = Gothic(10);
    const Size extent = e.cg().TextExtent(e.text(), font);
    const int left = e.x() - extent.width / 2;
    const int top = e.y() - extent.height / 2;
    e.cg().Text(left + 1, top + 1, e.text(), font, 0x555555);
    e.cg().Text(left, top, e.text(), font, CodeColour(kRainbowCode, e.step % 12));
    if (e.step >= 34) {
        e.g.effects.text[static_cast<size_t>(e.slot)].clear();
        e.timer() = 0;
    }
}

void DrawTinyText(const EffectSlot& e) {
    static constexpr std::array<Colour, 8> kPale{0xFFFFDD, 0xFFDDBB, 0xDDBB99, 0xBB9977,
                                                 0x997755, 0xBB9977, 0xDDBB99, 0xFFDDBB};
    e.bak().Text(e.x(), e.y(), e.text(), Font{kGothic, 6, false, false}, kPale[static_cast<size_t>(e.step % 8)]);
    e.EndAt(70);
}

void DrawSlidingBackground(const EffectSlot& e) {
    const int t = e.step;
    const int move = t <= 1 ? -40 : t <= 3 ? -30 : t <= 5 ? -20 : t <= 7 ? -10 : t <= 13 ? -5
                   : t <= 16 ? 2 : t <= 18 ? 5 : t <= 21 ? 12 : 22;
    e.y() += move;
    const Bitmap& composed = e.g.layers.LayerTable[kLayerComposed];
    if (!composed.Empty())
        e.bak().Stretch(composed, {e.x() - 150, e.y() - 75, e.x() + 150, e.y() + 75});
    e.EndAt(30);
}

void DrawMulticolourText(const EffectSlot& e) {
    static constexpr std::array<Colour, 10> kCycle{0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000,
                                                   0xFF00FF, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF};
    const Font font = Gothic(13, true);
    const Size extent = e.bak().TextExtent(e.text(), font);
    e.bak().Text(e.x() - extent.width / 2, e.y() - extent.height / 2, e.text(), font,
                 kCycle[static_cast<size_t>(e.step % 10)]);
    e.EndAt(50);
}

void DrawRedCaption(const EffectSlot& e) {
    Colour colour = 0x7070FF;
    if (e.step > 35) colour = 0x5050DD;
    if (e.step > 45) colour = 0x3030BB;
    if (e.step > 55) colour = 0x101099;
    if (e.step > 65) colour = 0x000077;
    if (e.step > 71) colour = 0x000055;
    if (e.step > 77) colour = 0x000033;
    const Font font = Gothic(10);
    Shadowed(e.bak(), e.x() - e.bak().TextWidth(e.text(), font) / 2, e.y(), e.text(), font, colour);
    e.EndAt(82);
}

void DrawLabel(const EffectSlot& e) {
    static constexpr std::array<Colour, 7> kFade{0xBB99DD, 0x9977BB, 0x775599, 0x553377,
                                                 0x331155, 0x110033, 0x110033};
    const Colour colour = e.step <= 35 ? 0xD6ACFF : kFade[static_cast<size_t>(std::min(e.step - 36, 6))];
    const Font font = Gothic(CharCount(e.text()) > 3 ? 8 : 10);
    Shadowed(e.cg(), e.x() - e.cg().TextWidth(e.text(), font) / 2, e.y() + 10, e.text(), font, colour);
    e.EndAt(42);
}

void DrawBlinkingRedCaption(const EffectSlot& e) {
    static constexpr std::array<int, 6> kRed{0xDD, 0xBB, 0x99, 0x77, 0x55, 0x33};
    int red = 0xFF;
    if (e.step > 30) red = kRed[static_cast<size_t>(std::min((e.step - 31) / 9, 5))];
    Colour colour = Rgb(red, 0, 0);
    if (e.step % 2 == 0) colour = ShiftColour(colour, 10);
    const Font font = Gothic(10);
    Shadowed(e.bak(), e.x() - 10 - e.bak().TextWidth(e.text(), font) / 2, e.y(), e.text(), font, colour);
    e.EndAt(82);
}

void DrawElementCaption(const EffectSlot& e) {
    Colour colour = ElementColour(e.g.battle.chainElement);
    if (e.step > 60) colour = ShiftColour(colour, 300 - 5 * e.step);
    const Font font = Gothic(11, true);
    Shadowed(e.bak(), e.x() - 10 - e.bak().TextWidth(e.text(), font) / 2, e.y(), e.text(), font, colour);
    e.EndAt(82);
}

void DrawMiss(const EffectSlot& e) {
    e.y() -= e.bounce;
    const Font font = Gothic(9);
    Shadowed(e.bak(), e.x() + 35 - e.bak().TextWidth(kMiss, font) / 2, e.y() - 20, kMiss, font,
             ShiftColour(0xFF9999, 20 - 10 * e.step));
    e.EndAt(42);
}

void DrawCritical(const EffectSlot& e) {
    e.y() += e.bounce;
    const Font font = Gothic(9, true);
    e.bak().Text(e.x() - 25 - e.bak().TextWidth(kCritical, font) / 2, e.y() - 15, kCritical, font,
                 ShiftColour(0x00DDFF, e.g.looks.Roll(30) - 10 * e.step + 20));
    e.EndAt(22);
}

void NumberLabel(const EffectSlot& e) {
    const Font font = Gothic(CharCount(e.text()) > 3 ? 8 : 13);
    const int left = e.x() - e.cg().TextWidth(e.text(), font) / 2;
    e.cg().Text(left + 2, e.y() - 8, e.text(), font, 0);
    e.cg().Text(left, e.y() - 10, e.text(), font, 0xE0FE6B);
    e.EndAt(30);
}

void FloatingText(const EffectSlot& e) {
    const Font font = Gothic(10);
    const int top = e.y() - e.step;
    e.cg().Text(e.x() + 1, top + 1, e.text(), font, 0x555555);
    // A rising text's kind number is the log colour code whose palette it blinks in.
    e.cg().Text(e.x(), top, e.text(), font, CodeColour(KindCode(e.kind()), e.step));
    if (top < -9) e.timer() = 0;
}

}  // namespace

// Big Mincho captions: the size starts at param1 and shrinks until the text fits the screen;
// the fitted size is kept so later frames measure once.
void DrawBigCaption(const EffectSlot& e, Colour base, int fadePerStep) {
    if (e.step == 2) {
        e.param1() = 80;
        e.param2() = 15;
    }
    Font font{kMincho, std::max(e.param1(), 1), true, false};
    Size extent = e.bak().TextExtent(e.text(), font);
    while (extent.width > kScreenWidth && font.size > 1) {
        --font.size;
        extent = e.bak().TextExtent(e.text(), font);
    }
    e.param1() = font.size;
    e.bak().Text(400 - extent.width / 2, e.y() - extent.height / 2, e.text(), font,
                 ShiftColour(base, -fadePerStep * e.step));
    e.EndAt(35);
}

bool IsFixedKind(EffectKind kind) {
    return (kind >= DamageNumber && kind <= RainbowText) || (kind >= MagentaNumber && kind <= MulticolourText) ||
           kind == RedCaption || kind == Label || (kind >= BlinkingRedCaption && kind <= Miss) || kind == Critical ||
           (kind >= MintNumber && kind <= MintNumber4) || (kind >= WeaknessLabel && kind <= Label4) ||
           (kind >= RisingGreenText && kind <= RisingRainbowText) || kind == WhiteBigCaption;
}

bool DrawFixedKind(const EffectSlot& e) {
    const EffectKind kind = e.kind();
    if (kind >= MintNumber && kind <= MintNumber4) {
        NumberLabel(e);
        return true;
    }
    // The resistance and weakness labels read like the plain label.
    if ((kind >= WeaknessLabel && kind <= Label4) || kind == Label) {
        DrawLabel(e);
        return true;
    }
    if (kind >= RisingGreenText && kind <= RisingRainbowText) {
        FloatingText(e);
        return true;
    }
    switch (kind) {
        case DamageNumber: NumberPopup(e, kWhiteNumber, DamageNumberSize(e.g, e.text())); return true;
        case RedNumber: NumberPopup(e, kRedNumber, 8); return true;
        case RainbowText: DrawRainbowText(e); return true;
        case MagentaNumber: NumberPopup(e, kMagentaNumber, 8); return true;
        case TinyText: DrawTinyText(e); return true;
        case SlidingBackground: DrawSlidingBackground(e); return true;
        case MulticolourText: DrawMulticolourText(e); return true;
        case RedCaption: DrawRedCaption(e); return true;
        case BlinkingRedCaption: DrawBlinkingRedCaption(e); return true;
        case ElementCaption: DrawElementCaption(e); return true;
        case Miss: DrawMiss(e); return true;
        case Critical: DrawCritical(e); return true;
        case WhiteBigCaption: DrawBigCaption(e, 0xFFFFFF, 7); return true;
        default: return false;
    }
}

}  // namespace kestrilon
