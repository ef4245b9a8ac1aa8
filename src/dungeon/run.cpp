#include "dungeon/run.h"

#include "data/stats.h"
#include "state/game.h"

namespace kestrilon {

void RunReset(Game& g) {
    PlayerState& p = g.player;
    p.hp = MaxHp(g);
    p.mp = MaxMp(g);
    p.tp = 0;
    p.hunger = 100;
    p.distanceWalked = 0;
    p.goldNuggets = 0;
    p.score = 0;
    p.scoreCheck = 0;
    p.actionGauge = 0;
    p.scoreStagger = 0;
    tenemy& self = g.combatants[kPlayerRow];
    self = g.combatants.blank;
    self.x = 620;
    self.y = 300;
    self.alive = 1;
    p.runFlags.fill(0);
    ClampValues(g);
}

}  // namespace kestrilon
