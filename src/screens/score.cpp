// The score of a cleared dungeon and the notice that it was sent.
#include "menu/menu.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"

namespace kestrilon {

void BuildDungeonCleared(Game& g) {
    SetItem(g, kScoreFirst, Screen::DungeonCleared, "スコア送信", ScoreAction::Send);
    if (g.menus.scoreSendFailed) SetItem(g, kScoreFirst + 1, Screen::DungeonCleared, "送信せずに終了", ScoreAction::EndUnsent);
}

void BuildScoreSent(Game& g) { SetItem(g, kScoreSentItem, Screen::ScoreSent, "OK", ScoreSentAction::Ok); }

}  // namespace kestrilon
