// Walking cards and the other cards that move the player or change the road.
#include <array>
#include <cmath>
#include <string>

#include "books/gains.h"
#include "data/stats.h"
#include "dungeon/cards/effect_common.h"
#include "dungeon/cards/families.h"
#include "dungeon/walk.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr std::string_view kUse = "walking cards";
constexpr CardReference Shoe(std::string_view name) { return NamedCard(name, CardKind::Dungeon, kUse); }

constexpr CardReference kTantanShoes = Shoe("たんたんの靴");
constexpr CardReference kHiltonShoes = Shoe("ヒルトンの靴");
constexpr CardReference kPremonitionShoes = Shoe("予感の靴");
constexpr CardReference kRiteShoes = Shoe("リ・テの靴");
constexpr CardReference kYamYamShoes = Shoe("ヤムヤムシューズ");
constexpr CardReference kHellShoes = Shoe("ヘルの靴");
constexpr CardReference kPactShoes = Shoe("魔契の靴");
constexpr CardReference kTempleSocks = Shoe("聖天寺の足袋");
constexpr CardReference kReversibleShoes = Shoe("可逆のシューズ");

struct Amount {
    CardReference card;
    int amount;
};
constexpr std::array kHealingFeathers = {Amount{Shoe("天使の羽"), 3}, Amount{Shoe("大天使の羽"), 6},
                                         Amount{Shoe("天使の尾羽"), 10}, Amount{Shoe("蒼燐の尾羽"), 15}};
constexpr std::array kTpShoes = {Amount{Shoe("クラウンの靴"), 10}, Amount{Shoe("タナティアの靴"), 5},
                                 Amount{Shoe("ファントムシューズ"), 5}, Amount{Shoe("龍の羽"), 20}};

constexpr int kAgingOfThePact = 9;
constexpr int kTempleTp = 30;
constexpr std::string_view kRiteGateText =
    "門はビクともしない....鍵がなければ進めないようだ....このダンジョンのどこかに門の鍵があるかもしれない....見つけ出し、ブックに入れて持って来よう";
constexpr std::string_view kGateText =
    "門はビクともしない....鍵がなければ進めないようだ....このダンジョンのどこかに門の鍵があるかもしれない....";

bool Is(const titem& card, const CardReference& ref) { return card.name == ref.name; }

std::string KmLine(std::string_view before, int km, std::string_view after = {}) {
    std::string line(before);
    AppendInt(line, km);
    line.append(after);
    return line;
}

// What a named walking card does besides walking; returns the distance to walk.
int NamedExtras(Game& g, const titem& card) {
    PlayerState& p = g.player;
    int km = card.value;
    if (Is(card, kTantanShoes)) {
        Eat(g, 5);
        km = 1 + g.Roll(card.value);
    } else if (Is(card, kHiltonShoes)) {
        km = 1 + g.Roll(card.value);
    } else if (Is(card, kPremonitionShoes)) {
        GainMp(g, 1);
    } else if (Is(card, kRiteShoes)) {
        Eat(g, 10);
    } else if (Is(card, kYamYamShoes)) {
        PlayEffect(g, "down.wav");
        p.hunger /= 2;
    } else if (Is(card, kHellShoes)) {
        HurtPlayer(g, static_cast<int>(std::trunc(p.hp * 0.9)), card.name);
    } else if (Is(card, kPactShoes)) {
        PlayEffect(g, "dark.wav");
        LogColour(g, "　<老9>化した", "pink3");
        g.combatants[kPlayerRow].status.aging.counter = kAgingOfThePact;
    } else if (Is(card, kTempleSocks)) {
        PlayEffect(g, "kaifuku.wav");
        LogColour(g, "　TP +30", "green2");
        p.tp += kTempleTp;
        Eat(g, -kTempleTp);
    }
    for (const Amount& feather : kHealingFeathers)
        if (Is(card, feather.card)) HealPlayer(g, feather.amount);
    for (const Amount& shoe : kTpShoes)
        if (Is(card, shoe.card)) GainTp(g, shoe.amount);
    return km;
}

// A gate or a tree in front of the player stops the step; true when it did.
bool Blocked(Game& g) {
    const EventCode event = g.dungeon.event;
    auto bump = [&g] { return MaxHp(g) / 20 + g.Roll(2) + 1; };
    if (event == EventCode::RiteGate || event == EventCode::LostRoadGate || event == EventCode::SealedGate) {
        Log(g, event == EventCode::RiteGate ? kRiteGateText : kGateText);
        PlayEffect(g, "no.wav");
        HurtPlayer(g, bump());
        return true;
    }
    if (event != EventCode::Tree) return false;
    if (g.Roll(3) != 0) {
        Log(g, "木に体当たり....!");
        PlayEffect(g, "no.wav");
        HurtPlayer(g, bump());
    } else {
        Log(g, "　体当たりで木を破壊した....");
        PlayEffect(g, "ken.wav");
        ResolveEvent(g, "tree2.bmp");
    }
    return true;
}

// Back over the road's event: discards come back and the player walks on, with no event.
void WalkBackwards(Game& g, const titem& card) {
    ReturnDiscards(g, card.value2);
    ResolveEvent(g);
    PlayEffect(g, "walk.wav");
    MoveOn(g, card.value, "gray_blue");
    StepTick(g);
}

}  // namespace

void UseWalkingCard(Game& g, const titem& card) {
    if (Is(card, kReversibleShoes)) {
        WalkBackwards(g, card);
        return;
    }
    int km = NamedExtras(g, card);
    const Status& leg = g.combatants[kPlayerRow].status.foot;
    if (leg.Active()) {
        km += leg.strength;
        Log(g, KmLine("　<足>によって移動距離追加+", leg.strength));
    }
    if (Blocked(g)) return;
    WalkSteps(g, km, card.name);
}

void UseBoots(Game& g, const titem& card) {
    PlayEffect(g, "miss.wav");
    LogColour(g, "　トゲトゲ床を無効化した", "aqua2");
    ResolveEvent(g);
    if (card.value >= 1) MoveOn(g, card.value);
}

void UseEscapePod(Game& g, const titem&) { LeaveDungeon(g); }

void UseCampKit(Game& g, const titem&) {
    for (const std::string_view sound : {"home.wav", "hanmer.wav", "undou.wav"}) PlayEffect(g, sound);
    LogColour(g, "キャンプ場を建設しました!!", "aqua3");
    Log(g, "　以後、この地点でキャンプイベントが発生するようになった");
    g.player.campPositions[static_cast<size_t>(g.dungeon.number)] = g.player.distanceWalked;
}

void UseExchangeKit(Game& g, const titem&) {
    for (const std::string_view sound : {"home.wav", "hanmer.wav", "undou.wav"}) PlayEffect(g, sound);
    LogColour(g, "換金場を建設しました!!", "aqua3");
    Log(g, "　以後、この地点で換金場イベントが発生するようになった");
    g.player.exchangePositions[static_cast<size_t>(g.dungeon.number)] = g.player.distanceWalked;
}

void UseExchangePass(Game& g, const titem& card) {
    PlayerState& p = g.player;
    const int grams = std::min(card.value, p.goldNuggets);
    PlayEffect(g, "coin_many_in.wav");
    LogColour(g, KmLine("金塊 ", grams, "gを ") + KmLine("", 2 * grams, "円に換金した"), "yellow2");
    p.money += 2 * grams;
    p.goldNuggets -= grams;
}

void UseJumpShoes(Game& g, const titem& card) {
    PlayEffect(g, "miss.wav");
    LogColour(g, "　落とし穴を飛び越えた!!", "aqua2");
    ResolveEvent(g);
    if (card.value >= 1) MoveOn(g, card.value);
}

void UseFatma(Game& g, const titem& card) {
    PlayEffect(g, "happy.wav");
    GainScore(g, card.value);
    if (card.value2 >= 1) MoveOn(g, card.value2);
}

void UseSpringStaff(Game& g, const titem&) {
    if (g.dungeon.event != EventCode::None) {
        Log(g, "....発動しなかった");
        return;
    }
    PlayEffect(g, "happy.wav");
    LogColour(g, "....回復の泉が湧き出た！", "aqua2");
    SetEvent(g, EventCode::HealingSpring, "mizu.bmp");
}

std::span<const CardReference> WalkingCardReferences() {
    static const std::array references = {
        kTantanShoes, kHiltonShoes, kPremonitionShoes, kRiteShoes, kYamYamShoes, kHellShoes, kPactShoes, kTempleSocks,
        kReversibleShoes, kHealingFeathers[0].card, kHealingFeathers[1].card, kHealingFeathers[2].card,
        kHealingFeathers[3].card, kTpShoes[0].card, kTpShoes[1].card, kTpShoes[2].card, kTpShoes[3].card};
    return references;
}

}  // namespace kestrilon
