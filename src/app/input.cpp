#include "app/input.h"

#include <array>
#include <string_view>
#include <utility>

#include "books/gains.h"
#include "menu/click_script.h"
#include "menu/menu.h"
#include "persist/new_game.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

// The second title picture: one of four drawn at random, shown only when its condition holds.
void ShowTitlePictures(Game& g) {
    ShowPicture(g, "0.jpg");
    const PlayerState& p = g.player;
    const std::array<std::pair<std::string_view, bool>, 4> choices = {{
        {"pic00.jpg", p.level >= 2},
        {"pic02.jpg", p.level >= 10},
        {"pic01.jpg", p.deathCount >= 30},
        {"pic03.jpg", p.unlockFlags[kFlagDarknessProgress] >= 6},
    }};
    const auto& [name, shown] = choices[static_cast<size_t>(g.looks.Roll(4))];
    if (shown) ShowPicture(g, name);
}

void PayReward(Game& g, const ScriptReward& reward) {
    switch (reward.kind) {
    case ScriptReward::Kind::Money: GainMoney(g, reward.amount); break;
    case ScriptReward::Kind::Card: GainOneCard(g, reward.amount); break;
    case ScriptReward::Kind::None: break;
    }
}

}  // namespace

void HandleClick(Game& g, int x, int y, MouseButton button) {
    if (g.input.InputBusy || g.screen.nameBoxOpen) return;
    const bool right = button == MouseButton::Right;

    if (g.script.Running()) {
        if (right && g.screen.openingPlaying) {
            EndScript(g);
            OpenScreen(g, Screen::TitleMenu);
        }
        PlayEffect(g, "1.wav");
        PayReward(g, RevealScriptLine(g));
        return;
    }

    g.frame.BackgroundDirty = 1;
    InputState& in = g.input;
    in.ClickX = x;
    in.ClickY = y;
    in.ClickKind = right ? 2 : 1;
    if (in.ClickKind == 1) MenuLeftClick(g);

    FrameState& f = g.frame;
    if (f.TitleState == TitleCode(TitleState::Splash)) {
        f.TitleState = TitleCode(TitleState::Picture);
        ShowTitlePictures(g);
        return;
    }
    if (f.TitleState == TitleCode(TitleState::Picture)) {
        f.TitleState = TitleCode(TitleState::Game);
        OpenScreen(g, Screen::TitleMenu);
        return;
    }
    if (in.ClickKind == 2 && g.menus.cancelItem >= 0) RunItem(g, g.menus.cancelItem);
}

void ResetRequest(Game& g) {
    if (g.frame.TitleState >= TitleCode(TitleState::Game)) return;
    if (!g.os.Confirm("初期化したいときは、はいを押してね")) return;
    NewGameValues(g);
}

}  // namespace kestrilon
