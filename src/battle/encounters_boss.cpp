// The boss at the end of each dungeon: a named leader with escorts of the dungeon's own
// enemies, and four drops rarer than anything the dungeon's ordinary enemies leave.
#include "battle/enemy_rows.h"

namespace kestrilon {
namespace {

constexpr SpecialEncounter kBosses[] = {
    {.dungeon = 1, .base = 2, .name = "自我", .level = 2, .hp = 4, .stats = {2, 1, 1, 1, 2, 2},
     .drops = {1010, 1502, 1494, 1075}, .escorts = {{{.templateId = 1, .count = 2, .level = 1, .hp = 2}}}},
    {.dungeon = 2, .base = 4, .name = "はじまりの朱鳥", .level = 3, .hp = 8, .stats = {3, 1, 2, 2, 3, 3},
     .drops = {1208, 1206, 1520, 1036}, .escorts = {{{.templateId = 2, .count = 2, .level = 1, .hp = 2}}}},
    {.dungeon = 3, .base = 5, .name = "門の番人", .level = 4, .hp = 12, .stats = {4, 3, 0, 1, 3, 3},
     .drops = {1015, 1643, 1902, 1119}, .escorts = {{{.templateId = 6, .count = 2, .level = 2, .hp = 3}}}},
    {.dungeon = 4, .base = 8, .name = "ボトルの道化", .level = 5, .hp = 16, .stats = {3, 2, 5, 5, 4, 4},
     .drops = {1251, 1512, 1971, 1724}, .escorts = {{{.templateId = 7, .count = 2, .level = 3, .hp = 5}}}},
    {.dungeon = 5, .base = 9, .level = 6, .hp = 18, .stats = {6, 3, 1, 1, 6, 5},
     .drops = {1303, 1313, 2200, 1302}, .escorts = {{{.templateId = 10, .count = 2, .level = 4, .hp = 5}}}},
    {.dungeon = 6, .base = 12, .name = "水路の魔術師", .level = 8, .hp = 40, .stats = {4, 4, 9, 8, 6, 6},
     .drops = {1504, 1755, 1669, 1661}, .escorts = {{{.templateId = 13, .count = 3, .level = 6, .hp = 20}}}},
    {.dungeon = 7, .base = 16, .name = "紅蓮の朱雀", .level = 9, .hp = 45, .stats = {9, 7, 6, 4, 8, 7},
     .drops = {1305, 1665, 1852, 1216}, .escorts = {{{.templateId = 14, .count = 2, .level = 6, .hp = 20}}}},
    {.dungeon = 8, .base = 18, .name = "岸壁の霊鳥", .level = 9, .hp = 55, .stats = {9, 7, 9, 9, 9, 10},
     .drops = {1083, 1123, 39, 1763}, .escorts = {{{.templateId = 16, .count = 2, .level = 8, .hp = 20}}}},
    {.dungeon = 9, .base = 17, .name = "廃道の大蛇", .level = 8, .hp = 40, .stats = {9, 6, 4, 4, 8, 8},
     .drops = {1063, 2102, 1770, 1771}, .escorts = {{{.templateId = 14, .count = 3, .level = 6, .hp = 20}}}},
    {.dungeon = 10, .base = 15, .name = "坑道の巨人", .level = 10, .hp = 70, .stats = {12, 11, 2, 4, 8, 5},
     .drops = {1236, 1049, 1683, 524},
     .escorts = {{{.templateId = 20, .count = 3, .level = 8, .hp = 25, .raised = true}}}},
    {.dungeon = 11, .base = 23, .name = "河の主", .level = 8, .hp = 40, .stats = {8, 6, 5, 3, 6, 4},
     .drops = {1054, 1526, 1658, 2009}, .escorts = {{{.templateId = 17, .count = 2, .level = 7, .hp = 20}}}},
    {.dungeon = 12, .base = 27, .name = "忘却の召喚士", .level = 11, .hp = 80, .stats = {11, 12, 14, 15, 11, 11},
     .drops = {1686, 1855, 1797, 1236}, .escorts = {{{.templateId = 26, .count = 4, .level = 9, .hp = 30}}}},
    {.dungeon = 13, .base = 29, .name = "幻影の王", .level = 12, .hp = 100, .stats = {10, 8, 15, 14, 12, 15},
     .drops = {1975, 1974, 1253, 22},
     .escorts = {{{.templateId = 26, .count = 2, .level = 10, .hp = 35, .raised = true}}}},
    {.dungeon = 14, .base = 32, .name = "地獄の召喚士", .level = 13, .hp = 130, .stats = {14, 14, 17, 16, 13, 14},
     .drops = {1773, 1242, 1100, 2008}, .escorts = {{{.templateId = 29, .count = 2, .level = 12, .hp = 40}}}},
    {.dungeon = 15, .base = 19, .name = "寺院の守護天使", .level = 10, .hp = 75, .stats = {10, 7, 10, 11, 9, 10},
     .drops = {1692, 1533, 404, 2003},
     .escorts = {{{.templateId = 33, .count = 1, .level = 10, .hp = 30}, {.templateId = 34, .count = 1, .level = 10, .hp = 30}}}},
    // The two escorts fight at their own strength.
    {.dungeon = 16, .base = 36, .name = "黄昏た戦士", .level = 15, .hp = 200, .stats = {26, 21, 20, 20, 21, 21},
     .drops = {1133, 1079, 2303, 1124},
     .escorts = {{{.templateId = 35, .count = 1}, {.templateId = 31, .count = 1}}}},
    {.dungeon = 17, .base = 43, .name = "落日の巨人", .level = 16, .hp = 250, .stats = {36, 32, 22, 24, 27, 20},
     .drops = {1121, 2106, 1908, 827},
     .escorts = {{{.templateId = 39, .count = 2, .level = 15, .hp = 80, .raised = true}}}},
    {.dungeon = 18, .base = 38, .name = "彼女達の守り手", .level = 17, .hp = 300, .stats = {24, 24, 34, 34, 26, 24},
     .drops = {1814, 2301, 2300, 1568},
     .escorts = {{{.templateId = 41, .count = 1, .level = 15, .hp = 150}, {.templateId = 40, .count = 1, .level = 15, .hp = 150}}}},
    {.dungeon = 19, .base = 42, .name = "魔封門の番人", .level = 13, .hp = 140, .stats = {18, 17, 21, 18, 17, 17},
     .drops = {1118, 1119, 1798, 1973}, .escorts = {{{.templateId = 30, .count = 2, .level = 13, .hp = 45}}}},
    {.dungeon = 20, .base = 44, .name = "手を振る人", .level = 18, .hp = 350, .stats = {48, 38, 52, 38, 40, 28},
     .drops = {47, 1497, 2314, 2328},
     .escorts = {{{.templateId = 45, .count = 1, .level = 17, .hp = 300},
                  {.templateId = 38, .count = 1, .level = 16, .hp = 250},
                  {.templateId = 41, .count = 1, .level = 15, .hp = 200},
                  {.templateId = 40, .count = 1}}}},
    {.dungeon = 21, .base = 47, .level = 8, .hp = 35, .stats = {8, 6, 8, 2, 6, 6},
     .drops = {1065, 1093, 1240, 1324}, .escorts = {{{.templateId = 46, .count = 3, .level = 6, .hp = 20}}}},
};

}  // namespace

std::span<const SpecialEncounter> BossEncounters() { return kBosses; }

}  // namespace kestrilon
