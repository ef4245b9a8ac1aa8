// The title menu: the opening, and the start that continues a game or names a new player.
#include "dungeon/run.h"
#include "menu/menu.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

// Asks for the name of a new player; the form shows its name panel while nameBoxOpen is set.
void OpenNameEntry(Game& g) {
    Log(g, "この波動空間に突入するあなたの名前を入力して下さい");
    g.screen.nameBoxOpen = true;
}

// A named player continues, a new one is asked for a name first.
void BeginPlay(Game& g) {
    PlayMusic(g, "not");
    ShowPicture(g, "1.jpg");
    if (g.player.playerName.empty()) {
        OpenNameEntry(g);
        return;
    }
    PlayEffect(g, "start.wav");
    Log(g, "旅の再開です....");
    RunReset(g);
    OpenScreen(g, Screen::MainMenu);
}

}  // namespace

void BuildTitleMenu(Game& g) {
    SetItem(g, kTitleFirst, Screen::TitleMenu, "オープニング", TitleAction::Opening);
    SetItem(g, kTitleFirst + 1, Screen::TitleMenu, "スタート", TitleAction::Start);
}

AfterAction RunTitleMenu(Game& g, const tmenu& item) {
    if (ActionOf<TitleAction>(item) != TitleAction::Start) return AfterAction::Rebuild;
    BeginPlay(g);
    return AfterAction::Keep;
}

}  // namespace kestrilon
