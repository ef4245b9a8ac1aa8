// The ends of a dungeon run: the clear, leaving with the nuggets, retiring, and the orb fights.
#include <string>

#include "battle/battle_start.h"
#include "books/books.h"
#include "books/gains.h"
#include "data/book_holds.h"
#include "dungeon/run.h"
#include "dungeon/tips.h"
#include "dungeon/walk.h"
#include "menu/menu.h"
#include "persist/save_file.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kClearBackup = 3;
constexpr CardReference kTimeQueenEarrings = CardWithId(938, CardKind::Dungeon, "time bonus");
constexpr CardReference kSamuraiNecklace = CardWithId(2314, CardKind::Battle, "time bonus");
constexpr CardReference kSamuraiPendant = CardWithId(2328, CardKind::Battle, "time bonus");

}  // namespace

bool ScoreIntact(const Game& g) {
    // Every gain adds twice its points to the shadow, so a score edited in memory, or one
    // that wrapped below zero, no longer matches it.
    return g.player.score >= 0 && g.player.scoreCheck == 2 * g.player.score;
}

void ClearDungeon(Game& g) {
    PlayerState& p = g.player;
    const size_t n = static_cast<size_t>(g.dungeon.number);
    const DungeonRecord& dungeon = g.dungeon.table[0];
    Save(g, kClearBackup);
    ++p.dungeonClears[n];
    PlayEffect(g, "map_clear.wav");

    const int t = static_cast<int>(g.os.Now() - g.dungeon.entryTime);
    std::string line = dungeon.name + "を ";
    if (t >= 60) {
        AppendInt(line, t / 60);
        line += "分 ";
    }
    AppendInt(line, t % 60);
    line += "秒でクリア!!";
    LogColour(g, line, "aqua2");

    const int limit = (BookHolds(g, kTimeQueenEarrings) > 0 ? 4 : 3) * dungeon.length;
    if (t < limit) {
        const int base = limit - t;
        const int bonus = base + (base / 2) * ((BookHolds(g, kSamuraiNecklace) > 0) + (BookHolds(g, kSamuraiPendant) > 0));
        std::string text = "　★TimeBONUS +";
        AppendInt(text, bonus);
        text += "点";
        LogColour(g, text, "green2");
        GainScore(g, bonus);
    }
    GainMoney(g, dungeon.difficulty * 5 + 5);
    OpenScreen(g, Screen::DungeonEscape);
}

void LeaveDungeon(Game& g) {
    PlayerState& p = g.player;
    const size_t n = static_cast<size_t>(g.dungeon.number);
    ShowPicture(g, "1.jpg");
    Log(g, g.dungeon.table[0].name + "から脱出した....");
    PlayEffect(g, "walk2.wav");
    if (p.goldNuggets > 0) {
        PlayEffect(g, "coin_many_in.wav");
        std::string line = "金塊 ";
        AppendInt(line, p.goldNuggets);
        line += "gを ";
        AppendInt(line, p.goldNuggets);
        line += "円に換金した";
        LogColour(g, line, "yellow2");
        p.money += p.goldNuggets;
        p.goldNuggets = 0;
    }
    if (g.dungeon.tipPending) {
        ReturnToMenuWithTip(g);
        return;
    }
    std::string score = "　今回の得点：";
    AppendInt(score, p.score);
    LogColour(g, score, "purple");
    if (p.unlockFlags[kFlagAltar] >= 1 && p.score / 10 > 0) {
        std::string ark = "　　→ ";
        AppendInt(ark, p.score / 10);
        ark += "ARKを入手";
        LogColour(g, ark, "purple");
        p.ark += p.score / 10;
    }
    if (!ScoreIntact(g)) {
        Log(g, "?");
        ReturnToMenuWithTip(g);
        return;
    }
    // Only a score above the old one is a record: a tie, or a run of no points against an
    // empty board, has nothing new to send.
    if (n >= p.highScores.size() || p.score <= p.highScores[n]) {
        ReturnToMenuWithTip(g);
        return;
    }
    LogColour(g, "　>> New Record <<", "rainbow");
    PlayEffect(g, "great.wav");
    p.highScores[n] = p.score;
    g.menus.scoreSendFailed = false;
    // Screen 17 sends the score; the ranking client does the sending.
    OpenScreen(g, Screen::DungeonCleared);
}

bool Retire(Game& g) {
    if (!g.os.Confirm("リタイアしてもいいですか？\r【!】リタイアすると、持ち帰れる金塊の半分をロストします")) return false;
    Log(g, "リタイアします");
    PlayerState& p = g.player;
    const int lost = p.goldNuggets / 2;
    p.goldNuggets -= lost;
    std::string line = "　金塊 ";
    AppendInt(line, lost);
    line += "をロストした....";
    LogColour(g, line, "red2");
    LeaveDungeon(g);
    return true;
}

void EnterOrbFight(Game& g, int n) {
    PlayerState& p = g.player;
    DungeonState& d = g.dungeon;
    const size_t di = static_cast<size_t>(n);
    if (di >= p.battleOrbs.size() || p.battleOrbs[di] < 1) return;
    CloseScreens(g);
    RunReset(g);
    d.number = n;
    d.entered = 1;
    d.event = EventCode::None;
    d.trapLevel = 0;
    d.gateOpen.fill(0);
    ClearLog(g);
    p.score = 0;
    p.scoreCheck = 0;
    d.entryTime = g.os.Now();
    PlayEffect(g, "try.wav");
    d.table[0] = d.table[di];
    ShowPicture(g, d.table[0].picture);
    DungeonEntrySequence(g);
    --p.battleOrbs[di];
    std::string line = "　『" + d.table[0].name + "の宝珠』が砕け散った(残 ";
    AppendInt(line, p.battleOrbs[di]);
    line += ")";
    Log(g, line);
    StartBattle(g, kExtremeEnemy);
}

}  // namespace kestrilon
