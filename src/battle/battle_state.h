#pragma once

namespace kestrilon {

struct BattleState {
    int fightActive = 0;  // 1 or more while the real-time battle runs
    int shown = 0;        // 1 or more while the battle field is drawn
    int chainElement = 0; // element of the current element chain; 0 = none
    int steps = 0;        // battle steps run in this fight
};

}  // namespace kestrilon
