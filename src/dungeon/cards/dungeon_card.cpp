#include "dungeon/cards/dungeon_card.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "books/gains.h"
#include "data/card_database.h"
#include "dungeon/cards/effect_common.h"
#include "dungeon/cards/event_families.h"
#include "dungeon/cards/families.h"
#include "dungeon/cards/hand_use.h"
#include "dungeon/walk.h"
#include "render/message_log.h"
#include "state/game.h"

namespace kestrilon {
namespace {

struct FamilyRow {
    DungeonEffect effect;
    DungeonFamily use;
};

// Row k serves effect code k + 1.
constexpr std::array<FamilyRow, kDungeonEffectCodes.size()> kFamilies = {{
    {DungeonEffect::Walk, UseWalkingCard},
    {DungeonEffect::Ladle, UseLadle},
    {DungeonEffect::Boots, UseBoots},
    {DungeonEffect::Bread, UseBread},
    {DungeonEffect::ChestKey, UseKey},
    {DungeonEffect::Medicine, UseMedicine},
    {DungeonEffect::HealingWater, UseWater},
    {DungeonEffect::Decoder, UseDecoder},
    {DungeonEffect::SecretKey, UseSecretKey},
    {DungeonEffect::CampGoods, UseCampGoods},
    {DungeonEffect::TrapTool, UseTrapTool},
    {DungeonEffect::EscapePod, UseEscapePod},
    {DungeonEffect::CampKit, UseCampKit},
    {DungeonEffect::ExchangeKit, UseExchangeKit},
    {DungeonEffect::Axe, UseAxe},
    {DungeonEffect::ExchangePass, UseExchangePass},
    {DungeonEffect::Herb, UseHerb},
    {DungeonEffect::Pick, UsePick},
    {DungeonEffect::Drug, UseDrug},
    {DungeonEffect::DemonWater, UseDemonWater},
    {DungeonEffect::Wind, UseWind},
    {DungeonEffect::BlueWind, UseBlueWind},
    {DungeonEffect::DiscardingWind, UseDiscardingWind},
    {DungeonEffect::IronKey, UseIronKey},
    {DungeonEffect::RiteGateKey, UseGateKey},
    {DungeonEffect::LostRoadGateKey, UseGateKey},
    {DungeonEffect::Recycler, UseRecycler},
    {DungeonEffect::TimeLoop, UseTimeLoop},
    {DungeonEffect::SecondChance, UseSecondChance},
    {DungeonEffect::JumpShoes, UseJumpShoes},
    {DungeonEffect::HolyFountain, UseHolyFountain},
    {DungeonEffect::PointsAndWalk, UseFatma},
    {DungeonEffect::Serum, UseSerum},
    {DungeonEffect::Treatment, UseTreatment},
    {DungeonEffect::Glasses, UseGlasses},
    {DungeonEffect::Pen, UsePen},
    {DungeonEffect::Memo, UseMemo},
    {DungeonEffect::Cane, UseCane},
    {DungeonEffect::Bucket, UseBucket},
    {DungeonEffect::RedChestKey, UseRedChest},
    {DungeonEffect::Necklace, UseNecklace},
    {DungeonEffect::Earring, UseEarring},
    {DungeonEffect::SealedGateKey, UseGateKey},
    {DungeonEffect::SpringStaff, UseSpringStaff},
    {DungeonEffect::Rucksack, UseRucksack},
}};

constexpr bool EveryCodeInItsRow() {
    for (size_t k = 0; k < kFamilies.size(); ++k)
        if (CodeOf(kFamilies[k].effect) != static_cast<int32_t>(k) + 1) return false;
    return true;
}
static_assert(EveryCodeInItsRow(), "row k of the family table must serve effect code k + 1");

constexpr std::string_view kScoreUse = "card score";
constexpr CardReference kBlueMayday = CardWithId(927, CardKind::Dungeon, kScoreUse);    // 蒼燐のメイデイ
constexpr CardReference kAzurioMayday = CardWithId(928, CardKind::Dungeon, kScoreUse);  // ｱｽﾞﾘｵのメイデイ
constexpr CardReference kStarMayday = CardWithId(929, CardKind::Dungeon, kScoreUse);
constexpr CardReference kMaydayShoes = CardWithId(30, CardKind::Dungeon, kScoreUse);    // メイデイの靴
constexpr CardReference kMayday = CardWithId(930, CardKind::Dungeon, kScoreUse);        // メイデイ
constexpr std::array kScoreReferences = {kBlueMayday, kAzurioMayday, kStarMayday, kMaydayShoes, kMayday};

// Rarer cards score more; the Mayday charms now and then add their copies.
int CardScore(Game& g, const titem& card) {
    int points = 10 - card.maxCopies;
    struct Charm {
        CardReference card;
        int perCopy;
    };
    for (const Charm charm : {Charm{kBlueMayday, 1}, Charm{kAzurioMayday, 2}, Charm{kStarMayday, 3}}) {
        const int copies = Carried(g, charm.card);
        if (copies > 0 && g.Roll(4) == 0) points += charm.perCopy * copies;
    }
    if (Carried(g, kMaydayShoes) > 0) ++points;
    if (Carried(g, kMayday) > 0) ++points;
    return std::max(points, 1);
}

}  // namespace

DungeonFamily DungeonFamilyOf(int32_t action) {
    if (action < 1 || action > static_cast<int32_t>(kFamilies.size())) return nullptr;
    return kFamilies[static_cast<size_t>(action - 1)].use;
}

void UseDungeonCard(Game& g, int id) {
    if (!CardDatabase::ValidId(id)) return;
    if (g.player.hp <= 0) {
        SetEvent(g, EventCode::None, {});
        CheckRunEnd(g);
        return;
    }
    const titem& card = g.cards[id];
    LogColour(g, "＞" + card.name + "を使用", "blue2");
    GainScore(g, CardScore(g, card));
    g.player.mp -= card.mpCost;
    g.player.tp -= card.tpCost;
    if (const DungeonFamily use = DungeonFamilyOf(card.action)) use(g, card);
    // A blow on the way (a trap, a tree, a gate) kills at once, not at the next card.
    if (g.player.hp <= 0) CheckRunEnd(g);
}

std::span<const CardReference> DungeonCardEffectReferences() {
    static const std::vector<CardReference> references = [] {
        std::vector<CardReference> all(kScoreReferences.begin(), kScoreReferences.end());
        for (const auto list : {EffectCommonReferences(), WalkingCardReferences(), RecoveryCardReferences(),
                                HandUseCardReferences()})
            all.insert(all.end(), list.begin(), list.end());
        return all;
    }();
    return references;
}

}  // namespace kestrilon
