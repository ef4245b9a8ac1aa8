#pragma once
// The table of menu items behind every screen.
#include <array>
#include <cstdint>
#include <string>

#include "state/card.h"

namespace kestrilon {

constexpr int kMenuItems = 3000;
constexpr int kChoiceRows = 23;  // rows of one page of a card list

struct tmenu {
    std::string rightText;
    std::string description1;
    std::string description2;
    std::string caption;  // empty: the item does not exist this time
    int32_t visible = 0;
    int32_t action = 0;
    int32_t param = 0;
    int32_t param2 = 0;
    int32_t screen = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 200;
    int32_t height = 100;
    int32_t slideX = 0;
    int32_t slideY = 0;
    int32_t emphasis = 0;  // 0 normal, 1 event colour, 2 <Ability> card, 3 third accent
    int32_t cancel = 0;
    int32_t disabled = 0;
    // Drawn state and the marks of card buttons, set where the item is built.
    int32_t curX = 0;
    int32_t curY = 0;
    int32_t card = 0;          // card shown by a hand or discard button; 0 none
    int32_t rightAlign = 0;    // caption and tag right-aligned 8 pixels from the right edge
    int32_t number = 0;        // "No." shown on the target choice; 0 none
    int32_t unaffordable = 0;  // the card's MP or TP cost exceeds what the player has
};

// The paged card list beside a menu screen (book editing, shop, synthesis, altar): the
// card of each row of the page shown. The list builders of those screens fill it.
struct ChoiceList {
    int32_t kind = 0;  // 1, 2 book editing, 10 shop, 20 synthesis, 30 altar; 0 closed
    int32_t rows = 0;
    std::array<int32_t, kChoiceRows> cards{};
    int32_t page = 0;       // 0-based
    int32_t filter = 0;     // book editing: 0 .. 11
    int32_t selected = 0;   // card chosen from the list; 0 none
    int32_t listed = 0;     // cards that passed, on every page
    int32_t ownedSum = 0;   // book editing: copies owned of the listed cards
    int32_t bookSum = 0;    // and copies of them in the book
    bool nextPage = false;  // more cards follow this page
};

struct MenuTable {
    std::array<tmenu, kMenuItems> items;
    int placedCount = 0;
    int hovered = -1;
    int cancelItem = -1;
    int titleItem = -1;   // item whose caption heads the screen; -1 none
    int listPage = 0;     // page of the dungeon list screens
    bool cardPictures = false;
    int catalogueDungeon = 0;  // dungeon whose catalogue screen 27 shows
    int discardCard = 0;       // card of the hand slot chosen for the walk and fight menus
    int discardSlot = -1;      // and its slot; -1 none
    bool bossCleared = false;  // the fight just won was the boss of the dungeon
    bool scoreSendFailed = false;
    bool closeRequested = false;  // "はい" on the quit question: the window should close
    ChoiceList choices;
    // BookContents as it stood when the current edit began.
    std::array<int32_t, kCardIds> editBackup{};
    // Texts composed while drawing, kept so that a frame does not allocate.
    mutable std::string textBuffer;
    std::string textBuffer2;
};

}  // namespace kestrilon
