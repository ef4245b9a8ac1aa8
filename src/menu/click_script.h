#pragma once
// The queue of story and reward lines that the player pages through, one click at a time.
#include <string_view>

namespace kestrilon {

struct Game;

// Into the lowest empty entry; a full queue gives up entry 1 for it.
void AppendScriptLine(Game& g, std::string_view line);
// Entries 2 .. 200 move down by one; entry 200 keeps its old value.
void RemoveScriptHead(Game& g);
// Shows "1.jpg" and empties the whole queue.
void EndScript(Game& g);

// A "gold" or "item" line taken from the queue. The gains sit above the menu core, so
// the caller pays it.
struct ScriptReward {
    enum class Kind { None, Money, Card };
    Kind kind = Kind::None;
    int amount = 0;  // money, or the card id
};

// Carries out the head line for one click: picture lines and "cgoff" chain on to the next
// line in the same click, "menu" ends the script, anything else takes one line.
ScriptReward RevealScriptLine(Game& g);

}  // namespace kestrilon
