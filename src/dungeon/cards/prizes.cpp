// Axes at trees and picks at strata, and the cards that wood and strata yield.
#include <array>

#include "books/gains.h"
#include "data/card_database.h"
#include "dungeon/cards/effect_common.h"
#include "dungeon/cards/event_card_references.h"
#include "dungeon/cards/event_families.h"
#include "dungeon/walk.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr std::string_view kUse = "wood and strata prizes";
constexpr CardReference kTimeAxe = CardWithId(512, CardKind::Dungeon, kUse);  // 時の斧

// What a tree or a stratum yields when the search for one of this dungeon's cards gives up.
constexpr std::array kWoodFallbacks = {
    CardWithId(1009, CardKind::Battle, kUse),
    CardWithId(1500, CardKind::Battle, kUse),
    CardWithId(1600, CardKind::Battle, kUse),
};
constexpr std::array kStrataFallbacks = {
    CardWithId(1510, CardKind::Battle, kUse),
    CardWithId(1004, CardKind::Battle, kUse),
    CardWithId(1750, CardKind::Battle, kUse),
};

constexpr int kProbeFailures = 9990;  // random ids tried before the fallback
constexpr int kFindChance = 5;        // 4 in 5 a felled tree or a dug stratum yields a card

// A random card that the current dungeon's trees (or strata) yield, found by probing
// random ids; the probe gives up after kProbeFailures misses and takes a fallback.
int Prize(Game& g, int32_t CardTerms::*dungeonOf, const std::array<CardReference, 3>& fallbacks) {
    for (int failures = 0; failures <= kProbeFailures; ++failures) {
        const int id = g.Roll(kCardIds);
        if (g.cards[id].Exists() && CardTermsOf(id).*dungeonOf == g.dungeon.number) return id;
    }
    return fallbacks[static_cast<size_t>(g.Roll(static_cast<int>(fallbacks.size())))].id;
}

// Hunger, the picture, the line and one km: what felling and digging have in common.
void Worked(Game& g, std::string_view picture, std::string_view line) {
    SetEvent(g, EventCode::None, {});
    Eat(g, -1);
    ZoomPictureLoad(g, picture);
    Log(g, line);
    MoveOn(g, 1);
}

}  // namespace

void UseAxe(Game& g, const titem&) {
    PlayEffect(g, "ken.wav");
    Worked(g, "tree2.bmp", "　木を伐採した!!");
    if (g.Roll(kFindChance) == 0) {
        Log(g, "　何も取れなかった....");
        return;
    }
    const int id = Prize(g, &CardTerms::treeDungeon, kWoodFallbacks);
    GainOneCard(g, id);
    if (Carried(g, kTimeAxe) > 0 && g.Roll(3) == 0) GainOneCard(g, id);
}

void UsePick(Game& g, const titem&) {
    PlayEffect(g, "tisou.wav");
    Worked(g, "tisou.bmp", "　地層を掘り返した!!");
    if (g.Roll(kFindChance) == 0) {
        Log(g, "　何も取れなかった....");
        return;
    }
    GainOneCard(g, Prize(g, &CardTerms::strataDungeon, kStrataFallbacks));
}

std::span<const CardReference> PrizeCardReferences() {
    static constexpr std::array kRefs = {kTimeAxe,           kWoodFallbacks[0],   kWoodFallbacks[1], kWoodFallbacks[2],
                                         kStrataFallbacks[0], kStrataFallbacks[1], kStrataFallbacks[2]};
    return kRefs;
}

}  // namespace kestrilon
