// Winds that clear the hand, recyclers, time loops, second chances, the ヴェルナ series,
// the Mayday charms, goggles and radars, and the spring staff.
#include "data/cards_dungeon.h"

namespace kestrilon {
namespace {

constexpr std::string_view kWind = "手札の{value}枚目を捨札へ送り、1枚ドロー[ / {value2}km進む]";
constexpr std::string_view kBlueWind = "手札の<Ability>カードを全て捨て、捨てた分だけドロー[ / {value2}km進む]";
constexpr std::string_view kWhirlwind =
    "手札の<Ability>カードを{value}枚まで捨て、捨てた分だけドロー[ / {value2}km進む]";
constexpr std::string_view kRecycle =
    "捨札からランダムに{value}枚をブックの最後に戻す (リサイクル系と<Ability>は戻らない)";
constexpr std::string_view kTimeLoop = "手札を全てブックの最後に戻し、同じ枚数を引き直す[ / {value2}km進む]";
constexpr std::string_view kChance = "捨札の新しい方から{value}枚を、ブックのランダムな位置に戻す";

constexpr CardRow kRows[] = {
    {.id = 900, .name = "そよ風", .image = "card_kaze2.jpg", .maxCopies = 9, .action = DungeonEffect::Wind, .value = 1,
     .price = 30, .element = Element::Wind, .text = kWind},
    {.id = 901, .name = "突風", .image = "card_kaze2.jpg", .value2 = 1, .maxCopies = 8, .action = DungeonEffect::Wind,
     .value = 1, .price = 100, .element = Element::Wind, .text = kWind},
    {.id = 902, .name = "つむじ風", .image = "card_kaze2.jpg", .value2 = 1, .maxCopies = 7, .action = DungeonEffect::Wind,
     .value = 2, .price = 250, .element = Element::Wind, .text = kWind, .requiredDungeon = 2},
    {.id = 903, .name = "疾風", .image = "card_kaze2.jpg", .value2 = 2, .maxCopies = 6, .action = DungeonEffect::Wind,
     .value = 1, .price = 500, .element = Element::Wind, .text = kWind, .requiredDungeon = 4},
    {.id = 904, .name = "蒼燐の風", .image = "card_aokaze.jpg", .isSeries = 1, .value2 = 1, .maxCopies = 5,
     .action = DungeonEffect::BlueWind, .element = Element::Wind, .text = kBlueWind},
    {.id = 905, .name = "旋風", .image = "card_senpuu.jpg", .maxCopies = 8, .action = DungeonEffect::DiscardingWind,
     .value = 1, .price = 150, .element = Element::Wind, .text = kWhirlwind},
    {.id = 906, .name = "竜巻", .image = "card_senpuu.jpg", .value2 = 1, .maxCopies = 5,
     .action = DungeonEffect::DiscardingWind, .value = 3, .price = 800, .element = Element::Wind, .text = kWhirlwind,
     .requiredDungeon = 5},
    {.id = 907, .name = "大竜巻", .image = "card_senpuu.jpg", .value2 = 2, .maxCopies = 3, .isRare = 1,
     .action = DungeonEffect::DiscardingWind, .value = 5, .element = Element::Wind, .text = kWhirlwind},
    {.id = 908, .name = "☆そよ風", .image = "card_kaze2.jpg", .isSeries = 1, .value2 = 1, .maxCopies = 7,
     .action = DungeonEffect::Wind, .value = 1, .element = Element::Wind, .text = kWind},
    {.id = 909, .name = "ｱｽﾞﾘｵの風", .image = "card_aokaze.jpg", .isSeries = 1, .value2 = 2, .maxCopies = 3,
     .action = DungeonEffect::BlueWind, .element = Element::Wind, .text = kBlueWind},
    {.id = 910, .name = "リサイクル", .image = "card_recycle.jpg", .maxCopies = 9, .action = DungeonEffect::Recycler,
     .value = 1, .isRecycle = 1, .price = 50, .text = kRecycle},
    {.id = 911, .name = "活用", .image = "card_recycle.jpg", .maxCopies = 7, .action = DungeonEffect::Recycler,
     .value = 2, .isRecycle = 1, .price = 300, .text = kRecycle, .requiredDungeon = 2},
    {.id = 912, .name = "再活用", .image = "card_recycle.jpg", .maxCopies = 5, .action = DungeonEffect::Recycler,
     .value = 3, .isRecycle = 1, .price = 1000, .text = kRecycle, .requiredDungeon = 4},
    {.id = 913, .name = "☆セカンドチャンス", .image = "card_chance.jpg", .isSeries = 1, .maxCopies = 6,
     .action = DungeonEffect::SecondChance, .value = 1, .text = kChance},
    {.id = 914, .name = "ｱｽﾞﾘｵのタイムループ", .image = "card_time.jpg", .isSeries = 1, .value2 = 1, .maxCopies = 4,
     .action = DungeonEffect::TimeLoop, .text = kTimeLoop},
    {.id = 915, .name = "タイムループ", .image = "card_time.jpg", .maxCopies = 6, .action = DungeonEffect::TimeLoop,
     .price = 400, .text = kTimeLoop, .requiredDungeon = 3},
    {.id = 916, .name = "タイムリープ", .image = "card_time.jpg", .value2 = 1, .maxCopies = 3, .isRare = 1,
     .action = DungeonEffect::TimeLoop, .text = "手札を全てブックの最後に戻し、同じ枚数を引き直す[ / {value2}km進む] / ブックにあると攻撃間隔短縮Lv0.5"},
    {.id = 917, .name = "時の砂時計", .image = "card_sunadokei.jpg", .value2 = 2, .maxCopies = 4,
     .action = DungeonEffect::TimeLoop, .price = 2500, .text = kTimeLoop, .requiredDungeon = 9},
    {.id = 918, .name = "セカンドチャンス", .image = "card_chance.jpg", .maxCopies = 8, .action = DungeonEffect::SecondChance,
     .value = 1, .price = 200, .text = kChance},
    {.id = 919, .name = "サードチャンス", .image = "card_chance.jpg", .maxCopies = 6, .action = DungeonEffect::SecondChance,
     .value = 2, .price = 700, .text = kChance, .requiredDungeon = 4},
    {.id = 920, .name = "ラストチャンス", .image = "card_chance.jpg", .maxCopies = 3, .isRare = 1,
     .action = DungeonEffect::SecondChance, .value = 3, .text = kChance},

    {.id = 921, .name = "ヴェルナのメモ", .image = "card_verna_memo.jpg", .isCalling = 1, .maxCopies = 1,
     .action = DungeonEffect::Memo, .text = "今のイベントに必要なカードを山札から探し出し、次に引く"},
    {.id = 922, .name = "ヴェルナの眼鏡", .image = "card_verna_megane.jpg", .isCalling = 1, .maxCopies = 1,
     .action = DungeonEffect::Glasses, .value = 10,
     .text = "HP+({value}x2)回復 / ブックにあると攻撃間隔短縮Lv0.5、得点と金塊・お金の入手量+1"},
    {.id = 923, .name = "ヴェルナの杖", .image = "card_verna_tue.jpg", .isCalling = 1, .maxCopies = 1,
     .action = DungeonEffect::Cane, .text = "今のイベントに必要なカードを捨札から探し出し、次に引く"},
    {.id = 924, .name = "ヴェルナの万年筆", .image = "card_verna_pen.jpg", .isCalling = 1, .maxCopies = 1,
     .action = DungeonEffect::Pen, .value = 4,
     .text = "TP+({value}x5)回復 / ブックにあると得点と金塊・お金の入手量+1、"
             "バトルでダメージを与えなかったときの次の番が早まる"},
    {.id = 925, .name = "ヴェルナの首飾り", .image = "card_verna_kubi.jpg", .isCalling = 1, .maxCopies = 1,
     .action = DungeonEffect::Necklace, .text = "今のイベントに必要なカードを山札か捨札から探し出し、次に引く"},
    {.id = 926, .name = "ヴェルナの耳飾り", .image = "card_verna_mimi.jpg", .isCalling = 1, .maxCopies = 1,
     .action = DungeonEffect::Earring, .isRecycle = 1,
     .text = "今のイベントに必要なカードを探し出し、捨札から7枚をブックの最後に戻す"
             " (リサイクル系と<Ability>は戻らない) / ブックにあると秘宝の宝箱の出現率大UP"},
    {.id = 927, .name = "蒼燐のメイデイ", .isSeries = 1, .isAbility = 1, .maxCopies = 3,
     .text = "ブックにあると、D.カードを使うたびに1/4の確率で得点+この枚数"},
    {.id = 928, .name = "ｱｽﾞﾘｵのメイデイ", .isSeries = 1, .isAbility = 1, .maxCopies = 2,
     .text = "ブックにあると、D.カードを使うたびに1/4の確率で得点+この枚数x2"},
    {.id = 929, .name = "☆メイデイ", .isSeries = 1, .isAbility = 1, .maxCopies = 1,
     .text = "ブックにあると、D.カードを使うたびに1/4の確率で得点+この枚数x3"},
    {.id = 930, .name = "メイデイ", .isAbility = 1, .maxCopies = 1, .isRare = 1,
     .text = "ブックにあると、D.カードを使うたびの得点+1", .altarOnly = true},
    {.id = 931, .name = "ファトマ", .image = "card_fatma.jpg", .value2 = 2, .maxCopies = 1, .isRare = 1,
     .action = DungeonEffect::PointsAndWalk, .value = 20, .text = "得点+{value}[ / {value2}km進む]", .altarOnly = true},
    {.id = 932, .name = "RIDUのゴーグル", .image = "card_goggle.jpg", .isAbility = 1, .isUltraRare = 1,
     .maxCopies = 1, .text = "ブックにあると、秘宝の宝箱の出現率大UP、EX Enemyの出現率UP / 得点と金塊・お金の入手量+1"},
    {.id = 933, .name = "加奈のゴーグル", .image = "card_goggle.jpg", .isAbility = 1, .maxCopies = 2,
     .isSecret = 1, .text = "ブックにあると、秘宝の宝箱の出現率UP、EX Enemyの出現率大UP"},
    {.id = 934, .name = "ファントムマテリア", .image = "card_phantom2.jpg", .isAbility = 1, .maxCopies = 2,
     .isSecret = 1, .text = "ブックにあると、秘宝の宝箱の出現率大UP、EX Enemyの出現率UP"},
    {.id = 935, .name = "ファントムレーダー", .isAbility = 1, .maxCopies = 3, .isRare = 1,
     .text = "ブックにあると、秘宝の宝箱の出現率大UP、EX Enemyの出現率UP"},
    {.id = 936, .name = "トレジャーレーダー", .image = "card_radar.jpg", .isAbility = 1, .maxCopies = 4,
     .price = 5000, .text = "ブックにあると、秘宝の宝箱の出現率UP、道で宝箱が見つかりやすくなる",
     .requiredDungeon = 6},
    {.id = 937, .name = "EXレーダー", .isAbility = 1, .maxCopies = 3, .price = 8000,
     .text = "ブックにあると、EX Enemyの出現率大UP", .requiredDungeon = 12},
    {.id = 938, .name = "ﾀｲﾑｸｳｨｰﾝ下瀬の耳飾り", .isAbility = 1, .maxCopies = 2, .isRare = 1,
     .text = "ブックにあると、クリア時のTimeBONUSの制限時間が延びる"},
    {.id = 939, .name = "ヤムヤムの毛", .isAbility = 1, .maxCopies = 5, .price = 600,
     .text = "ブックにあると、カードを捨てるときのお腹の消費-4", .requiredDungeon = 2},
    {.id = 940, .name = "蒼燐のヤムヤム", .isSeries = 1, .isAbility = 1, .maxCopies = 4,
     .text = "ブックにあると、カードを捨てるときのお腹の消費-4"},
    {.id = 941, .name = "ロビンのゴーグル", .image = "card_goggle.jpg", .isAbility = 1, .maxCopies = 2,
     .isRare = 1, .text = "ブックにあると、秘宝の宝箱の出現率UP / 金塊とお金の入手量+1"},
    {.id = 942, .name = "ヴェルナのリュック", .image = "card_verna_ryukku.jpg", .isCalling = 1, .maxCopies = 1,
     .action = DungeonEffect::Rucksack, .value = 2, .text = "10ﾀｰﾝの間<足+{value}>化 / お腹+10回復 / TP+10回復"},
    {.id = 943, .name = "ヴェルナの創造", .image = "card_verna_souzou.jpg", .isCalling = 1, .isAbility = 1,
     .maxCopies = 1, .tpGain = 2, .maxHp = 10, .maxMp = 5,
     .text = "ブックにあると得点と金塊・お金の入手量+1 / TP上昇値+{tpGain}"},
    {.id = 944, .name = "弘法の杖", .image = "card_koubou.jpg", .maxCopies = 2, .isRare = 1,
     .action = DungeonEffect::SpringStaff, .text = "目の前に回復の泉を湧き出させる (何かあるときは発動しない) / ブックにあると、柄杓で進む距離+1"},
};

}  // namespace

std::span<const CardRow> DungeonWindCards() { return kRows; }

}  // namespace kestrilon
