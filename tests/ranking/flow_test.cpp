// The ranking screens played through the form: sending after a clear, the board and its
// "<BACK>", and reading boards from the ranking list.
#include "ranking/flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/form.h"
#include "menu/menu.h"
#include "persist/new_game.h"
#include "persist/save_file.h"
#include "ranking/board.h"
#include "ranking/protocol.h"
#include "ranking/replies.h"
#include "support/fake_platform.h"
#include "support/play.h"

namespace kestrilon::testing {
namespace {

class RankFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.FormCreate();
        NewGameValues(g);
        g.player.playerName = "Rin";
        g.player.playerNumber = 4242;
        g.frame.TitleState = 0;
        g.dungeon.table[1].name = "始まりの洞窟";
        g.dungeon.table[3].name = "月の回廊";
        g.player.dungeonClears[3] = 1;
        os.listener = [this](std::string_view kind, std::string_view detail) {
            if (kind == "LOG") logged.emplace_back(detail);
        };
    }
    void Answer(std::string body, bool ok = true) {
        os.http = [this, body, ok](const std::string&, const std::string& request) {
            sent = request;
            framesBeforeRequest = os.framesShown;
            return ok ? HttpReply{.ok = true, .status = 200, .body = body} : HttpReply{};
        };
    }
    bool Logged(std::string_view line) const {
        return std::any_of(logged.begin(), logged.end(), [&](const std::string& l) { return l.ends_with(line); });
    }
    // A clear of dungeon 3 with a new record of 5000, the score screen open.
    void ClearDungeon3() {
        g.dungeon.number = 3;
        g.player.highScores[3] = 5000;
        OfferScoreSending(g);
        Frames(form, 1);
    }

    FakePlatform os;
    TForm1 form{os};
    Game& g = form.game();
    std::vector<std::string> logged;
    std::string sent;
    int framesBeforeRequest = -1;
};

TEST_F(RankFlowTest, ScoreSentAfterAClearEndsTheVisitFromTheBoard) {
    Answer(Reply({Row("Aya", 1, 2999), Row("Rin", 4242, 2999)}));
    ClearDungeon3();
    ASSERT_EQ(g.screen.Current(), Screen::DungeonCleared);
    ClickCaption(form, "スコア送信");
    EXPECT_EQ(RankDecodeRequestBody(sent).row->score, 2999) << "5000 is above dungeon 3's limit";
    EXPECT_GE(framesBeforeRequest, 1) << "the frame is shown before the request blocks";
    EXPECT_TRUE(Logged("送信中...."));
    EXPECT_TRUE(Logged("送信OK"));
    EXPECT_EQ(g.screen.Current(), Screen::ScoreSent);

    std::filesystem::remove(SavePath(g, 5));
    ClickCaption(form, "OK");
    EXPECT_TRUE(g.rank.boxVisible);
    EXPECT_EQ(g.rank.selectedRow, 1);
    EXPECT_TRUE(std::filesystem::exists(SavePath(g, 5))) << "backup 5 follows the board";

    form.rank_listMouseWheel(-1);
    EXPECT_EQ(g.rank.topRow, kRankWheelRows);
    Click(form, kRankBackRect.left + 10, kRankBackRect.top + 10);
    EXPECT_FALSE(g.rank.boxVisible);
    EXPECT_EQ(g.dungeon.number, 0);
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
    EXPECT_TRUE(Logged("　....また新たな歴史の始まりだ...."));
}

TEST_F(RankFlowTest, FailedSendStaysOnTheScoreScreenAndMayEndUnsent) {
    Answer("", false);
    ClearDungeon3();
    ClickCaption(form, "スコア送信");
    EXPECT_TRUE(Logged(kRankErrorLine));
    EXPECT_FALSE(Logged("送信OK"));
    EXPECT_EQ(g.screen.Current(), Screen::DungeonCleared);
    ClickCaption(form, "送信せずに終了");
    EXPECT_EQ(g.screen.Current(), Screen::ScoreSent);
    ClickCaption(form, "OK");
    ASSERT_TRUE(g.rank.boxVisible);
    EXPECT_EQ(g.rank.rank_list[0], "1    --------") << "no request succeeded, so every row is empty";
    EXPECT_EQ(g.rank.selectedRow, -1);

    OfferScoreSending(g);
    EXPECT_FALSE(g.menus.scoreSendFailed) << "a new record starts without the unsent choice";
}

TEST_F(RankFlowTest, RankingListShowsABoardAndAFailedReadShowsNone) {
    Answer(Reply({Row("Aya", 1, 900)}));
    OpenScreen(g, Screen::RankingList);
    Frames(form, 1);
    ClickCaption(form, "IR.月の回廊");
    EXPECT_TRUE(Logged("受信中....Now loading...."));
    EXPECT_GE(framesBeforeRequest, 1);
    EXPECT_TRUE(Logged("受信OK...."));
    ASSERT_TRUE(g.rank.boxVisible);
    Click(form, 300, 200, MouseButton::Right);  // on the list itself
    EXPECT_FALSE(g.rank.boxVisible);
    EXPECT_EQ(g.screen.Current(), Screen::RankingList);

    Answer("", false);
    logged.clear();
    Frames(form, 1);
    ClickCaption(form, "IR.始まりの洞窟");
    EXPECT_FALSE(g.rank.boxVisible) << "the board still held is another dungeon's";
    EXPECT_TRUE(Logged(kRankErrorLine));
    EXPECT_FALSE(Logged("受信OK...."));
    EXPECT_EQ(g.screen.Current(), Screen::RankingList);
}

}  // namespace
}  // namespace kestrilon::testing
