#pragma once
// Reading the picture files: JPEG through libjpeg, BMP through SDL's reader.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace kestrilon {

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xFFRRGGBB, rows top to bottom
};

bool DecodeImageFile(const std::filesystem::path& file, DecodedImage& out);

}  // namespace kestrilon
