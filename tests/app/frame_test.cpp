#include <fstream>

#include "app/form.h"
#include "app/frame.h"
#include "render/background.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class FrameTest : public testing::GameTest {
protected:
    void SetUp() override {
        g.frame.TitleState = TitleCode(TitleState::Game);
    }
    int RateAfter(int frames, int interval) {
        g.frame.timerInterval = interval;
        g.frame.FramesThisSecond = frames;
        g.frame.NextRateCheck = 0;
        RateCheck(g);
        return g.frame.timerInterval;
    }
};

TEST_F(FrameTest, RateCheckKeepsTwelveToThirteenFrames) {
    EXPECT_EQ(RateAfter(14, 90), 91);
    EXPECT_EQ(RateAfter(20, 90), 97);
    EXPECT_EQ(RateAfter(13, 90), 90);
    EXPECT_EQ(RateAfter(12, 90), 90);
    EXPECT_EQ(RateAfter(11, 90), 88);
    EXPECT_EQ(RateAfter(11, 71), 71);  // 69 would be below the floor
    EXPECT_EQ(RateAfter(11, 72), 70);
    EXPECT_EQ(g.frame.FramesThisSecond, 0);
}

TEST_F(FrameTest, RateCheckWaitsForTheSecond) {
    g.frame.NextRateCheck = os.Now() + 0.5;
    g.frame.FramesThisSecond = 30;
    RateCheck(g);
    EXPECT_EQ(g.frame.timerInterval, 90);
    os.Advance(0.6);
    RateCheck(g);
    EXPECT_EQ(g.frame.timerInterval, 107);
    EXPECT_DOUBLE_EQ(g.frame.NextRateCheck, os.Now() + 1.0);
}

TEST_F(FrameTest, FrameTickWraps) {
    g.frame.FrameTick = 998;
    ComposeFrame(g);
    EXPECT_EQ(g.frame.FrameTick, 999);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.FrameTick, 0);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.FrameTick, 1);
}

TEST_F(FrameTest, ShakeDecays) {
    StartShake(g, 10);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.ShakeCounter, 4);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.ShakeCounter, 1);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.ShakeCounter, 0);
    StartShake(g, 1);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.ShakeCounter, 0);
}

TEST_F(FrameTest, ShakingLeavesTheGameStreamAlone) {
    const Rng before = g.rng;
    for (int i = 0; i < 5; ++i) {
        StartShake(g, 10);
        ComposeFrame(g);
    }
    Rng expected = before;
    EXPECT_EQ(g.rng.Next(), expected.Next());
}

TEST_F(FrameTest, ZoomGrowsInAndSlidesOut) {
    os.WriteBmp("cg/unit5.bmp", 20, 20, Rgb(0, 0, 255));
    ZoomPictureLoad(g, "unit5.bmp");
    EXPECT_EQ(g.frame.ZoomMode, ZoomStage::StartGrowing);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.ZoomMode, ZoomStage::Growing);
    EXPECT_EQ(g.frame.ZoomSize, 140);
    EXPECT_EQ(BlueOf(g.layers.cg.Pixel(500, 200)), 255);  // ORed in through the overlay
    for (int i = 0; i < 10; ++i) ComposeFrame(g);
    EXPECT_EQ(g.frame.ZoomSize, 200);
    EXPECT_EQ(g.frame.ZoomMode, ZoomStage::Growing);

    ZoomPictureLoad(g, "not");
    EXPECT_EQ(g.frame.ZoomMode, ZoomStage::StartLeaving);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.ZoomMode, ZoomStage::Leaving);
    EXPECT_EQ(g.frame.ZoomSize, 440);
    int frames = 1;
    while (g.frame.ZoomMode != ZoomStage::Off && frames < 50) {
        ComposeFrame(g);
        ++frames;
    }
    EXPECT_EQ(g.frame.ZoomSize, 800);
    EXPECT_LT(frames, 15);
}

TEST_F(FrameTest, ZoomNotChangesNothingWhenIdleOrLeaving) {
    ZoomPictureLoad(g, "not");
    EXPECT_EQ(g.frame.ZoomMode, ZoomStage::Off);
    g.frame.ZoomMode = ZoomStage::Leaving;
    ZoomPictureLoad(g, "");
    EXPECT_EQ(g.frame.ZoomMode, ZoomStage::Leaving);
}

TEST_F(FrameTest, BackgroundHeaderAndLock) {
    g.player.level = 3;
    g.frame.BackgroundDirty = 1;
    ComposeFrame(g);
    EXPECT_EQ(g.frame.BackgroundDirty, 0);
    bool white = false;
    for (int y = 2; y < 16; ++y)
        for (int x = 2; x < 30; ++x) white |= g.layers.cg.Pixel(x, y) == Rgb(255, 255, 255);
    EXPECT_TRUE(white);

    g.frame.PictureLock = 1;
    g.frame.BackgroundDirty = 1;
    g.player.level = 9;
    const Colour before = g.layers.LayerTable[kLayerComposed].Pixel(10, 8);
    ComposeFrame(g);
    EXPECT_EQ(g.frame.BackgroundDirty, 1);
    EXPECT_EQ(g.layers.LayerTable[kLayerComposed].Pixel(10, 8), before);
}

TEST_F(FrameTest, BattleStepPacedByTheClock) {
    g.battle.fightActive = 1;
    g.dungeon.number = 1;
    FrameTickStep(g);
    EXPECT_EQ(g.battle.steps, 1);
    os.Advance(0.1);
    FrameTickStep(g);
    EXPECT_EQ(g.battle.steps, 1);
    os.Advance(0.15);
    FrameTickStep(g);
    EXPECT_EQ(g.battle.steps, 2);
    g.battle.fightActive = 0;
    os.Advance(1);
    FrameTickStep(g);
    EXPECT_EQ(g.battle.steps, 2);
}

TEST_F(FrameTest, ClampKeepsGaugesInRange) {
    g.player.tp = 140;
    g.player.hunger = -5;
    g.player.hp = -3;
    ComposeFrame(g);
    EXPECT_EQ(g.player.tp, 100);
    EXPECT_EQ(g.player.hunger, 0);
    EXPECT_EQ(g.player.hp, 0);
}

TEST(Splash, CentredTextWithoutTitlePicture) {
    testing::FakePlatform os;
    TForm1 form(os);
    form.FormCreate();  // no cg/title.bmp at all
    form.Timer1Timer();
    const Bitmap& cg = form.Surface();
    int minX = 800, maxX = 0, minY = 600, maxY = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (cg.Pixel(x, y) == Rgb(255, 255, 255)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    ASSERT_LT(minX, maxX);
    EXPECT_NEAR((minX + maxX) / 2, 400, 4);
    EXPECT_NEAR((minY + maxY) / 2, 300, 6);
    EXPECT_TRUE(os.messages.empty());
}

// The first tick already checks the rate: one frame counted shortens 90 ms to 78 ms, and
// ticks at that pace then count 12 or 13 frames a second, which the check leaves alone.
TEST(FramePace, SettlesAtTwelveToThirteenFramesFromTheFirstTick) {
    testing::FakePlatform os;
    TForm1 form(os);
    form.FormCreate();
    EXPECT_EQ(form.Timer1Interval(), 90);
    form.Timer1Timer();
    EXPECT_EQ(form.Timer1Interval(), 78);
    const double start = os.Now();
    int frames = 0;
    while (os.Now() < start + 5.0) {
        os.Advance(form.Timer1Interval() / 1000.0);
        form.Timer1Timer();
        ++frames;
    }
    EXPECT_GE(frames, 5 * 12);
    EXPECT_LE(frames, 5 * 13 + 1);
    EXPECT_EQ(form.Timer1Interval(), 78);
}

TEST(Splash, TitlePictureShowsBehindTheText) {
    testing::FakePlatform os;
    os.WriteBmp("cg/title.bmp", 800, 600, Rgb(40, 0, 60));
    TForm1 form(os);
    form.FormCreate();
    form.Timer1Timer();
    EXPECT_EQ(form.Surface().Pixel(10, 10), Rgb(40, 0, 60));
    form.game().frame.TitleState = TitleCode(TitleState::Picture);
    form.Timer1Timer();
    EXPECT_EQ(form.Surface().Pixel(400, 300), Rgb(40, 0, 60));  // no splash text any more
}

TEST(Close, PenaltyOnlyInsideADungeonThenSave) {
    testing::FakePlatform os;
    TForm1 form(os);
    form.FormCreate();
    form.game().player.money = 100;
    form.FormClose();
    EXPECT_EQ(form.game().player.money, 100);
    EXPECT_TRUE(os.messages.empty());

    form.game().dungeon.number = 2;
    form.FormClose();
    const int lost = 100 - form.game().player.money;
    EXPECT_GE(lost, 6);
    EXPECT_LE(lost, 10);
    ASSERT_EQ(os.messages.size(), 1u);
    EXPECT_EQ(os.messages[0], "ペナルティ > " + std::to_string(lost) + "円をロスト");

    form.game().player.money = 0;
    form.FormClose();
    EXPECT_EQ(os.messages.back(), "ペナルティ > 0円をロスト");
    EXPECT_EQ(form.game().player.money, 0);
    // The close wrote the money left (line 28021) to the save file.
    std::ifstream saved(os.ProgramFolder() / "dat2" / "my.dat", std::ios::binary);
    std::string line;
    for (int n = 0; n < 28021; ++n) std::getline(saved, line);
    EXPECT_EQ(line, "0\r");
}

}  // namespace
}  // namespace kestrilon
