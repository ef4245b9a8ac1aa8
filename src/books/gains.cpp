#include "books/gains.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/book_holds.h"
#include "data/capacity.h"
#include "data/stats.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr EffectKind kScoreEffect = EffectKind::SinkingText;
constexpr EffectKind kLevelUpEffect = EffectKind::GoldBandWithText;
constexpr int kStaggerStep = 30;
constexpr int kStaggerLimit = 150;

constexpr int kSlotCardAllowance = 10;

constexpr std::string_view kScoreUse = "score bonus";
constexpr std::string_view kMoneyUse = "money bonus";
constexpr CardReference DungeonCard(int id, std::string_view use) { return CardWithId(id, CardKind::Dungeon, use); }
constexpr CardReference BattleCard(int id, std::string_view use) { return CardWithId(id, CardKind::Battle, use); }

// Each copy in the books adds to every score and every money gain.
constexpr CardReference kMagdaSword = NamedCard("マグダの剣", CardKind::Battle, "score and money bonus");
// Carried cards that add one point to every score.
constexpr std::array<CardReference, 9> kScoreCharms = {
    DungeonCard(47, kScoreUse),  BattleCard(1542, kScoreUse), DungeonCard(932, kScoreUse),
    DungeonCard(922, kScoreUse), DungeonCard(924, kScoreUse), BattleCard(1673, kScoreUse),
    BattleCard(1486, kScoreUse), BattleCard(1129, kScoreUse), DungeonCard(943, kScoreUse),
};
constexpr std::array<CardReference, 3> kMoneyItems = {
    NamedCard("ヴォマクトソード", CardKind::Battle, kMoneyUse),
    NamedCard("ヴォマクト鉄", CardKind::Battle, kMoneyUse),
    kMagdaSword,
};
// Carried cards that add one to every money gain.
constexpr std::array<CardReference, 12> kMoneyCharms = {
    BattleCard(1542, kMoneyUse), DungeonCard(941, kMoneyUse), DungeonCard(932, kMoneyUse), DungeonCard(47, kMoneyUse),
    DungeonCard(109, kMoneyUse), DungeonCard(922, kMoneyUse), DungeonCard(924, kMoneyUse), BattleCard(1486, kMoneyUse),
    DungeonCard(21, kMoneyUse),  BattleCard(1371, kMoneyUse), BattleCard(1855, kMoneyUse), DungeonCard(943, kMoneyUse),
};

bool InDungeon(const Game& g) { return g.dungeon.number >= 1; }

template <size_t N>
int HeldCount(const Game& g, const std::array<CardReference, N>& cards) {
    return static_cast<int>(
        std::count_if(cards.begin(), cards.end(), [&](const CardReference& card) { return BookHolds(g, card) > 0; }));
}

bool ScoreEffectActive(const Game& g) {
    const EffectTable& fx = g.effects;
    for (int s = 0; s < kEffectSlots; ++s) {
        if (fx.timer[static_cast<size_t>(s)] >= 1 && fx.kind[static_cast<size_t>(s)] == KindCode(kScoreEffect)) return true;
    }
    return false;
}

int CardScore(const titem& card, int count) {
    int points = count * 2 * std::max(1, 10 - card.maxCopies);
    if (card.isRare >= 1) points += 10;
    if (card.isUltraRare >= 1) points += 20;
    if (card.isSecret >= 1) points += 30;
    return points;
}

int SlotCardsOwned(const Game& g) {
    int copies = 0;
    for (int id = 0; id < kCardIds; ++id) {
        if (g.cards[id].isSeries >= 1) copies += g.player.CardCollection[static_cast<size_t>(id)];
    }
    if (g.player.unlockFlags[kFlagSlotAllowance] >= 1) copies -= kSlotCardAllowance;
    return copies;
}

}  // namespace

void GainScore(Game& g, int n) {
    if (!InDungeon(g) || n <= 0) return;
    PlayerState& p = g.player;
    const int points = n + BookHolds(g, kMagdaSword) + HeldCount(g, kScoreCharms);
    p.score += points;
    p.scoreCheck += points * 2;

    p.scoreStagger = ScoreEffectActive(g) ? p.scoreStagger + kStaggerStep : 0;
    if (p.scoreStagger > kStaggerLimit) p.scoreStagger = 0;
    std::string text = "+";
    AppendInt(text, points);
    SpawnEffect(g, p.scoreAnchorX + p.scoreStagger, 2, kScoreEffect, text);
}

void GainMoney(Game& g, int n) {
    if (n <= 0) return;
    PlayerState& p = g.player;
    int amount = n + HeldCount(g, kMoneyCharms);
    for (const CardReference& item : kMoneyItems) amount += BookHolds(g, item);

    std::string line;
    if (!InDungeon(g)) {
        p.money += amount;
        PlayEffect(g, "coin.wav");
        line = "　お金 ";
        AppendInt(line, amount);
        line += "円を入手";
        LogColour(g, line, "yellow2");
        return;
    }
    p.goldNuggets += amount;
    PlayEffect(g, "kinkai.wav");
    line = "　金塊 ";
    AppendInt(line, amount);
    line += "gを入手";
    LogColour(g, line, "yellow3");
    if (p.goldNuggets > 4 && p.unlockFlags[kFlagNuggetHint] == 0) {
        p.unlockFlags[kFlagNuggetHint] = 1;
        LogIcon(g, "→金塊は、無事に持ち帰れば、お金に換金できます。", "hint", "hint.bmp");
    }
}

std::span<const CardReference> GainCardReferences() {
    static const std::vector<CardReference> references = [] {
        std::vector<CardReference> all(kScoreCharms.begin(), kScoreCharms.end());
        all.insert(all.end(), kMoneyItems.begin(), kMoneyItems.end());
        all.insert(all.end(), kMoneyCharms.begin(), kMoneyCharms.end());
        return all;
    }();
    return references;
}

void GainCard(Game& g, int id, int count) {
    if (!CardDatabase::ValidId(id)) return;
    PlayerState& p = g.player;
    const size_t i = static_cast<size_t>(id);
    const titem& card = g.cards[id];
    if (InDungeon(g) && p.unlockFlags[kFlagFirstCardHint] == 0) p.unlockFlags[kFlagFirstCardHint] = 1;

    PlayEffect(g, "item_get.wav");
    p.CardCollection[i] += count;
    if (p.obtainedEver[i] == 0) {
        LogColour(g, "New card", "rainbow");
        PlayEffect(g, "new.wav");
        p.obtainedEver[i] = 1;
    }
    p.recentlyObtained[i] = 2;

    std::string line = card.kind == 1 ? "D.card" : "Battle.card";
    line += "【";
    line += card.name;
    line += "】を ";
    AppendInt(line, count);
    line += "枚入手した(所持:";
    AppendInt(line, p.CardCollection[i]);
    line += "枚)";
    const int points = InDungeon(g) ? CardScore(card, count) : 0;
    LogBadge(g, line, "green", std::max(points, 0), CardFramePicture(g, id));
    GainScore(g, points);

    CheckLevel(g);
}

void GainOneCard(Game& g, int id) {
    if (id != 0) GainCard(g, id, 1);
}

void Eat(Game& g, int n) {
    PlayerState& p = g.player;
    if (n > 0) {
        PlayEffect(g, "taberu.wav");
        p.hunger += n;
        std::string line = "　お腹が ";
        AppendInt(line, n);
        line += "回復";
        LogColour(g, line, "pink5");
    } else {
        p.hunger += n;
    }
    ClampValues(g);
}

int CardKindsOwned(const Game& g) {
    const CardCounts& owned = g.player.CardCollection;
    return static_cast<int>(std::count_if(owned.begin(), owned.end(), [](int32_t copies) { return copies >= 1; }));
}

void CheckLevel(Game& g) {
    PlayerState& p = g.player;
    const int kinds = CardKindsOwned(g);
    if (kinds <= 0 || p.level >= kinds / 5) return;

    PlayEffect(g, "quest_item.wav");
    PlayEffect(g, "gousei_lvup.wav");
    ++p.level;
    std::string text = "LEVEL UP→";
    AppendInt(text, p.level);
    SpawnEffect(g, 0, 200, kLevelUpEffect, text);

    std::string line = "　取得カードが ";
    AppendInt(line, kinds);
    line += "種を超え、Lvが ";
    AppendInt(line, p.level);
    line += "になった!!";
    LogColour(g, line, "yellow");

    if (SlotCardsOwned(g) < p.level) {
        ++p.slotRights;
        LogColour(g, "　蒼燐スロット権 +1", "pink");
    } else {
        LogColour(g, "　スロットカード枚数がLvUP分より多かったためスロット権は今回入手されなかった", "gray");
    }

    if (p.level >= 1 && p.level <= 5) {
        PlayEffect(g, "bp.wav");
        line = "　ブックの収納数が";
        AppendInt(line, BookCapacity(g));
        line += "枚になった。";
        LogColour(g, line, "pink");
    }
}

}  // namespace kestrilon
