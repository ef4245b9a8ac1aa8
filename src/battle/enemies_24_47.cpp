// Ordinary enemies 24 .. 47: the summoners and the deep dungeons, then the snow field.
// The summoners 25, 27, 28 and 32 keep an empty first move, which the action choice
// skips; that makes their summons and spells come up more often.
#include "battle/enemy_rows.h"

namespace kestrilon {
namespace {

constexpr EnemyRow kRows[] = {
    {.id = 24, .name = "スライム", .image = "unit109.bmp", .level = 2, .hp = 3, .stats = {1, 2, 1, 1, 1, 1},
     .drops = {1520}, .attributes = kAttrWater, .dungeons = {21, 3}, .actions = {1000, 1660, 1755, 1004}},
    {.id = 25, .name = "火の召喚士", .image = "unit18.bmp", .level = 11, .hp = 25, .stats = {9, 9, 13, 13, 11, 11},
     .drops = {1790, 1853}, .attributes = kAttrFire, .dungeons = {12, 13, 15}, .actions = {0, 1820, 1212, 1693, 1824}},
    {.id = 26, .name = "ワーウルフ", .image = "unit71.bmp", .level = 9, .hp = 24, .stats = {12, 7, 0, 3, 9, 9},
     .drops = {1007}, .dungeons = {12, 13}, .actions = {1007, 1076, 1700, 1001, 1056}},
    {.id = 27, .name = "土の召喚士", .image = "unit18.bmp", .level = 11, .hp = 27, .stats = {9, 11, 12, 14, 10, 10},
     .drops = {1790, 1854}, .attributes = kAttrEarth, .dungeons = {12, 15}, .actions = {0, 1810, 1212, 1655, 1236}},
    {.id = 28, .name = "風の召喚士", .image = "unit18.bmp", .level = 12, .hp = 28, .stats = {10, 10, 14, 13, 12, 13},
     .drops = {1790, 1763}, .attributes = kAttrWind, .dungeons = {13}, .actions = {0, 1811, 1212, 1693, 1235}},
    {.id = 29, .name = "キャスパー", .image = "unit113.bmp", .level = 12, .hp = 28, .stats = {8, 6, 14, 12, 11, 14},
     .drops = {1758}, .attributes = kAttrDark | kAttrPhysicalRes, .dungeons = {13, 14, 19},
     .actions = {1220, 1204, 1790, 1710, 1253}},
    {.id = 30, .name = "高位魔法使い", .image = "unit8.bmp", .level = 13, .hp = 32, .stats = {8, 9, 17, 14, 12, 12},
     .drops = {1504}, .attributes = kAttrMagicRes, .dungeons = {14, 19}, .actions = {1249, 1212, 1651, 1973, 1248}},
    {.id = 31, .name = "DRAGOON!!", .image = "unit108.bmp", .level = 13, .hp = 40, .stats = {18, 15, 0, 4, 15, 13},
     .drops = {1640}, .attributes = kAttrEarth | kAttrMeleeRes | kAttrPoisonImmune, .dungeons = {14, 16, 17},
     .actions = {1027, 1026, 1073, 1074, 1213}},
    {.id = 32, .name = "水の召喚士", .image = "unit18.bmp", .level = 13, .hp = 34, .stats = {13, 13, 15, 14, 12, 14},
     .drops = {1790, 1765}, .attributes = kAttrWater, .dungeons = {14, 16}, .actions = {0, 1822, 1212, 1520, 1827}},
    {.id = 33, .name = "水本の僧兵", .image = "unit20.bmp", .level = 10, .hp = 21, .stats = {11, 10, 7, 10, 9, 9},
     .drops = {1055}, .attributes = kAttrWater, .dungeons = {15}, .actions = {1055, 1050, 1520, 1661, 1234}},
    {.id = 34, .name = "火本の僧兵", .image = "unit21.bmp", .level = 10, .hp = 21, .stats = {12, 9, 7, 9, 9, 9},
     .drops = {1665}, .attributes = kAttrFire, .dungeons = {15}, .actions = {1046, 1021, 1539, 1665, 1232}},
    {.id = 35, .name = "光の術者", .image = "unit30.bmp", .level = 14, .hp = 45, .stats = {12, 13, 18, 18, 14, 14},
     .drops = {1523}, .attributes = kAttrLight, .dungeons = {16}, .actions = {1218, 1523, 1692, 1239, 1214}},
    {.id = 36, .name = "闇からの使者", .image = "unit51.bmp", .level = 14, .hp = 50, .stats = {25, 20, 20, 20, 20, 20},
     .drops = {1797}, .attributes = kAttrDark, .dungeons = {16, 17, 18}, .actions = {1086, 1830, 1797, 1231, 1832}},
    {.id = 37, .name = "ダークネス魔", .image = "unit52.bmp", .level = 14, .hp = 48, .stats = {20, 16, 18, 14, 16, 16},
     .drops = {1099}, .attributes = kAttrDark | kAttrMagicRes, .dungeons = {16, 17},
     .actions = {1099, 1220, 1231, 1774, 1268}},
    {.id = 38, .name = "大召喚士", .image = "unit19.bmp", .level = 16, .hp = 80, .stats = {20, 20, 30, 30, 22, 20},
     .drops = {1569}, .dungeons = {18, 20}, .actions = {1812, 1813, 1973, 1212, 1249}},
    {.id = 39, .name = "大槍術士", .image = "unit65.bmp", .level = 15, .hp = 60, .stats = {33, 25, 30, 25, 26, 22},
     .attributes = kAttrThunder | kAttrRangedRes, .dungeons = {17, 18, 20}, .actions = {1087, 1084, 1083, 1082, 1110}},
    {.id = 40, .name = "大呪術士", .image = "unit40.bmp", .level = 16, .hp = 75, .stats = {22, 20, 32, 28, 22, 20},
     .drops = {1758}, .attributes = kAttrDark, .dungeons = {18, 20}, .actions = {1770, 1771, 1774, 1778, 1270}},
    // The second gunman: the one that escorts the bosses of dungeons 18 and 20.
    {.id = 41, .name = "ガンマン", .image = "unit60.bmp", .level = 16, .hp = 80, .stats = {38, 28, 10, 20, 40, 26},
     .drops = {1308}, .attributes = kAttrRangedRes, .dungeons = {18, 20}, .actions = {1319, 1312, 1309, 1323, 1310}},
    {.id = 42, .name = "封印魔術士 ", .image = "unit42.bmp", .level = 14, .hp = 41, .stats = {18, 17, 20, 17, 17, 17},
     .dungeons = {19, 20}, .actions = {1119, 1249, 1248, 1118, 1120}},
    {.id = 43, .name = "クグワ ", .image = "unit43.bmp", .level = 15, .hp = 60, .stats = {34, 30, 20, 22, 26, 18},
     .drops = {1082}, .attributes = kAttrEarth | kAttrMeleeRes, .dungeons = {17, 18},
     .actions = {1121, 1073, 1236, 1854, 1250}},
    {.id = 44, .name = "テレパス", .image = "unit_tel.bmp", .level = 17, .hp = 100, .stats = {45, 35, 50, 35, 38, 24},
     .attributes = kAttrMagicRes, .dungeons = {20}, .actions = {1251, 1798, 1970, 1973, 1972}},
    {.id = 45, .name = "ロボット", .image = "unit_robo.bmp", .level = 17, .hp = 100, .stats = {50, 35, 50, 35, 40, 25},
     .attributes = kAttrRangedRes | kAttrPoisonImmune, .dungeons = {20}, .actions = {1971, 1322, 1794, 1793, 1323}},
    {.id = 46, .name = "スノウリーフ", .image = "unit_snow.bmp", .level = 6, .hp = 11, .stats = {6, 4, 7, 6, 6, 4},
     .drops = {1715}, .attributes = kAttrIce | kAttrMeleeRes, .dungeons = {21, 7}, .actions = {1715, 1255, 1368, 1369}},
    {.id = 47, .name = "アイスマン", .image = "unit110.bmp", .level = 7, .hp = 12, .stats = {7, 5, 7, 1, 5, 5},
     .drops = {1368}, .attributes = kAttrIce, .dungeons = {21, 8}, .actions = {1027, 1257, 1206, 1260, 1324}},
};

}  // namespace

std::span<const EnemyRow> EnemyRowsSecond() { return kRows; }

}  // namespace kestrilon
