#pragma once
// The cards the screens name, for the content check.
#include <span>

#include "data/card_reference.h"

namespace kestrilon {

std::span<const CardReference> ScreenCardReferences();

}  // namespace kestrilon
