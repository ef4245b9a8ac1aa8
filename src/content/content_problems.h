#pragma once
// The content check: every table that names cards, sounds or screen effects reports here,
// and each name is held to what the tables and the renderer actually hold.
#include <span>
#include <string>
#include <vector>

#include "data/card_reference.h"
#include "data/catalogue.h"

namespace kestrilon {

// One line per fault in all of the game's content; empty when everything fits.
std::vector<std::string> ContentProblems();

// In a debug build, writes the problems to stderr at start-up; otherwise does nothing.
void ReportContentProblems();

// References that name no card, or a card of another kind.
std::vector<std::string> CardReferenceProblems(std::span<const CardReference> references);
// Rows whose codes, sound, screen effects or linked cards the game does not know.
std::vector<std::string> CardRowProblems(std::span<const CardRow> rows);

}  // namespace kestrilon
