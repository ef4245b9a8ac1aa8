// The extreme enemy of each dungeon, fought with a battle orb: mostly alone, far stronger
// than the EX enemy, and the only source of the rarest drops.
#include "battle/enemy_rows.h"

namespace kestrilon {
namespace {

constexpr SpecialEncounter kExtremeEnemies[] = {
    {.dungeon = 1, .base = 1, .image = "choco.bmp", .level = 7, .hp = 50, .stats = {7, 5, 4, 4, 6, 6},
     .drops = {1101, 1640, 1900, 1495}, .escorts = {{{.templateId = 3, .count = 5, .level = 7, .hp = 15}}}},
    {.dungeon = 2, .base = 2, .name = "訓練教官", .level = 8, .hp = 60, .stats = {9, 6, 2, 4, 8, 7},
     .drops = {1094, 1903, 1023, 2101}, .actions = {1025, 0, 0, 0, 1094}},
    {.dungeon = 3, .base = 24, .name = "スライムキング", .level = 9, .hp = 70, .stats = {8, 10, 6, 8, 7, 6},
     .drops = {1773, 1533, 1672, 1528}, .actions = {0, 0, 0, 0, 1765}},
    {.dungeon = 4, .base = 8, .name = "道化の王", .level = 10, .hp = 80, .stats = {6, 5, 12, 12, 9, 9},
     .drops = {2306, 1908, 1248, 1079}, .actions = {1243, 0, 0, 0, 1248}},
    {.dungeon = 5, .base = 7, .name = "リリア", .image = "riria.bmp", .level = 11, .hp = 90,
     .stats = {10, 6, 7, 8, 13, 12}, .drops = {1361, 1365, 2209, 1372}, .actions = {1361, 1355, 1366, 1652, 1367}},
    {.dungeon = 6, .base = 14, .name = "水路の亡霊", .level = 13, .hp = 105, .stats = {10, 8, 15, 14, 12, 12},
     .drops = {1515, 1773, 1253, 413}},
    {.dungeon = 7, .base = 16, .name = "朱雀神", .level = 13, .hp = 110, .stats = {14, 11, 10, 8, 13, 12},
     .drops = {2211, 1213, 1267, 1684}, .actions = {0, 0, 0, 1852, 1213}},
    {.dungeon = 8, .base = 18, .name = "霊鳥王", .level = 14, .hp = 115, .stats = {13, 11, 14, 14, 14, 15},
     .drops = {12, 235, 2012, 1972}},
    {.dungeon = 9, .base = 20, .name = "廃道の亡者", .level = 14, .hp = 110, .stats = {13, 12, 13, 8, 12, 14},
     .drops = {1714, 1832, 1228, 2100}, .actions = {0, 0, 0, 0, 1247}},
    {.dungeon = 10, .base = 21, .name = "ヒルトンの亡霊", .level = 15, .hp = 125, .stats = {17, 15, 6, 13, 14, 13},
     .drops = {2327, 1039, 1130, 1620}},
    {.dungeon = 11, .base = 23, .name = "ガニュ", .image = "ganyu.bmp", .level = 13, .hp = 105,
     .stats = {14, 10, 10, 6, 12, 10}, .drops = {1105, 1100, 1242, 2104}},
    // Comes back once from death.
    {.dungeon = 12, .base = 27, .name = "忘却の霊人", .level = 16, .hp = 150, .stats = {15, 16, 18, 19, 15, 15},
     .drops = {1810, 1820, 1688, 1237}, .presets = {Preset(&StatusBlock::promise, 10)}},
    {.dungeon = 13, .base = 29, .name = "ファントム", .level = 16, .hp = 160, .stats = {13, 11, 20, 18, 16, 19},
     .drops = {1268, 2321, 2311, 1529}},
    {.dungeon = 14, .base = 31, .name = "地獄竜", .level = 16, .hp = 170, .stats = {26, 22, 8, 12, 22, 18},
     .drops = {1822, 1135, 1270, 1725}, .actions = {0, 0, 0, 0, 1121}},
    {.dungeon = 15, .base = 19, .name = "大天使", .level = 15, .hp = 140, .stats = {14, 10, 16, 18, 14, 15},
     .drops = {1812, 1598, 1214, 1522}},
    // Fights beside a shade: alone at level 19 it would outrank the last dungeon's extreme enemy.
    {.dungeon = 16, .base = 36, .name = "黄昏た超戦士", .level = 19, .hp = 300, .stats = {34, 28, 26, 26, 28, 28},
     .drops = {1813, 1120, 1832, 2317}, .presets = {Preset(&StatusBlock::autoHeal, 10, 5)},
     .escorts = {{{.templateId = 37, .count = 1, .level = 15, .hp = 100}}}},
    {.dungeon = 17, .base = 37, .name = "落日の王", .level = 17, .hp = 260, .stats = {34, 30, 30, 26, 30, 28},
     .drops = {1135, 2316, 2319, 1098}},
    {.dungeon = 18, .base = 38, .name = "彼女達の主", .level = 18, .hp = 350, .stats = {30, 28, 40, 40, 30, 28},
     .drops = {1674, 1550, 2212, 1128}, .presets = {Preset(&StatusBlock::invincible, 2)}},
    {.dungeon = 19, .base = 42, .name = "封印の魔王", .level = 16, .hp = 180, .stats = {24, 22, 28, 24, 22, 22},
     .drops = {1562, 2203, 1531, 1029}},
    {.dungeon = 20, .base = 44, .level = 18, .hp = 450, .stats = {50, 38, 55, 38, 42, 28},
     .drops = {1484, 1553, 2325, 824}, .presets = {Preset(&StatusBlock::magicGuard, 3)}},
    {.dungeon = 21, .base = 47, .level = 13, .hp = 100, .stats = {13, 10, 13, 6, 11, 11},
     .drops = {2017, 357, 306, 1778}},
};

}  // namespace

std::span<const SpecialEncounter> ExtremeEncounters() { return kExtremeEnemies; }

}  // namespace kestrilon
