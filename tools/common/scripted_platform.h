#pragma once
// The platform of tests and developer tools: no window, sound device or network. The caller
// advances the clock and queues the answers of Yes/No dialogs; what the game played, asked,
// showed and logged is recorded, and a listener, when set, hears each of it as it happens.
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace kestrilon::tools {

class ScriptedPlatform : public Platform {
public:
    // A fresh temporary program folder with empty cg/, dat/ and dat2/, removed afterwards.
    ScriptedPlatform();
    // An existing program folder, used as it is and kept.
    explicit ScriptedPlatform(std::filesystem::path folder);
    ~ScriptedPlatform() override;
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    double Now() override { return clock; }
    uint64_t ClockSeed() override { return seed; }
    const std::filesystem::path& ProgramFolder() const override { return folder_; }

    int LoadWave(const std::filesystem::path& file) override;
    void PlayWave(int handle, int volumeCentibels) override;
    bool PlayMusic(const std::filesystem::path& file) override;
    void StopMusic() override;
    bool MusicFinished() override;

    bool Confirm(const std::string& text) override;
    void MessageBox(const std::string& text) override;
    Answer Ask(const std::string& text) override;
    Answer Notify(const std::string& text) override;
    HttpReply HttpGet(const std::string& url) override;
    HttpReply HttpPost(const std::string& url, const std::string& body) override;
    void ShowFrame(const Canvas& frame) override;
    bool OpenUrl(const std::string& url) override;
    void Logged(std::string_view text, std::string_view colourName) override;

    void Advance(double seconds) { clock += seconds; }
    // Writes a file below the program folder, creating its folders.
    void WriteFile(const std::filesystem::path& relative, const std::string& bytes);
    // Writes a small 24-bit BMP of one colour (0x00BBGGRR) below the program folder.
    void WriteBmp(const std::filesystem::path& relative, int width, int height, uint32_t colour);
    // The same as a baseline JPEG.
    void WriteJpeg(const std::filesystem::path& relative, int width, int height, uint32_t colour);

    double clock = 1000.0;
    uint64_t seed = 12345;                  // what the game seeds its random generator with
    bool soundDevice = true;                // false: every wave load fails
    std::vector<std::string> wavesLoaded;   // file names (not paths) in load order
    std::vector<std::string> played;        // effect file names in play order
    std::vector<int> playedVolumes;
    std::vector<std::string> musicStarted;  // music file names in start order
    int musicStops = 0;
    bool musicEnded = false;                // set by the caller to report the end of the track
    std::deque<bool> answers;               // Confirm answers; none queued means "yes"
    // The player closes the window at the first dialog whose text holds this; that dialog
    // and every later one end unanswered, as the real window's do.
    std::string closeWindowAt;
    bool windowClosed = false;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> urlsOpened;
    // Answers HTTP requests; the body is empty for a GET. Without it every request fails.
    std::function<HttpReply(const std::string& url, const std::string& body)> http;
    std::vector<std::string> requests;  // "GET url" or "POST url", in order
    int framesShown = 0;                // frames the game showed outside the timer
    // Hears SOUND, MUSIC, ASK, MSG, OPEN, HTTP and LOG events with their one-line detail.
    std::function<void(std::string_view kind, std::string_view detail)> listener;

private:
    void Tell(std::string_view kind, std::string_view detail);
    bool ClosesAt(const std::string& text);
    void WriteCanvas(const std::filesystem::path& relative, int width, int height, uint32_t colour, bool jpeg);

    std::filesystem::path folder_;
    bool ownsFolder_ = false;
    bool musicPlaying_ = false;
    std::vector<std::string> handles_;
};

}  // namespace kestrilon::tools
