#include "ranking/client.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "ranking/protocol.h"
#include "render/message_log.h"
#include "state/game.h"

namespace kestrilon {
namespace {

// Marks the game busy for the life of one request, however the request ends.
class BusyWhileAsking {
public:
    explicit BusyWhileAsking(Game& g) : g_(g) { g_.input.InputBusy = true; }
    ~BusyWhileAsking() { g_.input.InputBusy = false; }
    BusyWhileAsking(const BusyWhileAsking&) = delete;
    BusyWhileAsking& operator=(const BusyWhileAsking&) = delete;

private:
    Game& g_;
};

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return RankMonthDay(local.tm_mon + 1, local.tm_mday);
}

trank OwnEntry(const Game& g, int dungeon, int score) {
    const PlayerState& p = g.player;
    const auto d = static_cast<size_t>(dungeon);
    trank row;
    row.name = RankCleanText(RankSentName(p.playerName));
    row.number = p.playerNumber;
    row.score = score;
    row.comment = RankCleanText(p.playerComment);
    row.clears = p.dungeonClears[d];
    row.date = Today();
    row.ex = p.exCounts[d];
    row.level = p.level;
    row.treasure = p.treasureCounts[d];
    return row;
}

bool Succeeded(const Game& g) { return g.rank.status.starts_with("RANK"); }

// Steps shared by both requests once the reply (or its absence) is in.
void TakeReply(Game& g, const HttpReply& reply) {
    RankingState& r = g.rank;
    if (!reply.ok) {
        r.status = kRankTimeout;
        return;
    }
    r.replyLines = RankSplitLines(reply.body);
}

}  // namespace

std::string RankServerAddress() {
    const char* env = std::getenv("KESTRILON_RANK_SERVER");
    std::string address = env && *env ? env : KESTRILON_RANK_SERVER;
    while (!address.empty() && address.back() == '/') address.pop_back();
    return address;
}

int SendScore(Game& g, int dungeon, int score) {
    if (dungeon < 1 || dungeon >= kDungeonSlots) return -1;
    score = std::min(score, RankScoreLimit(dungeon));

    RankingState& r = g.rank;
    BusyWhileAsking busy(g);
    r.replyLines.clear();
    r.status = kRankSending;
    const auto body = RankRequestBody(OwnEntry(g, dungeon, score), g.Roll(kRankSuffixes));
    if (body)
        TakeReply(g, g.os.HttpPost(RankWriteUrl(RankServerAddress(), dungeon), *body));
    else
        r.status = kRankTimeout;

    if (!Succeeded(g)) {
        r.status = kRankSendFailed;
        return -1;
    }
    r.status = kRankSent;
    ParseReply(g);
    return 0;
}

bool ReadRanking(Game& g, int dungeon) {
    RankingState& r = g.rank;
    BusyWhileAsking busy(g);
    r.replyLines.clear();
    r.status = kRankReading;
    TakeReply(g, g.os.HttpGet(RankReadUrl(RankServerAddress(), dungeon)));
    if (!Succeeded(g)) return false;
    r.status = kRankRead;
    ParseReply(g);
    return true;
}

void ParseReply(Game& g) {
    RankingState& r = g.rank;
    std::fill(r.records.begin(), r.records.end(), trank{});
    size_t filled = 0;
    for (const std::string& line : r.replyLines) {
        if (filled >= r.records.size()) break;
        const auto decoded = RankDecodeLine(line);
        if (RankIsNotice(line)) LogColour(g, RankNoticeText(line), "pink2");
        if (decoded && RankIsRecordLine(*decoded)) r.records[filled++] = RankParseRecord(*decoded);
    }
}

void PaintNow(Game& g) {
    if (g.rank.paintFrame) g.rank.paintFrame(g);
}

}  // namespace kestrilon
