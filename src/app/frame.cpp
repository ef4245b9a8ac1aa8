#include "app/frame.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "battle/battle_tick.h"
#include "books/card_list.h"
#include "data/stats.h"
#include "render/background.h"
#include "menu/menu.h"
#include "ranking/board.h"
#include "render/effects.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr std::string_view kSplashText = "K E S T R I L O N";

void ComposeTitleFrame(Game& g) {
    Layers& l = g.layers;
    // The surface needs no clearing: the full-screen background copy covers every pixel.
    l.bak.Clear(0);
    l.cg.Copy(l.LayerTable[kLayerBackground], 0, 0, kScreenWidth, kScreenHeight);
    if (g.frame.TitleState == TitleCode(TitleState::Splash)) {
        const Font font{.size = 20, .bold = true};
        const Size size = l.cg.TextExtent(kSplashText, font);
        l.cg.Text(400 - size.width / 2, 300 - size.height / 2, kSplashText, font, Rgb(255, 255, 255));
    }
    l.cg.OrCombine(l.bak, 0, 0, kScreenWidth, kScreenHeight);
}

void DrawZoomLayer(Game& g) {
    FrameState& f = g.frame;
    const Bitmap& picture = g.layers.LayerTable[kLayerZoom];
    if (f.ZoomMode == ZoomStage::StartGrowing) {
        f.ZoomSize = 80;
        f.ZoomMode = ZoomStage::Growing;
    } else if (f.ZoomMode == ZoomStage::StartLeaving) {
        f.ZoomSize = 80;
        f.ZoomMode = ZoomStage::Leaving;
    }
    if (f.ZoomMode == ZoomStage::Growing) {
        const int d = 200 - f.ZoomSize;
        if (d >= 1)
            f.ZoomSize += std::max(1, d / 2);
        else
            f.ZoomSize = 200;
        const int s = f.ZoomSize;
        g.layers.bak.Stretch(picture, {500 - s, 200 - s, 500 + s, 200 + s});
    } else if (f.ZoomMode == ZoomStage::Leaving) {
        const int d = 800 - f.ZoomSize;
        if (d >= 1) {
            f.ZoomSize += std::max(1, d / 2);
            g.layers.bak.Stretch(picture, {300, f.ZoomSize - 200, 700, f.ZoomSize + 200});
        } else {
            f.ZoomSize = 800;
            f.ZoomMode = ZoomStage::Off;
        }
    }
}

void Shake(Game& g) {
    FrameState& f = g.frame;
    if (f.ShakeCounter < 1) return;
    f.ShakeCounter -= f.ShakeCounter / 2 + 1;
    const int dx = g.looks.Roll(9) - 4;
    const int dy = g.looks.Roll(5) - 2;
    Bitmap& cg = g.layers.cg;
    // Only the vertical offset moves the picture; dx changes how much of the right edge is copied.
    cg.Copy(cg, 0, dy, kScreenWidth + dx, kScreenHeight + dy, 0, 0);
}

void ComposeGameFrame(Game& g) {
    Layers& l = g.layers;
    l.bak.Clear(0);
    if (g.frame.BackgroundDirty == 1) RebuildBackground(g);
    l.cg.Copy(l.LayerTable[kLayerComposed], 0, 0, kScreenWidth, kScreenHeight);
    DrawZoomLayer(g);
    if (g.screen.Current() != Screen::None) DrawMenus(g);
    if (g.menus.choices.kind != 0) DrawCardList(g);
    RenderFrame(g);
    l.cg.OrCombine(l.bak, 0, 0, kScreenWidth, kScreenHeight);
    Shake(g);
    DrawRankBox(g);
}

}  // namespace

void ComposeFrame(Game& g) {
    FrameState& f = g.frame;
    ++f.FramesThisSecond;
    if (++f.FrameTick > 999) f.FrameTick = 0;
    if (f.TitleState <= TitleCode(TitleState::Picture)) {
        ComposeTitleFrame(g);
        return;
    }
    ComposeGameFrame(g);
    ClampValues(g);
}

void RateCheck(Game& g) {
    FrameState& f = g.frame;
    const double now = g.os.Now();
    if (now <= f.NextRateCheck) return;
    f.NextRateCheck = now + 1.0;
    const int c = f.FramesThisSecond;
    if (c >= 14) f.timerInterval += c - 13;
    if (c <= 11 && f.timerInterval + c - 13 >= kMinTimerInterval) f.timerInterval += c - 13;
    f.FramesThisSecond = 0;
}

void FrameTickStep(Game& g) {
    SoundState& s = g.sound;
    if (s.LastSoundHold >= 1 && --s.LastSoundHold == 0) s.LastSound.clear();
    ComposeFrame(g);
    RateCheck(g);
    const double now = g.os.Now();
    if (now > g.frame.NextBattleStep && g.battle.fightActive >= 1) {
        g.frame.NextBattleStep = now + 0.2;
        BattleTick(g);
    }
}

void StartShake(Game& g, int strength) { g.frame.ShakeCounter = strength; }


}  // namespace kestrilon
