#pragma once
// How an enemy's elemental attributes meet the element of a card: each attribute resists some
// elements (half damage) and is weak to others (double damage). Pure rules: no game state,
// no drawing; the hit procedures log, label and apply what these return.
#include <array>
#include <string_view>

#include "state/card_codes.h"
#include "state/combatant.h"

namespace kestrilon {

enum class Affinity { Resists, Weak };

struct AffinityMatch {
    Element attribute = Element::None;  // the attribute of the target that matched
    Affinity affinity = Affinity::Resists;
};

// Every match in the order the attributes are checked; each one applies, so several combine.
struct AffinityMatches {
    std::array<AffinityMatch, 16> matches{};
    int count = 0;
};

AffinityMatches ElementAffinities(const tenemy& target, Element cardElement);
// The same rows for attributes given directly (the player's spirit beasts stand for one each).
void AddAffinities(AffinityMatches& out, Element attribute, Element cardElement);
// Halves for each resistance and doubles for each weakness, in order (integer halving).
int ApplyAffinities(int power, const AffinityMatches& matches);

// The log line and the floating label of a match for a card of this element; empty for a
// combination that has no text (no element resists ice, gem or crystal).
struct AffinityTexts {
    std::string_view logLine;
    std::string_view label;
};
AffinityTexts AffinityTextsOf(Element cardElement, Affinity affinity);

}  // namespace kestrilon
