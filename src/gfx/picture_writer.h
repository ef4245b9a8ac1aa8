#pragma once
// Writing finished pictures: 24-bit BMP or baseline JPEG, chosen by the file's extension.
#include <filesystem>

#include "gfx/canvas.h"

namespace kestrilon {

bool WriteBmp(const Canvas& canvas, const std::filesystem::path& file);
bool WriteJpeg(const Canvas& canvas, const std::filesystem::path& file, int quality = 90);
// ".jpg"/".jpeg" (any case) as JPEG, everything else as BMP.
bool WritePicture(const Canvas& canvas, const std::filesystem::path& file);

}  // namespace kestrilon
