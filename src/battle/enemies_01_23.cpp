// Ordinary enemies 1 .. 23: the tunnel, the hill and the gate up to the coal mine and the
// river. Levels and hit points grow with the dungeons the enemy lives in.
#include "battle/enemy_rows.h"

namespace kestrilon {
namespace {

constexpr EnemyRow kRows[] = {
    {.id = 1, .name = "訓練生", .image = "unit0.bmp", .level = 0, .hp = 1, .stats = {1, 0, 0, 0, 0, 0},
     .drops = {1610}, .dungeons = {1, 2}, .actions = {1000, 1800, 1004}},
    {.id = 2, .name = "訓練二年生", .image = "unit1.bmp", .level = 1, .hp = 2, .stats = {1, 0, 0, 0, 1, 1},
     .drops = {1004}, .dungeons = {2, 3}, .actions = {1000, 1500, 1004, 1800}},
    {.id = 3, .name = "フライリーフ", .image = "leaf.bmp", .level = 0, .hp = 1, .stats = {0, 0, 0, 0, 0, 0},
     .drops = {1600}, .attributes = kAttrMeleeRes, .dungeons = {1, 2}, .actions = {1000, 1600, 1004, 1800}},
    {.id = 4, .name = "朱鳥", .image = "unit121.bmp", .level = 1, .hp = 2, .stats = {1, 0, 1, 1, 1, 2},
     .drops = {1200}, .attributes = kAttrFire, .dungeons = {2, 3}, .actions = {1000, 1200, 1004, 1800}},
    {.id = 5, .name = "体術士", .image = "unit2.bmp", .level = 2, .hp = 4, .stats = {2, 1, 0, 0, 1, 1},
     .drops = {2101}, .attributes = kAttrMagicWeak, .dungeons = {3, 4}, .actions = {1000, 1650, 1700, 1502}},
    {.id = 6, .name = "アメーバ", .image = "unit101.bmp", .level = 2, .hp = 3, .stats = {1, 1, 0, 1, 1, 1},
     .drops = {1660}, .attributes = kAttrWater, .dungeons = {3, 4, 11}, .actions = {1000, 1500, 1660, 1701}},
    {.id = 7, .name = "剣士", .image = "unit3.bmp", .level = 3, .hp = 5, .stats = {3, 2, 0, 1, 2, 2},
     .drops = {1010}, .dungeons = {4, 5}, .actions = {1010, 1012, 1654, 1000, 1013}},
    {.id = 8, .name = "クラウン魔", .image = "crown.bmp", .level = 3, .hp = 4, .stats = {1, 0, 3, 3, 2, 2},
     .drops = {1200}, .attributes = kAttrMagicRes, .dungeons = {4, 5}, .actions = {1000, 1200, 1004, 1699}},
    {.id = 9, .name = "ガンマン", .image = "unit4.bmp", .level = 4, .hp = 6, .stats = {4, 2, 0, 0, 4, 3},
     .drops = {1300}, .dungeons = {5, 6, 11}, .actions = {1302, 1300, 1610, 1500, 1310}},
    // A walking bomb: it blows itself up at its sixth turn.
    {.id = 10, .name = "精霊の子", .image = "unit102.bmp", .level = 4, .hp = 6, .stats = {3, 1, 2, 3, 2, 2},
     .drops = {1520}, .attributes = kAttrWind, .dungeons = {5, 6}, .actions = {1000, 1520, 1698, 1009},
     .presets = {Preset(&StatusBlock::bomb, 6)}},
    {.id = 11, .name = "魔法使い", .image = "unit5.bmp", .level = 4, .hp = 6, .stats = {1, 1, 4, 3, 3, 2},
     .drops = {1501}, .dungeons = {5, 21}, .actions = {1243, 1000, 1699, 1534, 1212}},
    {.id = 12, .name = "上位魔法使い", .image = "unit6.bmp", .level = 7, .hp = 14, .stats = {2, 3, 8, 6, 5, 4},
     .drops = {1534}, .attributes = kAttrMagicRes, .dungeons = {6, 11}, .actions = {1212, 1243, 1651, 1656, 1249}},
    {.id = 13, .name = "蝙蝠", .image = "unit107.bmp", .level = 5, .hp = 8, .stats = {5, 4, 4, 0, 5, 4},
     .drops = {1204}, .attributes = kAttrDark | kAttrMeleeRes, .dungeons = {6, 7},
     .actions = {1001, 1760, 1204, 1205}},
    {.id = 14, .name = "呪術士", .image = "unit7.bmp", .level = 6, .hp = 12, .stats = {3, 3, 7, 6, 5, 4},
     .drops = {1751}, .attributes = kAttrDark, .dungeons = {6, 7, 9}, .actions = {1751, 1202, 1761, 1205, 1758}},
    {.id = 15, .name = "ドンゴ", .image = "unit104.bmp", .level = 7, .hp = 14, .stats = {8, 7, 0, 2, 5, 3},
     .drops = {1655}, .attributes = kAttrEarth | kAttrPhysicalRes, .dungeons = {8, 10},
     .actions = {1026, 1004, 1655, 1020, 1053}},
    {.id = 16, .name = "朱雀", .image = "unit122.bmp", .level = 8, .hp = 14, .stats = {8, 6, 4, 2, 7, 6},
     .drops = {1350}, .attributes = kAttrFire | kAttrMeleeRes, .dungeons = {7, 8},
     .actions = {1024, 1353, 1351, 1352}},
    {.id = 17, .name = "スネイカー", .image = "unit106.bmp", .level = 8, .hp = 15, .stats = {8, 5, 3, 3, 7, 8},
     .drops = {1061}, .attributes = kAttrDark | kAttrPoisonImmune, .dungeons = {9, 11},
     .actions = {1061, 1062, 1751, 1077, 1063}},
    {.id = 18, .name = "霊鳥", .image = "unit123.bmp", .level = 9, .hp = 18, .stats = {8, 6, 9, 9, 9, 10},
     .drops = {1693}, .attributes = kAttrWind | kAttrMeleeRes, .dungeons = {8},
     .actions = {1203, 1351, 1009, 1693, 1235}},
    {.id = 19, .name = "天使", .image = "unit10.bmp", .level = 8, .hp = 16, .stats = {7, 3, 6, 7, 6, 7},
     .drops = {1690}, .attributes = kAttrLight | kAttrMeleeRes, .dungeons = {9, 13, 15},
     .actions = {1598, 1597, 1692, 1523, 1214}},
    {.id = 20, .name = "スモッグ", .image = "unit105.bmp", .level = 8, .hp = 14, .stats = {7, 5, 7, 3, 6, 9},
     .drops = {1850}, .attributes = kAttrThunder | kAttrPhysicalRes, .dungeons = {9, 10, 13},
     .actions = {1211, 1354, 1851, 1710}},
    // Starts every battle healing 2 HP a turn for 5 turns.
    {.id = 21, .name = "ナイト", .image = "unit17.bmp", .level = 10, .hp = 24, .stats = {11, 9, 0, 8, 9, 9},
     .drops = {1499}, .attributes = kAttrLight, .dungeons = {10, 12}, .actions = {1653, 1654, 1041, 1044, 1045},
     .presets = {Preset(&StatusBlock::autoHeal, 5, 2)}},
    {.id = 22, .name = "火の玉", .image = "unit103.bmp", .level = 10, .hp = 22, .stats = {12, 8, 12, 0, 10, 10},
     .drops = {1853}, .attributes = kAttrFire, .dungeons = {10, 12}, .actions = {1216, 1208, 1021, 1852, 1213}},
    {.id = 23, .name = "ガウラ", .image = "unit111.bmp", .level = 5, .hp = 7, .stats = {4, 2, 3, 0, 3, 1},
     .drops = {1720, 351}, .attributes = kAttrEarth | kAttrPoisonImmune, .dungeons = {11, 12},
     .actions = {1054, 1694, 1702, 1720, 1056}},
};

}  // namespace

std::span<const EnemyRow> EnemyRowsFirst() { return kRows; }

}  // namespace kestrilon
