#include <string>

#include "app/form.h"
#include "app/input.h"
#include "persist/new_game.h"
#include "menu/click_script.h"
#include "menu/menu.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

// The two picture layers as the form creates them.
void SizeLayers(Game& g) {
    for (int slot : {kLayerBackground, kLayerComposed})
        g.layers.LayerTable[static_cast<size_t>(slot)].Resize(kScreenWidth, kScreenHeight);
}

bool Bluish(Colour c) { return BlueOf(c) > 200 && RedOf(c) < 50 && GreenOf(c) < 50; }
bool Greenish(Colour c) { return GreenOf(c) > 200 && RedOf(c) < 50 && BlueOf(c) < 50; }

class ScriptTest : public testing::GameTest {
protected:
    void SetUp() override {
        SizeLayers(g);
        NewGameValues(g);
        g.frame.TitleState = 0;
        os.WriteFile("dat/1.wav", "RIFF");
        os.WriteBmp("cg/red.bmp", 800, 600, Rgb(255, 0, 0));
        os.WriteJpeg("cg/1.jpg", 8, 8, 0);  // the picture an ended script returns to
    }
    void Click(MouseButton button = MouseButton::Left) { HandleClick(g, 10, 10, button); }
    int Lines() {
        int n = 0;
        for (int i = 1; i <= kScriptLines && !g.script.lines[static_cast<size_t>(i)].empty(); ++i) ++n;
        return n;
    }
};

TEST_F(ScriptTest, PictureLinesChainIntoTheNextLine) {
    AppendScriptLine(g, "cg red.bmp");
    AppendScriptLine(g, "cgoff");
    AppendScriptLine(g, "遠い声がした");
    Click();
    EXPECT_EQ(g.layers.LayerTable[kLayerBackground].Pixel(100, 100), Rgb(255, 0, 0));
    EXPECT_EQ(g.frame.PictureLock, 0);
    EXPECT_EQ(g.frame.BackgroundDirty, 1);
    EXPECT_EQ(g.log.entries[0].text, "遠い声がした");
    EXPECT_EQ(Lines(), 0);
}

TEST_F(ScriptTest, OneTextLinePerClickAndMenuInputWaits) {
    OpenScreen(g, Screen::SubMenu);
    AppendScriptLine(g, "一行目");
    AppendScriptLine(g, "二行目");
    HandleClick(g, 700, 450, MouseButton::Left);  // over "メインメニューへ"
    EXPECT_EQ(g.log.entries[0].text, "一行目");
    EXPECT_EQ(g.screen.Current(), Screen::SubMenu);
    HandleClick(g, 10, 10, MouseButton::Right);  // a right click pages on as well
    EXPECT_EQ(g.log.entries[0].text, "二行目");
    EXPECT_EQ(g.screen.Current(), Screen::SubMenu);
    EXPECT_FALSE(g.script.Running());
}

TEST_F(ScriptTest, MenuLineEmptiesTheWholeQueue) {
    AppendScriptLine(g, "menu22");
    AppendScriptLine(g, "never shown");
    Click();
    EXPECT_EQ(g.screen.Current(), Screen::SubMenu);
    EXPECT_EQ(Lines(), 0);
    EXPECT_TRUE(g.script.lines[2].empty());

    AppendScriptLine(g, "menux");
    Click();
    EXPECT_EQ(g.screen.Current(), Screen::None);  // an unreadable number opens scene 0
}

TEST_F(ScriptTest, RewardLines) {
    AppendScriptLine(g, "gold25");
    AppendScriptLine(g, "goldabc");
    AppendScriptLine(g, "item0");
    Click();
    EXPECT_EQ(g.player.money, 5 + 25);
    Click();
    EXPECT_EQ(g.player.money, 30);
    const std::string before = g.log.entries[0].text;
    Click();
    EXPECT_EQ(g.log.entries[0].text, before);  // card 0 gives nothing
    EXPECT_EQ(Lines(), 0);
}

TEST_F(ScriptTest, QueueKeepsItsTwoHundredEntries) {
    for (int i = 1; i <= kScriptLines; ++i) AppendScriptLine(g, "line" + std::to_string(i));
    AppendScriptLine(g, "late");
    EXPECT_EQ(g.script.lines[1], "late");
    RemoveScriptHead(g);
    EXPECT_EQ(g.script.lines[1], "line2");
    EXPECT_EQ(g.script.lines[199], "line200");
    EXPECT_EQ(g.script.lines[200], "line200");
}

TEST_F(ScriptTest, RightClickSkipsTheOpening) {
    g.screen.openingPlaying = true;
    AppendScriptLine(g, "むかしむかし");
    AppendScriptLine(g, "menu5");
    Click(MouseButton::Right);
    EXPECT_EQ(g.screen.Current(), Screen::TitleMenu);
    EXPECT_EQ(Lines(), 0);
    EXPECT_FALSE(g.screen.openingPlaying);
    EXPECT_EQ(g.log.entries[0].text, "");  // the emptied head counts as a text line
}

class ClickTest : public testing::GameTest {
protected:
    void SetUp() override {
        SizeLayers(g);
        NewGameValues(g);
        os.WriteJpeg("cg/0.jpg", 8, 8, Rgb(0, 0, 255));
    }
};

TEST_F(ClickTest, SplashTitleThenTitleMenu) {
    HandleClick(g, 400, 300, MouseButton::Left);
    EXPECT_EQ(g.frame.TitleState, -1);
    EXPECT_TRUE(Bluish(g.layers.LayerTable[kLayerBackground].Pixel(1, 1)));
    EXPECT_EQ(g.screen.Current(), Screen::None);
    HandleClick(g, 400, 300, MouseButton::Left);
    EXPECT_EQ(g.frame.TitleState, 0);
    EXPECT_EQ(g.screen.Current(), Screen::TitleMenu);
    EXPECT_EQ(g.input.ClickKind, 1);
}

TEST_F(ClickTest, TitlePictureNeedsItsCondition) {
    os.WriteJpeg("cg/pic00.jpg", 8, 8, Rgb(0, 255, 0));
    os.WriteJpeg("cg/pic02.jpg", 8, 8, Rgb(0, 255, 0));
    os.WriteJpeg("cg/pic01.jpg", 8, 8, Rgb(0, 255, 0));
    os.WriteJpeg("cg/pic03.jpg", 8, 8, Rgb(0, 255, 0));
    // A new player meets none of the four conditions: only "0.jpg" is shown.
    for (uint64_t seed = 1; seed <= 8; ++seed) {
        g.looks.Seed(seed);
        g.frame.TitleState = TitleCode(TitleState::Splash);
        HandleClick(g, 1, 1, MouseButton::Left);
        EXPECT_TRUE(Bluish(g.layers.LayerTable[kLayerBackground].Pixel(1, 1)));
    }
    g.player.level = 10;
    g.player.deathCount = 30;
    g.player.unlockFlags[kFlagDarknessProgress] = 6;
    g.frame.TitleState = TitleCode(TitleState::Splash);
    HandleClick(g, 1, 1, MouseButton::Left);
    EXPECT_TRUE(Greenish(g.layers.LayerTable[kLayerBackground].Pixel(1, 1)));
}

TEST_F(ClickTest, RightClickRunsTheCancelItem) {
    g.frame.TitleState = 0;
    OpenScreen(g, Screen::MainMenu);
    HandleClick(g, 5, 5, MouseButton::Right);
    EXPECT_EQ(g.screen.Current(), Screen::SubMenu);
    EXPECT_EQ(g.input.ClickKind, 2);
    OpenScreen(g, Screen::TitleMenu);
    HandleClick(g, 5, 5, MouseButton::Right);
    EXPECT_EQ(g.screen.Current(), Screen::TitleMenu);
}

TEST_F(ClickTest, BusyOrNamingIgnoresClicks) {
    g.frame.TitleState = 0;
    OpenScreen(g, Screen::MainMenu);
    g.input.InputBusy = true;
    HandleClick(g, 5, 5, MouseButton::Right);
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
    g.input.InputBusy = false;
    g.screen.nameBoxOpen = true;
    HandleClick(g, 5, 5, MouseButton::Right);
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
}

TEST_F(ClickTest, EscapeResetsOnlyOnTheTitlePictures) {
    g.player.level = 7;
    g.frame.TitleState = TitleCode(TitleState::Picture);
    os.answers = {false};
    ResetRequest(g);
    EXPECT_EQ(g.player.level, 7);
    ResetRequest(g);
    EXPECT_EQ(g.player.level, 0);
    EXPECT_EQ(os.questions.back(), "初期化したいときは、はいを押してね");

    g.player.level = 7;
    g.frame.TitleState = 0;
    ResetRequest(g);
    EXPECT_EQ(g.player.level, 7);
    EXPECT_EQ(os.questions.size(), 2u);
}

class FormInputTest : public ::testing::Test {
protected:
    testing::FakePlatform os;
    TForm1 form{os};
    Game& g = form.game();
};

TEST_F(FormInputTest, KeysServeTheNameEditWhileItIsShown) {
    form.FormCreate();
    g.screen.nameBoxOpen = true;
    form.name_lTextInput("Vel na7");
    form.FormKeyDown(Key::Backspace);
    form.FormKeyDown(Key::Escape);  // no reset question while naming
    EXPECT_TRUE(os.questions.empty());
    form.name_lTextInput("a");
    form.cgMouseDown(700, 560, MouseButton::Right);  // only a left click presses "OK"
    EXPECT_TRUE(g.screen.nameBoxOpen);
    form.FormKeyDown(Key::Enter);
    EXPECT_FALSE(g.screen.nameBoxOpen);
    EXPECT_EQ(g.player.playerName, "Velna");
}

}  // namespace
}  // namespace kestrilon
