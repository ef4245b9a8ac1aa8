// The export options (screen 25): the book written out in the order of one of the card
// list's filters. Reached from book editing by "＞Txt出力(並び順)".
#include "menu/menu.h"
#include "persist/book_export.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"

namespace kestrilon {

void BuildExportOptions(Game& g) {
    // Beside "＞ブック管理", on the same level as the export button of the preset panel.
    if (g.player.level >= 5)
        SetItem(g, kEditExport, Screen::BookEdit, "＞Txt出力(並び順)", BookEditAction::ExportOptions);
    const Screen s = Screen::ExportOptions;
    SetItem(g, kExportFirst, s, "6大ｽﾃｰﾀｽのみ", ExportAction::Order).param = 0;
    SetItem(g, kExportFirst + 1, s, "属性順", ExportAction::Order).param = 1;
    SetItem(g, kExportFirst + 2, s, "戻る", ExportAction::Back, true);
}

AfterAction RunExportOptions(Game& g, const tmenu& item) {
    if (ActionOf<ExportAction>(item) == ExportAction::Order)
        ExportClick(g, item.param == 0 ? ExportOrder::SixStats : ExportOrder::ByElement);
    OpenScreen(g, Screen::BookEdit);
    return AfterAction::Keep;
}

}  // namespace kestrilon
