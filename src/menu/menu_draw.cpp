#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "data/card_database.h"
#include "data/stats.h"
#include "menu/menu.h"
#include "render/colour.h"
#include "render/pictures.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kFramePen = 0x808080;
constexpr Colour kGreyCaption = 0x666666;
constexpr std::array<Colour, 8> kHoverPulse = {0x555555, 0x444444, 0x333333, 0x222222,
                                               0x000000, 0x222222, 0x333333, 0x444444};
constexpr std::array<Colour, 4> kEmphasis = {kWhite, 0x998833, 0x993388, 0x998877};
constexpr std::string_view kCancelPrefix = "右Click>";
constexpr Font kCancelFont{.size = 8};

Font Sized(int size) { return Font{.size = size}; }

bool Placed(const Game& g, const tmenu& item) {
    return item.visible == 1 && item.screen == g.screen.GameScene && !item.caption.empty();
}

// Right edge included, bottom edge excluded, as the hover has always tested it.
bool Inside(const tmenu& item, int x, int y) {
    return x >= item.curX && x <= item.curX + item.width && y >= item.curY && y < item.curY + item.height;
}

Colour HoverColour(const Game& g) { return kHoverPulse[static_cast<size_t>(g.frame.FrameTick % 8)]; }

int SlideStep(int from, int to, int s) {
    const int d = to - from;
    if (d == 0) return from;
    const int step = std::abs(d) / s + 1;
    return d > 0 ? from + step : from - step;
}

void Slide(tmenu& item, int index, Screen screen) {
    const int s = index == kHandItemFirst + 7 ? 8 : screen == Screen::DungeonHand ? 4 : 2;
    item.curX = SlideStep(item.curX, item.x, s);
    item.curY = SlideStep(item.curY, item.y, s);
}

// Nested one-pixel rectangles: a frame `thickness` pixels wide, `inset` pixels inside the button.
void InnerFrame(Bitmap& on, const tmenu& item, int inset, int thickness, Colour c) {
    for (int i = 0; i < thickness; ++i) {
        const int d = inset + i;
        on.Rectangle({item.curX + d, item.curY + d, item.curX + item.width - d, item.curY + item.height - d}, c);
    }
}

void CentredText(Bitmap& cg, const tmenu& item, int y, std::string_view text, const Font& font, Colour c) {
    if (text.empty()) return;
    const int w = cg.TextWidth(text, font);
    cg.Text(item.curX + (item.width - w) / 2, y, text, font, c);
}

void DrawCardPicture(Game& g, const tmenu& item, const titem& card) {
    Bitmap& cg = g.layers.cg;
    if (!card.image.empty()) {
        const Bitmap& face = ThumbCacheGet(g, card.image);
        cg.Copy(face, item.curX + 1, item.curY + 1, std::min(face.Width(), item.width - 2),
                std::min(face.Height(), item.height - 2));
    }
    if (item.unaffordable == 0) return;
    for (int x = item.curX; x < item.curX + item.width; x += 2) cg.Line(x, item.curY, x, item.curY + item.height, 0);
    for (int y = item.curY; y < item.curY + item.height; y += 2) cg.Line(item.curX, y, item.curX + item.width, y, 0);
}

// A card drawn into a hand slot glows, fading as the slot's counter runs down.
void DrawNewCardGlow(Game& g, const tmenu& item, int index) {
    const int slot = index - kHandItemFirst;
    if (slot < 0 || slot >= kHandSlots) return;
    const bool fight = g.battle.battleOn >= 1;
    int32_t& glow = (fight ? g.books.battleHand : g.books.dungeonHand)[static_cast<size_t>(slot)].glow;
    if (glow <= 0) return;
    --glow;
    InnerFrame(g.layers.bak, item, 2, 3, ShiftColour(fight ? 0x221100 : 0x002200, 4 * glow));
}

void DrawCardMarks(Game& g, const tmenu& item, const titem& card) {
    Bitmap& cg = g.layers.cg;
    int64_t star = -1;
    if (card.material >= 1) star = 0x003366;
    if (card.isUltraRare >= 1) star = 0x885500;
    if (card.isRare >= 1) star = 0x666666;
    if (card.isTreasure >= 1) star = 0x000099;
    if (card.isSecret >= 1) star = 0x009999;
    if (card.isPaid >= 1) star = 0x990099;
    if (card.isCalling >= 1) star = 0x559900;
    if (card.isLure >= 1) star = 0x995555;
    if (star >= 0) cg.Text(item.curX + 6, item.curY + 7, "★", Sized(12), static_cast<Colour>(star));
    if (card.element > 0)
        cg.Text(item.curX + item.width - 16, item.curY + item.height - 16, "◆", Sized(9),
                ShiftColour(ElementColour(card.element), -50));
}

void DrawHandTexts(Game& g, const tmenu& item, const titem& card) {
    Bitmap& cg = g.layers.cg;
    std::string_view tag;
    Colour tagColour = 0xBBBBBB;
    if (card.isAbility >= 1) tag = "<Ability>";
    if (card.isGun >= 1) {
        tag = "<銃>";
        tagColour = 0x44AA44;
    } else if (card.isBow >= 1) {
        tag = "<弓>";
        tagColour = 0x4499AA;
    }
    const Font small = Sized(8);
    if (!tag.empty()) {
        const int w = cg.TextWidth(tag, small);
        const int x = item.rightAlign == 1 ? item.curX + item.width - 8 - w : item.curX + (item.width - w) / 2;
        cg.Text(x, item.curY + 10, tag, small, tagColour);
    }
    std::string& mp = g.menus.textBuffer;
    std::string& tp = g.menus.textBuffer2;
    mp = "MP -";
    AppendInt(mp, card.mpCost);
    tp = " TP -";
    AppendInt(tp, card.tpCost);
    const int mpWidth = cg.TextWidth(mp, small);
    const int x = item.curX + (item.width - mpWidth - cg.TextWidth(tp, small)) / 2;
    const int y = item.curY + item.height / 2 + 20;
    cg.Text(x, y, mp, small, 0x9933CC);
    cg.Text(x + mpWidth, y, tp, small, 0x88CC33);
}

void DrawDiscardCost(Game& g, const tmenu& item) {
    const int cost = DiscardHungerCost(g);
    std::string& text = g.menus.textBuffer;
    text = "捨てる > お腹 -";
    AppendInt(text, cost);
    CentredText(g.layers.cg, item, item.curY + item.height / 2 + 35, text, Sized(9), 0x4422BB);
}

void DrawCaption(Game& g, const tmenu& item) {
    Bitmap& cg = g.layers.cg;
    Colour colour = kEmphasis[static_cast<size_t>(std::clamp(item.emphasis, 0, 3))];
    if (item.disabled == 1 || item.unaffordable == 1) colour = kGreyCaption;
    Font font{.size = 12, .bold = true};
    Size size = cg.TextExtent(item.caption, font);
    while (size.width >= item.width && font.size > 8) {
        --font.size;
        size = cg.TextExtent(item.caption, font);
    }
    const int x = item.rightAlign == 1 ? item.curX + item.width - 8 - size.width : item.curX + (item.width - size.width) / 2;
    cg.Text(x, item.curY + (item.height - size.height) / 2, item.caption, font, colour);
}

void DrawItem(Game& g, int index) {
    tmenu& item = g.menus.items[static_cast<size_t>(index)];
    Bitmap& cg = g.layers.cg;
    const Screen screen = g.screen.Current();
    const bool hand = screen == Screen::DungeonHand;
    Slide(item, index, screen);
    cg.Rectangle({item.curX, item.curY, item.curX + item.width, item.curY + item.height}, kFramePen, 1, 0);

    const bool hasCard = item.card > 0 && CardDatabase::ValidId(item.card) && g.cards[item.card].Exists();
    const titem* card = hasCard ? &g.cards[item.card] : nullptr;
    if (hand && g.menus.cardPictures && card) DrawCardPicture(g, item, *card);

    if (Inside(item, g.input.ClickX, g.input.ClickY)) {
        g.menus.hovered = index;
        InnerFrame(g.layers.bak, item, 1, 3, HoverColour(g));
    }
    if (hand) DrawNewCardGlow(g, item, index);
    if (hand && card) DrawCardMarks(g, item, *card);
    if ((hand || screen == Screen::WalkMenu || screen == Screen::FightMenu) && card) DrawHandTexts(g, item, *card);
    if (screen == Screen::WalkMenu && card) DrawDiscardCost(g, item);

    const int middle = item.curY + item.height / 2;
    CentredText(cg, item, middle + 20, item.description2, Sized(9), 0xDDDDDD);
    CentredText(cg, item, middle - 35, item.description1, Sized(8), 0xBBBBBB);
    CentredText(cg, item, middle + 35, item.rightText, Sized(9), 0xBBAACC);
    if (screen == Screen::TargetChoice && item.number > 0) {
        std::string& number = g.menus.textBuffer;
        number = "No.";
        AppendInt(number, item.number);
        cg.Text(item.curX + 8, item.curY + 10, number, Sized(9), kWhite);
    }
    DrawCaption(g, item);
}

void DrawCancelLabel(Game& g) {
    const int cancel = g.menus.cancelItem;
    if (cancel < 0 || !Placed(g, g.menus.items[static_cast<size_t>(cancel)])) return;
    const CancelLabel r = CancelLabelRect(g);
    // A button under the pointer has it; the label lies over the buttons' lower edge.
    const bool over = g.menus.hovered < 0 && r.Contains(g.input.ClickX, g.input.ClickY);
    const Colour colour = g.screen.Current() == Screen::DungeonHand ? 0x666666 : 0x888888;
    std::string& label = g.menus.textBuffer;
    label = kCancelPrefix;
    label += g.menus.items[static_cast<size_t>(cancel)].caption;
    g.layers.cg.Text(r.left, r.top, label, kCancelFont, colour, over ? HoverColour(g) : 0);
}

}  // namespace

CancelLabel CancelLabelRect(const Game& g) {
    const int cancel = g.menus.cancelItem;
    if (cancel < 0) return {};
    const tmenu& item = g.menus.items[static_cast<size_t>(cancel)];
    if (!Placed(g, item)) return {};
    std::string& label = g.menus.textBuffer;
    label = kCancelPrefix;
    label += item.caption;
    const Size size = g.layers.cg.TextExtent(label, kCancelFont);
    const bool hand = g.screen.Current() == Screen::DungeonHand;
    const int left = hand ? 450 : 798 - size.width;
    const int top = hand ? 385 : 585;
    return {left, top, left + size.width, top + size.height};
}

int MenuItemAt(const Game& g, int x, int y) {
    int found = -1;
    for (int i = 0; i < kMenuItems; ++i) {
        const tmenu& item = g.menus.items[static_cast<size_t>(i)];
        if (Placed(g, item) && Inside(item, x, y)) found = i;
    }
    return found;
}

void MenuLeftClick(Game& g) {
    const int x = g.input.ClickX;
    const int y = g.input.ClickY;
    // The label lies over the lower edge of the buttons; it takes only the clicks that
    // miss them.
    const int item = MenuItemAt(g, x, y);
    if (item >= 0) {
        // A greyed hand card still takes the click: a second one soon after throws it away.
        const bool handCard = g.screen.Current() == Screen::DungeonHand && item >= kHandItemFirst &&
                              item < kHandItemFirst + kHandSlots;
        if (handCard || g.menus.items[static_cast<size_t>(item)].disabled != 1) RunItem(g, item);
        return;
    }
    if (CancelLabelRect(g).Contains(x, y)) RunItem(g, g.menus.cancelItem);
}

void DrawMenus(Game& g) {
    MenuTable& m = g.menus;
    if (m.titleItem >= 0 && m.titleItem < kMenuItems) {
        const std::string& caption = m.items[static_cast<size_t>(m.titleItem)].caption;
        if (!caption.empty()) {
            std::string& title = m.textBuffer;
            title = "―< ";
            title += caption;
            title += " >―";
            g.layers.cg.Text(440, 4, title, Sized(10), 0xFF00FF);
        }
    }
    if (m.handClickWindow > 0) --m.handClickWindow;
    m.hovered = -1;
    for (int i = 0; i < kMenuItems; ++i)
        if (Placed(g, m.items[static_cast<size_t>(i)])) DrawItem(g, i);
    DrawCancelLabel(g);
}

}  // namespace kestrilon
