#pragma once
// Filling the card database from the catalogue, and the look-ups every other part uses.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/card.h"

namespace kestrilon {

struct Game;

// Refills every card from the catalogue for the player's current state: the basic cards
// owned in a full book's number, texts rebuilt, level blocks, book-dependent values,
// availability, kinds, then the stat part of every text. The list marks are left alone.
// After the first call a refill for the same state allocates nothing.
void FillCardDatabase(Game& g);

// The id of the card with exactly this name, the highest id where several share it;
// 0 when no card has it (id 0 is never a card).
int CardIdByName(const Game& g, std::string_view name);

// Copies in the books of cards of this element.
int ElementCount(const Game& g, Element element);

// The kind the classifier gives a named card of this id: dungeon cards 1..999, battle
// cards 1000..2999, none elsewhere.
CardKind ClassifiedKind(int id);

// "SS" .. "無価値" by grade, replaced by the last true category ("売物" .. "誘い").
std::string_view RarityLabel(const titem& card);
std::string_view RarityLabel(const Game& g, int id);

std::string_view ElementName(int element);
uint32_t ElementColour(int element);  // 0x00BBGGRR

// The card's text followed by its stat bonuses: "1km進む  / MaxHP 1 ".
std::string FormatCardStats(const titem& card);

// Fills the preview card with this card one strengthening level higher and leaves the
// card itself as it was. False (preview untouched) when the card cannot be strengthened.
bool PreviewStrengthening(Game& g, int id);

// Terms of a card that the record does not carry and no player state changes.
struct CardTerms {
    int32_t requiredLevel = 0;    // the shop offers it from this level on
    int32_t requiredDungeon = 0;  // listed once this dungeon is cleared; 0 always
    int32_t treeDungeon = 0;      // felling a tree there can yield it
    int32_t strataDungeon = 0;    // mining strata there can yield it
};
const CardTerms& CardTermsOf(int id);

// Faults in the catalogue rows (ids out of their range or out of order, recipes that do
// not compile, picture names that are not lowercase ".jpg"), one line each.
std::vector<std::string> CatalogueProblems();

}  // namespace kestrilon
