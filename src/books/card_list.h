#pragma once
// The paged card list beside the book-edit, shop, synthesis and altar screens: which cards
// it lists, its pages and filters, the clicks on it and how it is drawn.
#include <cstdint>
#include <string_view>

#include "gfx/canvas.h"
#include "state/card.h"

namespace kestrilon {

struct Game;

enum class ListKind : int32_t { DungeonBook = 1, BattleBook = 2, Shop = 10, Synthesis = 20, Altar = 30 };
constexpr int kListFilters = 12;
constexpr int kFilterAbility = 10;
constexpr int kFilterRecent = 11;

// Where the panel lies: rows from (kListLeft, 20), 19 pixels apart; the page arrows below.
constexpr int kListLeft = 500;
constexpr int kListRowHeight = 19;
constexpr int kListTop = 20;
constexpr int kListArrowY = kListTop + kListRowHeight * 23;
constexpr int kPreviousArrowX = 530;
constexpr int kNextArrowX = 701;
constexpr std::string_view kPreviousArrow = "　←前　";
constexpr std::string_view kNextArrow = "　次→　";

// Rebuilds the list of `kind` for the current filter and page, with "1.wav".
void BuildCardList(Game& g, ListKind kind);
// The same without the sound, after an edit changed the counts it sums.
void RefreshCardList(Game& g);
// True when the card passes the list's test: book lists test one filter (0 .. 11).
bool CardPassesList(const Game& g, ListKind kind, int filter, int id);

// A left click at the pointer while the list is open: the arrows turn the page, a row
// goes to the current screen's list handler.
void CardListClick(Game& g);
// The card of the row under (x, y); 0 none.
int CardListRowAt(const Game& g, int x, int y);
// The rectangles of the two arrows (empty when not offered).
Rect PreviousArrowRect(const Game& g);
Rect NextArrowRect(const Game& g);

// Each dungeon entry makes recently obtained cards one entry older.
void LowerRecentCounters(Game& g);

// Colour of a card's rarity label: its category, else the shop or synthesis mark.
Colour RarityColour(const titem& card);

// The open list panel and the information panel of the pointed or selected card.
void DrawCardList(Game& g);
void DrawCardInfoPanel(Game& g, int id);

}  // namespace kestrilon
