// Book editing with its filter buttons, the pop-up of a chosen card, and the export options.
#include <array>
#include <string>
#include <string_view>

#include "books/books.h"
#include "data/capacity.h"
#include "menu/menu.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {

void BuildBookEdit(Game& g) {
    const Screen s = Screen::BookEdit;
    if (g.player.level >= 5) SetItem(g, kEditPresets, s, "＞ブック管理", BookEditAction::Presets);
    SetItem(g, kEditEnd, s, "編集終了", BookEditAction::EndEdit);
    if (g.player.unlockFlags[kFlagBookSorting] < 1) return;
    // Positions 2, 3 (dungeon book) and 8, 7 (battle book) hold the <Ability> and
    // recently-obtained filters, whose indices are 10 and 11.
    struct Filter {
        std::string_view caption;
        int index;
    };
    static constexpr std::array<Filter, 10> kDungeonFilters = {{{"全表示", 0}, {"6大ｽﾃｰﾀｽ", 1}, {"Ability", 10},
        {"最近入手", 11}, {"魔法", 4}, {"属性順", 5}, {"回復系", 6}, {"移動系", 7}, {"探索系", 8}, {"スロット系", 9}}};
    static constexpr std::array<Filter, 10> kBattleFilters = {{{"全表示", 0}, {"6大ｽﾃｰﾀｽ", 1}, {"近接物理", 2},
        {"遠隔物理", 3}, {"魔法", 4}, {"属性順", 5}, {"回復系", 6}, {"最近入手", 11}, {"Ability", 10}, {"スロット系", 9}}};
    const auto& filters = g.screen.editBookKind == 2 ? kBattleFilters : kDungeonFilters;
    for (int i = 0; i < static_cast<int>(filters.size()); ++i) {
        const Filter& f = filters[static_cast<size_t>(i)];
        SetItem(g, kEditFilterFirst + i, s, f.caption, FilterAction(f.index)).param = i;
    }
}

void BuildCardActions(Game& g) {
    const Screen s = Screen::CardActions;
    SetItem(g, kCardActionFirst, s, "<■←>ブック投入", CardAction::Insert);
    SetItem(g, kCardActionFirst + 1, s, "<■→>ブック離脱", CardAction::Remove);
    SetItem(g, kCardActionFirst + 2, s, "このカードを全て投入", CardAction::InsertAll);
    SetItem(g, kCardActionFirst + 3, s, "このカードを全て離脱", CardAction::RemoveAll);
    SetItem(g, kCardActionFirst + 4, s, "キャンセル", CardAction::Cancel, true);
}

void CardActionsOpened(Game& g) {
    auto& flags = g.player.unlockFlags;
    const int capacity = BookCapacity(g);
    if (flags[kFlagBookFullHint] != 0 || BookCardCount(g) < capacity) return;
    flags[kFlagBookFullHint] = 1;
    std::string hint = "→ブックに入れられるのは最初は";
    AppendInt(hint, capacity);
    hint += "枚まで。　　既に挿入済みのカードをまず減らしましょう";
    ShowHint(g, hint);
}

void BuildExportOptions(Game& g) {
    const Screen s = Screen::ExportOptions;
    SetItem(g, kExportFirst, s, "6大ｽﾃｰﾀｽのみ", ExportAction::Order).param = 0;
    SetItem(g, kExportFirst + 1, s, "属性順", ExportAction::Order).param = 1;
    SetItem(g, kExportFirst + 2, s, "戻る", ExportAction::Back, true);
}

AfterAction RunExportOptions(Game& g, const tmenu& item) {
    if (ActionOf<ExportAction>(item) != ExportAction::Back) return AfterAction::Rebuild;
    OpenScreen(g, Screen::BookEdit);
    return AfterAction::Keep;
}

}  // namespace kestrilon
