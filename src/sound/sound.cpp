#include "sound/sound.h"

#include <string>

#include "state/game.h"

namespace kestrilon {
namespace {
std::filesystem::path DatFile(const Game& g, std::string_view name) {
    return g.os.ProgramFolder() / "dat" / std::filesystem::path(std::string(name));
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
    if (g.os.PlayMusic(DatFile(g, name))) {
        g.sound.music.assign(name);
        return;
    }
    // The player was handed the new file, so the old track is gone even though it failed to open.
    g.sound.music.clear();
    g.os.StopMusic();
}

void mid_pNotify(Game& g) {
    if (!g.sound.music.empty()) g.os.PlayMusic(DatFile(g, g.sound.music));
}

}  // namespace kestrilon
