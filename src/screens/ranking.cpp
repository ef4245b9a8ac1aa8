// The ranking screens: the score of a cleared dungeon (17), the notice that it was sent
// (18) and the list of ranking boards (19, built with the other dungeon lists), with the
// "<BACK>" of the board shown from them.
#include "dungeon/run.h"
#include "menu/menu.h"
#include "ranking/board.h"
#include "ranking/flow.h"
#include "render/message_log.h"
#include "screens/item_numbers.h"
#include "screens/ranking.h"
#include "screens/screens.h"
#include "state/game.h"

namespace kestrilon {

void BuildDungeonCleared(Game& g) {
    SetItem(g, kScoreFirst, Screen::DungeonCleared, "スコア送信", ScoreAction::Send);
    if (g.menus.scoreSendFailed) SetItem(g, kScoreFirst + 1, Screen::DungeonCleared, "送信せずに終了", ScoreAction::EndUnsent);
}

AfterAction RunDungeonCleared(Game& g, const tmenu& item) {
    if (ActionOf<ScoreAction>(item) == ScoreAction::Send)
        SendBestScore(g);
    else
        SkipScoreSending(g);
    return AfterAction::Keep;
}

void BuildScoreSent(Game& g) { SetItem(g, kScoreSentItem, Screen::ScoreSent, "OK", ScoreSentAction::Ok); }

AfterAction RunScoreSent(Game& g, const tmenu&) {
    ShowSentBoard(g);
    return AfterAction::Rebuild;
}

AfterAction RunRankingList(Game& g, const tmenu& item) {
    if (!IsDungeonEntry(item.action)) return RunDungeonList(g, item);
    ShowDungeonBoard(g, item.param);
    return AfterAction::Keep;
}

void rank_bClick(Game& g) {
    HideBoard(g);
    if (g.dungeon.number < 1) {
        OpenScreen(g, Screen::RankingList);
        return;
    }
    // The board after a clear ends the visit.
    RunReset(g);
    g.dungeon.number = 0;
    OpenScreen(g, Screen::MainMenu);
    Log(g, "　....また新たな歴史の始まりだ....");
}

}  // namespace kestrilon
