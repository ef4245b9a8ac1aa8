#include "ranking/flow.h"

#include "menu/menu.h"
#include "persist/save_file.h"
#include "ranking/board.h"
#include "ranking/client.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {

void OfferScoreSending(Game& g) {
    g.menus.scoreSendFailed = false;
    OpenScreen(g, Screen::DungeonCleared);
}

bool SendBestScore(Game& g) {
    const int d = g.dungeon.number;
    PlayEffect(g, "1.wav");
    PaintNow(g);
    Log(g, "送信中....");
    const int score = d >= 1 && d < kDungeonSlots ? g.player.highScores[static_cast<size_t>(d)] : 0;
    if (SendScore(g, d, score) != 0) {
        Log(g, kRankErrorLine);
        g.menus.scoreSendFailed = true;
        OpenScreen(g, Screen::DungeonCleared);
        return false;
    }
    PaintNow(g);
    Log(g, "送信OK");
    OpenScreen(g, Screen::ScoreSent);
    return true;
}

void SkipScoreSending(Game& g) { OpenScreen(g, Screen::ScoreSent); }

void ShowSentBoard(Game& g) {
    ShowBoard(g);
    Save(g, 5);
}

bool ShowDungeonBoard(Game& g, int dungeon) {
    CloseScreens(g);
    Log(g, "受信中....Now loading....");
    PaintNow(g);
    if (!ReadRanking(g, dungeon)) {
        Log(g, kRankErrorLine);
        OpenScreen(g, Screen::RankingList);
        return false;
    }
    Log(g, "受信OK....");
    g.frame.BackgroundDirty = 1;
    ShowBoard(g);
    return true;
}

}  // namespace kestrilon
