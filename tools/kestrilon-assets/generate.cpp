#include "generate.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "art.h"
#include "gfx/picture_writer.h"
#include "music.h"
#include "procedural.h"
#include "wave_synth.h"

namespace kestrilon::assets {

GenerateReport Generate(const AssetPlan& plan, const std::filesystem::path& pictureFolder,
                        const std::filesystem::path& soundFolder, const GenerateOptions& options) {
    GenerateReport report;
    std::error_code error;
    if (options.pictures) std::filesystem::create_directories(pictureFolder, error);
    if (options.waves || options.music) std::filesystem::create_directories(soundFolder, error);

    std::mutex reportMutex;
    std::atomic<size_t> nextTrack{0};
    std::atomic<int> tracksDone{0};
    auto musicWorker = [&] {
        for (size_t i = nextTrack++; i < plan.music.size(); i = nextTrack++) {
            const std::string& name = plan.music[i];
            const bool ok = EncodeMp3(ComposeLoop(name), soundFolder / name);
            if (ok) {
                ++tracksDone;
            } else {
                std::lock_guard lock(reportMutex);
                report.failed.push_back(name);
            }
        }
    };
    std::vector<std::thread> workers;
    if (options.music) {
        const int threads = std::clamp(options.musicThreads, 1, static_cast<int>(std::max<size_t>(1, plan.music.size())));
        for (int i = 0; i < threads; ++i) workers.emplace_back(musicWorker);
    }

    if (options.pictures) {
        for (const PictureJob& job : plan.pictures) {
            if (WritePicture(DrawPicture(job), pictureFolder / job.name)) {
                ++report.pictures;
            } else {
                std::lock_guard lock(reportMutex);
                report.failed.push_back(job.name);
            }
        }
    }
    if (options.waves) {
        for (const std::string& name : plan.waves) {
            if (WriteWav(soundFolder / name, RenderEffect(EffectFor(name), NameSeed(name)), kEffectRate)) {
                ++report.waves;
            } else {
                std::lock_guard lock(reportMutex);
                report.failed.push_back(name);
            }
        }
    }
    for (std::thread& worker : workers) worker.join();
    report.music = tracksDone;
    return report;
}

}  // namespace kestrilon::assets
