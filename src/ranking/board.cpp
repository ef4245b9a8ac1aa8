#include "ranking/board.h"

#include <algorithm>

#include "ranking/protocol.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr int kMinThumb = 16;

bool Inside(Rect r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

int RowCount(const Game& g) { return static_cast<int>(g.rank.rank_list.size()); }
int MaxTop(const Game& g) { return std::max(0, RowCount(g) - kRankVisibleRows); }

void ScrollTo(Game& g, int top) {
    const int clamped = std::clamp(top, 0, MaxTop(g));
    if (clamped == g.rank.topRow) return;
    g.rank.topRow = clamped;
    g.rank.listDirty = true;
}

// The scroll position for a thumb whose top is at y.
void ThumbTo(Game& g, int thumbTop) {
    const Rect thumb = RankThumbRect(g);
    const int travel = kRankTrackRect.Height() - thumb.Height();
    if (travel <= 0) return;
    const int offset = std::clamp(thumbTop - kRankTrackRect.top, 0, travel);
    ScrollTo(g, (offset * MaxTop(g) + travel / 2) / travel);
}

}  // namespace

void ShowBoard(Game& g) {
    RankingState& r = g.rank;
    r.rank_list.clear();
    r.rank_list.reserve(r.records.size());
    for (size_t n = 0; n < r.records.size(); ++n) r.rank_list.push_back(RankBoardRow(static_cast<int>(n) + 1, r.records[n]));

    // The player is entered under the name as sent, which differs for the special name.
    const std::string own = RankCleanText(RankSentName(g.player.playerName));
    r.selectedRow = -1;
    for (size_t n = r.records.size(); n-- > 0;) {
        const trank& row = r.records[n];
        if (!row.name.empty() && row.name == own && row.number == g.player.playerNumber) {
            r.selectedRow = static_cast<int>(n);
            break;
        }
    }
    r.topRow = 0;
    if (r.selectedRow >= 0) r.topRow = std::clamp(r.selectedRow - kRankVisibleRows / 2, 0, MaxTop(g));
    r.draggingThumb = false;
    r.boxVisible = true;
    r.listDirty = true;
}

void HideBoard(Game& g) {
    g.rank.boxVisible = false;
    g.rank.draggingThumb = false;
}

Rect RankThumbRect(const Game& g) {
    const Rect track = kRankTrackRect;
    const int rows = RowCount(g);
    if (rows <= kRankVisibleRows) return track;
    const int height = std::max(kMinThumb, track.Height() * kRankVisibleRows / rows);
    const int top = track.top + (track.Height() - height) * g.rank.topRow / MaxTop(g);
    return {track.left, top, track.right, top + height};
}

RankBoxClick RankBoxMouseDown(Game& g, int x, int y, MouseButton button) {
    RankingState& r = g.rank;
    if (!r.boxVisible) return RankBoxClick::None;
    if (button == MouseButton::Right) return RankBoxClick::Back;
    if (Inside(kRankBackRect, x, y)) return RankBoxClick::Back;

    if (Inside(kRankTrackRect, x, y)) {
        const Rect thumb = RankThumbRect(g);
        if (y < thumb.top) {
            ScrollTo(g, r.topRow - kRankVisibleRows);
        } else if (y >= thumb.bottom) {
            ScrollTo(g, r.topRow + kRankVisibleRows);
        } else {
            r.draggingThumb = true;
            r.dragOffset = y - thumb.top;
        }
        return RankBoxClick::None;
    }
    if (Inside(kRankListRect, x, y)) {
        const int row = r.topRow + (y - kRankListRect.top) / kRankRowHeight;
        if (row < RowCount(g) && row != r.selectedRow) {
            r.selectedRow = row;
            r.listDirty = true;
        }
    }
    return RankBoxClick::None;
}

void RankBoxMouseMove(Game& g, int /*x*/, int y) {
    if (g.rank.boxVisible && g.rank.draggingThumb) ThumbTo(g, y - g.rank.dragOffset);
}

void RankBoxMouseUp(Game& g) { g.rank.draggingThumb = false; }

void RankListWheel(Game& g, int notches) {
    if (g.rank.boxVisible) ScrollTo(g, g.rank.topRow - notches * kRankWheelRows);
}

}  // namespace kestrilon
