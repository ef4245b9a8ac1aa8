#pragma once
// The volume buttons of the option screen: a step of 4 dB, between silent-ish and full.
namespace kestrilon {

struct Game;

constexpr int kVolumeStep = 400;
constexpr int kVolumeFloor = -4000;

void VolumeDown(Game& g);
void VolumeUp(Game& g);

}  // namespace kestrilon
