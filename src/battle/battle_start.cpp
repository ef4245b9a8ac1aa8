#include "battle/battle_start.h"

#include <array>
#include <string>
#include <string_view>

#include "render/message_log.h"
#include "state/game.h"

namespace kestrilon {

void StartBattle(Game& g, BattleKind kind) {
    static constexpr std::array<std::string_view, 4> kNames = {"enemy", "boss", "EX enemy", "extreme enemy"};
    g.battle.requestedBattle = static_cast<int>(kind);
    const size_t k = static_cast<size_t>(kind);
    LogColour(g, "[battle] " + std::string(k < kNames.size() ? kNames[k] : "enemy") + " fight requested", "gray");
}

}  // namespace kestrilon
