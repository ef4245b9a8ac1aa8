#pragma once
// Item numbers of every screen and the builder that writes their records; shared by the
// menu files only.
namespace kestrilon {

struct Game;

enum MenuItemNumber : int {
    kMainDungeon = 0,  // screen 1, in the order the main menu shows them
    kMainDungeonEdit,
    kMainBattleEdit,
    kMainShop,
    kMainSynthesis,
    kMainAltar,
    kMainSatori,
    kMainCall,
    kMainDarkness,
    kMainSlot,
    kMainSpSlot,
    kMainOrbs,
    kMainSubMenu,
    kQuitFirst = 20,          // screen 2
    kOptionFirst = 30,        // screen 3
    kSoundFirst = 40,         // screen 4
    kTitleFirst = 50,         // screen 5
    kEditPresets = 60,        // screen 6
    kEditEnd = 61,
    kEditFilterFirst = 62,    // ten filter buttons
    kCardActionFirst = 80,    // screen 7
    kDungeonListFirst = 100,  // screen 8: 30 entries, then previous, next, back
    kRankingListFirst = 140,  // screen 19
    kOrbListFirst = 180,      // screen 21
    kCatalogueListFirst = 220,  // screen 26
    kWalkMenuFirst = 300,     // screen 10
    kFightMenuFirst = 310,    // screen 11
    kFightEndItem = 320,      // screen 13
    kReturnItem = 330,        // screen 14
    kShopBack = 340,          // screen 15
    kSynthesisBack = 350,     // screen 16
    kScoreFirst = 360,        // screen 17
    kScoreSentItem = 370,     // screen 18
    kEscapeItem = 380,        // screen 20
    kSubMenuFirst = 390,      // screen 22
    kAltarBack = 400,         // screen 23
    kPictureFirst = 410,      // screen 24
    kExportFirst = 420,       // screen 25
    kCatalogueBack = 430,     // screen 27
    kHandMenuItem = 508,      // screen 9, after the eight hand slots
    kTargetBack = 708,        // screen 12, after the eight enemies
};

// Actions shared by the four dungeon list screens.
constexpr int kListPrevious = 97;
constexpr int kListNext = 98;
constexpr int kListBack = 99;

bool IsListScreen(int screen);
// Dungeon shown by entry k of the current list page; the list's first item number.
int ListDungeon(const Game& g, int k);
int ListFirstItem(int screen);

// Rewrites the content of every item from the current state; placement is kept.
void BuildMenuItems(Game& g);

}  // namespace kestrilon
