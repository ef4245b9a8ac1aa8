#include "screens/volume.h"

#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class VolumeTest : public testing::GameTest {
protected:
    void SetUp() override { os.WriteFile("dat/1.wav", "RIFF"); }
    void NextTick() {
        if (g.sound.LastSoundHold >= 1 && --g.sound.LastSoundHold == 0) g.sound.LastSound.clear();
    }
};

TEST_F(VolumeTest, StepsStopAtTheLimitsAndAreLogged) {
    g.player.soundVolume = -3600;
    VolumeDown(g);
    EXPECT_EQ(g.player.soundVolume, -4000);
    EXPECT_EQ(g.log.entries[0].text, "音量＝-4000");
    VolumeDown(g);
    EXPECT_EQ(g.player.soundVolume, -4000);
    g.player.soundVolume = -200;
    NextTick();
    VolumeUp(g);
    EXPECT_EQ(g.player.soundVolume, 0);
    EXPECT_EQ(g.log.entries[0].text, "音量＝0");
    ASSERT_FALSE(os.playedVolumes.empty());
    EXPECT_EQ(os.playedVolumes.back(), 0);  // the click plays at the new volume
}

}  // namespace
}  // namespace kestrilon
