#include "battle/actions/action_families.h"

namespace kestrilon {

ActionFamily FamilyOf(BattleAction action) {
    const int32_t code = CodeOf(action);
    // The hundreds of a code name its family; 249, the element power raise, is a buff.
    if (action == BattleAction::ElementPowerUp) return ActionFamily::Buff;
    if (code >= 100 && code < 200) return ActionFamily::Physical;
    if (code >= 200 && code < 300) return ActionFamily::Magic;
    if (code >= 600 && code < 700) return ActionFamily::Recovery;
    if (code >= 700 && code < 800) return ActionFamily::Buff;
    if (code >= 800 && code < 900) return ActionFamily::Ailment;
    if (code >= 900 && code < 920) return ActionFamily::Special;
    if (code >= 920 && code < 930) return ActionFamily::Summon;
    return ActionFamily::None;
}

}  // namespace kestrilon
