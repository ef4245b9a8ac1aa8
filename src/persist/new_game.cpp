#include "persist/new_game.h"

#include <initializer_list>

#include "persist/save_file.h"
#include "state/game.h"

namespace kestrilon {

void NewGameValues(Game& g) {
    PlayerState& p = g.player;
    p.playerName.clear();
    p.playerComment.clear();
    p.playerNumber = 0;
    p.level = 0;
    // Current at once: an older version would send the first session's card levels, ARK,
    // presets and high scores through the migrations that clear them.
    p.SaveVersion = kCurrentSaveVersion;
    p.storyPagesRead = 0;

    p.money = 5;
    p.hunger = 100;
    p.tp = 0;
    p.ark = 0;
    p.slotRights = 0;
    p.spSlotRights = 0;
    p.deathCount = 0;

    p.baseMaxHp = 10;
    p.hp = 10;
    p.baseMaxMp = 0;
    p.mp = 0;
    p.baseAttack = 0;
    p.baseDefence = 0;
    p.baseKnowledge = 0;
    p.baseSpirit = 0;
    p.baseAccuracy = 0;
    p.baseEvasion = 0;
    p.compatibilityFlag = 1;

    p.unlockFlags.fill(0);
    for (DungeonCounts* table : {&p.dungeonClears, &p.highScores, &p.campPositions, &p.exchangePositions,
                                 &p.bloodMarks, &p.exCounts, &p.treasureCounts, &p.battleOrbs, &p.orbWins})
        table->fill(0);
    p.bloodMarkNuggets = 0;

    p.CardCollection.fill(0);
    p.obtainedEver.fill(0);
    p.BookContents.fill(0);
}

}  // namespace kestrilon
