#pragma once
// Item numbers of every screen, where its builder writes its records.
namespace kestrilon {

enum MenuItemNumber : int {
    kMainDungeon = 0,  // main menu, in the order it shows them
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
    kQuitFirst = 20,
    kOptionFirst = 30,
    kSoundFirst = 40,
    kTitleFirst = 50,
    kEditPresets = 60,          // book editing
    kEditEnd = 61,
    kEditFilterFirst = 62,      // ten filter buttons
    kCardActionFirst = 80,
    kDungeonListFirst = 100,    // each list: 30 entries, then previous, next, back
    kRankingListFirst = 140,
    kOrbListFirst = 180,
    kCatalogueListFirst = 220,
    kWalkMenuFirst = 300,
    kFightMenuFirst = 310,
    kFightWonItem = 320,
    kGameOverItem = 330,
    kShopBack = 340,
    kSynthesisBack = 350,
    kScoreFirst = 360,
    kScoreSentItem = 370,
    kEscapeItem = 380,
    kSubMenuFirst = 390,
    kAltarBack = 400,
    kPictureFirst = 410,
    kExportFirst = 420,
    kCatalogueBack = 430,
    kHandMenuItem = 508,        // the dungeon hand, after the eight hand slots
    kTargetBack = 708,          // the target choice, after the eight enemies
};

}  // namespace kestrilon
