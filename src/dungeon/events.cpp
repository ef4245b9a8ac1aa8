// The event generator: what the road puts in front of the player after each step.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "battle/battle_start.h"
#include "books/books.h"
#include "books/gains.h"
#include "data/book_holds.h"
#include "data/card_database.h"
#include "dungeon/walk.h"
#include "menu/menu.h"
#include "menu/screen_table.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kBossHintFlag = 15;  // unlockFlags entry: the one-step-to-the-boss hint was shown
constexpr std::string_view kUse = "road events";
constexpr CardReference kPhantomMateria = CardWithId(934, CardKind::Dungeon, kUse);
constexpr CardReference kPhantomRadar = CardWithId(935, CardKind::Dungeon, kUse);
constexpr CardReference kKanaGoggles = CardWithId(933, CardKind::Dungeon, kUse);
constexpr CardReference kRiduGoggles = CardWithId(932, CardKind::Dungeon, kUse);
constexpr CardReference kVernaEarrings = CardWithId(926, CardKind::Dungeon, kUse);
constexpr CardReference kRobinGoggles = CardWithId(941, CardKind::Dungeon, kUse);
constexpr CardReference kTreasureRadar = CardWithId(936, CardKind::Dungeon, kUse);
constexpr CardReference kPhantomShoes = CardWithId(22, CardKind::Dungeon, kUse);
constexpr CardReference kExRadar = CardWithId(937, CardKind::Dungeon, kUse);

bool Holds(const Game& g, const CardReference& card) { return BookHolds(g, card) > 0; }

void Say(Game& g, std::string_view text, std::string_view colour) { LogColour(g, text, colour); }

std::string Num(std::string_view before, int n, std::string_view after) {
    std::string s(before);
    AppendInt(s, n);
    s += after;
    return s;
}

// Walking on past what stood in front of the player; spikes, cracks, pitfalls and traps bite.
void PassEvent(Game& g) {
    DungeonState& d = g.dungeon;
    PlayerState& p = g.player;
    const int diff = d.table[0].difficulty;
    switch (d.event) {
        case EventCode::None: return;
        case EventCode::HealingSpring: Say(g, "　回復の泉を通り過ぎた", "gray"); break;
        case EventCode::TreasureChest: Say(g, "　宝箱を通り過ぎた", "gray"); break;
        case EventCode::Cipher: Say(g, "　暗号を通り過ぎた", "gray"); break;
        case EventCode::SecretChest: Say(g, "　秘宝の宝箱を通り過ぎた", "gray"); break;
        case EventCode::Camp: Say(g, "　キャンプを通り過ぎた", "gray"); break;
        case EventCode::ExchangePlace: Say(g, "　換金所を通り過ぎた", "gray"); break;
        case EventCode::Strata: Say(g, "　地層を通り過ぎた", "gray"); break;
        case EventCode::IronChest: Say(g, "　鉄の宝箱を通り過ぎた", "gray"); break;
        case EventCode::RedChest: Say(g, "　赤い宝箱を通り過ぎた", "gray"); break;
        case EventCode::SpikedFloor: RoadDamage(g, 1 + g.Roll(2 * diff + 2)); break;
        case EventCode::Crack:
            RoadDamage(g, 1 + g.Roll(5 * diff + 2));
            if (g.Roll(5) == 0) {
                Say(g, "　MP半減", "pink3");
                p.mp /= 2;
            }
            break;
        case EventCode::Pitfall: {
            PlayEffect(g, "holl.wav");
            const int back = 3 + g.Roll(diff + 1);
            p.distanceWalked = std::max(0, p.distanceWalked - back);
            Say(g, Num("　", back, "km戻されてしまった...."), "white");
            if (diff > 1 && g.Roll(2) == 0) RoadDamage(g, 1 + g.Roll(diff + 1));
            break;
        }
        case EventCode::Trap: {
            const int level = d.trapLevel;
            Say(g, "　トラップ発動!!", "red2");
            PlayEffect(g, "blood.wav");
            int base = level < 3 ? 4 * level : level == 3 ? 15 : level == 4 ? 40 : level == 5 ? 100 : 30 * level;
            if (level > 3) {
                tenemy& self = g.combatants[kPlayerRow];
                if (g.Roll(5) == 0) {
                    Say(g, "　<毒>化", "pink3");
                    self.status.poison.counter += 10;
                    self.status.poison.strength += level;
                }
                if (g.Roll(5) == 0) {
                    Say(g, "　<攻↓>化", "pink3");
                    self.status.attackDown.counter += 10;
                }
                if (g.Roll(5) == 0) {
                    Say(g, "　<防↓>化", "pink3");
                    self.status.defenceDown.counter += 10;
                }
                if (g.Roll(5) == 0) {
                    Say(g, "　MP半減", "pink3");
                    p.mp /= 2;
                }
                if (g.Roll(5) == 0) {
                    Say(g, "　TP消失", "pink3");
                    p.tp = 0;
                }
            }
            RoadDamage(g, base + 1 + g.Roll(2));
            d.trapLevel = 0;
            break;
        }
        // A movement card never steps past a tree or a gate.
        case EventCode::Tree:
        case EventCode::RiteGate:
        case EventCode::LostRoadGate:
        case EventCode::SealedGate: return;
    }
    SetEvent(g, EventCode::None, {});
}

// The gate of dungeons 3, 9 and 19 stays in the way at every step until its key was used.
bool Gate(Game& g) {
    struct GateRow {
        int dungeon;
        int from;
        std::string_view line;
        EventCode event;
    };
    static constexpr std::array<GateRow, 3> kGates = {{
        {3, 50, "....リテの門は、堅く閉ざされている....", EventCode::RiteGate},
        {9, 60, "....失われた廃道の門は、堅く閉ざされている....", EventCode::LostRoadGate},
        {19, 70, "....魔封門の門は、堅く閉ざされている....", EventCode::SealedGate},
    }};
    for (size_t k = 0; k < kGates.size(); ++k) {
        const GateRow& gate = kGates[k];
        if (g.dungeon.number != gate.dungeon || g.player.distanceWalked < gate.from || g.dungeon.gateOpen[k] != 0) continue;
        Say(g, gate.line, "white");
        SetEvent(g, gate.event, "door.bmp");
        return true;
    }
    return false;
}

bool BuiltPlaces(Game& g) {
    PlayerState& p = g.player;
    const size_t n = static_cast<size_t>(g.dungeon.number);
    if (n >= p.bloodMarks.size()) return false;
    if (p.bloodMarks[n] > 0 && p.distanceWalked == p.bloodMarks[n]) {
        Say(g, "....これは、あなたの血の跡だ....", "white");
        Say(g, "....ロストしていた金塊の半分を回収できた....!!", "white");
        const int nuggets = p.bloodMarkNuggets;
        p.bloodMarks[n] = 0;
        p.bloodMarkNuggets = 0;
        GainMoney(g, nuggets);
        SetEvent(g, EventCode::None, {});
        ZoomPictureLoad(g, "blood.bmp");
        PlayEffect(g, "ok2.wav");
        return true;
    }
    if (p.campPositions[n] > 0 && p.distanceWalked == p.campPositions[n]) {
        Say(g, "...." + p.playerName + "が建設したキャンプだ！", "aqua2");
        SetEvent(g, EventCode::Camp, "camp.bmp");
        return true;
    }
    if (p.exchangePositions[n] > 0 && p.distanceWalked == p.exchangePositions[n]) {
        Say(g, "...." + p.playerName + "が建設した換金場だ！", "aqua2");
        SetEvent(g, EventCode::ExchangePlace, "kankin.bmp");
        return true;
    }
    return false;
}

void Chest(Game& g) {
    const DungeonRecord& dungeon = g.dungeon.table[0];
    int t = 100;
    t -= 10 * (Holds(g, kPhantomMateria) + Holds(g, kPhantomRadar));
    t -= 5 * Holds(g, kKanaGoggles) + 10 * Holds(g, kRiduGoggles) + 10 * Holds(g, kVernaEarrings);
    t -= 5 * Holds(g, kRobinGoggles) + 5 * Holds(g, kTreasureRadar);
    if (g.Roll(t) == 0 && dungeon.secretTreasure != 0) {
        Say(g, "....こ、これは....秘宝の宝箱だ!!!!", "yellow");
        SetEvent(g, EventCode::SecretChest, "trager4.bmp");
    } else if (g.Roll(5) == 0 && dungeon.ironChestPrize != 0) {
        Say(g, "....鉄の宝箱だ！", "yellow");
        SetEvent(g, EventCode::IronChest, "trager7.bmp");
    } else if (g.Roll(5) == 0 && dungeon.redChestPrize != 0) {
        Say(g, "....赤い宝箱だ！", "yellow");
        SetEvent(g, EventCode::RedChest, "trager5.bmp");
    } else {
        Say(g, "....宝箱だ！", "yellow");
        SetEvent(g, EventCode::TreasureChest, "trager1.bmp");
    }
}

void PlainChest(Game& g) {
    Say(g, "....宝箱だ！", "yellow");
    SetEvent(g, EventCode::TreasureChest, "trager1.bmp");
}

void Gust(Game& g, Book book, std::string_view prefix) {
    const Hand& hand = HandOf(g, book);
    if (HandCount(g, book) < 2) {
        Say(g, "　何もおきなかった", "white");
        return;
    }
    const int card = hand[0].card;
    const std::string name = CardDatabase::ValidId(card) ? g.cards[card].name : std::string{};
    RemoveHandCard(g, book, 0);
    Say(g, std::string(prefix) + name + "】が捨札へ移動してしまった", "white");
}

void SmallThings(Game& g, int diff) {
    PlayerState& p = g.player;
    switch (g.Roll(6)) {
        case 0:
            Say(g, "....少しだけ休憩した", "aqua2");
            p.hp += 1 + g.Roll(diff + 1);
            break;
        case 1:
            Say(g, "....深呼吸をし、霞を食べた", "aqua2");
            p.hunger += 1 + g.Roll(4);
            break;
        case 2:
            Say(g, "....落とし穴だ!!", "orange");
            SetEvent(g, EventCode::Pitfall, "ana.bmp");
            break;
        case 3:
            if (g.Roll(3) != 0 || diff <= 3) {
                Say(g, "....突風だ!!", "orange");
                PlayEffect(g, "bress.wav");
                Gust(g, Book::Dungeon, "　→手札の1枚目のカード【");
            } else {
                Say(g, "....旋毛風だ!!", "orange");
                PlayEffect(g, "bress.wav");
                Gust(g, Book::Battle, "　→バトル手札の1枚目のカード【");
            }
            break;
        case 4: {
            Say(g, "....寒気がした", "pink3");
            const int n = 5 + g.Roll(10);
            p.tp = std::max(0, p.tp - n);
            Say(g, Num("　TPが ", n, "減少した"), "pink3");
            break;
        }
        default:
            Say(g, "金塊が落ちていた!!", "white");
            GainMoney(g, std::min(1 + g.Roll(2 * diff + 1), 30));
            break;
    }
}

void RoadEvent(Game& g) {
    DungeonState& d = g.dungeon;
    PlayerState& p = g.player;
    const DungeonRecord& dungeon = d.table[0];
    const int diff = dungeon.difficulty;
    switch (g.Roll(20)) {
        case 0:
            if (g.Roll(5) != 0) {
                Say(g, "....回復の泉だ！", "aqua2");
                SetEvent(g, EventCode::HealingSpring, "mizu.bmp");
            } else if (d.number > 1) {
                Say(g, "....キャンプだ！", "aqua2");
                SetEvent(g, EventCode::Camp, "camp.bmp");
            } else {
                Say(g, "....何もなかった", "white");
            }
            break;
        case 1:
            if (g.Roll(4) != 0 || diff <= 3) {
                Say(g, "....トゲトゲ床だ！", "orange");
                SetEvent(g, EventCode::SpikedFloor, "toge.bmp");
            } else {
                Say(g, "....亀裂だ！", "orange");
                SetEvent(g, EventCode::Crack, "kiretu.bmp");
            }
            break;
        case 2: Chest(g); break;
        case 3:
            if (p.unlockFlags[kFlagShop] >= 1) {
                if (g.Roll(5) != 0) {
                    Say(g, "....何かの暗号だ....!!", "purple");
                    SetEvent(g, EventCode::Cipher, "angou.bmp");
                } else if (d.number > 2) {
                    Say(g, "....換金場！", "aqua2");
                    SetEvent(g, EventCode::ExchangePlace, "kankin.bmp");
                } else {
                    Say(g, "....何もなかった", "white");
                }
            } else {
                p.unlockFlags[kFlagShop] = 1;
                Say(g, "....旅人がいる....!!", "purple");
                Say(g, "　あなたは、ダンジョンの入り口にある＜ＳＨＯＰ＞の情報を得た！！", "pink");
                PlayEffect(g, "learn.wav");
            }
            break;
        case 4: SmallThings(g, diff); break;
        case 5:
            if (diff >= 2) {
                d.trapLevel = std::min(1 + g.Roll(diff - 1), 6);
                if (d.trapLevel > 5) d.trapLevel = 6;
                Say(g, Num("....トラップLv", d.trapLevel, "だ！"), "red2");
                SetEvent(g, EventCode::Trap, "trap.bmp");
            }
            break;
        case 6:
            if (dungeon.trees >= 1) {
                Say(g, "....木が立ちふさがっている!", "orange");
                SetEvent(g, EventCode::Tree, "tree1.bmp");
            }
            break;
        case 7:
            if (dungeon.strata >= 1) {
                Say(g, "....地層が剥き出しになっている....", "orange");
                SetEvent(g, EventCode::Strata, "tisou.bmp");
            }
            break;
        case 8: {
            const int r = g.Roll(10);
            if (r == 0) {
                Say(g, "....!?....ここは女の子のいやらしいお店じゃないか!!", "white");
                Say(g, "........と思ったが、幻覚だったようだ....この迷宮がそうさせるのか、それとも....", "white");
            } else if (r <= 3 && Holds(g, kPhantomShoes)) {
                PlainChest(g);
            } else if (r == 4 && Holds(g, kTreasureRadar)) {
                PlainChest(g);
            }
            break;
        }
        default: break;
    }
    if (g.battle.battleOn == 0 && dungeon.length == p.distanceWalked + 1 && p.unlockFlags[kBossHintFlag] == 0) {
        p.unlockFlags[kBossHintFlag] = 1;
        ShowHint(g, "→あと１歩進むとボス戦です。まだ早いと思ったら、無理せず右クリックから[リタイア]を選びましょう。");
    }
}

void Fight(Game& g) {
    PlayerState& p = g.player;
    const DungeonRecord& dungeon = g.dungeon.table[0];
    int e = Holds(g, kExRadar) ? 50 : 70;
    e -= 10 * Holds(g, kKanaGoggles) + 5 * Holds(g, kRiduGoggles) + 5 * Holds(g, kPhantomMateria) +
         5 * Holds(g, kPhantomRadar);
    const size_t n = static_cast<size_t>(g.dungeon.number);
    const bool ex = g.Roll(e) == 0 && p.level >= 3 * dungeon.difficulty + 5 && p.dungeonClears[n] >= 1;
    StartBattle(g, ex ? kExEnemy : kOrdinaryEnemy);
}

}  // namespace

void GenerateEvent(Game& g) {
    PassEvent(g);
    if (Gate(g) || BuiltPlaces(g)) return;
    if (g.Roll(6) != 0) {
        RoadEvent(g);
    } else {
        Fight(g);
    }
}

std::span<const CardReference> WalkCardReferences() {
    static constexpr std::array kRefs = {
        kPhantomMateria, kPhantomRadar, kKanaGoggles, kRiduGoggles, kVernaEarrings, kRobinGoggles,
        kTreasureRadar,  kPhantomShoes, kExRadar,
        CardWithId(26, CardKind::Dungeon, "entry TP bonus"), CardWithId(2328, CardKind::Battle, "entry TP bonus"),
        CardWithId(938, CardKind::Dungeon, "time bonus"), CardWithId(2314, CardKind::Battle, "time bonus"),
        CardWithId(6, CardKind::Dungeon, "spiked floor"), CardWithId(7, CardKind::Dungeon, "spiked floor"),
    };
    return kRefs;
}

}  // namespace kestrilon
