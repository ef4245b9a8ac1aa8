// Drawing the open card list and the information panel of a card, every frame; the texts
// are composed in the menu's kept buffers so that a frame allocates nothing.
#include <algorithm>
#include <string>

#include "books/card_list.h"
#include "data/card_database.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr Colour kPanelPen = 0x808080;
constexpr Colour kDungeonName = 0x66CC66;
constexpr Colour kBattleName = 0xCC9966;
constexpr Colour kDim = 0x555555;
constexpr Colour kCount = 0x999999;
constexpr Colour kArrow = 0xDDDDDD;
constexpr Rect kListPanel{kListLeft, kListTop - 2, kScreenWidth, kListArrowY + 2 * kListRowHeight + 2};
constexpr Rect kInfoPanel{4, 236, 496, 420};

Font Sized(int size, bool bold = true) { return Font{.size = size, .bold = bold}; }

bool Within(Rect r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// What a row shows at its right: the book and owned counts while editing, else the price
// the screen asks.
void RowCost(const Game& g, const titem& c, int id, std::string& out) {
    const PlayerState& p = g.player;
    out.clear();
    switch (static_cast<ListKind>(g.menus.choices.kind)) {
    case ListKind::DungeonBook:
    case ListKind::BattleBook:
        AppendInt(out, p.BookContents[static_cast<size_t>(id)]);
        out += "/";
        AppendInt(out, p.CardCollection[static_cast<size_t>(id)]);
        break;
    case ListKind::Shop:
    case ListKind::Synthesis:
        out += "￥";
        AppendInt(out, c.price);
        break;
    case ListKind::Altar:
        AppendInt(out, c.arkCost);
        out += "ark";
        break;
    }
}

void DrawRows(Game& g) {
    Bitmap& cg = g.layers.cg;
    const ChoiceList& list = g.menus.choices;
    const int hover = CardListRowAt(g, g.input.ClickX, g.input.ClickY);
    for (int r = 0; r < list.rows; ++r) {
        const int id = list.cards[static_cast<size_t>(r)];
        const titem& c = g.cards[id];
        const int y = kListTop + kListRowHeight * r;
        if (id == list.selected) cg.Fill({kListLeft + 1, y, kScreenWidth - 1, y + kListRowHeight}, 0x443322);
        else if (id == hover) cg.Fill({kListLeft + 1, y, kScreenWidth - 1, y + kListRowHeight}, 0x222222);
        cg.Copy(PictureCacheGet(g, CardFramePicture(g, id)), kListLeft + 3, y + 2, 14, 14);
        const Colour name = c.kind == 1 ? kDungeonName : kBattleName;
        std::string& text = g.menus.textBuffer;
        text = c.name;
        for (int i = 0; i < g.player.CardLevel[static_cast<size_t>(id)] && i < 10; ++i) text += "☆";
        cg.Text(kListLeft + 20, y + 2, text, Sized(10), c.isAbility >= 1 ? 0xCC88CC : name);
        RowCost(g, c, id, g.menus.textBuffer2);
        const int w = cg.TextWidth(g.menus.textBuffer2, Sized(9, false));
        cg.Text(kScreenWidth - 6 - w, y + 3, g.menus.textBuffer2, Sized(9, false), kCount);
    }
}

void DrawArrow(Game& g, Rect r, std::string_view caption) {
    if (r.Width() <= 0) return;
    Bitmap& cg = g.layers.cg;
    const bool over = Within(r, g.input.ClickX, g.input.ClickY);
    cg.Rectangle(r, kPanelPen, 1, over ? 0x333333 : 0x000000);
    cg.Text(r.left + 4, r.top + 3, caption, Sized(9), kArrow);
}

void DrawSums(Game& g) {
    const ChoiceList& list = g.menus.choices;
    std::string& text = g.menus.textBuffer;
    text = "全";
    AppendInt(text, list.listed);
    if (list.kind == 1 || list.kind == 2) {
        text += "件　所持 ";
        AppendInt(text, list.ownedSum);
        text += "　ブック ";
        AppendInt(text, list.bookSum);
    } else {
        text += "件";
    }
    g.layers.cg.Text(kListLeft + 6, kListArrowY + kListRowHeight + 2, text, Sized(9, false), kCount);
}

}  // namespace

void DrawCardList(Game& g) {
    ChoiceList& list = g.menus.choices;
    if (list.kind == 0) return;
    g.layers.cg.Rectangle(kListPanel, kPanelPen, 1, 0x000000);
    DrawRows(g);
    DrawArrow(g, PreviousArrowRect(g), kPreviousArrow);
    DrawArrow(g, NextArrowRect(g), kNextArrow);
    DrawSums(g);
    const int pointed = CardListRowAt(g, g.input.ClickX, g.input.ClickY);
    DrawCardInfoPanel(g, pointed > 0 ? pointed : list.selected);
}

void DrawCardInfoPanel(Game& g, int id) {
    if (id <= 0 || !CardDatabase::ValidId(id) || !g.cards[id].Exists()) return;
    Bitmap& cg = g.layers.cg;
    const titem& c = g.cards[id];
    const PlayerState& p = g.player;
    const Rect r = kInfoPanel;
    cg.Rectangle(r, kPanelPen, 1, 0x000000);
    std::string& text = g.menus.textBuffer;
    const int x = r.left + 6;

    text = "◆";
    text += c.name;
    for (int i = 0; i < p.CardLevel[static_cast<size_t>(id)] && i < 10; ++i) text += "☆";
    cg.Text(x, r.top + 4, text, Sized(12), c.kind == 1 ? kDungeonName : kBattleName);

    text = "■ブック ";
    AppendInt(text, p.BookContents[static_cast<size_t>(id)]);
    text += "枚 /　";
    AppendInt(text, c.maxCopies);
    text += "　所持 ";
    AppendInt(text, p.CardCollection[static_cast<size_t>(id)]);
    cg.Text(x, r.top + 26, text, Sized(10), 0xDDDDDD);

    text = "要MP ";
    AppendInt(text, c.mpCost);
    cg.Text(x, r.top + 44, text, Sized(10), c.mpCost == 0 ? kDim : 0xCC3399);
    text = "要TP ";
    AppendInt(text, c.tpCost);
    cg.Text(x + 80, r.top + 44, text, Sized(10), c.tpCost == 0 ? kDim : 0x33CC88);
    std::string_view needs;
    if (c.isArrow >= 1) needs = "要<弓>";
    if (c.isBow >= 1) needs = "要<矢>";
    if (c.isBullet >= 1) needs = "要<銃>";
    if (!needs.empty()) cg.Text(x + 160, r.top + 44, needs, Sized(10), 0xAA9944);

    text = "<";
    text += RarityLabel(c);
    text += ">";
    cg.Text(x, r.top + 62, text, Sized(10), RarityColour(c));
    const int w = cg.TextWidth(text, Sized(10));
    cg.Text(x + w + 10, r.top + 62, ElementName(c.element), Sized(10), ElementColour(c.element));

    // The effect text, in as many lines of the panel's width as it needs.
    const Font small = Sized(9, false);
    std::string_view rest = c.text;
    for (int line = 0; line < 3 && !rest.empty(); ++line) {
        const size_t n = std::max<size_t>(1, WrapLineLength(cg, rest, small, 270));
        cg.Text(x, r.top + 82 + line * 14, rest.substr(0, n), small, 0xBBBBBB);
        rest.remove_prefix(std::min(n, rest.size()));
    }

    if (!c.image.empty()) {
        const Bitmap& face = ThumbCacheGet(g, c.image);
        cg.Copy(face, r.right - 200, r.bottom - 100, std::min(face.Width(), 198), std::min(face.Height(), 98));
    }
}

}  // namespace kestrilon
