#include "app/input.h"

#include "persist/new_game.h"
#include "render/pictures.h"
#include "screens/click_script.h"
#include "screens/menu.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

// The second title picture: one of four drawn at random, shown only when its condition holds.
void ShowTitlePictures(Game& g) {
    ShowPicture(g, "0.jpg");
    const PlayerState& p = g.player;
    switch (g.Roll(4)) {
    case 0:
        if (p.level >= 2) ShowPicture(g, "pic00.jpg");
        break;
    case 1:
        if (p.level >= 10) ShowPicture(g, "pic02.jpg");
        break;
    case 2:
        if (p.deathCount >= 30) ShowPicture(g, "pic01.jpg");
        break;
    default:
        if (p.unlockFlags[kFlagDarknessProgress] >= 6) ShowPicture(g, "pic03.jpg");
        break;
    }
}

}  // namespace

void HandleClick(Game& g, int x, int y, MouseButton button) {
    if (g.input.InputBusy || g.screen.nameBoxOpen) return;
    const bool right = button == MouseButton::Right;

    if (g.script.Running()) {
        if (right && g.screen.openingPlaying) {
            EndScript(g);
            OpenScreen(g, 5);
        }
        PlayEffect(g, "1.wav");
        RevealScriptLine(g);
        return;
    }

    g.frame.BackgroundDirty = 1;
    InputState& in = g.input;
    in.ClickX = x;
    in.ClickY = y;
    in.ClickKind = right ? 2 : 1;
    if (in.ClickKind == 1) MenuLeftClick(g);

    FrameState& f = g.frame;
    if (f.TitleState == -2) {
        f.TitleState = -1;
        ShowTitlePictures(g);
        return;
    }
    if (f.TitleState == -1) {
        f.TitleState = 0;
        OpenScreen(g, 5);
        return;
    }
    if (in.ClickKind == 2 && g.menus.cancelItem >= 0) RunItem(g, g.menus.cancelItem);
}

void ResetRequest(Game& g) {
    if (g.frame.TitleState >= 0) return;
    if (!g.os.Confirm("初期化したいときは、はいを押してね")) return;
    NewGameValues(g);
}

}  // namespace kestrilon
