#pragma once
// Every wave effect and music track the game plays, by file name in dat/. The asset
// generator writes exactly these files, and the content checks hold the card sounds and
// the names in the code to this list.
#include <span>
#include <string_view>

namespace kestrilon {

std::span<const std::string_view> WaveNames();
std::span<const std::string_view> MusicNames();

bool IsWaveName(std::string_view name);
bool IsMusicName(std::string_view name);

}  // namespace kestrilon
