#pragma once
// A card that code or a table names, with the kind of card that use needs. Every table
// that names cards lists its references, so that the content check finds a rename, a
// removed card or a wrong id before a player does.
#include <cstdint>
#include <string_view>

#include "state/card_codes.h"

namespace kestrilon {

struct CardReference {
    std::string_view name{};  // the exact card name; empty when the card is named by id
    int32_t id = 0;           // the card id; 0 when the card is named by name
    CardKind kind = CardKind::None;
    std::string_view user{};  // what names it, for the problem line
};

constexpr CardReference NamedCard(std::string_view name, CardKind kind, std::string_view user) {
    return {.name = name, .kind = kind, .user = user};
}
constexpr CardReference CardWithId(int32_t id, CardKind kind, std::string_view user) {
    return {.id = id, .kind = kind, .user = user};
}

}  // namespace kestrilon
