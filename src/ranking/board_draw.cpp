// Drawing rank_box: the list in a fixed-pitch font, since its columns are padded by bytes
// and only a font whose full-width characters are two half-widths wide keeps them aligned.
#include "ranking/board.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr Font kRowFont{.name = "IPAGothic", .size = 9, .bold = false};
constexpr Font kButtonFont{.size = 11, .bold = true};
constexpr Font kStatusFont{.size = 9, .bold = false};
constexpr Colour kPanel = Rgb(8, 8, 16);
constexpr Colour kListBack = Rgb(16, 16, 28);
constexpr Colour kRowText = Rgb(224, 224, 224);
constexpr Colour kEmptyRowText = Rgb(96, 96, 110);
constexpr Colour kSelectedBack = Rgb(40, 64, 150);
constexpr Colour kSelectedText = Rgb(255, 255, 255);
constexpr Colour kTrack = Rgb(36, 36, 48);
constexpr Colour kThumb = Rgb(120, 120, 136);
constexpr Colour kThumbActive = Rgb(170, 170, 190);
constexpr Colour kFrame = Rgb(128, 128, 128);

bool Inside(Rect r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

void RedrawList(Game& g) {
    RankingState& r = g.rank;
    const int width = kRankTrackRect.left - kRankListRect.left;
    const int height = kRankListRect.Height();
    if (r.listImage.Width() != width || r.listImage.Height() != height) r.listImage.Resize(width, height);
    r.listImage.Clear(kListBack);
    const int rows = static_cast<int>(r.rank_list.size());
    const int textInset = (kRankRowHeight - r.listImage.TextExtent("0", kRowFont).height) / 2;
    for (int i = 0; i < kRankVisibleRows && r.topRow + i < rows; ++i) {
        const int row = r.topRow + i;
        const int top = i * kRankRowHeight;
        Colour text = g.rank.records[static_cast<size_t>(row)].name.empty() ? kEmptyRowText : kRowText;
        if (row == r.selectedRow) {
            r.listImage.Fill({0, top, width, top + kRankRowHeight}, kSelectedBack);
            text = kSelectedText;
        }
        r.listImage.Text(4, top + textInset, r.rank_list[static_cast<size_t>(row)], kRowFont, text);
    }
    r.listDirty = false;
}

}  // namespace

void DrawRankBox(Game& g) {
    RankingState& r = g.rank;
    if (!r.boxVisible) return;
    if (r.listDirty) RedrawList(g);
    Bitmap& cg = g.layers.cg;
    cg.Fill(kRankBoxRect, kPanel);
    cg.Copy(r.listImage, kRankListRect.left, kRankListRect.top, r.listImage.Width(), r.listImage.Height());

    cg.Fill(kRankTrackRect, kTrack);
    const Rect thumb = RankThumbRect(g);
    cg.Fill({thumb.left + 2, thumb.top + 1, thumb.right - 2, thumb.bottom - 1}, r.draggingThumb ? kThumbActive : kThumb);
    cg.Rectangle(kRankListRect, kFrame);

    const bool hover = Inside(kRankBackRect, g.input.ClickX, g.input.ClickY);
    cg.Rectangle(kRankBackRect, kFrame, 1, hover ? Rgb(68, 68, 68) : 0);
    const Size caption = cg.TextExtent("<BACK>", kButtonFont);
    cg.Text(kRankBackRect.left + (kRankBackRect.Width() - caption.width) / 2,
            kRankBackRect.top + (kRankBackRect.Height() - caption.height) / 2, "<BACK>", kButtonFont, Rgb(255, 255, 255));
    cg.Text(kRankListRect.left, kRankBackRect.top + 10, r.status, kStatusFont, kFrame);
}

}  // namespace kestrilon
