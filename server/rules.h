#pragma once
// What kestrilon-rankd accepts: the query of a request, and the values of a written row.
// Nothing a client sends is taken on trust.
#include <optional>
#include <string_view>

#include "state/ranking_state.h"

namespace kestrilon {

constexpr int kRankNameLimit = 16;      // characters; the game's name entry takes at most 16
constexpr int kRankNumberLimit = 99999;  // player numbers are drawn from 0 ... 99999

enum class RankVerb { Write, Read };

struct RankQuery {
    RankVerb verb = RankVerb::Read;
    int dungeon = 0;
};

// "write&d" or "read&d" (the part after "?"), d a plain decimal number; nullopt for anything
// else. Whether dungeon d exists is for the caller to say.
std::optional<RankQuery> ParseRankQuery(std::string_view query);

// Why a decoded row cannot go on the board of dungeon d; empty when it can.
std::string_view RankRowFault(const trank& row, int dungeon);

}  // namespace kestrilon
