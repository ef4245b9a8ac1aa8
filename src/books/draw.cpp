#include "books/draw.h"

#include <algorithm>
#include <string>

#include "books/books.h"
#include "books/shuffle.h"
#include "data/capacity.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr EffectKind kRedBanner = EffectKind::RedBanner;  // big red caption that drifts upwards

bool CanDraw(const Game& g) { return g.dungeon.entered >= 1 && g.books.runEndedByExhaustion == 0; }

int UsedEntries(const Game& g) { return std::clamp(BookCapacity(g), 0, kPileEntries); }

int32_t TakeFromPile(DrawPile& pile, int pos) {
    auto& cards = pile.cards;
    const int32_t card = cards[static_cast<size_t>(pos)];
    std::move(cards.begin() + pos + 1, cards.end(), cards.begin() + pos);
    cards.back() = 0;
    return card;
}

void PutInHand(Game& g, Book book, int32_t card) {
    Hand& hand = HandOf(g, book);
    auto slot = std::find_if(hand.begin(), hand.end(), [](const HandSlot& s) { return s.card <= 0; });
    if (slot == hand.end()) {
        RemoveHandCard(g, book, 0);
        slot = hand.end() - 1;
    }
    *slot = HandSlot{card, kNewCardGlow};
    std::string line = " 【";
    line.append(g.cards[card].name).append("】をドロー");
    LogIcon(g, line, "gray", CardFramePicture(g, card));
}

void WarnIfRunningLow(Game& g) {
    const int left = PileCount(g, Book::Dungeon);
    std::string line;
    if (left == 10 || left == 5 || left == 1) {
        line = "　＊＊＊　Ｄ.ブック残り ";
        AppendInt(line, left);
        line.append("枚　＊＊＊");
        PlayEffect(g, "keikoku.wav");
        LogColour(g, line, "pink2");
    } else if (left == 0) {
        line = "　<×警告×>　Ｄ.ブック残り ";
        AppendInt(line, left);
        line.append("枚　<×警告×>");
        PlayEffect(g, "keikoku.wav");
        LogColour(g, line, "red");
    }
}

}  // namespace

void DrawCard(Game& g, Book book) {
    if (!CanDraw(g)) return;
    if (book == Book::Dungeon) {
        if (PileCount(g, book) == 0) {
            BookExhausted(g);
            return;
        }
    } else {
        if (HandCount(g, book) >= kHandSlots) return;
        if (PileCount(g, book) == 0) ShuffleBook(g, book);
        // The hand may hold the whole book, or the book may be broken: nothing to take.
        if (PileCount(g, book) == 0) return;
    }
    PutInHand(g, book, TakeFromPile(PileOf(g, book), 0));
}

void DrawNamedCard(Game& g, Book book, std::string_view name) {
    if (!CanDraw(g)) return;
    if (PileCount(g, book) == 0) {
        if (book == Book::Dungeon) {
            BookExhausted(g);
            return;
        }
        ShuffleBook(g, book);
    }
    const auto& cards = PileOf(g, book).cards;
    int found = -1;
    for (int pos = UsedEntries(g) - 1; pos >= 0 && found < 0; --pos) {
        const int32_t id = cards[static_cast<size_t>(pos)];
        if (id >= 1 && g.cards[id].name == name) found = pos;
    }
    if (found < 0) {
        std::string line = "　『";
        line.append(name).append("』はデッキにありませんでした");
        Log(g, line);
        return;
    }
    PutInHand(g, book, TakeFromPile(PileOf(g, book), found));
}

void RefillHand(Game& g, Book book, int count) {
    if (g.books.runEndedByExhaustion != 0) return;
    if (count == 0) {
        PlayEffect(g, "card.wav");
        Log(g, book == Book::Dungeon ? "Ｄ.ブックから手札が8枚になるようドロー" : "バトルブックから手札が8枚になるようドロー");
        count = kHandSlots - HandCount(g, book);
    }
    // The first draw from an empty dungeon pile ends the run; the rest of the refill is void.
    for (int k = 0; k < count && g.books.runEndedByExhaustion == 0; ++k) DrawCard(g, book);
    if (book == Book::Dungeon && g.books.runEndedByExhaustion == 0) WarnIfRunningLow(g);
}

void BookExhausted(Game& g) {
    if (g.books.runEndedByExhaustion != 0) return;
    g.books.runEndedByExhaustion = 1;
    PlayEffect(g, "kaminari.wav");
    SpawnEffect(g, 400, 200, kRedBanner, "ブック枯渇");

    PlayerState& p = g.player;
    LogColour(g, "【×】あなたは死んでしまった....", "red2");
    ++p.deathCount;
    std::string line = "　所持していた金塊 ";
    AppendInt(line, p.goldNuggets);
    line.append("gの全てをロストした....");
    LogColour(g, line, "red2");
    p.goldNuggets = 0;
}

}  // namespace kestrilon
