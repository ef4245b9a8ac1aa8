#pragma once
// What the game needs from the machine: clock, sound device, modal dialogs, HTTP,
// the shell and the program folder. The real implementation is SDL, SDL_mixer and curl;
// tests use a fake that records what was asked and answers from a script.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "gfx/canvas.h"

namespace kestrilon {

// How a dialog ended. Closed: the window was closed instead; every later dialog then ends
// Closed at once, and the window closes.
enum class Answer { Yes, No, Closed };

struct HttpReply {
    bool ok = false;      // a reply with status 200 arrived in time
    int status = 0;
    std::string body;     // raw bytes of the reply
};

class Platform {
public:
    virtual ~Platform() = default;

    // Seconds since an arbitrary start, monotonic.
    virtual double Now() = 0;
    // A seed for the random generator taken from the wall clock.
    virtual uint64_t ClockSeed() = 0;

    // The folder that holds the program; cg/, dat/ and dat2/ lie below it.
    virtual const std::filesystem::path& ProgramFolder() const = 0;

    // Wave effects: load a file into a new buffer (negative handle on failure),
    // play a buffer at a volume in hundredths of a decibel (0 full, -4000 quietest).
    virtual int LoadWave(const std::filesystem::path& file) = 0;
    virtual void PlayWave(int handle, int volumeCentibels) = 0;

    // Music: one stream at a time. MusicFinished reports, once, that the stream ended by itself.
    virtual bool PlayMusic(const std::filesystem::path& file) = 0;
    virtual void StopMusic() = 0;
    virtual bool MusicFinished() = 0;

    // Modal dialogs drawn over the last frame; block until answered. Confirm counts a closed
    // window as No; Ask and Notify tell the two apart (a dismissed message box is Yes).
    virtual bool Confirm(const std::string& text) = 0;
    virtual void MessageBox(const std::string& text) = 0;
    virtual Answer Ask(const std::string& text) { return Confirm(text) ? Answer::Yes : Answer::No; }
    virtual Answer Notify(const std::string& text) {
        MessageBox(text);
        return Answer::Yes;
    }

    virtual HttpReply HttpGet(const std::string& url) = 0;
    // The same with a request body, sent as a POST.
    virtual HttpReply HttpPost(const std::string& url, const std::string& body) = 0;
    // Opens a web page in the desktop's browser; false when that failed.
    virtual bool OpenUrl(const std::string& url) = 0;

    // Shows a frame at once, outside the timer's rhythm: the game paints one before it
    // blocks on a request so that the player sees why it waits.
    virtual void ShowFrame(const Canvas& /*frame*/) {}

    // Each line the game logs, as it is logged; for tools that print a play-through.
    virtual void Logged(std::string_view /*text*/, std::string_view /*colourName*/) {}
};

}  // namespace kestrilon
