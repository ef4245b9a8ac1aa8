// Keys and what they open: treasure, iron, red and secret chests, the three gates, and the
// tools that disarm traps.
#include <algorithm>
#include <array>
#include <string>

#include "books/gains.h"
#include "data/card_database.h"
#include "data/stats.h"
#include "dungeon/cards/effect_common.h"
#include "dungeon/cards/event_card_references.h"
#include "dungeon/cards/event_families.h"
#include "dungeon/walk.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr std::string_view kUse = "chest and gate cards";
constexpr CardReference kPhantomShoes = CardWithId(22, CardKind::Dungeon, kUse);  // ファントムシューズ
constexpr CardReference kBasicCard = CardWithId(1, CardKind::Dungeon, kUse);      // 足, fills the gate key's place

// The three gated dungeons in the order of DungeonState::gateOpen, the family of the keys
// that open each gate, and the key a chest there may hold.
struct GateRow {
    int dungeon;
    DungeonEffect keyFamily;
    CardReference key;
};
constexpr std::array<GateRow, 3> kGates = {{
    {3, DungeonEffect::RiteGateKey, CardWithId(297, CardKind::Dungeon, kUse)},       // リ・テの門の鍵
    {9, DungeonEffect::LostRoadGateKey, CardWithId(296, CardKind::Dungeon, kUse)},   // 失われた廃道の門の鍵
    {19, DungeonEffect::SealedGateKey, CardWithId(255, CardKind::Dungeon, kUse)},    // 魔封門の門の鍵
}};

// Indices into DungeonRecord::chestPrizes.
constexpr size_t kPrizeA = 0;     // field 8
constexpr size_t kPrizeB = 1;     // field 9
constexpr size_t kPrizeC = 2;     // field 10
constexpr size_t kPrizeD = 3;     // field 11
constexpr size_t kPrizeE = 4;     // field 12
constexpr size_t kPillPrize = 5;  // field 13

constexpr int kOrbChests = 5;  // EX clears of a dungeon before its chests hold battle orbs

const DungeonRecord& Here(const Game& g) { return g.dungeon.table[0]; }
size_t HereIndex(const Game& g) { return static_cast<size_t>(g.dungeon.number); }

// The chest is open: nothing stands in front of the player, but its opened picture shows.
void Opened(Game& g, std::string_view line, std::string_view picture) {
    LogColour(g, line, "yellow");
    SetEvent(g, EventCode::None, {});
    ZoomPictureLoad(g, picture);
}

int ChestPrize(const Game& g, size_t column) { return Here(g).chestPrizes[column]; }

void RarePrize(Game& g, int id) {
    PlayEffect(g, "rare.wav");
    GainOneCard(g, id);
}

void Trap(Game& g, int damage) {
    Log(g, "罠だ！！");
    HurtPlayer(g, damage);
}

void Herbs(Game& g) {
    LogColour(g, "　薬草が入っていた", "aqua2");
    HealPlayer(g, MaxHp(g) / 10 + 1);
}

// Nuggets or one of the first two chest prizes; shared by iron and red chests.
void NuggetsOrPrize(Game& g) {
    switch (g.Roll(3)) {
        case 0: GainNuggets(g, Here(g).difficulty * 5 + 5 + g.Roll(3)); break;
        case 1: GainOneCard(g, ChestPrize(g, kPrizeA)); break;
        default: GainOneCard(g, ChestPrize(g, kPrizeB)); break;
    }
}

void BattleOrbOrNuggets(Game& g) {
    PlayerState& p = g.player;
    const size_t d = HereIndex(g);
    const bool orbs = d < p.exCounts.size() && p.exCounts[d] >= kOrbChests;
    if (orbs && (g.Roll(2) == 0 || Carried(g, kPhantomShoes) > 0)) {
        ++p.battleOrbs[d];
        LogColour(g, "EVENT ITEM【" + Here(g).name + "の戦いの宝珠】を入手した!!", "rainbow");
        PlayEffect(g, "new.wav");
        PlayEffect(g, "item_Get.wav");
        return;
    }
    GainNuggets(g, Here(g).difficulty * 5 + 5 + g.Roll(3));
}

void OneOfThreePrizes(Game& g) {
    const int roll = g.Roll(4);
    const int prize = ChestPrize(g, roll <= 1 ? kPrizeC : roll == 2 ? kPrizeD : kPrizeE);
    if (prize == 0) {
        Log(g, "　....何も入っていなかった....");
        return;
    }
    RarePrize(g, prize);
}

void PillPrize(Game& g) {
    const int prize = ChestPrize(g, kPillPrize);
    if (prize != 0) {
        RarePrize(g, prize);
        return;
    }
    LogColour(g, "　丸薬が入っていた", "aqua2");
    HealPlayer(g, MaxHp(g) / 20 + 1);
}

const GateRow* GateOf(int dungeon) {
    for (const GateRow& gate : kGates)
        if (gate.dungeon == dungeon) return &gate;
    return nullptr;
}

size_t GateIndex(const GateRow& gate) { return static_cast<size_t>(&gate - kGates.data()); }

// The gate key turns up in a chest only where it is still needed.
void GateKeyOrRations(Game& g) {
    const GateRow* gate = GateOf(g.dungeon.number);
    if (gate != nullptr && g.dungeon.gateOpen[GateIndex(*gate)] == 0 &&
        g.player.CardCollection[static_cast<size_t>(gate->key.id)] == 0) {
        GainOneCard(g, gate->key.id);
        return;
    }
    LogColour(g, "　非常食が入っていた", "pink5");
    Eat(g, 8 + g.Roll(5));
}

void ChestOutcome(Game& g) {
    switch (g.Roll(5)) {
        case 0:
            PlayEffect(g, "rare.wav");
            GainOneCard(g, ChestPrize(g, g.Roll(3) == 0 ? kPrizeB : kPrizeA));
            break;
        case 1: BattleOrbOrNuggets(g); break;
        case 2: OneOfThreePrizes(g); break;
        case 3: PillPrize(g); break;
        default: GateKeyOrRations(g); break;
    }
}

}  // namespace

void UseKey(Game& g, const titem& card) {
    PlayEffect(g, "keyopen.wav");
    Opened(g, "宝箱を開けた!", "trager2.bmp");
    if (card.value >= 1) HealPlayer(g, card.value);
    ChestOutcome(g);
    if (card.value2 >= 1) MoveOn(g, card.value2);
}

void UseSecretKey(Game& g, const titem&) {
    PlayEffect(g, "keyopen.wav");
    Opened(g, "秘宝の宝箱を開けた!", "trager3.bmp");
    const size_t d = HereIndex(g);
    if (d < g.player.treasureCounts.size()) ++g.player.treasureCounts[d];
    const int treasure = Here(g).secretTreasure;
    GainOneCard(g, treasure);
    PlayEffect(g, "reaitem1.wav");
    if (treasure != 0 && CardDatabase::ValidId(treasure)) {
        SpawnEffect(g, 400, 200, EffectKind::WhiteBigCaption, "秘宝" + g.cards[treasure].name + "入手!!");
    }
}

void UseIronKey(Game& g, const titem&) {
    PlayEffect(g, "keyopen.wav");
    Opened(g, "鉄の宝箱を開けた!", "trager8.bmp");
    switch (g.Roll(5)) {
        case 0: RarePrize(g, Here(g).ironChestPrize); break;
        case 1: NuggetsOrPrize(g); break;
        case 2: Trap(g, MaxHp(g) / 10 + 1); break;
        case 3: Herbs(g); break;
        default:
            LogColour(g, "　非常食が入っていた", "pink5");
            Eat(g, 10 + g.Roll(5));
            break;
    }
}

void UseRedChest(Game& g, const titem&) {
    Opened(g, "赤い宝箱を開けた!", "trager6.bmp");
    switch (g.Roll(4)) {
        case 0: RarePrize(g, Here(g).redChestPrize); break;
        case 1: NuggetsOrPrize(g); break;
        case 2: Trap(g, MaxHp(g) / 5 + 1); break;
        default: Herbs(g); break;
    }
}

void UseGateKey(Game& g, const titem& card) {
    PlayerState& p = g.player;
    PlayEffect(g, "keyopen.wav");
    PlayEffect(g, "door.wav");
    SetEvent(g, EventCode::None, {});
    Log(g, "　門が開いた!!");
    // The key is spent for good. Every copy leaves the books, since none is owned any more,
    // and the basic card takes their places so the book keeps its size.
    const int id = CardIdByName(g, card.name);
    if (id > 0) {
        const size_t key = static_cast<size_t>(id);
        p.BookContents[static_cast<size_t>(kBasicCard.id)] += std::max(p.BookContents[key], 0);
        p.CardCollection[key] = 0;
        p.BookContents[key] = 0;
    }
    for (const GateRow& gate : kGates)
        if (CodeOf(gate.keyFamily) == card.action) g.dungeon.gateOpen[GateIndex(gate)] = 1;
    Log(g, "　『" + card.name + "』はブックからも所持品からも消滅した");
}

void UseTrapTool(Game& g, const titem& card) {
    PlayEffect(g, "trap.wav");
    LogColour(g, "　トラップを解除した!!", "aqua3");
    g.dungeon.trapLevel = 0;
    SetEvent(g, EventCode::None, {});
    if (card.value >= 1) MoveOn(g, card.value);
    const int prize = Here(g).trapPrize;
    if (g.Roll(10) == 0 && prize != 0) RarePrize(g, prize);
}

std::span<const CardReference> ChestCardReferences() {
    static constexpr std::array kRefs = {kPhantomShoes, kBasicCard, kGates[0].key, kGates[1].key, kGates[2].key};
    return kRefs;
}

}  // namespace kestrilon
