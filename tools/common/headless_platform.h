#pragma once
// A platform for tools that only build and draw game state: no window, sound or network.
// Nobody can answer a question, so every question is refused; notices go to stderr.
#include <filesystem>
#include <string>

#include "platform/platform.h"

namespace kestrilon::tools {

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}

    double Now() override;
    uint64_t ClockSeed() override { return 177; }
    const std::filesystem::path& ProgramFolder() const override { return folder_; }
    int LoadWave(const std::filesystem::path&) override { return -1; }
    void PlayWave(int, int) override {}
    bool PlayMusic(const std::filesystem::path&) override { return false; }
    void StopMusic() override {}
    bool MusicFinished() override { return false; }
    bool Confirm(const std::string& text) override;
    void MessageBox(const std::string& text) override;
    HttpReply HttpGet(const std::string&) override { return {}; }
    bool OpenUrl(const std::string&) override { return false; }

private:
    std::filesystem::path folder_;
};

}  // namespace kestrilon::tools
