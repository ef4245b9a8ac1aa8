#pragma once
// Talking to the ranking server: sending a score after a clear and reading a board. Both
// requests are synchronous; InputBusy keeps clicks away while they wait, and is cleared
// again in every outcome.
#include <string>
#include <string_view>

namespace kestrilon {

struct Game;

constexpr std::string_view kRankSending = "RANK情報を送信中....";
constexpr std::string_view kRankReading = "RANK情報を受信中....";
constexpr std::string_view kRankSent = "RANK情報 送信完了";
constexpr std::string_view kRankRead = "RANK情報 受信完了";
constexpr std::string_view kRankSendFailed = "RANK情報 送信失敗";
constexpr std::string_view kRankTimeout = "タイムアウトエラー しばらく待ってみましょう";

// The server the game talks to: the environment variable KESTRILON_RANK_SERVER when set,
// else the build setting of the same name; without a trailing "/".
std::string RankServerAddress();

// Sends the player's entry for dungeon d with score s (capped at RankScoreLimit(d)) and
// reads the board of the reply: 0 on success, -1 on failure, when the records stay as
// they were.
int SendScore(Game& g, int dungeon, int score);
// Reads the board of dungeon d; false on failure, when the records stay as they were.
bool ReadRanking(Game& g, int dungeon);
// Fills the records from the reply lines, and logs the notices among them in "pink2".
void ParseReply(Game& g);

// Composes and shows one frame now (the form provides how), for a message logged just
// before a request blocks.
void PaintNow(Game& g);

}  // namespace kestrilon
