// Stat <Ability> cards: they work while they sit in the dungeon book and cannot be played.
// Most carry no text of their own; the stat part added by the filler says what they give.
#include "data/cards_dungeon.h"

namespace kestrilon {
namespace {

constexpr std::string_view kTpGain = "TP上昇値+{tpGain}";

constexpr CardRow kRows[] = {
    {.id = 800, .name = "体力+1", .isAbility = 1, .maxCopies = 6, .maxHp = 1, .price = 45},
    {.id = 801, .name = "体力+2", .isAbility = 1, .maxCopies = 5, .maxHp = 2, .price = 150, .requiredDungeon = 2},
    {.id = 802, .name = "体力+3", .isAbility = 1, .maxCopies = 4, .maxHp = 3, .price = 400, .requiredDungeon = 4},
    {.id = 803, .name = "体力+5", .isAbility = 1, .maxCopies = 2, .isRare = 1, .maxHp = 5},
    {.id = 804, .name = "魔力+1", .isAbility = 1, .maxCopies = 6, .maxMp = 1, .price = 60},
    {.id = 805, .name = "魔力+2", .isAbility = 1, .maxCopies = 5, .maxMp = 2, .price = 200, .requiredDungeon = 3},
    {.id = 806, .name = "魔力+3", .isAbility = 1, .maxCopies = 4, .maxMp = 3, .price = 500, .requiredDungeon = 6},
    {.id = 807, .name = "筋力+1", .isAbility = 1, .maxCopies = 4, .str = 1, .price = 300, .requiredDungeon = 2},
    {.id = 808, .name = "筋力+2", .isAbility = 1, .maxCopies = 2, .str = 2, .price = 1000, .material = 807},
    {.id = 809, .name = "守備+1", .isAbility = 1, .maxCopies = 4, .vit = 1, .price = 300, .requiredDungeon = 2},
    {.id = 810, .name = "守備+2", .isAbility = 1, .maxCopies = 2, .vit = 2, .price = 1000, .material = 809},
    {.id = 811, .name = "器用+1", .isAbility = 1, .maxCopies = 4, .dex = 1, .price = 300, .requiredDungeon = 3},
    {.id = 812, .name = "器用+2", .isAbility = 1, .maxCopies = 2, .dex = 2, .price = 1000, .material = 811},
    {.id = 813, .name = "敏捷+1", .isAbility = 1, .maxCopies = 4, .agi = 1, .price = 300, .requiredDungeon = 3},
    {.id = 814, .name = "敏捷+2", .isAbility = 1, .maxCopies = 2, .agi = 2, .price = 1000, .material = 813},
    {.id = 815, .name = "知力+1", .isAbility = 1, .maxCopies = 4, .int_ = 1, .price = 300, .requiredDungeon = 4},
    {.id = 816, .name = "知力+2", .isAbility = 1, .maxCopies = 2, .int_ = 2, .price = 1000, .material = 815},
    {.id = 817, .name = "精神+1", .mnd = 1, .isAbility = 1, .maxCopies = 4, .price = 300, .requiredDungeon = 4},
    {.id = 818, .name = "精神+2", .mnd = 2, .isAbility = 1, .maxCopies = 2, .price = 1000, .material = 817},
    {.id = 819, .name = "会心+1", .isAbility = 1, .maxCopies = 3, .critical = 1, .price = 800, .requiredDungeon = 5},
    {.id = 820, .name = "会心+2", .isAbility = 1, .maxCopies = 1, .isRare = 1, .critical = 2},
    {.id = 821, .name = "精力+1", .isAbility = 1, .maxCopies = 1, .tpGain = 1, .maxHp = 1, .maxMp = 1, .price = 500,
     .text = kTpGain},
    {.id = 822, .name = "精力+2", .isAbility = 1, .maxCopies = 1, .isRare = 1, .tpGain = 2, .maxHp = 2, .maxMp = 2,
     .text = kTpGain},
    {.id = 823, .name = "狂戦士の心得", .mnd = -1, .isAbility = 1, .maxCopies = 2, .str = 3, .vit = -2, .isRare = 1},
    {.id = 824, .name = "体力+10", .isAbility = 1, .isUltraRare = 1, .maxCopies = 1, .maxHp = 10},
    {.id = 825, .name = "万能+1", .mnd = 1, .isAbility = 1, .maxCopies = 1, .str = 1, .int_ = 1, .vit = 1, .dex = 1,
     .agi = 1, .isSecret = 1},
    {.id = 826, .name = "賢者の心得", .isAbility = 1, .maxCopies = 2, .str = -1, .int_ = 3, .isRare = 1, .maxMp = 3},
    {.id = 827, .name = "鉄壁の心得", .isAbility = 1, .maxCopies = 2, .vit = 3, .agi = -2, .isRare = 1, .maxHp = 3},
};

}  // namespace

std::span<const CardRow> DungeonAbilityCards() { return kRows; }

}  // namespace kestrilon
