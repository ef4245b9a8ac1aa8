#pragma once
// Wave effects addressed by file name and the one background music track.
#include <string>
#include <string_view>
#include <unordered_map>

namespace kestrilon {

struct Game;

constexpr int kVolumeStep = 400;
constexpr int kVolumeFloor = -4000;

struct SoundState {
    std::string LastSound;
    int LastSoundHold = 0;
    // The wave list: one buffer per effect name, loaded on first use and kept.
    // A name whose file could not be loaded keeps a negative handle, so it is not retried every time.
    std::unordered_map<std::string, int> waves;
    std::string music;  // file of the track that loops; empty when stopped
};

void PlayEffect(Game& g, std::string_view name);
// A music file name from dat/, or "not" to stop.
void PlayMusic(Game& g, std::string_view name);
// The media player reported the end of the track: play it again.
void mid_pNotify(Game& g);
void VolumeDown(Game& g);
void VolumeUp(Game& g);

}  // namespace kestrilon
