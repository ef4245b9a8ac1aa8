#pragma once
// The wave list and the music track.
#include <string>
#include <unordered_map>

namespace kestrilon {

struct SoundState {
    std::string LastSound;
    int LastSoundHold = 0;
    // The wave list: one buffer per effect name, loaded on first use and kept.
    // A name whose file could not be loaded keeps a negative handle, so it is not retried every time.
    std::unordered_map<std::string, int> waves;
    std::string music;  // file of the track that loops; empty when stopped
};

}  // namespace kestrilon
