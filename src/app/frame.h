#pragma once
// The frame clock: one tick composes a frame, adapts the timer and paces the battle.
#include <string_view>

namespace kestrilon {

struct Game;

constexpr int kMinTimerInterval = 70;

// The whole work of one Timer1 tick.
void FrameTickStep(Game& g);
void ComposeFrame(Game& g);
// Once a second: lengthen or shorten the timer so that 12 or 13 frames fall in a second.
void RateCheck(Game& g);
void StartShake(Game& g, int strength);

}  // namespace kestrilon
