#pragma once
#include <filesystem>

namespace kestrilon {

// Opens the window and runs the game until the window is closed. Returns the exit code.
int RunGame(const std::filesystem::path& programFolder);

}  // namespace kestrilon
