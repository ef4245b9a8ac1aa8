#include "sound/sound.h"

#include <string>

#include "app/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

std::filesystem::path DatFile(const Game& g, std::string_view name) {
    return g.os.ProgramFolder() / "dat" / std::filesystem::path(std::string(name));
}

void LogVolume(Game& g) {
    std::string line = "音量＝";
    AppendInt(line, g.player.soundVolume);
    Log(g, line);
    PlayEffect(g, "1.wav");
}

}  // namespace

void PlayEffect(Game& g, std::string_view name) {
    SoundState& s = g.sound;
    if (name.empty() || name == s.LastSound) return;
    s.LastSound.assign(name);
    s.LastSoundHold = 1;
    auto wave = s.waves.find(s.LastSound);
    if (wave == s.waves.end()) wave = s.waves.emplace(s.LastSound, g.os.LoadWave(DatFile(g, name))).first;
    if (wave->second >= 0) g.os.PlayWave(wave->second, g.player.soundVolume);
}

void PlayMusic(Game& g, std::string_view name) {
    if (name == "not") {
        g.sound.music.clear();
        g.os.StopMusic();
        return;
    }
    if (name.empty()) return;
    g.sound.music.assign(name);
    g.os.PlayMusic(DatFile(g, name));
}

void mid_pNotify(Game& g) {
    if (!g.sound.music.empty()) g.os.PlayMusic(DatFile(g, g.sound.music));
}

void VolumeDown(Game& g) {
    g.player.soundVolume -= kVolumeStep;
    if (g.player.soundVolume <= kVolumeFloor) g.player.soundVolume = kVolumeFloor;
    LogVolume(g);
}

void VolumeUp(Game& g) {
    g.player.soundVolume += kVolumeStep;
    if (g.player.soundVolume >= 0) g.player.soundVolume = 0;
    LogVolume(g);
}

}  // namespace kestrilon
