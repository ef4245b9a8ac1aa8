#pragma once
// Mouse state and the dispatch of a click: the click script first, then the title
// pictures, then the buttons of the current screen.
namespace kestrilon {

struct Game;

enum class MouseButton { Left, Middle, Right };

struct InputState {
    int ClickX = 0;
    int ClickY = 0;
    int ClickKind = 0;       // 0 none, 1 left or middle press, 2 right press; cleared on release
    bool InputBusy = false;  // a ranking request is waiting for the server
};

// A press on the surface at (x, y).
void HandleClick(Game& g, int x, int y, MouseButton button);
// Escape on the title pictures: asks, and unless the answer is No resets the player.
void ResetRequest(Game& g);

}  // namespace kestrilon
