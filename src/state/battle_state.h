#pragma once

namespace kestrilon {

struct BattleState {
    int fightActive = 0;  // 1 or more while the real-time battle runs
    int chainElement = 0; // element of the current element chain; 0 = none
    int steps = 0;        // battle steps run in this fight
    int battleOn = 0;     // 1 from the start of a battle until its end; the battle hand is current
    int turnCounter = 0;  // player turns taken in this battle
    int actingEnemy = 0;  // row of the enemy whose action is being resolved
    int actingBeast = 0;  // summon slot + 1 of the spirit beast acting; 0 = none
    int bossBattle = 0;
    int exBattle = 0;
    int extremeMarker = 0;  // dungeon id during an extreme encounter, else 0
    int handPrepared = 0;   // the first battle of this run has topped up the battle hand
    int playerHit = 0;      // the player's current card has dealt damage
    int requestedBattle = -1;  // BattleKind the walk asked for and the flow has not taken; -1 none
    int requestedHandSlot = -1;  // battle-hand slot the player played and the flow has not taken; -1 none
    int requestedCardAction = 0; // card whose battle action a charm fired and the flow has not taken; 0 none
    int requestedBeastMoves = -1;   // row whose spirit beasts are to move and the flow has not taken; -1 none
    int requestedSelfDestruct = -1; // row whose bomb ran out and the flow has not taken; -1 none
    // The time of the next battle step is the frame clock's NextBattleStep.
};

}  // namespace kestrilon
