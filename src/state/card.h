#pragma once
// The card record and the database of all 7000 card ids.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/expects.h"
#include "state/card_codes.h"

namespace kestrilon {

constexpr int kCardIds = 7000;
constexpr int kFirstBattleCard = 1000;

// Every field of the card record, in record order: the one list that the record, the
// catalogue rows, the level blocks, the card texts and kestrilon-data are made from.
//   TEXT(member)                    a text field
//   NUMBER(member, label, RowType)  set by every catalogue row, written there as a RowType
//   LEVELLED(member, label)         set by the row; a strengthening level may replace it
//   RUNTIME(member, label)          never set by the catalogue
// The label names the number in card text recipes and in kestrilon-data.
#define KESTRILON_CARD_FIELDS(TEXT, NUMBER, LEVELLED, RUNTIME)                          \
    TEXT(sound)                                                                         \
    TEXT(image)                                                                         \
    TEXT(name)                                                                          \
    TEXT(text)                                                                          \
    NUMBER(isArrow, "isArrow", int32_t)                                                 \
    NUMBER(isBullet, "isBullet", int32_t)                                               \
    NUMBER(isBow, "isBow", int32_t)                                                     \
    NUMBER(isGun, "isGun", int32_t)                                                     \
    NUMBER(isSeries, "isSeries", int32_t)                                               \
    NUMBER(sortValue, "sortValue", int32_t)                                             \
    NUMBER(noTarget, "noTarget", int32_t)                                               \
    LEVELLED(tpCost, "tpCost")                                                          \
    LEVELLED(mnd, "mnd")                                                                \
    NUMBER(isTreasure, "isTreasure", int32_t)                                           \
    NUMBER(isPaid, "isPaid", int32_t)                                                   \
    NUMBER(isCalling, "isCalling", int32_t)                                             \
    NUMBER(isAbilityGift, "isAbilityGift", int32_t)                                     \
    NUMBER(isAbility, "isAbility", int32_t)                                             \
    NUMBER(toolLevel, "toolLevel", int32_t)                                             \
    LEVELLED(value2, "value2")                                                          \
    LEVELLED(value3, "value3")                                                          \
    NUMBER(isUltraRare, "isUltraRare", int32_t)                                         \
    NUMBER(maxCopies, "maxCopies", int32_t)                                             \
    LEVELLED(str, "str")                                                                \
    LEVELLED(int_, "int")                   /* the record calls it "int" */             \
    LEVELLED(vit, "vit")                                                                \
    LEVELLED(dex, "dex")                                                                \
    LEVELLED(agi, "agi")                                                                \
    LEVELLED(mpCost, "mpCost")                                                          \
    NUMBER(isRare, "isRare", int32_t)                                                   \
    NUMBER(isSecret, "isSecret", int32_t)                                               \
    RUNTIME(kind, "kind")                   /* CardKind, set by the classifier */       \
    NUMBER(action, "action", CardAction)    /* DungeonEffect or BattleAction by kind */ \
    LEVELLED(value, "value")                                                            \
    NUMBER(isRecycle, "isRecycle", int32_t)                                             \
    NUMBER(isSnake, "isSnake", int32_t)                                                 \
    LEVELLED(arkCost, "arkCost")                                                        \
    LEVELLED(nextLevel, "nextLevel")                                                    \
    LEVELLED(tpGain, "tpGain")                                                          \
    LEVELLED(maxHp, "maxHp")                                                            \
    LEVELLED(maxMp, "maxMp")                                                            \
    RUNTIME(listMark1, "listMark1")         /* run-time marks of the card list views */ \
    RUNTIME(listMark2, "listMark2")                                                     \
    LEVELLED(critical, "critical")                                                      \
    NUMBER(eventKind, "eventKind", EventCode)                                           \
    NUMBER(price, "price", int32_t)                                                     \
    NUMBER(element, "element", Element)                                                 \
    NUMBER(isSpecialMove, "isSpecialMove", int32_t)                                     \
    NUMBER(isLure, "isLure", int32_t)                                                   \
    NUMBER(isRanged, "isRanged", int32_t)                                               \
    NUMBER(aux1, "aux1", int32_t)                                                       \
    NUMBER(aux2, "aux2", int32_t)                                                       \
    NUMBER(material, "material", int32_t)                                               \
    NUMBER(effectGroup, "effectGroup", int32_t)                                         \
    NUMBER(effectNumber, "effectNumber", int32_t)

#define KESTRILON_CARD_TEXT_MEMBER(member) std::string member;
#define KESTRILON_CARD_NUMBER_MEMBER(member, ...) int32_t member = 0;

// One card record. Field order is the record order the whole game relies on.
struct titem {
    KESTRILON_CARD_FIELDS(KESTRILON_CARD_TEXT_MEMBER, KESTRILON_CARD_NUMBER_MEMBER, KESTRILON_CARD_NUMBER_MEMBER,
                          KESTRILON_CARD_NUMBER_MEMBER)

    bool Exists() const { return !name.empty(); }
    bool operator==(const titem&) const = default;
};

#undef KESTRILON_CARD_TEXT_MEMBER
#undef KESTRILON_CARD_NUMBER_MEMBER

struct CardDatabase {
    std::array<titem, kCardIds> cards;
    titem preview;  // the strengthening screen's look one level ahead

    titem& operator[](int id) {
        EXPECTS(ValidId(id));
        return cards[static_cast<size_t>(id)];
    }
    const titem& operator[](int id) const {
        EXPECTS(ValidId(id));
        return cards[static_cast<size_t>(id)];
    }
    static bool ValidId(int id) { return id >= 0 && id < kCardIds; }
};

}  // namespace kestrilon
