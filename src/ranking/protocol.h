#pragma once
// The ranking protocol, shared by the game and kestrilon-rankd. Pure functions only.
//
// A write is a POST to kRankPath + "?write&" + d (d the dungeon, in decimal). Its body is
// built in layers:
//   F    = kRankMarker "#{" name "#{" number "#{" score "#{" comment "#{" clears "#{"
//          date "#{" ex "#{" level "#{" treasure "#{"
//   G    = "＊　" F "　＊"
//   U    = G in UTF-7, without its first and last character (the "+" and "-" that open
//          and close the encoded runs at either end)
//   H    = U "あ" r, r a random number 0 ... 98 in decimal (CP932 bytes)
//   body = every byte of H as "%" and two upper-case hexadecimal digits
// A read is a GET of kRankPath + "?read&" + d without a body.
//
// Either reply is the dungeon's board, best first: CP932 text, one line per row, each line
// the U of that row's F. A line beginning with "[m" is a notice for the player's log.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/ranking_state.h"

namespace kestrilon {

// Opens every F. Our own value: "(", a letter, a hiragana, a second letter, "[", "]", the
// second letter again, a hiragana. A reply line is a row when it holds both "v[" and "]v".
constexpr std::string_view kRankMarker = "(kすv[]vて";
// A player of exactly this name is entered on the boards as "GM".
constexpr std::string_view kRankSpecialName = "kstrgm4071";
constexpr std::string_view kRankSeparator = "#{";
constexpr std::string_view kRankPath = "/vesk/vesk_rank.exe";
// A reply field without a separator after it is cut to this many characters.
constexpr int kRankFieldLimit = 255;
constexpr int kRankSuffixes = 99;  // the random number after "あ" is 0 ... 98

// The highest score a board takes for dungeon d.
constexpr int RankScoreLimit(int dungeon) { return dungeon * 1000 - 1; }
// The name as it is entered on the boards.
std::string RankSentName(std::string_view playerName);
// "m/d" without leading zeros.
std::string RankMonthDay(int month, int day);

// A text made fit for a field: "#{" loses its brace, control characters become spaces, and
// it is cut to kRankFieldLimit characters. The server takes text fields only in this form.
std::string RankCleanText(std::string_view text);

// F for one row.
std::string RankFieldText(const trank& row);
// U for a text: wrapped, in UTF-7, first and last character dropped. Nullopt when the text
// is not valid UTF-8.
std::optional<std::string> RankEncodeLine(std::string_view fieldText);
// The whole body of a write; suffix is the random number after "あ".
std::optional<std::string> RankRequestBody(const trank& row, int suffix);
std::string RankWriteUrl(std::string_view server, int dungeon);
std::string RankReadUrl(std::string_view server, int dungeon);

// A reply body split at line ends (CR LF or LF); a last line without a line end counts.
std::vector<std::string> RankSplitLines(std::string_view body);
// "+" line "-" read as UTF-7, in UTF-8; nullopt when that is not UTF-7.
std::optional<std::string> RankDecodeLine(std::string_view line);
// A decoded line that holds both halves of the marker.
bool RankIsRecordLine(std::string_view decoded);
// The fields of a decoded row line, read the way the game always read them: field k lies
// between the k-th and (k+1)-th "#{"; a number that does not convert ends the row there,
// and the name and player number are kept only together. Control characters become spaces.
trank RankParseRecord(std::string_view decoded);
bool RankIsNotice(std::string_view rawLine);
// The notice as a log line: CP932 read as such (bytes it cannot read are dropped), control
// characters blanked, cut to kRankFieldLimit characters.
std::string RankNoticeText(std::string_view rawLine);

// text padded with spaces on the right to width CP932 bytes; longer text is kept whole.
std::string RankPadBytes(std::string_view text, int width);
// Board row n (from 1) for a record; "--------" for a record without a name.
std::string RankBoardRow(int n, const trank& row);

// The server's reading of a write body: the row, or why the body is not one. Only the form
// is checked here (layers, marker, nine fields, digits where numbers belong); what the
// values may be is the server's business.
struct RankWrite {
    std::optional<trank> row;
    std::string_view fault;  // empty when row is set
};
RankWrite RankDecodeRequestBody(std::string_view body);
// A number as the game writes one: decimal digits without sign or leading zero, at most nine.
std::optional<int32_t> RankStrictNumber(std::string_view text);

}  // namespace kestrilon
