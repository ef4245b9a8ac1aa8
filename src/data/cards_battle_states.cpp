// Elemental armours (1850..1855), candies (1950..1957) and full-strength states (1970..1975).
#include "data/cards_battle.h"

namespace kestrilon {
namespace {

constexpr CardRow kArmours[] = {
    {.id = 1850, .name = "サンダースパイク", .image = "card_spike.jpg", .noTarget = 1, .value2 = 5, .maxCopies = 4,
     .action = BattleAction::ThunderArmour, .value = 3, .price = 1800, .element = Element::Thunder,
     .text = "{value2}ﾀｰﾝの間、<雷鎧>化 (近接攻撃に{value}Dmgで反撃)"},
    {.id = 1851, .name = "雷神の加護", .image = "card_raijin.jpg", .noTarget = 1, .value2 = 5, .maxCopies = 4,
     .action = BattleAction::ThunderUp, .price = 2200, .element = Element::Thunder,
     .text = "{value2}ﾀｰﾝの間、<雷>属性威力がUP"},
    {.id = 1852, .name = "ファイアウォール", .image = "card_firewall.jpg", .noTarget = 1, .value2 = 5, .maxCopies = 4,
     .action = BattleAction::FireArmour, .value = 3, .price = 1800, .element = Element::Fire,
     .text = "{value2}ﾀｰﾝの間、<火鎧>化 (近接攻撃に{value}Dmgで反撃)"},
    {.id = 1853, .name = "炎神の加護", .image = "card_enjin.jpg", .noTarget = 1, .value2 = 5, .maxCopies = 4,
     .action = BattleAction::FireUp, .price = 2200, .element = Element::Fire, .text = "{value2}ﾀｰﾝの間、<火>属性威力がUP"},
    {.id = 1854, .name = "ストーンウォール", .image = "card_stonewall.jpg", .noTarget = 1, .value2 = 5,
     .maxCopies = 4, .action = BattleAction::EarthArmour, .value = 3, .price = 1800, .element = Element::Earth,
     .text = "{value2}ﾀｰﾝの間、<土鎧>化 (近接Dmg-{value})"},
    {.id = 1855, .name = "ウォーターベール", .image = "card_waterveil.jpg", .noTarget = 1, .value2 = 5,
     .maxCopies = 3, .action = BattleAction::WaterArmour, .value = 3, .price = 3000, .element = Element::Water,
     .text = "{value2}ﾀｰﾝの間、<水鎧>化 (毎ﾀｰﾝと被近接時にHP+{value}回復) / "
             "ブックにあると金塊・お金の入手量+1",
     .requiredDungeon = 6},
};

constexpr CardRow kCandies[] = {
    {.id = 1950, .name = "飴玉", .image = "card_ame.jpg", .sortValue = 1, .noTarget = 1, .value2 = 5, .maxCopies = 10,
     .action = BattleAction::Food, .value = 3, .price = 20, .text = "HP+{value}回復 / お腹+{value2}"},
    {.id = 1951, .name = "ミルク飴", .image = "card_ame.jpg", .sortValue = 2, .noTarget = 1, .value2 = 8,
     .maxCopies = 10, .action = BattleAction::Food, .value = 5, .price = 45, .text = "HP+{value}回復 / お腹+{value2}"},
    {.id = 1952, .name = "ハッカ飴", .image = "card_ame.jpg", .sortValue = 3, .noTarget = 1, .mnd = 1, .value2 = 5,
     .maxCopies = 8, .action = BattleAction::Food, .value = 5, .price = 60, .text = "HP+{value}回復 / お腹+{value2}"},
    {.id = 1953, .name = "べっこう飴", .image = "card_ame.jpg", .sortValue = 4, .noTarget = 1, .value2 = 10,
     .maxCopies = 8, .action = BattleAction::Food, .value = 8, .price = 90, .text = "HP+{value}回復 / お腹+{value2}"},
    {.id = 1954, .name = "金平糖", .image = "card_ame.jpg", .sortValue = 5, .noTarget = 1, .value2 = 10,
     .maxCopies = 6, .action = BattleAction::Food, .value = 10, .price = 180, .text = "HP+{value}回復 / お腹+{value2}"},
    {.id = 1955, .name = "綿あめ", .image = "card_wataame.jpg", .sortValue = 6, .noTarget = 1, .value2 = 20,
     .maxCopies = 6, .action = BattleAction::Food, .value = 6, .price = 200, .text = "HP+{value}回復 / お腹+{value2}"},
    {.id = 1956, .name = "チョコレート", .image = "card_choco.jpg", .sortValue = 7, .noTarget = 1, .value2 = 15,
     .maxCopies = 5, .action = BattleAction::Food, .value = 12, .price = 350, .text = "HP+{value}回復 / お腹+{value2}"},
    {.id = 1957, .name = "蒼燐の飴", .image = "card_sourin_ame.jpg", .isSeries = 1, .sortValue = 8, .noTarget = 1,
     .value2 = 30, .maxCopies = 4, .action = BattleAction::Food, .value = 20, .text = "HP+{value}回復 / お腹+{value2}"},
};

constexpr CardRow kStates[] = {
    {.id = 1970, .name = "リフレクト", .image = "card_reflect.jpg", .noTarget = 1, .maxCopies = 3,
     .action = BattleAction::Reflect, .value = 2, .price = 3600, .text = "<反射>+{value} (遠隔攻撃を跳ね返す)",
     .requiredDungeon = 13},
    {.id = 1971, .name = "フルチャージ", .image = "card_fullcharge.jpg", .noTarget = 1, .maxCopies = 3,
     .action = BattleAction::FullCharge, .value = 2, .price = 3600, .text = "<ためる>+{value} (物理Dmgx2)",
     .requiredDungeon = 13},
    {.id = 1972, .name = "サイコベール", .image = "card_psycho.jpg", .noTarget = 1, .maxCopies = 2,
     .action = BattleAction::FullVeil, .value = 3, .price = 5000, .text = "<ﾍﾞｰﾙ>+{value} (遠隔攻撃を回避)",
     .requiredDungeon = 20},
    {.id = 1973, .name = "マインドシールド", .image = "card_mind.jpg", .noTarget = 1, .maxCopies = 3,
     .action = BattleAction::FullMagicGuard, .value = 2, .price = 3600, .text = "<魔防>+{value} (魔法Dmgを半減)",
     .requiredDungeon = 15},
    {.id = 1974, .name = "フルアブソーブ", .image = "card_fullcharge.jpg", .noTarget = 1, .maxCopies = 2,
     .action = BattleAction::FullAbsorb, .value = 2, .price = 5000, .text = "<吸>+{value} (近接物理Dmgを吸収)",
     .requiredDungeon = 16},
    {.id = 1975, .name = "ミラージュ", .image = "card_reflect.jpg", .noTarget = 1, .maxCopies = 2,
     .action = BattleAction::FullClone, .value = 3, .price = 5000, .text = "<分身>+{value} (近接攻撃を回避)",
     .requiredDungeon = 17},
};

}  // namespace

std::span<const CardRow> BattleArmourCards() { return kArmours; }
std::span<const CardRow> BattleCandyCards() { return kCandies; }
std::span<const CardRow> BattleStateCards() { return kStates; }

}  // namespace kestrilon
