// Trap tools, axes, picks, jump shoes, the holy fountain and the two building kits.
#include "data/cards_dungeon.h"

namespace kestrilon {
namespace {

constexpr std::string_view kTrapTool = "Lv{toolLevel}までのトラップを解除[ / {value}km進む]";
constexpr std::string_view kAxe = "木を伐採する / 1km進む";
constexpr std::string_view kPick = "地層を掘り返す / 1km進む";
constexpr std::string_view kJump = "落とし穴を飛び越える[ / {value}km進む]";

constexpr CardRow kRows[] = {
    {.id = 498, .name = "解除の札", .image = "card_trap2.jpg", .toolLevel = 2, .maxCopies = 9,
     .action = DungeonEffect::TrapTool, .eventKind = EventCode::Trap, .price = 40, .text = kTrapTool},
    {.id = 499, .name = "万能解除ﾂｰﾙ", .image = "card_trap2.jpg", .toolLevel = 6, .maxCopies = 2, .isRare = 1,
     .action = DungeonEffect::TrapTool, .value = 2, .eventKind = EventCode::Trap, .text = kTrapTool},
    {.id = 500, .name = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv1", .image = "card_trap.jpg", .toolLevel = 1, .maxCopies = 10,
     .action = DungeonEffect::TrapTool, .value = 1, .eventKind = EventCode::Trap, .price = 20, .text = kTrapTool},
    {.id = 501, .name = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv2", .image = "card_trap.jpg", .toolLevel = 2, .maxCopies = 9,
     .action = DungeonEffect::TrapTool, .value = 1, .eventKind = EventCode::Trap, .price = 60, .text = kTrapTool},
    {.id = 502, .name = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv3", .image = "card_trap.jpg", .toolLevel = 3, .maxCopies = 8,
     .action = DungeonEffect::TrapTool, .value = 2, .eventKind = EventCode::Trap, .price = 150, .text = kTrapTool,
     .requiredDungeon = 3},
    {.id = 503, .name = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv4", .image = "card_trap.jpg", .toolLevel = 4, .maxCopies = 7,
     .action = DungeonEffect::TrapTool, .value = 2, .eventKind = EventCode::Trap, .price = 400, .text = kTrapTool,
     .requiredDungeon = 5},
    {.id = 504, .name = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv5", .image = "card_trap.jpg", .toolLevel = 5, .maxCopies = 6,
     .action = DungeonEffect::TrapTool, .value = 3, .eventKind = EventCode::Trap, .price = 900, .text = kTrapTool,
     .requiredDungeon = 8},
    {.id = 505, .name = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv6", .image = "card_trap.jpg", .toolLevel = 6, .maxCopies = 5,
     .action = DungeonEffect::TrapTool, .value = 3, .eventKind = EventCode::Trap, .price = 2000, .text = kTrapTool,
     .requiredDungeon = 10},
    {.id = 506, .name = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv7", .image = "card_trap.jpg", .toolLevel = 7, .maxCopies = 3,
     .action = DungeonEffect::TrapTool, .value = 4, .eventKind = EventCode::Trap, .price = 5000, .text = kTrapTool,
     .requiredDungeon = 12},
    {.id = 507, .name = "手斧", .image = "card_ono.jpg", .toolLevel = 1, .maxCopies = 9, .action = DungeonEffect::Axe,
     .eventKind = EventCode::Tree, .price = 50, .text = kAxe},
    {.id = 508, .name = "斧", .image = "card_ono.jpg", .toolLevel = 1, .maxCopies = 8, .action = DungeonEffect::Axe,
     .eventKind = EventCode::Tree, .price = 150, .text = kAxe},
    {.id = 509, .name = "鉄の斧", .image = "card_ono.jpg", .toolLevel = 2, .maxCopies = 7, .action = DungeonEffect::Axe,
     .eventKind = EventCode::Tree, .price = 400, .text = kAxe, .requiredDungeon = 2},
    {.id = 510, .name = "銀の斧", .image = "card_ono2.jpg", .toolLevel = 3, .maxCopies = 5, .action = DungeonEffect::Axe,
     .eventKind = EventCode::Tree, .price = 1000, .text = kAxe, .requiredDungeon = 7},
    {.id = 511, .name = "金の斧", .image = "card_ono3.jpg", .toolLevel = 4, .maxCopies = 3, .isRare = 1,
     .action = DungeonEffect::Axe, .eventKind = EventCode::Tree, .text = kAxe},
    {.id = 512, .name = "時の斧", .image = "card_toki_ono.jpg", .toolLevel = 5, .maxCopies = 2, .isRare = 1,
     .action = DungeonEffect::Axe, .eventKind = EventCode::Tree,
     .text = "木を伐採する / 1km進む / ブックにあると、伐採で得たカードが1/3の確率で2枚になる"},
    {.id = 517, .name = "蒼燐の斧", .image = "card_ono2.jpg", .isSeries = 1, .toolLevel = 3, .maxCopies = 6,
     .action = DungeonEffect::Axe, .eventKind = EventCode::Tree, .text = kAxe},
    {.id = 518, .name = "木こりの斧", .image = "card_ono.jpg", .toolLevel = 2, .maxCopies = 6, .str = 1,
     .action = DungeonEffect::Axe, .eventKind = EventCode::Tree, .price = 700, .text = kAxe, .requiredDungeon = 7},
    {.id = 521, .name = "ツルハシ", .image = "card_turuhasi.jpg", .toolLevel = 1, .maxCopies = 9,
     .action = DungeonEffect::Pick, .eventKind = EventCode::Strata, .price = 80, .text = kPick},
    {.id = 522, .name = "鉄のツルハシ", .image = "card_turuhasi.jpg", .toolLevel = 2, .maxCopies = 7,
     .action = DungeonEffect::Pick, .eventKind = EventCode::Strata, .price = 300, .text = kPick,
     .requiredDungeon = 4},
    {.id = 523, .name = "銀のツルハシ", .image = "card_turuhasi2.jpg", .toolLevel = 3, .maxCopies = 5,
     .action = DungeonEffect::Pick, .eventKind = EventCode::Strata, .price = 900, .text = kPick,
     .requiredDungeon = 8},
    {.id = 524, .name = "金のツルハシ", .image = "card_turuhasi2.jpg", .toolLevel = 4, .maxCopies = 3,
     .isRare = 1, .action = DungeonEffect::Pick, .eventKind = EventCode::Strata, .text = kPick},
    {.id = 525, .name = "☆ツルハシ", .image = "card_turuhasi.jpg", .isSeries = 1, .toolLevel = 2, .maxCopies = 6,
     .action = DungeonEffect::Pick, .eventKind = EventCode::Strata, .text = kPick},
    {.id = 526, .name = "ジャンプシューズ", .image = "card_jump.jpg", .maxCopies = 9, .action = DungeonEffect::JumpShoes,
     .eventKind = EventCode::Pitfall, .price = 60, .text = kJump},
    {.id = 527, .name = "スプリングシューズ", .image = "card_jump.jpg", .maxCopies = 7, .action = DungeonEffect::JumpShoes,
     .value = 1, .eventKind = EventCode::Pitfall, .price = 300, .text = kJump, .requiredDungeon = 3},
    {.id = 528, .name = "跳躍の靴", .image = "card_jump.jpg", .maxCopies = 5, .action = DungeonEffect::JumpShoes,
     .value = 2, .eventKind = EventCode::Pitfall, .price = 900, .text = kJump, .requiredDungeon = 6},
    {.id = 529, .name = "月面シューズ", .image = "card_jump2.jpg", .maxCopies = 3, .isRare = 1,
     .action = DungeonEffect::JumpShoes, .value = 3, .eventKind = EventCode::Pitfall, .text = kJump},
    {.id = 530, .name = "☆ジャンプシューズ", .image = "card_jump.jpg", .isSeries = 1, .maxCopies = 6,
     .action = DungeonEffect::JumpShoes, .value = 1, .eventKind = EventCode::Pitfall, .text = kJump},

    {.id = 540, .name = "聖なる噴水", .image = "card_hunsui.jpg", .maxCopies = 3, .action = DungeonEffect::HolyFountain,
     .arkCost = 50, .nextLevel = 1, .price = 100, .material = 400, .text = "[HP+{value}回復 / ]手札が6枚以下なら7枚になるまでドロー",
     .levels = {{{.value = 5, .arkCost = 100, .nextLevel = 2},
                 {.value = 10, .arkCost = 200, .nextLevel = 3},
                 {.value = 15, .arkCost = 400, .nextLevel = 4},
                 {.value = 20, .arkCost = 800, .nextLevel = 5},
                 {.value = 30, .arkCost = 0}}}},

    {.id = 600, .name = "キャンプ場建造KIT", .image = "card_hanmer.jpg", .maxCopies = 1, .action = DungeonEffect::CampKit,
     .material = 1009, .text = "今いる地点にキャンプ場を建設する (以後ここでキャンプイベントが起きる)"},
    {.id = 601, .name = "換金場建造KIT", .image = "card_hanmer.jpg", .maxCopies = 1, .action = DungeonEffect::ExchangeKit,
     .material = 1510, .text = "今いる地点に換金場を建設する (以後ここで換金場イベントが起きる)"},
};

}  // namespace

std::span<const CardRow> DungeonToolCards() { return kRows; }

}  // namespace kestrilon
