#pragma once
// Mouse state between a press and its dispatch.

namespace kestrilon {

enum class MouseButton { Left, Middle, Right };

struct InputState {
    int ClickX = 0;
    int ClickY = 0;
    int ClickKind = 0;       // 0 none, 1 left or middle press, 2 right press; cleared on release
    bool InputBusy = false;  // a ranking request is waiting for the server
};

}  // namespace kestrilon
