#include <string>

#include "app/name_entry.h"
#include "persist/new_game.h"
#include "menu/menu.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

TEST(CleanName, EveryForbiddenCharacterBecomesADot) {
    EXPECT_EQ(CleanName("Ab,c/d"), "Ab.c.d");
    EXPECT_EQ(CleanName("a\"b?c|d<e>f:g*h&i{j"), "a.b.c.d.e.f.g.h.i.j");
    EXPECT_EQ(CleanName("はるか"), "ハるか");
    EXPECT_EQ(CleanName("}][ok"), "}][ok");
}

TEST(CleanName, EveryBackslashGoesEvenAfterSo) {
    // Byte-wise cleaning once stopped at the "\" inside "ソ"; every "\" is replaced now.
    EXPECT_EQ(CleanName("a\\b\\c"), "a.b.c");
    EXPECT_EQ(CleanName("ソ\\x\\"), "ソ.x.");
}

TEST(NameEdit, TakesUpToSixteenLetters) {
    NameBox box;
    NameTyped(box, "ab1 c-D");
    EXPECT_EQ(box.name_l, "abcD");
    NameTyped(box, "xxxxxxxxxxxxxxxxxxxx");
    EXPECT_EQ(box.name_l.size(), 16u);
    NameBackspace(box);
    EXPECT_EQ(box.name_l.size(), 15u);
    NameBox empty;
    NameBackspace(empty);
    EXPECT_TRUE(empty.name_l.empty());
}

class NameBoxDrawTest : public testing::GameTest {
protected:
    // Rows of the edit that hold dark ink: the height of the typed text.
    int InkHeight(std::string_view name) {
        NameBox box;
        box.name_l = name;
        g.frame.FrameTick = 5;  // caret off
        g.layers.cg.Clear(0);
        DrawNameBox(g, box);
        int top = -1, bottom = -1;
        for (int y = 420; y < 510; ++y)
            for (int x = 190; x < 780; ++x)
                if (g.layers.cg.Pixel(x, y) == 0) {
                    if (top < 0) top = y;
                    bottom = y;
                    break;
                }
        return top < 0 ? 0 : bottom - top + 1;
    }
};

TEST_F(NameBoxDrawTest, EditTextIsEightyPixelsHigh) {
    // Capitals of an 80-pixel font stand well over 50 pixels; a 40-point one stays below 45.
    EXPECT_GT(InkHeight("H"), 50);
    EXPECT_LT(InkHeight("H"), 80);
}

TEST_F(NameBoxDrawTest, LongNameKeepsItsEndInTheEdit) {
    // Sixteen wide letters do not fit: the start scrolls out, the end stays visible.
    NameBox box;
    box.name_l = "WWWWWWWWWWWWWWWW";
    g.frame.FrameTick = 5;
    g.layers.cg.Clear(0);
    DrawNameBox(g, box);
    bool inkNearTheEnd = false;
    for (int x = 650; x < 789; ++x) inkNearTheEnd = inkNearTheEnd || RedOf(g.layers.cg.Pixel(x, 465)) < 64;
    EXPECT_TRUE(inkNearTheEnd);
    const Colour border = g.layers.cg.Pixel(180, 465);
    for (int y = 420; y < 510; ++y) EXPECT_EQ(g.layers.cg.Pixel(789, y), border) << y;  // no ink over the edge
}

class NameEntryTest : public testing::GameTest {
protected:
    void SetUp() override {
        NewGameValues(g);
        g.frame.TitleState = 0;
        os.WriteFile("dat/start.wav", "RIFF");
        OpenScreen(g, Screen::TitleMenu);
    }
    void ChooseStart() {
        for (int i = 0; i < kMenuItems; ++i) {
            const tmenu& item = g.menus.items[static_cast<size_t>(i)];
            if (item.visible == 1 && item.screen == ScreenCode(Screen::TitleMenu) && item.caption == "スタート") RunItem(g, i);
        }
    }
    NameBox box;
};

TEST_F(NameEntryTest, ConfirmedNameStartsANewGame) {
    g.player.money = 999;
    g.player.unlockFlags[kFlagShop] = 1;
    ChooseStart();
    ASSERT_TRUE(g.screen.nameBoxOpen);
    EXPECT_EQ(g.log.entries[0].text, "この波動空間に突入するあなたの名前を入力して下さい");

    box.name_l = "Ve,r/na";
    Button1Click(g, box);
    EXPECT_EQ(box.name_l, "Ve.r.na");  // the edit shows the cleaned name before the question
    EXPECT_EQ(os.questions.back(), "【Ve.r.na】という名前でよろしいですか？");
    EXPECT_EQ(g.player.playerName, "Ve.r.na");
    EXPECT_EQ(g.player.money, 5);
    EXPECT_EQ(g.player.unlockFlags[kFlagShop], 0);
    EXPECT_GE(g.player.playerNumber, 0);
    EXPECT_LT(g.player.playerNumber, 100000);
    EXPECT_FALSE(g.screen.nameBoxOpen);
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
    EXPECT_EQ(g.log.entries[0].text, "あなたは、この異空間に降臨した....");
    EXPECT_EQ(os.played.back(), "start.wav");
}

TEST_F(NameEntryTest, ConfirmingEmptiesTheCardListAndKeepsTheLog) {
    ChooseStart();
    g.menus.choices.kind = 10;
    g.menus.choices.rows = 2;
    g.menus.choices.cards[0] = 3;
    box.name_l = "Velna";
    Button1Click(g, box);
    EXPECT_EQ(g.menus.choices.kind, 0);
    EXPECT_EQ(g.menus.choices.rows, 0);
    EXPECT_EQ(g.menus.choices.cards[0], 0);
    // The question for a name stays above the greeting.
    EXPECT_EQ(g.log.entries[1].text, "この波動空間に突入するあなたの名前を入力して下さい");
}

TEST_F(NameEntryTest, AnsweringNoKeepsThePanelAndThePlayer) {
    g.player.money = 999;
    ChooseStart();
    os.answers = {false};
    box.name_l = "Velna";
    Button1Click(g, box);
    EXPECT_TRUE(g.screen.nameBoxOpen);
    EXPECT_EQ(g.player.money, 999);
    EXPECT_TRUE(g.player.playerName.empty());
    EXPECT_EQ(g.screen.Current(), Screen::TitleMenu);
}

TEST_F(NameEntryTest, EmptyNameIsAcceptedAndAskedForAgainUnderANewNumber) {
    ChooseStart();
    Button1Click(g, box);
    EXPECT_EQ(os.questions.back(), "【】という名前でよろしいですか？");
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
    const int first = g.player.playerNumber;
    OpenScreen(g, Screen::TitleMenu);
    ChooseStart();
    EXPECT_TRUE(g.screen.nameBoxOpen);
    box.name_l = "Two";
    Button1Click(g, box);
    EXPECT_NE(g.player.playerNumber, first);
}

TEST_F(NameEntryTest, NamedPlayerContinues) {
    g.player.playerName = "Velna";
    g.player.hunger = 3;
    ChooseStart();
    EXPECT_FALSE(g.screen.nameBoxOpen);
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
    EXPECT_EQ(g.log.entries[0].text, "旅の再開です....");
    EXPECT_EQ(g.player.hunger, 100);  // the run state is reset
}

}  // namespace
}  // namespace kestrilon
