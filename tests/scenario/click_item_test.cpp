#include "app/click_item.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/form.h"
#include "persist/new_game.h"
#include "menu/click_script.h"
#include "menu/menu.h"
#include "support/fake_platform.h"

namespace kestrilon {
namespace {

// A named player past the title pictures, on the sub menu that has just opened.
class ClickItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.FormCreate();
        NewGameValues(g);
        g.player.playerName = "Velna";
        g.frame.TitleState = 0;
        OpenScreen(g, Screen::SubMenu);
    }
    tmenu& Item(std::string_view caption) {
        for (tmenu& item : g.menus.items)
            if (item.screen == g.screen.GameScene && item.caption == caption) return item;
        throw std::runtime_error("no item " + std::string(caption));
    }

    testing::FakePlatform os;
    TForm1 form{os};
    Game& g = form.game();
    std::string problem;
};

TEST_F(ClickItemTest, HitsButtonsWhereTheyAreDrawnWhileTheySlideIn) {
    // Buttons start 100 pixels left of their place: "OPTION" still hangs off the left edge.
    const ScreenItem option = ItemsOnScreen(g).front();
    EXPECT_EQ(option.caption, "OPTION");
    EXPECT_EQ(option.rect.left, -100);
    ASSERT_TRUE(ClickItem(form, "OPTION", &problem)) << problem;
    EXPECT_EQ(g.screen.GameScene, 3);

    for (int i = 0; i < 30; ++i) form.Timer1Timer();
    ASSERT_TRUE(ClickItem(form, "戻る", &problem)) << problem;
    EXPECT_EQ(g.screen.GameScene, 22);
}

TEST_F(ClickItemTest, RefusesWhatAPlayerCouldNotClick) {
    EXPECT_FALSE(ClickItem(form, "ＳＨＯＰ", &problem));  // a main menu button, not shown here
    EXPECT_EQ(problem, "no button \"ＳＨＯＰ\" on screen");

    Item("カード図鑑").disabled = 1;
    EXPECT_FALSE(ClickItem(form, "カード図鑑", &problem));
    EXPECT_EQ(problem, "\"カード図鑑\" is disabled");

    // A later item in the table takes clicks where both lie.
    tmenu& ranking = Item("RANKING");
    const tmenu& back = Item("メインメニューへ");
    ranking.curX = back.curX;
    ranking.curY = back.curY;
    EXPECT_FALSE(ClickItem(form, "RANKING", &problem));
    EXPECT_EQ(problem, "\"RANKING\" is covered at its centre");

    Item("OPTION").curY = 700;
    EXPECT_FALSE(ClickItem(form, "OPTION", &problem));
    EXPECT_EQ(problem, "\"OPTION\" is off the screen");
    EXPECT_EQ(g.screen.GameScene, 22);
}

TEST_F(ClickItemTest, LeavesWaitingScriptLinesAlone) {
    AppendScriptLine(g, "遠い声がした");
    EXPECT_FALSE(ClickItem(form, "OPTION", &problem));
    EXPECT_EQ(problem, "a script line waits for a click before \"OPTION\"");
    EXPECT_TRUE(g.script.Running());
    EXPECT_EQ(g.screen.GameScene, 22);
}

TEST_F(ClickItemTest, TheNameEntryOffersOnlyItsOkButton) {
    g.player.playerName.clear();
    OpenScreen(g, Screen::TitleMenu);
    ASSERT_TRUE(ClickItem(form, "スタート", &problem)) << problem;
    ASSERT_TRUE(g.screen.nameBoxOpen);
    const auto buttons = ItemsOnScreen(g);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0].caption, "OK");
    EXPECT_FALSE(ClickItem(form, "スタート", &problem));

    form.name_lTextInput("Velna");
    ASSERT_TRUE(ClickItem(form, "OK", &problem)) << problem;
    EXPECT_EQ(g.player.playerName, "Velna");
    EXPECT_EQ(g.screen.GameScene, 1);
}

}  // namespace
}  // namespace kestrilon
