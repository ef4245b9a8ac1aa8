#pragma once

namespace kestrilon {

// Variables of the frame clock and of the composed picture.
struct FrameState {
    int FramesThisSecond = 0;
    double NextRateCheck = 0;   // seconds on the platform clock
    int FrameTick = 0;          // 0 .. 999
    int TitleState = -2;        // -2 splash, -1 title picture, 0 or more in game
    int BackgroundDirty = 0;
    int PictureLock = 0;
    int ShakeCounter = 0;
    int ZoomMode = 0;
    int ZoomSize = 0;
    double NextBattleStep = 0;  // seconds on the platform clock
    int timerInterval = 90;     // milliseconds between ticks of Timer1
};

}  // namespace kestrilon
