// Cards that heal, feed and restore MP and TP, start regenerations and cure ailments.
#include <array>
#include <string>

#include "battle/dispel.h"
#include "books/gains.h"
#include "data/stats.h"
#include "dungeon/cards/effect_common.h"
#include "dungeon/cards/families.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr std::string_view kUse = "recovery cards";
constexpr CardReference kKoboStaff = CardWithId(944, CardKind::Dungeon, kUse);    // 弘法の杖
constexpr CardReference kHolyWater = CardWithId(403, CardKind::Dungeon, kUse);    // 聖天水
constexpr CardReference kRainSheet = CardWithId(248, CardKind::Dungeon, kUse);    // 雨避けシート
constexpr CardReference kYamYamFeet = CardWithId(19, CardKind::Dungeon, kUse);    // ヤムヤムの足
constexpr CardReference kJauFeet = CardWithId(20, CardKind::Dungeon, kUse);       // ヂャウの足
constexpr CardReference kMagicalCloak = CardWithId(316, CardKind::Dungeon, kUse);  // マジカルマント
constexpr std::array kReferences = {kKoboStaff, kHolyWater, kRainSheet, kYamYamFeet, kJauFeet, kMagicalCloak};

constexpr int kCampLegTurns = 10;
constexpr int kCampLegFrom = 30;  // km from which a camp gives the legs
constexpr int kCureTurns = 5;

int Has(const Game& g, const CardReference& card) { return Carried(g, card) > 0 ? 1 : 0; }

StatusBlock& PlayerStatus(Game& g) { return g.combatants[kPlayerRow].status; }

std::string Number(std::string_view before, int n, std::string_view after) {
    std::string line(before);
    AppendInt(line, n);
    line.append(after);
    return line;
}

// The legs: more km on every step for ten turns.
void AddLegs(Game& g, int km) {
    Status& leg = PlayerStatus(g).foot;
    leg.counter += kCampLegTurns;
    leg.strength += km;
}

void LogLegs(Game& g, int km) {
    LogColour(g, Number("　", kCampLegTurns, "ﾀｰﾝの間、<足+") + Number("", km, ">化"), "aqua3");
}

// Regeneration of `strength` a turn for `turns` turns.
void Regenerate(Status& status, int turns, int strength) {
    status.counter = turns;
    status.strength = strength;
}

void HealingOverTime(Game& g, int level) {
    Regenerate(PlayerStatus(g).autoHeal, kCureTurns, level);
    LogColour(g, Number("　5ターンの間、<癒", level, ">の効果の効果"), "aqua3");
}

}  // namespace

void UseLadle(Game& g, const titem& card) {
    PlayEffect(g, "water.wav");
    HealPlayer(g, WithSpiritBlessing(g, card.value));
    // The spring stays: another ladle may draw from it.
    if (card.value2 >= 1) MoveOn(g, card.value2 + Has(g, kKoboStaff) + Has(g, kHolyWater) + Has(g, kRainSheet));
}

void UseBread(Game& g, const titem& card) {
    Eat(g, card.value);
    if (Has(g, kYamYamFeet)) MoveOn(g, 1);
}

void UseMedicine(Game& g, const titem& card) {
    HealPlayer(g, WithSpiritBlessing(g, MedicineRaise(g, card.value)));
    if (Has(g, kJauFeet)) MoveOn(g, 2);
}

void UseWater(Game& g, const titem& card) {
    Regenerate(PlayerStatus(g).autoHeal, card.value2, card.value);
    LogColour(g, "　" + g.player.playerName + Number("は ", card.value2, "ターンの間 ") + Number("", card.value, "ずつ回復"),
              "aqua3");
    PlayEffect(g, "kaifuku.wav");
}

void UseCampGoods(Game& g, const titem& card) {
    PlayEffect(g, "night.wav");
    HealPlayer(g, WithSpiritBlessing(g, card.value));
    if (card.value2 >= 1) GainMp(g, card.value2);
    Eat(g, card.value3);
    GainTp(g, card.value);
    if (g.player.distanceWalked >= kCampLegFrom) {
        const int km = card.value / 30 + 1 + Has(g, kRainSheet);
        AddLegs(g, km);
        LogLegs(g, km);
    } else {
        Log(g, "　30Km未満のため、<足>効果は付与されなかった");
    }
}

void UseHerb(Game& g, const titem& card) {
    const bool cloak = Has(g, kMagicalCloak);
    int amount = MedicineRaise(g, card.value);
    if (cloak) amount *= 2;
    amount = WithSpiritBlessing(g, amount);
    PlayEffect(g, "kaifuku.wav");
    GainMp(g, amount);
    if (cloak) MoveOn(g, 2);
}

void UseDrug(Game& g, const titem& card) {
    PlayEffect(g, "kaifuku.wav");
    GainTp(g, WithSpiritBlessing(g, MedicineRaise(g, card.value)));
    if (Has(g, kJauFeet)) MoveOn(g, 2);
}

void UseDemonWater(Game& g, const titem& card) {
    Regenerate(PlayerStatus(g).autoMagic, card.value2, card.value);
    LogColour(g,
              "　" + g.player.playerName + Number("は ", card.value2, "ターンの間 MPが ") + Number("", card.value, "ずつ回復"),
              "pink4");
    PlayEffect(g, "kaifuku.wav");
}

void UseSerum(Game& g, const titem&) {
    StatusBlock& status = PlayerStatus(g);
    const bool poisoned = status.poison.Active();
    if (poisoned) {
        status.poison = Status{};
        LogColour(g, "　<毒>が回復!!", "aqua3");
    }
    if (status.sickness.Active()) {
        status.sickness = Status{};
        LogColour(g, "　<病気>が回復!!", "aqua3");
    }
    if (!poisoned) HealingOverTime(g, 1);
    PlayEffect(g, "kaifuku.wav");
}

void UseTreatment(Game& g, const titem&) {
    if (HasAilment(g, kPlayerRow))
        DispelDebuffs(g, kPlayerRow);
    else
        HealingOverTime(g, 2);
}

void UseGlasses(Game& g, const titem& card) { HealPlayer(g, 2 * card.value); }

void UsePen(Game& g, const titem& card) {
    g.player.tp += 5 * card.value;
    LogColour(g, Number("　TPが", 5 * card.value, "回復"), "green2");
    PlayEffect(g, "kaifuku.wav");
    ClampValues(g);
}

void UseBucket(Game& g, const titem& card) {
    PlayEffect(g, "water.wav");
    HealPlayer(g, WithSpiritBlessing(g, card.value));
    ReturnDiscards(g, card.value2 + Has(g, kHolyWater) + Has(g, kRainSheet));
}

void UseRucksack(Game& g, const titem& card) {
    const int km = card.value + Has(g, kRainSheet);
    AddLegs(g, km);
    Eat(g, 10);
    GainTp(g, 10);
    PlayEffect(g, "kaifuku.wav");
    LogLegs(g, km);
}

std::span<const CardReference> RecoveryCardReferences() { return kReferences; }

}  // namespace kestrilon
