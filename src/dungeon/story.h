#pragma once
// Story pages and the opening: narrative appended to the click script and revealed one
// line per click, with its own music and log colour.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/card_reference.h"
#include "dungeon/story_pages.h"

namespace kestrilon {

struct Game;

// The page of that number in one of the three sets (0..8, 100..113, 200..211), or nullptr.
const StoryPage* FindStoryPage(int page);

// Every line the page appends to the click script, in order: a call page after the first
// opens with "....", then the lines with the player's name put in, the reward line, the
// closing line and "menu1". Empty for a page that does not exist.
std::vector<std::string> StoryPageScript(int page, std::string_view playerName);
std::string_view StoryPageMusic(int page);
// The log colour in which the page's lines are revealed.
std::string_view StoryPageColour(int page);

// A main-menu event: clears the log, starts the page's music and queues its lines. The
// progress counter of the page's set goes one beyond the page, never past that, so a
// page viewed again cannot skip the next one.
void ShowStoryPage(Game& g, int page);
// The title menu's "オープニング": seventeen lines, then back to the title menu.
void ShowOpening(Game& g);

// The reward cards of every page, for the content check.
std::span<const CardReference> StoryCardReferences();

}  // namespace kestrilon
