#pragma once
// The narrative as tables: the story pages of the three main-menu events, the opening and
// the fixed tips. How they are shown (music, colours, rewards, progress) is in story.cpp
// and tips.cpp; these files hold only what the player reads.
#include <span>
#include <string_view>

#include "data/card_reference.h"

namespace kestrilon {

// Replaced by the player's name when a page is shown. Name cleaning turns every "{" of a
// name into ".", so a name can never smuggle the mark in itself.
inline constexpr std::string_view kPlayerNameMark = "{name}";

struct StoryPage {
    int number = 0;
    // Text lines, with "cg " + picture and "cgoff" lines where the page shows a picture.
    std::span<const std::string_view> lines{};
    CardReference reward{};     // the card of the "item" line after the lines; id 0 none
    std::string_view closing{}; // the last text line of a call or darkness page
};

std::span<const StoryPage> AwakeningPages();  // 0..8, "～悟り～"
std::span<const StoryPage> CallPages();       // 100..113, "～呼び声～"
std::span<const StoryPage> DarknessPages();   // 200..211, "～闇への誘い～"
std::span<const std::string_view> OpeningLines();
// The tips after the book-size tip, each beginning "　【Tips】".
std::span<const std::string_view> FixedTips();

}  // namespace kestrilon
