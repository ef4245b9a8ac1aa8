#pragma once
// The main form: owns the game and carries the event handlers that the window loop
// (or a test) calls.
#include <memory>

#include "app/game.h"

namespace kestrilon {

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

    int Timer1Interval() const { return game_->frame.timerInterval; }
    Game& game() { return *game_; }
    const Bitmap& Surface() const { return game_->layers.cg; }

private:
    Platform& os_;
    std::unique_ptr<Game> game_;
    bool created_ = false;
};

}  // namespace kestrilon
