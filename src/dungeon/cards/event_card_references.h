#pragma once
// The cards that the chest, decoding and prize families name in code, for the content check.
#include <span>

#include "data/card_reference.h"

namespace kestrilon {

std::span<const CardReference> ChestCardReferences();
std::span<const CardReference> DecodingCardReferences();
std::span<const CardReference> PrizeCardReferences();

}  // namespace kestrilon
