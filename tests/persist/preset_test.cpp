#include "persist/presets.h"
#include "persist/preset_fixture.h"

namespace kestrilon {
namespace {

using testing::PresetTest;

TEST_F(PresetTest, SaveTouchesOnlyTheEditedKindOfThePreset) {
    Card(5, "靴", 3, 2);
    Card(1000, "剣", 3, 1);
    Preset(2, 1000) = 3;  // the battle half of preset 2
    Preset(2, 5) = 1;
    SavePreset(g, 2);
    EXPECT_EQ(Preset(2, 5), 2);
    EXPECT_EQ(Preset(2, 1000), 3);
    EXPECT_EQ(LinesWith("　<SET 2> に、セーブ完了"), 1);
}

TEST_F(PresetTest, LoadNeverGivesMoreThanOwnedAndLogsTheMissingCopies) {
    Card(5, "靴", 1);
    Card(6, "薬草", 4, 2);
    Card(1000, "剣", 2, 2);
    Preset(3, 5) = 3;
    Preset(3, 6) = 0;
    Preset(3, 1000) = 0;  // battle half says empty: the battle book must stay
    g.player.dungeonPresetNames[2] = "探索用ブック";
    LoadPreset(g, 3);
    EXPECT_EQ(Copies(5), 1);
    EXPECT_EQ(Copies(6), 0);
    EXPECT_EQ(Copies(1000), 2);
    // Three wanted, one owned: two are missing.
    EXPECT_EQ(LinesWith("　靴が 2枚不足していました"), 1);
    EXPECT_EQ(LinesWith("　<SET 3>『探索用ブック』 から、ロード完了"), 1);
}

TEST_F(PresetTest, BattleEditLoadsTheBattleHalfWithItsOwnNames) {
    g.screen.editBookKind = 2;
    Card(5, "靴", 2, 2);
    Card(1000, "剣", 5);
    Card(1001, "盾", 0, 0);
    Preset(1, 5) = 0;
    Preset(1, 1000) = 2;
    Preset(1, 1001) = 1;
    g.player.battlePresetNames[0] = "通常バトル用";
    LoadPreset(g, 1);
    EXPECT_EQ(Copies(5), 2);
    EXPECT_EQ(Copies(1000), 2);
    EXPECT_EQ(Copies(1001), 0);
    EXPECT_EQ(LinesWith("　盾が 1枚不足していました"), 1);
    EXPECT_EQ(LinesWith("　<SET 1>『通常バトル用』 から、ロード完了"), 1);
}

TEST_F(PresetTest, UndoReturnsToTheSnapshotEveryTime) {
    Card(5, "靴", 3, 2);
    Card(1000, "剣", 3, 1);
    TakeEditSnapshot(g);
    UndoClick(g);  // right after the edit began: nothing changes, the line is still logged
    EXPECT_EQ(Copies(5), 2);
    EXPECT_EQ(LinesWith("　編集前の状態に戻しました"), 1);
    Copies(5) = 0;
    Copies(1000) = 3;  // edited in the battle book meanwhile: not this edit's to undo
    UndoClick(g);
    UndoClick(g);
    EXPECT_EQ(Copies(5), 2);
    EXPECT_EQ(Copies(1000), 3);
    os.answers = {false};
    Copies(5) = 0;
    UndoClick(g);
    EXPECT_EQ(Copies(5), 0);
}

TEST_F(PresetTest, UndoAfterCardsWereLostGivesOnlyWhatIsOwned) {
    Card(5, "靴", 3, 3);
    TakeEditSnapshot(g);
    g.player.CardCollection[5] = 1;
    LoadPreset(g, 0);
    EXPECT_EQ(Copies(5), 1);
    EXPECT_EQ(LinesWith("　靴が 2枚不足していました"), 1);
}

TEST_F(PresetTest, ResetEmptiesOnlyWhenBothQuestionsSayYes) {
    Card(5, "靴", 3, 2);
    Card(1000, "剣", 3, 1);
    os.answers = {true, false};
    ResetClick(g);
    EXPECT_EQ(Copies(5), 2);
    os.answers = {false};
    ResetClick(g);
    EXPECT_EQ(Copies(5), 2);
    EXPECT_EQ(os.questions.size(), 3u);
    EXPECT_EQ(os.questions[1], "【!!】本当に良いですか？");
    os.answers = {true, true};
    ResetClick(g);
    EXPECT_EQ(Copies(5), 0);
    EXPECT_EQ(Copies(1000), 1);
    EXPECT_EQ(LinesWith("ブックを空にしました"), 1);
}

TEST_F(PresetTest, TheQuestionsNameTheSetAndNoKeepsEverything) {
    Card(5, "靴", 3, 2);
    os.answers = {false, false};
    PresetSaveClick(g, 4);
    PresetLoadClick(g, 4);
    EXPECT_EQ(Preset(4, 5), 0);
    EXPECT_EQ(Copies(5), 2);
    ASSERT_EQ(os.questions.size(), 2u);
    EXPECT_EQ(os.questions[0], "【!】<SET 4>に、現在のブックの状態を SAVE しても良いですか？");
    EXPECT_EQ(os.questions[1], "【!】現在のブックに<SET 4>を LOAD しても良いですか？");
}

TEST_F(PresetTest, ClosingThePanelKeepsTheNamesOfTheEditedKindOnly) {
    g.screen.editBookKind = 2;
    const auto dungeonNames = g.player.dungeonPresetNames;
    OpenPresetPanel(g);
    EXPECT_TRUE(g.screen.presetPanelOpen);
    ClosePresetPanel(g, {"a", "b", "c", "d", "e", "f"});
    EXPECT_FALSE(g.screen.presetPanelOpen);
    EXPECT_EQ(g.player.battlePresetNames[5], "f");
    EXPECT_EQ(g.player.dungeonPresetNames, dungeonNames);
    EXPECT_EQ(g.screen.Current(), Screen::BookEdit);
}

}  // namespace
}  // namespace kestrilon
