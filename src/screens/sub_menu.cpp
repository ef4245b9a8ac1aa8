// The sub menu behind a right click on the main menu, and the quit question.
#include "menu/menu.h"
#include "persist/save_file.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"

namespace kestrilon {

void BuildSubMenu(Game& g) {
    const Screen s = Screen::SubMenu;
    SetItem(g, kSubMenuFirst, s, "OPTION", SubMenuAction::Options);
    SetItem(g, kSubMenuFirst + 1, s, "RANKING", SubMenuAction::Ranking);
    SetItem(g, kSubMenuFirst + 2, s, "カード図鑑", SubMenuAction::Catalogue);
    SetItem(g, kSubMenuFirst + 3, s, "メインメニューへ", SubMenuAction::MainMenu, true);
}

AfterAction RunSubMenu(Game& g, const tmenu& item) {
    switch (ActionOf<SubMenuAction>(item)) {
    case SubMenuAction::Options: OpenScreen(g, Screen::Options); break;
    case SubMenuAction::Ranking: OpenScreen(g, Screen::RankingList); break;
    case SubMenuAction::Catalogue: OpenScreen(g, Screen::CatalogueList); break;
    default: OpenScreen(g, Screen::MainMenu); break;
    }
    return AfterAction::Keep;
}

void BuildQuitQuestion(Game& g) {
    SetItem(g, kQuitFirst, Screen::QuitQuestion, "はい", QuitAction::Yes);
    SetItem(g, kQuitFirst + 1, Screen::QuitQuestion, "いいえ", QuitAction::No, true);
}

AfterAction RunQuitQuestion(Game& g, const tmenu& item) {
    if (ActionOf<QuitAction>(item) == QuitAction::Yes) {
        Save(g, 0);
        g.menus.closeRequested = true;
        return AfterAction::Keep;
    }
    OpenScreen(g, Screen::MainMenu);
    return AfterAction::Keep;
}

}  // namespace kestrilon
