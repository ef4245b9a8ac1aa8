#include <gtest/gtest.h>

#include "menu/menu.h"
#include "screens/item_numbers.h"
#include "state/game.h"
#include "dungeon/card_fixture.h"

namespace kestrilon::testing {
namespace {

class HandScreenTest : public CardTest {
protected:
    void SetUp() override {
        CardTest::SetUp();
        g.frame.TitleState = 0;
        foot = Id("足");
        ladle = Id("木の柄杓");
        SetPile(Ids(20, foot));
        SetHand(Book::Dungeon, {foot, ladle, foot});
        OpenScreen(g, Screen::DungeonHand);
    }
    int Item(std::string_view caption) const {
        for (int i = 0; i < kMenuItems; ++i) {
            const tmenu& item = g.menus.items[static_cast<size_t>(i)];
            if (item.visible == 1 && item.screen == g.screen.GameScene && item.caption == caption) return i;
        }
        return -1;
    }
    void ClickSlot(int slot) { RunItem(g, kHandItemFirst + slot); }
    int foot = 0;
    int ladle = 0;
};

TEST_F(HandScreenTest, HandButtonsAreGreyedByTheRoadAndUsedByAClick) {
    EXPECT_EQ(g.menus.items[kHandItemFirst + 1].disabled, 1) << "a ladle with no spring";
    EXPECT_EQ(g.menus.items[kHandItemFirst].disabled, 0);
    ClickSlot(0);
    EXPECT_EQ(g.player.distanceWalked, 6);
    EXPECT_EQ(Hand(), (Ids{ladle, foot, foot}));
    EXPECT_EQ(g.menus.handClickWindow, 0) << "using a card closes the double-click window";
    ClickSlot(1);
    EXPECT_EQ(Discards(), (Ids{foot, foot})) << "a second click after a use uses again";
}

TEST_F(HandScreenTest, ASecondQuickClickThrowsAnUnusedCardAway) {
    ClickSlot(1);
    EXPECT_EQ(Hand(), (Ids{foot, ladle, foot})) << "a greyed card is not used";
    EXPECT_GT(g.menus.handClickWindow, 0);
    ClickSlot(1);
    EXPECT_EQ(Discards(), (Ids{ladle}));
    EXPECT_EQ(g.player.hunger, 60);

    SetHand(Book::Dungeon, {foot, ladle, foot});
    ClickSlot(1);
    g.menus.handClickWindow = 0;  // the window ran out
    ClickSlot(1);
    EXPECT_EQ(Hand(), (Ids{foot, ladle, foot}));
    EXPECT_EQ(Discards(), (Ids{ladle}));
}

TEST_F(HandScreenTest, TheMenuOffersTheCardUnderThePointerForDiscarding) {
    g.menus.hovered = kHandItemFirst + 1;
    RunItem(g, kHandMenuItem);
    ASSERT_EQ(g.screen.Current(), Screen::WalkMenu);
    const int discard = Item("【木の柄杓】を捨てる");
    ASSERT_GE(discard, 0);
    RunItem(g, discard);
    EXPECT_EQ(Discards(), (Ids{ladle}));
    EXPECT_EQ(g.screen.Current(), Screen::DungeonHand);

    g.menus.hovered = kHandMenuItem;
    RunItem(g, kHandMenuItem);
    EXPECT_LT(Item("【足】を捨てる"), 0) << "no card under the pointer, nothing to discard";
}

}  // namespace
}  // namespace kestrilon::testing
