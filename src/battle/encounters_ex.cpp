// The EX enemy of each dungeon, met now and then once the dungeon has been cleared: stronger
// than the boss, with rarer drops. The deepest ones stand alone.
#include "battle/enemy_rows.h"

namespace kestrilon {
namespace {

constexpr SpecialEncounter kExEnemies[] = {
    // The trainees of the hill come down to guard it.
    {.dungeon = 1, .base = 1, .name = "ﾁｮｺﾁｮｺ", .image = "choco.bmp", .level = 3, .hp = 10,
     .stats = {2, 1, 1, 1, 4, 6}, .drops = {1013, 1516, 1650, 1558}, .actions = {0, 0, 1008, 0, 1075},
     .escorts = {{{.templateId = 2, .count = 2, .level = 2, .hp = 3}}}},
    {.dungeon = 2, .base = 3, .name = "丘の妖精", .level = 4, .hp = 18, .stats = {2, 2, 4, 4, 4, 5},
     .drops = {1527, 1057, 1693, 1540}, .escorts = {{{.templateId = 1, .count = 2, .level = 2, .hp = 4}}}},
    {.dungeon = 3, .base = 6, .name = "大アメーバ", .level = 5, .hp = 30, .stats = {4, 4, 2, 4, 4, 3},
     .drops = {1855, 1234, 1532, 1050}, .escorts = {{{.templateId = 24, .count = 2, .level = 3, .hp = 6}}}},
    {.dungeon = 4, .base = 5, .name = "拳聖", .level = 6, .hp = 40, .stats = {7, 4, 0, 2, 6, 5},
     .drops = {1094, 1095, 1904, 1709}, .actions = {1094, 0, 0, 0, 1095},
     .escorts = {{{.templateId = 7, .count = 2, .level = 4, .hp = 10}}}},
    {.dungeon = 5, .base = 7, .name = "幻影リリア", .image = "riria.bmp", .level = 7, .hp = 50,
     .stats = {7, 4, 4, 5, 8, 8}, .drops = {1356, 1359, 2213, 1358}, .actions = {1350, 1356, 1012, 1652, 1361},
     .escorts = {{{.templateId = 9, .count = 2, .level = 6, .hp = 15}}}},
    {.dungeon = 6, .base = 10, .name = "ドロシー", .image = "dorosy.bmp", .level = 9, .hp = 120,
     .stats = {6, 6, 10, 10, 8, 8}, .drops = {1508, 1513, 1055, 1064}, .actions = {1221, 0, 0, 0, 1235},
     .escorts = {{{.templateId = 13, .count = 2, .level = 8, .hp = 40, .raised = true}}}},
    {.dungeon = 7, .base = 13, .name = "夜の吸血公", .level = 9, .hp = 120, .stats = {9, 7, 9, 6, 9, 9},
     .drops = {1205, 1225, 1233, 1712}, .escorts = {{{.templateId = 46, .count = 2, .level = 8, .hp = 40}}}},
    {.dungeon = 8, .base = 18, .name = "フィガロ", .image = "figaro.bmp", .level = 10, .hp = 130,
     .stats = {10, 8, 11, 10, 11, 12}, .drops = {1235, 1371, 1117, 1677},
     .escorts = {{{.templateId = 16, .count = 2, .level = 8, .hp = 40}}}},
    {.dungeon = 9, .base = 19, .name = "迷い天使", .level = 9, .hp = 125, .stats = {9, 5, 9, 6, 8, 9},
     .drops = {1672, 1692, 1774, 2003}, .actions = {0, 1239},
     .escorts = {{{.templateId = 17, .count = 2, .level = 8, .hp = 40, .raised = true}}}},
    {.dungeon = 10, .base = 20, .name = "黒煙の魔人", .level = 10, .hp = 136, .stats = {10, 8, 10, 5, 9, 11},
     .drops = {2015, 1121, 1250, 1073}, .escorts = {{{.templateId = 22, .count = 2, .level = 9, .hp = 40}}}},
    {.dungeon = 11, .base = 12, .name = "ヤハンの魔女", .level = 10, .hp = 120, .stats = {4, 6, 13, 10, 9, 8},
     .drops = {1245, 1249, 1509, 1721}, .escorts = {{{.templateId = 12, .count = 2, .level = 8, .hp = 40}}}},
    {.dungeon = 12, .base = 25, .name = "忘却の旅人", .level = 11, .hp = 130, .stats = {12, 12, 15, 14, 12, 13},
     .drops = {1687, 1571, 1723, 2318}, .escorts = {{{.templateId = 26, .count = 4, .level = 11, .hp = 60}}}},
    {.dungeon = 13, .base = 28, .name = "運命の使者", .image = "unmei.bmp", .level = 12, .hp = 160,
     .stats = {12, 11, 16, 15, 13, 14}, .drops = {1811, 934, 1311, 2315},
     .escorts = {{{.templateId = 29, .count = 2, .level = 12, .hp = 45, .raised = true}}}},
    {.dungeon = 14, .base = 31, .name = "ヘルドラグーン", .level = 13, .hp = 200, .stats = {22, 18, 4, 8, 18, 15},
     .drops = {1073, 1357, 2210, 1130}, .escorts = {{{.templateId = 30, .count = 2, .level = 13, .hp = 50}}}},
    {.dungeon = 15, .base = 34, .name = "僧兵長", .level = 11, .hp = 140, .stats = {14, 12, 9, 12, 11, 11},
     .drops = {1521, 1549, 1684, 2005}, .escorts = {{{.templateId = 33, .count = 2, .level = 10, .hp = 40}}}},
    {.dungeon = 16, .base = 36, .name = "黄昏た大戦士", .level = 15, .hp = 250, .stats = {30, 24, 22, 22, 24, 24},
     .drops = {1045, 1134, 1126, 1670}},
    {.dungeon = 17, .base = 39, .name = "祖国の英雄", .image = "sokoku.bmp", .level = 16, .hp = 300,
     .stats = {38, 28, 32, 28, 30, 26}, .drops = {1110, 1039, 2202, 1060}},
    {.dungeon = 18, .base = 40, .name = "彼女達の記憶", .level = 17, .hp = 350, .stats = {26, 24, 36, 32, 26, 24},
     .drops = {1529, 2307, 2308, 2309}},
    {.dungeon = 19, .base = 30, .name = "ハイネ", .image = "haine.bmp", .level = 13, .hp = 220,
     .stats = {10, 12, 22, 18, 15, 15}, .drops = {1248, 1269, 2105, 826},
     .escorts = {{{.templateId = 42, .count = 2, .level = 13, .hp = 50}}}},
    {.dungeon = 20, .base = 44, .name = "ミスターグッバイ", .level = 18, .hp = 400, .stats = {52, 40, 55, 40, 42, 30},
     .drops = {1326, 1108, 2324, 2326}},
    {.dungeon = 21, .base = 47, .name = "アイストロール", .level = 9, .hp = 80, .stats = {10, 7, 8, 3, 7, 6},
     .drops = {1087, 1090, 1679, 1772}, .escorts = {{{.templateId = 46, .count = 3, .level = 8, .hp = 60}}}},
};

}  // namespace

std::span<const SpecialEncounter> ExEncounters() { return kExEnemies; }

}  // namespace kestrilon
