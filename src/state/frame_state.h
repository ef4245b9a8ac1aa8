#pragma once

namespace kestrilon {

// The way into the game: the splash, the title picture, then play. FrameState keeps the
// number; TitleCode converts.
enum class TitleState : int { Splash = -2, Picture = -1, Game = 0 };
constexpr int TitleCode(TitleState state) { return static_cast<int>(state); }

// The zoom-picture layer: a picture grows in around (500, 200) and stays, or slides out
// downwards; the two start values reset the size and move on at once.
enum class ZoomStage : int { Off = 0, StartGrowing = 1, Growing = 2, StartLeaving = 100, Leaving = 101 };

// Variables of the frame clock and of the composed picture.
struct FrameState {
    int FramesThisSecond = 0;
    double NextRateCheck = 0;   // seconds on the platform clock; 0 lets the first tick check at once
    int FrameTick = 0;          // 0 .. 999
    int TitleState = TitleCode(kestrilon::TitleState::Splash);  // Game or more once playing
    int BackgroundDirty = 0;
    int PictureLock = 0;
    int ShakeCounter = 0;
    ZoomStage ZoomMode = ZoomStage::Off;
    int ZoomSize = 0;
    double NextBattleStep = 0;  // seconds on the platform clock
    int timerInterval = 90;     // milliseconds between ticks of Timer1
};

}  // namespace kestrilon
