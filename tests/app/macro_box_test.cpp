#include <filesystem>
#include <string>

#include "app/click_item.h"
#include "app/form.h"
#include "app/macro_box.h"
#include "menu/menu.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

TEST(MacroEdit, TakesOneLineOfCp932AndBackspacesWholeCharacters) {
    MacroBox box;
    MacroTyped(box, "x");  // no edit has the focus
    EXPECT_EQ(box.names[0], "");
    box.focus = 2;
    MacroTyped(box, "ボス\r\n用😀");
    EXPECT_EQ(box.names[2], "ボス用");
    MacroBackspace(box);
    EXPECT_EQ(box.names[2], "ボス");
    MacroTyped(box, std::string(60, 'a'));
    EXPECT_EQ(box.names[2], "ボス" + std::string(36, 'a'));  // 40 CP932 bytes
}

TEST(MacroLayout, EveryButtonIsFoundWhereItIsDrawn) {
    for (int row = 1; row <= 6; ++row) {
        const Rect load = MacroLoadRect(row), save = MacroSaveRect(row), edit = MacroEditRect(row);
        EXPECT_EQ(MacroPartAt(load.left + 1, load.top + 1).kind, MacroPart::Load);
        EXPECT_EQ(MacroPartAt(save.left + 1, save.top + 1).row, row);
        EXPECT_EQ(MacroPartAt(edit.right - 1, edit.bottom - 1).kind, MacroPart::Edit);
        EXPECT_LE(load.bottom, kMacroUndoRect.top);
    }
    EXPECT_EQ(MacroPartAt(kMacroBackRect.left, kMacroBackRect.top).kind, MacroPart::Back);
    EXPECT_EQ(MacroPartAt(600, 300).kind, MacroPart::None);
}

class MacroBoxFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.FormCreate();
        Game& g = form.game();
        g.screen.editBookKind = 1;
        g.player.dungeonPresetNames = {"一", "二", "三", "四", "五", "六"};
        g.player.level = 5;
        g.frame.TitleState = TitleCode(TitleState::Game);  // past the title pictures
        OpenScreen(g, Screen::BookEdit);
    }
    void Click(Rect r, MouseButton b = MouseButton::Left) { form.cgMouseDown(r.left + 2, r.top + 2, b); }
    testing::FakePlatform os;
    TForm1 form{os};
};

TEST_F(MacroBoxFormTest, OpensFromBookEditingAndKeepsTypedNamesOnRightClick) {
    Game& g = form.game();
    ASSERT_TRUE(ClickItem(form, "＞ブック管理"));
    ASSERT_TRUE(g.screen.presetPanelOpen);
    EXPECT_EQ(form.PresetPanel().names[1], "二");
    Click(MacroEditRect(2));
    form.FormKeyDown(Key::Backspace);
    form.name_lTextInput("弐");
    EXPECT_EQ(g.player.dungeonPresetNames[1], "二");  // kept only when the panel closes
    form.cgMouseDown(700, 100, MouseButton::Right);
    EXPECT_FALSE(g.screen.presetPanelOpen);
    EXPECT_EQ(g.player.dungeonPresetNames[1], "弐");
    EXPECT_EQ(g.screen.Current(), Screen::BookEdit);
}

TEST_F(MacroBoxFormTest, ThePanelIsDrawnOverTheLeftOfTheFrame) {
    Game& g = form.game();
    RunItem(g, 60);
    form.Timer1Timer();
    const Bitmap& cg = form.Surface();
    EXPECT_EQ(cg.Pixel(kMacroBoxRect.right - 2, 5), 0u);
    const Rect back = kMacroBackRect;
    EXPECT_EQ(cg.Pixel(back.left + 5, back.top + 5), Rgb(48, 48, 64));
}

TEST_F(MacroBoxFormTest, ExportOptionsWriteTheBookAndReturnToEditing) {
    Game& g = form.game();
    ASSERT_TRUE(ClickItem(form, "＞Txt出力(並び順)"));
    ASSERT_EQ(g.screen.Current(), Screen::ExportOptions);
    ASSERT_TRUE(ClickItem(form, "属性順"));
    EXPECT_EQ(g.screen.Current(), Screen::BookEdit);
    int exports = 0;
    for (const auto& entry : std::filesystem::directory_iterator(os.ProgramFolder()))
        exports += entry.path().filename().string().starts_with("VeskBookD-");
    EXPECT_EQ(exports, 1);
}

}  // namespace
}  // namespace kestrilon
