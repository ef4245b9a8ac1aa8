#pragma once

namespace kestrilon {

// What is on screen besides the frame itself: the current menu scene and the panels
// that change where the message log sits and how many lines it shows.
struct ScreenState {
    int GameScene = 0;             // current menu scene; 0 = no menu
    bool presetPanelOpen = false;  // the book preset panel macro_box is visible
    int editBookKind = 0;          // book being edited: 1 dungeon book, 2 battle book, 0 none
    int listEntries = 0;           // entries of the long list shown on scenes 8, 19, 21 and 26
    bool storyRunning = false;     // a story page sequence is playing
    bool openingPlaying = false;   // the opening runs: a right click skips it
    bool nameBoxOpen = false;      // the name entry panel name_box is visible
};

}  // namespace kestrilon
