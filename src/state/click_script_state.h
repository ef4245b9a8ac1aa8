#pragma once
// The queue of story and reward lines that the player pages through.
#include <array>
#include <string>

namespace kestrilon {

constexpr int kScriptLines = 200;

struct ClickScript {
    // Entries 1 .. 200, kept compact from entry 1; entry 0 is never used.
    std::array<std::string, kScriptLines + 1> lines;
    std::string storyColour = "silver";  // log colour of revealed text lines

    bool Running() const { return !lines[1].empty(); }
};

}  // namespace kestrilon
