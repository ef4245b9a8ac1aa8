#pragma once
// The builders, actions and hints of every screen, one file per screen or family; the
// table in screen_table.cpp puts each under its screen.
#include <string>

#include "menu/screen_table.h"
#include "state/books_state.h"

namespace kestrilon {

struct Game;

// main_menu.cpp
void BuildMainMenu(Game& g);
AfterAction RunMainMenu(Game& g, const tmenu& item);
void MainMenuOpened(Game& g);

// sub_menu.cpp: the sub menu and the quit question
void BuildSubMenu(Game& g);
AfterAction RunSubMenu(Game& g, const tmenu& item);
void BuildQuitQuestion(Game& g);
AfterAction RunQuitQuestion(Game& g, const tmenu& item);

// options.cpp: options, sound volume, card pictures
void BuildOptions(Game& g);
AfterAction RunOptions(Game& g, const tmenu& item);
void BuildSoundVolume(Game& g);
AfterAction RunSoundVolume(Game& g, const tmenu& item);
void BuildCardPictures(Game& g);
AfterAction RunCardPictures(Game& g, const tmenu& item);

// title.cpp
void BuildTitleMenu(Game& g);
AfterAction RunTitleMenu(Game& g, const tmenu& item);

// book_edit.cpp: book editing and its card pop-up
// Opens screen 6 on `book` with its card list, keeping a copy of the books as they were.
void BeginBookEdit(Game& g, Book book);
void BuildBookEdit(Game& g);
AfterAction RunBookEdit(Game& g, const tmenu& item);
AfterAction BookEditListClick(Game& g, int card);
void BuildCardActions(Game& g);
AfterAction RunCardActions(Game& g, const tmenu& item);
void CardActionsOpened(Game& g);

// book_export.cpp: the export options and their way in from book editing
void BuildExportOptions(Game& g);
AfterAction RunExportOptions(Game& g, const tmenu& item);

// collection.cpp: shop, synthesis, altar
void BuildShop(Game& g);
void ShopOpened(Game& g);
void BuildSynthesis(Game& g);
void BuildAltar(Game& g);
AfterAction RunCollectionScreen(Game& g, const tmenu& item);

// dungeon_list.cpp: the four dungeon lists and the dungeon catalogue
void BuildDungeonList(Game& g);
void BuildRankingList(Game& g);
void BuildOrbList(Game& g);
void BuildCatalogueList(Game& g);
AfterAction RunDungeonList(Game& g, const tmenu& item);
AfterAction RunCatalogueList(Game& g, const tmenu& item);
void BuildCatalogue(Game& g);
AfterAction RunCatalogue(Game& g, const tmenu& item);

// walk.cpp: the dungeon hand and the screens of the walk
void BuildDungeonHand(Game& g);
AfterAction RunDungeonHand(Game& g, const tmenu& item);
AfterAction RunWalkMenu(Game& g, const tmenu& item);
AfterAction RunGameOver(Game& g, const tmenu& item);
AfterAction RunDungeonEscape(Game& g, const tmenu& item);
void DungeonHandOpened(Game& g);
void BuildWalkMenu(Game& g);
void BuildGameOver(Game& g);
void BuildDungeonEscape(Game& g);
// "【" + card + "】を捨てる" for the card chosen to discard; empty when there is none.
std::string DiscardCaption(const Game& g);

// fight.cpp
void BuildFightMenu(Game& g);
AfterAction RunFightMenu(Game& g, const tmenu& item);
void BuildTargetChoice(Game& g);
void BuildFightWon(Game& g);

// ranking.cpp: the score screens and the actions of the ranking list (rank_bClick in ranking.h)
void BuildDungeonCleared(Game& g);
AfterAction RunDungeonCleared(Game& g, const tmenu& item);
void BuildScoreSent(Game& g);
AfterAction RunScoreSent(Game& g, const tmenu& item);
AfterAction RunRankingList(Game& g, const tmenu& item);

}  // namespace kestrilon
