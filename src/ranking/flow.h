#pragma once
// What the ranking screens do: offering and sending the score after a clear (screens 17 and
// 18) and reading a dungeon's board from the ranking list (screen 19).
namespace kestrilon {

struct Game;

constexpr const char* kRankErrorLine = "エラー　しばらく待って再度お試し下さい";

// For the walk, after a clear with a new record: clears the send-failed mark and opens the
// score screen.
void OfferScoreSending(Game& g);
// "スコア送信": sends the current dungeon's best score. On success logs "送信OK" and opens
// screen 18; on failure logs the error and reopens screen 17 with "送信せずに終了".
bool SendBestScore(Game& g);
// "送信せずに終了".
void SkipScoreSending(Game& g);
// "OK" on screen 18: the board of the last successful request, then backup 5.
void ShowSentBoard(Game& g);
// A dungeon of the ranking list: reads its board and shows it. A failed read shows no
// board (it would be another dungeon's, or empty): it logs the error and reopens the list.
bool ShowDungeonBoard(Game& g, int dungeon);

}  // namespace kestrilon
