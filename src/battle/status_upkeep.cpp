#include "battle/status_upkeep.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "battle/battle_hand.h"
#include "battle/hp_change.h"
#include "data/book_holds.h"
#include "data/stats.h"
#include "render/message_log.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr std::string_view kUse = "turn upkeep";
constexpr CardReference kMeleePower = CardWithId(2104, CardKind::Battle, kUse);   // 力の腰巻
constexpr CardReference kMagicPower = CardWithId(2105, CardKind::Battle, kUse);   // 魔力の腰巻
constexpr CardReference kBulletPower = CardWithId(2201, CardKind::Battle, kUse);  // ライフル
constexpr CardReference kArrowPower = CardWithId(1705, CardKind::Battle, kUse);   // 鷹の目
constexpr CardReference kMeditation = CardWithId(1721, CardKind::Battle, kUse);   // 瞑想の心得
constexpr CardReference kManaCycle = CardWithId(1722, CardKind::Battle, kUse);    // 魔力循環の心得
constexpr CardReference kBeastLore = CardWithId(1723, CardKind::Battle, kUse);    // 精霊獣の心得
constexpr std::array kReferences = {kMeleePower, kMagicPower, kBulletPower, kArrowPower,
                                    kMeditation, kManaCycle,  kBeastLore};

constexpr int kApathyTp = 10;
constexpr int kBeastLoreMp = 1;
constexpr int kBeastLoreTp = 5;
constexpr int32_t kNoProtector = -1;

using StatusField = Status StatusBlock::*;
using Attribute = int32_t tenemy::*;

// An ailment that hurts every turn under its label; one attribute of the owner voids it and
// another turns it into a heal.
struct HurtingAilment {
    StatusField status;
    std::string_view label;
    Attribute voidedBy = nullptr;
    Attribute healsWith = nullptr;
};

constexpr std::array<HurtingAilment, 7> kAttributedAilments = {{
    {&StatusBlock::poison, "毒", &tenemy::poisonImmunity, &tenemy::water},
    {&StatusBlock::sickness, "病気", &tenemy::poisonImmunity, &tenemy::water},
    {&StatusBlock::melt, "溶解", nullptr, &tenemy::water},
    {&StatusBlock::airPressure, "空圧", &tenemy::meleeResistance, &tenemy::wind},
    {&StatusBlock::frostbite, "凍傷", &tenemy::fire, &tenemy::ice},
    {&StatusBlock::cold, "風邪", &tenemy::fire, &tenemy::ice},
    {&StatusBlock::darkness, "暗黒", &tenemy::light, &tenemy::dark},
}};

constexpr std::array<HurtingAilment, 3> kWounds = {{
    {&StatusBlock::cut, "切傷"},
    {&StatusBlock::bruise, "打撲"},
    {&StatusBlock::gunWound, "銃傷"},
}};

// A status that runs out with a line; an empty line runs out silently.
struct TimedStatus {
    StatusField status;
    std::string_view expiry;
};

constexpr std::array<TimedStatus, 16> kTimedBuffs = {{
    {&StatusBlock::evasionUp, "....回避UPの効果が切れた"},
    {&StatusBlock::knowledgeUp, "....知力UPの効果が切れた"},
    {&StatusBlock::attackUp, "....攻撃UPの効果が切れた"},
    {&StatusBlock::accuracyUp, "....命中UPの効果が切れた"},
    {&StatusBlock::defenceUp, "....防御UPの効果が切れた"},
    {&StatusBlock::spiritUp, "....精神UPの効果が切れた"},
    {&StatusBlock::thunderArmour, "....サンダースパイクの効果が切れた"},
    {&StatusBlock::thunderUp, "....雷UPの効果が切れた"},
    {&StatusBlock::fireArmour, "....ファイアウォールの効果が切れた"},
    {&StatusBlock::fireUp, "....火UPの効果が切れた"},
    {&StatusBlock::earthArmour, "....ストーンウォールの効果が切れた"},
    {&StatusBlock::waterArmour, "....ウォーターベールの効果が切れた"},
    {&StatusBlock::invincible, "....無敵の効果が切れた"},
    {&StatusBlock::guard, "....<守>の効果が切れた"},
    {&StatusBlock::promise, "....約束の効果が切れた"},
    {&StatusBlock::speedUp, "....攻撃間隔Upの効果が切れた"},
}};

constexpr std::array<TimedStatus, 9> kTimedAilments = {{
    {&StatusBlock::attackDown, "....攻撃Downの効果が切れた"},
    {&StatusBlock::defenceDown, "....防御Downの効果が切れた"},
    {&StatusBlock::spiritDown, "....精神Downの効果が切れた"},
    {&StatusBlock::accuracyDown, "....命中Downの効果が切れた"},
    {&StatusBlock::evasionDown, "....回避Downの効果が切れた"},
    {&StatusBlock::speedDown, "....攻撃間隔Downの効果が切れた"},
    {&StatusBlock::shock, "....感電が切れた"},
    {&StatusBlock::burn, "....火傷が切れた"},
    {&StatusBlock::transparency, ""},
}};

bool IsPlayer(int row) { return row == kPlayerRow; }

StatusBlock& StatusOf(Game& g, int row) { return g.combatants[row].status; }
// The player's gauges live in the player record, an enemy's in its slot.
int32_t& MpOf(Game& g, int row) { return IsPlayer(row) ? g.player.mp : g.combatants[row].mp; }
int32_t& TpOf(Game& g, int row) { return IsPlayer(row) ? g.player.tp : g.combatants[row].tp; }

bool Carries(const Game& g, const CardReference& card) { return BookHolds(g, card) > 0; }

// Every change is clamped at once, so a gauge at its limit never carries a debt or a surplus
// into the next change.
void AddMp(Game& g, int row, int n) {
    MpOf(g, row) += n;
    ClampValues(g);
}
void AddTp(Game& g, int row, int n) {
    TpOf(g, row) += n;
    ClampValues(g);
}

// One turn off an active status; true when this was its last. Only a status that was active
// counts down, so an idle one never shows an expiry line.
bool Tick(Status& status) {
    if (!status.Active()) return false;
    --status.counter;
    return status.counter == 0;
}

// Ticks the status; when it runs out its line is logged and its strength cleared.
void Expire(Game& g, Status& status, std::string_view expiry, int32_t cleared = 0) {
    if (!Tick(status)) return;
    if (!expiry.empty()) Log(g, expiry);
    status.strength = cleared;
}

std::string ExpiryOf(std::string_view label) { return "...." + std::string(label) + "の効果が切れた"; }

void Hurt(Game& g, int row, const HurtingAilment& ailment) {
    Status& status = StatusOf(g, row).*ailment.status;
    if (!status.Active()) return;
    const tenemy& owner = g.combatants[row];
    int change = -status.strength;
    if (ailment.voidedBy != nullptr && owner.*ailment.voidedBy > 0) {
        change = 0;
    } else if (ailment.healsWith != nullptr && owner.*ailment.healsWith > 0) {
        change = status.strength;
    }
    ApplyHpChange(g, row, change, ailment.label);
    Expire(g, status, ExpiryOf(ailment.label));
}

// The power abilities draw on MP only while there is enough for their whole cost.
void PowerAbilityCosts(Game& g) {
    const int32_t& mp = g.player.mp;
    if (Carries(g, kMeleePower) && mp > 1) AddMp(g, kPlayerRow, -2);
    if (Carries(g, kMagicPower) && mp > 0) AddMp(g, kPlayerRow, -1);
    if (Carries(g, kBulletPower) && mp > 0) AddMp(g, kPlayerRow, -1);
    if (Carries(g, kArrowPower) && mp > 1) AddMp(g, kPlayerRow, -2);
}

void Apathy(Game& g, int row) {
    Status& apathy = StatusOf(g, row).apathy;
    if (!apathy.Active()) return;
    AddTp(g, row, -kApathyTp);
    std::string line = "　TP -";
    AppendInt(line, kApathyTp);
    Log(g, line);
    Expire(g, apathy, "....無気力が切れた");
}

void HealingBuffs(Game& g, int row) {
    StatusBlock& status = StatusOf(g, row);
    if (status.foot.Active()) {
        ClampHeal(g, row, status.foot.strength);
        ClampValues(g);
    }
    Expire(g, status.foot, "....<足>化の効果が切れた");
    if (status.autoHeal.Active()) ApplyHpChange(g, row, status.autoHeal.strength);
    Expire(g, status.autoHeal, "....オートヒールの効果が切れた");
    if (status.autoMagic.Active()) AddMp(g, row, status.autoMagic.strength);
    Expire(g, status.autoMagic, "....オートマジカルの効果が切れた");
    if (status.autoTechnical.Active()) AddTp(g, row, status.autoTechnical.strength);
    Expire(g, status.autoTechnical, "....オートテクニカルの効果が切れた");
}

// MP the player's carried lore gives back every turn.
void ItemRegenerations(Game& g) {
    if (Carries(g, kMeditation)) AddMp(g, kPlayerRow, 1);
    if (Carries(g, kManaCycle)) AddMp(g, kPlayerRow, 1);
    if (!Carries(g, kBeastLore)) return;
    for (const tseirei& beast : g.combatants[kPlayerRow].summons) {
        if (!beast.Present()) continue;
        AddMp(g, kPlayerRow, kBeastLoreMp);
        AddTp(g, kPlayerRow, kBeastLoreTp);
    }
}

void TimedBuffs(Game& g, int row) {
    StatusBlock& status = StatusOf(g, row);
    for (const TimedStatus& buff : kTimedBuffs) {
        Status& timed = status.*buff.status;
        if (buff.status == &StatusBlock::waterArmour && timed.Active()) ApplyHpChange(g, row, timed.strength);
        // A guard that runs out leaves no protector row behind, not row 0.
        const int32_t cleared = buff.status == &StatusBlock::guard ? kNoProtector : 0;
        Expire(g, timed, buff.expiry, cleared);
    }
}

bool HasBeasts(const Game& g, int row) {
    const auto& summons = g.combatants[row].summons;
    return std::any_of(summons.begin(), summons.end(), [](const tseirei& beast) { return beast.Present(); });
}

void BombCountdown(Game& g, int row) {
    Status& bomb = StatusOf(g, row).bomb;
    if (!Tick(bomb)) {
        if (!bomb.Active()) return;
        std::string line = "爆発までのカウントダウン....";
        AppendInt(line, bomb.counter);
        Log(g, line);
        return;
    }
    LogColour(g, "　ＢＯＭＢ！！！", "red");
    SelfDestruct(g, row);
}

}  // namespace

void HungerUpkeep(Game& g) {
    PlayerState& p = g.player;
    if (p.hunger < 1) {
        const int loss = MaxHp(g) / 50 + 1;
        std::string line = "お腹が減ってフラフラする....HP-";
        AppendInt(line, loss);
        LogColour(g, line, "red");
        p.hp -= loss;
    }
    p.hunger = std::max(0, p.hunger - 1);
}

void TurnUpkeep(Game& g, int row) {
    if (IsPlayer(row)) {
        HungerUpkeep(g);
        PowerAbilityCosts(g);
    }
    StatusTicks(g, row);
}

void StatusTicks(Game& g, int row) {
    EXPECTS(row >= 0 && row < kCombatantRows);
    StatusBlock& status = StatusOf(g, row);
    for (const HurtingAilment& ailment : kAttributedAilments) Hurt(g, row, ailment);
    Apathy(g, row);
    for (const HurtingAilment& wound : kWounds) Hurt(g, row, wound);
    Expire(g, status.aging, "....老化の効果が切れた");
    HealingBuffs(g, row);
    Expire(g, status.maxHpUp, "....最大HPUPの効果が切れた");
    if (IsPlayer(row)) ItemRegenerations(g);
    TimedBuffs(g, row);
    for (const TimedStatus& ailment : kTimedAilments) Expire(g, status.*ailment.status, ailment.expiry);
    if (g.battle.battleOn == 1 && HasBeasts(g, row)) SpiritBeastsAct(g, row);
    BombCountdown(g, row);
    ClampValues(g);  // a MaxHP+ or an aging that ran out may leave HP above the new maximum
}

std::span<const CardReference> StatusUpkeepCardReferences() { return kReferences; }

}  // namespace kestrilon
