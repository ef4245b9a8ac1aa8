#pragma once
// A platform without window, sound or network, for tools that only build game state.
#include <filesystem>

#include "platform/platform.h"

namespace kestrilon::data_tool {

class ToolPlatform : public Platform {
public:
    explicit ToolPlatform(std::filesystem::path folder);

    double Now() override;
    uint64_t ClockSeed() override { return 1; }
    const std::filesystem::path& ProgramFolder() const override { return folder_; }
    int LoadWave(const std::filesystem::path&) override { return -1; }
    void PlayWave(int, int) override {}
    bool PlayMusic(const std::filesystem::path&) override { return false; }
    void StopMusic() override {}
    bool MusicFinished() override { return false; }
    // No one can answer: every question is refused and notices go to the error stream.
    bool Confirm(const std::string& text) override;
    void MessageBox(const std::string& text) override;
    HttpReply HttpGet(const std::string&) override { return {}; }
    bool OpenUrl(const std::string&) override { return false; }

private:
    std::filesystem::path folder_;
};

}  // namespace kestrilon::data_tool
