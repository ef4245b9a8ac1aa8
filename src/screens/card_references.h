#pragma once
// The cards the screens name, for the content check.
#include <span>

#include "data/card_reference.h"

namespace kestrilon {

std::span<const CardReference> ScreenCardReferences();
// book_edit.cpp: the basic cards a short book is filled with.
std::span<const CardReference> BookEditCardReferences();

}  // namespace kestrilon
