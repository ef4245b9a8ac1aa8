#include "battle/dispel.h"

#include <array>
#include <string>

#include "render/effects.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr std::array kAilments = {
    &StatusBlock::dazzle,       &StatusBlock::aging,       &StatusBlock::poison,       &StatusBlock::sickness,
    &StatusBlock::melt,         &StatusBlock::airPressure, &StatusBlock::cut,          &StatusBlock::bruise,
    &StatusBlock::gunWound,     &StatusBlock::stun,        &StatusBlock::chain,        &StatusBlock::shock,
    &StatusBlock::apathy,       &StatusBlock::attackDown,  &StatusBlock::defenceDown,  &StatusBlock::spiritDown,
    &StatusBlock::accuracyDown, &StatusBlock::evasionDown, &StatusBlock::speedDown,    &StatusBlock::frostbite,
    &StatusBlock::cold,         &StatusBlock::darkness,    &StatusBlock::burn,         &StatusBlock::transparency,
    &StatusBlock::bomb,
};

}  // namespace

bool HasAilment(const Game& g, int row) {
    const StatusBlock& status = g.combatants[row].status;
    for (const auto ailment : kAilments)
        if ((status.*ailment).Active()) return true;
    return false;
}

void DispelDebuffs(Game& g, int row) {
    tenemy& who = g.combatants[row];
    for (const auto ailment : kAilments) who.status.*ailment = Status{};
    SpawnEffect(g, who.x, who.y, EffectKind::WhiteClosingRing, {});
    const std::string& name = row == kPlayerRow ? g.player.playerName : who.name;
    LogColour(g, "　" + name + "の一部の弱体ステータスが解除された", "aqua3");
    PlayEffect(g, "kaijyo.wav");
}

}  // namespace kestrilon
