#include "battle/battle_hand.h"

#include <string>

#include "render/message_log.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {

void UseBattleHandCard(Game& g, int slot) {
    g.battle.requestedHandSlot = slot;
    std::string line = "[battle] hand slot ";
    AppendInt(line, slot);
    LogColour(g, line + " played", "gray");
}

void FireBattleCardAction(Game& g, int card) {
    g.battle.requestedCardAction = card;
    std::string line = "[battle] action of card ";
    AppendInt(line, card);
    LogColour(g, line + " fired", "gray");
}

void SpiritBeastsAct(Game& g, int row) {
    g.battle.requestedBeastMoves = row;
    std::string line = "[battle] spirit beasts of row ";
    AppendInt(line, row);
    LogColour(g, line + " act", "gray");
}

void SelfDestruct(Game& g, int row) {
    g.battle.requestedSelfDestruct = row;
    std::string line = "[battle] row ";
    AppendInt(line, row);
    LogColour(g, line + " self-destructs", "gray");
}

}  // namespace kestrilon
