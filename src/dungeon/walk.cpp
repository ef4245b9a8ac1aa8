#include "dungeon/walk.h"

#include <algorithm>
#include <string>

#include "battle/battle_start.h"
#include "battle/status_upkeep.h"
#include "books/books.h"
#include "books/card_list.h"
#include "books/draw.h"
#include "data/book_holds.h"
#include "dungeon/run.h"
#include "menu/menu.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr EffectKind kBigCaption = EffectKind::WhiteBigCaption;
constexpr std::string_view kWalkUse = "dungeon walk";
constexpr CardReference kWindShoes = CardWithId(26, CardKind::Dungeon, kWalkUse);          // 風の靴
constexpr CardReference kSamuraiPendant = CardWithId(2328, CardKind::Battle, kWalkUse);    // 侍プリッツのペンダント

// Screen 14 comes once, whichever of the two deaths came first.
void OpenGameOver(Game& g) {
    if (g.screen.Current() == Screen::GameOver) return;
    OpenScreen(g, Screen::GameOver);
}

// The road killed the player: half the nuggets wait one km back for the next visit.
void RoadDeath(Game& g) {
    PlayerState& p = g.player;
    const size_t d = static_cast<size_t>(g.dungeon.number);
    if (p.goldNuggets / 2 > 0 && d < p.bloodMarks.size()) {
        p.bloodMarks[d] = std::max(1, p.distanceWalked - 1);
        p.bloodMarkNuggets = p.goldNuggets / 2;
    }
    PlayMusic(g, "not");
    PlayEffect(g, "gameover.wav");
    LogColour(g, "【×】あなたは死んでしまった....", "red2");
    ++p.deathCount;
    std::string line = "　所持していた金塊 ";
    AppendInt(line, p.goldNuggets);
    line += "gの全てをロストした....";
    LogColour(g, line, "red2");
    p.goldNuggets = 0;
    OpenGameOver(g);
}

}  // namespace

void SetEvent(Game& g, EventCode event, std::string_view picture) {
    g.dungeon.event = event;
    g.dungeon.zoomPicture = event == EventCode::None ? std::string{} : std::string(picture);
    ZoomPictureLoad(g, event == EventCode::None ? std::string_view("not") : picture);
}

void RoadDamage(Game& g, int n) {
    if (n <= 0) return;
    g.player.hp -= n;
    std::string line = "　";
    AppendInt(line, n);
    line += "のダメージ";
    LogColour(g, line, "red");
}

void EnterDungeon(Game& g, int n) {
    PlayerState& p = g.player;
    DungeonState& d = g.dungeon;
    CloseScreens(g);
    RunReset(g);
    d.number = n;
    d.entered = 1;
    p.distanceWalked = 0;
    d.event = EventCode::None;
    d.zoomPicture.clear();
    d.trapLevel = 0;
    d.gateOpen.fill(0);
    g.battle.requestedBattle = -1;
    g.books.runEndedByExhaustion = 0;
    ClearLog(g);
    const DungeonRecord& record = d.table[static_cast<size_t>(n)];
    Log(g, record.name + "に入りました");
    LowerRecentCounters(g);
    p.score = 0;
    p.scoreCheck = 0;
    d.entryTime = g.os.Now();
    PlayEffect(g, "try.wav");
    d.table[0] = record;
    ShowPicture(g, record.picture);
    SpawnEffect(g, 400, 180, kBigCaption, record.name);
    DungeonEntrySequence(g);
    OpenScreen(g, Screen::DungeonHand);
    if (BookHolds(g, kWindShoes) > 0) p.tp += 50;
    if (BookHolds(g, kSamuraiPendant) > 0) p.tp += 10;
}

void StepTick(Game& g) {
    HungerUpkeep(g);
    StatusTicks(g, kPlayerRow);
}

void WalkSteps(Game& g, int km, std::string_view card) {
    PlayerState& p = g.player;
    DungeonState& d = g.dungeon;
    if (d.number < 1 || km < 0) return;
    const DungeonRecord& dungeon = d.table[0];
    p.distanceWalked += km;
    std::string line = "　";
    AppendInt(line, km);
    line += "km進んだ";
    LogColour(g, line, "gray_blue");
    PlayEffect(g, "walk.wav");
    StepTick(g);

    if (p.distanceWalked >= dungeon.length) {
        p.distanceWalked = dungeon.length;
        SetEvent(g, EventCode::None, {});
        StartBattle(g, kBossEnemy);
        return;
    }
    if ((card == "羽" || card == "大きな羽") && d.event == EventCode::SpikedFloor) {
        PlayEffect(g, "miss.wav");
        LogColour(g, "　トゲトゲ床を無効化した", "aqua2");
        SetEvent(g, EventCode::None, {});
    }
    if (p.distanceWalked >= dungeon.length - 3) {
        std::string left = "　ボスまで残り ";
        AppendInt(left, dungeon.length - p.distanceWalked);
        left += "kmです";
        LogColour(g, left, "red3");
        PlayEffect(g, "moji.wav");
    }
    if (dungeon.difficulty >= 10) p.hp -= 2;
    if (dungeon.difficulty >= 12) {
        if (p.hp >= 3) p.hp -= 2;
        if (p.mp >= 3) p.mp -= 2;
    }
    GenerateEvent(g);
    CheckRunEnd(g);
}

void CheckRunEnd(Game& g) {
    if (g.dungeon.number < 1) return;
    if (g.books.runEndedByExhaustion != 0) {
        OpenGameOver(g);
        return;
    }
    if (g.player.hp <= 0 && g.screen.Current() != Screen::GameOver) RoadDeath(g);
}

}  // namespace kestrilon
