#pragma once
// The families of dungeon cards that open chests and work the road's events: keys, decoders,
// secret keys, trap tools, axes, picks, the iron key, the gate keys and the red chest key.
// Each takes the card being used; the common part of the use (log, score, costs) is done.
#include "state/card.h"

namespace kestrilon {

struct Game;

void UseKey(Game& g, const titem& card);         // treasure chest keys
void UseDecoder(Game& g, const titem& card);     // ciphers
void UseSecretKey(Game& g, const titem& card);   // the secret treasure chest
void UseTrapTool(Game& g, const titem& card);    // traps
void UseAxe(Game& g, const titem& card);         // trees and their wood prizes
void UsePick(Game& g, const titem& card);        // strata and their prizes
void UseIronKey(Game& g, const titem& card);     // iron chests
void UseGateKey(Game& g, const titem& card);     // the gates of dungeons 3, 9 and 19
void UseRedChest(Game& g, const titem& card);    // red chests

}  // namespace kestrilon
