#pragma once
// The real platform: an SDL window with a streaming texture, SDL_mixer, curl and xdg-open.
#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <vector>

#include "gfx/canvas.h"
#include "platform/platform.h"

namespace kestrilon {

class SdlPlatform : public Platform {
public:
    explicit SdlPlatform(std::filesystem::path programFolder);
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    bool Ready() const { return window_ != nullptr; }

    double Now() override;
    uint64_t ClockSeed() override;
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
    bool OpenUrl(const std::string& url) override;

    // Shows a composed frame and keeps it as the backdrop of dialogs.
    void Present(const Canvas& frame);
    void ShowFrame(const Canvas& frame) override { Present(frame); }

private:
    // Runs a modal dialog over the last frame; returns the index of the button chosen,
    // or -1 when the window was closed.
    int RunDialog(const std::string& text, const std::vector<std::string>& buttons);
    void Upload(const Canvas& canvas);
    void HaltMusic();

    std::filesystem::path folder_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool audio_ = false;
    std::vector<Mix_Chunk*> chunks_;
    Mix_Music* music_ = nullptr;
    Canvas lastFrame_{800, 600};
    static std::atomic<bool> musicEnded_;
    static std::atomic<bool> halting_;
};

}  // namespace kestrilon
