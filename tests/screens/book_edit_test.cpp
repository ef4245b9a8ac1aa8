// Book editing: the card actions with their limits and messages, and ending an edit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/books.h"
#include "books/card_list.h"
#include "data/capacity.h"
#include "data/card_database.h"
#include "menu/menu.h"
#include "persist/new_game.h"
#include "screens/screens.h"
#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class BookEditTest : public testing::GameTest {
protected:
    void SetUp() override {
        NewGameValues(g);
        g.frame.TitleState = 0;
        FillCardDatabase(g);
    }

    int32_t& InBook(int id) { return g.player.BookContents[static_cast<size_t>(id)]; }
    int32_t& Owned(int id) { return g.player.CardCollection[static_cast<size_t>(id)]; }

    // A battle card other than the basic one whose grade allows `copies`.
    int BattleCardWithGrade(int copies) {
        for (int id = 1001; id < 3000; ++id)
            if (g.cards[id].Exists() && g.cards[id].kind == 2 && g.cards[id].maxCopies == copies) return id;
        ADD_FAILURE() << "no battle card of grade " << copies;
        return 1000;
    }

    const tmenu* Find(std::string_view caption) {
        for (const tmenu& item : g.menus.items)
            if (item.visible == 1 && item.screen == g.screen.GameScene && item.caption == caption) return &item;
        return nullptr;
    }
    void Choose(std::string_view caption) {
        const tmenu* item = Find(caption);
        ASSERT_NE(item, nullptr) << caption;
        RunItem(g, static_cast<int>(item - g.menus.items.data()));
    }
    // Selecting a card of the list opens the card pop-up.
    void Select(int id) {
        BookEditListClick(g, id);
        RebuildMenus(g);
    }
    std::string NewestLog() const { return g.log.entries[0].text; }
};

TEST_F(BookEditTest, InsertAllAddsWhatTheOwnedCopiesGradeAndFreeRoomAllow) {
    const int c = BattleCardWithGrade(3);
    Owned(c) = 5;
    InBook(c) = 1;
    InBook(1000) = 48;  // 49 of 50: one free place
    BeginBookEdit(g, Book::Battle);
    Select(c);
    Choose("このカードを全て投入");
    EXPECT_EQ(InBook(c), 2);
    EXPECT_EQ(NewestLog(), "1枚投入した");
    EXPECT_EQ(BookCardCount(g), 50);

    // With room to spare the grade stops it, then the owned copies do.
    InBook(1000) = 0;
    Choose("このカードを全て投入");
    EXPECT_EQ(InBook(c), 3);
    const int d = BattleCardWithGrade(10);
    Owned(d) = 4;
    Select(d);
    Choose("このカードを全て投入");
    EXPECT_EQ(InBook(d), 4);
    EXPECT_EQ(NewestLog(), "4枚投入した");
}

TEST_F(BookEditTest, AFullBookIsSaidBeforeTheGradeLimit) {
    const int c = BattleCardWithGrade(3);
    Owned(c) = 5;
    InBook(c) = 3;  // at its grade as well
    InBook(1000) = 47;
    BeginBookEdit(g, Book::Battle);
    Select(c);
    for (std::string_view action : {"<■←>ブック投入", "このカードを全て投入"}) {
        RunItem(g, static_cast<int>(Find(action) - g.menus.items.data()));  // runs though greyed
        EXPECT_EQ(NewestLog(), "ブックが一杯です。ブックは合計50枚までです。") << action;
        EXPECT_EQ(InBook(c), 3);
    }
    // With room again the grade is what stops it.
    InBook(1000) = 0;
    RebuildMenus(g);
    EXPECT_EQ(Find("<■←>ブック投入")->disabled, 1);
    RunItem(g, static_cast<int>(Find("<■←>ブック投入") - g.menus.items.data()));
    EXPECT_EQ(NewestLog(), "このカードはこれ以上ブックには入れられません");
    EXPECT_EQ(InBook(c), 3);
    Choose("<■→>ブック離脱");
    EXPECT_EQ(InBook(c), 2);
    EXPECT_EQ(NewestLog(), "このカードを1枚離脱した");
    Choose("<■←>ブック投入");
    EXPECT_EQ(InBook(c), 3);
}

TEST_F(BookEditTest, TheActionsGreyWhenTheyCannotAct) {
    const int c = BattleCardWithGrade(3);
    Owned(c) = 1;
    BeginBookEdit(g, Book::Battle);
    Select(c);
    EXPECT_EQ(g.screen.Current(), Screen::CardActions);
    EXPECT_EQ(Find("<■←>ブック投入")->disabled, 0);
    EXPECT_EQ(Find("<■→>ブック離脱")->disabled, 1);
    EXPECT_EQ(Find("このカードを全て離脱")->disabled, 1);
    // Clicking the selected card again puts a copy in.
    BookEditListClick(g, c);
    EXPECT_EQ(InBook(c), 1);
    RebuildMenus(g);
    EXPECT_EQ(Find("<■←>ブック投入")->disabled, 1);  // no copy left
    EXPECT_EQ(Find("このカードを全て投入")->disabled, 1);
    EXPECT_EQ(Find("<■→>ブック離脱")->disabled, 0);
    Choose("このカードを全て離脱");
    EXPECT_EQ(InBook(c), 0);
    EXPECT_EQ(NewestLog(), "このカードを全て離脱した");
    Choose("キャンセル");
    EXPECT_EQ(g.screen.Current(), Screen::BookEdit);
    EXPECT_EQ(g.menus.choices.selected, 0);
}

TEST_F(BookEditTest, EndingAShortEditAsksAndNoKeepsEditing) {
    InBook(1000) = 49;
    BeginBookEdit(g, Book::Battle);
    os.answers = {false};
    Choose("編集終了");
    ASSERT_EQ(os.questions.size(), 1u);
    EXPECT_EQ(os.questions[0],
              "【!】ブックは50枚以上なければなりません\r\r現在 49枚\r\rひとまず、空いたブックに初期カードを入れて、完了としますか？");
    EXPECT_EQ(g.screen.Current(), Screen::BookEdit);
    EXPECT_EQ(g.screen.editBookKind, 2);
    EXPECT_EQ(InBook(1000), 49);
    EXPECT_NE(g.menus.choices.kind, 0);

    os.answers = {true};
    Choose("編集終了");
    EXPECT_EQ(InBook(1000), 50);
    EXPECT_EQ(NewestLog(), "空いたブックにひとまず【指】のカードを1枚入れておきました");
    EXPECT_EQ(g.screen.Current(), Screen::MainMenu);
    EXPECT_EQ(g.screen.editBookKind, 0);
    EXPECT_EQ(g.menus.choices.kind, 0);
}

TEST_F(BookEditTest, EndingRepairsCountsAboveTheGrade) {
    const int c = BattleCardWithGrade(3);
    Owned(c) = 2;
    InBook(c) = 6;
    InBook(1000) = 44;
    BeginBookEdit(g, Book::Battle);
    os.answers = {true};
    Choose("編集終了");
    EXPECT_EQ(InBook(c), 2);  // min(owned, grade)
    bool logged = false;
    for (const LogEntry& e : g.log.entries)
        logged = logged || e.text.find("最大ブック収納数より多く収納されていたため修正") != std::string::npos;
    EXPECT_TRUE(logged);
    EXPECT_EQ(BookCardCount(g, Book::Battle), 50);
}

TEST_F(BookEditTest, MainMenuOpensTheEditOnTheChosenBook) {
    OpenScreen(g, Screen::MainMenu);
    Choose("ダンジョンカード編集");
    EXPECT_EQ(g.screen.Current(), Screen::BookEdit);
    EXPECT_EQ(g.screen.editBookKind, 1);
    EXPECT_EQ(g.menus.choices.kind, 1);
    EXPECT_EQ(g.menus.choices.cards[0], 1);
    EXPECT_EQ(g.log.entries[0].text, "ダンジョン移動中に使用するカードの編集です");
    EXPECT_EQ(g.menus.editBackup, g.player.BookContents);
}

TEST_F(BookEditTest, FiltersLogTheirCaptionAndTheBookCopies) {
    g.player.unlockFlags[kFlagBookSorting] = 1;
    InBook(1000) = 7;
    BeginBookEdit(g, Book::Battle);
    g.menus.choices.page = 1;
    Choose("近接物理");
    EXPECT_EQ(g.menus.choices.filter, 2);
    EXPECT_EQ(g.menus.choices.page, 0);
    EXPECT_EQ(g.log.entries[1].text, "＞近接物理");
    EXPECT_EQ(NewestLog(), "　デッキ内7枚");
    EXPECT_EQ(Find("近接物理")->emphasis, 3);
    Choose("Ability");
    EXPECT_EQ(g.menus.choices.filter, kFilterAbility);
}

// Whatever the player does, the book stays within what is owned, what each card allows
// and, once the edit has ended, the capacity.
TEST_F(BookEditTest, RandomEditsKeepTheBookSound) {
    Rng dice(99);
    std::vector<int> cards;
    for (int id = 1000; id < 3000; ++id) {
        if (!g.cards[id].Exists() || g.cards[id].kind != 2) continue;
        if (id != 1000) Owned(id) = dice.Roll(12);
        if (Owned(id) > 0) cards.push_back(id);
    }
    BeginBookEdit(g, Book::Battle);
    auto check = [&](int step) {
        for (int id = 1000; id < 3000; ++id) {
            if (!g.cards[id].Exists()) continue;
            ASSERT_GE(InBook(id), 0) << step;
            ASSERT_LE(InBook(id), Owned(id)) << "card " << id << " step " << step;
            ASSERT_LE(InBook(id), g.cards[id].maxCopies) << "card " << id << " step " << step;
        }
        ASSERT_LE(BookCardCount(g, Book::Battle), BookCapacity(g)) << step;
    };
    for (int step = 0; step < 3000; ++step) {
        if (g.screen.editBookKind == 0) BeginBookEdit(g, Book::Battle);
        Select(cards[static_cast<size_t>(dice.Roll(static_cast<int>(cards.size())))]);
        constexpr std::string_view kActions[] = {"<■←>ブック投入", "<■→>ブック離脱", "このカードを全て投入",
                                                 "このカードを全て離脱", "キャンセル"};
        const int pick = dice.Roll(6);
        if (pick < 5) {
            const tmenu* item = Find(kActions[pick]);
            ASSERT_NE(item, nullptr);
            RunItem(g, static_cast<int>(item - g.menus.items.data()));  // greyed ones too
        } else {
            Choose("キャンセル");
            os.answers = {dice.Roll(2) == 0};
            Choose("編集終了");
            if (g.screen.editBookKind == 0) {
                ASSERT_EQ(BookCardCount(g, Book::Battle), BookCapacity(g));
            }
        }
        check(step);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace kestrilon
