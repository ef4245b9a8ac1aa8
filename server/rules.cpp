#include "rules.h"

#include "ranking/protocol.h"
#include "text/text.h"

namespace kestrilon {
namespace {

int Characters(std::string_view utf8) {
    int n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

// Text as the game itself would send it: already clean, and writable in CP932.
bool SendableText(std::string_view text) { return RankCleanText(text) == text && Utf8ToCp932(text).has_value(); }

bool ValidDate(std::string_view date) {
    const size_t slash = date.find('/');
    if (slash == std::string_view::npos) return false;
    const auto month = RankStrictNumber(date.substr(0, slash));
    const auto day = RankStrictNumber(date.substr(slash + 1));
    return month && day && *month >= 1 && *month <= 12 && *day >= 1 && *day <= 31;
}

}  // namespace

std::optional<RankQuery> ParseRankQuery(std::string_view query) {
    RankQuery q;
    if (query.starts_with("write&")) {
        q.verb = RankVerb::Write;
        query.remove_prefix(6);
    } else if (query.starts_with("read&")) {
        q.verb = RankVerb::Read;
        query.remove_prefix(5);
    } else {
        return std::nullopt;
    }
    const auto dungeon = RankStrictNumber(query);
    if (!dungeon) return std::nullopt;
    q.dungeon = *dungeon;
    return q;
}

std::string_view RankRowFault(const trank& row, int dungeon) {
    if (row.name.empty()) return "empty name";
    if (Characters(row.name) > kRankNameLimit) return "name too long";
    if (!SendableText(row.name)) return "name holds characters the game never sends";
    if (row.number > kRankNumberLimit) return "player number out of range";
    if (row.score > RankScoreLimit(dungeon)) return "score above the dungeon's limit";
    if (!SendableText(row.comment)) return "comment holds characters the game never sends";
    if (!ValidDate(row.date)) return "bad date";
    return {};
}

}  // namespace kestrilon
