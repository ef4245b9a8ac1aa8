#pragma once
#include <cstdint>

namespace kestrilon {

// The game's screens, valued by their scene numbers. GameScene and the items' screen
// field keep the number itself; ScreenCode and ScreenFromCode convert at the edges.
enum class Screen : int32_t {
    None = 0,
    MainMenu = 1,
    QuitQuestion = 2,
    Options = 3,
    SoundVolume = 4,
    TitleMenu = 5,
    BookEdit = 6,
    CardActions = 7,  // the pop-up of a card chosen while editing a book
    DungeonList = 8,
    DungeonHand = 9,
    WalkMenu = 10,
    FightMenu = 11,
    TargetChoice = 12,
    FightWon = 13,
    GameOver = 14,
    Shop = 15,
    Synthesis = 16,
    DungeonCleared = 17,
    ScoreSent = 18,
    RankingList = 19,
    DungeonEscape = 20,
    OrbList = 21,
    SubMenu = 22,
    Altar = 23,
    CardPictures = 24,
    ExportOptions = 25,
    CatalogueList = 26,
    Catalogue = 27,
};
constexpr int kScreenCount = 28;

constexpr int32_t ScreenCode(Screen screen) { return static_cast<int32_t>(screen); }
// A number no screen has (a story line may carry any) means no screen.
constexpr Screen ScreenFromCode(int32_t code) {
    return code >= 0 && code < kScreenCount ? static_cast<Screen>(code) : Screen::None;
}

// What is on screen besides the frame itself: the current menu scene and the panels
// that change where the message log sits and how many lines it shows.
struct ScreenState {
    int32_t GameScene = 0;         // current menu scene, a Screen code; 0 = no menu
    bool presetPanelOpen = false;  // the book preset panel macro_box is visible
    int editBookKind = 0;          // book being edited: 1 dungeon book, 2 battle book, 0 none
    int listEntries = 0;           // entries of the long list shown on scenes 8, 19, 21 and 26
    bool storyRunning = false;     // a story page sequence is playing
    bool openingPlaying = false;   // the opening runs: a right click skips it
    bool nameBoxOpen = false;      // the name entry panel name_box is visible

    Screen Current() const { return ScreenFromCode(GameScene); }
};

}  // namespace kestrilon
