// kestrilon-assets: writes the placeholder pictures, sounds and music the game asks for.
//   kestrilon-assets <picture folder> <sound folder>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "app/game.h"
#include "generate.h"

namespace {

// The generator needs the game's tables, not a machine: nothing here is ever called.
class TablesOnlyPlatform : public kestrilon::Platform {
public:
    explicit TablesOnlyPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}
    double Now() override { return 0; }
    uint64_t ClockSeed() override { return 1; }
    const std::filesystem::path& ProgramFolder() const override { return folder_; }
    int LoadWave(const std::filesystem::path&) override { return -1; }
    void PlayWave(int, int) override {}
    bool PlayMusic(const std::filesystem::path&) override { return false; }
    void StopMusic() override {}
    bool MusicFinished() override { return false; }
    bool Confirm(const std::string&) override { return false; }
    void MessageBox(const std::string&) override {}
    kestrilon::HttpReply HttpGet(const std::string&) override { return {}; }
    bool OpenUrl(const std::string&) override { return false; }

private:
    std::filesystem::path folder_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <picture folder> <sound folder>\n", argv[0]);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    TablesOnlyPlatform platform(std::filesystem::path(argv[1]).parent_path());
    auto game = std::make_unique<kestrilon::Game>(platform, 1);
    const kestrilon::assets::AssetPlan plan = kestrilon::assets::PlanAssets(*game);
    kestrilon::assets::GenerateOptions options;
    options.musicThreads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const kestrilon::assets::GenerateReport report = kestrilon::assets::Generate(plan, argv[1], argv[2], options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("kestrilon-assets: %d pictures, %d waves, %d music files in %.1f s\n", report.pictures, report.waves,
                report.music, seconds);
    for (const std::string& name : report.failed) std::fprintf(stderr, "kestrilon-assets: could not write %s\n", name.c_str());
    return report.failed.empty() ? 0 : 1;
}
