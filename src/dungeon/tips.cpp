#include "dungeon/tips.h"

#include <algorithm>

#include "base/expects.h"
#include "data/capacity.h"
#include "dungeon/run.h"
#include "dungeon/story_pages.h"
#include "menu/menu.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {

std::string TipForRoll(int roll, int capacity) {
    const std::span<const std::string_view> fixed = FixedTips();
    EXPECTS(roll >= 0 && roll < kTipRolls);
    EXPECTS(fixed.size() == static_cast<size_t>(kTipRolls - kBookSizeTipRolls));
    if (roll < kBookSizeTipRolls) {
        std::string tip = "　【Tips】ブックはＤ.ブックとバトルブックの２種類があり、常にそれぞれが";
        AppendInt(tip, capacity);
        tip += "枚でなければならない";
        return tip;
    }
    const size_t index = std::min(static_cast<size_t>(roll - kBookSizeTipRolls), fixed.size() - 1);
    return std::string(fixed[index]);
}

void ReturnToMenuWithTip(Game& g) {
    RunReset(g);
    DungeonState& d = g.dungeon;
    d.number = 0;
    // The run is over here whichever way it ended, so points no longer mark the log.
    d.entered = 0;
    d.event = EventCode::None;
    d.zoomPicture.clear();
    d.tipPending = false;
    ZoomPictureLoad(g, "not");
    CloseScreens(g);
    OpenScreen(g, Screen::MainMenu);
    Log(g, TipForRoll(g.Roll(kTipRolls), BookCapacity(g)));
}

}  // namespace kestrilon
