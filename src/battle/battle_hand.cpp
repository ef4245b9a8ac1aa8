#include "battle/battle_hand.h"

#include <string>
#include <string_view>

#include "render/message_log.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {

namespace {

// Keeps the request where the battle flow will find it and says so in the log.
void Request(Game& g, int& field, int value, std::string_view before, std::string_view after) {
    field = value;
    std::string line(before);
    AppendInt(line, value);
    line.append(after);
    LogColour(g, line, "gray");
}

}  // namespace

void UseBattleHandCard(Game& g, int slot) {
    Request(g, g.battle.requestedHandSlot, slot, "[battle] hand slot ", " played");
}

void FireBattleCardAction(Game& g, int card) {
    Request(g, g.battle.requestedCardAction, card, "[battle] action of card ", " fired");
}

void SpiritBeastsAct(Game& g, int row) {
    Request(g, g.battle.requestedBeastMoves, row, "[battle] spirit beasts of row ", " act");
}

void SelfDestruct(Game& g, int row) {
    Request(g, g.battle.requestedSelfDestruct, row, "[battle] row ", " self-destructs");
}

}  // namespace kestrilon
