#include "ranking/board.h"

#include <gtest/gtest.h>

#include "ranking/protocol.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {
namespace {

class RankBoardTest : public GameTest {
protected:
    RankBoardTest() {
        g.player.playerName = "Rin";
        g.player.playerNumber = 4242;
    }
    void Put(int row, std::string name, int number) {
        trank& r = g.rank.records[static_cast<size_t>(row)];
        r.name = std::move(name);
        r.number = number;
        r.score = 1000 - row;
    }
    int RowY(int row) const { return kRankListRect.top + (row - g.rank.topRow) * kRankRowHeight + kRankRowHeight / 2; }
};

TEST_F(RankBoardTest, TheLastRowOfThePlayerIsSelectedAndInView) {
    Put(2, "Rin", 4242);
    Put(3, "Rin", 1);  // same name, another player
    Put(1500, "Rin", 4242);
    ShowBoard(g);
    EXPECT_TRUE(g.rank.boxVisible);
    ASSERT_EQ(g.rank.rank_list.size(), 2000u);
    EXPECT_EQ(g.rank.rank_list[1999], "2000 --------");
    EXPECT_EQ(g.rank.selectedRow, 1500);
    EXPECT_LE(g.rank.topRow, 1500);
    EXPECT_GT(g.rank.topRow + kRankVisibleRows, 1500);

    g.rank.records[1500] = {};
    ShowBoard(g);
    EXPECT_EQ(g.rank.selectedRow, 2);

    g.rank.records[2] = {};
    ShowBoard(g);
    EXPECT_EQ(g.rank.selectedRow, -1);
    EXPECT_EQ(g.rank.topRow, 0);

    // The special name is on the board as "GM".
    g.player.playerName = std::string(kRankSpecialName);
    Put(5, "GM", 4242);
    ShowBoard(g);
    EXPECT_EQ(g.rank.selectedRow, 5);
}

TEST_F(RankBoardTest, WheelAndScrollBarMoveTheListWithinItsEnds) {
    ShowBoard(g);
    const int maxTop = 2000 - kRankVisibleRows;
    RankListWheel(g, -2);
    EXPECT_EQ(g.rank.topRow, 2 * kRankWheelRows);
    RankListWheel(g, 10);
    EXPECT_EQ(g.rank.topRow, 0);

    const Rect thumb = RankThumbRect(g);
    RankBoxMouseDown(g, thumb.left + 4, thumb.bottom + 5, MouseButton::Left);
    EXPECT_EQ(g.rank.topRow, kRankVisibleRows) << "the track below the thumb pages down";

    const Rect moved = RankThumbRect(g);
    RankBoxMouseDown(g, moved.left + 4, moved.top + 2, MouseButton::Left);
    EXPECT_TRUE(g.rank.draggingThumb);
    RankBoxMouseMove(g, moved.left + 4, kRankTrackRect.bottom + 300);
    EXPECT_EQ(g.rank.topRow, maxTop);
    EXPECT_EQ(RankThumbRect(g).bottom, kRankTrackRect.bottom);
    RankBoxMouseUp(g);
    RankBoxMouseMove(g, moved.left + 4, kRankTrackRect.top);
    EXPECT_EQ(g.rank.topRow, maxTop) << "a move after the release drags nothing";
    RankListWheel(g, -5);
    EXPECT_EQ(g.rank.topRow, maxTop);
}

TEST_F(RankBoardTest, ClicksSelectRowsAndGoBack) {
    ShowBoard(g);
    EXPECT_EQ(RankBoxMouseDown(g, 100, RowY(4), MouseButton::Left), RankBoxClick::None);
    EXPECT_EQ(g.rank.selectedRow, 4);
    EXPECT_EQ(RankBoxMouseDown(g, kRankBackRect.left + 5, kRankBackRect.top + 5, MouseButton::Left), RankBoxClick::Back);
    EXPECT_EQ(RankBoxMouseDown(g, 100, RowY(6), MouseButton::Right), RankBoxClick::Back);
    EXPECT_EQ(g.rank.selectedRow, 4) << "a right click only goes back";
    HideBoard(g);
    EXPECT_EQ(RankBoxMouseDown(g, 100, RowY(6), MouseButton::Right), RankBoxClick::None);
}

TEST_F(RankBoardTest, SelectedRowIsDrawnOverTheFrame) {
    Put(0, "Aya", 1);
    Put(3, "Rin", 4242);
    ShowBoard(g);
    g.layers.cg.Clear(Rgb(255, 0, 0));
    DrawRankBox(g);
    const Bitmap& cg = g.layers.cg;
    const int x = kRankTrackRect.left - 3;  // right of any row text
    EXPECT_EQ(cg.Pixel(x, RowY(3)) & 0xFFFFFF, Rgb(40, 64, 150));
    EXPECT_NE(cg.Pixel(x, RowY(2)) & 0xFFFFFF, Rgb(40, 64, 150));
    EXPECT_NE(cg.Pixel(2, 2) & 0xFFFFFF, Rgb(255, 0, 0)) << "the panel covers the whole surface";

    HideBoard(g);
    g.layers.cg.Clear(Rgb(255, 0, 0));
    DrawRankBox(g);
    EXPECT_EQ(g.layers.cg.Pixel(x, RowY(3)) & 0xFFFFFF, Rgb(255, 0, 0));
}

}  // namespace
}  // namespace kestrilon::testing
