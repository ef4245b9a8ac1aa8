#include "dungeon/cards/effect_common.h"

#include <array>
#include <cmath>
#include <string>

#include "battle/hp_change.h"
#include "books/books.h"
#include "books/draw.h"
#include "books/pile_moves.h"
#include "books/gains.h"
#include "data/book_holds.h"
#include "data/stats.h"
#include "dungeon/walk.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "render/pictures.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr std::string_view kUse = "dungeon card amounts";
constexpr CardReference kSpiritBlessing = CardWithId(309, CardKind::Dungeon, kUse);  // 星霊の加護
constexpr CardReference kPharmacy = CardWithId(307, CardKind::Dungeon, kUse);        // 薬学
constexpr CardReference kConstitution = CardWithId(308, CardKind::Dungeon, kUse);    // 体質変化
constexpr std::array kReferences = {kSpiritBlessing, kPharmacy, kConstitution};

// The raise of one percentage step; other percentages raise nothing.
int PharmacyRaise(int percent, int amount) {
    switch (percent) {
        case 25: return amount / 4 + 1;
        case 33: return amount / 3 + 1;
        case 50: return amount / 2 + 1;
        case 66: return static_cast<int>(std::trunc(amount * 0.66)) + 1;
        default: return 0;
    }
}

void GainLine(Game& g, std::string_view what, int n, std::string_view colour) {
    std::string line = "　";
    line.append(what).append(" ");
    AppendInt(line, n);
    line.append("回復");
    LogColour(g, line, colour);
}

}  // namespace

void MoveOn(Game& g, int km, std::string_view colour) {
    g.player.distanceWalked += km;
    std::string line = "　";
    AppendInt(line, km);
    line.append("km進んだ");
    if (colour.empty())
        Log(g, line);
    else
        LogColour(g, line, colour);
}

void ResolveEvent(Game& g, std::string_view picture) {
    SetEvent(g, EventCode::None, {});
    if (!picture.empty()) ZoomPictureLoad(g, picture);
}

int Carried(const Game& g, const CardReference& card) { return BookHolds(g, card); }
int Carried(const Game& g, std::string_view name) { return BookHolds(g, name); }

int WithSpiritBlessing(const Game& g, int amount) {
    return Carried(g, kSpiritBlessing) > 0 ? amount + amount / 2 : amount;
}

int MedicineRaise(const Game& g, int amount) {
    if (Carried(g, kPharmacy) <= 0) return amount;
    const int percent = g.cards[kPharmacy.id].value;
    amount += PharmacyRaise(percent, amount);
    if (Carried(g, kConstitution) > 0) amount += PharmacyRaise(percent, amount);
    return amount;
}

void HealPlayer(Game& g, int n, std::string_view label) { ApplyHpChange(g, kPlayerRow, n, label); }

void HurtPlayer(Game& g, int n, std::string_view label) {
    if (n > 0) ApplyHpChange(g, kPlayerRow, -n, label);
}

void GainMp(Game& g, int n) {
    g.player.mp += n;
    GainLine(g, "MPが", n, "pink4");
    ClampValues(g);
}

void GainTp(Game& g, int n) {
    g.player.tp += n;
    GainLine(g, "TPが", n, "green2");
    ClampValues(g);
}

void GainNuggets(Game& g, int n) { GainMoney(g, n); }

void ReturnDiscards(Game& g, int times) {
    bool returned = false;
    for (int k = 0; k < times; ++k) returned = ReturnFromDiscard(g) || returned;
    if (returned) PlayEffect(g, "card.wav");
}

void FloatCardPicture(Game& g, int id, int slot) {
    const int x = (slot % 4) * 200 + 100;
    const int y = (slot / 4) * 100 + 450;
    SpawnEffect(g, x, y, EffectKind::RisingPicture, g.cards[id].image);
}

bool TopUpHand(Game& g) {
    constexpr int kToppedUp = kHandSlots - 1;
    const int held = HandCount(g, Book::Dungeon);
    if (held >= kToppedUp) return false;
    RefillHand(g, Book::Dungeon, kToppedUp - held);
    g.dungeon.reopenHand = true;
    return true;
}

std::span<const CardReference> EffectCommonReferences() { return kReferences; }

}  // namespace kestrilon
