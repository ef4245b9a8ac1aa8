#include "screens/volume.h"

#include <string>

#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

void LogVolume(Game& g) {
    std::string line = "音量＝";
    AppendInt(line, g.player.soundVolume);
    Log(g, line);
    PlayEffect(g, "1.wav");
}

}  // namespace

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
