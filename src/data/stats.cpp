#include "data/stats.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "data/book_holds.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr std::string_view kMaxHpUse = "MaxHP";
constexpr std::string_view kThresholdUse = "action threshold";
constexpr std::string_view kDiscardUse = "discard hunger cost";

constexpr CardReference kPendant = NamedCard("逆光のペンダント", CardKind::Battle, kMaxHpUse);
constexpr std::array<CardReference, 6> kHalfStepCards = {
    NamedCard("タキオンの首飾り", CardKind::Battle, kThresholdUse),
    NamedCard("イクシオンの首飾り", CardKind::Battle, kThresholdUse),
    NamedCard("幻の砂", CardKind::Battle, kThresholdUse),
    NamedCard("少年少女達の気配", CardKind::Battle, kThresholdUse),
    NamedCard("ヴェルナの眼鏡", CardKind::Dungeon, kThresholdUse),
    NamedCard("タイムリープ", CardKind::Dungeon, kThresholdUse),
};
constexpr CardReference kFullStepCard = NamedCard("幻の宝珠砂", CardKind::Battle, kThresholdUse);
constexpr CardReference kSummonPendant = NamedCard("召喚のペンダント", CardKind::Battle, kThresholdUse);
// Each one carried makes a discard from the dungeon hand 4 hunger cheaper.
constexpr std::array<CardReference, 2> kDiscardCharms = {
    NamedCard("ヤムヤムの毛", CardKind::Dungeon, kDiscardUse),
    NamedCard("蒼燐のヤムヤム", CardKind::Dungeon, kDiscardUse),
};
constexpr int kDiscardHunger = 20;
constexpr int kDiscardCharmSaving = 4;

const HeldCardIndex& CurrentHeld(const Game& g) {
    const PlayerState& p = g.player;
    HeldCardIndex& held = p.held;
    if (held.built && held.book == p.BookContents) return held;
    held.book = p.BookContents;
    held.count = 0;
    for (int id = kCardIds - 1; id >= 0; --id) {
        if (p.BookContents[static_cast<size_t>(id)] != 0) held.ids[static_cast<size_t>(held.count++)] = static_cast<int16_t>(id);
    }
    held.built = true;
    return held;
}

// Every battle <Ability> card that exists counts, in the books or not.
int PendantPenalty(const Game& g) {
    int count = 0;
    for (const titem& card : g.cards.cards) {
        if (card.isAbility >= 1 && card.kind == CodeOf(CardKind::Battle) && !card.name.empty()) ++count;
    }
    return count;
}

const StatusBlock& StatusOf(const Game& g, int row) { return g.combatants[row].status; }

int Aged(const StatusBlock& s, int value) { return value - AgingReduction(s.aging.counter, value); }

int Up(const Status& s) { return s.Active() ? s.strength : 0; }

int Initial(const Game& g, int row, int32_t tenemy::*own, int32_t PlayerState::*base, int32_t titem::*bonus) {
    if (row != kPlayerRow) return g.combatants[row].*own;
    return g.player.*base + CardBonusSum(g, bonus);
}

}  // namespace

std::span<const int16_t> HeldCards(const Game& g) {
    const HeldCardIndex& held = CurrentHeld(g);
    return std::span<const int16_t>(held.ids.data(), static_cast<size_t>(held.count));
}

int CardBonusSum(const Game& g, int32_t titem::*field) {
    int sum = 0;
    for (const int16_t id : HeldCards(g)) sum += g.cards[id].*field * g.player.BookContents[static_cast<size_t>(id)];
    return sum;
}

int AgingReduction(int level, int value) {
    if (level < 1) return 0;
    // Exact integer form of trunc(level x 0.1 x value); both truncate toward zero.
    return static_cast<int>(static_cast<int64_t>(level) * value / 10) + 1;
}

int MaxHp(const Game& g) {
    const StatusBlock& s = StatusOf(g, kPlayerRow);
    int v = g.player.baseMaxHp + CardBonusSum(g, &titem::maxHp);
    if (BookHolds(g, kPendant) >= 1) v -= PendantPenalty(g);
    v += Up(s.maxHpUp);
    v = Aged(s, v);
    return std::max(v, 1);
}

int MaxMp(const Game& g) {
    const StatusBlock& s = StatusOf(g, kPlayerRow);
    const int v = Aged(s, g.player.baseMaxMp + CardBonusSum(g, &titem::maxMp));
    return std::max(v, 0);
}

int Attack(const Game& g, int row) {
    const StatusBlock& s = StatusOf(g, row);
    int v = Initial(g, row, &tenemy::attack, &PlayerState::baseAttack, &titem::str);
    v += Up(s.attackUp) - Up(s.attackDown);
    v = Aged(s, v) - Up(s.cold);
    return std::max(v, 0);
}

int Knowledge(const Game& g, int row) {
    const StatusBlock& s = StatusOf(g, row);
    int v = Initial(g, row, &tenemy::intelligence, &PlayerState::baseKnowledge, &titem::int_);
    v += Up(s.knowledgeUp);
    v = Aged(s, v) - Up(s.cold);
    return std::max(v, 0);
}

int Defence(const Game& g, int row) {
    const StatusBlock& s = StatusOf(g, row);
    int v = Initial(g, row, &tenemy::defence, &PlayerState::baseDefence, &titem::vit);
    v += Up(s.defenceUp) - Up(s.defenceDown);
    v = Aged(s, v);
    if (s.transparency.Active()) v /= 2;
    return std::max(v, 0);
}

int Spirit(const Game& g, int row) {
    const StatusBlock& s = StatusOf(g, row);
    int v = Initial(g, row, &tenemy::spirit, &PlayerState::baseSpirit, &titem::mnd);
    v += Up(s.spiritUp) - Up(s.spiritDown);
    if (s.darkness.Active()) v /= 2;
    v = Aged(s, v);
    return std::max(v, 0);
}

int Accuracy(const Game& g, int row) {
    const StatusBlock& s = StatusOf(g, row);
    int v = Initial(g, row, &tenemy::accuracy, &PlayerState::baseAccuracy, &titem::dex);
    v += Up(s.accuracyUp) - Up(s.accuracyDown) - Up(s.frostbite);
    v = Aged(s, v);
    return std::max(v, 0);
}

int Evasion(const Game& g, int row) {
    const StatusBlock& s = StatusOf(g, row);
    int v = Initial(g, row, &tenemy::evasion, &PlayerState::baseEvasion, &titem::agi);
    v += Up(s.evasionUp) - Up(s.evasionDown) - Up(s.frostbite);
    v = Aged(s, v);
    return std::max(v, 0);
}

int TpGain(const Game& g) { return std::max(5 + CardBonusSum(g, &titem::tpGain), 0); }

int CriticalBonus(const Game& g) { return CardBonusSum(g, &titem::critical); }

int ActionThreshold(const Game& g) {
    int t = 100;
    for (const CardReference& card : kHalfStepCards) {
        if (BookHolds(g, card) >= 1) t -= 5;
    }
    if (BookHolds(g, kFullStepCard) >= 1) t -= 10;
    if (BookHolds(g, kSummonPendant) >= 1) {
        const auto& summons = g.combatants[kPlayerRow].summons;
        if (std::any_of(summons.begin(), summons.end(), [](const tseirei& s) { return s.Present(); })) t -= 5;
    }
    return std::max(t, 40);
}

int DiscardHungerCost(const Game& g) {
    int cost = kDiscardHunger;
    for (const CardReference& charm : kDiscardCharms) {
        if (BookHolds(g, charm) >= 1) cost -= kDiscardCharmSaving;
    }
    return cost;
}

std::span<const CardReference> StatCardReferences() {
    static const std::vector<CardReference> references = [] {
        std::vector<CardReference> all = {kPendant, kFullStepCard, kSummonPendant};
        all.insert(all.end(), kHalfStepCards.begin(), kHalfStepCards.end());
        all.insert(all.end(), kDiscardCharms.begin(), kDiscardCharms.end());
        return all;
    }();
    return references;
}

// Enemy slots 1 .. 15 are kept in range; the last four slots are left as they are.
constexpr int kClampedEnemyRows = 15;

void ClampValues(Game& g) {
    PlayerState& p = g.player;
    p.hp = std::clamp(p.hp, 0, MaxHp(g));
    p.mp = std::clamp(p.mp, 0, MaxMp(g));
    p.tp = std::clamp(p.tp, 0, 100);
    p.hunger = std::clamp(p.hunger, 0, 100);
    p.secondaryGauge = std::clamp(p.secondaryGauge, 0, std::max(p.level * 10 + 50, 0));
    for (int32_t* counter : {&p.money, &p.goldNuggets, &p.ark, &p.slotRights, &p.spSlotRights, &p.deathCount}) {
        *counter = std::max(*counter, 0);
    }
    for (int row = 1; row <= kClampedEnemyRows; ++row) {
        tenemy& e = g.combatants[row];
        e.hp = std::clamp(e.hp, 0, std::max(e.maxHp, 0));
        e.mp = std::clamp(e.mp, 0, std::max(e.maxMp, 0));
        e.tp = std::clamp(e.tp, 0, 100);
        for (int32_t* stat : {&e.attack, &e.defence, &e.intelligence, &e.spirit, &e.accuracy, &e.evasion}) {
            *stat = std::max(*stat, 0);
        }
    }
}

}  // namespace kestrilon
