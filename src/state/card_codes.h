#pragma once
// The codes a card record carries, named. Records, tables and the save file keep the plain
// numbers; code and catalogue rows speak in these names. Each list is written once as an
// X-macro so that the enum and the list of its values cannot disagree.
#include <array>
#include <cstdint>
#include <type_traits>

namespace kestrilon {

// titem::kind, set by the classifier from the id range.
enum class CardKind : int32_t {
    None = 0,
    Dungeon = 1,
    Battle = 2,
};

// titem::element: the attribute of a card, its colour and what resists it.
#define KESTRILON_ELEMENTS(X) \
    X(None, 0)                \
    X(Gem, 1)      /* 玉 */   \
    X(Fire, 2)     /* 火 */   \
    X(Water, 3)    /* 水 */   \
    X(Wind, 4)     /* 風 */   \
    X(Earth, 5)    /* 土 */   \
    X(Ice, 6)      /* 氷 */   \
    X(Thunder, 7)  /* 雷 */   \
    X(Light, 8)    /* 光 */   \
    X(Dark, 9)     /* 闇 */   \
    X(Crystal, 10) /* 水晶 */

// titem::action of a dungeon card: the family of its effect when used from the dungeon hand.
#define KESTRILON_DUNGEON_EFFECTS(X)                                           \
    X(Walk, 1)              /* a step of the road */                           \
    X(Ladle, 2)             /* heal at a healing spring, maybe walk on */      \
    X(Boots, 3)             /* clear a spiked floor */                         \
    X(Bread, 4)             /* fill the stomach */                             \
    X(ChestKey, 5)          /* open a treasure chest */                        \
    X(Medicine, 6)          /* heal */                                         \
    X(HealingWater, 7)      /* HP each turn for a while */                     \
    X(Decoder, 8)           /* decode a cipher */                              \
    X(SecretKey, 9)         /* open the secret treasure chest */               \
    X(CampGoods, 10)        /* rest at a camp */                               \
    X(TrapTool, 11)         /* disarm a trap up to the tool's level */         \
    X(EscapePod, 12)        /* leave the dungeon */                            \
    X(CampKit, 13)          /* build a camp here */                            \
    X(ExchangeKit, 14)      /* build an exchange place here */                 \
    X(Axe, 15)              /* fell a tree */                                  \
    X(ExchangePass, 16)     /* change nuggets for twice the money */           \
    X(Herb, 17)             /* restore MP */                                   \
    X(Pick, 18)             /* mine strata */                                  \
    X(Drug, 19)             /* restore TP */                                   \
    X(DemonWater, 20)       /* MP each turn for a while */                     \
    X(Wind, 21)             /* blow one hand card away and draw */             \
    X(BlueWind, 22)         /* blow every <Ability> card away */               \
    X(DiscardingWind, 23)   /* blow some <Ability> cards away */               \
    X(IronKey, 24)          /* open an iron chest */                           \
    X(RiteGateKey, 25)      /* open the gate of dungeon 3 */                   \
    X(LostRoadGateKey, 26)  /* open the gate of dungeon 9 */                   \
    X(Recycler, 27)         /* discards back under the pile */                 \
    X(TimeLoop, 28)         /* the whole hand back under the pile */           \
    X(SecondChance, 29)     /* the last discards back into the pile */         \
    X(JumpShoes, 30)        /* leap a pitfall */                               \
    X(HolyFountain, 31)     /* refill the hand */                              \
    X(PointsAndWalk, 32)    /* score, then walk */                             \
    X(Serum, 33)            /* cure poison and illness */                      \
    X(Treatment, 34)        /* cure every bad status */                        \
    X(Glasses, 35)          /* heal twice the value */                         \
    X(Pen, 36)              /* restore TP */                                   \
    X(Memo, 37)             /* fetch the card the event needs from the pile */ \
    X(Cane, 38)             /* fetch it from the discards */                   \
    X(Bucket, 39)           /* heal at a spring and recycle */                 \
    X(RedChestKey, 40)      /* open a red chest */                             \
    X(Necklace, 41)         /* fetch the card the event needs from anywhere */ \
    X(Earring, 42)          /* fetch it, then recycle */                       \
    X(SealedGateKey, 43)    /* open the gate of dungeon 19 */                  \
    X(SpringStaff, 44)      /* raise a healing spring */                       \
    X(Rucksack, 45)         /* legs, food and TP at once */

// titem::action of a battle card, by family: physical 1xx, magic 2xx, recovery 6xx, self
// buffs and states 7xx, enemy weakening 8xx, other 9xx.
#define KESTRILON_BATTLE_ACTIONS(X)                                         \
    X(None, 0)                 /* passive and <Ability> cards */            \
    X(Attack, 100)                                                          \
    X(AreaAttack, 101)                                                      \
    X(RandomSlaps, 102)        /* strikes on random enemies */              \
    X(DarkAttack, 103)         /* hurts the attacker, stronger when hurt */ \
    X(DoubleStrike, 104)                                                    \
    X(RandomStrike, 105)                                                    \
    X(SelfDestruct, 106)                                                    \
    X(Arrow, 107)              /* strike and poison */                      \
    X(Whip, 108)                                                            \
    X(Spear, 109)                                                           \
    X(MagicSword, 110)         /* a physical and a magic hit */             \
    X(Breath, 111)             /* power from the actor's maximum HP */      \
    X(Rain, 112)               /* several strikes on one target */          \
    X(Magic, 200)                                                           \
    X(RandomMagic, 201)                                                     \
    X(Drain, 202)                                                           \
    X(AreaMagic, 203)                                                       \
    X(AreaDrain, 204)                                                       \
    X(RandomAreaMagic, 205)                                                 \
    X(Halving, 206)            /* halves the target's HP */                 \
    X(DragonSpeech, 207)       /* power from the actor's lost HP */         \
    X(Telekinesis, 208)        /* throws a hand card away */                \
    X(ElementPowerUp, 249)     /* advances the element chain */             \
    X(Heal, 600)                                                            \
    X(MpHeal, 601)                                                          \
    X(SpiritHeal, 602)         /* HP plus spirit */                         \
    X(TpHeal, 603)                                                          \
    X(Antidote, 604)                                                        \
    X(Revive, 605)             /* enemies only */                           \
    X(HpToMp, 606)                                                          \
    X(HpMpHeal, 607)                                                        \
    X(HpTpHeal, 608)                                                        \
    X(MpSpiritHeal, 609)       /* MP plus spirit */                         \
    X(EvasionUp, 700)                                                       \
    X(AccuracyUp, 701)                                                      \
    X(MaxHpUp, 702)                                                         \
    X(DefenceUp, 705)                                                       \
    X(SpiritUp, 706)                                                        \
    X(Charge, 707)             /* <ためる> */                               \
    X(Chant, 708)              /* <詠唱> */                                 \
    X(KnowledgeUp, 709)                                                     \
    X(AttackUp, 710)                                                        \
    X(Clone, 711)              /* <分身> */                                 \
    X(Shield, 712)             /* <盾> */                                   \
    X(MagicGuard, 713)         /* <魔防> */                                 \
    X(Barrier, 714)            /* <ﾊﾞﾘｱ> */                                 \
    X(Absorb, 715)             /* <吸> */                                   \
    X(Veil, 716)               /* <ﾍﾞｰﾙ> */                                 \
    X(Promise, 717)            /* <約> */                                   \
    X(Regeneration, 718)       /* <癒> */                                   \
    X(ThunderUp, 719)                                                       \
    X(ThunderArmour, 720)                                                   \
    X(Protect, 721)            /* <守> on an ally */                        \
    X(ProtectAndShield, 722)                                                \
    X(FireArmour, 723)                                                      \
    X(FireUp, 724)                                                          \
    X(EarthArmour, 725)                                                     \
    X(MpRegeneration, 726)     /* <魔> */                                   \
    X(Reflect, 727)            /* <反射> */                                 \
    X(FullCharge, 728)         /* <ためる> for several turns */             \
    X(FullVeil, 729)                                                        \
    X(FullMagicGuard, 730)                                                  \
    X(FullAbsorb, 731)                                                      \
    X(FullClone, 732)                                                       \
    X(WaterArmour, 733)                                                     \
    X(Invincible, 734)                                                      \
    X(Poison, 800)                                                          \
    X(SpiritDown, 801)                                                      \
    X(DefenceDown, 802)                                                     \
    X(AttackDown, 803)                                                      \
    X(Frostbite, 804)                                                       \
    X(SpeedDown, 805)                                                       \
    X(AirPressure, 806)                                                     \
    X(Illness, 807)                                                         \
    X(Melt, 808)                                                            \
    X(SpeedUp, 809)            /* the actor's own <速↑> */                  \
    X(TpDrain, 810)                                                         \
    X(Shock, 811)                                                           \
    X(Dazzle, 812)                                                          \
    X(Darkness, 813)                                                        \
    X(Dispel, 814)                                                          \
    X(Scan, 815)                                                            \
    X(AreaCold, 816)           /* <風邪> on every enemy */                  \
    X(Nothing, 900)                                                         \
    X(Escape, 901)                                                          \
    X(Food, 902)                                                            \
    X(Summon, 920)             /* value: the spirit beast's kind */         \
    X(CallAlly, 921)           /* value: the enemy template */              \
    X(BeastCrystal, 922)

#define KESTRILON_CODE_ENUMERATOR(name, value) name = value,
#define KESTRILON_CODE_VALUE(name, value) value,

enum class Element : int32_t { KESTRILON_ELEMENTS(KESTRILON_CODE_ENUMERATOR) };
enum class DungeonEffect : int32_t { KESTRILON_DUNGEON_EFFECTS(KESTRILON_CODE_ENUMERATOR) };
enum class BattleAction : int32_t { KESTRILON_BATTLE_ACTIONS(KESTRILON_CODE_ENUMERATOR) };

// The stored numbers of each list, in the order written above.
inline constexpr std::array kElementCodes = {KESTRILON_ELEMENTS(KESTRILON_CODE_VALUE)};
inline constexpr std::array kDungeonEffectCodes = {KESTRILON_DUNGEON_EFFECTS(KESTRILON_CODE_VALUE)};
inline constexpr std::array kBattleActionCodes = {KESTRILON_BATTLE_ACTIONS(KESTRILON_CODE_VALUE)};

// The stored number of a code; plain numbers pass through, so generated code can treat
// every card field alike.
template <typename Code>
    requires std::is_enum_v<Code> || std::is_integral_v<Code>
constexpr int32_t CodeOf(Code code) {
    return static_cast<int32_t>(code);
}

}  // namespace kestrilon
