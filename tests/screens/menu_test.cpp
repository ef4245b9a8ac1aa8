#include <algorithm>
#include <string>
#include <vector>

#include "persist/new_game.h"
#include "data/capacity.h"
#include "menu/menu.h"
#include "render/colour.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class MenuTest : public testing::GameTest {
protected:
    void SetUp() override {
        NewGameValues(g);
        g.frame.TitleState = 0;
        os.WriteFile("dat/1.wav", "RIFF");
    }

    // Captions of the placed items of the current screen, in placing order (by position).
    std::vector<std::string> Shown() {
        std::vector<const tmenu*> placed;
        for (const tmenu& item : g.menus.items)
            if (item.visible == 1 && item.screen == g.screen.GameScene && !item.caption.empty()) placed.push_back(&item);
        std::sort(placed.begin(), placed.end(), [](const tmenu* a, const tmenu* b) {
            return a->y != b->y ? a->y < b->y : a->x < b->x;
        });
        std::vector<std::string> captions;
        for (const tmenu* item : placed) captions.push_back(item->caption);
        return captions;
    }

    const tmenu* Find(std::string_view caption) {
        for (const tmenu& item : g.menus.items)
            if (item.visible == 1 && item.screen == g.screen.GameScene && item.caption == caption) return &item;
        return nullptr;
    }

    int Number(std::string_view caption) {
        const tmenu* item = Find(caption);
        return item ? static_cast<int>(item - g.menus.items.data()) : -1;
    }

    void Choose(std::string_view caption) {
        const int item = Number(caption);
        ASSERT_GE(item, 0) << caption;
        RunItem(g, item);
    }

    void AddDungeons(int count, int difficulty = 0) {
        for (int d = 1; d <= count; ++d) {
            DungeonRecord& r = g.dungeon.table[static_cast<size_t>(d)];
            r.name = "D" + std::to_string(d);
            r.difficulty = difficulty;
        }
    }

    bool HasEvent() { return Find("～悟り～") || Find("～呼び声～") || Find("～闇への誘い～"); }
};

TEST_F(MenuTest, MainMenuShowsOnlyUnlockedEntries) {
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"ダンジョンに入る", "ダンジョンカード編集", "バトルカード編集", "サブメニュー"}));

    g.player.unlockFlags[kFlagShop] = 1;
    g.player.unlockFlags[kFlagSynthesis] = 1;
    g.player.unlockFlags[kFlagAltar] = 1;
    g.player.spSlotRights = 2;
    g.player.battleOrbs[3] = 1;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"ダンジョンに入る", "ダンジョンカード編集", "バトルカード編集", "ＳＨＯＰ",
                                                 "カード合成", "祭壇", "Special蒼燐スロット", "戦いの宝珠", "サブメニュー"}));
    EXPECT_EQ(Find("Special蒼燐スロット")->description2, "SPスロット権 2");

    g.dungeon.number = 3;  // the orb fights are not offered inside a dungeon
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(Find("戦いの宝珠"), nullptr);
}

TEST_F(MenuTest, StoryEntryFollowsProgressAndPriority) {
    g.player.level = 6;
    g.player.storyPagesRead = 2;
    g.player.deathCount = 50;
    OpenScreen(g, Screen::MainMenu);
    ASSERT_NE(Find("～悟り～"), nullptr);
    EXPECT_EQ(Find("～悟り～")->emphasis, 1);
    EXPECT_EQ(Find("～呼び声～"), nullptr);  // at most one event entry

    g.player.storyPagesRead = 3;
    g.player.unlockFlags[kFlagCallProgress] = 4;  // needs more than 49 deaths
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(Find("～悟り～"), nullptr);
    ASSERT_NE(Find("～呼び声～"), nullptr);
    EXPECT_EQ(Find("～呼び声～")->param2, 104);

    g.player.deathCount = 49;
    g.player.unlockFlags[kFlagDarknessProgress] = 7;  // opened by a clear of dungeon 9
    g.player.dungeonClears[8] = 1;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_FALSE(HasEvent());
    g.player.dungeonClears[9] = 1;
    OpenScreen(g, Screen::MainMenu);
    ASSERT_NE(Find("～闇への誘い～"), nullptr);
    EXPECT_EQ(Find("～闇への誘い～")->param2, 207);
}

TEST_F(MenuTest, EventEntriesHideWhileSlotsWaitOrTheRunHadOne) {
    g.player.level = 6;
    g.player.slotRights = 1;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_FALSE(HasEvent());
    EXPECT_EQ(Find("蒼燐スロット")->description2, "スロット権 1");

    g.player.slotRights = 0;
    g.player.runFlags[kRunSlotPlayed] = 1;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_FALSE(HasEvent());

    g.player.runFlags[kRunSlotPlayed] = 0;
    g.player.runFlags[kRunEventVisited] = 1;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_FALSE(HasEvent());

    g.player.runFlags[kRunEventVisited] = 0;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_TRUE(HasEvent());
}

TEST_F(MenuTest, EveryScreenOpensWithAButton) {
    for (int code = 1; code < kScreenCount; ++code) {
        OpenScreen(g, ScreenFromCode(code));
        EXPECT_EQ(g.screen.GameScene, code);
        EXPECT_GE(g.menus.placedCount, 1) << code;
    }
}

TEST_F(MenuTest, ItemsAreLaidOutInAGridAndSlideIn) {
    OpenScreen(g, Screen::SubMenu);
    const tmenu* fourth = Find("メインメニューへ");
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(fourth->x, 600);
    EXPECT_EQ(fourth->y, 400);
    EXPECT_EQ(fourth->slideX, 500);
    EXPECT_EQ(fourth->curX, 500);

    g.player.unlockFlags[kFlagShop] = 1;
    OpenScreen(g, Screen::MainMenu);
    const tmenu* fifth = Find("サブメニュー");
    EXPECT_EQ(fifth->x, 0);
    EXPECT_EQ(fifth->y, 499);

    // Each frame closes |distance| / 2 + 1 of the way: -100 becomes -49, -24, -11, -5, -2, 0.
    const int item = Number("サブメニュー");
    const std::vector<int> expected = {-49, -24, -11, -5, -2, 0, 0};
    for (int want : expected) {
        DrawMenus(g);
        EXPECT_EQ(g.menus.items[static_cast<size_t>(item)].curX, want);
    }
}

TEST_F(MenuTest, DungeonListMovesUpWhenLong) {
    AddDungeons(8);
    OpenScreen(g, Screen::DungeonList);
    const int eightTop = Find("D1")->y;
    EXPECT_EQ(eightTop, 300);  // nine buttons with the way back: three rows

    AddDungeons(14);
    OpenScreen(g, Screen::DungeonList);
    EXPECT_EQ(Find("D1")->y, eightTop - 100);
    EXPECT_EQ(g.screen.listEntries, 15);  // the log moves up with the grid

    AddDungeons(21);
    OpenScreen(g, Screen::DungeonList);
    EXPECT_EQ(Find("D1")->y, 3);  // six rows: the last step is 97
}

TEST_F(MenuTest, DungeonListSortsByDifficultyAndHidesLockedDungeons) {
    AddDungeons(4);
    g.dungeon.table[1].difficulty = 3;
    g.dungeon.table[2].difficulty = 1;
    g.dungeon.table[3].difficulty = 1;
    g.dungeon.table[4].requiredDungeon = 2;
    g.player.highScores[2] = 120;
    g.player.dungeonClears[2] = 0;
    OpenScreen(g, Screen::DungeonList);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"D2", "D3", "D1", "戻る"}));
    EXPECT_EQ(Find("D1")->description1, "難易度 3 普通");
    EXPECT_EQ(Find("D2")->rightText, "Hi: 120点");

    g.player.dungeonClears[2] = 2;
    g.player.treasureCounts[2] = 1;
    OpenScreen(g, Screen::DungeonList);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"D4", "D2", "D3", "D1", "戻る"}));
    EXPECT_EQ(Find("D2")->description2, "踏破 2 秘宝 1");
}

TEST_F(MenuTest, ListPagesMoveByFourteenDungeons) {
    AddDungeons(40);
    OpenScreen(g, Screen::DungeonList);
    EXPECT_EQ(Find("　←前　"), nullptr);
    Choose("　次→　");
    EXPECT_EQ(g.menus.listPage, 1);
    EXPECT_EQ(g.screen.Current(), Screen::DungeonList);
    EXPECT_NE(Find("D15"), nullptr);
    EXPECT_EQ(Find("D14"), nullptr);
    EXPECT_NE(Find("D40"), nullptr);
    Choose("戻る");
    EXPECT_EQ(g.menus.listPage, 0);
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
}

TEST_F(MenuTest, EditScreensSitLowerAndFiltersAreSmall) {
    g.player.level = 5;
    OpenScreen(g, Screen::BookEdit);
    EXPECT_EQ(Find("＞ブック管理")->y, 500);
    EXPECT_EQ(Find("全表示"), nullptr);  // the filters need the sorting unlock

    g.player.unlockFlags[kFlagBookSorting] = 1;
    g.screen.editBookKind = 2;
    OpenScreen(g, Screen::BookEdit);
    const tmenu* recent = Find("最近入手");
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->action, 21);
    EXPECT_EQ(recent->width, 80);
    EXPECT_EQ(recent->height, 30);
    EXPECT_EQ(recent->x, 160);  // seventh button: second row, third column
    EXPECT_EQ(recent->y, 455);
    EXPECT_EQ(Find("Ability")->action, 20);
}

TEST_F(MenuTest, OptionButtonsActInPlaceAndBackLeadsUp) {
    OpenScreen(g, Screen::SoundVolume);
    Choose("音量を下げる");
    EXPECT_EQ(g.player.soundVolume, -400);
    EXPECT_EQ(g.screen.Current(), Screen::SoundVolume);  // the buttons stay for another press
    Choose("戻る");
    Choose("絵");
    Choose("カード絵有り");
    EXPECT_TRUE(g.menus.cardPictures);
    Choose("戻る");
    EXPECT_EQ(g.screen.Current(), Screen::Options);
}

TEST_F(MenuTest, WebPagesAskFirst) {
    OpenScreen(g, Screen::Options);
    os.answers = {false};
    Choose("攻略Wiki(ﾌﾞﾗｳｻﾞ)");
    EXPECT_TRUE(os.urlsOpened.empty());
    Choose("公式サイト(ﾌﾞﾗｳｻﾞ)");
    ASSERT_EQ(os.urlsOpened.size(), 1u);
    EXPECT_NE(os.questions.back().find("『公式サイト』"), std::string::npos);
}

TEST_F(MenuTest, CancelItemAndItsLabel) {
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(g.menus.cancelItem, Number("サブメニュー"));
    OpenScreen(g, Screen::TitleMenu);
    EXPECT_EQ(g.menus.cancelItem, -1);  // the title menu has no way back

    OpenScreen(g, Screen::CardPictures);
    const CancelLabel label = CancelLabelRect(g);
    EXPECT_EQ(label.right, 798);
    EXPECT_EQ(label.top, 585);
    g.input.ClickX = label.left + 2;
    g.input.ClickY = label.top + 2;
    MenuLeftClick(g);
    EXPECT_EQ(g.screen.Current(), Screen::Options);
}

TEST_F(MenuTest, CancelLabelLeavesClicksToTheButtonBeneath) {
    g.player.unlockFlags[kFlagShop] = 1;
    g.player.unlockFlags[kFlagSynthesis] = 1;
    g.player.unlockFlags[kFlagAltar] = 1;
    g.player.spSlotRights = 1;
    g.player.battleOrbs[3] = 1;
    OpenScreen(g, Screen::MainMenu);  // nine entries: "戦いの宝珠" ends the second row
    for (int i = 0; i < 8; ++i) DrawMenus(g);
    ASSERT_TRUE(CancelLabelRect(g).Contains(790, 590));
    g.input.ClickX = 790;
    g.input.ClickY = 590;
    g.layers.bak.Clear(0);
    DrawMenus(g);
    EXPECT_EQ(g.menus.hovered, Number("戦いの宝珠"));
    MenuLeftClick(g);
    EXPECT_EQ(g.screen.Current(), Screen::OrbList);
}

TEST_F(MenuTest, HoverFramesTheButtonOnTheOverlay) {
    OpenScreen(g, Screen::SoundVolume);
    for (int i = 0; i < 8; ++i) DrawMenus(g);  // let the buttons arrive
    g.input.ClickX = 250;
    g.input.ClickY = 450;
    g.frame.FrameTick = 0;
    g.layers.bak.Clear(0);
    DrawMenus(g);
    EXPECT_EQ(g.menus.hovered, Number("音量を上げる"));
    EXPECT_EQ(g.layers.bak.Pixel(201, 450), 0x555555u);
    EXPECT_EQ(g.layers.bak.Pixel(203, 450), 0x555555u);
    EXPECT_EQ(g.layers.bak.Pixel(205, 450), 0u);
    EXPECT_EQ(g.layers.cg.Pixel(200, 450), 0x808080u);  // the frame itself on the surface
}

TEST_F(MenuTest, DisabledItemsDoNotRun) {
    AddDungeons(2);
    OpenScreen(g, Screen::OrbList);
    const tmenu* none = Find("--------");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->disabled, 1);
    g.input.ClickX = none->curX + 100;
    g.input.ClickY = none->curY + 50;
    MenuLeftClick(g);
    EXPECT_EQ(g.screen.Current(), Screen::OrbList);
}

TEST_F(MenuTest, HintsAreShownOnce) {
    g.player.unlockFlags[kFlagFirstCardHint] = 1;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(g.player.unlockFlags[kFlagFirstCardHint], 2);
    // The long hint wraps; its first line carries the icon.
    EXPECT_EQ(g.log.entries[1].icon, "hint.bmp");
    const std::string first = g.log.entries[0].text;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(g.log.entries[0].text, first);

    g.player.unlockFlags[kFlagShop] = 1;
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(g.player.unlockFlags[kFlagShopHintStep], 1);
    OpenScreen(g, Screen::Shop);
    EXPECT_EQ(g.player.unlockFlags[kFlagShopHintStep], 2);
    OpenScreen(g, Screen::MainMenu);
    EXPECT_EQ(g.player.unlockFlags[kFlagShopHintStep], 3);
    g.player.CardCollection[222] = 1;  // the decoder is owned already
    OpenScreen(g, Screen::Shop);
    EXPECT_EQ(g.player.unlockFlags[kFlagShopHintStep], 3);
}

class HandButtonTest : public MenuTest {
protected:
    static constexpr int kSlot = 2;
    static constexpr int kX = 400;
    static constexpr int kY = 400;

    // A hand button for card 1 in slot 2, already slid into place.
    tmenu& PlaceHandCard() {
        OpenScreen(g, Screen::DungeonHand);
        tmenu& item = g.menus.items[static_cast<size_t>(kHandItemFirst + kSlot)];
        item.screen = ScreenCode(Screen::DungeonHand);
        item.caption = "手札";
        item.card = 1;
        item.visible = 1;
        item.x = item.curX = kX;
        item.y = item.curY = kY;
        g.input.ClickX = 10;  // the pointer away from every button
        g.input.ClickY = 10;
        g.layers.cg.Clear(0);
        g.layers.bak.Clear(0);
        return item;
    }

    // Whether some pixel of the cost line under the caption passes the test.
    template <class Test>
    bool CostLineHas(Test test) {
        for (int y = kY + 70; y < kY + 86; ++y)
            for (int x = kX; x < kX + 200; ++x)
                if (test(g.layers.cg.Pixel(x, y))) return true;
        return false;
    }
};

TEST_F(HandButtonTest, BothCostsShowEvenWhenNothing) {
    PlaceHandCard();
    g.cards[1].mpCost = 0;
    g.cards[1].tpCost = 0;
    DrawMenus(g);
    EXPECT_TRUE(CostLineHas([](Colour c) { return RedOf(c) > GreenOf(c) + 80; }));    // "MP -0"
    EXPECT_TRUE(CostLineHas([](Colour c) { return GreenOf(c) > RedOf(c) + 80; }));    // "TP -0"
}

TEST_F(HandButtonTest, NewCardGlowsWhileItsCounterRunsDown) {
    PlaceHandCard();
    g.books.dungeonHand[kSlot].glow = kNewCardGlow;
    DrawMenus(g);
    EXPECT_EQ(g.books.dungeonHand[kSlot].glow, 31);
    const Colour walk = ShiftColour(0x002200, 4 * 31);
    EXPECT_EQ(g.layers.bak.Pixel(kX + 1, kY + 50), 0u);  // 2 pixels inside, 3 wide
    EXPECT_EQ(g.layers.bak.Pixel(kX + 2, kY + 50), walk);
    EXPECT_EQ(g.layers.bak.Pixel(kX + 4, kY + 50), walk);
    EXPECT_EQ(g.layers.bak.Pixel(kX + 5, kY + 50), 0u);

    // In a fight the battle hand's counter glows in the fight colour.
    g.battle.battleOn = 1;
    g.books.battleHand[kSlot].glow = 1;
    g.layers.bak.Clear(0);
    DrawMenus(g);
    EXPECT_EQ(g.books.battleHand[kSlot].glow, 0);
    EXPECT_EQ(g.books.dungeonHand[kSlot].glow, 31);
    EXPECT_EQ(g.layers.bak.Pixel(kX + 3, kY + 50), ShiftColour(0x221100, 0));
    g.layers.bak.Clear(0);
    DrawMenus(g);
    EXPECT_EQ(g.layers.bak.Pixel(kX + 3, kY + 50), 0u);
}

TEST_F(MenuTest, FullBookHintOnTheCardPopUpOnce) {
    g.screen.editBookKind = 1;
    g.player.BookContents[1] = 49;  // a dungeon card, one short of a full book
    g.player.BookContents[1000] = 10;  // battle cards do not fill the dungeon book
    OpenScreen(g, Screen::CardActions);
    EXPECT_EQ(g.player.unlockFlags[kFlagBookFullHint], 0);

    g.player.BookContents[1] = BookCapacity(g);
    const std::string before = g.log.entries[0].text;
    OpenScreen(g, Screen::CardActions);
    EXPECT_EQ(g.player.unlockFlags[kFlagBookFullHint], 1);
    EXPECT_NE(g.log.entries[0].text, before);
    // The hint wraps; its first line carries the icon and the capacity.
    EXPECT_EQ(g.log.entries[1].icon, "hint.bmp");
    EXPECT_EQ(g.log.entries[1].text.rfind("→ブックに入れられるのは最初は50枚まで。", 0), 0u);

    const std::string shown = g.log.entries[0].text;
    OpenScreen(g, Screen::CardActions);
    EXPECT_EQ(g.log.entries[0].text, shown);
}

}  // namespace
}  // namespace kestrilon
