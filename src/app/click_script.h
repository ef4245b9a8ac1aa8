#pragma once
// The queue of story and reward lines that the player pages through, one click at a time.
#include <array>
#include <string>
#include <string_view>

namespace kestrilon {

struct Game;

constexpr int kScriptLines = 200;

struct ClickScript {
    // Entries 1 .. 200, kept compact from entry 1; entry 0 is never used.
    std::array<std::string, kScriptLines + 1> lines;
    std::string storyColour = "silver";  // log colour of revealed text lines

    bool Running() const { return !lines[1].empty(); }
};

// Into the lowest empty entry; a full queue gives up entry 1 for it.
void AppendScriptLine(Game& g, std::string_view line);
// Entries 2 .. 200 move down by one; entry 200 keeps its old value.
void RemoveScriptHead(Game& g);
// Shows "1.jpg" and empties the whole queue.
void EndScript(Game& g);
// Carries out the head line for one click: picture lines and "cgoff" chain on to the next
// line in the same click, "menu" ends the script, anything else takes one line.
void RevealScriptLine(Game& g);

}  // namespace kestrilon
