// kestrilon-assets: writes the placeholder pictures, sounds and music the game asks for.
//   kestrilon-assets <picture folder> <sound folder>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "generate.h"
#include "scripted_platform.h"
#include "state/game.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <picture folder> <sound folder>\n", argv[0]);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    kestrilon::tools::ScriptedPlatform platform(std::filesystem::path(argv[1]).parent_path());
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
