#pragma once
// Battle card actions come in families, one source file each (physical strikes, magic,
// recovery, buffs, ailments, the specials, summons). Each family registers its handler for
// the action codes below in one table, so the dispatch of a card is a look-up, not a switch.
#include "state/card_codes.h"

namespace kestrilon {

enum class ActionFamily { None, Physical, Magic, Recovery, Buff, Ailment, Special, Summon };

// The family of a battle action code; None for BattleAction::None.
ActionFamily FamilyOf(BattleAction action);

}  // namespace kestrilon
