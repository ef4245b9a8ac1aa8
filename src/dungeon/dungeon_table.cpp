// The dungeons. Prizes follow the difficulty: the first dungeons give common, cheap cards,
// the middle ones dearer cards with a rare card in the red chest, the last ones rare cards
// in every chest. Keys 260 .. 274 open the secret chests of dungeons 1 .. 15, 275 that of 21.
#include "dungeon/dungeon_table.h"

#include <vector>

#include "data/card_database.h"
#include "state/game.h"

namespace kestrilon {
namespace {

// clang-format off
constexpr DungeonRow kRows[] = {
    {.number = 1, .picture = "kabe.jpg", .name = "再構成トンネル", .cipherPrize = 800,
     .secretTreasure = 825, .secretKey = 260, .chestPrizes = {1101, 1002, 1488, 101, 2, 301},
     .trapPrize = 500, .difficulty = 0, .length = 40},
    {.number = 2, .picture = "hill.jpg", .name = "はじまりの丘", .cipherPrize = 804, .requiredDungeon = 1, .trees = 1,
     .secretTreasure = 1552, .secretKey = 261, .chestPrizes = {1016, 1003, 1490, 102, 34, 302},
     .trapPrize = 501, .difficulty = 1, .length = 50},
    {.number = 3, .picture = "block.jpg", .name = "リ・テの門", .cipherPrize = 801, .requiredDungeon = 2,
     .secretTreasure = 1311, .secretKey = 262, .chestPrizes = {1012, 1036, 1500, 231, 241, 303},
     .trapPrize = 502, .difficulty = 2, .length = 60},
    {.number = 4, .picture = "renga.jpg", .name = "クラウンボトル", .cipherPrize = 805, .strata = 1, .requiredDungeon = 3,
     .secretTreasure = 2203, .secretKey = 263, .chestPrizes = {1010, 1066, 1494, 103, 31, 318},
     .ironChestPrize = 807, .trapPrize = 526, .difficulty = 3, .length = 70},
    {.number = 5, .picture = "town.jpg", .name = "予感の街・レ", .cipherPrize = 809, .requiredDungeon = 4,
     .secretTreasure = 22, .secretKey = 264, .chestPrizes = {1300, 1351, 1501, 104, 3, 351},
     .ironChestPrize = 811, .trapPrize = 503, .difficulty = 3, .length = 80},
    {.number = 6, .picture = "suiro.jpg", .name = "魔水路", .cipherPrize = 806, .requiredDungeon = 5,
     .secretTreasure = 933, .secretKey = 265, .chestPrizes = {1050, 1219, 1504, 41, 1669, 352},
     .ironChestPrize = 2006, .redChestPrize = 2007, .trapPrize = 504, .difficulty = 4, .length = 85},
    {.number = 7, .picture = "jungle.jpg", .name = "朱雀の森", .cipherPrize = 817, .requiredDungeon = 6, .trees = 1,
     .secretTreasure = 1714, .secretKey = 266, .chestPrizes = {1057, 1046, 1353, 40, 1539, 356},
     .ironChestPrize = 2004, .redChestPrize = 2211, .trapPrize = 509, .difficulty = 4, .length = 90},
    {.number = 8, .picture = "gake.jpg", .name = "霊鳥の岸壁", .cipherPrize = 9, .strata = 1, .requiredDungeon = 7,
     .secretTreasure = 934, .secretKey = 267, .chestPrizes = {1083, 1235, 1540, 7, 1693, 402},
     .ironChestPrize = 2011, .redChestPrize = 12, .trapPrize = 510, .difficulty = 5, .length = 95},
    {.number = 9, .picture = "danjon.jpg", .name = "失われた廃道", .cipherPrize = 1769, .requiredDungeon = 7,
     .secretTreasure = 825, .secretKey = 268, .chestPrizes = {1042, 1086, 1546, 33, 1710, 304},
     .ironChestPrize = 2018, .redChestPrize = 2019, .trapPrize = 505, .difficulty = 4, .length = 100},
    {.number = 10, .picture = "renga2.jpg", .name = "ヒルトン炭鉱", .cipherPrize = 821, .strata = 1, .requiredDungeon = 8,
     .secretTreasure = 1552, .secretKey = 269, .chestPrizes = {1109, 1053, 1236, 1541, 523, 314},
     .ironChestPrize = 2010, .redChestPrize = 524, .trapPrize = 506, .difficulty = 6, .length = 110},
    {.number = 11, .picture = "suiro2.jpg", .name = "ヤハンの河", .cipherPrize = 1256, .requiredDungeon = 5,
     .secretTreasure = 2203, .secretKey = 270, .chestPrizes = {1055, 1234, 1532, 1855, 212, 313},
     .ironChestPrize = 2008, .redChestPrize = 207, .trapPrize = 528, .difficulty = 4, .length = 115},
    {.number = 12, .picture = "utyu.jpg", .name = "ﾗｽﾄ【忘却の河】", .cipherPrize = 1722, .requiredDungeon = 10,
     .secretTreasure = 1311, .secretKey = 271, .chestPrizes = {1104, 1231, 1565, 1252, 1358, 407},
     .ironChestPrize = 2020, .redChestPrize = 317, .trapPrize = 1758, .difficulty = 7, .length = 120},
    {.number = 13, .picture = "sky.jpg", .name = "＜ファントム＞", .cipherPrize = 1705, .requiredDungeon = 12,
     .secretTreasure = 934, .secretKey = 272, .chestPrizes = {1105, 1245, 1568, 1322, 39, 357},
     .ironChestPrize = 935, .redChestPrize = 1039, .trapPrize = 1709, .difficulty = 8, .length = 150},
    {.number = 14, .picture = "sky2.jpg", .name = "＜ＨＥＬＬ＞", .cipherPrize = 1711, .requiredDungeon = 13,
     .secretTreasure = 24, .secretKey = 273, .chestPrizes = {1100, 1242, 1253, 1497, 52, 403},
     .ironChestPrize = 1670, .redChestPrize = 1135, .trapPrize = 1777, .difficulty = 9, .length = 200},
    {.number = 15, .picture = "block2.jpg", .name = "精霊寺院", .cipherPrize = 1686, .requiredDungeon = 10,
     .secretTreasure = 27, .secretKey = 274, .chestPrizes = {1567, 1239, 1084, 1505, 1569, 1526},
     .ironChestPrize = 1687, .redChestPrize = 1688, .trapPrize = 2002, .difficulty = 7, .length = 145},
    {.number = 16, .picture = "rock.jpg", .name = "＜豪傑＞", .cipherPrize = 1121, .requiredDungeon = 14,
     .chestPrizes = {1015, 1124, 2104, 1537, 1079, 306},
     .ironChestPrize = 823, .redChestPrize = 2100, .trapPrize = 2106, .difficulty = 10, .length = 250},
    {.number = 17, .picture = "rock2.jpg", .name = "＜黄昏＞", .cipherPrize = 1269, .requiredDungeon = 16,
     .chestPrizes = {1130, 1357, 1073, 1562, 53, 404},
     .ironChestPrize = 1725, .redChestPrize = 2311, .trapPrize = 1779, .difficulty = 12, .length = 300},
    {.number = 18, .picture = "her.jpg", .name = "<<彼女達>>", .cipherPrize = 1972, .requiredDungeon = 17,
     .chestPrizes = {1060, 1531, 1047, 2320, 1034, 1620},
     .ironChestPrize = 824, .redChestPrize = 1361, .trapPrize = 1974, .difficulty = 14, .length = 350},
    {.number = 19, .picture = "renga3.jpg", .name = "魔封門", .cipherPrize = 1973, .requiredDungeon = 13,
     .secretTreasure = 0, .secretKey = 0, .chestPrizes = {1118, 1089, 1090, 1515, 1970, 413},
     .ironChestPrize = 916, .redChestPrize = 298, .trapPrize = 1793, .difficulty = 9, .length = 225},
    {.number = 20, .picture = "sayonara.jpg", .name = "【さよなら】", .cipherPrize = 1228, .requiredDungeon = 18,
     .chestPrizes = {1035, 1522, 1070, 2312, 1267, 1529},
     .ironChestPrize = 1108, .redChestPrize = 1674, .trapPrize = 1326, .difficulty = 16, .length = 400},
    {.number = 21, .picture = "hill_white.jpg", .name = "タナティア雪原", .cipherPrize = 43, .requiredDungeon = 6,
     .secretTreasure = 1714, .secretKey = 275, .chestPrizes = {1255, 1368, 1520, 107, 1756, 355},
     .ironChestPrize = 813, .trapPrize = 527, .difficulty = 3, .length = 90},
};
// clang-format on

std::vector<CardReference> BuildReferences() {
    std::vector<CardReference> refs;
    auto add = [&](int id, std::string_view use) {
        // A prize may be of either kind; the reference asks for the kind its id range gives.
        if (id != 0) refs.push_back(CardWithId(id, ClassifiedKind(id), use));
    };
    for (const DungeonRow& row : kRows) {
        add(row.cipherPrize, row.name);
        add(row.secretTreasure, row.name);
        for (int prize : row.chestPrizes) add(prize, row.name);
        add(row.ironChestPrize, row.name);
        add(row.redChestPrize, row.name);
        add(row.trapPrize, row.name);
        if (row.secretKey != 0) refs.push_back(CardWithId(row.secretKey, CardKind::Dungeon, row.name));
    }
    return refs;
}

}  // namespace

std::span<const DungeonRow> DungeonRows() { return kRows; }

void LoadDungeonTable(Game& g) {
    for (DungeonRecord& record : g.dungeon.table) record = DungeonRecord{};
    for (const DungeonRow& row : kRows) {
        DungeonRecord& r = g.dungeon.table[static_cast<size_t>(row.number)];
        r.picture = row.picture;
        r.name = row.name;
        r.cipherPrize = row.cipherPrize;
        r.strata = row.strata;
        r.requiredDungeon = row.requiredDungeon;
        r.trees = row.trees;
        r.secretTreasure = row.secretTreasure;
        r.secretKey = row.secretKey;
        r.chestPrizes = row.chestPrizes;
        r.ironChestPrize = row.ironChestPrize;
        r.redChestPrize = row.redChestPrize;
        r.trapPrize = row.trapPrize;
        r.difficulty = row.difficulty;
        r.length = row.length;
    }
}

std::span<const CardReference> DungeonCardReferences() {
    static const std::vector<CardReference> refs = BuildReferences();
    return refs;
}

}  // namespace kestrilon
