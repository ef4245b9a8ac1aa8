#pragma once
// The main form: owns the game and carries the event handlers that the window loop
// (or a test) calls.
#include <memory>

#include "app/macro_box.h"
#include "app/name_entry.h"
#include "state/game.h"

namespace kestrilon {

// The keys the form reacts to; every other key is Other.
enum class Key { Escape, Backspace, Enter, Other };

class TForm1 {
public:
    explicit TForm1(Platform& os);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    void FormCreate();
    void FormDestroy();
    void Timer1Timer();
    void FormClose();
    void mid_pNotify();
    void cgMouseDown(int x, int y, MouseButton button);
    void cgMouseUp();
    void cgMouseMove(int x, int y);
    // Wheel notches, positive away from the player; they scroll the ranking board.
    void rank_listMouseWheel(int notches);
    void FormKeyDown(Key key);
    // Typed text: into the name entry, or into the focused name edit of the preset panel.
    void name_lTextInput(std::string_view text);
    void Button1Click();
    // "はい" on the quit question asks the window to close.
    bool CloseRequested() const { return game_->menus.closeRequested; }

    const MacroBox& PresetPanel() const { return macro_box; }

    int Timer1Interval() const { return game_->frame.timerInterval; }
    Game& game() { return *game_; }
    const Bitmap& Surface() const { return game_->layers.cg; }

private:
    Platform& os_;
    std::unique_ptr<Game> game_;
    bool created_ = false;
    NameBox name_box;
    MacroBox macro_box;
};

}  // namespace kestrilon
