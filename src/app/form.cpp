#include "app/form.h"

#include <string>

#include "app/frame.h"
#include "app/input.h"
#include "battle/enemy_table.h"
#include "content/content_problems.h"
#include "dungeon/dungeon_table.h"
#include "menu/menu.h"
#include "persist/save_file.h"
#include "ranking/board.h"
#include "screens/ranking.h"
#include "sound/sound.h"
#include "text/text.h"

namespace kestrilon {

TForm1::TForm1(Platform& os) : os_(os), game_(std::make_unique<Game>(os)) {}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::FormCreate() {
    Game& g = *game_;
    g.Seed(os_.ClockSeed());

    Layers& l = g.layers;
    const auto title = os_.ProgramFolder() / "cg" / "title.bmp";
    // Without a title picture the splash still runs on black.
    const bool haveTitle = l.haikei.LoadFile(title);
    l.bak.Clear(0);
    if (haveTitle) l.bak.Copy(l.haikei, 0, 0, kScreenWidth, kScreenHeight);
    l.cg.Clear(0);
    g.frame.TitleState = TitleCode(TitleState::Splash);

    for (int slot : {kLayerBackground, kLayerComposed}) {
        Bitmap& layer = l.LayerTable[static_cast<size_t>(slot)];
        layer.Clear(0);
        if (haveTitle) layer.Copy(l.haikei, 0, 0, kScreenWidth, kScreenHeight);
    }
    for (Bitmap& layer : l.LayerTable) layer.SetTransparent(true);

    ReportContentProblems();
    LoadDungeonTable(g);
    RebuildMenus(g);
    FillEnemyTable(g);
    Load(g);

    // A ranking request blocks; the frame that says so is shown before it.
    g.rank.paintFrame = [](Game& game) {
        ComposeFrame(game);
        game.os.ShowFrame(game.layers.cg);
    };

    g.frame.timerInterval = 90;
    created_ = true;
}

void TForm1::FormDestroy() {
    if (!created_) return;
    created_ = false;
    PlayMusic(*game_, "not");
}

void TForm1::Timer1Timer() {
    FrameTickStep(*game_);
    // The panel is a window component: it lies over whatever the frame composed.
    if (game_->screen.nameBoxOpen) DrawNameBox(*game_, name_box);
    SyncMacroBox(*game_, macro_box);
    if (game_->screen.presetPanelOpen) DrawMacroBox(*game_, macro_box);
}

void TForm1::cgMouseDown(int x, int y, MouseButton button) {
    Game& g = *game_;
    if (g.input.InputBusy) return;
    // The board is a panel over the window: while shown it takes every click.
    if (g.rank.boxVisible) {
        if (RankBoxMouseDown(g, x, y, button) == RankBoxClick::Back) rank_bClick(g);
        return;
    }
    if (g.screen.nameBoxOpen) {
        const Rect ok = kNameOkRect;
        if (button == MouseButton::Left && x >= ok.left && x < ok.right && y >= ok.top && y < ok.bottom) Button1Click();
        return;
    }
    // The preset panel takes every press while it is shown: beside it lie the buttons of
    // book editing, which must wait until the panel is closed.
    if (g.screen.presetPanelOpen) {
        SyncMacroBox(g, macro_box);
        MacroBoxMouseDown(g, macro_box, x, y, button == MouseButton::Right);
        return;
    }
    HandleClick(g, x, y, button);
    SyncMacroBox(g, macro_box);
}

void TForm1::cgMouseUp() {
    InputState& in = game_->input;
    if (in.ClickKind >= 1) in.ClickKind = 0;
    RankBoxMouseUp(*game_);
}

void TForm1::cgMouseMove(int x, int y) {
    game_->input.ClickX = x;
    game_->input.ClickY = y;
    RankBoxMouseMove(*game_, x, y);
}

void TForm1::rank_listMouseWheel(int notches) { RankListWheel(*game_, notches); }

void TForm1::FormKeyDown(Key key) {
    Game& g = *game_;
    if (g.screen.nameBoxOpen) {
        if (key == Key::Backspace) NameBackspace(name_box);
        if (key == Key::Enter) Button1Click();
        return;
    }
    if (g.screen.presetPanelOpen) {
        if (key == Key::Backspace) MacroBackspace(macro_box);
        if (key == Key::Enter) macro_box.focus = -1;
        return;
    }
    if (key == Key::Escape) ResetRequest(g);
}

void TForm1::name_lTextInput(std::string_view text) {
    if (game_->screen.nameBoxOpen) NameTyped(name_box, text);
    if (game_->screen.presetPanelOpen) {
        SyncMacroBox(*game_, macro_box);
        MacroTyped(macro_box, text);
    }
}

void TForm1::Button1Click() { kestrilon::Button1Click(*game_, name_box); }

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
    SaveOnClose(g);
}

void TForm1::mid_pNotify() { kestrilon::mid_pNotify(*game_); }

}  // namespace kestrilon
