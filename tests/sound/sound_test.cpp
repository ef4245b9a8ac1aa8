#include "app/frame.h"
#include "sound/sound.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class SoundTest : public testing::GameTest {
protected:
    void SetUp() override {
        for (const char* name : {"1.wav", "coin.wav", "a.mp3"}) os.WriteFile(std::string("dat/") + name, "RIFF");
    }
    void NextTick() {
        if (g.sound.LastSoundHold >= 1 && --g.sound.LastSoundHold == 0) g.sound.LastSound.clear();
    }
};

TEST_F(SoundTest, SameEffectOncePerTick) {
    PlayEffect(g, "1.wav");
    PlayEffect(g, "1.wav");
    PlayEffect(g, "1.wav");
    EXPECT_EQ(os.played.size(), 1u);
    PlayEffect(g, "coin.wav");
    EXPECT_EQ(os.played.size(), 2u);
    FrameTickStep(g);
    PlayEffect(g, "1.wav");
    EXPECT_EQ(os.played.size(), 3u);
    EXPECT_EQ(os.wavesLoaded.size(), 2u);  // each file loaded on first use only
}

TEST_F(SoundTest, TheGuardIsByNameNotByAlternation) {
    PlayEffect(g, "1.wav");
    PlayEffect(g, "coin.wav");
    PlayEffect(g, "1.wav");  // the last sound is coin.wav now, so this plays again
    EXPECT_EQ(os.played, (std::vector<std::string>{"1.wav", "coin.wav", "1.wav"}));
}

TEST_F(SoundTest, MissingFilesAndDevicesAreSilent) {
    PlayEffect(g, "nothing.wav");
    NextTick();
    PlayEffect(g, "nothing.wav");
    EXPECT_TRUE(os.played.empty());
    EXPECT_TRUE(os.messages.empty());
    PlayEffect(g, "");
    EXPECT_EQ(g.sound.LastSound, "nothing.wav");
    os.soundDevice = false;
    NextTick();
    PlayEffect(g, "coin.wav");
    EXPECT_TRUE(os.played.empty());
}

TEST_F(SoundTest, MusicLoopsUntilStopped) {
    PlayMusic(g, "not");  // nothing plays: harmless
    PlayMusic(g, "a.mp3");
    EXPECT_EQ(os.musicStarted, (std::vector<std::string>{"a.mp3"}));
    mid_pNotify(g);
    EXPECT_EQ(os.musicStarted.size(), 2u);
    PlayMusic(g, "not");
    mid_pNotify(g);
    EXPECT_EQ(os.musicStarted.size(), 2u);
    PlayMusic(g, "missing.mp3");
    EXPECT_EQ(os.musicStarted.size(), 2u);
}

// The player was given the new file even though it would not open: the old track stops, and
// the end of the old track does not start anything, not even once the file turns up.
TEST_F(SoundTest, AMusicFileThatFailsToOpenStopsTheOldTrack) {
    PlayMusic(g, "a.mp3");
    const int stops = os.musicStops;
    PlayMusic(g, "missing.mp3");
    EXPECT_EQ(os.musicStops, stops + 1);
    os.WriteFile("dat/missing.mp3", "ID3");
    mid_pNotify(g);
    EXPECT_EQ(os.musicStarted, (std::vector<std::string>{"a.mp3"}));
}

}  // namespace
}  // namespace kestrilon
