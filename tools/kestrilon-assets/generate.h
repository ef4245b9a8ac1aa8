#pragma once
// Writes a whole asset plan: pictures into the picture folder, effects and music into
// the sound folder. Music is composed and encoded on worker threads while the pictures
// (which share the text engine) are drawn on the calling thread.
#include <filesystem>
#include <string>
#include <vector>

#include "asset_plan.h"

namespace kestrilon::assets {

struct GenerateOptions {
    bool pictures = true;
    bool waves = true;
    bool music = true;
    int musicThreads = 2;
};

struct GenerateReport {
    int pictures = 0;
    int waves = 0;
    int music = 0;
    std::vector<std::string> failed;  // files that could not be written
};

GenerateReport Generate(const AssetPlan& plan, const std::filesystem::path& pictureFolder,
                        const std::filesystem::path& soundFolder, const GenerateOptions& options = {});

}  // namespace kestrilon::assets
