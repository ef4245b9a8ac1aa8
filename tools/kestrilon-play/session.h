#pragma once
// One headless play-through: the form on a scripted platform whose clock only the script
// advances, fed one command line at a time. Everything the game does is written to `out`.
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "app/form.h"
#include "scripted_platform.h"

namespace kestrilon::play {

class PlaySession {
public:
    // Starts the program in os's folder (FormCreate).
    PlaySession(tools::ScriptedPlatform& os, std::ostream& out);
    ~PlaySession();
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;

    // Carries out one script line; blank lines and # comments do nothing. Returns why the
    // command could not be carried out, or an empty string.
    std::string Run(std::string_view line);

    TForm1& form() { return *form_; }
    bool closed() const { return closed_; }

private:
    std::string LeftClick(std::string_view args);
    std::string RightClick(std::string_view args);
    std::string Press(std::string_view args, MouseButton button);
    std::string Move(std::string_view args);
    std::string KeyDown(std::string_view args);
    std::string Type(std::string_view args);
    std::string Frames(std::string_view args);
    std::string Wait(std::string_view args);
    std::string Answer(std::string_view args);
    std::string Shot(std::string_view args);
    std::string State(std::string_view args);
    std::string ClickCaption(std::string_view args);
    std::string Close(std::string_view args);
    std::string Restart(std::string_view args);

    void Open();
    void Tick();
    // The window closes itself when the game asks for it ("はい" on the quit question).
    void CloseIfAsked();
    void CloseWindow();

    tools::ScriptedPlatform& os_;
    std::ostream& out_;
    std::unique_ptr<TForm1> form_;
    double nextTick_ = 0;  // platform time of the next timer tick
    bool closed_ = false;
};

}  // namespace kestrilon::play
