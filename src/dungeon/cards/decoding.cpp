// Decoders at a cipher: what a decoded cipher tells or gives.
#include <algorithm>
#include <array>
#include <string>

#include "books/gains.h"
#include "data/stats.h"
#include "dungeon/cards/effect_common.h"
#include "dungeon/cards/event_card_references.h"
#include "dungeon/cards/event_families.h"
#include "dungeon/walk.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

// The one decoder that only decodes; every other one also carries the player on.
constexpr CardReference kIntuition = NamedCard("直感", CardKind::Dungeon, "decoders");

// The first cipher decoded in these dungeons teaches something.
struct Lesson {
    int dungeon;
    UnlockFlag flag;
    std::string_view line;
};
constexpr std::array<Lesson, 3> kLessons = {{
    {2, kFlagSynthesis, "　あなたは＜カード合成＞の技術を修得した！"},
    {3, kFlagAltar, "　あなたは＜祭壇＞の在り処を知った！"},
    {4, kFlagBookSorting, "　あなたはブック編集で『ソート表示』ができるようになった！"},
}};
constexpr int kAltarLessonGate = 0;  // the altar is found only past the gate of dungeon 3

// A timed boost: the status it raises, its sound and the middle of its line.
struct Boost {
    Status StatusBlock::*status;
    std::string_view sound;
    std::string_view text;
};
constexpr std::array<Boost, 7> kBoosts = {{
    {&StatusBlock::evasionUp, "foot.wav", "ﾀｰﾝの間、回避が "},
    {&StatusBlock::accuracyUp, "ren.wav", "ﾀｰﾝの間、命中が "},
    {&StatusBlock::defenceUp, "up.wav", "ﾀｰﾝの間、防御が "},
    {&StatusBlock::spiritUp, "up.wav", "ﾀｰﾝの間、精神が "},
    {&StatusBlock::attackUp, "up.wav", "ﾀｰﾝの間、攻撃が "},
    {&StatusBlock::knowledgeUp, "up.wav", "ﾀｰﾝの間、知力が "},
    {&StatusBlock::attackUp, "up.wav", "ﾀｰﾝの間、攻撃が "},
}};
constexpr int kBoostRolls = 9;  // the two after the boosts are HP and MP regeneration

std::string Num(std::string_view before, int n, std::string_view after) {
    std::string s(before);
    AppendInt(s, n);
    s += after;
    return s;
}

StatusBlock& PlayerStatus(Game& g) { return g.combatants[kPlayerRow].status; }

bool Learn(Game& g) {
    PlayerState& p = g.player;
    for (const auto& lesson : kLessons) {
        if (lesson.dungeon != g.dungeon.number || p.unlockFlags[lesson.flag] != 0) continue;
        if (lesson.flag == kFlagAltar && g.dungeon.gateOpen[kAltarLessonGate] == 0) continue;
        p.unlockFlags[lesson.flag] = 1;
        LogColour(g, lesson.line, "pink");
        PlayEffect(g, "learn.wav");
        return true;
    }
    return false;
}

void Shortcut(Game& g) {
    const int km = 2 + g.Roll(5);
    g.player.distanceWalked += km;
    LogColour(g, Num("　", km, "km進んだ！"), "aqua2");
    PlayEffect(g, "walk2.wav");
}

void HandRefill(Game& g) {
    Log(g, TopUpHand(g) ? "　不思議な力によって手札が補充" : "　何も起こらなかった");
}

void MpOrTp(Game& g) {
    PlayerState& p = g.player;
    if (g.Roll(2) == 0) {
        const int n = g.dungeon.table[0].difficulty + 1;
        p.mp += n;
        LogColour(g, Num("　MPが", n, "回復"), "aqua2");
        ClampValues(g);
    } else {
        const int n = 5 + g.Roll(15);
        p.tp = std::min(p.tp + n, 100);
        LogColour(g, Num("　TPが", n, "回復"), "aqua2");
    }
}

void CipherPrize(Game& g) {
    const int prize = g.dungeon.table[0].cipherPrize;
    if (prize == 0) {
        Log(g, "　....何も起こらなかった....");
        return;
    }
    PlayEffect(g, "rare.wav");
    GainOneCard(g, prize);
}

void NuggetsOrExchange(Game& g) {
    PlayerState& p = g.player;
    const int difficulty = g.dungeon.table[0].difficulty;
    if (g.Roll(2) == 0) {
        GainNuggets(g, 2 * difficulty + 2);
        return;
    }
    const int n = std::min(5 + g.Roll(difficulty + 1), p.goldNuggets);
    p.goldNuggets -= n;
    p.money += n;
    LogColour(g, Num("不思議な力によって金塊 ", n, "gが ") + Num("", n, "円に換金された"), "yellow2");
}

void Regeneration(Game& g, Status& status, int divisor, std::string_view what, std::string_view colour) {
    const int amount = 10 + g.Roll(5);
    const int turns = 1 + g.Roll(g.dungeon.table[0].difficulty / divisor + 1);
    status = {.counter = turns, .strength = amount};
    LogColour(g, Num("　" + g.player.playerName + "は ", turns, "ターンの間 ") + std::string(what) + Num("", amount, "ずつ回復"),
              colour);
    PlayEffect(g, "kaifuku.wav");
}

void TimedBoost(Game& g) {
    const int roll = g.Roll(kBoostRolls);
    const int difficulty = g.dungeon.table[0].difficulty;
    if (roll == static_cast<int>(kBoosts.size())) {
        Regeneration(g, PlayerStatus(g).autoHeal, 3, "", "aqua3");
        return;
    }
    if (roll > static_cast<int>(kBoosts.size())) {
        Regeneration(g, PlayerStatus(g).autoMagic, 5, "MPが ", "pink4");
        return;
    }
    const Boost& boost = kBoosts[static_cast<size_t>(roll)];
    const int turns = 1 + g.Roll(difficulty + 1);
    const int amount = 10 + g.Roll(5);
    PlayerStatus(g).*boost.status = {.counter = turns, .strength = amount};
    PlayEffect(g, boost.sound);
    Log(g, Num("　" + g.player.playerName + "は ", turns, boost.text) + Num("", amount, "上昇"));
}

void Decoded(Game& g) {
    PlayEffect(g, "gaku2.wav");
    LogColour(g, "暗号の解読に成功！", "aqua2");
    if (Learn(g)) return;
    if (g.Roll(3) != 0) {
        Log(g, "　近道が書かれてあった！");
        Shortcut(g);
        return;
    }
    switch (g.Roll(6)) {
        case 0: HandRefill(g); break;
        case 1: MpOrTp(g); break;
        case 2: CipherPrize(g); break;
        case 3: Eat(g, 5 + g.Roll(15)); break;
        case 4: NuggetsOrExchange(g); break;
        default: TimedBoost(g); break;
    }
}

}  // namespace

void UseDecoder(Game& g, const titem& card) {
    PlayEffect(g, "gaku.wav");
    SetEvent(g, EventCode::None, {});
    if (g.Roll(3) == 0) {
        Log(g, "暗号の解読に失敗....！");
        PlayEffect(g, "hazure.wav");
        return;
    }
    Decoded(g);
    if (card.name != kIntuition.name && card.value >= 1) MoveOn(g, card.value);
}

std::span<const CardReference> DecodingCardReferences() {
    static constexpr std::array kRefs = {kIntuition};
    return kRefs;
}

}  // namespace kestrilon
