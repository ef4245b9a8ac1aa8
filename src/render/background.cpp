#include "render/background.h"

#include <string>

#include "state/game.h"
#include "text/text.h"

namespace kestrilon {

void RebuildBackground(Game& g) {
    if (g.frame.PictureLock != 0) return;
    Bitmap& composed = g.layers.LayerTable[kLayerComposed];
    composed.Clear(0);
    composed.Copy(g.layers.LayerTable[kLayerBackground], 0, 0, kScreenWidth, kScreenHeight);
    const Font header{.size = 10, .bold = true};
    std::string level = "Lv";
    AppendInt(level, g.player.level);
    composed.Text(2, 2, level, header, Rgb(255, 255, 255));
    if (g.dungeon.number >= 1 && g.dungeon.number < static_cast<int>(g.dungeon.table.size())) {
        const DungeonRecord& dungeon = g.dungeon.table[static_cast<size_t>(g.dungeon.number)];
        std::string where = "<" + dungeon.name + "> 難易度 ";
        AppendInt(where, dungeon.difficulty);
        composed.Text(composed.TextWidth(level, header) + 7, 2, where, header, Rgb(192, 192, 192));
    }
    g.frame.BackgroundDirty = 0;
}

}  // namespace kestrilon
