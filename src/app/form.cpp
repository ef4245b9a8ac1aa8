#include "app/form.h"

#include <string>

#include "app/frame.h"
#include "text/text.h"

namespace kestrilon {

TForm1::TForm1(Platform& os) : os_(os), game_(std::make_unique<Game>(os)) {}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::FormCreate() {
    Game& g = *game_;
    g.rng.Seed(os_.ClockSeed());

    Layers& l = g.layers;
    const auto title = os_.ProgramFolder() / "cg" / "title.bmp";
    // Without a title picture the splash still runs on black.
    const bool haveTitle = l.haikei.LoadFile(title);
    l.bak.Clear(0);
    if (haveTitle) l.bak.Copy(l.haikei, 0, 0, kScreenWidth, kScreenHeight);
    l.cg.Clear(0);
    g.frame.TitleState = -2;

    for (int slot : {kLayerBackground, kLayerComposed}) {
        Bitmap& layer = l.LayerTable[static_cast<size_t>(slot)];
        layer.Clear(0);
        if (haveTitle) layer.Copy(l.haikei, 0, 0, kScreenWidth, kScreenHeight);
    }
    for (Bitmap& layer : l.LayerTable) layer.SetTransparent(true);

    g.frame.timerInterval = 90;
    g.frame.NextRateCheck = os_.Now() + 1.0;
    created_ = true;
}

void TForm1::FormDestroy() {
    if (!created_) return;
    created_ = false;
    PlayMusic(*game_, "not");
}

void TForm1::Timer1Timer() { FrameTickStep(*game_); }

void TForm1::FormClose() {
    Game& g = *game_;
    if (g.dungeon.number >= 1) {
        PlayerState& p = g.player;
        int loss = g.Roll(5) + p.money / 20 + 1;
        if (loss > p.money) loss = std::max(p.money, 0);
        p.money -= loss;
        std::string notice = "ペナルティ > ";
        AppendInt(notice, loss);
        notice += "円をロスト";
        os_.MessageBox(notice);
    }
}

void TForm1::mid_pNotify() { kestrilon::mid_pNotify(*game_); }

}  // namespace kestrilon
