#pragma once
// Wave effects addressed by file name and the one background music track.
#include <string_view>

namespace kestrilon {

struct Game;

void PlayEffect(Game& g, std::string_view name);
// A music file name from dat/, or "not" to stop.
void PlayMusic(Game& g, std::string_view name);
// The media player reported the end of the track: play it again.
void mid_pNotify(Game& g);

}  // namespace kestrilon
