// Cards that work on the hand and the piles: winds, recyclers, time loops, second chances,
// the holy fountain, and the memo, cane, necklace and earring that find an event's card.
#include <string>

#include "books/books.h"
#include "books/draw.h"
#include "books/pile_moves.h"
#include "dungeon/cards/effect_common.h"
#include "dungeon/cards/families.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kEarringReturns = 7;
constexpr std::string_view kNotFound = "適当なカードが見つからなかった";

int HandCard(const Game& g, int slot) { return HandOf(g, Book::Dungeon)[static_cast<size_t>(slot)].card; }

bool IsAbility(const Game& g, int slot) {
    const int id = HandCard(g, slot);
    return id > 0 && g.cards[id].isAbility >= 1;
}

std::string SlotLine(std::string_view before, int number, const std::string& name, std::string_view after) {
    std::string line(before);
    AppendInt(line, number);
    line.append("枚目のカード【").append(name).append("】").append(after);
    return line;
}

// The card in `slot` goes to the discard pile and the pile gives one in its place.
void BlowAway(Game& g, int slot) {
    RemoveHandCard(g, Book::Dungeon, slot);
    DrawCard(g, Book::Dungeon);
}

void WalkOnWithWind(Game& g, const titem& card) {
    if (card.value2 >= 1) MoveOn(g, card.value2, "gray_blue");
}

bool Fetch(Game& g, PileSource source) { return FetchNeededCard(g, source, g.dungeon.event); }

void Found(Game& g, std::string_view line) {
    Log(g, line);
    PlayEffect(g, "ren.wav");
}

// The memo and the cane: the event's card from one source to the top of the pile.
void FetchFrom(Game& g, PileSource source) {
    const EventCode event = g.dungeon.event;
    if (event == EventCode::None || event == EventCode::SecretChest || !Fetch(g, source)) {
        Log(g, kNotFound);
        return;
    }
    Found(g, "発見!!");
}

// The necklace and the earring: the pile first, then the discards.
void FetchFromAnywhere(Game& g) {
    if (Fetch(g, PileSource::DungeonPile))
        Found(g, "山札より発見!!");
    else if (Fetch(g, PileSource::Discards))
        Found(g, "捨て札より発見!!");
    else
        Log(g, kNotFound);
}

}  // namespace

void UseWind(Game& g, const titem& card) {
    PlayEffect(g, "bress.wav");
    const int slot = card.value - 1;
    if (slot >= 0 && slot < kHandSlots && HandCard(g, slot) > 0) {
        Log(g, SlotLine("　→手札の", card.value, g.cards[HandCard(g, slot)].name, "が捨札へ移動してしまった"));
        BlowAway(g, slot);
    }
    WalkOnWithWind(g, card);
}

void UseBlueWind(Game& g, const titem& card) {
    PlayEffect(g, "bress.wav");
    for (int slot = kHandSlots - 1; slot >= 0; --slot) {
        if (!IsAbility(g, slot)) continue;
        const int id = HandCard(g, slot);
        Log(g, SlotLine("　", slot + 1, g.cards[id].name, "を捨てた"));
        FloatCardPicture(g, id, slot);
        BlowAway(g, slot);
    }
    WalkOnWithWind(g, card);
}

void UseDiscardingWind(Game& g, const titem& card) {
    PlayEffect(g, "bress.wav");
    int blown = 0;
    for (int k = 0; k < card.value; ++k) {
        int slot = 0;
        while (slot < kHandSlots && !IsAbility(g, slot)) ++slot;
        if (slot == kHandSlots) break;
        Log(g, SlotLine("　", slot + 1, g.cards[HandCard(g, slot)].name, "が捨札へ移動"));
        BlowAway(g, slot);
        ++blown;
    }
    if (blown == 0) Log(g, "　何も起こらなかった");
    WalkOnWithWind(g, card);
}

void UseRecycler(Game& g, const titem& card) { ReturnDiscards(g, card.value); }

void UseTimeLoop(Game& g, const titem& card) {
    Hand& hand = HandOf(g, Book::Dungeon);
    int moved = 0;
    for (int slot = kHandSlots - 1; slot >= 0; --slot) {
        const int id = hand[static_cast<size_t>(slot)].card;
        if (id <= 0) continue;
        InsertIntoPile(g, PileCount(g, Book::Dungeon), id);
        Log(g, "　【" + g.cards[id].name + "】をブックの最後に戻しました");
        hand[static_cast<size_t>(slot)] = HandSlot{};
        ++moved;
    }
    PlayEffect(g, "card.wav");
    if (moved > 0) RefillHand(g, Book::Dungeon, moved);
    if (card.value2 >= 1) MoveOn(g, card.value2);
}

void UseSecondChance(Game& g, const titem& card) {
    bool returned = false;
    for (int k = 0; k < card.value; ++k) {
        // The top discard is the card being used; the one under it comes back.
        const int below = DiscardCount(g) - 2;
        if (below < 0) {
            Log(g, "　捨て札に戻せるカードが見つかりませんでした");
            break;
        }
        const int id = g.books.discard.cards[static_cast<size_t>(below)];
        const int pos = g.Roll(PileCount(g, Book::Dungeon));
        InsertIntoPile(g, pos, id);
        std::string line = "　捨札の【" + g.cards[id].name + "】を、ブックの上から ";
        AppendInt(line, pos);
        Log(g, line + "枚目に戻しました");
        TakeFromDiscards(g, below);
        returned = true;
    }
    if (returned) PlayEffect(g, "card.wav");
}

void UseHolyFountain(Game& g, const titem& card) {
    if (card.value > 0) HealPlayer(g, card.value);
    TopUpHand(g);
}

void UseMemo(Game& g, const titem&) { FetchFrom(g, PileSource::DungeonPile); }

void UseCane(Game& g, const titem&) { FetchFrom(g, PileSource::Discards); }

void UseNecklace(Game& g, const titem&) {
    if (g.dungeon.event == EventCode::None) {
        Log(g, kNotFound);
        return;
    }
    FetchFromAnywhere(g);
}

void UseEarring(Game& g, const titem&) {
    if (g.dungeon.event != EventCode::None) FetchFromAnywhere(g);
    ReturnDiscards(g, kEarringReturns);
}

}  // namespace kestrilon
